#include "outils/dessins.h"

#include <QDir>
#include <QFileInfo>
#include <dlfcn.h>

namespace {

// The loader's reason, without the path it repeats in front.
QString raison_chargeur(const QString& chemin)
{
    const char* texte = dlerror();
    QString raison = texte ? QString::fromLocal8Bit(texte) : QString();
    if (raison.startsWith(chemin + QStringLiteral(": ")))
        raison.remove(0, chemin.size() + 2);
    return raison;
}

} // namespace

QStringList chemins_module_dessins(const QString& dossier_programme, const QString& relatif)
{
    const QDir dossier(dossier_programme);
    return {dossier.filePath(QLatin1String(fichier_module_dessins)),
        QDir::cleanPath(
            dossier.filePath(relatif) + QLatin1Char('/') + QLatin1String(fichier_module_dessins))};
}

const Dessins* charge_dessins(const QStringList& chemins, QString& erreur)
{
    for (const QString& chemin : chemins) {
        if (!QFileInfo::exists(chemin))
            continue;
        // Loaded for the rest of the process: the application it makes lives until the end.
        void* module = dlopen(QFile::encodeName(chemin).constData(), RTLD_NOW | RTLD_LOCAL);
        using Entree = const Dessins* (*)();
        const auto entree = module ? reinterpret_cast<Entree>(dlsym(module, entree_module_dessins)) : nullptr;
        if (entree)
            return entree();
        erreur = QStringLiteral("le module de dessin %1 n'a pas pu être chargé (%2) : réinstallez Tabrix.")
                     .arg(chemin, raison_chargeur(chemin));
        if (module)
            dlclose(module);
        return nullptr;
    }
    erreur = QStringLiteral("le module de dessin est introuvable (cherché : %1) : réinstallez Tabrix.")
                 .arg(chemins.join(QStringLiteral(", ")));
    return nullptr;
}
