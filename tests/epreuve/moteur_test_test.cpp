#include "core/faits.h"
#include "epreuve/moteur_test.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// Drives the engine as the window does, with a clock advanced by hand.
class Passation
{
public:
    explicit Passation(const QStringList& produits, int maximum = 20)
        : moteur(hasard)
    {
        moteur.initialisation_test(produits, maximum, QStringLiteral("10:02:03"), ms);
    }

    int valeur() const
    {
        const QString c = moteur.code_courant();
        return c.left(2).toInt() * c.mid(2, 2).toInt();
    }
    // Types the answer one digit at a time, `delai` ms after the question, then lets the correction run.
    void tape(const QString& reponse, qint64 delai = 1000)
    {
        ms += delai;
        for (int i = 1; i <= reponse.size(); ++i) {
            moteur.saisie_change(reponse.left(i), ms);
            ms += 100;
        }
        ms += MoteurTest::delai_correction_ms;
        moteur.corrige_reponse(ms);
    }
    void juste() { tape(QString::number(valeur())); }
    void faux() { tape(QString::number(valeur() + 1).right(moteur.chiffres_reponse())); }
    QStringList enregistrements() const
    {
        QStringList l;
        for (int i = 0; i + 12 <= moteur.resultats_test().size(); i += 12)
            l.append(moteur.resultats_test().mid(i, 12));
        return l;
    }

    Hasard hasard {42};
    qint64 ms = 5000;
    MoteurTest moteur;
};

QStringList classiques()
{
    return produits_des_tables(QStringLiteral("tables_classiques"));
}

} // namespace

TEST(MoteurTest, un_test_de_64_produits_avec_3_erreurs_pose_67_questions)
{
    Passation p(classiques());
    QSet<QString> faux_premier_passage;
    for (int q = 1; q <= 64; ++q) {
        ASSERT_EQ(p.moteur.phase(), MoteurTest::Phase::question);
        if (q == 5 || q == 30 || q == 64) {
            faux_premier_passage.insert(p.moteur.code_courant());
            p.faux();
        } else {
            p.juste();
        }
    }
    ASSERT_EQ(p.moteur.phase(), MoteurTest::Phase::boite_deuxieme_chance);
    EXPECT_EQ(p.moteur.nombre_erreurs(), 3);
    EXPECT_EQ(p.moteur.libelle_question(), QStringLiteral("     "));
    EXPECT_EQ(p.moteur.texte_deuxieme_chance(),
        QStringLiteral("             Tu as fait 3 erreurs.             \r"
                       "      Je te pose à nouveau les 3 questions.        \r"
                       "                                               \r"
                       "                   PRÊT?                       "));
    // Repeated panels are blue again with their bare caption.
    for (int e = 65; e <= 67; ++e) {
        const PanneauProduit& pan = p.moteur.panneau(p.moteur.file_questions()[e]);
        EXPECT_FALSE(pan.gris);
        EXPECT_TRUE(pan.texte.endsWith(QLatin1Char('=')));
    }
    p.moteur.boite_deuxieme_chance_fermee(p.ms);
    QSet<QString> deuxieme_passage;
    p.moteur.phase();
    deuxieme_passage.insert(p.moteur.code_courant());
    p.faux(); // wrong again: not asked a third time
    deuxieme_passage.insert(p.moteur.code_courant());
    p.juste();
    deuxieme_passage.insert(p.moteur.code_courant());
    p.juste();
    EXPECT_EQ(deuxieme_passage, faux_premier_passage);
    EXPECT_EQ(p.moteur.phase(), MoteurTest::Phase::fini);
    EXPECT_EQ(p.moteur.nb_questions(), 67);
    EXPECT_EQ(p.enregistrements().size(), 67);
}

TEST(MoteurTest, une_seule_erreur_s_annonce_au_singulier)
{
    EXPECT_EQ(MoteurTest::texte_erreurs(1),
        QStringLiteral("             Tu as fait 1 erreur.              \r"
                       "      Je te pose à nouveau la question.        \r"
                       "                                               \r"
                       "                   PRÊT?                       "));
}

