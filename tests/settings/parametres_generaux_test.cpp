#include "settings/parametres_generaux.h"
#include "storage/configuration.h"

#include <QVector>
#include <functional>
#include <gtest/gtest.h>

inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

namespace {

FichierIni ini_de(const char* texte)
{
    return FichierIni::depuis_texte(QString::fromUtf8(texte));
}

QVector<int> de_a(int premiere, int derniere)
{
    QVector<int> t;
    for (int n = premiere; n <= derniere; ++n)
        t.append(n);
    return t;
}

// The learning plan built from a formula, as the learning window builds it, to check the formula check
// against what the learning will really do.
QVector<int> plan(const QString& formule, int blocs)
{
    QVector<int> nombres;
    for (const QString& p : formule.split(QLatin1Char('.')))
        nombres.append(p.toInt());
    const int q = nombres.last();
    const QVector<int> motif = nombres.mid(0, nombres.size() - 1);
    long long puissance = q;
    int niveaux = 1;
    while (puissance < blocs) {
        puissance *= q;
        ++niveaux;
    }
    int u = static_cast<int>(puissance / q);
    QVector<int> p;
    for (const int x : nombres)
        p.append(x * u);
    for (int l = 1; l < niveaux; ++l) {
        u /= q;
        for (int i = p.size() - 1; i >= 0; --i)
            if (p[i] == u * q)
                for (int k = motif.size() - 1; k >= 0; --k)
                    p.insert(i, motif[k] * u);
    }
    if (p.last() > blocs) {
        int uns = 0;
        for (int i = 0; i < p.size(); ++i)
            if (p[i] == 1 && ++uns == blocs + 1) {
                p.resize(i);
                break;
            }
    }
    if (p.last() == 1) {
        int fin = 0;
        for (int i = p.size() - 1; i >= 0 && p[i] == 1; --i)
            ++fin;
        if (fin >= 2)
            p.append(fin);
    }
    if (p.last() != blocs)
        p.append(blocs);
    return p;
}

// Every block brought in once, no review wider than what has been brought in, the last step all of them.
bool plan_sain(const QVector<int>& p, int blocs)
{
    int introduits = 0;
    for (const int w : p) {
        if (w == 1)
            ++introduits;
        else if (w > introduits)
            return false;
    }
    return introduits == blocs && p.last() == blocs;
}

QString texte_plan(const QVector<int>& p)
{
    QStringList t;
    for (const int w : p)
        t.append(QString::number(w));
    return t.join(QLatin1Char('.'));
}

} // namespace

TEST(Parametres, un_fichier_sans_ces_cles_montre_ce_que_le_programme_utilise_sans_elles)
{
    const ParametresGeneraux p = lit_parametres(ini_de("[General]\nMode=Maison\n"));
    EXPECT_EQ(p.temps_acceptable, 4);
    EXPECT_EQ(p.temps_maximum, 20);
    EXPECT_EQ(p.temps_initial, 8);
    EXPECT_EQ(p.temps_final, 4);
    EXPECT_EQ(p.items_par_bloc, 3);
    EXPECT_EQ(p.formule, QStringLiteral("1.1.2.1.3"));
    EXPECT_FALSE(p.ordre_valeur_produit);
    // A yes/no key missing reads as "non", as at start-up.
    EXPECT_FALSE(p.chrono_visible || p.pause_visible || p.masquer_incomplets || p.configuration_personnelle
        || p.apprentissage_obligatoire);
    EXPECT_EQ(p.tables_classiques, de_a(2, 9));
    EXPECT_EQ(p.tables_etendues, QVector<int> {11});
}

TEST(Parametres, un_nombre_hors_de_son_controle_se_montre_a_la_borne_la_plus_proche)
{
    struct Cas
    {
        const char* valeur;
        int temps;
        int bloc;
    };
    for (const Cas& c : {Cas {"-1", 1, 2}, Cas {"0", 1, 2}, Cas {"150", 99, 4}, Cas {"99", 99, 4},
             Cas {"3", 3, 3}, Cas {"douze", 20, 3}}) {
        const QByteArray texte = QByteArray("[Paramètres]\nTemps de réponse maximum=") + c.valeur
            + "\n[Apprentissage par blocs]\nNombre d'items par bloc=" + c.valeur + "\n";
        const ParametresGeneraux p = lit_parametres(ini_de(texte.constData()));
        EXPECT_EQ(p.temps_maximum, c.temps) << c.valeur;
        EXPECT_EQ(p.items_par_bloc, c.bloc) << c.valeur;
    }
}

