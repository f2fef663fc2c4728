#include "settings/parametres_enregistrement.h"

#include "storage/configuration.h"
#include "storage/fichier_texte.h"

#include <QFile>

namespace {

// At start in school mode the server's master copy replaces this machine's file when their texts differ.
bool copie_serveur_differente(const FichierIni& ini, const QString& serveur)
{
    const QString copie = chemin_local(serveur) + QStringLiteral("/Tabrix/") + cles::fichier;
    if (!QFile::exists(copie))
        return false;
    const auto lignes = lit_lignes(copie);
    return lignes
        && QString::compare(
               lignes->join(QLatin1Char('\n')), ini.lignes().join(QLatin1Char('\n')), Qt::CaseInsensitive)
        != 0;
}

} // namespace

EnregistrementReglages enregistre_reglages(const QString& chemin, ParametresGeneraux& p)
{
    EnregistrementReglages r;
    if (const QString refus = refus_formule_a_enregistrer(p); !refus.isEmpty()) {
        r.erreur = QStringLiteral("La formule récursive « %1 » ne peut pas servir : %2\nChoisissez une "
                                  "formule proposée ou corrigez-la ; rien n'a été enregistré.")
                       .arg(p.formule, refus);
        return r;
    }
    IniAModifier lu = lit_pour_modifier(chemin);
    if (!lu) {
        r.erreur = lu.refus;
        return r;
    }
    FichierIni& ini = lu.ini;
    if (!ini.existe()) {
        ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
        ini.change_chemin(chemin);
    }
    ecrit_reglages(ini, p);
    if (const Ecriture e = ini.enregistre(); !e) {
        r.erreur = QStringLiteral("Les réglages n'ont pas pu être enregistrés dans %1 :\n%2\nLe fichier est "
                                  "resté tel qu'il était.")
                       .arg(chemin, e.erreur);
        return r;
    }
    r.ok = true;
    p.objectifs_classiques_lus
        = ini.lit_texte(cles::parametres, cles::objectifs_classiques_defaut, QString());
    p.objectifs_etendus_lus = ini.lit_texte(cles::parametres, cles::objectifs_etendus_defaut, QString());
    if (p.mode_ecole) {
        const QString serveur = ini.lit_texte(cles::dossiers, cles::chemin_serveur, QString()).trimmed();
        if (serveur.isEmpty())
            r.remarques.append(QStringLiteral("Le chemin du serveur n'est pas renseigné : il sera demandé au "
                                              "prochain démarrage."));
        else if (copie_serveur_differente(ini, serveur))
            r.remarques.append(
                QStringLiteral("En mode école, la configuration du serveur remplacera celle de "
                               "ce poste au prochain démarrage : pour changer les réglages de "
                               "tous les postes, passez par la console de l'enseignant."));
    }
    return r;
}
