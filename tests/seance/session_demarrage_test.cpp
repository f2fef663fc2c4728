#include "banc_session.h"
#include "core/dates.h"
#include "seance/demarrage.h"
#include "storage/dossiers.h"
#include "storage/fichier_ini.h"
#include "storage/taille_affichage.h"

#include <QFile>
#include <QFileInfo>

namespace {

QStringList lignes(const QString& chemin)
{
    return lit_lignes(chemin).value_or(QStringList {QStringLiteral("<absent>")});
}

} // namespace

TEST_F(BancSession, un_demarrage_dans_un_dossier_vide_ecrit_la_configuration_et_le_marqueur)
{
    Session& s = nouvelle_session();
    EXPECT_TRUE(demarre_session(s));

    const auto ecrit = lit_texte(poste() + QStringLiteral("/Tabrix.ini"));
    ASSERT_TRUE(ecrit.has_value());
    EXPECT_EQ(vers_cp1252(*ecrit), configuration_par_defaut());
    EXPECT_EQ(lignes(poste() + QStringLiteral("/PREMIER DEMARRAGE.TXT")),
        QStringList {QString::number(horodatage(horloge.date_heure()))});
    EXPECT_EQ(s.titre_fenetre(),
        QStringLiteral("Tabrix version 0.96.04 :    apprentissage des tables à la maison"));
    EXPECT_TRUE(messages.messages.isEmpty());

    EXPECT_FALSE(s.reglages().mode_ecole);
    EXPECT_TRUE(QFileInfo(poste() + QStringLiteral("/Eleves")).isDir());
    EXPECT_TRUE(QFileInfo(poste() + QStringLiteral("/stats")).isDir());
    EXPECT_EQ(s.eleve().produits_etudies.size(), 64);
    EXPECT_EQ(s.objectifs_en_mots(), QStringLiteral("tables de 2 à 9:"));
    EXPECT_EQ(plateforme.verifications_serveur, 0);

    // The marker keeps the first launch's stamp.
    horloge.avance_ms(3600 * 1000);
    s.changement_eleve();
    EXPECT_EQ(lignes(poste() + QStringLiteral("/PREMIER DEMARRAGE.TXT")).first(),
        QString::number(horodatage(horloge.date_heure().addSecs(-3600))));
}

TEST_F(BancSession, le_mode_ecole_travaille_sur_le_serveur_et_cree_les_dossiers_de_l_annee)
{
    ecrit_configuration_ecole();
    Session& s = nouvelle_session();
    EXPECT_TRUE(demarre_session(s));

    EXPECT_EQ(s.titre_fenetre(),
        QStringLiteral("Tabrix version 0.96.04 :    apprentissage des tables à l'école - Collège Test"));
    EXPECT_FALSE(s.mode_monoposte());
    EXPECT_EQ(s.reglages().dossier_eleves, serveur() + QStringLiteral("/Tabrix/Eleves"));
    const QString etablissement = serveur() + QStringLiteral("/Tabrix/Eleves/Collège Test");
    EXPECT_EQ(s.reglages().dossier_etablissement, etablissement);
    for (const QString& d : {QStringLiteral("Hors classe"), QStringLiteral("2024-2025/61"),
             QStringLiteral("2024-2025/62"), QStringLiteral("2024-2025/51")})
        EXPECT_TRUE(QFileInfo(etablissement + QLatin1Char('/') + d).isDir()) << d.toStdString();
    ASSERT_EQ(s.reglages().niveaux.size(), 2);
    EXPECT_EQ(s.reglages().niveaux[0].nom, QStringLiteral("sixième"));
    EXPECT_FALSE(s.horloge_suspecte());
    EXPECT_FALSE(s.nouvelle_annee_scolaire());
    // The folder of the current year is no sign of a wrong clock.
    EXPECT_FALSE(s.Verifie_annee_horloge());

    // The levels are not read again at a change of pupil, and must not be lost there.
    s.changement_eleve();
    EXPECT_EQ(s.reglages().niveaux.size(), 2);
    EXPECT_EQ(s.reglages().dossier_annee, etablissement + QStringLiteral("/2024-2025"));
}

