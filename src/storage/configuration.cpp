#include "storage/configuration.h"
#include "storage/fichier_texte.h"

#include "core/faits.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

void note(QStringList* remarques, const QString& texte)
{
    if (remarques)
        remarques->append(texte);
}

QString avec_barre_finale(const QString& dossier)
{
    const QString d = chemin_local(dossier);
    return d.endsWith(QLatin1Char('/')) ? d : d + QLatin1Char('/');
}

QString sous_dossier(const QString& dossier_programme, const QString& valeur)
{
    const QString v = chemin_local(valeur);
    return QDir::isAbsolutePath(v) ? v : dossier_programme + v;
}

// Reads an integer key that must stay within [min, max]; anything else falls back and is told.
int entier_borne(const FichierIni& ini, const QString& section, const QString& cle, int min, int max,
    int repli, QStringList* remarques)
{
    const int v = ini.lit_entier(section, cle);
    if (v >= min && v <= max)
        return v;
    if (!ini.contient(section, cle))
        note(
            remarques, QStringLiteral("« %1 » manque dans Tabrix.ini : %2 est utilisé.").arg(cle).arg(repli));
    else
        note(remarques,
            QStringLiteral("« %1 » vaut « %2 », hors de %3 à %4 : %5 est utilisé.")
                .arg(cle, ini.lit_texte(section, cle))
                .arg(min)
                .arg(max)
                .arg(repli));
    return repli;
}

const QSet<QString>& tous_les_produits()
{
    static const QSet<QString> produits = [] {
        QSet<QString> p;
        for (int n = 2; n <= 19; ++n) {
            if (n == 10)
                continue;
            for (const QString& code : produits_de_table(n).split(QLatin1Char(','), Qt::SkipEmptyParts))
                p.insert(code);
        }
        return p;
    }();
    return produits;
}

} // namespace

bool vaut_oui(const QString& valeur)
{
    return valeur == QLatin1String("oui");
}

