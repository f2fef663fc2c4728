#include "storage/config_perso.h"
#include "storage/fichier_texte.h"

#include "core/faits.h"
#include "storage/configuration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

QString preference_par_defaut(const Reglages& reglages)
{
    return reglages.trous_par_defaut ? QStringLiteral("oui") : QStringLiteral("non");
}

QStringList produits_du_texte(const QString& texte)
{
    return garde_produits_connus(
        texte.contains(QLatin1String("table")) ? produits_des_tables(texte) : lit_liste_compacte(texte));
}

// Whole tables are written by name; a hand-picked subset keeps its exact products in the compact notation.
QString objectifs_a_ecrire(const QStringList& produits)
{
    if (produits.isEmpty())
        return cles_perso::aucun;
    const QString tables = tables_des_produits(produits);
    const QStringList entieres = garde_produits_connus(produits_des_tables(tables));
    if (QSet<QString>(entieres.begin(), entieres.end()) == QSet<QString>(produits.begin(), produits.end()))
        return tables;
    return liste_compacte(produits);
}

} // namespace

QString chemin_config_perso(const IdentiteEleve& identite)
{
    if (identite.nom_fichier.isEmpty())
        return {};
    QString dossier = chemin_local(identite.dossier_liste);
    if (dossier.isEmpty() && !identite.chemin_historique.isEmpty())
        dossier = QFileInfo(chemin_local(identite.chemin_historique)).path();
    if (dossier.isEmpty())
        return {};
    if (!dossier.endsWith(QLatin1Char('/')))
        dossier += QLatin1Char('/');
    return dossier + identite.nom_fichier + QStringLiteral(".ini");
}

void applique_config_perso(const FichierIni& ini, EtatEleve& eleve)
{
    const QString objectifs = ini.lit_texte(cles_perso::section, cles_perso::objectifs, cles_perso::aucun);
    if (objectifs != cles_perso::aucun) {
        const QStringList produits = produits_du_texte(objectifs);
        if (!produits.isEmpty()) {
            eleve.produits_etudies = produits;
            eleve.objectifs = tables_des_produits(produits);
        }
    }
    const QString trous = ini.lit_texte(cles_perso::section, cles_perso::trous, QString());
    if (trous == QLatin1String("oui") || trous == QLatin1String("non"))
        eleve.preference_trous = trous;
}

QString chemin_config_perso_de_historique(const QString& chemin_historique)
{
    const QFileInfo info(chemin_local(chemin_historique));
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".ini"));
}

Amenagement lit_amenagement(const QString& chemin_ini)
{
    if (chemin_ini.isEmpty() || !fichier_present(chemin_ini))
        return Amenagement::aucun;
    const FichierIni ini(chemin_ini);
    return lit_texte_amenagement(ini.lit_texte(cles_perso::section, cles_perso::amenagement, QString()));
}

Ecriture ecrit_amenagement(const QString& chemin_ini, Amenagement amenagement)
{
    IniAModifier lu = lit_pour_modifier(chemin_ini);
    if (!lu)
        return {false, lu.refus};
    lu.ini.ecrit_texte(cles_perso::section, cles_perso::amenagement, texte_amenagement(amenagement));
    return lu.ini.enregistre();
}

bool lit_config_perso(const Reglages& reglages, EtatEleve& eleve)
{
    eleve.preference_trous = preference_par_defaut(reglages);
    const QString chemin = chemin_config_perso(eleve.identite);
    eleve.amenagement = lit_amenagement(chemin);
    // A pupil found in "Hors classe" has his history, and the teacher's file, in the establishment's folder.
    if (eleve.amenagement == Amenagement::aucun && !eleve.identite.chemin_historique.isEmpty()) {
        const QString a_cote = chemin_config_perso_de_historique(eleve.identite.chemin_historique);
        if (a_cote != chemin)
            eleve.amenagement = lit_amenagement(a_cote);
    }
    eleve.fichier_perso_existe = !chemin.isEmpty() && fichier_present(chemin);
    if (!reglages.configuration_personnelle || !eleve.fichier_perso_existe)
        return false;
    const FichierIni ini(chemin);
    if (!ini.existe())
        return false;
    applique_config_perso(ini, eleve);
    return true;
}

bool config_perso_a_ecrire(const Reglages& reglages, const EtatEleve& eleve, bool fichier_present)
{
    if (fichier_present)
        return true;
    const QStringList defaut = garde_produits_connus(produits_des_objectifs(reglages.objectifs_par_defaut));
    const QStringList etudies = garde_produits_connus(eleve.produits_etudies);
    const bool memes_objectifs
        = QSet<QString>(defaut.begin(), defaut.end()) == QSet<QString>(etudies.begin(), etudies.end());
    return !memes_objectifs || eleve.preference_trous != preference_par_defaut(reglages);
}

Ecriture ecrit_config_perso(const Reglages& reglages, EtatEleve& eleve)
{
    if (!reglages.configuration_personnelle)
        return {};
    const QString chemin = chemin_config_perso(eleve.identite);
    if (chemin.isEmpty())
        return {};
    const bool present = eleve.fichier_perso_existe || fichier_present(chemin);
    if (!config_perso_a_ecrire(reglages, eleve, present))
        return {};
    IniAModifier lu = lit_pour_modifier(chemin);
    if (!lu)
        return {false, lu.refus};
    FichierIni& ini = lu.ini;
    ini.ecrit_texte(cles_perso::section, cles_perso::objectifs,
        objectifs_a_ecrire(garde_produits_connus(eleve.produits_etudies)));
    ini.ecrit_texte(cles_perso::section, cles_perso::trous,
        eleve.preference_trous == QLatin1String("oui") ? QStringLiteral("oui") : QStringLiteral("non"));
    Ecriture e = ini.enregistre();
    if (e)
        eleve.fichier_perso_existe = true;
    return e;
}