TEST(MoteurTest, la_file_contient_une_permutation_des_questions)
{
    Passation p(classiques());
    QVector<int> file = p.moteur.file_questions().mid(1);
    std::sort(file.begin(), file.end());
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(file[i], i + 1);
}

TEST(MoteurTest, toutes_les_tables_fausses_doublent_la_file_sans_debordement)
{
    const QStringList tous = produits_des_tables(QStringLiteral("tables_classiques,tables_etendues"));
    ASSERT_EQ(tous.size(), 173);
    Passation p(tous);
    for (int q = 0; q < 173; ++q)
        p.faux();
    ASSERT_EQ(p.moteur.nombre_erreurs(), 173);
    p.moteur.boite_deuxieme_chance_fermee(p.ms);
    for (int q = 0; q < 173; ++q)
        p.faux();
    EXPECT_EQ(p.moteur.phase(), MoteurTest::Phase::fini);
    EXPECT_EQ(p.enregistrements().size(), 346);
}

TEST(MoteurTest, je_ne_sais_pas_et_temps_depasse_donnent_0000_sans_repetition)
{
    Passation p({QStringLiteral("0709"), QStringLiteral("0203")}, 10);
    const QString premier = p.moteur.code_courant();
    // The button is locked for 900 ms after the question is shown.
    p.ms += 400;
    p.moteur.je_ne_sais_pas(p.ms);
    EXPECT_EQ(p.moteur.resultats_test(), QString());
    p.moteur.je_passe_debloque();
    p.ms += 1850;
    p.moteur.je_ne_sais_pas(p.ms);
    EXPECT_EQ(p.moteur.resultats_test(), QLatin1Char('P') + premier + QStringLiteral("0220000"));
    EXPECT_FALSE(p.moteur.je_passe_actif());
    EXPECT_EQ(p.moteur.timer_je_passe().intervalle_ms, 900);

    const QString second = p.moteur.code_courant();
    p.moteur.temps_depasse();
    EXPECT_EQ(p.moteur.phase(), MoteurTest::Phase::boite_trop_long);
    EXPECT_TRUE(p.moteur.resultats_test().endsWith(QLatin1Char('P') + second + QStringLiteral("1000000")));
    EXPECT_TRUE(p.moteur.panneau(p.moteur.question_courante()).gris);
    EXPECT_FALSE(p.moteur.trop_long_devient_deuxieme_chance());
    p.moteur.boite_trop_long_fermee(p.ms);
    EXPECT_EQ(p.moteur.phase(), MoteurTest::Phase::fini);
    EXPECT_EQ(p.moteur.nb_questions(), 2);
}

TEST(MoteurTest, temps_depasse_sur_la_derniere_question_ouvre_la_deuxieme_chance)
{
    Passation p({QStringLiteral("0709"), QStringLiteral("0203"), QStringLiteral("0405")});
    p.faux();
    p.juste();
    p.moteur.temps_depasse();
    ASSERT_TRUE(p.moteur.trop_long_devient_deuxieme_chance());
    EXPECT_EQ(p.moteur.phase(), MoteurTest::Phase::boite_deuxieme_chance);
    EXPECT_EQ(p.moteur.nombre_erreurs(), 1);
    p.moteur.boite_deuxieme_chance_fermee(p.ms);
    EXPECT_EQ(p.moteur.phase(), MoteurTest::Phase::question);
    EXPECT_EQ(p.moteur.num_question(), 4);
}

TEST(MoteurTest, le_temps_de_reponse_se_mesure_au_premier_chiffre_arrondi_au_pair)
{
    EXPECT_EQ(dixiemes(4250), 42);
    EXPECT_EQ(dixiemes(4350), 44);
    EXPECT_EQ(dixiemes(50), 0);
    EXPECT_EQ(dixiemes(4251), 43);
    EXPECT_EQ(dixiemes(-30), 0);
    EXPECT_EQ(dixiemes(250000), 999);

    Passation p({QStringLiteral("0709")});
    p.ms += 4250;
    p.moteur.saisie_change(QStringLiteral("6"), p.ms);
    p.ms += 2000; // the second digit does not count
    p.moteur.saisie_change(QStringLiteral("63"), p.ms);
    EXPECT_TRUE(p.moteur.affiche().active);
    EXPECT_FALSE(p.moteur.je_passe_actif());
    p.moteur.corrige_reponse(p.ms + 300);
    EXPECT_EQ(p.moteur.resultats_test(), QStringLiteral("P07090420063"));
}