TEST_F(BancSession, un_serveur_injoignable_fait_travailler_en_monoposte_pour_toute_la_duree)
{
    ecrit_configuration_ecole();
    plateforme.injoignables.insert(serveur());
    Session& s = nouvelle_session();
    demarre_session(s);

    EXPECT_TRUE(s.mode_monoposte());
    EXPECT_EQ(s.titre_fenetre(),
        QStringLiteral(
            "Tabrix version 0.96.04 :    apprentissage des tables à l'école - Collège Test    (MODE "
            "MONOPOSTE)"));
    EXPECT_EQ(s.reglages().dossier_eleves, poste() + QStringLiteral("/Eleves"));
    EXPECT_TRUE(QFileInfo(poste() + QStringLiteral("/Eleves/Collège Test/2024-2025/61")).isDir());
    EXPECT_FALSE(s.reglages().serveur_accessible);

    // Checked once per run: a change of pupil keeps the result even when the share comes back.
    plateforme.injoignables.clear();
    s.changement_eleve();
    EXPECT_EQ(plateforme.verifications_serveur, 1);
    EXPECT_TRUE(s.titre_fenetre().endsWith(QStringLiteral("    (MODE MONOPOSTE)")));
}

TEST_F(
    BancSession, un_partage_non_monte_fait_travailler_sur_le_poste_et_le_travail_rejoint_le_serveur_ensuite)
{
    // The empty mount point of a share that is not mounted answers, but holds no Tabrix folder.
    ecrit_configuration_ecole();
    ASSERT_TRUE(QDir(serveur() + QStringLiteral("/Tabrix")).removeRecursively());
    Session& s = nouvelle_session();
    demarre_session(s);
    EXPECT_TRUE(s.mode_monoposte());
    EXPECT_FALSE(s.reglages().serveur_accessible);
    EXPECT_EQ(s.reglages().dossier_eleves, poste() + QStringLiteral("/Eleves"));
    const QString etablissement = s.reglages().dossier_etablissement;
    s.initialise_session_eleve(
        identite(QStringLiteral("Dupont"), QStringLiteral("Marie"), QStringLiteral("61"),
            QStringLiteral("sixième"), s.reglages().dossier_annee + QStringLiteral("/61"), etablissement));
    s.ajoute_activite(QStringLiteral("\tPERFECTIONNEMENT de 14:10:00 à 14:15:00: facile"));
    ASSERT_TRUE(s.EnregistrementSeance());
    EXPECT_TRUE(QDir(serveur()).isEmpty());

    // Mounted again: the next start brings the séance to the server.
    ASSERT_TRUE(QDir().mkpath(serveur() + QStringLiteral("/Tabrix")));
    Session& suivante = nouvelle_session();
    demarre_session(suivante);
    EXPECT_FALSE(suivante.mode_monoposte());
    EXPECT_EQ(lignes(serveur() + QStringLiteral("/Tabrix/Eleves/Collège Test/Dupont_Marie.txt")).size(), 2);
    EXPECT_FALSE(QFileInfo::exists(etablissement + QStringLiteral("/Dupont_Marie.txt")));
}

TEST_F(BancSession, la_configuration_du_serveur_remplace_la_locale_quand_elle_differe)
{
    ecrit_configuration_ecole();
    ecrit_configuration(serveur() + QStringLiteral("/Tabrix"),
        {{cles::general, cles::mode, QStringLiteral("Ecole")},
            {cles::dossiers, cles::chemin_serveur, serveur()},
            {cles::etablissement, cles::nom, QStringLiteral("Collège du Port")},
            {cles::parametres, cles::temps_maximum, QStringLiteral("12")}});
    Session& s = nouvelle_session();
    s.initialise_session();

    EXPECT_EQ(lignes(poste() + QStringLiteral("/Tabrix.ini")),
        lignes(serveur() + QStringLiteral("/Tabrix/Tabrix.ini")));
    EXPECT_EQ(s.reglages().temps_reponse_maximum, 12);
    EXPECT_EQ(
        s.reglages().dossier_etablissement, serveur() + QStringLiteral("/Tabrix/Eleves/Collège du Port"));
    EXPECT_TRUE(s.titre_fenetre().endsWith(QStringLiteral("Collège du Port")));
}

