#include "seance/identification.h"
#include "seance/identification_ecole.h"
#include "seance/identification_eleve.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QChar nbsp(0xA0);

QString forme(const QString& nom, const QString& prenom)
{
    return nom + nbsp + prenom;
}

} // namespace

TEST(ListeClasse, raccourcis_de_la_classe_tries_sans_casse_et_noms_sans_prenom_ecartes)
{
    EcoleTest ecole;
    ecole.ajoute(QStringLiteral("dupont_Zoé"), QStringLiteral("CM1-B"));
    ecole.ajoute(QStringLiteral("Dupont_Anna"), QStringLiteral("CM1-B"));
    ecole.ajoute(QStringLiteral("Martin_Léo"), QStringLiteral("CM1-B"));
    ecole.ajoute(QStringLiteral("Autre_Classe"), QStringLiteral("CM2"));
    const QString classe = ecole.reglages.dossier_annee + QStringLiteral("/CM1-B/");
    ecrit_lignes(classe + QStringLiteral("SansPrenom.lnk"), {});
    ecrit_lignes(classe + QStringLiteral("Egare_Fichier.txt"), {});

    IdentificationEleve id(ecole.reglages, QStringLiteral("2024-2025"));
    id.initialisation();
    EXPECT_TRUE(id.liste_eleves_affichee().isEmpty());
    id.choisit_classe(QStringLiteral("CM1-B"));
    EXPECT_EQ(id.liste_eleves_affichee(),
        (QStringList {QStringLiteral("Dupont_Anna.lnk"), QStringLiteral("dupont_Zoé.lnk"),
            QStringLiteral("Martin_Léo.lnk")}));
    EXPECT_EQ(id.formes_affichees().first(), forme(QStringLiteral("Dupont"), QStringLiteral("Anna")));
    EXPECT_EQ(id.texte_panneau_classe(), QStringLiteral(" Classe: CM1-B "));
}

TEST(ListeClasse, un_clic_donne_l_historique_commun_et_le_niveau_de_la_classe)
{
    EcoleTest ecole;
    ecole.reglages.niveaux.append({QStringLiteral("Soutien"), {QStringLiteral("CM1-B")}});
    ecole.ajoute(QStringLiteral("Le Goff_Marie Anne"), QStringLiteral("CM1-B"));
    IdentificationEleve id(ecole.reglages, QStringLiteral("2024-2025"));
    id.initialisation();
    id.choisit_classe(QStringLiteral("CM1-B"));

    EXPECT_FALSE(id.choisit_nom(forme(QStringLiteral("Inconnu"), QStringLiteral("Paul"))));
    EXPECT_FALSE(id.identite().identifie());
    ASSERT_TRUE(id.choisit_nom(forme(QStringLiteral("Le Goff"), QStringLiteral("Marie Anne"))));
    const IdentiteEleve& e = id.identite();
    EXPECT_EQ(e.chemin_historique, ecole.historique(QStringLiteral("Le Goff_Marie Anne")));
    EXPECT_EQ(e.nom_fichier, QStringLiteral("Le Goff_Marie Anne"));
    EXPECT_EQ(e.nom, QStringLiteral("Le Goff"));
    EXPECT_EQ(e.prenom, QStringLiteral("Marie Anne"));
    EXPECT_EQ(e.classe, QStringLiteral("CM1-B"));
    EXPECT_EQ(e.niveau, QStringLiteral("Soutien")); // the last level holding the class
    EXPECT_EQ(e.dossier_liste, ecole.reglages.dossier_etablissement);
    EXPECT_EQ(e.dossier_classe, ecole.reglages.dossier_annee + QStringLiteral("/CM1-B"));
    EXPECT_EQ(e.code, code_de_nom(QStringLiteral("Le Goff_Marie Anne")));
}

TEST(Code, le_dernier_eleve_de_la_liste_qui_a_ce_code_l_emporte)
{
    // Two base names with the same code, found by trying names until two meet.
    QHash<QString, QString> vus;
    QString premier;
    QString second;
    for (int i = 0; i < 100000 && second.isEmpty(); ++i) {
        const QString nom = QStringLiteral("Eleve_N") + QString::number(i, 36);
        const QString code = code_de_nom(nom);
        if (vus.contains(code)) {
            premier = vus[code];
            second = nom;
        }
        vus.insert(code, nom);
    }
    ASSERT_FALSE(second.isEmpty());

    EcoleTest ecole;
    ecole.ajoute(premier, QStringLiteral("CP"));
    ecole.ajoute(second, QStringLiteral("CP"));
    ecole.ajoute(QStringLiteral("Autre_Eleve"), QStringLiteral("CP"));
    IdentificationEleve id(ecole.reglages, QStringLiteral("2024-2025"));
    id.initialisation();
    id.choisit_classe(QStringLiteral("CP"));
    ASSERT_TRUE(id.verifie_code(code_de_nom(premier)));
    const QStringList liste = id.liste_eleves_affichee();
    const QString dernier
        = liste.indexOf(premier + QStringLiteral(".lnk")) > liste.indexOf(second + QStringLiteral(".lnk"))
        ? premier
        : second;
    EXPECT_EQ(id.identite().nom_fichier, dernier);
    EXPECT_EQ(id.identite().chemin_historique, ecole.historique(dernier));
}

