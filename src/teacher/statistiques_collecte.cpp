#include "teacher/statistiques_collecte.h"

#include "storage/dossiers.h"
#include "storage/lecture_historique.h"

#include <QDir>

Collecte collecte_reponses(
    const QVector<ClasseChoisie>& classes, const QString& dossier_etablissement, const ChoixTest& choix)
{
    Collecte collecte;
    ChoixTest choix_classe = choix;
    const QDir etablissement(chemin_normalise(dossier_etablissement));
    for (const ClasseChoisie& classe : classes) {
        const QString dossier = chemin_normalise(classe.dossier);
        const QStringList raccourcis = fichiers_du_dossier(dossier, QStringLiteral("*.lnk"));
        collecte.nombre_eleves += int(raccourcis.size());
        choix_classe.objectifs = classe.objectifs;
        for (const QString& raccourci : raccourcis) {
            const QString chemin = etablissement.filePath(raccourci.chopped(4) + QStringLiteral(".txt"));
            const TestLu lu = lit_test_choisi(chemin, choix_classe);
            if (lu.etat == TestLu::illisible && !collecte.illisibles.contains(chemin))
                collecte.illisibles << chemin;
            if (lu.test.trouve())
                collecte.reponses << lu.test.enregistrements();
        }
    }
    return collecte;
}
