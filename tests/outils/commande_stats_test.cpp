#include "outils/commande_stats.h"
#include "storage/fichier_ini.h"
#include "storage/historique_exemples.h"
#include "teacher/ecole_stats.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// A class of two pupils (scores 64 and 65, speeds 19 and 20) and a level with an untested pupil.
class CommandeStats : public ::testing::Test
{
protected:
    CommandeStats()
    {
        ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(reponses_score(41)));
        ecole.ajoute(QStringLiteral("61"), QStringLiteral("B_b"), historique_test(reponses_score(42)));
        ecole.ajoute(QStringLiteral("51"), QStringLiteral("C_c"), std::nullopt);
    }
    int lance(QStringList arguments)
    {
        sortie.clear();
        erreurs.clear();
        arguments << ecole.dossier_etablissement();
        QTextStream s(&sortie);
        QTextStream e(&erreurs);
        return commande_stats(arguments, s, e, horloge, [this](const DonneesStats& d, const QString& chemin) {
            dessins << chemin + QLatin1Char(':') + d.titre;
            return chemin.contains(QStringLiteral("interdit")) ? QStringLiteral("refusé") : QString();
        });
    }

    EcoleStats ecole;
    HorlogeManuelle horloge; // Tuesday 3 December 2024: school year 2024-2025
    QString sortie, erreurs;
    QStringList dessins;
    const QStringList niveaux {QStringLiteral("--niveaux"), QStringLiteral("sixième<61,62>cinquième<51>")};
};

TEST_F(CommandeStats, memes_donnees_que_la_console)
{
    ASSERT_EQ(lance(niveaux
                  + QStringList {QStringLiteral("--abscisse"), QStringLiteral("classe"),
                      QStringLiteral("--ordonnee"), QStringLiteral("score")}),
        0)
        << erreurs.toStdString();
    EXPECT_EQ(sortie, QStringLiteral("Score par classe\t100\t3 élèves\t61\t65\n"));

    ASSERT_EQ(lance(niveaux + QStringList {QStringLiteral("--csv")}), 0);
    EXPECT_EQ(sortie, QStringLiteral("niveau;Rapidité (nb br/mn)\nsixième;20\n3 élèves;\n"));

    ASSERT_EQ(lance(niveaux
                  + QStringList {QStringLiteral("--abscisse"), QStringLiteral("score"),
                      QStringLiteral("--ordonnee"), QStringLiteral("pourcentage"), QStringLiteral("--png"),
                      QStringLiteral("g.png")}),
        0);
    EXPECT_TRUE(sortie.startsWith(QStringLiteral("Répartition (%) par score\t70\t3 élèves\t0..9%\t0\t")));
    EXPECT_EQ(dessins, QStringList {QStringLiteral("g.png:Répartition (%) par score")});
    EXPECT_EQ(lance(niveaux + QStringList {QStringLiteral("--png"), QStringLiteral("interdit.png")}), 1);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("refusé")));

    // Before every test: all counted, none retained.
    ASSERT_EQ(lance(niveaux + QStringList {QStringLiteral("--dernier-au"), QStringLiteral("01/12/2024")}), 0);
    EXPECT_EQ(sortie, QStringLiteral("Rapidité (nb br/mn) par niveau\t1\t3 élèves\n"));
}

TEST_F(CommandeStats, niveaux_du_fichier_de_configuration_et_classes_choisies)
{
    DossierTest dossier;
    FichierIni ini;
    ini.ecrit_texte(QStringLiteral("Etablissement"), QStringLiteral("Niveaux et classes 2024-2025"),
        QStringLiteral("CM<51,61>"));
    ini.change_chemin(dossier.chemin(QStringLiteral("Tabrix.ini")));
    ASSERT_TRUE(ini.enregistre());
    ASSERT_EQ(lance({QStringLiteral("--ini"), ini.chemin(), QStringLiteral("--abscisse"),
                  QStringLiteral("classe"), QStringLiteral("--classes"), QStringLiteral("61,99")}),
        0);
    EXPECT_EQ(sortie, QStringLiteral("Rapidité (nb br/mn) par classe\t30\t2 élèves\t61\t20\n"));
    EXPECT_TRUE(erreurs.contains(QStringLiteral("99"))) << erreurs.toStdString();

    EXPECT_EQ(lance({QStringLiteral("--ini"), ini.chemin(), QStringLiteral("--annee"),
                  QStringLiteral("2023-2024")}),
        2);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("2023-2024")));
}

TEST_F(CommandeStats, arguments_refuses)
{
    const QList<QStringList> refus {
        {QStringLiteral("--abscisse"), QStringLiteral("score"), QStringLiteral("--ordonnee"),
            QStringLiteral("score")},
        {QStringLiteral("--abscisse"), QStringLiteral("age")},
        {QStringLiteral("--dernier-au"), QStringLiteral("31/02/2024")},
        {QStringLiteral("--ini"), QStringLiteral("Tabrix.ini")},
        {QStringLiteral("--inconnue")},
        {QStringLiteral("autre_dossier")},
    };
    for (const QStringList& r : refus) {
        EXPECT_EQ(lance(niveaux + r), 2) << r.join(u' ').toStdString();
        EXPECT_TRUE(sortie.isEmpty());
        EXPECT_TRUE(erreurs.contains(QStringLiteral("--help")));
    }
    EXPECT_EQ(lance({}), 2); // no levels
    EXPECT_EQ(lance({QStringLiteral("--help")}), 0);
    EXPECT_TRUE(sortie.contains(QStringLiteral("Usage : tabrix-outils stats")));
}

TEST_F(CommandeStats, programme_dessine_le_graphique_en_png)
{
    DossierTest dossier;
    const QString png = dossier.chemin(QStringLiteral("graphique.png"));
    QProcess p;
    p.start(QStringLiteral(PROGRAMME_OUTILS),
        QStringList {QStringLiteral("stats")} + niveaux
            + QStringList {QStringLiteral("--png"), png, ecole.dossier_etablissement()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QFile f(png);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(4), QByteArray("\x89PNG"));
}

} // namespace
