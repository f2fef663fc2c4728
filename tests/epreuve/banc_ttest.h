#pragma once

#include "core/faits.h"
#include "epreuve/ttest.h"
#include "seance/session.h"
#include "storage/fichier_texte.h"
#include "support/dossier_test.h"
#include "support/gui/repondeur.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "ui/boite_message.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A pupil, Marie Dupont, at home on Tuesday 3 December 2024, and the real test window on a manual clock.
// Timers never run: a test fires one by invoking its timeout once the window has armed it.
class BancTtest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dossier.cree(QStringLiteral("stats")));
        session = std::make_unique<Session>(m_dossier.chemin(), horloge, messages, plateforme);
        Reglages& r = session->reglages();
        r.temps_reponse_maximum = 10;
        r.temps_reponse_acceptable = 4;
        r.dossier_programme = m_dossier.chemin() + QLatin1Char('/');
        r.dossier_eleves = m_dossier.chemin();
        r.dossier_statistiques_local = m_dossier.chemin(QStringLiteral("stats")) + QLatin1Char('/');
        EtatEleve& e = session->eleve();
        e.identite.nom = QStringLiteral("Dupont");
        e.identite.prenom = QStringLiteral("Marie");
        e.identite.nom_fichier = QStringLiteral("Dupont_Marie");
        e.identite.chemin_historique = m_dossier.chemin(QStringLiteral("Dupont_Marie.txt"));
        etudie(QStringLiteral("table_7"));
        fenetre = std::make_unique<Ttest>(*session, horloge, 7);
    }

    void etudie(const QString& tables)
    {
        session->eleve().objectifs = tables;
        session->eleve().produits_etudies = produits_des_tables(tables);
    }

    QString chemin(const QString& relatif) const { return m_dossier.chemin(relatif); }

    template <typename W> W* trouve(const char* nom) const
    {
        return fenetre->findChild<W*>(QString::fromLatin1(nom));
    }
    QLabel* etiquette(const char* nom) const { return trouve<QLabel>(nom); }
    QPushButton* bouton(const char* nom) const { return trouve<QPushButton>(nom); }

    // Fires an armed timer of the window (or of its message box) as the event loop would.
    void declenche(const char* nom)
    {
        QTimer* t = fenetre->findChild<QTimer*>(QString::fromLatin1(nom));
        ASSERT_NE(t, nullptr) << nom;
        ASSERT_TRUE(t->isActive()) << nom;
        if (t->isSingleShot())
            t->stop();
        QMetaObject::invokeMethod(t, "timeout");
    }

    // The product asked, from the question label (" 7×9? ").
    QString code_pose() const
    {
        const QString q = etiquette("Label_quest")->text().trimmed();
        const int x = int(q.indexOf(QStringLiteral("×")));
        return zeros_devant(q.left(x).toInt(), 2) + zeros_devant(q.mid(x + 1).chopped(1).toInt(), 2);
    }

    // Types the answer `delai_ms` after the question, then lets the 300 ms correction run.
    void repond(const QString& reponse, int delai_ms = 1000)
    {
        horloge.avance_ms(delai_ms);
        QTest::keyClicks(trouve<QWidget>("MaskEdit1"), reponse);
        horloge.avance_ms(300);
        declenche("affiche");
    }

    // Answers every question until the result panel, the answer chosen per product and pass.
    void passe_le_test(
        const std::function<QString(const QString& code, bool seconde_chance)>& reponse,
        const std::function<int(const QString& code)>& delai = [](const QString&) { return 1000; })
    {
        int garde = 0;
        while (fenetre->moteur().phase() != MoteurTest::Phase::fini && ++garde < 400) {
            if (fenetre->boite_message().isVisible()) {
                QTest::mouseClick(
                    fenetre->boite_message().findChild<QPushButton*>(QStringLiteral("Button_OK")),
                    Qt::LeftButton);
                continue;
            }
            const QString code = code_pose();
            const bool seconde = fenetre->moteur().num_question() > fenetre->moteur().nombre_produits();
            repond(reponse(code, seconde), delai(code));
        }
        ASSERT_EQ(fenetre->moteur().phase(), MoteurTest::Phase::fini);
    }

    static QString juste(const QString& code, bool = false) { return valeur_produit(code); }

    HorlogeManuelle horloge;
    MessagerieEnregistreuse messages;
    PlateformeFactice plateforme;
    std::unique_ptr<Session> session;
    std::unique_ptr<Ttest> fenetre;

private:
    DossierTest m_dossier;
};
