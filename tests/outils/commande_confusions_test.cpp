#include "outils/commande_confusions.h"
#include "storage/fichier_texte.h"
#include "storage/historique_exemples.h"
#include "support/dossier_test.h"

#include <gtest/gtest.h>

namespace {

// Class 61: 25 pupils, 5 answered 6 × 9 with 56 and 2 did not answer it; class 62: 5 pupils never tested,
// one of them with an unreadable history.
class CommandeConfusions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 25; ++i) {
            const int reponse = i < 5 ? 56 : (i < 7 ? 0 : 54);
            eleve(QStringLiteral("61"), QStringLiteral("Eleve_%1").arg(i),
                enregistrement_reponse(QStringLiteral("0609"), 30, reponse)
                    + enregistrement_reponse(QStringLiteral("0708"), 25, i < 3 ? 54 : 56));
        }
        for (int i = 0; i < 5; ++i)
            eleve(QStringLiteral("62"), QStringLiteral("Absent_%1").arg(i), {});
        // One of them has a history that cannot be read as a file.
        ASSERT_TRUE(d.cree(QStringLiteral("Valbrume/Absent_0.txt")));
    }
    void eleve(const QString& classe, const QString& nom, const QString& enregistrements)
    {
        const QString historique = d.chemin(QStringLiteral("Valbrume/") + nom + QStringLiteral(".txt"));
        ASSERT_TRUE(d.cree(QStringLiteral("Valbrume/2024-2025/") + classe));
        ASSERT_TRUE(ecrit_lignes(
            d.chemin(QStringLiteral("Valbrume/2024-2025/%1/%2.lnk").arg(classe, nom)), {historique}));
        if (enregistrements.isEmpty())
            return;
        ASSERT_TRUE(ecrit_lignes(historique,
            {ligne_entete_seance(QStringLiteral("Lundi"), QStringLiteral("02/12/2024"),
                 QStringLiteral("10:00:00"), QStringLiteral("10:10:00"), QStringLiteral("PC")),
                ligne_test(QStringLiteral("10:01:00"), QStringLiteral("10:05:00"), enregistrements)}));
    }
    int lance(QStringList arguments)
    {
        m_sortie.clear();
        m_erreurs.clear();
        QTextStream sortie(&m_sortie);
        QTextStream erreurs(&m_erreurs);
        arguments.prepend(d.chemin(QStringLiteral("Valbrume/2024-2025")));
        arguments.prepend(QStringLiteral("--annee"));
        return commande_confusions(arguments, sortie, erreurs, m_horloge);
    }
    // The text of cell a × b in the printed grid.
    QString case_texte(int a, int b) const
    {
        const QStringList lignes = m_sortie.split(u'\n');
        const qsizetype entete
            = lignes.indexOf(QStringLiteral("     2×     3×     4×     5×     6×     7×     8×     9×"));
        return entete < 0 ? QString() : lignes.at(entete + b - 1).mid((a - 2) * 7, 7).trimmed();
    }

    DossierTest d;
    HorlogeManuelle m_horloge {QDateTime(QDate(2024, 12, 3), QTime(18, 0))};
    QString m_sortie;
    QString m_erreurs;
};

} // namespace

