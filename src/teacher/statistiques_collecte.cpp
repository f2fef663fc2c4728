#include "teacher/statistiques_collecte.h"

#include "core/en_parallele.h"
#include "storage/dossiers.h"
#include "storage/lecture_historique.h"

#include <QDir>
#include <utility>

Collecte collecte_reponses(
    const QVector<ClasseChoisie>& classes, const QString& dossier_etablissement, const ChoixTest& choix)
{
    Collecte collecte;
    QStringList chemins;
    QVector<ChoixTest> choix_des_eleves;
    const QDir etablissement(chemin_normalise(dossier_etablissement));
    for (const ClasseChoisie& classe : classes) {
        const QString dossier = chemin_normalise(classe.dossier);
        const QStringList raccourcis = fichiers_du_dossier(dossier, QStringLiteral("*.lnk"));
        collecte.nombre_eleves += int(raccourcis.size());
        ChoixTest choix_classe = choix;
        choix_classe.objectifs = classe.objectifs;
        for (const QString& raccourci : raccourcis) {
            chemins << etablissement.filePath(raccourci.chopped(4) + QStringLiteral(".txt"));
            choix_des_eleves << choix_classe;
        }
    }
    // The histories are read on every core; what they give is gathered in the pupils' order.
    QVector<TestLu> lus(chemins.size());
    en_parallele(
        int(chemins.size()), 256,
        [&, sortie = lus.data()](int i) {
            sortie[i] = lit_test_choisi(std::as_const(chemins)[i], std::as_const(choix_des_eleves)[i]);
        },
        [&](int debut, int fin) {
            for (int i = debut; i < fin; ++i) {
                if (lus[i].etat == TestLu::illisible && !collecte.illisibles.contains(chemins[i]))
                    collecte.illisibles << chemins[i];
                if (lus[i].test.trouve())
                    collecte.reponses << lus[i].test.enregistrements();
            }
        });
    return collecte;
}
