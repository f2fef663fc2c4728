// Saves screenshots of the learning window into the folder given as argument:
//   xvfb-run -s "-screen 0 1920x1080x24" ./captures_apprentissage docs/images
// (QT_SCALE_FACTOR=1.5 in front for the 150 % look).
#include "core/faits.h"
#include "learning/tapprent.h"
#include "seance/session.h"
#include "support/messagerie_enregistreuse.h"
#include "support/plateforme_factice.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

using Phase = MoteurApprentissage::Phase;

class Capture
{
public:
    Capture(const QString& sortie, const QStringList& produits, int taille_bloc)
        : m_sortie(sortie)
        , m_session(m_dossier.path(), m_horloge, m_messages, m_plateforme)
    {
        EtatEleve& e = m_session.eleve();
        e.identite.nom = QStringLiteral("Martin");
        e.identite.prenom = QStringLiteral("Léa");
        e.identite.chemin_historique = m_dossier.path() + QStringLiteral("/Martin_Léa.txt");
        // A pupil who has a history: no first-use greeting over the screenshots.
        QFile historique(e.identite.chemin_historique);
        if (historique.open(QIODevice::WriteOnly))
            historique.write("Séance du Lundi 02/12/2024\r\n");
        e.produits_a_memoriser = produits;
        m_session.reglages().nombre_items_par_bloc = taille_bloc;
        m_fenetre = std::make_unique<Tapprent>(m_session, m_horloge, 2024);
        m_fenetre->ouvre();
        m_fenetre->setGeometry(0, 0, 1280, 860);
        pause();
    }

    const MoteurApprentissage& moteur() const { return m_fenetre->moteur(); }

    void clic(const char* nom)
    {
        QTest::mouseClick(m_fenetre->findChild<QPushButton*>(QString::fromLatin1(nom)), Qt::LeftButton);
    }

    // Types the answer to the current question, right or wrong, `delai_ms` after it was asked.
    void tape(bool juste, int delai_ms = 1500)
    {
        const QString valeur = valeur_produit(moteur().item(moteur().item_courant()).code);
        m_horloge.avance_ms(delai_ms);
        QTest::keyClicks(m_fenetre->findChild<QWidget*>(QStringLiteral("MaskEdit1")),
            juste ? valeur : QString::number(valeur.toInt() + 1).right(valeur.size()));
    }

    // One step of the drill: resumes a prompt, or answers and lets the delay or the correction go by.
    void avance(bool juste = true)
    {
        if (moteur().phase() == Phase::invite) {
            clic("BitBtn3");
            return;
        }
        tape(juste);
        if (moteur().phase() == Phase::correction) {
            clic("ButtonOK");
            return;
        }
        auto* timer = m_fenetre->findChild<QTimer*>(QStringLiteral("Timer1"));
        m_horloge.avance_ms(timer->interval());
        timer->stop();
        QMetaObject::invokeMethod(timer, "timeout");
    }

    void jusqu_a_l_etape(int etape)
    {
        while (moteur().plan().etape_courante() < etape && moteur().phase() != Phase::fin)
            avance();
    }

    void sauve(const QString& nom)
    {
        pause();
        m_fenetre->grab().save(QDir(m_sortie).filePath(nom));
        std::printf("%s\n", qPrintable(nom));
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
    QTemporaryDir m_dossier;
    HorlogeManuelle m_horloge;
    MessagerieEnregistreuse m_messages;
    PlateformeFactice m_plateforme;
    Session m_session;
    std::unique_ptr<Tapprent> m_fenetre;
};

void huit_produits(const QString& sortie)
{
    Capture c(sortie, produits_des_tables(QStringLiteral("table_7")), 3);
    c.sauve(QStringLiteral("apprentissage_nouveau_bloc.png"));
    c.avance();
    c.avance();
    c.tape(false);
    c.sauve(QStringLiteral("apprentissage_correction.png"));
    c.clic("ButtonOK");
    for (int i = 0; i < 3; ++i)
        c.avance();
    c.sauve(QStringLiteral("apprentissage_erreur_passage.png"));

    // The review of the first two blocks, some items on their way to green, one just missed.
    c.jusqu_a_l_etape(2);
    c.avance();
    for (int i = 0; i < 20; ++i)
        c.avance(i != 18);
    c.sauve(QStringLiteral("apprentissage_revision.png"));

    while (c.moteur().phase() != Phase::fin)
        c.avance();
    c.sauve(QStringLiteral("apprentissage_bravo.png"));
}

void vingt_quatre_produits(const QString& sortie)
{
    Capture c(sortie, produits_des_tables(QStringLiteral("table_2,table_3,table_4")), 3);
    while (c.moteur().plan().nombre_items_etape() < 18 || c.moteur().phase() == Phase::invite)
        c.avance();
    for (int i = 0; i < 40; ++i)
        c.avance(i % 9 != 4);
    c.sauve(QStringLiteral("apprentissage_18_items.png"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString sortie = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(sortie);
    huit_produits(sortie);
    vingt_quatre_produits(sortie);
    return 0;
}
