#include "seance/session.h"

#include "core/dates.h"
#include "core/faits.h"
#include "core/objectifs.h"
#include "core/plateforme.h"
#include "storage/dossiers.h"
#include "storage/fichier_texte.h"
#include "storage/fusion_monoposte.h"
#include "storage/niveaux.h"
#include "storage/records.h"
#include "storage/taille_affichage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// An unreachable share must not hold the start longer than this.
constexpr int delai_serveur_ms = 3000;

QString sans_barre_finale(QString chemin)
{
    chemin = chemin_local(chemin.trimmed());
    while (chemin.size() > 1 && chemin.endsWith(QLatin1Char('/')))
        chemin.chop(1);
    return chemin;
}

} // namespace

Session::Session(
    const QString& dossier_travail, const Horloge& horloge, Messagerie& messagerie, Plateforme& plateforme)
    : m_dossier_travail(dossier_travail)
    , m_horloge(horloge)
    , m_messagerie(messagerie)
    , m_plateforme(plateforme)
{
    m_num_au_lancement = m_plateforme.verrouillage_numerique();
    m_maj_au_lancement = m_plateforme.verrouillage_majuscules();
}

bool Session::horloge_suspecte() const
{
    return m_horloge_suspecte;
}

bool Session::nouvelle_annee_scolaire() const
{
    return m_nouvelle_annee;
}

QString Session::titre_fenetre() const
{
    return m_titre;
}

void Session::restaure_verrous_clavier()
{
    if (m_plateforme.verrouillage_numerique() != m_num_au_lancement)
        m_plateforme.fixe_verrouillage_numerique(m_num_au_lancement);
    if (m_plateforme.verrouillage_majuscules() != m_maj_au_lancement)
        m_plateforme.fixe_verrouillage_majuscules(m_maj_au_lancement);
}

QString Session::chemin_configuration() const
{
    return QDir(m_dossier_travail).filePath(cles::fichier);
}

void Session::marque_premier_demarrage()
{
    const QString chemin = QDir(m_dossier_travail).filePath(titres::premier_demarrage);
    if (fichier_present(chemin))
        return;
    // Nothing reads the marker: a folder that refuses it only loses the date of the first launch.
    ecrit_lignes(chemin, {QString::number(horodatage(m_horloge.date_heure()))});
}

void Session::initialise_session()
{
    marque_premier_demarrage();
    restaure_verrous_clavier();

    // A new séance: every list of the previous pupil is released.
    m_eleve = EtatEleve();
    m_repli_annonce = false;
    m_raccourci_annonce = false;
    m_erreur_annoncee.clear();
    const TamponsSeance tampons = tampons_seance(m_horloge.date_heure());
    m_eleve.date_seance = tampons.date;
    m_eleve.jour_seance = tampons.jour;
    m_eleve.heure_debut = tampons.heure_debut;

    // The levels are loaded once per run (initialise_ecole): a change of pupil keeps them.
    const QVector<Niveau> niveaux = m_reglages.niveaux;
    lit_configuration();
    m_reglages.annee_scolaire = tampons.annee_scolaire;
    m_eleve.memorisation.tables_entieres = !m_reglages.trous_par_defaut;

    if (m_reglages.mode_ecole && !m_serveur_verifie) {
        m_serveur_joignable = m_plateforme.chemin_accessible(m_reglages.chemin_serveur, delai_serveur_ms);
        m_serveur_verifie = true;
    }
    const bool serveur_tabrix = m_reglages.mode_ecole && m_serveur_joignable
        && QFileInfo(m_reglages.chemin_serveur + QStringLiteral("/Tabrix")).isDir();
    if (serveur_tabrix && copie_configuration_serveur()) {
        lit_configuration();
        m_reglages.annee_scolaire = tampons.annee_scolaire;
        m_eleve.memorisation.tables_entieres = !m_reglages.trous_par_defaut;
    }
    m_reglages.niveaux = niveaux;
    etablit_mode_et_dossiers();
    if (serveur_tabrix && m_reglages.mode_ecole)
        ramene_travail_monoposte();

    QDir().mkpath(m_reglages.dossier_statistiques_local);
    if (!QDir().mkpath(m_reglages.dossier_eleves))
        m_messagerie.avertissement(QStringLiteral("Dossier des élèves"),
            QStringLiteral("Le dossier des élèves « %1 » n'a pas pu être créé.")
                .arg(m_reglages.dossier_eleves));

    const QStringList produits
        = garde_produits_connus(produits_des_objectifs(m_reglages.objectifs_par_defaut));
    applique_objectifs(produits,
        m_reglages.objectifs_par_defaut.contains(QLatin1String("table")) ? m_reglages.objectifs_par_defaut
                                                                         : tables_des_produits(produits));

    recharge_records();
}

void Session::recharge_records()
{
    m_records = charge_liste_records(chemins_records(m_reglages));
}

