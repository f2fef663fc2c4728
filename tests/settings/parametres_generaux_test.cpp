#include "settings/parametres_enregistrement.h"
#include "storage/configuration.h"
#include "support/dossier_test.h"
#include "support/processus_nobody.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

FichierIni ini_de(const char* texte)
{
    return FichierIni::depuis_texte(QString::fromUtf8(texte));
}

const QVector<int> classiques {2, 3, 4, 5, 6, 7, 8, 9};

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Parametres, lecture_manquant_hors_bornes_et_textes_inconnus)
{
    using P = const ParametresGeneraux&;
    const QVector<std::pair<const char*, std::function<bool(P)>>> cas {
        {"[General]\nMode=Maison",
            [](P p) {
                return p.temps_acceptable == 4 && p.temps_maximum == 20 && p.items_par_bloc == 3
                    && p.temps_initial == 8 && p.temps_final == 4 && p.formule == QStringLiteral("1.1.2.1.3")
                    && !p.chrono_visible && !p.configuration_personnelle && p.tables_classiques == classiques
                    && p.tables_etendues == QVector<int> {11};
            }},
        {"[Paramètres]\nTemps de réponse maximum=-1\n[Apprentissage par blocs]\nNombre d'items par bloc=-1",
            [](P p) { return p.temps_maximum == 1 && p.items_par_bloc == 2; }},
        {"[Paramètres]\nTemps de réponse maximum=150\n[Apprentissage par blocs]\nNombre d'items par bloc=7",
            [](P p) { return p.temps_maximum == 99 && p.items_par_bloc == 4; }},
        {"[Paramètres]\nTemps de réponse maximum=douze", [](P p) { return p.temps_maximum == 20; }},
        {"[Options d'apprentissage]\nOrdre rangement items=premier facteur",
            [](P p) { return !p.ordre_valeur_produit; }},
        {"[Options d'apprentissage]\nOrdre rangement items=Valeur produit",
            [](P p) { return p.ordre_valeur_produit; }},
        {"[Apparence]\nChrono test visible=Oui", [](P p) { return !p.chrono_visible; }},
        {"[Apprentissage par blocs]\nFormule récursive=1.2.1.3", [](P p) { return p.formule == "1.2.1.3"; }},
        {"[Paramètres]\nObjectifs tables classiques par defaut=table_7,table_3\n"
         "Objectifs tables etendues par defaut=table_19,table_3,table_carres",
            [](P p) {
                return p.tables_classiques == QVector<int> {3, 7}
                && p.tables_etendues == QVector<int> {11, 19};
            }},
        {"[Paramètres]\nObjectifs tables classiques par defaut=rien\nObjectifs tables etendues par defaut=",
            [](P p) { return p.tables_classiques == classiques && p.tables_etendues == QVector<int> {11}; }},
    };
    for (const auto& [texte, attendu] : cas)
        EXPECT_TRUE(attendu(lit_parametres(ini_de(texte)))) << texte;
}

TEST(Parametres, ce_qui_est_relu_est_reecrit_tel_quel_sauf_premier_facteur_et_aucune_table_donne_la_famille)
{
    FichierIni ini = ini_de("[Options d'apprentissage]\nOrdre rangement items=premier facteur\n"
                            "[Apprentissage par blocs]\nFormule récursive=1.1.1.1.4\n"
                            "[Paramètres]\nObjectifs tables classiques par defaut=7x<2-9>,8x<2-9>\n"
                            "Objectifs tables etendues par defaut=table_15\n");
    const auto objectifs = [&ini](bool etendus) {
        return ini
            .lit_texte(cles::parametres,
                etendus ? cles::objectifs_etendus_defaut : cles::objectifs_classiques_defaut)
            .toStdString();
    };
    ParametresGeneraux p = lit_parametres(ini);
    ecrit_reglages(ini, p);
    EXPECT_EQ(ini.lit_texte(cles::options_apprentissage, cles::ordre_items).toStdString(), "par tables");
    EXPECT_EQ(ini.lit_texte(cles::apprentissage_blocs, cles::formule).toStdString(), "1.1.1.1.4");
    EXPECT_EQ(objectifs(false), "7x<2-9>,8x<2-9>");
    p.tables_classiques = {7};
    ecrit_reglages(ini, p);
    EXPECT_EQ(objectifs(false), "table_7");

    // Nothing ticked: the family shown gets its default, on screen too; the other key stays.
    p.tables_classiques.clear();
    ecrit_reglages(ini, p);
    EXPECT_EQ(objectifs(false), "table_2,table_3,table_4,table_5,table_6,table_7,table_8,table_9");
    EXPECT_EQ(p.tables_classiques, classiques);
    p.objectifs_etendus = true;
    p.tables_classiques = {3};
    p.tables_etendues.clear();
    ecrit_reglages(ini, p);
    EXPECT_EQ(objectifs(true), "table_carres");
    EXPECT_EQ(p.tables_etendues, QVector<int> {11});
    EXPECT_EQ(objectifs(false), "table_2,table_3,table_4,table_5,table_6,table_7,table_8,table_9");
}

