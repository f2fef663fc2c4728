#include "storage/configuration.h"
#include "support/dossier_test.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

FichierIni ini_de(const char* texte)
{
    return FichierIni::depuis_texte(QString::fromUtf8(texte));
}

Reglages reglages_de(const char* texte, QStringList* remarques = nullptr)
{
    return lit_reglages(ini_de(texte), QStringLiteral("/prog/"), remarques);
}

} // namespace

TEST(Configuration, la_configuration_par_defaut_est_ecrite_en_cp1252_crlf_et_se_relit_telle_quelle)
{
    DossierTest d;
    ASSERT_TRUE(ecrit_configuration_par_defaut(d.chemin()));
    QFile f(d.chemin("Tabrix.ini"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    EXPECT_TRUE(octets.contains("Dossier \xE9l\xE8ves monoposte=Eleves\r\n"));
    EXPECT_EQ(octets.count("\n"), octets.count("\r\n"));

    QStringList remarques;
    const Reglages r = lit_reglages(FichierIni(d.chemin("Tabrix.ini")), d.chemin(), &remarques);
    EXPECT_TRUE(remarques.isEmpty()) << remarques.join(u'\n').toStdString();
    // Every key is there (no remark); the values that differ from an empty file's prove it was read.
    EXPECT_FALSE(r.mode_ecole);
    EXPECT_TRUE(r.configuration_personnelle);
    EXPECT_EQ(r.dossier_eleves, d.chemin("Eleves"));
    EXPECT_EQ(r.dossier_statistiques_local, d.chemin("stats"));
    EXPECT_EQ(r.nom_etablissement, QString());
    EXPECT_FALSE(r.code_prof_requis);
    EXPECT_TRUE(r.chrono_test_visible);
    EXPECT_TRUE(r.bouton_pause_test_visible);
    EXPECT_EQ(r.objectifs_etendus_par_defaut, QStringLiteral("table_carres"));
}

TEST(Configuration, un_tabrix_ini_existant_n_est_jamais_remplace_par_le_defaut)
{
    DossierTest d;
    QFile f(d.chemin("Tabrix.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[General]\r\nMode=Ecole\r\n");
    f.close();
    ASSERT_TRUE(ecrit_configuration_par_defaut(d.chemin()));
    EXPECT_EQ(FichierIni(d.chemin("Tabrix.ini")).lignes().size(), 2);
}

TEST(Configuration, un_fichier_vide_donne_le_mode_maison_les_non_et_des_valeurs_utilisables)
{
    QStringList remarques;
    const Reglages r = reglages_de("", &remarques);
    EXPECT_FALSE(r.mode_ecole);
    EXPECT_FALSE(r.configuration_personnelle);
    EXPECT_FALSE(r.chrono_test_visible);
    EXPECT_EQ(r.nom_etablissement, QStringLiteral("Fichier Tabrix.ini endommagé"));
    // The damaged-file text stands as the access code: the console stays closed rather than open to all.
    EXPECT_TRUE(r.code_prof_requis);
    EXPECT_EQ(r.temps_reponse_acceptable, 4);
    EXPECT_EQ(r.temps_reponse_maximum, 20);
    EXPECT_EQ(r.nombre_items_par_bloc, 3);
    EXPECT_EQ(r.formule_recursive, QStringLiteral("1.1.2.1.3"));
    EXPECT_EQ(r.objectifs_par_defaut, cles::objectifs_classiques_tous);
    EXPECT_TRUE(remarques.join(u' ').contains(QStringLiteral("« Temps de réponse acceptable » manque")));
}

TEST(Configuration, seul_oui_vaut_oui_et_seul_Ecole_donne_le_mode_ecole)
{
    const Reglages r = reglages_de("[General]\nMode=ecole\nAutorise configuration personnelle=Oui\n"
                                   "[Apparence]\nChrono test visible=oui\nBouton pause test visible=o\n"
                                   "Masquer tests incomplets=OUI\n");
    EXPECT_FALSE(r.mode_ecole);
    EXPECT_FALSE(r.configuration_personnelle);
    EXPECT_TRUE(r.chrono_test_visible);
    EXPECT_FALSE(r.bouton_pause_test_visible);
    EXPECT_FALSE(r.masquer_tests_incomplets);
    EXPECT_TRUE(reglages_de("[general]\nmode=Ecole\n").mode_ecole);
}

TEST(Configuration, les_temps_de_reponse_restent_entre_1_et_99)
{
    struct Cas
    {
        const char* valeur;
        int maximum;
        int acceptable;
    };
    for (const Cas& c : {Cas {"99", 99, 99}, Cas {"1", 1, 1}, Cas {"100", 20, 4}, Cas {"0", 20, 4},
             Cas {"-5", 20, 4}, Cas {"vingt", 20, 4}, Cas {"", 20, 4}}) {
        const QByteArray texte = QByteArray("[Paramètres]\nTemps de réponse maximum=") + c.valeur
            + "\nTemps de réponse acceptable=" + c.valeur + "\n[Perfectionnement]\nTemps de réponse initial="
            + c.valeur + "\nTemps de réponse final=" + c.valeur + "\n";
        QStringList remarques;
        const Reglages r = reglages_de(texte.constData(), &remarques);
        EXPECT_EQ(r.temps_reponse_maximum, c.maximum) << c.valeur;
        EXPECT_EQ(r.temps_reponse_acceptable, c.acceptable) << c.valeur;
        EXPECT_EQ(r.temps_reponse_initial, c.maximum == 20 ? 8 : c.maximum) << c.valeur;
        EXPECT_EQ(r.temps_reponse_final, c.acceptable) << c.valeur;
        EXPECT_EQ(remarques.join(u' ').contains(QStringLiteral("Temps de réponse maximum")), c.maximum == 20)
            << c.valeur;
    }
}

TEST(Configuration, une_formule_ou_une_taille_de_bloc_inutilisable_revient_a_1_1_2_1_3_et_3)
{
    for (const char* bonne : {"1.1.2.1.3", "1.1.1.3", "1.1.2.1.1.4", "1.1.2", "1.1.1.3.3"})
        EXPECT_TRUE(formule_utilisable(QString::fromLatin1(bonne))) << bonne;
    for (const char* mauvaise : {"", "3", "1", "1.1.1", "1.3", "1.1.1.1.3", "1.2.1.3", "2.1.1.2", "1.1.0.3",
             "1..2", "1.1.-2", "a.b.c", "1.1.2.1.3.", "1,1,2"})
        EXPECT_FALSE(formule_utilisable(QString::fromLatin1(mauvaise))) << mauvaise;
    // Each "2" more adds about 80 steps to the plan of 86 blocks: 40,000 characters made 1.64 million.
    const QString longue = QStringLiteral("1.1") + QStringLiteral(".2").repeated(20000);
    QStringList remarques;
    EXPECT_EQ(lit_reglages(FichierIni::depuis_texte(QStringLiteral("[Apprentissage par blocs]\nFormule "
                                                                   "récursive=")
                               + longue),
                  QStringLiteral("/p"), &remarques)
                  .formule_recursive,
        QStringLiteral("1.1.2.1.3"));
    EXPECT_EQ(remarques.filter(QStringLiteral("formule d'apprentissage")).size(), 1);

    EXPECT_EQ(reglages_de("[apprentissage par blocs]\nFormule récursive=1.1.1.3\nNombre d'items par bloc=4\n")
                  .formule_recursive,
        QStringLiteral("1.1.1.3"));
    for (const char* taille : {"1", "5", "0", "trois"}) {
        const QByteArray texte
            = QByteArray("[Apprentissage par blocs]\nFormule récursive=1.3\nNombre d'items par bloc=")
            + taille;
        const Reglages r = reglages_de(texte.constData());
        EXPECT_EQ(r.nombre_items_par_bloc, 3) << taille;
        EXPECT_EQ(r.formule_recursive, QStringLiteral("1.1.2.1.3"));
    }
}

TEST(Configuration, un_nom_d_etablissement_qu_aucun_dossier_ne_peut_porter_est_coupe_a_64_caracteres)
{
    const QString e_aigus = QStringLiteral("é").repeated(128); // 256 bytes in UTF-8
    const QString long_308 = QStringLiteral("Collège ") + QStringLiteral("a").repeated(55)
        + QStringLiteral(" ") + QStringLiteral("b").repeated(244);
    struct Cas
    {
        QString nom, utilise;
    };
    for (const Cas& c : {Cas {QStringLiteral("Collège Test"), QStringLiteral("Collège Test")},
             // Longer than a name typed today, yet a folder may hold its histories: kept.
             Cas {e_aigus.left(127), e_aigus.left(127)}, Cas {e_aigus, e_aigus.left(64)},
             Cas {long_308, long_308.left(63)}}) {
        QStringList remarques;
        const Reglages r
            = lit_reglages(FichierIni::depuis_texte(QStringLiteral("[Etablissement]\nNom=") + c.nom),
                QStringLiteral("/p"), &remarques);
        EXPECT_EQ(r.nom_etablissement, c.utilise) << c.nom.size();
        EXPECT_EQ(
            remarques.filter(QStringLiteral("nom de l'établissement")).size(), c.nom == c.utilise ? 0 : 1)
            << c.nom.size();
    }
}

TEST(Configuration, le_chemin_serveur_remplace_le_repere_et_les_barres_windows_deviennent_des_barres)
{
    const Reglages r
        = reglages_de("[General]\nMode=Ecole\n[Dossiers]\nChemin serveur=\\\\serveur\\partage\\\n"
                      "Dossier élèves en réseau={Chemin serveur}\\Tabrix\\Eleves\n"
                      "Dossier statistiques=stats\nDossier élèves monoposte=Eleves\n");
    EXPECT_EQ(r.chemin_serveur, QStringLiteral("//serveur/partage"));
    EXPECT_EQ(r.dossier_eleves, QStringLiteral("//serveur/partage/Tabrix/Eleves"));
    EXPECT_EQ(r.dossier_statistiques_local, QStringLiteral("/prog/stats"));
    EXPECT_EQ(r.dossier_statistiques_serveur, QStringLiteral("//serveur/partage/Tabrix/stats"));
    EXPECT_EQ(r.dossier_monoposte, QStringLiteral("Eleves"));
    // The marker is replaced where it stands, not by blindly cutting 16 characters.
    EXPECT_EQ(remplace_chemin_serveur(QStringLiteral("X:\\{chemin serveur}\\E"), QStringLiteral("srv")),
        QStringLiteral("X:/srv/E"));
    EXPECT_EQ(remplace_chemin_serveur(QStringLiteral("/abs/Eleves"), QStringLiteral("/srv")),
        QStringLiteral("/abs/Eleves"));
}

TEST(Configuration, des_objectifs_par_defaut_sans_produit_reviennent_aux_tables_classiques)
{
    EXPECT_EQ(
        reglages_de("[Paramètres]\nObjectifs tables classiques par defaut=7x<2-9>\n").objectifs_par_defaut,
        QStringLiteral("7x<2-9>"));
    EXPECT_EQ(reglages_de("[Paramètres]\nObjectifs tables classiques par defaut=table_3,table_4\n")
                  .objectifs_par_defaut,
        QStringLiteral("table_3,table_4"));
    for (const char* vide : {"", "table_99", "n'importe quoi", "1x<1>"}) {
        const QByteArray texte = QByteArray("[Paramètres]\nObjectifs tables classiques par defaut=") + vide;
        EXPECT_EQ(reglages_de(texte.constData()).objectifs_par_defaut, cles::objectifs_classiques_tous)
            << vide;
    }
}

TEST(Configuration, la_rentree_reprend_la_structure_la_plus_recente_des_dix_dernieres_annees)
{
    const auto ini = ini_de("[Etablissement]\nNom=\nNiveaux et classes 2021-2022=6e<6A,6B>5e<5A>\n"
                            "Niveaux et classes 2016-2017=CM2<C1>\n");
    const ConfigurationRentree r = configuration_rentree(ini, QStringLiteral("2024-2025"));
    EXPECT_EQ(r.nom_etablissement, QStringLiteral("Collège de Valbrume"));
    EXPECT_EQ(r.annee_reprise, QStringLiteral("2021-2022"));
    ASSERT_EQ(r.niveaux.niveaux.size(), 2);
    EXPECT_EQ(r.niveaux.niveaux[0].classes, (QStringList {"6A", "6B"}));

    // Eleven years back is too old; a year only mentioned in the name is no structure.
    const auto ancien = ini_de("[Etablissement]\nNom=Collège 2023-2024\nNiveaux et classes 2013-2014=X<1>\n");
    const ConfigurationRentree d = configuration_rentree(ancien, QStringLiteral("2024-2025"));
    EXPECT_EQ(d.nom_etablissement, QStringLiteral("Collège 2023-2024"));
    EXPECT_TRUE(d.annee_reprise.isEmpty());
    EXPECT_EQ(d.valeur_niveaux,
        QStringLiteral("sixième<61,62>cinquième<51,52,53>quatrième<41,42,43>troisième<31,32>"));
    EXPECT_EQ(d.niveaux.niveaux.size(), 4);
}
