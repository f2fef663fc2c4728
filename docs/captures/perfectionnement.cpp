// Saves screenshots of the perfecting window into the folder given as argument:
//   xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb ./captures_perfectionnement docs/images
// With QT_SCALE_FACTOR=1.5 and a second argument "_150", the same at 150 %.
#include "core/faits.h"
#include "perfecting/tperfect.h"
#include "seance/session.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

class Capture
{
public:
    Capture(const QString& sortie, const QString& suffixe, const QString& tables)
        : m_sortie(sortie)
        , m_suffixe(suffixe)
        , m_session(m_dossier.path(), m_horloge, m_messages, m_plateforme)
    {
        Reglages& r = m_session.reglages();
        r.temps_reponse_initial = 8;
        r.temps_reponse_final = 4;
        EtatEleve& e = m_session.eleve();
        e.identite.nom = QStringLiteral("Martin");
        e.identite.prenom = QStringLiteral("Léa");
        e.identite.nom_fichier = QStringLiteral("Martin_Léa");
        e.identite.chemin_historique = m_dossier.path() + QStringLiteral("/Martin_Léa.txt");
        e.produits_etudies = produits_des_tables(tables);
        m_fenetre = std::make_unique<Tperfect>(m_session, m_horloge, 2024);
    }

    const MoteurPerfectionnement& moteur() const { return m_fenetre->moteur(); }

    void demarre(NiveauPerfectionnement niveau)
    {
        m_fenetre->demarre(niveau);
        m_fenetre->setGeometry(0, 0, 1100, 720);
        pause();
    }

    void declenche(const char* nom)
    {
        QTimer* t = m_fenetre->findChild<QTimer*>(QString::fromLatin1(nom));
        if (t && t->isActive()) {
            t->stop();
            QMetaObject::invokeMethod(t, "timeout");
        }
    }

    // Types these pairs (the expected ones when empty) in the fields left to fill.
    void tape(QVector<Paire> paires = {})
    {
        if (paires.isEmpty())
            paires = moteur().attendues();
        m_horloge.avance_ms(2500);
        for (int i = 1; i <= 2 * paires.size(); ++i) {
            auto* champ = m_fenetre->findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(i));
            if (!champ->isReadOnly())
                QTest::keyClicks(champ, i % 2 ? paires[(i - 1) / 2].a : paires[(i - 1) / 2].b);
        }
    }

    void valide()
    {
        QTest::mouseClick(m_fenetre->findChild<QPushButton*>(QStringLiteral("Button_OK")), Qt::LeftButton);
        declenche("Timer_affichage");
    }

    // Right answers until the product `valeur` is asked.
    void jusqu_a(int valeur)
    {
        for (int q = 0; q < 300 && moteur().libelle_produit() != QString::number(valeur) + QLatin1Char('=');
             ++q) {
            tape();
            valide();
        }
    }

    void sauve(const QString& nom)
    {
        pause();
        const QString fichier = nom + m_suffixe + QStringLiteral(".png");
        m_fenetre->grab().save(QDir(m_sortie).filePath(fichier));
        std::printf("%s\n", qPrintable(fichier));
    }

    static void pause()
    {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
            QTest::qWait(40);
        }
    }

private:
    QString m_sortie;
    QString m_suffixe;
    QTemporaryDir m_dossier;
    HorlogeManuelle m_horloge;
    MessagerieEnregistreuse m_messages;
    PlateformeFactice m_plateforme;
    Session m_session;
    std::unique_ptr<Tperfect> m_fenetre;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString sortie = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString suffixe = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(sortie);
    const QString classiques = QStringLiteral("tables_classiques");
    {
        Capture c(sortie, suffixe, classiques);
        c.demarre(NiveauPerfectionnement::facile);
        c.jusqu_a(36);
        c.sauve(QStringLiteral("perfectionnement_facile"));
    }
    {
        // 6 × 6 gives 36 but is not among the tables studied: only 4 × 9 is.
        Capture c(sortie, suffixe, QStringLiteral("table_4,table_9"));
        c.demarre(NiveauPerfectionnement::pas_facile);
        c.jusqu_a(36);
        c.tape({Paire {QStringLiteral("6"), QStringLiteral("6")}});
        c.valide();
        c.sauve(QStringLiteral("perfectionnement_correction"));
    }
    {
        Capture c(sortie, suffixe, QStringLiteral("tables_classiques,tables_etendues"));
        c.demarre(NiveauPerfectionnement::pas_facile_du_tout);
        c.jusqu_a(144);
        c.tape({Paire {QStringLiteral("9"), QStringLiteral("16")}});
        c.sauve(QStringLiteral("perfectionnement_niveau_3"));
    }
    {
        Capture c(sortie, suffixe, QStringLiteral("table_8"));
        c.demarre(NiveauPerfectionnement::pas_facile);
        while (c.moteur().phase() != MoteurPerfectionnement::Phase::fini) {
            c.tape();
            c.valide();
        }
        for (int i = 0; i < 6; ++i)
            c.declenche("Timer1");
        c.sauve(QStringLiteral("perfectionnement_bravo"));
    }
    return 0;
}