TEST(Parametres, chaque_cle_ecrite_se_relit_et_la_console_laisse_mode_et_objectifs)
{
    ParametresGeneraux p;
    p.temps_acceptable = 7;
    p.temps_maximum = 30;
    p.temps_initial = 9;
    p.temps_final = 2;
    p.ordre_valeur_produit = p.apprentissage_obligatoire = p.masquer_incomplets = p.mode_ecole = true;
    p.chrono_visible = p.pause_visible = p.configuration_personnelle = false;
    p.items_par_bloc = 4;
    p.formule = QStringLiteral("1.1.1.3");
    p.tables_classiques = {2, 9};
    p.tables_etendues = {11};
    FichierIni ini;
    ecrit_reglages(ini, p);
    ParametresGeneraux relu = lit_parametres(ini);
    relu.objectifs_classiques_lus = relu.objectifs_etendus_lus = relu.formule_lue = QString();
    EXPECT_TRUE(relu == p);

    FichierIni console;
    ecrit_parametres_communs(console, p);
    EXPECT_FALSE(console.contient(cles::general, cles::mode));
    EXPECT_FALSE(console.contient(cles::parametres, cles::objectifs_classiques_defaut));
    EXPECT_EQ(lit_parametres(console).temps_maximum, 30);
}

TEST(Formule, chaque_refus_dit_pourquoi)
{
    for (const auto& [formule, raison] :
        std::initializer_list<std::pair<const char*, const char*>> {{"1.1.2.1.3", ""}, {"1.1.1.3.3", ""},
            {" 1.1.2 ", ""}, {"", "vide"}, {"1..2", "manque un nombre"}, {"1.1.0.3", "« 0 »"},
            {"1,1,2", "« 1,1,2 »"}, {"3", "au moins deux nombres"}, {"1.1", "au moins 2"},
            {"1.2.1.3", "L'étape 2 révise 2 blocs alors que 1 seulement a été présenté."},
            {"1.1.3.1.3", "L'étape 3 révise 3 blocs alors que 2 seulement ont été présentés."},
            {"1.1.1.1.3", "présentent 4 blocs alors que la base en annonce 3"},
            {"2.1.1.2", "L'étape 1 révise 2 blocs alors qu'aucun n'a encore été présenté."},
            // Usable but for its length, which would make plans of thousands of steps.
            {"1.1.2.1.3.1.4.1.5.1.6.1.7.1.8.8", ""},
            {"1.1.2.2.2.2.2.2.2.2.2.2.2.2.2.2.2", "La formule a plus de 32 caractères."}}) {
        const QString refus = refus_formule(QString::fromUtf8(formule));
        EXPECT_TRUE(*raison ? refus.contains(QString::fromUtf8(raison)) : refus.isEmpty())
            << formule << " : " << refus.toStdString();
    }
    EXPECT_EQ(lecture_formule(QStringLiteral("1.1.2.1.1.4")).toStdString(), "A, B, AB, C, D, ABCD");
    EXPECT_EQ(lecture_formule(QStringLiteral("1.2.1.3")).toStdString(), "");
}