TEST(MoteurTest, effacer_puis_retaper_mesure_au_nouveau_premier_chiffre)
{
    Passation p({QStringLiteral("0708")});
    p.ms += 1000;
    p.moteur.saisie_change(QStringLiteral("5"), p.ms);
    p.ms += 2000;
    p.moteur.efface(p.ms);
    EXPECT_EQ(p.moteur.reponse(), QString());
    p.ms += 1000;
    p.moteur.saisie_change(QStringLiteral("5"), p.ms);
    p.moteur.saisie_change(QStringLiteral("56"), p.ms + 200);
    p.moteur.corrige_reponse(p.ms + 500);
    EXPECT_EQ(p.moteur.resultats_test(), QStringLiteral("P07080400056"));
}

TEST(MoteurTest, effacer_pendant_le_delai_de_correction_annule_la_correction)
{
    Passation p({QStringLiteral("0708"), QStringLiteral("0203")});
    p.ms += 1000;
    p.moteur.saisie_change(QStringLiteral("5"), p.ms);
    p.moteur.saisie_change(QStringLiteral("57"), p.ms);
    p.moteur.efface(p.ms);
    EXPECT_FALSE(p.moteur.affiche().active);
    p.moteur.corrige_reponse(p.ms + 300); // a stale timer does nothing
    EXPECT_EQ(p.moteur.resultats_test(), QString());
    EXPECT_EQ(p.moteur.num_question(), 1);
}

TEST(MoteurTest, un_chiffre_tape_dans_la_derniere_seconde_arrete_la_limite)
{
    Passation p({QStringLiteral("0709")}, 10);
    p.ms += 9200;
    p.moteur.saisie_change(QStringLiteral("6"), p.ms);
    EXPECT_FALSE(p.moteur.chrono().active);
    EXPECT_FALSE(p.moteur.compteur_timer().active);

    Passation q({QStringLiteral("0709")}, 10);
    q.ms += 8900;
    q.moteur.saisie_change(QStringLiteral("6"), q.ms);
    EXPECT_TRUE(q.moteur.chrono().active);
}

// The last digit typed 200 ms before a 10 s limit: the answer is corrected, never taken for a time-out.
TEST(MoteurTest, une_reponse_complete_juste_avant_la_limite_est_corrigee)
{
    Passation p({QStringLiteral("0709")}, 10);
    p.ms += 8500;
    p.moteur.saisie_change(QStringLiteral("6"), p.ms);
    ASSERT_TRUE(p.moteur.chrono().active);
    p.ms += 1300;
    p.moteur.saisie_change(QStringLiteral("63"), p.ms);
    EXPECT_FALSE(p.moteur.chrono().active);
    EXPECT_TRUE(p.moteur.affiche().active);
    p.moteur.corrige_reponse(p.ms + MoteurTest::delai_correction_ms);
    EXPECT_EQ(p.moteur.resultats_test(), QStringLiteral("P07090850063"));

    // A digit taken back runs against what is left of the limit, whether deleted or cleared.
    for (const bool par_effacer : {false, true}) {
        SCOPED_TRACE(par_effacer);
        Passation q({QStringLiteral("0709"), QStringLiteral("0809")}, 10);
        q.ms += 3000;
        q.moteur.saisie_change(QStringLiteral("6"), q.ms);
        q.moteur.saisie_change(QStringLiteral("62"), q.ms + 500);
        ASSERT_FALSE(q.moteur.chrono().active);
        if (par_effacer)
            q.moteur.efface(q.ms + 1000);
        else
            q.moteur.saisie_change(QStringLiteral("6"), q.ms + 1000);
        EXPECT_TRUE(q.moteur.chrono().active);
        EXPECT_EQ(q.moteur.chrono().intervalle_ms, 6000);
    }
}

