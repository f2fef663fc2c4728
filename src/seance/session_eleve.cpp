#include "seance/session.h"

#include "core/dates.h"
#include "core/faits.h"
#include "core/objectifs.h"
#include "core/plateforme.h"
#include "storage/config_perso.h"
#include "storage/dossiers.h"
#include "storage/historique_enregistrement.h"
#include "storage/historique_lecture.h"
#include "storage/niveaux.h"

namespace {

// The weakest table of the last test from this score on: only the gaps are left to learn.
constexpr int seuil_trous = 85;
constexpr int nombre_voulu_initial = 8;

const QString titre_enregistrement = QStringLiteral("Enregistrement");

} // namespace

void Session::initialise_session_eleve(const IdentiteEleve& identite)
{
    const TamponsSeance tampons = tampons_seance(m_horloge.date_heure());
    m_eleve.date_seance = tampons.date;
    m_eleve.jour_seance = tampons.jour;
    m_eleve.heure_debut = tampons.heure_debut;
    m_eleve.identite = identite;
    if (m_eleve.identite.chemin_historique.isEmpty() && !identite.nom_fichier.isEmpty())
        m_eleve.identite.chemin_historique = chemin_historique_eleve(m_reglages, identite.nom_fichier);
    m_repli_annonce = false;
    m_raccourci_annonce = false;
    m_erreur_annoncee.clear();

    if (!identite.classe.isEmpty()) {
        const auto tables = objectifs_du_niveau(
            m_ini.lit_texte(cles::etablissement, cles::objectifs_classiques_niveaux, QString()),
            identite.niveau);
        if (tables) {
            const QStringList produits = garde_produits_connus(produits_des_tables(*tables));
            if (!produits.isEmpty())
                applique_objectifs(produits, *tables);
        }
    }
    // Every pupil starts from the default preference, so that none inherits the previous pupil's choice.
    if (lit_config_perso(m_reglages, m_eleve))
        m_tableau.actualise_boutons_tables(m_eleve.objectifs);

    m_eleve.jours_tests.clear();
    m_eleve.lignes_tests_retenues.clear();
    m_eleve.dernier_test.clear();
    switch (charge_historique(m_eleve)) {
    case ChargementHistorique::lu:
        prepare_donnees_eleve();
        break;
    case ChargementHistorique::illisible:
        // Recording will never replace the file with this séance alone.
        m_messagerie.avertissement(titre_enregistrement,
            QStringLiteral(
                "Le fichier de %1 %2 ne peut pas être lu (%3).\nIl ne sera pas modifié : préviens ton "
                "enseignant.")
                .arg(identite.prenom, identite.nom, m_eleve.identite.chemin_historique));
        break;
    case ChargementHistorique::absent:
        break;
    }
    choisit_apprentissage();
}

void Session::prepare_donnees_eleve()
{
    if (m_eleve.nouvel_eleve)
        return;
    recupere_donnees(m_eleve, m_reglages, cle_date(m_horloge.date_heure().date()));
}

void Session::choisit_apprentissage()
{
    const int T = m_reglages.temps_reponse_acceptable;
    m_eleve.classement_tables = classement_tables(m_eleve.produits_etudies, m_eleve.dernier_test, T);
    bool trous = false;
    if (!m_eleve.classement_tables.isEmpty()) {
        bool ok = false;
        const int plus_faible = m_eleve.classement_tables.first().section(QLatin1Char('='), 1, 1).toInt(&ok);
        trous = ok && plus_faible >= seuil_trous;
    }
    ReglageMemorisation& m = m_eleve.memorisation;
    m.tables_entieres = !trous;
    m.nombre_tables = 1;
    m.nombre_voulu = nombre_voulu_initial;
    m_tableau.change_produits_a_memoriser();
}

QString Session::objectifs_en_mots() const
{
    return ::objectifs_en_mots(numeros_tables());
}

void Session::signale(const ResultatEnregistrement& resultat)
{
    if (!resultat.ok) {
        // Told once per séance: the same failure after every activity would only bury the pupil in boxes.
        if (resultat.erreur != m_erreur_annoncee)
            m_messagerie.avertissement(titre_enregistrement, resultat.erreur);
        m_erreur_annoncee = resultat.erreur;
        return;
    }
    if (resultat.repli_monoposte && !m_repli_annonce) {
        m_repli_annonce = true;
        m_messagerie.information(titre_enregistrement, resultat.message);
    }
    if (!resultat.avertissement.isEmpty() && !m_raccourci_annonce) {
        m_raccourci_annonce = true;
        m_messagerie.information(titre_enregistrement, resultat.avertissement);
    }
}

void Session::ajoute_activite(const QString& ligne)
{
    signale(
        ::ajoute_activite(m_eleve, m_reglages, m_horloge.date_heure(), m_plateforme.nom_ordinateur(), ligne));
}

bool Session::EnregistrementSeance()
{
    if (!m_eleve.identite.identifie())
        return true;
    const ResultatEnregistrement r
        = ::EnregistrementSeance(m_eleve, m_reglages, m_horloge.date_heure(), m_plateforme.nom_ordinateur());
    signale(r);
    if (!r)
        return false;
    // The pupil's file lies beside his history on the share that just failed; he has been told once already.
    if (r.repli_monoposte)
        return true;
    if (const Ecriture e = ecrit_config_perso(m_reglages, m_eleve); !e)
        m_messagerie.avertissement(titre_enregistrement,
            QStringLiteral("Les choix personnels n'ont pas pu être enregistrés :\n") + e.erreur);
    return true;
}

void Session::changement_eleve()
{
    EnregistrementSeance();
    initialise_session();
}
