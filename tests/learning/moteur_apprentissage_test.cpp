#include "core/faits.h"
#include "learning/moteur_apprentissage.h"

#include <gtest/gtest.h>

namespace {

using Phase = MoteurApprentissage::Phase;

// Drives the engine as the window does, on a clock advanced by hand; T = 4 s.
class Eleve
{
public:
    explicit Eleve(const QStringList& produits, int taille_bloc = 2, const QString& ordre = "par tables",
        const QString& formule = QStringLiteral("1.1.2.1.3"))
        : moteur(hasard)
    {
        ParametresApprentissage p;
        p.taille_bloc = taille_bloc;
        p.ordre = ordre;
        p.formule = formule;
        moteur.ouvre(produits, p, ms, QStringLiteral("14:02:11"));
    }

    QString code() const { return moteur.item(moteur.item_courant()).code; }
    QString valeur() const { return valeur_produit(code()); }
    QString fausse() const { return QString::number(valeur().toInt() + 1).right(valeur().size()); }
    const ItemApprentissage& courant() const { return moteur.item(moteur.item_courant()); }

    void reprend() { moteur.reprend(ms); }
    // Types the answer digit by digit, the first one `delai` ms after the question, then lets the
    // feedback delay or the correction go by.
    void tape(const QString& reponse, qint64 delai = 1000)
    {
        ms += delai;
        for (int i = 1; i <= reponse.size(); ++i) {
            moteur.saisie_change(reponse.left(i), ms);
            ms += 150;
        }
        suite();
    }
    void suite()
    {
        if (moteur.phase() == Phase::retour) {
            ms += moteur.timer1().intervalle_ms;
            moteur.delai_ecoule(ms);
        } else if (moteur.phase() == Phase::correction) {
            moteur.correction_vue(ms);
        }
    }
    void juste(qint64 delai = 1000) { tape(valeur(), delai); }
    void faux(qint64 delai = 1000) { tape(fausse(), delai); }
    // Right and fast until the learning ends; returns the number of answers.
    int jusqu_au_bout()
    {
        int reponses = 0;
        for (int garde = 0; moteur.phase() != Phase::fin && garde < 5000; ++garde) {
            if (moteur.phase() == Phase::invite)
                reprend();
            else
                juste(), ++reponses;
        }
        return reponses;
    }

    Hasard hasard {42};
    qint64 ms = 1000;
    MoteurApprentissage moteur;
};

QStringList table_7()
{
    return produits_des_tables(QStringLiteral("table_7"));
}

} // namespace

TEST(MoteurApprentissage, points_d_une_reponse)
{
    const struct
    {
        int dixiemes;
        bool juste;
        int points;
    } points[]
        = {{40, true, 15}, {41, true, 14}, {0, true, 600}, {1, true, 600}, {999, true, 0}, {5, false, 0}};
    for (const auto& p : points)
        EXPECT_EQ(MoteurApprentissage::points_reponse(p.dixiemes, p.juste), p.points) << p.dixiemes;
}

TEST(MoteurApprentissage, un_passage_ordonne_avec_erreurs_marque_les_croix_et_recommence_au_debut)
{
    Eleve e(table_7(), 3);
    e.reprend();
    EXPECT_FALSE(e.moteur.reponses_visibles());
    e.faux();
    EXPECT_EQ(e.code(), QStringLiteral("0702")) << "the first item has no predecessor";
    e.juste();
    EXPECT_EQ(e.code(), QStringLiteral("0703"));
    e.faux();
    EXPECT_EQ(e.code(), QStringLiteral("0702")) << "the predecessor of the wrong item comes back first";
    e.juste();
    e.juste();
    EXPECT_EQ(e.code(), QStringLiteral("0704"));
    e.juste();
    ASSERT_EQ(e.moteur.phase(), Phase::invite);
    EXPECT_EQ(e.moteur.invite().message, QStringLiteral("2 erreurs"));
    EXPECT_EQ(e.moteur.invite().invite, QStringLiteral("On recommence"));
    EXPECT_TRUE(e.moteur.reponses_visibles());
    EXPECT_EQ(e.moteur.item(1).icone, IconeItem::croix);
    EXPECT_TRUE(e.moteur.item(1).reponse_noire);
    e.reprend();
    EXPECT_EQ(e.code(), QStringLiteral("0702"));
    EXPECT_EQ(e.moteur.item(1).icone, IconeItem::aucune);
    for (int i = 0; i < 3; ++i)
        e.juste();
    EXPECT_EQ(e.moteur.invite().message, QStringLiteral("Tout juste"));
    EXPECT_EQ(e.moteur.invite().invite, QStringLiteral("Maintenant, dans le désordre."));
    EXPECT_FALSE(e.moteur.passage_ordonne());
}