TEST(HorsClasse, un_eleve_inscrit_sans_classe_est_retrouve_par_son_nom_et_son_code_avec_le_meme_historique)
{
    EcoleTest ecole;
    {
        IdentificationEleve id(ecole.reglages, QStringLiteral("2024-2025"));
        id.initialisation();
        id.choisit_classe(IdentificationEleve::aucune());
        EXPECT_TRUE(id.liste_eleves_affichee().isEmpty());
        const QString base
            = IdentificationEleve::nom_fichier_inscription(QStringLiteral("Petit"), QStringLiteral("Léa"));
        ASSERT_TRUE(id.inscrit(base));
        EXPECT_EQ(id.identite().chemin_historique, ecole.historique(QStringLiteral("Petit_Léa")));
        EXPECT_TRUE(id.identite().classe.isEmpty());
        EXPECT_TRUE(id.identite().dossier_classe.isEmpty());
        EXPECT_EQ(id.identite().dossier_liste,
            ecole.reglages.dossier_etablissement + QStringLiteral("/Hors classe"));
    }
    // The main window writes the history where the identity says.
    ecrit_lignes(ecole.historique(QStringLiteral("Petit_Léa")), {});

    IdentificationEleve id(ecole.reglages, QStringLiteral("2024-2025"));
    id.initialisation();
    id.choisit_classe(IdentificationEleve::aucune());
    EXPECT_EQ(id.texte_panneau_classe(), QStringLiteral(" Classe: aucune "));
    ASSERT_EQ(id.liste_eleves_affichee(), QStringList {QStringLiteral("Petit_Léa.lnk")});
    ASSERT_TRUE(id.choisit_nom(forme(QStringLiteral("Petit"), QStringLiteral("Léa"))));
    const QString par_nom = id.identite().chemin_historique;
    ASSERT_TRUE(id.verifie_code(code_de_nom(QStringLiteral("Petit_Léa"))));
    EXPECT_EQ(id.identite().chemin_historique, par_nom);
    EXPECT_EQ(par_nom, ecole.historique(QStringLiteral("Petit_Léa")));

    // He is also found by the former-pupil search, which looks at the establishment's histories.
    EXPECT_FALSE(id.recherche_ancien_eleve_utile(QStringLiteral("Petit_Léa")));
}

TEST(HorsClasse, un_historique_pose_dans_hors_classe_reste_lu_la_ou_il_est)
{
    EcoleTest ecole;
    const QString hors = ecole.reglages.dossier_etablissement + QStringLiteral("/Hors classe/");
    ecrit_lignes(hors + QStringLiteral("Ancien_Format.txt"), {QStringLiteral("Séance du")});
    ecrit_lignes(hors + QStringLiteral("Double_Place.txt"), {});
    ecrit_lignes(hors + QStringLiteral("Double_Place.lnk"), {});
    ecole.ajoute(QStringLiteral("Double_Place"));

    IdentificationEleve id(ecole.reglages, QStringLiteral("2024-2025"));
    id.initialisation();
    id.choisit_classe(IdentificationEleve::aucune());
    EXPECT_EQ(id.liste_eleves_affichee().size(), 2);
    ASSERT_TRUE(id.verifie_code(code_de_nom(QStringLiteral("Ancien_Format"))));
    EXPECT_EQ(id.identite().chemin_historique, hors + QStringLiteral("Ancien_Format.txt"));
    ASSERT_TRUE(id.choisit_nom(forme(QStringLiteral("Double"), QStringLiteral("Place"))));
    EXPECT_EQ(id.identite().chemin_historique, ecole.historique(QStringLiteral("Double_Place")));
}

TEST(HorsClasse, une_marque_impossible_a_ecrire_est_signalee_et_l_eleve_garde_son_identite)
{
    EcoleTest ecole;
    const QString hors = ecole.reglages.dossier_etablissement + QStringLiteral("/Hors classe");
    QDir(hors).removeRecursively();
    ecrit_lignes(hors, {}); // a file where the folder should be
    IdentificationEleve id(ecole.reglages, QStringLiteral("2024-2025"));
    id.initialisation();
    id.choisit_classe(IdentificationEleve::aucune());
    const Ecriture e = id.inscrit(QStringLiteral("Petit_Léa"));
    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.erreur.isEmpty());
    EXPECT_EQ(id.identite().chemin_historique, ecole.historique(QStringLiteral("Petit_Léa")));
}