void Session::lit_configuration()
{
    const QString chemin = chemin_configuration();
    if (!fichier_present(chemin)) {
        if (const Ecriture e = ecrit_configuration_par_defaut(m_dossier_travail); !e)
            m_messagerie.avertissement(cles::fichier,
                QStringLiteral("La configuration par défaut n'a pas pu être écrite :\n") + e.erreur);
    }
    m_ini = FichierIni(chemin);
    if (!m_ini.existe()) {
        // A working folder that refuses the file still runs on the compiled-in settings.
        m_ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
        m_ini.change_chemin(chemin);
    }
    QStringList remarques;
    m_reglages = lit_reglages(m_ini, m_dossier_travail, &remarques);
    if (m_reglages.mode_ecole && m_reglages.chemin_serveur.trimmed().isEmpty() && !m_serveur_verifie) {
        demande_chemin_serveur();
        remarques.clear();
        m_reglages = lit_reglages(m_ini, m_dossier_travail, &remarques);
    }
    if (!remarques.isEmpty() && !m_remarques_montrees) {
        m_remarques_montrees = true;
        m_messagerie.avertissement(cles::fichier, remarques.join(QLatin1Char('\n')));
    }
}

void Session::demande_chemin_serveur()
{
    QString reponse = titres::serveur_propose;
    if (!m_messagerie.saisie(titres::serveur_non_renseigne, titres::invite_serveur, reponse))
        return;
    reponse = sans_barre_finale(reponse);
    if (reponse.isEmpty())
        return;
    m_ini.ecrit_texte(cles::dossiers, cles::chemin_serveur, reponse);
    // Written into the file as it is now: the settings in memory may be the compiled-in ones.
    IniAModifier lu = lit_pour_modifier(m_ini.chemin());
    if (lu && !lu.ini.existe())
        lu.ini = m_ini;
    Ecriture e {false, lu.refus};
    if (lu) {
        lu.ini.ecrit_texte(cles::dossiers, cles::chemin_serveur, reponse);
        e = lu.ini.enregistre();
    }
    if (!e)
        m_messagerie.avertissement(
            cles::fichier, QStringLiteral("Le chemin du serveur n'a pas pu être enregistré :\n") + e.erreur);
}

bool Session::copie_configuration_serveur()
{
    const QString chemin_serveur = m_reglages.chemin_serveur + QStringLiteral("/Tabrix/") + cles::fichier;
    if (!fichier_present(chemin_serveur))
        return false;
    const auto lignes_serveur = lit_lignes(chemin_serveur);
    FichierIni copie = lignes_serveur ? FichierIni::depuis_lignes(*lignes_serveur) : FichierIni();
    if (!lignes_serveur || copie.sections().isEmpty()) {
        // An empty or unreadable master copy would wipe this machine's settings: keep them.
        m_messagerie.avertissement(cles::fichier,
            QStringLiteral("La configuration du serveur (%1) est vide ou illisible : celle de ce poste est "
                           "gardée.")
                .arg(chemin_serveur));
        return false;
    }
    // Compared line by line, so that CR LF against LF alone is no difference; an absent local file is empty.
    const QStringList locales = lit_lignes(chemin_configuration()).value_or(QStringList());
    // The display size belongs to this machine's screen, not to the school.
    const FichierIni locale = FichierIni::depuis_lignes(locales);
    if (locale.contient(cles::apparence, taille_affichage::cle))
        copie.ecrit_texte(
            cles::apparence, taille_affichage::cle, locale.lit_texte(cles::apparence, taille_affichage::cle));
    const QStringList& lignes = copie.lignes();
    if (QString::compare(lignes.join(QLatin1Char('\n')), locales.join(QLatin1Char('\n')), Qt::CaseInsensitive)
        == 0)
        return false;
    if (const Ecriture e = ecrit_lignes(chemin_configuration(), lignes); !e) {
        m_messagerie.avertissement(cles::fichier,
            QStringLiteral("La configuration du serveur n'a pas pu être recopiée sur ce poste :\n")
                + e.erreur);
        return false;
    }
    return true;
}

void Session::passe_en_monoposte()
{
    const QDir programme(m_reglages.dossier_programme);
    m_reglages.dossier_eleves = QDir::cleanPath(programme.filePath(m_reglages.dossier_monoposte));
}

