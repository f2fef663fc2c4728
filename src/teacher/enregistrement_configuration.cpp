#include "teacher/enregistrement_configuration.h"

#include "core/plateforme.h"
#include "storage/configuration.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

QString dossier_serveur(const QString& chemin_serveur)
{
    QString serveur = chemin_local(chemin_serveur.trimmed());
    while (serveur.size() > 1 && serveur.endsWith(QLatin1Char('/')))
        serveur.chop(1);
    return serveur;
}

const QString seulement_sur_ce_poste = QStringLiteral(
    "\nLes changements sont enregistrés sur ce poste seulement. Enregistrez-les de nouveau quand le "
    "serveur sera accessible : sinon, au prochain démarrage, la configuration du serveur remplacera "
    "celle de ce poste.");

// What becomes of the master copy: nullopt when the save stays on this machine (`message` says why).
struct CopieServeur
{
    std::optional<FichierIni> maitre;
    bool illisible = false; // it exists and cannot be read: nothing at all may be written
    QString message;
};

CopieServeur copie_serveur(const FichierIni& local, const std::function<void(FichierIni&)>& ecrit,
    Plateforme& plateforme, const Confirmation& confirme)
{
    CopieServeur c;
    if (local.lit_texte(cles::general, cles::mode) != QLatin1String("Ecole"))
        return c;
    const QString serveur = local.lit_texte(cles::dossiers, cles::chemin_serveur, QString());
    if (serveur.trimmed().isEmpty())
        return c;
    const QString dossier = dossier_serveur(serveur);
    if (!plateforme.chemin_accessible(dossier)) {
        c.message = QStringLiteral("Le serveur %1 ne répond pas.").arg(serveur) + seulement_sur_ce_poste;
        return c;
    }
    const QString copie = chemin_copie_serveur(serveur);
    if (!QFileInfo(QFileInfo(copie).absolutePath()).isDir()) {
        // The mount point of a share that is not mounted looks like this too: create nothing unasked.
        const QString question
            = QStringLiteral("Le dossier « %1 » ne contient pas de dossier Tabrix : s'agit-il de la première "
                             "installation de Tabrix sur ce serveur ?\nRépondez Non si le partage du serveur "
                             "n'est peut-être pas monté : rien n'y sera créé.")
                  .arg(QDir::toNativeSeparators(dossier));
        if (!confirme || !confirme(question)) {
            c.message
                = QStringLiteral("Rien n'a été créé dans « %1 ».").arg(QDir::toNativeSeparators(dossier))
                + seulement_sur_ce_poste;
            return c;
        }
    }
    IniAModifier lu = lit_pour_modifier(copie);
    if (!lu) {
        c.illisible = true;
        c.message = lu.refus;
        return c;
    }
    if (lu.ini.existe()) {
        ecrit(lu.ini);
    } else {
        // The first save of a school makes the master copy from this machine's file.
        lu.ini = FichierIni::depuis_lignes(local.lignes());
        lu.ini.change_chemin(copie);
    }
    c.maitre = lu.ini;
    return c;
}

} // namespace

QString chemin_copie_serveur(const QString& chemin_serveur)
{
    return dossier_serveur(chemin_serveur) + QStringLiteral("/Tabrix/") + cles::fichier;
}

BilanEnregistrement enregistre_configuration(const QString& chemin_local,
    const std::function<void(FichierIni&)>& ecrit, Plateforme& plateforme, const Confirmation& confirme)
{
    BilanEnregistrement bilan;
    IniAModifier local = lit_pour_modifier(chemin_local);
    if (!local) {
        bilan.message = local.refus;
        return bilan;
    }
    ecrit(local.ini);
    CopieServeur copie = copie_serveur(local.ini, ecrit, plateforme, confirme);
    bilan.message = copie.message;
    if (copie.illisible)
        return bilan;
    if (copie.maitre) {
        FichierIni& maitre = *copie.maitre;
        const QString dossier = QFileInfo(maitre.chemin()).absolutePath();
        Ecriture e;
        if (!QDir().mkpath(dossier))
            e = {false, QStringLiteral("le dossier %1 n'a pas pu être créé.").arg(dossier)};
        else
            e = maitre.enregistre();
        bilan.serveur = bool(e);
        if (!e)
            bilan.message
                = QStringLiteral("La configuration du serveur (%1) n'a pas pu être enregistrée :\n%2")
                      .arg(maitre.chemin(), e.erreur)
                + seulement_sur_ce_poste;
    }
    if (const Ecriture e = local.ini.enregistre(); !e) {
        bilan.message
            = QStringLiteral("Tabrix.ini n'a pas pu être enregistré (%1) :\n%2\n").arg(chemin_local, e.erreur)
            + (bilan.serveur
                    ? QStringLiteral("La configuration du serveur a été enregistrée : elle remplacera "
                                     "celle de ce poste au prochain démarrage.")
                    : QStringLiteral("Le fichier est resté tel qu'il était ; rien n'a été changé."));
        return bilan;
    }
    bilan.local = true;
    return bilan;
}