TEST(Parametres, textes_lus_ordre_oui_non_mode_et_formule)
{
    struct Cas
    {
        const char* ligne;
        std::function<bool(const ParametresGeneraux&)> attendu;
    };
    const QVector<Cas> cas {
        {"[Options d'apprentissage]\nOrdre rangement items=premier facteur",
            [](auto& p) { return !p.ordre_valeur_produit; }},
        {"[Options d'apprentissage]\nOrdre rangement items=Valeur produit",
            [](auto& p) { return p.ordre_valeur_produit; }},
        {"[Options d'apprentissage]\nOrdre rangement items=au hasard",
            [](auto& p) { return !p.ordre_valeur_produit; }},
        {"[Apparence]\nChrono test visible=oui", [](auto& p) { return p.chrono_visible; }},
        {"[Apparence]\nChrono test visible=Oui", [](auto& p) { return !p.chrono_visible; }},
        {"[General]\nMode=Ecole", [](auto& p) { return p.mode_ecole; }},
        {"[General]\nMode=ecole", [](auto& p) { return !p.mode_ecole; }},
        {"[Apprentissage par blocs]\nFormule récursive=1.2.1.3",
            [](auto& p) { return p.formule == "1.2.1.3"; }},
        {"[Apprentissage par blocs]\nFormule récursive=", [](auto& p) { return p.formule.isEmpty(); }},
    };
    for (const Cas& c : cas)
        EXPECT_TRUE(c.attendu(lit_parametres(ini_de(c.ligne)))) << c.ligne;
}

TEST(Parametres, objectifs_lus_noms_de_tables_liste_compacte_ou_rien_de_connu)
{
    struct Cas
    {
        const char* valeur;
        QVector<int> classiques;
        QVector<int> etendues;
    };
    const QVector<Cas> cas {
        {"table_7,table_3", {3, 7}, {11}},
        {"", de_a(2, 9), {11}},
        {"n'importe quoi", de_a(2, 9), {11}},
        {"tables_classiques", de_a(2, 9), {11}},
        {"7x<2-9>", {7}, {11}},
        {"table_12,table_carres,table_19", de_a(2, 9), {11, 12, 19}},
        {"table_3,table_13", {3}, {13}},
    };
    for (const Cas& c : cas) {
        const QByteArray texte = QByteArray("[Paramètres]\nObjectifs tables classiques par defaut=")
            + c.valeur + "\nObjectifs tables etendues par defaut=" + c.valeur + "\n";
        const ParametresGeneraux p = lit_parametres(ini_de(texte.constData()));
        EXPECT_EQ(p.tables_classiques, c.classiques) << c.valeur;
        EXPECT_EQ(p.tables_etendues, c.etendues) << c.valeur;
        EXPECT_FALSE(p.objectifs_etendus);
    }
}

TEST(Parametres, aucune_table_cochee_enregistre_la_famille_entiere_ou_les_carres_sans_toucher_l_autre)
{
    struct Cas
    {
        bool etendus;
        const char* cle_ecrite;
        const char* valeur;
    };
    for (const Cas& c : {Cas {false, "Objectifs tables classiques par defaut",
                             "table_2,table_3,table_4,table_5,table_6,table_7,table_8,table_9"},
             Cas {true, "Objectifs tables etendues par defaut", "table_carres"}}) {
        FichierIni ini = ini_de("[Paramètres]\nObjectifs tables classiques par defaut=table_4\n"
                                "Objectifs tables etendues par defaut=table_15\n");
        ParametresGeneraux p = lit_parametres(ini);
        p.objectifs_etendus = c.etendus;
        p.tables_classiques.clear();
        p.tables_etendues.clear();
        ecrit_reglages(ini, p);
        EXPECT_EQ(
            ini.lit_texte(cles::parametres, QString::fromUtf8(c.cle_ecrite)), QString::fromUtf8(c.valeur));
        EXPECT_EQ(ini.lit_texte(cles::parametres,
                      c.etendus ? cles::objectifs_classiques_defaut : cles::objectifs_etendus_defaut),
            c.etendus ? QStringLiteral("table_4") : QStringLiteral("table_15"));
        EXPECT_EQ(
            c.etendus ? p.tables_etendues : p.tables_classiques, c.etendus ? QVector<int> {11} : de_a(2, 9));
    }
}

TEST(Parametres, ce_qui_est_relu_est_reecrit_tel_quel_sauf_premier_facteur)
{
    FichierIni ini = ini_de("[Options d'apprentissage]\nOrdre rangement items=premier facteur\n"
                            "[Apprentissage par blocs]\nFormule récursive=1.1.1.1.4\n"
                            "[Paramètres]\nObjectifs tables classiques par defaut=7x<2-9>,8x<2-9>\n");
    ParametresGeneraux p = lit_parametres(ini);
    ecrit_reglages(ini, p);
    EXPECT_EQ(ini.lit_texte(cles::options_apprentissage, cles::ordre_items), QStringLiteral("par tables"));
    EXPECT_EQ(ini.lit_texte(cles::apprentissage_blocs, cles::formule), QStringLiteral("1.1.1.1.4"));
    EXPECT_EQ(ini.lit_texte(cles::parametres, cles::objectifs_classiques_defaut),
        QStringLiteral("7x<2-9>,8x<2-9>"));

    // A box changed: the tables are named.
    p.tables_classiques = {7};
    ecrit_reglages(ini, p);
    EXPECT_EQ(ini.lit_texte(cles::parametres, cles::objectifs_classiques_defaut), QStringLiteral("table_7"));
}

