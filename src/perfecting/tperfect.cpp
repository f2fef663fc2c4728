#include "perfecting/tperfect.h"

#include "core/dates.h"
#include "core/horloge.h"
#include "seance/session.h"
#include "ui/boites.h"
#include "ui/champ_reponse.h"
#include "ui/compteur_score.h"
#include "ui/minuteries.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

using Phase = MoteurPerfectionnement::Phase;

const QColor bleu(0, 0, 255);
const QColor rouge(230, 0, 0);

void colore(QWidget* w, QPalette::ColorRole role, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

} // namespace

Tperfect::Tperfect(Session& session, const Horloge& horloge, quint32 graine, QWidget* parent)
    : FenetreActivite(session, horloge, graine, parent)
    , m_moteur(m_hasard)
{
    construit();
}

Tperfect::~Tperfect() = default;

void Tperfect::demarre(NiveauPerfectionnement niveau)
{
    if (m_session.eleve().produits_etudies.isEmpty()) {
        boites::information(parentWidget(), QStringLiteral("Perfectionnement"),
            QStringLiteral("Choisis d'abord les tables à travailler."));
        return;
    }
    setWindowModality(Qt::ApplicationModal);
    showMaximized();
    raise();
    activateWindow();
    initialisation(niveau);
}

void Tperfect::initialisation(NiveauPerfectionnement niveau)
{
    const Reglages& r = m_session.reglages();
    m_moteur.definit_amenagement(m_session.eleve().amenagement);
    m_moteur.initialisation(m_session.eleve().produits_etudies, niveau, r.temps_reponse_initial,
        r.temps_reponse_final, heure(), maintenant());
    m_ligne_ecrite = false;
    const IdentiteEleve& id = m_session.eleve().identite;
    setWindowTitle(id.prenom + QLatin1Char(' ') + id.nom
        + QStringLiteral(". Perfectionnement: les tables inversées (niveau '")
        + texte_niveau(m_moteur.niveau()) + QStringLiteral("')"));
    cree_labels();
    place_plateau();
    synchronise();
}

void Tperfect::synchronise()
{
    const MoteurPerfectionnement& m = m_moteur;
    applique_minuterie(m_timer_affichage, m.timer_affichage(), m_armements_vus[0]);
    applique_minuterie(m_timer_chrono, m.timer_chrono(), m_armements_vus[1]);
    applique_minuterie(m_timer_affichage_simple, m.timer_affichage_simple(), m_armements_vus[2]);

    m_compteur->affiche_score(m.score_affiche());
    if (!m_compteur->banderole_active())
        m_timer1.stop();
    else if (!m_timer1.isActive())
        m_timer1.start();

    synchronise_question();
    synchronise_correction();

    const bool fini = m.phase() == Phase::fini;
    m_label_erreurs->setText(m.message());
    m_label_erreurs->setAccessibleName(m.message());
    m_label_erreurs->setVisible(m.message_visible());
    colore(m_label_erreurs, QPalette::WindowText,
        m.message() == QLatin1String("OUI!") || fini ? QColor(0, 150, 0) : rouge);
    if (fini && !m.boutons_fin_visibles()) {
        m_label_erreurs->adjustSize();
        m_label_erreurs->move(328, m_label_erreurs->y());
    } else {
        m_label_erreurs->setGeometry(m_label_quest1->x(), m_label_erreurs->y(),
            m_panel_question->width() - 28, m_label_erreurs->height());
    }
    m_button_ok->setVisible(!fini && m.phase() != Phase::inactif);
    m_retour->setVisible(m.boutons_fin_visibles());
    m_suivante->setVisible(m.boutons_fin_visibles());
    const bool chrono = m.niveau() == NiveauPerfectionnement::pas_facile_du_tout && !fini;
    m_label_temps1->setVisible(chrono);
    m_label_temps2->setVisible(chrono);
    m_label_temps2->setText(m.limite_ms() > 0 ? QString::number(m.limite_ms() / 1000) + QStringLiteral(" s")
                                              : QStringLiteral("sans limite"));

    const int n = m.entree_courante();
    m_cadre->setVisible(n > 0 && n < m_labels.size() && !fini);
    if (m_cadre->isVisibleTo(m_plateau)) {
        const QRect g = m_labels[n]->geometry();
        m_cadre->setGeometry(g.x() - 10, g.y() + 1, g.width() + 20, g.height() - 3);
    }

    if (m.demandes_focus() != m_focus_vu && isVisible()) {
        m_focus_vu = m.demandes_focus();
        if (m.focus() == MoteurPerfectionnement::focus_ok)
            m_button_ok->setFocus();
        else
            m_champs[m.focus() - 1]->setFocus();
    }
    if (fini && m.boutons_fin_visibles())
        m_suivante->setFocus();
}

