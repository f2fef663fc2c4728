#include "banc_ttest.h"

#include "core/dates.h"
#include "epreuve/lancement.h"

#include <QSignalSpy>

TEST_F(BancTtest, un_test_de_8_produits_avec_un_temps_depasse_qui_devient_la_deuxieme_chance)
{
    fenetre->demarre();
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Marie Dupont. test partiel"));
    EXPECT_EQ(plateforme.num, true);
    EXPECT_EQ(plateforme.maj, true);
    ASSERT_EQ(fenetre->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^panel\\d+$"))).size(), 8);

    // Question 1: the first digit 4 250 ms after the question is shown.
    const QString premier = code_pose();
    horloge.avance_ms(4250);
    QTest::keyClicks(trouve<QWidget>("MaskEdit1"), valeur_produit(premier));
    horloge.avance_ms(300);
    declenche("affiche");
    EXPECT_EQ(fenetre->moteur().resultats_test(),
        QLatin1Char('P') + premier + QStringLiteral("042") + valeur_produit_4(premier));

    // Question 2 wrong, questions 3 to 7 right.
    const QString faux = code_pose();
    repond(QString::number(valeur_produit(faux).toInt() + 1));
    for (int q = 3; q <= 7; ++q)
        repond(valeur_produit(code_pose()));

    // Question 8 runs out of time: "Trop long!", then the same box asks again the wrong answer.
    const QString lent = code_pose();
    horloge.avance_ms(10000);
    declenche("chrono");
    Tboite_message& boite = fenetre->boite_message();
    ASSERT_TRUE(boite.isVisible());
    EXPECT_EQ(boite.windowTitle(), QStringLiteral("Dépassement du temps de réponse"));
    EXPECT_EQ(boite.texte(), QStringLiteral("Trop long!"));
    EXPECT_TRUE(
        fenetre->moteur().resultats_test().endsWith(QLatin1Char('P') + lent + QStringLiteral("1000000")));
    QTest::mouseClick(boite.findChild<QPushButton*>(QStringLiteral("Button_OK")), Qt::LeftButton);
    ASSERT_TRUE(boite.isVisible());
    EXPECT_EQ(boite.windowTitle(), QStringLiteral("DEUXIÈME CHANCE!"));
    EXPECT_EQ(boite.texte(), MoteurTest::texte_erreurs(1));
    EXPECT_EQ(boite.bouton(), QStringLiteral("OUI"));

    QTest::mouseClick(boite.findChild<QPushButton*>(QStringLiteral("Button_OK")), Qt::LeftButton);
    EXPECT_FALSE(boite.isVisible());
    EXPECT_EQ(code_pose(), faux);
    horloge.avance_ms(1000);
    repond(valeur_produit(faux));

    // The result panel, the séance line in the pupil's history, the first test of the day on his chart.
    ASSERT_EQ(fenetre->moteur().phase(), MoteurTest::Phase::fini);
    EXPECT_TRUE(trouve<QWidget>("Panel3")->isVisible());
    EXPECT_FALSE(trouve<QWidget>("MaskEdit1")->isVisible());
    EXPECT_TRUE(fenetre->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^panel\\d+$"))).isEmpty());
    const QString ligne = fenetre->ligne_seance();
    EXPECT_EQ(ligne.size(), 29 + 9 * 12);
    EXPECT_TRUE(ligne.startsWith(QStringLiteral("\tTEST de 14:02:10 à ")));
    EXPECT_TRUE(session->eleve().seance_en_cours.contains(ligne));
    const auto historique = lit_lignes(chemin(QStringLiteral("Dupont_Marie.txt")));
    ASSERT_TRUE(historique.has_value());
    EXPECT_TRUE(historique->contains(ligne));
    ASSERT_EQ(session->eleve().jours_tests.size(), 1);
    EXPECT_EQ(session->eleve().jours_tests[0].cle, QStringLiteral("Mardi 03/12/2024"));
    EXPECT_TRUE(session->eleve().test_fait);
    EXPECT_FALSE(etiquette("Image2")->pixmap().isNull());
    EXPECT_TRUE(bouton("BitBtn1")->isVisible());
    EXPECT_TRUE(bouton("BitBtn2")->isVisible());
    EXPECT_FALSE(bouton("BitBtn3")->isEnabled());

    QSignalSpy cache(fenetre.get(), &Ttest::cache);
    QTest::mouseClick(bouton("BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(cache.size(), 1);
    EXPECT_FALSE(plateforme.num);
}

TEST_F(BancTtest, la_pause_blanchit_la_question_et_continuer_la_repose)
{
    fenetre->demarre();
    const QString code = code_pose();
    horloge.avance_ms(3000);
    QTest::mouseClick(bouton("BitBtn_pause"), Qt::LeftButton);
    EXPECT_EQ(etiquette("Label_quest")->text(), QStringLiteral("     "));
    EXPECT_EQ(bouton("BitBtn_pause")->text(), QStringLiteral("Continuer"));
    EXPECT_FALSE(trouve<QTimer>("chrono")->isActive());
    EXPECT_FALSE(trouve<QTimer>("compteur_timer")->isActive());
    QTest::keyClicks(trouve<QWidget>("MaskEdit1"), QStringLiteral("5"));
    horloge.avance_ms(30000);
    QTest::mouseClick(bouton("BitBtn_pause"), Qt::LeftButton);
    EXPECT_EQ(bouton("BitBtn_pause")->text(), QStringLiteral("Pause"));
    EXPECT_EQ(code_pose(), code);
    EXPECT_TRUE(trouve<QTimer>("chrono")->isActive());
    EXPECT_EQ(trouve<QTimer>("chrono")->interval(), 10000);
    // A coarse timer may fire half a second early at 10 s.
    EXPECT_EQ(trouve<QTimer>("chrono")->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(trouve<QTimer>("affiche")->timerType(), Qt::PreciseTimer);
    repond(valeur_produit(code), 2000);
    EXPECT_EQ(fenetre->moteur().resultats_test(),
        QLatin1Char('P') + code + QStringLiteral("020") + valeur_produit_4(code));
}

TEST_F(BancTtest, le_compteur_de_secondes_et_entree_pour_passer)
{
    fenetre->demarre();
    for (int s = 0; s < 10; ++s)
        declenche("compteur_timer");
    EXPECT_TRUE(etiquette("Label_temps")->isVisible());
    EXPECT_EQ(etiquette("Label_temps")->text(), QStringLiteral("10 secondes"));
    declenche("Timer_label_temps");
    EXPECT_FALSE(etiquette("Label_temps")->isVisible());

    // "je ne sais pas" waits 900 ms after the question, then Enter passes it.
    const QString code = code_pose();
    EXPECT_FALSE(bouton("Button_je_passe")->isEnabled());
    declenche("TimerJePasse");
    EXPECT_TRUE(bouton("Button_je_passe")->isEnabled());
    horloge.avance_ms(1234);
    QTest::keyClick(trouve<QWidget>("MaskEdit1"), Qt::Key_Return);
    EXPECT_EQ(fenetre->moteur().resultats_test(), QLatin1Char('P') + code + QStringLiteral("0120000"));
    EXPECT_NE(code_pose(), code);
}

TEST_F(BancTtest, lance_test_annonce_le_premier_test_avec_son_decompte)
{
    RepondeurBoites repondeur;
    session->eleve().nouvel_eleve = true;
    ASSERT_TRUE(lance_test(*session, nullptr, *fenetre));
    Tboite_message& boite = fenetre->boite_message();
    ASSERT_TRUE(boite.isVisible());
    EXPECT_EQ(boite.windowTitle(), QStringLiteral("premier test"));
    EXPECT_FALSE(fenetre->isVisible());
    auto* ok = boite.findChild<QPushButton*>(QStringLiteral("Button_OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(boite.texte(), QStringLiteral("PRÊT?"));
    EXPECT_EQ(boite.bouton(), QStringLiteral("Oui"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(boite.texte(), QStringLiteral("4"));
    EXPECT_FALSE(ok->isVisible());
    // The countdown cannot be cut short.
    boite.close();
    QTest::keyClick(&boite, Qt::Key_Escape);
    EXPECT_TRUE(boite.isVisible());
    QTimer* timer1 = boite.findChild<QTimer*>(QStringLiteral("Timer1"));
    for (const char* attendu : {"3", "2", "1"}) {
        ASSERT_TRUE(timer1->isActive());
        QMetaObject::invokeMethod(timer1, "timeout");
        EXPECT_EQ(boite.texte(), QString::fromLatin1(attendu));
    }
    QMetaObject::invokeMethod(timer1, "timeout");
    EXPECT_FALSE(boite.isVisible());
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(fenetre->moteur().phase(), MoteurTest::Phase::question);
    EXPECT_TRUE(repondeur.vues.isEmpty());
}

TEST_F(BancTtest, un_second_test_du_jour_demande_confirmation_annuler_par_defaut)
{
    session->eleve().nouvel_eleve = false;
    session->eleve().seance_deja_aujourdhui = true;
    {
        RepondeurBoites repondeur(QMessageBox::Cancel);
        EXPECT_FALSE(lance_test(*session, nullptr, *fenetre));
        ASSERT_EQ(repondeur.vues.size(), 1);
        EXPECT_EQ(repondeur.vues[0].titre, QStringLiteral("UN SEUL test par jour"));
        EXPECT_EQ(repondeur.vues[0].defaut, QMessageBox::Cancel);
        EXPECT_EQ(repondeur.vues[0].boutons, QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_TRUE(
            repondeur.vues[0].texte.startsWith(QStringLiteral("Tu as déjà fait un test aujourd'hui!")));
        EXPECT_FALSE(fenetre->isVisible());
    }
    RepondeurBoites repondeur(QMessageBox::Ok);
    EXPECT_TRUE(lance_test(*session, nullptr, *fenetre));
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_FALSE(fenetre->boite_message().isVisible());
}

TEST_F(BancTtest, etape_suivante_donne_la_table_la_plus_faible_et_rend_la_main)
{
    int table = -1;
    QObject::connect(fenetre.get(), &Ttest::etape_suivante, [&](int t) { table = t; });
    for (int fois = 0; fois < 2; ++fois) {
        fenetre->demarre();
        passe_le_test(&BancTtest::juste);
        QTest::mouseClick(bouton("BitBtn2"), Qt::LeftButton);
        EXPECT_FALSE(fenetre->isVisible());
        EXPECT_EQ(table, 7);
    }
    // Two tests the same day: both in the séance, one day on the chart.
    EXPECT_EQ(session->eleve().jours_tests.size(), 1);
}

TEST_F(BancTtest, imprimer_le_test_se_bloque_trois_secondes)
{
    QStringList imprimees;
    fenetre->definit_impression([&](const QString& ligne) { imprimees.append(ligne); });
    fenetre->demarre();
    passe_le_test(&BancTtest::juste);
    QPushButton* imprimer = bouton("BitBtn3");
    ASSERT_TRUE(imprimer->isEnabled());
    QTest::mouseClick(imprimer, Qt::LeftButton);
    EXPECT_EQ(imprimees, QStringList {fenetre->ligne_seance()});
    EXPECT_FALSE(imprimer->isEnabled());
    EXPECT_EQ(trouve<QTimer>("inhibe_impression")->interval(), 3000);
    QTest::mouseClick(imprimer, Qt::LeftButton);
    EXPECT_EQ(imprimees.size(), 1);
    declenche("inhibe_impression");
    EXPECT_TRUE(imprimer->isEnabled());

    // The printed page knows the classic tables only: a test of squares has nothing to print.
    etudie(QStringLiteral("table_carres"));
    fenetre->demarre();
    passe_le_test(&BancTtest::juste);
    EXPECT_FALSE(imprimer->isEnabled());
}

TEST_F(BancTtest, recommencer_tout_repart_d_un_test_neuf_et_les_verrous_restent_allumes)
{
    etudie(QStringLiteral("tables_classiques"));
    fenetre->demarre();
    for (int q = 1; q <= 3; ++q) {
        EXPECT_FALSE(bouton("BitBtn_recommencer")->isVisible());
        repond(valeur_produit(code_pose()));
    }
    ASSERT_TRUE(bouton("BitBtn_recommencer")->isVisible());
    horloge.avance_ms(60000);
    QTest::mouseClick(bouton("BitBtn_recommencer"), Qt::LeftButton);
    EXPECT_EQ(fenetre->moteur().num_question(), 1);
    EXPECT_TRUE(fenetre->moteur().resultats_test().isEmpty());
    EXPECT_EQ(fenetre->moteur().heure_debut(), QStringLiteral("14:03:13"));

    // The pupil switches Num Lock off: releasing the key puts it back on.
    plateforme.num = false;
    QTest::keyRelease(fenetre.get(), Qt::Key_NumLock);
    EXPECT_TRUE(plateforme.num);
}

TEST_F(BancTtest, un_eleve_au_tiers_temps_a_14_s_par_question_et_garde_le_verdict_de_sa_classe)
{
    // Maximum 10 s for the class: 14 s for him (13.3 rounded up); a time-out stores those 14 s.
    session->eleve().amenagement = Amenagement::tiers;
    fenetre->demarre();
    EXPECT_EQ(fenetre->moteur().temps_maximum_s(), 14);
    EXPECT_EQ(trouve<QTimer>("chrono")->interval(), 14000);
    const QString lent = code_pose();
    horloge.avance_ms(14000);
    declenche("chrono");
    EXPECT_TRUE(
        fenetre->moteur().resultats_test().endsWith(QLatin1Char('P') + lent + QStringLiteral("1400000")));
    QTest::mouseClick(
        fenetre->boite_message().findChild<QPushButton*>(QStringLiteral("Button_OK")), Qt::LeftButton);

    // A right answer after 6 s is within his limit, yet slower than the school's 4 s: "trop lente", as for
    // every pupil.
    passe_le_test(juste, [](const QString&) { return 6000; });
    const QString enr = fenetre->ligne_seance().mid(29);
    for (int i = 12; i + 12 <= enr.size(); i += 12)
        EXPECT_EQ(score_produit(enr.mid(i + 1, 11), 4), 50) << qPrintable(enr.mid(i, 12));
}
