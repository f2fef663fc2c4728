#include "storage/historique_exemples.h"
#include "storage/historique_lecture.h"
#include "storage/historique_lignes.h"

#include <gtest/gtest.h>

namespace {

const QString classiques = QStringLiteral("tables_classiques");

QString entete(const QString& cle, const QString& debut = QStringLiteral("14:02:10"))
{
    const QString jour = cle.section(QLatin1Char(' '), 0, 0);
    const QString date = cle.section(QLatin1Char(' '), 1, 1);
    return ligne_entete_seance(jour, date, debut, QStringLiteral("15:00:00"), QStringLiteral("PC"));
}

QString test(const QString& enregistrements)
{
    return ligne_test(QStringLiteral("14:03:02"), QStringLiteral("14:06:40"), enregistrements);
}

} // namespace

TEST(Lignes, les_quatre_formes_de_ligne_et_le_prefixe_de_29_caracteres)
{
    EXPECT_EQ(ligne_entete_seance(QStringLiteral("Mardi"), QStringLiteral("03/12/2024"),
                  QStringLiteral("14:02:10"), QStringLiteral("14:20:47"), QStringLiteral("SALLE-3")),
        QStringLiteral("Séance du Mardi 03/12/2024 de 14:02:10 à 14:20:47 sur le poste \"SALLE-3\""));
    const QString t
        = ligne_test(QStringLiteral("14:03:02"), QStringLiteral("14:06:40"), QStringLiteral("P0709030063"));
    EXPECT_EQ(t, QStringLiteral("\tTEST de 14:03:02 à 14:06:40 P0709030063"));
    EXPECT_EQ(t.indexOf(QLatin1Char('P')), longueur_prefixe_test);
    EXPECT_EQ(enregistrements_de_ligne(t), QStringLiteral("P0709030063"));
    // A malformed time must not shift the records.
    EXPECT_EQ(
        ligne_test(QStringLiteral("9:3:2"), QStringLiteral("14:06:40:99"), QStringLiteral("P")).indexOf('P'),
        longueur_prefixe_test);
    EXPECT_EQ(ligne_apprentissage(QStringLiteral("14:07:01"), QStringLiteral("14:19:58"), 84),
        QStringLiteral("\tAPPRENTISSAGE de 14:07:01 à 14:19:58: 84 répétitions"));
    EXPECT_EQ(ligne_perfectionnement(QStringLiteral("14:07:01"), QStringLiteral("14:19:58"),
                  QStringLiteral("pas facile du tout")),
        QStringLiteral("\tPERFECTIONNEMENT de 14:07:01 à 14:19:58: pas facile du tout"));
}

TEST(Lignes, un_enregistrement_garde_ses_douze_caracteres_quand_les_valeurs_debordent)
{
    EXPECT_EQ(enregistrement_reponse(QStringLiteral("0709"), 42, 63), QStringLiteral("P07090420063"));
    EXPECT_EQ(enregistrement_reponse(QStringLiteral("0709"), 1500, 123456), QStringLiteral("P07099999999"));
    EXPECT_EQ(enregistrement_reponse(QStringLiteral("0709"), -3, 0), QStringLiteral("P07090000000"));
}

TEST(Lignes, la_cle_d_une_entete_va_du_nom_du_jour_a_l_annee)
{
    EXPECT_EQ(cle_date_entete(entete(QStringLiteral("Mercredi 04/12/2024"))),
        QStringLiteral("Mercredi 04/12/2024"));
    EXPECT_EQ(cle_date_entete(QStringLiteral("Séance du /")), QStringLiteral("/"));
    EXPECT_EQ(cle_date_entete(QStringLiteral("/")), QString());
}

TEST(Lecture, deux_seances_le_meme_jour_masquer_oui_retient_le_test_complet)
{
    const QString incomplet = reponses_justes(QStringLiteral("table_2"));
    const QString complet = reponses_justes(classiques, 60); // slow: 50 per product
    const QStringList h {entete(QStringLiteral("Mardi 03/12/2024")), test(incomplet),
        entete(QStringLiteral("Mardi 03/12/2024"), QStringLiteral("16:00:00")), test(complet)};

    const auto oui = recupere_donnees(h, classiques, true, 4, QStringLiteral("Jeudi 05/12/2024"));
    ASSERT_EQ(oui.jours_tests.size(), 1);
    EXPECT_EQ(oui.jours_tests[0].cle, QStringLiteral("Mardi 03/12/2024"));
    EXPECT_EQ(oui.jours_tests[0].pourcentage, 50);
    EXPECT_EQ(oui.lignes_tests_retenues, QStringList {h[3]});
    EXPECT_EQ(oui.dernier_test, complet);

    const auto non = recupere_donnees(h, classiques, false, 4, QStringLiteral("Jeudi 05/12/2024"));
    ASSERT_EQ(non.jours_tests.size(), 1);
    EXPECT_EQ(non.jours_tests[0].pourcentage, 12); // 8 of 64 products at 100
    EXPECT_EQ(non.dernier_test, incomplet);
}

