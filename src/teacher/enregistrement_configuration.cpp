#include "teacher/enregistrement_configuration.h"

#include "core/plateforme.h"
#include "storage/configuration.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString dossier_serveur(const QString& chemin_serveur)
{
    QString serveur = chemin_local(chemin_serveur.trimmed());
    while (serveur.size() > 1 && serveur.endsWith(QLatin1Char('/')))
        serveur.chop(1);
    return serveur;
}

} // namespace

QString chemin_copie_serveur(const QString& chemin_serveur)
{
    return dossier_serveur(chemin_serveur) + QStringLiteral("/Tabrix/") + cles::fichier;
}

BilanEnregistrement enregistre_configuration(
    const QString& chemin_local, const std::function<void(FichierIni&)>& ecrit, Plateforme& plateforme)
{
    BilanEnregistrement bilan;
    FichierIni local(chemin_local);
    ecrit(local);
    if (const Ecriture e = local.enregistre(); !e) {
        bilan.message = QStringLiteral("Tabrix.ini n'a pas pu être enregistré (%1) :\n%2\n"
                                       "Le fichier est resté tel qu'il était ; rien n'a été changé.")
                            .arg(chemin_local, e.erreur);
        return bilan;
    }
    bilan.local = true;

    if (local.lit_texte(cles::general, cles::mode) != QLatin1String("Ecole"))
        return bilan;
    const QString serveur = local.lit_texte(cles::dossiers, cles::chemin_serveur, QString());
    const QString suite = QStringLiteral(
        "\nLes changements sont enregistrés sur ce poste seulement. Enregistrez-les de nouveau quand le "
        "serveur sera accessible : sinon, au prochain démarrage, la configuration du serveur remplacera "
        "celle de ce poste.");
    if (serveur.trimmed().isEmpty())
        return bilan;
    const QString copie = chemin_copie_serveur(serveur);
    if (!plateforme.chemin_accessible(dossier_serveur(serveur))) {
        bilan.message = QStringLiteral("Le serveur %1 ne répond pas.").arg(serveur) + suite;
        return bilan;
    }
    FichierIni maitre(copie);
    if (!maitre.existe()) {
        // The first save of a school makes the master copy from this machine's file.
        maitre = FichierIni::depuis_lignes(local.lignes());
        maitre.change_chemin(copie);
    } else {
        ecrit(maitre);
    }
    Ecriture e;
    if (!QDir().mkpath(QFileInfo(copie).absolutePath()))
        e = {false,
            QStringLiteral("le dossier %1 n'a pas pu être créé.").arg(QFileInfo(copie).absolutePath())};
    else
        e = maitre.enregistre();
    if (!e) {
        bilan.message = QStringLiteral("La configuration du serveur (%1) n'a pas pu être enregistrée :\n%2")
                            .arg(copie, e.erreur)
            + suite;
        return bilan;
    }
    bilan.serveur = true;
    return bilan;
}
