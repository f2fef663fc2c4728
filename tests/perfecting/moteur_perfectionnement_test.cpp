#include "core/faits.h"
#include "perfecting/moteur_perfectionnement.h"

#include <gtest/gtest.h>

namespace {

using Phase = MoteurPerfectionnement::Phase;
using Niveau = NiveauPerfectionnement;

// Drives the engine as the window does, with a clock advanced by hand.
class Seance
{
public:
    explicit Seance(const QString& tables, Niveau niveau = Niveau::facile, int ti = 4, int tf = 4)
        : moteur(hasard)
    {
        moteur.initialisation(produits_des_objectifs(tables), niveau, ti, tf, QStringLiteral("10:05:00"), ms);
    }

    // Fills every editable field with the expected factors (or the given pairs), then presses "OK".
    MoteurPerfectionnement::Validation repond(QVector<Paire> tapees = {}, qint64 delai = 3000)
    {
        if (tapees.isEmpty())
            tapees = moteur.attendues();
        ms += delai;
        for (int j = 0; j < tapees.size(); ++j) {
            for (int f = 0; f < 2; ++f) {
                if (!moteur.champ(2 * j + 1 + f).lecture_seule)
                    moteur.filtre_entree(2 * j + 1 + f, f == 0 ? tapees[j].a : tapees[j].b);
            }
        }
        return moteur.Button_OKClick(ms);
    }
    void suivante()
    {
        ASSERT_TRUE(moteur.timer_affichage().active);
        ms += moteur.timer_affichage().intervalle_ms;
        moteur.Timer_affichageTimer(ms);
    }
    // A wrong first factor in every pair.
    QVector<Paire> fausses() const
    {
        QVector<Paire> p = moteur.attendues();
        for (Paire& x : p)
            x.a = x.a == QLatin1String("7") ? QStringLiteral("8") : QStringLiteral("7");
        return p;
    }
    void amene_au_score(int score)
    {
        while (moteur.score() < score) {
            repond();
            suivante();
        }
        ASSERT_EQ(moteur.score(), score);
    }

    Hasard hasard {5};
    qint64 ms = 1000;
    MoteurPerfectionnement moteur;
};

} // namespace

TEST(MoteurPerfectionnement, une_table_au_niveau_facile_jusqu_a_bravo_puis_les_niveaux_suivants)
{
    Seance s(QStringLiteral("table_7"));
    MoteurPerfectionnement& m = s.moteur;
    EXPECT_EQ(m.points_par_paire(), 10);
    EXPECT_NE(m.ordre_questions(), (QVector<int> {0, 1, 2, 3, 4, 5, 6, 7, 8}));
    for (int q = 1; q <= 10; ++q) {
        ASSERT_EQ(m.phase(), Phase::question);
        // One factor given, read-only, the other to type, with the focus.
        const bool premier_donne = m.champ(1).lecture_seule;
        ASSERT_NE(premier_donne, m.champ(2).lecture_seule);
        EXPECT_EQ(
            m.champ(premier_donne ? 1 : 2).texte, premier_donne ? m.attendues()[0].a : m.attendues()[0].b);
        EXPECT_EQ(m.focus(), premier_donne ? 2 : 1);
        s.repond();
        if (q < 10)
            s.suivante();
    }
    EXPECT_EQ(m.message(), QStringLiteral("BRAVO!"));
    EXPECT_EQ(m.score(), 0);
    EXPECT_EQ(m.score_affiche(), 100);
    EXPECT_TRUE(m.boutons_fin_visibles());
    EXPECT_EQ(m.ligne_seance(QStringLiteral("10:12:31")),
        QStringLiteral("\tPERFECTIONNEMENT de 10:05:00 à 10:12:31: facile"));

    // "Etape suivante": both factors to type, then a time limit, then no further level.
    ASSERT_TRUE(m.niveau_suivant(QStringLiteral("10:13:00"), s.ms));
    EXPECT_FALSE(m.champ(1).lecture_seule || m.champ(2).lecture_seule);
    EXPECT_FALSE(m.timer_chrono().active);
    EXPECT_TRUE(m.ligne_seance(QStringLiteral("10:13:05")).isEmpty()); // a single question shown
    ASSERT_TRUE(m.niveau_suivant(QStringLiteral("10:14:00"), s.ms));
    EXPECT_TRUE(m.timer_chrono().active);
    EXPECT_FALSE(m.niveau_suivant(QStringLiteral("10:15:00"), s.ms));

    // No evident pattern: the first cycle asks in increasing product order.
    Seance croissant(QStringLiteral("table_3,table_4"));
    EXPECT_EQ(croissant.moteur.ordre_questions().mid(1, 4), (QVector<int> {1, 2, 3, 4}));
    EXPECT_EQ(croissant.moteur.libelle_produit(), QStringLiteral("6="));
}