void Tperfect::synchronise_question()
{
    const MoteurPerfectionnement& m = m_moteur;
    const bool question = m.phase() != Phase::fini && m.phase() != Phase::inactif;
    m_label_quest1->setText(m.libelle_produit());
    m_label_quest1->setAccessibleName(m.libelle_produit());
    m_label_quest1->setVisible(question);
    m_panel_question->setVisible(question);
    for (int i = 0; i < MoteurPerfectionnement::nombre_champs; ++i) {
        const MoteurPerfectionnement::Champ& c = m.champ(i + 1);
        ChampReponse* w = m_champs[i];
        w->setVisible(question && c.visible);
        w->fixe_chiffres(c.chiffres);
        w->setFixedWidth(c.chiffres == 1 ? 45 : 80);
        if (w->text() != c.texte) {
            const QSignalBlocker bloque(w);
            w->setText(c.texte);
        }
        w->setReadOnly(c.lecture_seule);
        w->setFocusPolicy(c.lecture_seule ? Qt::NoFocus : Qt::StrongFocus);
        QPalette p = w->palette();
        p.setColor(QPalette::Base, c.rouge ? rouge : palette().color(QPalette::Button));
        p.setColor(QPalette::Text, c.rouge ? QColor(Qt::white) : QColor(Qt::black));
        w->setPalette(p);
        if (i > 0)
            m_separateurs[i - 1]->setVisible(question && c.visible);
    }
    place_ligne();
}

void Tperfect::synchronise_correction()
{
    const MoteurPerfectionnement& m = m_moteur;
    const QVector<Paire>& corr = m.correction();
    m_label_fallait->setVisible(m.fallait_visible());
    m_correction_produit->setVisible(!corr.isEmpty());
    m_correction_produit->setText(m.libelle_produit());
    for (int i = 0; i < MoteurPerfectionnement::nombre_champs; ++i) {
        const bool montre = i / 2 < corr.size();
        QLabel* l = m_correction[i];
        l->setVisible(montre);
        if (i > 0)
            m_correction_separateurs[i - 1]->setVisible(montre);
        if (!montre)
            continue;
        l->setText(i % 2 == 0 ? corr[i / 2].a : corr[i / 2].b);
        l->setAccessibleName(l->text());
        colore(l, QPalette::WindowText, m.champ(i + 1).rouge ? rouge : bleu);
    }
}

void Tperfect::filtre_entree(int champ)
{
    m_moteur.filtre_entree(champ, m_champs[champ - 1]->text());
    synchronise();
}

void Tperfect::Button_OKClick()
{
    const MoteurPerfectionnement::Validation v = m_moteur.Button_OKClick(maintenant());
    synchronise();
    if (v == MoteurPerfectionnement::Validation::incomplete)
        boites::information(this, QString(), QStringLiteral("Réponse incomplète!"));
}

void Tperfect::BitBtn2_suiteClick()
{
    const NiveauPerfectionnement actuel = m_moteur.niveau();
    if (actuel == NiveauPerfectionnement::pas_facile_du_tout)
        return;
    initialisation(NiveauPerfectionnement(int(actuel) + 1));
}

void Tperfect::BitBtn1Click()
{
    close();
}

void Tperfect::Timer_affichageTimer()
{
    m_moteur.Timer_affichageTimer(maintenant());
    synchronise();
}

void Tperfect::Timer_chronoTimer()
{
    m_moteur.Timer_chronoTimer();
    synchronise();
}

void Tperfect::Timer_affichage_simpleTimer()
{
    m_moteur.Timer_affichage_simpleTimer();
    synchronise();
}

void Tperfect::Timer1Timer()
{
    m_compteur->defile();
}

void Tperfect::closeEvent(QCloseEvent* evenement)
{
    m_moteur.arrete();
    synchronise();
    m_timer1.stop();
    if (!m_ligne_ecrite) {
        m_ligne_ecrite = true;
        const QString ligne = m_moteur.ligne_seance(heure());
        if (!ligne.isEmpty())
            m_session.ajoute_activite(ligne);
    }
    detruit_labels();
    QWidget::closeEvent(evenement);
}

void Tperfect::keyPressEvent(QKeyEvent* evenement)
{
    const bool entree = evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter;
    if (entree && m_button_ok->isVisible()) {
        Button_OKClick();
        return;
    }
    // At the end of a level, Enter presses the end button that has the focus.
    if (auto* b = qobject_cast<QPushButton*>(focusWidget()); entree && b && b->isVisible()) {
        b->click();
        return;
    }
    // At the last level the end has no button: Escape leaves, as the close box does.
    if (evenement->key() == Qt::Key_Escape && m_moteur.phase() == Phase::fini) {
        close();
        return;
    }
    FenetreActivite::keyPressEvent(evenement);
}