TEST_F(BancSession, la_taille_de_l_affichage_du_poste_survit_a_la_copie_du_serveur)
{
    ecrit_configuration_ecole({{cles::apparence, taille_affichage::cle, QStringLiteral("200 %")}});
    ecrit_configuration(serveur() + QStringLiteral("/Tabrix"),
        {{cles::general, cles::mode, QStringLiteral("Ecole")},
            {cles::dossiers, cles::chemin_serveur, serveur()},
            {cles::parametres, cles::temps_maximum, QStringLiteral("12")},
            {cles::apparence, taille_affichage::cle, QStringLiteral("100 %")}});
    Session& s = nouvelle_session();
    s.initialise_session();

    const FichierIni locale(poste() + QStringLiteral("/Tabrix.ini"));
    EXPECT_EQ(locale.lit_texte(cles::parametres, cles::temps_maximum), QStringLiteral("12"));
    EXPECT_EQ(locale.lit_texte(cles::apparence, taille_affichage::cle), QStringLiteral("200 %"));
    EXPECT_EQ(FichierIni(serveur() + QStringLiteral("/Tabrix/Tabrix.ini"))
                  .lit_texte(cles::apparence, taille_affichage::cle),
        QStringLiteral("100 %"));
}

TEST_F(BancSession, une_copie_vide_sur_le_serveur_ne_vide_pas_la_configuration_du_poste)
{
    ecrit_configuration_ecole();
    ASSERT_TRUE(ecrit_lignes(serveur() + QStringLiteral("/Tabrix/Tabrix.ini"), {}).ok);
    const QStringList avant = lignes(poste() + QStringLiteral("/Tabrix.ini"));

    Session& s = nouvelle_session();
    s.initialise_session();
    EXPECT_EQ(lignes(poste() + QStringLiteral("/Tabrix.ini")), avant);
    EXPECT_TRUE(s.reglages().mode_ecole);
    EXPECT_EQ(messages.compte(QStringLiteral("Tabrix.ini")), 1);
}

TEST_F(BancSession, un_chemin_de_serveur_vide_est_demande_une_fois_et_enregistre_sans_separateur_final)
{
    ecrit_configuration_ecole({{cles::dossiers, cles::chemin_serveur, QString()}});
    // Refused: this machine for the whole run, asked once and not at every pupil.
    {
        Session& s = nouvelle_session();
        s.initialise_session();
        EXPECT_TRUE(s.mode_monoposte());
        s.changement_eleve();
        EXPECT_EQ(messages.compte(QStringLiteral("Serveur non renseigné")), 1);
    }
    messages.messages.clear();
    messages.reponses << serveur() + QStringLiteral("\\");
    Session& s = nouvelle_session();
    s.initialise_session();

    ASSERT_EQ(messages.compte(QStringLiteral("Serveur non renseigné")), 1);
    EXPECT_EQ(messages.messages.first().texte, QStringLiteral("Entrer le chemin du serveur: "));
    EXPECT_FALSE(messages.prefills.last().isEmpty());
    EXPECT_EQ(
        FichierIni(poste() + QStringLiteral("/Tabrix.ini")).lit_texte(cles::dossiers, cles::chemin_serveur),
        serveur());
    EXPECT_FALSE(s.mode_monoposte());
    EXPECT_EQ(s.reglages().dossier_eleves, serveur() + QStringLiteral("/Tabrix/Eleves"));
}