TEST(Lecture, un_jour_par_point_le_dernier_test_et_la_seance_du_jour)
{
    const QString t1 = reponses_justes(classiques);
    const QString t3 = reponses_justes(QStringLiteral("table_3"));
    const QStringList h {entete(QStringLiteral("Lundi 02/12/2024")), test(t1),
        ligne_apprentissage(QStringLiteral("14:07:01"), QStringLiteral("14:19:58"), 12),
        entete(QStringLiteral("Mardi 03/12/2024")),
        ligne_apprentissage(QStringLiteral("14:07:01"), QStringLiteral("14:19:58"), 12),
        entete(QStringLiteral("Mercredi 04/12/2024")), test(t3)};
    const auto d = recupere_donnees(h, classiques, false, 4, QStringLiteral("Mercredi 04/12/2024"));
    ASSERT_EQ(d.jours_tests.size(), 2);
    EXPECT_EQ(d.jours_tests[0].cle, QStringLiteral("Lundi 02/12/2024"));
    EXPECT_EQ(d.jours_tests[0].pourcentage, 100);
    EXPECT_EQ(d.jours_tests[1].cle, QStringLiteral("Mercredi 04/12/2024"));
    EXPECT_EQ(d.jours_tests[1].pourcentage, 12);
    EXPECT_EQ(d.dernier_test, t3);
    EXPECT_TRUE(d.seance_deja_aujourdhui);
    EXPECT_FALSE(
        recupere_donnees(h, classiques, false, 4, QStringLiteral("Jeudi 05/12/2024")).seance_deja_aujourdhui);
}

TEST(Lecture, un_test_sans_produit_des_objectifs_vaut_moins_un)
{
    const QStringList h {
        entete(QStringLiteral("Lundi 02/12/2024")), test(reponses_justes(QStringLiteral("table_carres")))};
    const auto d = recupere_donnees(h, classiques, false, 4, {});
    ASSERT_EQ(d.jours_tests.size(), 1);
    EXPECT_EQ(d.jours_tests[0].pourcentage, -1);
}

TEST(Lecture, plus_de_mille_jours_sont_tous_gardes)
{
    const auto d = recupere_donnees(historique_long(1500), classiques, true, 4, {});
    EXPECT_EQ(d.jours_tests.size(), 1500);
    EXPECT_EQ(d.lignes_tests_retenues.size(), 1500);
    EXPECT_EQ(d.jours_tests.last().pourcentage, 100);
}

TEST(Lecture, les_lignes_abimees_sont_lues_sans_erreur_et_ignorees)
{
    const QStringList h {
        QStringLiteral("\xEF\xBB\xBF n'importe quoi"),
        QStringLiteral("\tTEST avant toute entête"),
        entete(QStringLiteral("Lundi 02/12/2024"))
            .replace(QStringLiteral("\"PC\""), QStringLiteral("\"SALLE-TEST\"")),
        QStringLiteral("\tTEST de 14"), // shorter than 29 characters
        test(reponses_justes(classiques) + QStringLiteral("P07")), // run not a multiple of 12
        QStringLiteral("Séance du /"), // "/" where no date fits
        QStringLiteral("\tTEST de 14:03:02 à 14:06:40 P0202"),
        QString(),
    };
    const auto d = recupere_donnees(h, classiques, false, 4, {});
    ASSERT_EQ(d.jours_tests.size(), 2);
    // The header naming a "SALLE-TEST" computer is not a test: the short line is the day's first test.
    EXPECT_EQ(d.lignes_tests_retenues[0], h[3]);
    EXPECT_EQ(d.jours_tests[0].pourcentage, -1);
    EXPECT_EQ(d.jours_tests[1].cle, QStringLiteral("/"));

    const auto masque = recupere_donnees(h, classiques, true, 4, {});
    ASSERT_EQ(masque.jours_tests.size(), 1);
    EXPECT_EQ(masque.jours_tests[0].pourcentage, 100);
}

TEST(Lecture, l_etat_de_l_eleve_est_rempli_et_remis_a_zero)
{
    EtatEleve e;
    e.objectifs = classiques;
    e.dernier_test = QStringLiteral("ancien");
    e.historique = {entete(QStringLiteral("Lundi 02/12/2024")), test(reponses_justes(classiques))};
    Reglages r;
    recupere_donnees(e, r, QStringLiteral("Lundi 02/12/2024"));
    EXPECT_EQ(e.jours_tests.size(), 1);
    EXPECT_EQ(e.lignes_tests_retenues.size(), 1);
    EXPECT_EQ(e.dernier_test, reponses_justes(classiques));
    EXPECT_TRUE(e.seance_deja_aujourdhui);

    e.historique = {entete(QStringLiteral("Lundi 02/12/2024"))};
    recupere_donnees(e, r, QStringLiteral("Mardi 03/12/2024"));
    EXPECT_TRUE(e.jours_tests.isEmpty());
    EXPECT_TRUE(e.dernier_test.isEmpty());
    EXPECT_FALSE(e.seance_deja_aujourdhui);
}

TEST(Lecture, masquer_les_incomplets_suit_exactement_test_complet)
{
    const QString complet = reponses_justes(classiques);
    const QString sans_dernier = complet.left(complet.size() - 12);
    const QStringList runs {complet, sans_dernier, sans_dernier + complet.right(12).left(7),
        sans_dernier.mid(12) + complet.left(12) + complet.right(12), complet + QStringLiteral("P07"),
        QString()};
    for (const QString& objectifs : {classiques, QStringLiteral("table_9,table_2"), QString()}) {
        for (const QString& run : runs) {
            const auto d = recupere_donnees(
                {entete(QStringLiteral("Lundi 02/12/2024")), test(run)}, objectifs, true, 4, {});
            EXPECT_EQ(d.jours_tests.size() == 1, test_complet(run, objectifs))
                << qPrintable(objectifs) << " " << run.size();
        }
    }
}