QString chemin_local(const QString& valeur)
{
    return QString(valeur).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString remplace_chemin_serveur(const QString& valeur, const QString& chemin_serveur)
{
    QString v = chemin_local(valeur);
    const qsizetype pos = v.indexOf(cles::placeholder_serveur, 0, Qt::CaseInsensitive);
    if (pos >= 0)
        v.replace(pos, cles::placeholder_serveur.size(), chemin_local(chemin_serveur));
    return v;
}

bool formule_utilisable(const QString& formule)
{
    if (formule.trimmed().size() > longueur_formule_maximum)
        return false;
    const QStringList parties = formule.trimmed().split(QLatin1Char('.'));
    if (parties.size() < 2)
        return false;
    QVector<int> nombres;
    for (const QString& p : parties) {
        bool ok = false;
        const int n = p.trimmed().toInt(&ok);
        if (!ok || n < 1)
            return false;
        nombres.append(n);
    }
    const int base = nombres.takeLast();
    int introduits = 0;
    for (const int w : nombres) {
        if (w == 1)
            ++introduits;
        else if (w > introduits)
            return false;
    }
    return base >= 2 && introduits == base;
}

QStringList garde_produits_connus(const QStringList& codes)
{
    QStringList connus;
    for (const QString& c : codes) {
        if (tous_les_produits().contains(c) && !connus.contains(c))
            connus.append(c);
    }
    return connus;
}

Reglages lit_reglages(const FichierIni& ini, const QString& dossier_programme, QStringList* remarques)
{
    Reglages r;
    r.dossier_programme = avec_barre_finale(dossier_programme);
    r.mode_ecole = ini.lit_texte(cles::general, cles::mode) == QLatin1String("Ecole");
    r.configuration_personnelle = vaut_oui(ini.lit_texte(cles::general, cles::configuration_personnelle));

    QString serveur = chemin_local(ini.lit_texte(cles::dossiers, cles::chemin_serveur));
    while (serveur.size() > 1 && serveur.endsWith(QLatin1Char('/')))
        serveur.chop(1);
    r.chemin_serveur = serveur;
    r.dossier_monoposte = chemin_local(ini.lit_texte(cles::dossiers, cles::dossier_eleves_monoposte));
    r.dossier_eleves = r.mode_ecole
        ? remplace_chemin_serveur(ini.lit_texte(cles::dossiers, cles::dossier_eleves_reseau), serveur)
        : sous_dossier(r.dossier_programme, r.dossier_monoposte);
    const QString statistiques = chemin_local(ini.lit_texte(cles::dossiers, cles::dossier_statistiques));
    r.dossier_statistiques_local = sous_dossier(r.dossier_programme, statistiques);
    r.dossier_statistiques_serveur = serveur + QStringLiteral("/Tabrix/") + statistiques;
    const QString nom = ini.lit_texte(cles::etablissement, cles::nom);
    r.nom_etablissement = nom_etablissement_utilisable(nom);
    if (r.nom_etablissement != nom)
        note(remarques,
            QStringLiteral(
                "Le nom de l'établissement est trop long pour un nom de dossier : « %1 » est utilisé.")
                .arg(r.nom_etablissement));

    r.temps_reponse_acceptable
        = entier_borne(ini, cles::parametres, cles::temps_acceptable, 1, 99, 4, remarques);
    // Answer records keep the time on 3 digits of tenths: 100 s or more would not fit.
    r.temps_reponse_maximum = entier_borne(ini, cles::parametres, cles::temps_maximum, 1, 99, 20, remarques);
    r.temps_reponse_initial
        = entier_borne(ini, cles::perfectionnement, cles::temps_initial, 1, 99, 8, remarques);
    r.temps_reponse_final = entier_borne(ini, cles::perfectionnement, cles::temps_final, 1, 99, 4, remarques);
    r.apprentissage_obligatoire
        = vaut_oui(ini.lit_texte(cles::perfectionnement, cles::apprentissage_obligatoire));

    const QString ordre = ini.lit_texte(cles::options_apprentissage, cles::ordre_items);
    if (QString::compare(ordre, QLatin1String("valeur produit"), Qt::CaseInsensitive) == 0) {
        r.ordre_rangement_items = QStringLiteral("valeur produit");
    } else {
        r.ordre_rangement_items = QStringLiteral("par tables");
        if (QString::compare(ordre, QLatin1String("par tables"), Qt::CaseInsensitive) != 0
            && QString::compare(ordre, QLatin1String("premier facteur"), Qt::CaseInsensitive) != 0)
            note(remarques,
                QStringLiteral("« %1 » vaut « %2 » : « par tables » est utilisé.")
                    .arg(cles::ordre_items, ordre));
    }
    r.trous_par_defaut = vaut_oui(ini.lit_texte(cles::options_apprentissage, cles::trous));

    r.nombre_items_par_bloc
        = entier_borne(ini, cles::apprentissage_blocs, cles::items_par_bloc, 2, 4, 3, remarques);
    const QString formule = ini.lit_texte(cles::apprentissage_blocs, cles::formule);
    if (formule_utilisable(formule)) {
        r.formule_recursive = formule;
    } else {
        r.formule_recursive = cles::formule_par_defaut;
        note(remarques,
            QStringLiteral("La formule d'apprentissage « %1 » est inutilisable : « %2 » est utilisée.")
                .arg(formule, cles::formule_par_defaut));
    }

    r.code_acces_professeur = ini.lit_texte(cles::codes, cles::code_professeur);
    r.code_prof_requis = !r.code_acces_professeur.isEmpty();
    r.identification_par_code = vaut_oui(ini.lit_texte(cles::codes, cles::identification_par_code));
    r.chrono_test_visible = vaut_oui(ini.lit_texte(cles::apparence, cles::chrono_visible));
    r.bouton_pause_test_visible = vaut_oui(ini.lit_texte(cles::apparence, cles::pause_visible));
    r.masquer_tests_incomplets = vaut_oui(ini.lit_texte(cles::apparence, cles::masquer_incomplets));

    // Objectives naming no known product would leave the pupil nothing to study.
    r.objectifs_par_defaut = ini.lit_texte(cles::parametres, cles::objectifs_classiques_defaut);
    if (garde_produits_connus(produits_des_objectifs(r.objectifs_par_defaut)).isEmpty()) {
        note(remarques,
            QStringLiteral("« %1 » ne désigne aucune table : toutes les tables de 2 à 9 sont utilisées.")
                .arg(cles::objectifs_classiques_defaut));
        r.objectifs_par_defaut = cles::objectifs_classiques_tous;
    }
    r.objectifs_etendus_par_defaut = ini.lit_texte(cles::parametres, cles::objectifs_etendus_defaut);
    if (garde_produits_connus(produits_des_tables(r.objectifs_etendus_par_defaut)).isEmpty())
        r.objectifs_etendus_par_defaut = QStringLiteral("table_carres");
    return r;
}

QString annee_scolaire_decalee(const QString& annee_scolaire, int decalage)
{
    bool ok = false;
    const int debut = annee_scolaire.left(4).toInt(&ok);
    if (!ok || annee_scolaire.size() < 4)
        return {};
    return QStringLiteral("%1-%2").arg(debut + decalage).arg(debut + decalage + 1);
}

ConfigurationRentree configuration_rentree(const FichierIni& ini, const QString& annee_scolaire)
{
    ConfigurationRentree rentree;
    const QString nom = ini.lit_texte(cles::etablissement, cles::nom, QString());
    rentree.nom_etablissement = nom.isEmpty() ? cles::etablissement_par_defaut : nom;
    // Only a levels key of that year counts: the year's text elsewhere (a name, a comment) is no structure.
    for (int k = 1; k <= 10 && rentree.annee_reprise.isEmpty(); ++k) {
        const QString annee = annee_scolaire_decalee(annee_scolaire, -k);
        if (annee.isEmpty())
            break;
        const QString valeur = ini.lit_texte(cles::etablissement, cles::niveaux_et_classes(annee), QString());
        if (!valeur.isEmpty() && !lit_niveaux(valeur).niveaux.isEmpty()) {
            rentree.annee_reprise = annee;
            rentree.valeur_niveaux = valeur;
        }
    }
    if (rentree.annee_reprise.isEmpty())
        rentree.valeur_niveaux = niveaux_par_defaut;
    rentree.niveaux = lit_niveaux(rentree.valeur_niveaux);
    return rentree;
}

QByteArray configuration_par_defaut()
{
    Q_INIT_RESOURCE(configuration);
    QFile f(QStringLiteral(":/configuration/Tabrix.ini"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

Ecriture ecrit_configuration_par_defaut(const QString& dossier)
{
    const QString chemin = QDir(dossier).filePath(cles::fichier);
    if (fichier_present(chemin))
        return {};
    const QByteArray octets = configuration_par_defaut();
    if (octets.isEmpty())
        return {false, QStringLiteral("La configuration par défaut est introuvable dans le programme.")};
    return ecrit_octets(chemin, octets);
}