TEST_F(BancSession, un_dossier_d_une_annee_future_signale_l_horloge_et_ne_charge_aucun_niveau)
{
    ecrit_configuration_ecole();
    ASSERT_TRUE(QDir().mkpath(serveur() + QStringLiteral("/Tabrix/Eleves/Collège Test/2026-2027")));
    Session& s = nouvelle_session();
    demarre_session(s);

    EXPECT_TRUE(s.horloge_suspecte());
    ASSERT_EQ(messages.compte(QStringLiteral("Attention!")), 1);
    EXPECT_EQ(messages.messages.last().texte,
        QStringLiteral("Il semble que l'horloge soit déréglée:\nelle indique Mardi 03/12/2024"));
    EXPECT_TRUE(s.reglages().niveaux.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(serveur() + QStringLiteral("/Tabrix/Eleves/Collège Test/2024-2025/61")));
}

TEST_F(BancSession, la_premiere_rentree_reprend_les_classes_d_une_annee_passee_et_attend_la_console)
{
    ecrit_configuration_ecole(
        {{cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025")), QString()},
            {cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2021-2022")),
                QStringLiteral("CM1<A,B>CM2<C>")}});
    Session& s = nouvelle_session();
    EXPECT_FALSE(demarre_session(s));

    EXPECT_TRUE(s.nouvelle_annee_scolaire());
    EXPECT_EQ(s.configuration_rentree_proposee().annee_reprise, QStringLiteral("2021-2022"));
    ASSERT_EQ(s.reglages().niveaux.size(), 2);
    EXPECT_EQ(s.reglages().niveaux[1].classes, QStringList {QStringLiteral("C")});
    EXPECT_EQ(messages.compte(QStringLiteral("Nouvelle année scolaire")), 1);
}

TEST_F(BancSession, la_rentree_ouvre_la_console_quand_elle_existe)
{
    ecrit_configuration_ecole({{cles::etablissement, cles::nom, QString()},
        {cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025")), QString()}});
    Session& s = nouvelle_session();
    QString etablissement_propose;
    s.definit_ouverture_rentree(
        [&](const ConfigurationRentree& c) { etablissement_propose = c.nom_etablissement; });
    EXPECT_FALSE(demarre_session(s));
    EXPECT_EQ(etablissement_propose, QStringLiteral("Collège de Valbrume"));
    EXPECT_EQ(messages.compte(QStringLiteral("Nouvelle année scolaire")), 0);
    EXPECT_EQ(s.reglages().niveaux.size(), 4); // the default classes
}

TEST_F(BancSession, plus_de_quinze_niveaux_sont_signales_une_fois_et_les_suivants_ignores)
{
    QString valeur;
    for (int n = 1; n <= 17; ++n)
        valeur += QStringLiteral("N%1<%1a>").arg(n);
    ecrit_configuration_ecole(
        {{cles::etablissement, cles::niveaux_et_classes(QStringLiteral("2024-2025")), valeur}});
    Session& s = nouvelle_session();
    demarre_session(s);
    EXPECT_EQ(s.reglages().niveaux.size(), 15);
    EXPECT_EQ(messages.compte(cles::niveaux_et_classes(QStringLiteral("2024-2025"))), 1);
    EXPECT_FALSE(QFileInfo::exists(serveur() + QStringLiteral("/Tabrix/Eleves/Collège Test/2024-2025/16a")));
    s.changement_eleve();
    EXPECT_EQ(messages.compte(cles::niveaux_et_classes(QStringLiteral("2024-2025"))), 1);
}

TEST_F(BancSession, un_nom_d_etablissement_qui_remonte_les_dossiers_reste_sous_le_dossier_des_eleves)
{
    ecrit_configuration_ecole({{cles::etablissement, cles::nom, QStringLiteral("../../hors")}});
    Session& s = nouvelle_session();
    demarre_session(s);
    const QString eleves = QDir::cleanPath(serveur() + QStringLiteral("/Tabrix/Eleves"));
    EXPECT_TRUE(QDir::cleanPath(s.reglages().dossier_etablissement).startsWith(eleves + QLatin1Char('/')));
    EXPECT_FALSE(QFileInfo::exists(chemin(QStringLiteral("hors"))));
}

TEST_F(BancSession, les_verrous_du_clavier_reviennent_a_leur_etat_du_lancement)
{
    plateforme.num = true;
    Session& s = nouvelle_session();
    plateforme.num = false; // a drill forced them
    plateforme.maj = true;
    s.initialise_session();
    EXPECT_TRUE(plateforme.num);
    EXPECT_FALSE(plateforme.maj);
    EXPECT_EQ(plateforme.basculements, 2);
    s.restaure_verrous_clavier(); // nothing to toggle
    EXPECT_EQ(plateforme.basculements, 2);
}

TEST_F(BancSession, la_liste_des_records_du_serveur_est_chargee_et_recopiee_sur_le_poste)
{
    ecrit_configuration_ecole();
    const QStringList records {QStringLiteral("085012Martin_Léa"), QStringLiteral("100020Dupont_Marie")};
    ASSERT_TRUE(QDir().mkpath(serveur() + QStringLiteral("/Tabrix/stats")));
    ASSERT_TRUE(ecrit_lignes(serveur() + QStringLiteral("/Tabrix/stats/liste_records.txt"), records).ok);
    Session& s = nouvelle_session();
    s.initialise_session();
    EXPECT_EQ(s.liste_records(), records);
    EXPECT_EQ(lignes(poste() + QStringLiteral("/stats/liste_records.txt")), records);
}

TEST_F(BancSession, le_choix_des_trous_par_defaut_vaut_jusqu_a_l_identification)
{
    ecrit_configuration(poste(), {{cles::options_apprentissage, cles::trous, QStringLiteral("oui")}});
    Session& s = nouvelle_session();
    s.initialise_session();
    EXPECT_FALSE(s.eleve().memorisation.tables_entieres);

    ecrit_configuration(poste(), {{cles::options_apprentissage, cles::trous, QStringLiteral("non")}});
    s.changement_eleve();
    EXPECT_TRUE(s.eleve().memorisation.tables_entieres);
}

TEST_F(BancSession, un_dossier_reseau_relatif_reste_dans_le_dossier_du_programme)
{
    ecrit_configuration_ecole(
        {{cles::dossiers, cles::dossier_eleves_reseau, QStringLiteral("Eleves reseau")}});
    Session& s = nouvelle_session();
    demarre_session(s);
    EXPECT_EQ(s.reglages().dossier_eleves, poste() + QStringLiteral("/Eleves reseau"));
    EXPECT_TRUE(QFileInfo(poste() + QStringLiteral("/Eleves reseau/Collège Test/2024-2025/61")).isDir());
}

TEST_F(BancSession, une_configuration_endommagee_n_empeche_pas_de_demarrer)
{
    QFile f(poste() + QStringLiteral("/Tabrix.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF[General]\nMode\n\x01\x02\xFF\xFE\n[General]\nMode=Ecole\nClé hors section\n");
    f.close();
    Session& s = nouvelle_session();
    demarre_session(s);

    // Every absent key reads as the damaged-file text: an unreachable server, the program on this machine.
    EXPECT_TRUE(s.reglages().mode_ecole);
    EXPECT_TRUE(s.mode_monoposte());
    EXPECT_TRUE(s.titre_fenetre().endsWith(QStringLiteral("    (MODE MONOPOSTE)")));
    EXPECT_TRUE(s.reglages().dossier_eleves.startsWith(poste() + QLatin1Char('/')));
    EXPECT_EQ(s.eleve().produits_etudies.size(), 64);
    EXPECT_EQ(messages.compte(QStringLiteral("Tabrix.ini")), 1);
    s.changement_eleve();
    EXPECT_EQ(messages.compte(QStringLiteral("Tabrix.ini")), 1);
}