TEST(Parametres, chaque_cle_est_ecrite_et_relue_a_l_identique)
{
    FichierIni ini;
    ParametresGeneraux p;
    p.temps_acceptable = 7;
    p.temps_maximum = 30;
    p.temps_initial = 9;
    p.temps_final = 2;
    p.ordre_valeur_produit = true;
    p.items_par_bloc = 4;
    p.formule = QStringLiteral("1.1.1.3");
    p.apprentissage_obligatoire = true;
    p.chrono_visible = false;
    p.pause_visible = false;
    p.masquer_incomplets = true;
    p.configuration_personnelle = false;
    p.mode_ecole = true;
    p.tables_classiques = {2, 9};
    ecrit_reglages(ini, p);
    ParametresGeneraux relu = lit_parametres(ini);
    relu.objectifs_classiques_lus.clear();
    relu.objectifs_etendus_lus.clear();
    p.tables_etendues = {11};
    EXPECT_EQ(relu, p);
    // The console writes its own keys and leaves the mode and objectives to the dialog.
    FichierIni console;
    ecrit_parametres_communs(console, p);
    EXPECT_FALSE(console.contient(cles::general, cles::mode));
    EXPECT_FALSE(console.contient(cles::parametres, cles::objectifs_classiques_defaut));
    EXPECT_TRUE(console.contient(cles::general, cles::configuration_personnelle));
}

TEST(Formule, chaque_refus_dit_pourquoi)
{
    struct Cas
    {
        const char* formule;
        const char* raison; // part of the reason; empty: usable
    };
    for (const Cas& c : {Cas {"1.1.2.1.3", ""}, Cas {"1.1.1.3.3", ""}, Cas {" 1.1.2 ", ""}, Cas {"", "vide"},
             Cas {"1..2", "manque un nombre"}, Cas {"1.1.0.3", "« 0 »"}, Cas {"1,1,2", "« 1,1,2 »"},
             Cas {"a.b", "« a »"}, Cas {"3", "au moins deux nombres"}, Cas {"1.1", "au moins 2"},
             Cas {"1.2.1.3", "L'étape 2 révise 2 blocs alors que 1 seulement a été"},
             Cas {"1.1.3.1.3", "L'étape 3 révise 3 blocs alors que 2 seulement ont été présentés"},
             Cas {"1.1.1.3", ""}, Cas {"1.1.1.1.3", "présentent 4 blocs alors que la base en annonce 3"}}) {
        const QString refus = refus_formule(QString::fromUtf8(c.formule));
        if (*c.raison == 0)
            EXPECT_TRUE(refus.isEmpty()) << c.formule << " " << refus.toStdString();
        else
            EXPECT_TRUE(refus.contains(QString::fromUtf8(c.raison)))
                << c.formule << " " << refus.toStdString();
    }
}

TEST(Formule, la_lecture_d_un_groupe_nomme_les_blocs)
{
    EXPECT_EQ(lecture_formule(QStringLiteral("1.1.2.1.3")), QStringLiteral("A, B, AB, C, ABC"));
    EXPECT_EQ(lecture_formule(QStringLiteral("1.1.1.3")), QStringLiteral("A, B, C, ABC"));
    EXPECT_EQ(lecture_formule(QStringLiteral("1.1.2.1.1.4")), QStringLiteral("A, B, AB, C, D, ABCD"));
    EXPECT_EQ(lecture_formule(QStringLiteral("1.2.1.3")), QString());
}

// The oracle first gives the plans the learning is known to build, then judges every small formula.
TEST(Formule, une_formule_acceptee_donne_un_plan_sain_pour_tout_nombre_de_blocs_jusqu_a_87)
{
    EXPECT_EQ(texte_plan(plan(QStringLiteral("1.1.2.1.3"), 4)), QStringLiteral("1.1.2.1.3.1.4"));
    EXPECT_EQ(texte_plan(plan(QStringLiteral("1.1.1.3"), 5)), QStringLiteral("1.1.1.3.1.1.2.5"));
    EXPECT_EQ(
        texte_plan(plan(QStringLiteral("1.1.2.1.1.4"), 9)), QStringLiteral("1.1.2.1.1.4.1.1.2.1.1.4.8.1.9"));
    EXPECT_FALSE(plan_sain(plan(QStringLiteral("1.2.1.3"), 3), 3));

    int acceptees = 0;
    std::function<void(QString, int)> essaie = [&](QString formule, int longueur) {
        if (longueur >= 1) {
            for (int base = 2; base <= 4; ++base) {
                const QString f = formule + QLatin1Char('.') + QString::number(base);
                if (!refus_formule(f).isEmpty())
                    continue;
                ++acceptees;
                for (int b = 1; b <= formules::blocs_maximum; ++b)
                    ASSERT_TRUE(plan_sain(plan(f, b), b)) << f.toStdString() << " B=" << b;
            }
        }
        if (longueur == 6)
            return;
        for (int w = 1; w <= 4; ++w)
            essaie(formule.isEmpty() ? QString::number(w) : formule + QLatin1Char('.') + QString::number(w),
                longueur + 1);
    };
    essaie(QString(), 0);
    EXPECT_GT(acceptees, 20);
}
