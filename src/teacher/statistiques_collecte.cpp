#include "teacher/statistiques_collecte.h"

#include "storage/dossiers.h"
#include "storage/index_historiques.h"

#include <QDir>

Collecte collecte_reponses(const QVector<ClasseChoisie>& classes, const QString& dossier_etablissement,
    const ChoixTest& choix, IndexHistoriques* index)
{
    Collecte collecte;
    QVector<DemandeTest> demandes;
    const QDir etablissement(chemin_normalise(dossier_etablissement));
    for (const ClasseChoisie& classe : classes) {
        const QString dossier = chemin_normalise(classe.dossier);
        const QStringList raccourcis = fichiers_du_dossier(dossier, QStringLiteral("*.lnk"));
        collecte.nombre_eleves += int(raccourcis.size());
        ChoixTest choix_classe = choix;
        choix_classe.objectifs = classe.objectifs;
        for (const QString& raccourci : raccourcis)
            demandes.append(
                {etablissement.filePath(raccourci.chopped(4) + QStringLiteral(".txt")), choix_classe});
    }
    const QVector<TestLu> lus = lit_tests_choisis(demandes, index);
    for (int i = 0; i < lus.size(); ++i) {
        if (lus[i].etat == TestLu::illisible && !collecte.illisibles.contains(demandes[i].chemin))
            collecte.illisibles << demandes[i].chemin;
        if (lus[i].test.trouve())
            collecte.reponses << lus[i].test.enregistrements();
    }
    return collecte;
}