TEST(MoteurApprentissage, en_desordre_la_serie_monte_vite_et_tombe_sur_une_erreur)
{
    Eleve e({"0702", "0703"}, 2);
    e.reprend();
    e.juste();
    e.juste();
    e.reprend();
    const int cible = e.moteur.item_courant();
    auto repond_a_la_cible = [&](bool juste) {
        juste ? e.juste() : e.faux();
        e.faux(); // the other item keeps the step from ending
    };
    const NiveauItem attendus[]
        = {NiveauItem::rouge, NiveauItem::rouge, NiveauItem::orange, NiveauItem::orange, NiveauItem::vert};
    for (int s = 1; s <= 5; ++s) {
        repond_a_la_cible(true);
        EXPECT_EQ(e.moteur.item(cible).serie, s);
        EXPECT_EQ(e.moteur.niveau(cible), attendus[s - 1]) << s;
    }
    repond_a_la_cible(false);
    EXPECT_EQ(e.moteur.item(cible).serie, 0);
    EXPECT_EQ(e.moteur.niveau(cible), NiveauItem::rouge);
}

TEST(MoteurApprentissage, frequences_apres_une_reponse_en_desordre)
{
    const struct
    {
        qint64 avant;
        bool juste;
        qint64 delai;
        qint64 apres;
        qint64 autres; // the other items of the step, from 100
        qint64 serie;
    } cas[] = {
        {100, true, 1000, 50, 100, 1},
        {1, true, 1000, 1, 200, 1},
        {3, true, 5000, 4, 100, 0},
        {100, true, 5000, 126, 100, 0},
        {4, true, 9000, 5, 100, 0},
        {100, false, 1000, 200, 100, 0},
    };
    for (const auto& c : cas) {
        Eleve e({"0702", "0703"}, 2);
        e.reprend();
        e.juste();
        e.juste();
        e.reprend();
        const int i = e.moteur.item_courant();
        const_cast<ItemApprentissage&>(e.moteur.item(i)).frequence = c.avant;
        c.juste ? e.juste(c.delai) : e.faux(c.delai);
        EXPECT_EQ(e.moteur.item(i).frequence, c.apres) << c.avant << " " << c.delai;
        EXPECT_EQ(e.moteur.item(1 - i).frequence, c.autres) << c.avant << " " << c.delai;
        EXPECT_EQ(e.moteur.item(i).serie, c.serie) << c.avant << " " << c.delai;
    }
}

TEST(MoteurApprentissage, le_tirage_ne_pose_jamais_deux_fois_de_suite_le_meme_item)
{
    Eleve e(table_7(), 4, "par tables", "1.1.1.3");
    e.reprend();
    for (int i = 0; i < 4; ++i)
        e.juste();
    e.reprend();
    int precedent = e.moteur.item_courant();
    for (int i = 0; i < 300; ++i) {
        e.faux();
        ASSERT_NE(e.moteur.item_courant(), precedent) << i;
        precedent = e.moteur.item_courant();
    }
}

// Doubling a weight 60 times would pass any integer: the weights of the step are halved together instead.
TEST(MoteurApprentissage, soixante_echecs_de_suite_sur_un_item_ne_debordent_pas)
{
    Eleve e({"0708", "0709"}, 2);
    e.reprend();
    e.juste();
    e.juste();
    e.reprend();
    int echecs = 0;
    while (echecs < 60) {
        if (e.code() == QStringLiteral("0708")) {
            e.faux();
            ++echecs;
        } else {
            e.juste();
        }
        for (int i = 0; i < 2; ++i) {
            ASSERT_GE(e.moteur.item(i).frequence, 1);
            ASSERT_LE(e.moteur.item(i).frequence, MoteurApprentissage::plafond_frequence);
        }
    }
    EXPECT_GT(e.moteur.item(0).frequence, 1000 * e.moteur.item(1).frequence);
    EXPECT_GT(e.jusqu_au_bout(), 5);
    EXPECT_EQ(e.moteur.phase(), Phase::fin);
}

TEST(MoteurApprentissage, un_seul_produit_s_apprend_jusqu_au_bout_sans_boucler)
{
    Eleve e({"0807"}, 3);
    EXPECT_EQ(e.moteur.plan().plan(), QVector<int> {1});
    e.reprend();
    e.juste();
    EXPECT_EQ(e.moteur.invite().message, QStringLiteral("Tout juste"));
    e.reprend();
    for (int i = 0; i < 4; ++i) {
        e.juste();
        EXPECT_EQ(e.moteur.phase(), Phase::question);
        EXPECT_EQ(e.code(), QStringLiteral("0807"));
    }
    e.juste();
    EXPECT_EQ(e.moteur.phase(), Phase::fin);
    EXPECT_EQ(e.moteur.termine(QStringLiteral("14:03:00")),
        QStringLiteral("\tAPPRENTISSAGE de 14:02:11 à 14:03:00: 6 répétitions"));
}