TEST_F(CommandeConfusions, grille_et_confusions_comme_la_fenetre)
{
    const struct
    {
        QStringList arguments;
        QString case_6x9;
        QString premiere_confusion; // none: no confusion at all
    } cas[] = {
        {{QStringLiteral("--classe"), QStringLiteral("61")}, QStringLiteral("28.0"),
            QStringLiteral("6×9=56....5 fois")},
        // Untested pupils of 62 lower the share.
        {{}, QStringLiteral("23.3"), QStringLiteral("6×9=56....5 fois")},
        // No test holds every product of the table of 2: all hidden.
        {{QStringLiteral("--classe"), QStringLiteral("61"), QStringLiteral("--masquer-incomplets"),
             QStringLiteral("--objectifs"), QStringLiteral("table_2")},
            QStringLiteral("0.0"), QString()},
        // Tested on 02/12 only: from 03/12 nobody is tested.
        {{QStringLiteral("--classe"), QStringLiteral("61"), QStringLiteral("--premier-a-partir-du"),
             QStringLiteral("03/12/2024")},
            QStringLiteral("0.0"), QString()},
        {{QStringLiteral("--classe"), QStringLiteral("61"), QStringLiteral("--mode"),
             QStringLiteral("nombre"), QStringLiteral("--tri"), QStringLiteral("produit")},
            QStringLiteral("7"), QStringLiteral("6×9=56....5 fois")},
        {{QStringLiteral("--mode"), QStringLiteral("temps"), QStringLiteral("--categories"),
             QStringLiteral("rapides,lentes")},
            QStringLiteral("3.0"), QStringLiteral("6×9=56....5 fois")},
    };
    for (const auto& x : cas) {
        ASSERT_EQ(lance(x.arguments), 0) << m_erreurs.toStdString();
        EXPECT_EQ(case_texte(6, 9), x.case_6x9) << m_sortie.toStdString();
        EXPECT_TRUE(m_sortie.contains(u'\n' + x.premiere_confusion + u'\n')) << m_sortie.toStdString();
        EXPECT_TRUE(
            m_sortie.contains(x.premiere_confusion.isEmpty() ? QStringLiteral("\n0 confusions différentes")
                                                             : QStringLiteral("\n2 confusions différentes")));
    }
    // The unreadable history is named once, and its pupil is counted untested.
    lance({});
    EXPECT_EQ(m_erreurs.count(QStringLiteral("historique illisible")), 1);
    EXPECT_TRUE(m_erreurs.contains(QStringLiteral("Absent_0.txt")));
    EXPECT_TRUE(m_sortie.contains(QStringLiteral("30 élèves au total, 25 testés")));
}

TEST_F(CommandeConfusions, csv_dans_un_fichier)
{
    const QString csv = d.chemin(QStringLiteral("stats.csv"));
    ASSERT_EQ(lance({QStringLiteral("--classe"), QStringLiteral("61"), QStringLiteral("--csv"),
                  QStringLiteral("-o"), csv}),
        0);
    const QStringList lignes = lit_lignes(csv).value();
    EXPECT_EQ(lignes.at(1 + 39), QStringLiteral("6×9;18;0;5;2;3,0;;3,0;3,0;28,0;orange"));
    EXPECT_EQ(lignes.mid(lignes.size() - 2),
        (QStringList {QStringLiteral("6×9=56;5"), QStringLiteral("7×8=54;3")}));
}

TEST_F(CommandeConfusions, arguments_refuses_et_classes_vides)
{
    const struct
    {
        QStringList arguments;
        int code;
        QString message;
    } cas[] = {
        {{QStringLiteral("--classe"), QStringLiteral("63")}, 2, QStringLiteral("classe introuvable")},
        {{QStringLiteral("--mode"), QStringLiteral("vite")}, 2,
            QStringLiteral("valeur invalide pour --mode")},
        {{QStringLiteral("--categories"), QStringLiteral("justes")}, 2, QStringLiteral("catégorie inconnue")},
        {{QStringLiteral("--dernier-au"), QStringLiteral("31/02/2024")}, 2, QStringLiteral("date invalide")},
        {{QStringLiteral("--tri")}, 2, QStringLiteral("attend une valeur")},
        {{QStringLiteral("-o"), d.chemin(QStringLiteral("Valbrume"))}, 2, QStringLiteral("est un dossier")},
    };
    for (const auto& x : cas) {
        EXPECT_EQ(lance(x.arguments), x.code) << x.message.toStdString();
        EXPECT_TRUE(m_erreurs.contains(x.message)) << m_erreurs.toStdString();
    }
    ASSERT_TRUE(d.cree(QStringLiteral("Valbrume/2024-2025/63")));
    EXPECT_EQ(lance({QStringLiteral("--classe"), QStringLiteral("63")}), 1);
    EXPECT_EQ(lance({QStringLiteral("--aide")}), 0);
    EXPECT_TRUE(m_sortie.startsWith(QStringLiteral("Usage : tabrix-outils confusions")));
}
