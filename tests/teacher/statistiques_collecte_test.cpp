#include "storage/fichier_texte.h"
#include "storage/historique_exemples.h"
#include "storage/historique_lignes.h"
#include "support/dossier_test.h"
#include "teacher/statistiques_collecte.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A school year with classes 61 (Alain tested twice, Brice tested, Chloé without a history, Durand
// unreadable) and 62 (Emile, never tested).
class Collecte_ : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(d.cree(QStringLiteral("ecole/2024-2025/61")));
        ASSERT_TRUE(d.cree(QStringLiteral("ecole/2024-2025/62")));
        eleve(QStringLiteral("61"), QStringLiteral("Alain_Paul"),
            {seance(QStringLiteral("02/09/2024"), QStringLiteral("P02020200004")),
                seance(QStringLiteral("10/10/2024"), QStringLiteral("P06090300056"))});
        eleve(QStringLiteral("61"), QStringLiteral("Brice_Jo"),
            {seance(QStringLiteral("03/09/2024"), QStringLiteral("P06090300048"))});
        eleve(QStringLiteral("61"), QStringLiteral("Chloé_Zoé"));
        eleve(QStringLiteral("62"), QStringLiteral("Emile_Léo"),
            {{ligne_entete_seance(QStringLiteral("Lundi"), QStringLiteral("02/09/2024"),
                QStringLiteral("10:00:00"), QStringLiteral("10:10:00"), QStringLiteral("PC"))}});
        eleve(QStringLiteral("61"), QStringLiteral("Durand_Léa"));
        // A history that exists but cannot be read as a file.
        ASSERT_TRUE(d.cree(QStringLiteral("ecole/Durand_Léa.txt")));
    }
    static QStringList seance(const QString& date, const QString& enregistrements)
    {
        return {ligne_entete_seance(QStringLiteral("Lundi"), date, QStringLiteral("10:00:00"),
                    QStringLiteral("10:10:00"), QStringLiteral("PC")),
            ligne_test(QStringLiteral("10:01:00"), QStringLiteral("10:05:00"), enregistrements)};
    }
    void eleve(const QString& classe, const QString& nom, const QList<QStringList>& seances = {})
    {
        ASSERT_TRUE(ecrit_lignes(d.chemin(QStringLiteral("ecole/2024-2025/%1/%2.lnk").arg(classe, nom)),
            {d.chemin(QStringLiteral("ecole/%1.txt").arg(nom))}));
        if (seances.isEmpty())
            return;
        QStringList lignes;
        for (const QStringList& s : seances)
            lignes << s;
        ASSERT_TRUE(ecrit_lignes(d.chemin(QStringLiteral("ecole/%1.txt").arg(nom)), lignes));
    }
    Collecte collecte(const QStringList& classes, ModeChoixTest mode, const QString& date) const
    {
        QVector<ClasseChoisie> choisies;
        for (const QString& c : classes)
            choisies.append({d.chemin(QStringLiteral("ecole/2024-2025/") + c), QStringLiteral("table_2")});
        return collecte_reponses(choisies, d.chemin(QStringLiteral("ecole")), {mode, date, false});
    }

    DossierTest d;
};

} // namespace

TEST_F(Collecte_, un_test_par_eleve_teste_et_tous_les_eleves_dans_N)
{
    const struct
    {
        QStringList classes;
        ModeChoixTest mode;
        QString date;
        QStringList reponses;
        int N;
    } cas[] = {
        {{QStringLiteral("61"), QStringLiteral("62")}, ModeChoixTest::dernier, QStringLiteral("31/12/2024"),
            {QStringLiteral("P06090300056"), QStringLiteral("P06090300048")}, 5},
        {{QStringLiteral("61")}, ModeChoixTest::premier, QStringLiteral("01/09/2024"),
            {QStringLiteral("P02020200004"), QStringLiteral("P06090300048")}, 4},
        {{QStringLiteral("62")}, ModeChoixTest::dernier, QStringLiteral("31/12/2024"), {}, 1},
        {{}, ModeChoixTest::dernier, QStringLiteral("31/12/2024"), {}, 0},
    };
    for (const auto& x : cas) {
        const Collecte c = collecte(x.classes, x.mode, x.date);
        EXPECT_EQ(c.reponses, x.reponses) << x.classes.join(u',').toStdString();
        EXPECT_EQ(c.nombre_eleves, x.N) << x.classes.join(u',').toStdString();
    }
}

TEST_F(Collecte_, un_historique_illisible_est_nomme_une_fois)
{
    // The same class ticked twice still names the unreadable history once.
    const Collecte c = collecte(
        {QStringLiteral("61"), QStringLiteral("61")}, ModeChoixTest::dernier, QStringLiteral("31/12/2024"));
    EXPECT_EQ(c.illisibles, QStringList {d.chemin(QStringLiteral("ecole/Durand_Léa.txt"))});
}