TEST(MoteurTest, le_temps_maximum_reste_entre_1_et_99_secondes)
{
    EXPECT_EQ(MoteurTest::borne_temps_maximum(0), 1);
    EXPECT_EQ(MoteurTest::borne_temps_maximum(-1), 1);
    EXPECT_EQ(MoteurTest::borne_temps_maximum(99), 99);
    EXPECT_EQ(MoteurTest::borne_temps_maximum(150), 99);
    Passation p({QStringLiteral("0709")}, 100);
    EXPECT_EQ(p.moteur.chrono().intervalle_ms, 99000);
    p.moteur.temps_depasse();
    EXPECT_EQ(p.moteur.resultats_test(), QStringLiteral("P07099900000"));
}

TEST(MoteurTest, la_ligne_de_seance_a_un_entete_de_29_caracteres)
{
    Passation p({QStringLiteral("0709")});
    p.juste();
    const QString ligne = p.moteur.termine(QStringLiteral("10:12:00"));
    EXPECT_TRUE(ligne.startsWith(QStringLiteral("\tTEST de 10:02:03 à 10:12:00 ")));
    EXPECT_EQ(ligne.at(1), QLatin1Char('T'));
    EXPECT_EQ(ligne.mid(29), p.moteur.resultats_test());
    EXPECT_EQ(ligne.mid(29, 5), QStringLiteral("P0709"));
}

TEST(MoteurTest, le_champ_a_autant_de_positions_que_de_chiffres_du_produit)
{
    Passation p({QStringLiteral("0203")});
    EXPECT_EQ(p.moteur.chiffres_reponse(), 1);
    Passation q({QStringLiteral("1212")});
    EXPECT_EQ(q.moteur.chiffres_reponse(), 3);
    EXPECT_EQ(q.moteur.libelle_question(), QStringLiteral(" 12×12? "));
}

TEST(MoteurTest, recommencer_est_offert_de_la_question_4_a_la_question_41)
{
    Passation p(classiques());
    for (int q = 1; q <= 64; ++q) {
        EXPECT_EQ(p.moteur.recommencer_visible(), q >= 4 && q <= 41) << q;
        p.juste();
    }
    EXPECT_FALSE(p.moteur.recommencer_visible());
}

TEST(MoteurTest, recommencer_repart_de_zero)
{
    Passation p(classiques());
    p.faux();
    p.juste();
    p.moteur.initialisation_test(classiques(), 20, QStringLiteral("10:05:00"), p.ms);
    EXPECT_EQ(p.moteur.resultats_test(), QString());
    EXPECT_EQ(p.moteur.num_question(), 1);
    EXPECT_EQ(p.moteur.nb_questions(), 64);
    EXPECT_EQ(p.moteur.heure_debut(), QStringLiteral("10:05:00"));
    for (int i = 1; i <= 64; ++i)
        EXPECT_FALSE(p.moteur.panneau(i).gris);
}

TEST(MoteurTest, le_compteur_annonce_10_puis_20_secondes)
{
    Passation p({QStringLiteral("0709")});
    for (int s = 1; s <= 9; ++s)
        p.moteur.seconde_ecoulee();
    EXPECT_FALSE(p.moteur.label_temps_visible());
    p.moteur.seconde_ecoulee();
    EXPECT_TRUE(p.moteur.label_temps_visible());
    EXPECT_EQ(p.moteur.label_temps(), QStringLiteral("10 secondes"));
    EXPECT_TRUE(p.moteur.timer_label_temps().active);
    p.moteur.label_temps_expire();
    EXPECT_FALSE(p.moteur.label_temps_visible());
    for (int s = 11; s <= 20; ++s)
        p.moteur.seconde_ecoulee();
    EXPECT_EQ(p.moteur.label_temps(), QStringLiteral("20 secondes"));
    EXPECT_EQ(p.moteur.compteur(), 20);
}

TEST(MoteurTest, une_reponse_corrigee_s_ecrit_dans_son_panneau)
{
    Passation p({QStringLiteral("0609")});
    EXPECT_EQ(p.moteur.panneau(1).texte, QStringLiteral("6×9="));
    p.tape(QStringLiteral("54"));
    EXPECT_EQ(p.moteur.panneau(1).texte, QStringLiteral("6×9=54"));
    EXPECT_TRUE(p.moteur.panneau(1).gris);
}