TEST(MoteurPerfectionnement, une_erreur_fait_baisser_le_score_et_attend_ok)
{
    Seance s(QStringLiteral("table_7"), Niveau::pas_facile);
    MoteurPerfectionnement& m = s.moteur;
    s.amene_au_score(40);
    s.repond(s.fausses());
    EXPECT_EQ(m.score_affiche(), 30);
    EXPECT_EQ(m.message(), QStringLiteral("1 erreur !"));
    EXPECT_EQ(m.correction(), m.attendues());
    EXPECT_TRUE(m.champ(1).rouge && !m.champ(2).rouge);
    EXPECT_EQ(m.focus(), MoteurPerfectionnement::focus_ok);
    EXPECT_EQ(m.vitesses()[m.entree_courante()], 0.0);

    // "OK" again only moves on: the answer is not evaluated twice.
    EXPECT_EQ(m.Button_OKClick(s.ms), MoteurPerfectionnement::Validation::suivante);
    EXPECT_EQ(m.score(), 30);
    EXPECT_TRUE(m.correction().isEmpty());
    EXPECT_EQ(MoteurPerfectionnement::score_apres_erreur(10), 6);
    EXPECT_EQ(MoteurPerfectionnement::score_apres_erreur(3), 0);
}

TEST(MoteurPerfectionnement, la_vitesse_d_une_entree_juste_est_la_moyenne_avec_la_precedente)
{
    Seance s(QStringLiteral("table_7"), Niveau::pas_facile);
    MoteurPerfectionnement& m = s.moteur;
    const int entree = m.entree_courante();
    s.repond({}, 3000); // 1 pair in 3 s: 20 pairs per minute
    // The rest of the cycle right and fast, then wrong until the slow entry comes back.
    while (!(m.phase() == Phase::question && m.entree_courante() == entree && m.questions_posees() > 8)) {
        if (m.phase() == Phase::oui)
            s.suivante();
        else if (m.phase() == Phase::correction)
            m.Button_OKClick(s.ms);
        else
            s.repond(m.questions_posees() > 8 ? s.fausses() : QVector<Paire> {}, 1000);
    }
    s.repond({}, 6000);
    EXPECT_DOUBLE_EQ(m.vitesses()[entree], 15.0); // (10 + 20) / 2
}

TEST(MoteurPerfectionnement, le_temps_depasse_divise_le_score_et_garde_la_vitesse)
{
    Seance s(QStringLiteral("table_7"), Niveau::pas_facile_du_tout, 8, 4);
    MoteurPerfectionnement& m = s.moteur;
    EXPECT_EQ(m.timer_chrono().intervalle_ms, 20000); // 25 × 1 × 8 × 100
    m.Timer_chronoTimer();
    EXPECT_EQ(m.timer_affichage().intervalle_ms, 1000);
    s.suivante();
    s.amene_au_score(30);
    EXPECT_EQ(m.limite_ms(), 25 * (8 * 70 + 4 * 30));

    // Typed in full, but too late: "OK" during "trop long !" evaluates nothing.
    const double vitesse = m.vitesses()[m.entree_courante()];
    m.filtre_entree(1, m.attendues()[0].a);
    m.filtre_entree(2, m.attendues()[0].b);
    m.Timer_chronoTimer();
    EXPECT_EQ(m.message(), QStringLiteral("trop long !"));
    EXPECT_EQ(m.score(), 15);
    EXPECT_EQ(m.vitesses()[m.entree_courante()], vitesse);
    EXPECT_EQ(m.Button_OKClick(s.ms), MoteurPerfectionnement::Validation::ignoree);
    EXPECT_EQ(m.score(), 15);
    EXPECT_EQ(m.timer_affichage().intervalle_ms, 400); // since the first "OUI!"
    EXPECT_EQ(MoteurPerfectionnement::limite_de_temps_ms(1, 0, 4, 4), 10000);
    EXPECT_EQ(MoteurPerfectionnement::limite_de_temps_ms(1, 99, 4, 4), 10000);

    // An incomplete answer is refused and the time keeps running.
    s.suivante();
    m.filtre_entree(1, m.attendues()[0].a);
    EXPECT_EQ(m.Button_OKClick(s.ms), MoteurPerfectionnement::Validation::incomplete);
    EXPECT_TRUE(m.timer_chrono().active);
}

