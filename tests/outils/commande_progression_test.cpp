#include "outils/commande_progression.h"
#include "support/dossier_test.h"
#include "teacher/ecole_suivi.h"

#include <gtest/gtest.h>

using namespace ecole_suivi;

namespace {

class CommandeProgression : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ajoute(eleves(), QStringLiteral("61"), QStringLiteral("Dupont_Marie"),
            un_test(QStringLiteral("Mardi"), QStringLiteral("03/09/2024"), 32));
        ajoute(eleves(), QStringLiteral("62"), QStringLiteral("Petit_Zoé"),
            un_test(QStringLiteral("Mardi"), QStringLiteral("17/09/2024"), 64));
    }
    QString eleves() const { return m_dossier.chemin(QStringLiteral("Eleves")); }
    QString etab() const { return eleves() + QLatin1Char('/') + etablissement; }
    int lance(const QStringList& arguments)
    {
        m_sortie.clear();
        m_erreurs.clear();
        QTextStream sortie(&m_sortie), erreurs(&m_erreurs);
        return commande_progression(arguments, sortie, erreurs, m_horloge,
            [this](const DonneesProgression& d, const QString& chemin) {
                m_dessinees << d.courbes.size();
                return chemin.endsWith(QLatin1String("refus.png")) ? QStringLiteral("disque plein")
                                                                   : QString();
            });
    }

    DossierTest m_dossier;
    HorlogeManuelle m_horloge {QDateTime(QDate(2024, 12, 7), QTime(10, 15, 0))};
    QString m_sortie, m_erreurs;
    QList<qsizetype> m_dessinees;
};

} // namespace

TEST_F(CommandeProgression, texte_csv_et_image_des_classes_de_l_annee_en_cours)
{
    ASSERT_EQ(lance({etab()}), 0) << m_erreurs.toStdString();
    QStringList lignes = decoupe_lignes(m_sortie);
    ASSERT_EQ(lignes.size(), 1 + 53);
    EXPECT_EQ(lignes[0], QStringLiteral("semaine du\t61\t62"));
    EXPECT_EQ(lignes[1], QStringLiteral("26/08/2024\t-\t-"));
    EXPECT_EQ(lignes[2], QStringLiteral("02/09/2024\t50\t-"));
    EXPECT_EQ(lignes[4], QStringLiteral("16/09/2024\t-\t100"));

    ASSERT_EQ(lance({QStringLiteral("--csv"), QStringLiteral("--classes"), QStringLiteral("62"),
                  QStringLiteral("--png"), m_dossier.chemin(QStringLiteral("p.png")), etab()}),
        0);
    lignes = decoupe_lignes(m_sortie);
    EXPECT_EQ(lignes[0], QStringLiteral("semaine du;62"));
    EXPECT_EQ(lignes[4], QStringLiteral("16/09/2024;100"));
    EXPECT_EQ(m_dessinees, (QList<qsizetype> {1}));

    EXPECT_EQ(lance({QStringLiteral("--png"), m_dossier.chemin(QStringLiteral("refus.png")), etab()}), 1);
    EXPECT_TRUE(m_erreurs.contains(QStringLiteral("disque plein")));
    // Another year: every week empty.
    ASSERT_EQ(lance({QStringLiteral("--annee"), QStringLiteral("2023-2024"), etab()}), 0);
    EXPECT_FALSE(m_sortie.contains(QStringLiteral("50")));
}

TEST_F(CommandeProgression, arguments_refuses_avec_un_message_en_francais)
{
    const struct
    {
        QStringList arguments;
        const char* message;
    } cas[] = {
        {{}, "le dossier de l'établissement manque"},
        {{QStringLiteral("--annee"), QStringLiteral("2024"), QStringLiteral("x")},
            "année scolaire invalide : 2024"},
        {{QStringLiteral("/nulle/part")}, "n'existe pas"},
        {{QStringLiteral("--vite"), QStringLiteral("x")}, "option inconnue : --vite"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(lance(c.arguments), 2) << c.message;
        EXPECT_TRUE(m_erreurs.contains(QString::fromUtf8(c.message))) << m_erreurs.toStdString();
    }
    // A history written over the PNG is refused before anything is read.
    EXPECT_EQ(lance({QStringLiteral("--png"), etab() + QStringLiteral("/Dupont_Marie.txt"), etab()}), 2);
}
