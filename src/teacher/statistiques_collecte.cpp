#include "teacher/statistiques_collecte.h"

#include "storage/dossiers.h"
#include "storage/fichier_texte.h"

#include <QDir>

Collecte collecte_reponses(const QVector<ClasseChoisie>& classes, const QString& dossier_etablissement,
    const ChoixTestAnalyse& choix)
{
    Collecte collecte;
    const QDir etablissement(chemin_normalise(dossier_etablissement));
    for (const ClasseChoisie& classe : classes) {
        const QString dossier = chemin_normalise(classe.dossier);
        const QStringList raccourcis = fichiers_du_dossier(dossier, QStringLiteral("*.lnk"));
        collecte.nombre_eleves += int(raccourcis.size());
        for (const QString& raccourci : raccourcis) {
            const QString chemin = etablissement.filePath(raccourci.chopped(4) + QStringLiteral(".txt"));
            if (!fichier_present(chemin))
                continue;
            const std::optional<QStringList> lignes = lit_lignes(chemin);
            if (!lignes) {
                if (!collecte.illisibles.contains(chemin))
                    collecte.illisibles << chemin;
                continue;
            }
            const TestChoisi test
                = choix_test(*lignes, choix.mode, choix.date, choix.masquer_incomplets, classe.objectifs);
            if (test.trouve())
                collecte.reponses << test.enregistrements();
        }
    }
    return collecte;
}