TEST(MoteurPerfectionnement, regles_de_saisie)
{
    // 36 (tables 4 and 6) asks 4 × 9 and 6 × 6.
    Seance s(QStringLiteral("table_4,table_6"), Niveau::pas_facile);
    MoteurPerfectionnement& m = s.moteur;
    while (m.libelle_produit() != QLatin1String("36=")) {
        s.repond();
        s.suivante();
    }
    ASSERT_EQ(m.paires(), 2);
    EXPECT_FALSE(m.champ(5).visible);
    m.filtre_entree(1, QStringLiteral("1"));
    EXPECT_EQ(m.champ(1).texte, QString());
    EXPECT_EQ(m.message(), QStringLiteral("1 interdit !"));
    EXPECT_TRUE(m.timer_affichage_simple().active);
    const struct
    {
        int champ;
        const char* texte;
        int focus;
    } frappes[] = {{1, "4", 2}, {2, "9", 3}, {3, "6", 4}, {4, "6", MoteurPerfectionnement::focus_ok}};
    for (const auto& f : frappes) {
        m.filtre_entree(f.champ, QString::fromLatin1(f.texte));
        EXPECT_EQ(m.focus(), f.focus) << f.champ;
    }

    // Squares alone at "facile": one factor shown would give the other.
    Seance carres(QStringLiteral("table_carres"));
    EXPECT_EQ(carres.moteur.niveau(), Niveau::pas_facile);
    EXPECT_FALSE(carres.moteur.champ(1).lecture_seule);
    carres.moteur.filtre_entree(1, QStringLiteral("1")); // a first digit of 12 … 19
    EXPECT_EQ(carres.moteur.champ(1).texte, QStringLiteral("1"));
}

TEST(MoteurPerfectionnement, une_valeur_a_quatre_paires_en_pose_trois_a_tour_de_role)
{
    Seance s(QStringLiteral("tables_classiques,table_12,table_18"), Niveau::pas_facile);
    MoteurPerfectionnement& m = s.moteur;
    QVector<QVector<Paire>> poses;
    for (int q = 0; q < 400 && poses.size() < 2; ++q) {
        if (m.libelle_produit() == QLatin1String("36="))
            poses.append(m.attendues());
        ASSERT_LE(m.paires(), 3);
        s.repond({}, 500);
        if (m.phase() == Phase::fini)
            m.initialisation(produits_des_objectifs(QStringLiteral("tables_classiques,table_12,table_18")),
                Niveau::pas_facile, 4, 4, QStringLiteral("10:20:00"), s.ms);
        else
            s.suivante();
    }
    ASSERT_EQ(poses.size(), 2);
    EXPECT_EQ(poses[0], (QVector<Paire> {{"4", "9"}, {"6", "6"}, {"3", "12"}}));
    EXPECT_EQ(poses[1], (QVector<Paire> {{"6", "6"}, {"3", "12"}, {"2", "18"}}));
}

TEST(MoteurPerfectionnement, le_niveau_3_d_un_eleve_au_temps_amenage)
{
    // 25 × 1 × 8 × 100 = 20 s for everyone at score 0.
    const struct
    {
        Amenagement amenagement;
        int limite_ms;
        const char* affiche;
    } cas[] = {
        {Amenagement::aucun, 20000, "20 s"},
        {Amenagement::tiers, 26667, "26 s"},
        {Amenagement::double_temps, 40000, "40 s"},
        {Amenagement::sans_limite, 0, ""},
    };
    for (const auto& c : cas) {
        Seance s(QStringLiteral("table_7"), Niveau::facile, 8, 4);
        MoteurPerfectionnement& m = s.moteur;
        m.definit_amenagement(c.amenagement);
        m.initialisation(produits_des_objectifs(QStringLiteral("table_7")), Niveau::pas_facile_du_tout, 8, 4,
            QStringLiteral("10:05:00"), s.ms);
        EXPECT_EQ(m.limite_ms(), c.limite_ms) << c.affiche;
        EXPECT_EQ(m.timer_chrono().active, c.limite_ms > 0) << c.affiche;
        if (c.limite_ms > 0) {
            EXPECT_EQ(m.timer_chrono().intervalle_ms, c.limite_ms);
        }
        // The next question, at a higher score, keeps the pupil's extra time.
        s.repond();
        s.suivante();
        ASSERT_GT(m.score(), 0);
        EXPECT_EQ(m.limite_ms(),
            limite_amenagee_ms(MoteurPerfectionnement::limite_de_temps_ms(1, m.score(), 8, 4), c.amenagement))
            << c.affiche;
        EXPECT_EQ(m.timer_chrono().active, c.limite_ms > 0) << c.affiche;
    }
}
