#include "outils/commande_stats.h"
#include "outils/dessins.h"
#include "storage/fichier_ini.h"
#include "storage/historique_exemples.h"
#include "teacher/ecole_stats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Class 61: two pupils of scores 64 and 65 (speed 30); class 51: a pupil without history.
class CommandeStats : public ::testing::Test
{
protected:
    CommandeStats()
    {
        ecole.ajoute(QStringLiteral("61"), QStringLiteral("A_a"), historique_test(41));
        ecole.ajoute(QStringLiteral("61"), QStringLiteral("B_b"), historique_test(42));
        ecole.ajoute(QStringLiteral("51"), QStringLiteral("C_c"), {});
    }
    int lance(const QString& arguments)
    {
        sortie.clear();
        erreurs.clear();
        QTextStream s(&sortie);
        QTextStream e(&erreurs);
        QStringList a = arguments.split(u' ', Qt::SkipEmptyParts);
        if (!a.contains(QStringLiteral("--ini")))
            a << QStringLiteral("--niveaux") << QStringLiteral("sixième<61,62>cinquième<51>");
        return commande_stats(a << ecole.dossier_etablissement(), s, e, horloge,
            [this](const DonneesStats& d, const QString& chemin) {
                dessins << chemin + QLatin1Char(':') + d.titre;
                return chemin == QLatin1String("interdit.png") ? QStringLiteral("refusé") : QString();
            });
    }

    EcoleStats ecole;
    HorlogeManuelle horloge; // Tuesday 3 December 2024: school year 2024-2025
    QString sortie, erreurs;
    QStringList dessins;
};

TEST_F(CommandeStats, memes_donnees_que_la_console_en_texte_csv_ou_image)
{
    ASSERT_EQ(lance(QStringLiteral("--abscisse classe --ordonnee score")), 0) << erreurs.toStdString();
    EXPECT_EQ(sortie, QStringLiteral("Score par classe\t100\t3 élèves\t61\t65\n"));
    ASSERT_EQ(lance(QStringLiteral("--csv")), 0);
    EXPECT_EQ(sortie, QStringLiteral("niveau;Rapidité (nb br/mn)\nsixième;30\n3 élèves;\n"));
    ASSERT_EQ(lance(QStringLiteral("--abscisse score --ordonnee pourcentage --png g.png")), 0);
    EXPECT_TRUE(sortie.startsWith(QStringLiteral("Répartition (%) par score\t70\t3 élèves\t0..9%\t0\t")));
    EXPECT_EQ(dessins, QStringList {QStringLiteral("g.png:Répartition (%) par score")});
    EXPECT_EQ(lance(QStringLiteral("--png interdit.png")), 1);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("refusé")));
    ASSERT_EQ(lance(QStringLiteral("--dernier-au 01/12/2024")), 0);
    EXPECT_EQ(sortie, QStringLiteral("Rapidité (nb br/mn) par niveau\t1\t3 élèves\n"));
}

TEST_F(CommandeStats, niveaux_du_fichier_de_configuration_et_classes_choisies)
{
    FichierIni ini;
    ini.ecrit_texte(QStringLiteral("Etablissement"), QStringLiteral("Niveaux et classes 2024-2025"),
        QStringLiteral("CM<51,61>"));
    ini.change_chemin(ecole.m_dossier.chemin(QStringLiteral("Tabrix.ini")));
    ASSERT_TRUE(ini.enregistre());
    ASSERT_EQ(lance(QStringLiteral("--abscisse classe --classes 61,99 --ini ") + ini.chemin()), 0);
    EXPECT_EQ(sortie, QStringLiteral("Rapidité (nb br/mn) par classe\t40\t2 élèves\t61\t30\n"));
    EXPECT_TRUE(erreurs.contains(QStringLiteral("inconnues, ignorées : 99"))) << erreurs.toStdString();
    EXPECT_EQ(lance(QStringLiteral("--annee 2023-2024 --ini ") + ini.chemin()), 2);
    EXPECT_TRUE(erreurs.contains(QStringLiteral("2023-2024")));
}