void Session::etablit_mode_et_dossiers()
{
    Reglages& r = m_reglages;
    m_monoposte = false;
    if (!r.mode_ecole) {
        r.serveur_accessible = true;
        r.poste_serveur = true;
        r.dossier_etablissement.clear();
        r.dossier_annee.clear();
        m_titre = titres::maison;
        return;
    }
    m_titre = titres::ecole + r.nom_etablissement;
    // The name is a folder of the pupils' root: it must never lead outside it.
    if (!nom_dossier_valide(r.nom_etablissement))
        r.nom_etablissement = nom_dossier_sur(r.nom_etablissement);
    r.serveur_accessible = m_serveur_joignable;
    if (!m_serveur_joignable) {
        r.poste_serveur = false;
        passe_en_monoposte();
        m_monoposte = true;
    } else {
        const QString nom = m_plateforme.nom_ordinateur().toUpper();
        r.poste_serveur = !nom.isEmpty() && r.chemin_serveur.toUpper().contains(nom);
        if (!QFileInfo(r.chemin_serveur + QStringLiteral("/Tabrix")).isDir()) {
            // Not installed there, or the empty mount point of a share that is not mounted: work on this
            // machine, as when the server does not answer, and bring the work back at a later start.
            r.serveur_accessible = false;
            passe_en_monoposte();
            m_monoposte = !r.poste_serveur;
        }
    }
    if (m_monoposte)
        m_titre += titres::monoposte;
    r.dossier_eleves = sans_barre_finale(r.dossier_eleves);
    // A relative network folder (a damaged key) belongs under the program's folder, not the process's.
    if (QDir::isRelativePath(r.dossier_eleves))
        r.dossier_eleves = QDir::cleanPath(QDir(r.dossier_programme).filePath(r.dossier_eleves));
    r.dossier_etablissement = r.dossier_eleves + QLatin1Char('/') + r.nom_etablissement;
    r.dossier_annee = r.dossier_etablissement + QLatin1Char('/') + r.annee_scolaire;
}

void Session::ramene_travail_monoposte()
{
    // Looked for on this machine first: the share is touched only when there is something to bring back.
    if (fichiers_du_dossier(dossier_monoposte_etablissement(m_reglages), QStringLiteral("*.txt")).isEmpty())
        return;
    // The server's folder must exist for the single-machine histories to join it.
    QDir().mkpath(m_reglages.dossier_etablissement);
    const ResultatNettoyage r = nettoie_doublons_monoposte_serveur(
        m_reglages, [this](const QString& chemin) { return m_plateforme.met_a_la_corbeille(chemin); });
    if (r.envoye_a_la_corbeille)
        m_messagerie.information(titre_information_corbeille(), texte_information_corbeille());
    if (!r.erreurs.isEmpty())
        m_messagerie.avertissement(QStringLiteral("Retour des fichiers sur le serveur"),
            QStringLiteral("Ces fichiers restent sur ce poste et seront recopiés au prochain démarrage :\n")
                + r.erreurs.join(QLatin1Char('\n')));
}

bool Session::Verifie_annee_horloge()
{
    m_horloge_suspecte = false;
    const QStringList annees = sous_dossiers(m_reglages.dossier_etablissement, QStringLiteral("2*"));
    if (annees.isEmpty())
        return false;
    bool ok_dossier = false, ok_annee = false;
    const int derniere = annees.last().left(4).toInt(&ok_dossier);
    const int courante = m_reglages.annee_scolaire.left(4).toInt(&ok_annee);
    m_horloge_suspecte = ok_dossier && ok_annee && derniere > courante;
    return m_horloge_suspecte;
}

void Session::initialise_ecole()
{
    if (!m_reglages.mode_ecole)
        return;
    const QString valeur = m_ini.lit_texte(
        cles::etablissement, cles::niveaux_et_classes(m_reglages.annee_scolaire), QString());
    if (Verifie_annee_horloge()) {
        m_messagerie.avertissement(titres::attention,
            QStringLiteral("Il semble que l'horloge soit déréglée:\nelle indique ") + m_eleve.jour_seance
                + QLatin1Char(' ') + m_eleve.date_seance);
        return;
    }
    if (valeur.trimmed().isEmpty()) {
        reglages_rentree_scolaire();
        return;
    }
    const LectureNiveaux lecture = lit_niveaux(valeur);
    m_reglages.niveaux = lecture.niveaux;
    if (!lecture.remarques.isEmpty())
        m_messagerie.avertissement(
            cles::niveaux_et_classes(m_reglages.annee_scolaire), lecture.remarques.join(QLatin1Char('\n')));
    if (const Ecriture e = cree_dossiers_ecole(m_reglages); !e)
        m_messagerie.avertissement(QStringLiteral("Dossiers de l'établissement"), e.erreur);
}

void Session::reglages_rentree_scolaire()
{
    m_rentree = configuration_rentree(m_ini, m_reglages.annee_scolaire);
    m_reglages.niveaux = m_rentree.niveaux.niveaux;
    m_nouvelle_annee = true;
    if (m_ouverture_rentree) {
        m_ouverture_rentree(m_rentree);
        return;
    }
    m_messagerie.information(QStringLiteral("Nouvelle année scolaire"),
        QStringLiteral("Les classes de l'année %1 ne sont pas encore enregistrées.\n"
                       "L'enseignant les répartit dans la console, page « Etablissement ».")
            .arg(m_reglages.annee_scolaire));
}

void Session::applique_objectifs(const QStringList& produits, const QString& objectifs)
{
    m_eleve.produits_etudies = produits;
    m_eleve.objectifs = objectifs;
    m_tableau.actualise_boutons_tables(objectifs);
}

QStringList Session::numeros_tables() const
{
    return numeros_tables_objectifs(m_eleve.produits_etudies);
}
