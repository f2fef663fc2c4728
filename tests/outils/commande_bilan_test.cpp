#include "outils/commande_bilan.h"
#include "reports/exemples_bilan.h"
#include "reports/outils_pdf.h"
#include "storage/fichier_texte.h"
#include "support/dossier_test.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString entete(const QString& jour, const QString& date)
{
    return QStringLiteral("Séance du %1 %2 de 14:02:10 à 14:20:47 sur le poste \"PC1\"").arg(jour, date);
}

QString ligne_test(const QString& enregistrements)
{
    return QStringLiteral("\tTEST de 14:03:02 à 14:06:40 ") + enregistrements;
}

class CommandeBilan : public ::testing::Test
{
protected:
    // Runs the subcommand with the clock on Tuesday 3 December 2024.
    int lance(const QStringList& arguments)
    {
        m_sortie.clear();
        m_erreurs.clear();
        QTextStream sortie(&m_sortie);
        QTextStream erreurs(&m_erreurs);
        return commande_bilan(arguments, sortie, erreurs, m_horloge);
    }
    QString historique(const QString& nom, const QStringList& lignes)
    {
        const QString chemin = m_dossier.chemin(nom);
        EXPECT_TRUE(ecrit_lignes(chemin, lignes));
        return chemin;
    }
    QString chemin(const QString& nom) const { return m_dossier.chemin(nom); }

    DossierTest m_dossier;
    HorlogeManuelle m_horloge {QDateTime(QDate(2024, 12, 3), QTime(18, 0))};
    QString m_sortie;
    QString m_erreurs;
};

} // namespace

TEST_F(CommandeBilan, une_page_par_historique_dans_l_ordre_donne)
{
    const QString zoe = historique(QStringLiteral("Zola_Zoé.txt"),
        {entete(QStringLiteral("Lundi"), QStringLiteral("02/12/2024")),
            ligne_test(enregistrements_tables())});
    const QString adam = historique(QStringLiteral("Adam_Léo.txt"),
        {entete(QStringLiteral("Jeudi"), QStringLiteral("28/11/2024")),
            ligne_test(enregistrements_tables(6, 7))});
    const QString marie = historique(QStringLiteral("Dupont_Marie.txt"),
        {entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")),
            ligne_test(enregistrements_tables())});
    const QString pdf = chemin(QStringLiteral("Classe de CM1a.pdf"));

    ASSERT_EQ(lance({QStringLiteral("--classe"), QStringLiteral("CM1a"), QStringLiteral("--etablissement"),
                  QStringLiteral("École Jules Ferry"), QStringLiteral("-o"), pdf, zoe, adam, marie}),
        0)
        << m_erreurs.toStdString();
    EXPECT_TRUE(m_erreurs.isEmpty());
    EXPECT_TRUE(m_sortie.contains(QStringLiteral("3 pages écrites")));

    const QString texte = texte_du_pdf(pdf);
    const int p1 = texte.indexOf(QStringLiteral("ZOLA Zoé"));
    const int p2 = texte.indexOf(QStringLiteral("ADAM Léo"));
    const int p3 = texte.indexOf(QStringLiteral("DUPONT Marie"));
    EXPECT_GE(p1, 0) << texte.toStdString();
    EXPECT_GT(p2, p1);
    EXPECT_GT(p3, p2);
    EXPECT_EQ(texte.count(QStringLiteral("Classe de CM1a")), 3);
    EXPECT_EQ(texte.count(QStringLiteral("École Jules Ferry")), 3);
    EXPECT_GT(texte.indexOf(QStringLiteral("Test du Jeudi 28/11/2024:")), p2);
    EXPECT_GT(texte.indexOf(QStringLiteral("c'est à dire 25% de toutes les tables")), p2);
}