TEST(Maison, les_historiques_du_dossier_des_eleves_par_nom_et_par_code)
{
    EcoleTest maison(false);
    maison.ajoute(QStringLiteral("Durand_Paul"));
    maison.ajoute(QStringLiteral("Bernard_Eve"));
    ecrit_lignes(maison.reglages.dossier_eleves + QStringLiteral("/PREMIER DEMARRAGE.TXT"), {});
    IdentificationEleve id(maison.reglages, QStringLiteral("2024-2025"));
    id.initialisation();
    EXPECT_EQ(id.liste_eleves_affichee(),
        (QStringList {QStringLiteral("Bernard_Eve.txt"), QStringLiteral("Durand_Paul.txt")}));
    ASSERT_TRUE(id.verifie_code(code_de_nom(QStringLiteral("Durand_Paul"))));
    const QString attendu = maison.reglages.dossier_eleves + QStringLiteral("/Durand_Paul.txt");
    EXPECT_EQ(id.identite().chemin_historique, attendu);
    EXPECT_EQ(id.identite().dossier_liste, maison.reglages.dossier_eleves);
    EXPECT_TRUE(id.identite().classe.isEmpty());
    ASSERT_TRUE(id.choisit_nom(forme(QStringLiteral("Durand"), QStringLiteral("Paul"))));
    EXPECT_EQ(id.identite().chemin_historique, attendu);

    EXPECT_FALSE(id.recherche_ancien_eleve_utile(QStringLiteral("Neuf_Eleve")));
    ASSERT_TRUE(id.inscrit(QStringLiteral("Neuf_Eleve")));
    EXPECT_EQ(
        id.identite().chemin_historique, maison.reglages.dossier_eleves + QStringLiteral("/Neuf_Eleve.txt"));
}

TEST(Inscription, le_nom_de_fichier_vient_des_champs_nettoyes_et_ne_sort_jamais_du_dossier)
{
    EXPECT_EQ(IdentificationEleve::nom_fichier_inscription(
                  QStringLiteral("  jean  "), QStringLiteral("MARIE-claire")),
        QStringLiteral("Jean_Marie-Claire"));
    EXPECT_EQ(
        IdentificationEleve::nom_fichier_inscription(QStringLiteral("Le Goff "), QStringLiteral("Anne ")),
        QStringLiteral("Le Goff_Anne"));
    EXPECT_EQ(
        IdentificationEleve::nom_fichier_inscription(QStringLiteral("../../etc/x"), QStringLiteral("a\\b:c")),
        QStringLiteral("Etcx_Abc"));
    EXPECT_TRUE(IdentificationEleve::nom_fichier_inscription(QStringLiteral(".."), QStringLiteral("Marie"))
                    .isEmpty());
    EXPECT_TRUE(IdentificationEleve::nom_fichier_inscription(QStringLiteral("Dupont"), QStringLiteral("42"))
                    .isEmpty());
}

TEST(AncienEleve, noms_semblables_des_quatre_annees_precedentes_avec_leur_classe)
{
    EcoleTest ecole;
    ecole.ajoute(QStringLiteral("Dupond_Marie"), QStringLiteral("CE2"), QStringLiteral("2023-2024"));
    ecole.ajoute(QStringLiteral("Dupont_Mari"), QStringLiteral("CP"), QStringLiteral("2021-2022"));
    ecole.ajoute(QStringLiteral("Marie_Dupont"), QStringLiteral("CE1"), QStringLiteral("2020-2021"));
    ecole.ajoute(QStringLiteral("Dupont_Maria")); // in no class
    ecole.ajoute(
        QStringLiteral("Dupont_Mary"), QStringLiteral("CP"), QStringLiteral("2019-2020")); // five years ago
    ecole.ajoute(QStringLiteral("Durand_Paul"), QStringLiteral("CE2"), QStringLiteral("2023-2024"));
    // A class folder listed before the one holding the shortcut does not count.
    QDir().mkpath(ecole.reglages.dossier_etablissement + QStringLiteral("/2023-2024/CE1"));

    IdentificationEleve id(ecole.reglages, QStringLiteral("2024-2025"));
    id.initialisation();
    id.choisit_classe(QStringLiteral("CM1-A"));
    ASSERT_TRUE(id.recherche_ancien_eleve_utile(QStringLiteral("Dupont_Marie")));
    const QVector<AncienEleve> anciens = id.anciens_eleves(QStringLiteral("Dupont_Marie"));
    ASSERT_EQ(anciens.size(), 3);
    EXPECT_EQ(anciens[0].nom_fichier, QStringLiteral("Dupond_Marie"));
    EXPECT_EQ(anciens[0].classe, QStringLiteral("CE2"));
    EXPECT_EQ(anciens[0].annees, 1);
    EXPECT_EQ(anciens[1].nom_fichier, QStringLiteral("Dupont_Mari"));
    EXPECT_EQ(anciens[1].annees, 3);
    EXPECT_EQ(anciens[2].nom_fichier, QStringLiteral("Marie_Dupont"));
    EXPECT_EQ(anciens[2].annees, 4);

    ASSERT_TRUE(id.inscrit(anciens[0].nom_fichier));
    EXPECT_EQ(id.identite().chemin_historique, ecole.historique(QStringLiteral("Dupond_Marie")));
    EXPECT_EQ(id.identite().classe, QStringLiteral("CM1-A"));
    EXPECT_EQ(id.identite().niveau, QStringLiteral("CM1"));

    ecole.ajoute(QStringLiteral("Dupont_Marie"));
    EXPECT_FALSE(id.recherche_ancien_eleve_utile(QStringLiteral("Dupont_Marie")));
}
