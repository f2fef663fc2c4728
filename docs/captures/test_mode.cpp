// Saves screenshots of the test window into the folder given as argument:
//   xvfb-run -s "-screen 0 1920x1080x24" ./captures_test_mode docs/images
#include "core/faits.h"
#include "epreuve/ttest.h"
#include "seance/session.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"
#include "ui/boite_message.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

class Capture
{
public:
    Capture(const QString& sortie, const QString& tables)
        : m_sortie(sortie)
        , m_session(m_dossier.path(), m_horloge, m_messages, m_plateforme)
    {
        Reglages& r = m_session.reglages();
        r.temps_reponse_maximum = 20;
        r.dossier_statistiques_local = m_dossier.path() + QLatin1Char('/');
        EtatEleve& e = m_session.eleve();
        e.identite.nom = QStringLiteral("Martin");
        e.identite.prenom = QStringLiteral("Léa");
        e.identite.nom_fichier = QStringLiteral("Martin_Léa");
        e.identite.chemin_historique = m_dossier.path() + QStringLiteral("/Martin_Léa.txt");
        e.objectifs = tables;
        e.produits_etudies = produits_des_tables(tables);
        m_fenetre = std::make_unique<Ttest>(m_session, m_horloge, 2024);
    }

    Ttest& fenetre() { return *m_fenetre; }

    void affiche()
    {
        m_fenetre->demarre();
        m_fenetre->setGeometry(0, 0, 1280, 860);
        pause();
    }

    QString code_pose() const
    {
        const QString q = m_fenetre->findChild<QLabel*>(QStringLiteral("Label_quest"))->text().trimmed();
        const int x = int(q.indexOf(QStringLiteral("×")));
        return zeros_devant(q.left(x).toInt(), 2) + zeros_devant(q.mid(x + 1).chopped(1).toInt(), 2);
    }

    void declenche(const char* nom)
    {
        QTimer* t = m_fenetre->findChild<QTimer*>(QString::fromLatin1(nom));
        if (t && t->isActive()) {
            t->stop();
            QMetaObject::invokeMethod(t, "timeout");
        }
    }

    // Right and fast, except every seventh product wrong and every fifth slow.
    void repond(int rang, bool seconde_chance = false)
    {
        const QString code = code_pose();
        const int valeur = valeur_produit(code).toInt();
        m_horloge.avance_ms(rang % 5 == 4 ? 6500 : 1800);
        const bool faux = rang % 7 == 3 && !seconde_chance;
        QTest::keyClicks(m_fenetre->findChild<QWidget*>(QStringLiteral("MaskEdit1")),
            QString::number(faux ? valeur + 1 : valeur).right(QString::number(valeur).size()));
        m_horloge.avance_ms(300);
        declenche("affiche");
        declenche("TimerJePasse");
    }

    void clique_boite()
    {
        QTest::mouseClick(
            m_fenetre->boite_message().findChild<QPushButton*>(QStringLiteral("Button_OK")), Qt::LeftButton);
        pause();
    }

    void sauve_fenetre(const QString& nom)
    {
        pause();
        m_fenetre->grab().save(QDir(m_sortie).filePath(nom));
        std::printf("%s\n", qPrintable(nom));
    }

    void sauve_ecran(const QString& nom, const QRect& zone)
    {
        pause();
        QGuiApplication::primaryScreen()
            ->grabWindow(0, zone.x(), zone.y(), zone.width(), zone.height())
            .save(QDir(m_sortie).filePath(nom));
        std::printf("%s\n", qPrintable(nom));
    }

    static void pause()
    {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
            QTest::qWait(40);
        }
    }

    HorlogeManuelle m_horloge;

private:
    QString m_sortie;
    QTemporaryDir m_dossier;
    MessagerieEnregistreuse m_messages;
    PlateformeFactice m_plateforme;
    Session m_session;
    std::unique_ptr<Ttest> m_fenetre;
};

void classique(const QString& sortie)
{
    Capture c(sortie, QStringLiteral("tables_classiques"));
    c.affiche();
    const MoteurTest& m = c.fenetre().moteur();
    for (int rang = 0; rang < 20; ++rang)
        c.repond(rang);
    for (int s = 0; s < 3; ++s)
        c.declenche("compteur_timer");
    QTest::keyClicks(
        c.fenetre().findChild<QWidget*>(QStringLiteral("MaskEdit1")), valeur_produit(c.code_pose()).left(1));
    c.sauve_fenetre(QStringLiteral("test_question.png"));
    c.m_horloge.avance_ms(400);
    c.declenche("affiche");

    for (int rang = 21; m.num_question() < m.nombre_produits(); ++rang)
        c.repond(rang);
    // The last question of the first pass runs out of time: the box turns into the second chance.
    c.m_horloge.avance_ms(20000);
    c.declenche("chrono");
    c.clique_boite();
    c.sauve_ecran(QStringLiteral("test_deuxieme_chance.png"), QRect(0, 0, 1280, 860));
    c.clique_boite();
    while (m.phase() == MoteurTest::Phase::question)
        c.repond(1, true);
    c.sauve_fenetre(QStringLiteral("test_resultat_classique.png"));
}

void etendu(const QString& sortie)
{
    Capture c(sortie, QStringLiteral("tables_etendues"));
    c.affiche();
    const MoteurTest& m = c.fenetre().moteur();
    for (int rang = 0; m.phase() != MoteurTest::Phase::fini && rang < 400; ++rang) {
        if (c.fenetre().boite_message().isVisible())
            c.clique_boite();
        else
            c.repond(rang, m.num_question() > m.nombre_produits());
    }
    c.sauve_fenetre(QStringLiteral("test_resultat_etendu.png"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString sortie = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(sortie);
    classique(sortie);
    etendu(sortie);
    return 0;
}