TEST_F(CommandeBilan, la_date_choisit_le_test_et_aujourd_hui_par_defaut)
{
    const QString h = historique(QStringLiteral("Dupont_Marie.txt"),
        {entete(QStringLiteral("Jeudi"), QStringLiteral("28/11/2024")),
            ligne_test(enregistrements_tables(2, 3)),
            entete(QStringLiteral("Mardi"), QStringLiteral("03/12/2024")),
            ligne_test(enregistrements_tables(4, 5)),
            entete(QStringLiteral("Jeudi"), QStringLiteral("05/12/2024")),
            ligne_test(enregistrements_tables(8, 9))});
    const QString pdf = chemin(QStringLiteral("bilan.pdf"));

    ASSERT_EQ(lance({QStringLiteral("-o"), pdf, h}), 0);
    EXPECT_TRUE(texte_du_pdf(pdf).contains(QStringLiteral("Test du Mardi 03/12/2024:")));
    ASSERT_EQ(
        lance({QStringLiteral("--dernier-au"), QStringLiteral("02/12/2024"), QStringLiteral("-o"), pdf, h}),
        0);
    EXPECT_TRUE(texte_du_pdf(pdf).contains(QStringLiteral("Test du Jeudi 28/11/2024:")));
    ASSERT_EQ(lance({QStringLiteral("--premier-a-partir-du"), QStringLiteral("04/12/2024"),
                  QStringLiteral("-o"), pdf, h}),
        0);
    EXPECT_TRUE(texte_du_pdf(pdf).contains(QStringLiteral("Test du Jeudi 05/12/2024:")));
    // Without a class: no class line.
    EXPECT_FALSE(texte_du_pdf(pdf).contains(QStringLiteral("Classe de")));
}

TEST_F(CommandeBilan, les_historiques_sans_test_classique_sont_ignores_avec_un_message)
{
    const QString sans_test = historique(QStringLiteral("Martin_Paul.txt"),
        {entete(QStringLiteral("Lundi"), QStringLiteral("02/12/2024")),
            QStringLiteral("\tAPPRENTISSAGE de 14:07:01 à 14:19:58: 84 répétitions")});
    const QString etendu = historique(QStringLiteral("Petit_Jean.txt"),
        {entete(QStringLiteral("Lundi"), QStringLiteral("02/12/2024")),
            ligne_test(enregistrement(12, 13, 20, 156) + enregistrement(11, 11, 20, 121))});
    const QString bon = historique(QStringLiteral("Dupont_Marie.txt"),
        {entete(QStringLiteral("Lundi"), QStringLiteral("02/12/2024")),
            ligne_test(enregistrements_tables())});
    const QString pdf = chemin(QStringLiteral("bilan.pdf"));

    ASSERT_EQ(
        lance({QStringLiteral("-o"), pdf, sans_test, chemin(QStringLiteral("Absent_Luc.txt")), etendu, bon}),
        0);
    EXPECT_TRUE(m_sortie.contains(QStringLiteral("1 page écrite")));
    const QStringList lignes = m_erreurs.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 3) << m_erreurs.toStdString();
    EXPECT_TRUE(lignes[0].contains(
        QStringLiteral("Martin_Paul.txt : pas de test retenu, aucun test jusqu'au 03/12/2024, ignoré.")));
    EXPECT_TRUE(lignes[1].contains(QStringLiteral("Absent_Luc.txt : pas d'historique, ignoré.")));
    EXPECT_TRUE(lignes[2].contains(QStringLiteral("n'est pas un test des tables de 2 à 9, ignoré.")));
}