TEST(EnregistrementReglages, un_dossier_ou_l_on_ne_peut_ecrire_laisse_le_fichier_tel_qu_il_etait_et_le_dit)
{
    DossierTest d;
    ASSERT_TRUE(ecrit_configuration_par_defaut(d.chemin()).ok);
    const QString chemin = d.chemin(QStringLiteral("Tabrix.ini"));
    const QByteArray avant = contenu(chemin);
    // Readable and not writable, also for root once it has become "nobody".
    QFile::setPermissions(
        d.chemin(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const int resultat = dans_un_processus_nobody([&] {
        ParametresGeneraux p = lit_parametres(FichierIni(chemin));
        p.temps_maximum = 33;
        const EnregistrementReglages r = enregistre_reglages(chemin, p);
        return r.ok ? 1 : (r.erreur.contains(QStringLiteral("resté tel qu'il était")) ? 0 : 2);
    });
    QFile::setPermissions(d.chemin(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(resultat, 0) << "1: réussite annoncée, 2: échec sans message, -1: pas d'utilisateur nobody";
    EXPECT_EQ(contenu(chemin), avant);
}

TEST(EnregistrementReglages, formule_inutilisable_ou_fichier_illisible_rien_n_est_ecrit)
{
    DossierTest d;
    const QString chemin = d.chemin(QStringLiteral("Tabrix.ini"));
    ParametresGeneraux p;
    p.formule = QStringLiteral("1.3.1.3");
    EXPECT_TRUE(enregistre_reglages(chemin, p).erreur.contains(QStringLiteral("L'étape 2 révise 3 blocs")));
    EXPECT_FALSE(QFile::exists(chemin));
    ASSERT_TRUE(QDir().mkdir(chemin)); // what cannot be read cannot be rewritten without losing keys
    p.formule = QStringLiteral("1.1.1.3");
    EXPECT_TRUE(enregistre_reglages(chemin, p).erreur.contains(QStringLiteral("n'a pas pu être lu")));
    EXPECT_TRUE(QFileInfo(chemin).isDir());
}

// The console and the dialog share the rule: the file's own formula, even unusable, goes back as it was when
// left untouched (saving another setting must not fail on it); a formula the user typed is judged.
TEST(EnregistrementReglages, une_formule_du_fichier_n_est_jugee_que_si_l_on_y_touche)
{
    DossierTest d;
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
    ini.change_chemin(d.chemin(QStringLiteral("Tabrix.ini")));
    ini.ecrit_texte(cles::apprentissage_blocs, cles::formule, QStringLiteral("1.3.1.3"));
    ASSERT_TRUE(ini.enregistre().ok);
    ParametresGeneraux p = lit_parametres(ini);
    EXPECT_FALSE(refus_formule(p.formule).isEmpty());
    p.temps_acceptable += 5;
    EXPECT_TRUE(enregistre_reglages(ini.chemin(), p).ok);
    EXPECT_EQ(FichierIni(ini.chemin()).lit_texte(cles::apprentissage_blocs, cles::formule),
        QStringLiteral("1.3.1.3"));
    p.formule = QStringLiteral("1.4.1.4");
    EXPECT_FALSE(enregistre_reglages(ini.chemin(), p).ok);
    p.formule = QStringLiteral("1.1.2.1.3");
    EXPECT_TRUE(enregistre_reglages(ini.chemin(), p).ok);
}

TEST(EnregistrementReglages, en_mode_ecole_la_copie_du_serveur_qui_reviendra_est_annoncee)
{
    DossierTest d;
    ASSERT_TRUE(d.cree(QStringLiteral("serveur/Tabrix")));
    ASSERT_TRUE(ecrit_configuration_par_defaut(d.chemin(QStringLiteral("serveur/Tabrix"))).ok);
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(configuration_par_defaut()));
    ini.change_chemin(d.chemin(QStringLiteral("Tabrix.ini")));
    ini.ecrit_texte(cles::dossiers, cles::chemin_serveur, d.chemin(QStringLiteral("serveur")));
    ParametresGeneraux p = lit_parametres(ini);
    p.mode_ecole = true;
    ASSERT_TRUE(ini.enregistre().ok);
    const EnregistrementReglages r = enregistre_reglages(ini.chemin(), p);
    ASSERT_TRUE(r.ok && r.remarques.size() == 1);
    EXPECT_TRUE(
        r.remarques[0].contains(QStringLiteral("la configuration du serveur remplacera celle de ce poste")));
}