TEST_F(CommandeStats, arguments_refuses)
{
    for (const char* refus : {"--abscisse score --ordonnee score", "--abscisse age",
             "--dernier-au 31/02/2024", "--ini Tabrix.ini", "--inconnue", "autre_dossier"}) {
        EXPECT_EQ(lance(QString::fromUtf8(refus)), 2) << refus;
        EXPECT_TRUE(sortie.isEmpty());
        EXPECT_TRUE(erreurs.contains(QStringLiteral("--help")));
    }
    EXPECT_EQ(lance(QStringLiteral("--help")), 0);
    EXPECT_TRUE(sortie.contains(QStringLiteral("Usage : tabrix-outils stats")));
}

TEST_F(CommandeStats, programme_dessine_le_graphique_en_png)
{
    const QString png = ecole.m_dossier.chemin(QStringLiteral("graphique.png"));
    QProcess p;
    p.start(QStringLiteral(PROGRAMME_OUTILS),
        {QStringLiteral("stats"), QStringLiteral("--niveaux"), QStringLiteral("sixième<61>"),
            QStringLiteral("--png"), png, ecole.dossier_etablissement()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QFile f(png);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(4), QByteArray("\x89PNG"));
}

// The drawing module missing, unreadable or foreign: the figures are still given, the picture is refused
// with why, and no file is left.
TEST_F(CommandeStats, programme_sans_module_de_dessin_donne_le_texte_et_dit_pourquoi_pas_d_image)
{
    const QString seul = ecole.m_dossier.chemin(QStringLiteral("seul"));
    ASSERT_TRUE(QDir().mkpath(seul));
    const QString programme = seul + QStringLiteral("/tabrix-outils");
    ASSERT_TRUE(QFile::copy(QStringLiteral(PROGRAMME_OUTILS), programme));
    const QString module = seul + QLatin1Char('/') + QLatin1String(fichier_module_dessins);
    const auto texte = [&] {
        QFile f(module);
        return f.open(QIODevice::WriteOnly) && f.write("ELF?") == 4;
    };
    const struct
    {
        const char* cas;
        std::function<bool()> prepare;
        const char* attendu;
    } cas[] = {
        {"absent", [] { return true; }, "module de dessin est introuvable"},
        {"texte", texte, "n'a pas pu être chargé"},
        {"dossier", [&] { return QFile::remove(module) && QDir().mkpath(module); }, "n'a pas pu être chargé"},
        {"sans entrée",
            [&] {
                return QDir(module).removeRecursively()
                    && QFile::copy(QStringLiteral(PROGRAMME_OUTILS), module);
            },
            "n'a pas pu être chargé"},
    };
    const QString png = ecole.m_dossier.chemin(QStringLiteral("sans_module.png"));
    for (const auto& c : cas) {
        ASSERT_TRUE(c.prepare()) << c.cas;
        QProcess p;
        p.start(programme,
            {QStringLiteral("stats"), QStringLiteral("--niveaux"), QStringLiteral("sixième<61>"),
                QStringLiteral("--png"), png, ecole.dossier_etablissement()});
        ASSERT_TRUE(p.waitForFinished(30000)) << c.cas;
        EXPECT_EQ(p.exitCode(), 1) << c.cas;
        EXPECT_TRUE(p.readAllStandardOutput().startsWith("Rapidité (nb br/mn) par niveau\t")) << c.cas;
        EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QString::fromUtf8(c.attendu)))
            << c.cas;
        EXPECT_FALSE(QFileInfo::exists(png)) << c.cas;
    }
}

TEST(ModuleDessins, cherche_a_cote_du_programme_puis_dans_le_dossier_installe)
{
    EXPECT_EQ(chemins_module_dessins(QStringLiteral("/usr/bin"), QStringLiteral("../lib/tabrix")),
        (QStringList {QStringLiteral("/usr/bin/tabrix-outils-dessins.so"),
            QStringLiteral("/usr/lib/tabrix/tabrix-outils-dessins.so")}));
    QString erreur;
    const Dessins* dessins = charge_dessins(
        chemins_module_dessins(QFileInfo(QStringLiteral(PROGRAMME_OUTILS)).path(), QStringLiteral("absent")),
        erreur);
    ASSERT_NE(dessins, nullptr) << erreur.toStdString();
    EXPECT_NE(dessins->png_stats, nullptr);
    EXPECT_NE(dessins->png_progression, nullptr);
}

} // namespace