TEST_F(CommandeBilan, aucune_page_est_une_erreur_et_ne_touche_pas_au_fichier)
{
    const QString sans_test = historique(QStringLiteral("Martin_Paul.txt"), {});
    const QString pdf = chemin(QStringLiteral("bilan.pdf"));
    EXPECT_EQ(lance({QStringLiteral("-o"), pdf, sans_test}), 1);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(m_erreurs.contains(QStringLiteral("aucune page à écrire")));

    // A document written before stays as it was.
    ASSERT_TRUE(ecrit_octets(pdf, "ancien"));
    EXPECT_EQ(lance({QStringLiteral("--premier-a-partir-du"), QStringLiteral("01/09/2024"),
                  QStringLiteral("-o"), pdf, sans_test}),
        1);
    EXPECT_EQ(lit_texte(pdf).value_or(QString()), QStringLiteral("ancien"));

    // A folder that does not exist: the write fails and says so.
    const QString bon = historique(QStringLiteral("Dupont_Marie.txt"),
        {entete(QStringLiteral("Lundi"), QStringLiteral("02/12/2024")),
            ligne_test(enregistrements_tables())});
    EXPECT_EQ(lance({QStringLiteral("-o"), chemin(QStringLiteral("absent/bilan.pdf")), bon}), 1);
    EXPECT_TRUE(m_erreurs.contains(QStringLiteral("n'a pas pu être écrit")));
}

TEST_F(CommandeBilan, arguments_incorrects)
{
    const QString h = historique(QStringLiteral("Dupont_Marie.txt"),
        {entete(QStringLiteral("Lundi"), QStringLiteral("02/12/2024")),
            ligne_test(enregistrements_tables())});
    const QString pdf = chemin(QStringLiteral("bilan.pdf"));
    const QList<std::pair<QStringList, QString>> cas {
        {{QStringLiteral("--dernier-au"), QStringLiteral("01/12/2024"),
             QStringLiteral("--premier-a-partir-du"), QStringLiteral("01/09/2024"), QStringLiteral("-o"), pdf,
             h},
            QStringLiteral("une seule date")},
        {{QStringLiteral("--dernier-au"), QStringLiteral("31/02/2024"), QStringLiteral("-o"), pdf, h},
            QStringLiteral("date invalide : 31/02/2024")},
        {{QStringLiteral("--dernier-au"), QStringLiteral("3/12/2024"), QStringLiteral("-o"), pdf, h},
            QStringLiteral("date invalide")},
        {{h}, QStringLiteral("-o FICHIER.pdf")},
        {{QStringLiteral("-o"), pdf}, QStringLiteral("aucun historique")},
        {{QStringLiteral("--couleur"), QStringLiteral("-o"), pdf, h},
            QStringLiteral("option inconnue : --couleur")},
        {{QStringLiteral("-o"), pdf, h, QStringLiteral("--classe")}, QStringLiteral("attend une valeur")},
        {{QStringLiteral("--temps-acceptable"), QStringLiteral("0"), QStringLiteral("-o"), pdf, h},
            QStringLiteral("temps de réponse acceptable invalide")},
        {{QStringLiteral("-o"), h, h}, QStringLiteral("est un des fichiers lus par la commande")},
    };
    for (const auto& [arguments, message] : cas) {
        EXPECT_EQ(lance(arguments), 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(m_erreurs.contains(message)) << m_erreurs.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pdf));
    // The history given as output is left as it was.
    EXPECT_TRUE(lit_texte(h).value_or(QString()).startsWith(QStringLiteral("Séance du Lundi")));
}

TEST(ProgrammeOutils, aide_en_francais_et_statut_de_sortie)
{
    DossierTest dossier;
    QProcess p;
    p.start(QStringLiteral(PROGRAMME_OUTILS), {QStringLiteral("bilan"), QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(
        QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("Usage : tabrix-outils bilan")));

    p.start(QStringLiteral(PROGRAMME_OUTILS), {QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("Commandes :")));

    const QString pdf = dossier.chemin(QStringLiteral("vide.pdf"));
    p.start(QStringLiteral(PROGRAMME_OUTILS),
        {QStringLiteral("bilan"), QStringLiteral("-o"), pdf, dossier.chemin(QStringLiteral("absent.txt"))});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("aucune page à écrire")));
    EXPECT_FALSE(QFile::exists(pdf));

    p.start(QStringLiteral(PROGRAMME_OUTILS), {QStringLiteral("inventaire")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
}