// 6×12 may be asked as 12×6 beside the square 11×11; never beside 12×6 itself, nor when the first product
// is a classic one.
TEST(MoteurApprentissage, question_inversee_seulement_dans_un_ensemble_etendu_sans_le_commute)
{
    const struct
    {
        QStringList produits;
        bool inversable;
    } cas[] = {{{"1111", "0612"}, true}, {{"0612", "1206"}, false}, {{"0203", "0612"}, false}};
    for (const auto& c : cas) {
        Eleve e(c.produits, 2, "premier facteur");
        int inversees = 0;
        for (int i = 0; i < 40; ++i) {
            if (e.moteur.phase() == Phase::invite) {
                e.reprend();
            } else if (e.moteur.question_inversee()) {
                ++inversees;
                EXPECT_EQ(e.moteur.libelle_question(), QStringLiteral("12×6 = "));
                e.moteur.je_ne_sais_pas(QStringLiteral("7"), e.ms);
                EXPECT_EQ(e.moteur.texte_correction(), QStringLiteral("12×6 = 6×12 = 72"));
                e.suite();
            } else {
                e.juste();
            }
        }
        EXPECT_EQ(inversees > 0, c.inversable) << c.produits.join(',').toStdString();
    }
}

TEST(MoteurApprentissage, correction_d_une_reponse_fausse_ou_absente)
{
    const struct
    {
        const char* tape;
        bool erreur_visible;
    } cas[] = {{"", false}, {"5", true}};
    for (const auto& c : cas) {
        Eleve e({"0806", "0807"}, 2);
        e.reprend();
        e.ms += 2000;
        e.moteur.je_ne_sais_pas(QString::fromLatin1(c.tape), e.ms);
        EXPECT_EQ(e.moteur.phase(), Phase::correction);
        EXPECT_EQ(e.moteur.texte_correction(), QStringLiteral("8×6 = 48"));
        EXPECT_EQ(e.moteur.erreur_visible(), c.erreur_visible) << c.tape;
        EXPECT_EQ(e.courant().reponses.last().dixiemes, 20);
        EXPECT_EQ(e.courant().reponses.last().reponse, QString::fromLatin1(c.tape).toInt());
    }
}

TEST(MoteurApprentissage, le_temps_de_reponse_court_jusqu_au_premier_chiffre)
{
    Eleve e({"0807"}, 2);
    e.ms += 500;
    e.reprend();
    e.ms += 2340;
    e.moteur.saisie_change(QStringLiteral("5"), e.ms);
    e.ms += 5000;
    e.moteur.saisie_change(QStringLiteral("56"), e.ms);
    const ReponseItem& r = e.moteur.item(0).reponses.last();
    EXPECT_EQ(r.dixiemes, 23);
    EXPECT_EQ(r.instant_dixiemes, 5);
    EXPECT_EQ(r.reponse, 56);
    EXPECT_EQ(e.moteur.phase(), Phase::retour);
    e.suite();
    e.reprend(); // "Tout juste"
    e.juste(120000);
    EXPECT_EQ(e.moteur.item(0).reponses.last().dixiemes, 999) << "two minutes fit the 3 digits as 999";
    EXPECT_EQ(e.moteur.item(0).points.last(), 0);
}

TEST(MoteurApprentissage, plus_vite_une_seule_fois_et_pas_avant_la_septieme_reponse_a_un_item)
{
    Eleve e({"0807", "0809"}, 2);
    qsizetype reponses_a_l_item = 0;
    while (e.moteur.avertissements() == 0 && e.moteur.nombre_reponses() < 40) {
        if (e.moteur.phase() == Phase::invite) {
            e.reprend();
            continue;
        }
        EXPECT_EQ(e.moteur.timer1().intervalle_ms, MoteurApprentissage::delai_initial_ms);
        reponses_a_l_item = e.courant().points.size() + 1;
        e.juste(5000);
    }
    EXPECT_EQ(reponses_a_l_item, 7);
    EXPECT_TRUE(e.moteur.avertissement_donne());
    EXPECT_EQ(e.moteur.timer1().intervalle_ms, 600);
    EXPECT_EQ(e.moteur.commentaire(), QStringLiteral("plus vite!"));
    for (int i = 0; i < 20; ++i)
        e.juste(9000);
    EXPECT_EQ(e.moteur.avertissements(), 1u);
    EXPECT_EQ(e.moteur.timer1().intervalle_ms, 1200);
    EXPECT_EQ(e.moteur.commentaire(), QStringLiteral("PLUS VITE !!!"));
    e.juste(1000);
    EXPECT_EQ(e.moteur.timer1().intervalle_ms, 300);
}

// Closing in the second block still counts the answers of the first: the line covers the whole opening.
TEST(MoteurApprentissage, la_ligne_de_cloture_compte_toutes_les_reponses_de_l_ouverture)
{
    Eleve e(table_7(), 3);
    e.reprend();
    e.juste();
    EXPECT_TRUE(e.moteur.termine(QStringLiteral("14:05:00")).isEmpty()) << "a single answer";

    Eleve f(table_7(), 3);
    while (f.moteur.plan().etape_courante() == 0)
        f.moteur.phase() == Phase::invite ? f.reprend() : f.juste();
    const int premier_bloc = f.moteur.nombre_reponses();
    f.reprend();
    f.faux();
    EXPECT_EQ(f.moteur.termine(QStringLiteral("14:09:00")),
        QStringLiteral("\tAPPRENTISSAGE de 14:02:11 à 14:09:00: %1 répétitions").arg(premier_bloc + 1));
    EXPECT_TRUE(f.moteur.termine(QStringLiteral("14:09:01")).isEmpty()) << "written once";
}
