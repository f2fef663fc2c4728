#include "outils/commande_liste.h"
#include "storage/config_perso.h"
#include "support/dossier_test.h"
#include "teacher/ecole_suivi.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

class CommandeListe : public ::testing::Test
{
protected:
    void SetUp() override { ecole_suivi::ecrit(eleves()); }
    QString eleves() const { return m_dossier.chemin(QStringLiteral("Eleves")); }
    // Runs the subcommand on the school with the clock on Saturday 7 December 2024, 10:15.
    int lance(QStringList arguments)
    {
        m_sortie.clear();
        m_erreurs.clear();
        QTextStream sortie(&m_sortie);
        QTextStream erreurs(&m_erreurs);
        arguments.prepend(eleves());
        arguments.prepend(QStringLiteral("--eleves"));
        return commande_liste(arguments, sortie, erreurs, m_horloge);
    }

    DossierTest m_dossier;
    HorlogeManuelle m_horloge {QDateTime(QDate(2024, 12, 7), QTime(10, 15, 0))};
    QString m_sortie;
    QString m_erreurs;
};

} // namespace

TEST_F(CommandeListe, donne_les_lignes_de_liste_eleves_txt_pour_chaque_choix_de_la_page)
{
    const struct
    {
        QStringList options;
        const char* attendu;
    } cas[] = {
        {{QStringLiteral("--etablissement"), ecole_suivi::etablissement}, "liste_score_resultat.txt"},
        {{QStringLiteral("--etablissement"), ecole_suivi::etablissement, QStringLiteral("--annee"),
             ecole_suivi::annee, QStringLiteral("--rapidite"), QStringLiteral("--tri"),
             QStringLiteral("date"), QStringLiteral("--dernier-au"), QStringLiteral("07/12/2024")},
            "liste_rapidite_date.txt"},
        {{QStringLiteral("--etablissement"), QStringLiteral("aucun"), QStringLiteral("--tri"),
             QStringLiteral("nom")},
            "liste_aucun_nom.txt"},
    };
    for (const auto& c : cas) {
        const QString attendu = ecole_suivi::repertoire_donnees + QString::fromLatin1(c.attendu);
        ASSERT_EQ(lance(c.options), 0) << m_erreurs.toStdString();
        EXPECT_EQ(decoupe_lignes(m_sortie), lit_lignes(attendu).value()) << c.attendu;
        // Into a file: the very bytes of the console's file.
        const QString fichier = m_dossier.chemin(QStringLiteral("sortie.txt"));
        ASSERT_EQ(lance(c.options + QStringList {QStringLiteral("-o"), fichier}), 0);
        QFile a(fichier), b(attendu);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll()) << c.attendu;
    }
}

TEST_F(CommandeListe, csv_une_ligne_par_eleve_dans_l_ordre_de_la_liste_avec_son_temps_amenage)
{
    // Léa has a third more; Paul's file names a choice this version does not know: none is shown.
    const QString etab = eleves() + QLatin1Char('/') + ecole_suivi::etablissement + QLatin1Char('/');
    ASSERT_TRUE(ecrit_amenagement(etab + QStringLiteral("Martin_Léa.ini"), Amenagement::tiers));
    ASSERT_TRUE(ecrit_lignes(etab + QStringLiteral("Sansbilan_Paul.ini"),
        {QStringLiteral("[config perso]"), QStringLiteral("Temps aménagé=+1/4")}));
    ASSERT_EQ(
        lance({QStringLiteral("--etablissement"), ecole_suivi::etablissement, QStringLiteral("--csv")}), 0);
    const QStringList lignes = decoupe_lignes(m_sortie);
    ASSERT_EQ(lignes.size(), 8);
    EXPECT_EQ(lignes[0], QStringLiteral("classe;nom;prénom;date du test;score;rapidité;temps aménagé"));
    EXPECT_EQ(lignes[1], QStringLiteral("61;Sansbilan;Paul;;;;"));
    // His score stays the one computed with the school's acceptable time.
    EXPECT_EQ(lignes[2], QStringLiteral("61;Martin;Léa;03/12/2024;7;30;+1/3"));
    EXPECT_EQ(lignes[7], QStringLiteral("64;Trois;Luc;29/11/2024;68;28;"));
}

TEST_F(CommandeListe, arguments_refuses_avec_un_message_en_francais)
{
    const struct
    {
        QStringList options;
        const char* message;
    } cas[] = {
        {{}, "l'établissement manque"},
        {{QStringLiteral("--etablissement"), QStringLiteral("X"), QStringLiteral("--tri"),
             QStringLiteral("age")},
            "tri inconnu : age"},
        {{QStringLiteral("--etablissement"), QStringLiteral("X"), QStringLiteral("--dernier-au"),
             QStringLiteral("31/02/2024")},
            "date invalide : 31/02/2024"},
        {{QStringLiteral("--vite")}, "option inconnue : --vite"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(lance(c.options), 2) << c.message;
        EXPECT_TRUE(m_erreurs.contains(QString::fromUtf8(c.message))) << m_erreurs.toStdString();
    }
}

TEST_F(CommandeListe, le_programme_repond_en_francais_et_nomme_un_historique_illisible)
{
    const QString etab = eleves() + QLatin1Char('/') + ecole_suivi::etablissement;
    ASSERT_TRUE(QFile::remove(etab + QStringLiteral("/Trois_Luc.txt")));
    ASSERT_TRUE(QDir().mkpath(etab + QStringLiteral("/Trois_Luc.txt")));
    QProcess p;
    p.start(QStringLiteral(PROGRAMME_OUTILS),
        {QStringLiteral("liste"), QStringLiteral("--eleves"), eleves(), QStringLiteral("--etablissement"),
            ecole_suivi::etablissement});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("Trois\u00A0Luc")));
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError())
                    .contains(QStringLiteral("Trois_Luc : historique illisible, compté sans test.")));

    p.start(QStringLiteral(PROGRAMME_OUTILS), {QStringLiteral("liste"), QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput())
                    .contains(QStringLiteral("Construit la liste des élèves")));
}
