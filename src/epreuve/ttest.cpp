#include "epreuve/ttest.h"

#include "core/dates.h"
#include "core/horloge.h"
#include "epreuve/evaluation_test.h"
#include "epreuve/panneau_resultat.h"
#include "reports/description_graphique.h"
#include "reports/graphique_test.h"
#include "seance/session.h"
#include "storage/records.h"
#include "ui/afficheur_led.h"
#include "ui/boite_message.h"
#include "ui/boites.h"
#include "ui/champ_reponse.h"
#include "ui/minuteries.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

namespace {

const QString titre_deuxieme_chance = QStringLiteral("DEUXIÈME CHANCE!");
const QString texte_trop_long = QStringLiteral("Trop long!");

} // namespace

Ttest::Ttest(Session& session, const Horloge& horloge, quint32 graine, QWidget* parent)
    : FenetreActivite(session, horloge, graine, parent)
    , m_moteur(m_hasard)
{
    construit();
    place_plateau();
}

Ttest::~Ttest() = default;

void Ttest::definit_impression(std::function<void(const QString&)> impression)
{
    m_impression = std::move(impression);
}

void Ttest::demarre()
{
    showMaximized();
    raise();
    activateWindow();
    initialisation_test();
}

void Ttest::initialisation_test()
{
    const EtatEleve& eleve = m_session.eleve();
    const Reglages& reglages = m_session.reglages();
    m_complet = ::selection_complete(eleve.produits_etudies);
    setWindowTitle(eleve.identite.prenom + QLatin1Char(' ') + eleve.identite.nom
        + (m_complet ? QStringLiteral(". test complet") : QStringLiteral(". test partiel")));

    m_resultat->hide();
    for (QWidget* w : std::initializer_list<QWidget*> {
             static_cast<QWidget*>(m_recommencer), m_label_temps, m_retour, m_suivante, m_imprimer})
        w->hide();
    for (QWidget* w :
        std::initializer_list<QWidget*> {static_cast<QWidget*>(m_panel1), m_champ, m_je_passe, m_effacer})
        w->show();
    m_panel_compteur->setVisible(reglages.chrono_test_visible);
    m_pause->setVisible(reglages.bouton_pause_test_visible);
    m_ligne_seance.clear();
    m_inhibe_impression.stop();

    m_phase_vue = MoteurTest::Phase::inactif;
    m_moteur.initialisation_test(eleve.produits_etudies,
        temps_maximum_amenage_s(reglages.temps_reponse_maximum, eleve.amenagement), heure(), maintenant());
    construit_panneaux();
    m_plateau->resize(m_plateau->width(), 600);
    m_panel_compteur->move(30, m_plateau->height() - 25 - m_panel_compteur->height());
    m_label_temps->move(130, m_panel_compteur->y() + 14);
    place_plateau();
    synchronise();
}

void Ttest::synchronise()
{
    const MoteurTest& m = m_moteur;
    applique_minuterie(m_chrono, m.chrono(), m_armements_vus[0]);
    applique_minuterie(m_compteur_timer, m.compteur_timer(), m_armements_vus[1]);
    applique_minuterie(m_affiche, m.affiche(), m_armements_vus[2]);
    applique_minuterie(m_timer_je_passe, m.timer_je_passe(), m_armements_vus[3]);
    applique_minuterie(m_timer_label_temps, m.timer_label_temps(), m_armements_vus[4]);

    const bool question = m.phase() == MoteurTest::Phase::question;
    m_label_quest->setText(m.libelle_question());
    if (m.vidages_champ() != m_vidages_vus) {
        m_vidages_vus = m.vidages_champ();
        const QSignalBlocker bloque(m_champ);
        m_champ->clear();
    }
    m_champ->fixe_chiffres(m.chiffres_reponse());
    m_champ->move(400 - m_champ->width() / 2, m_champ->y());
    m_champ->setEnabled(question);
    m_je_passe->setEnabled(question && m.je_passe_actif());
    m_effacer->setEnabled(question);
    m_recommencer->setVisible(m.recommencer_visible() && m.phase() != MoteurTest::Phase::fini);
    m_compteur->affiche(m.compteur());
    m_label_temps->setText(m.label_temps());
    m_label_temps->adjustSize();
    m_label_temps->setVisible(m.label_temps_visible());

    const bool en_pause = m.phase() == MoteurTest::Phase::pause;
    m_pause->setText(en_pause ? QStringLiteral("Continuer") : QStringLiteral("Pause"));
    m_pause->setAccessibleName(m_pause->text());
    m_pause->setIcon(style()->standardIcon(en_pause ? QStyle::SP_MediaPlay : QStyle::SP_MediaPause));
    m_pause->setFixedWidth(en_pause ? 110 : 90);
    m_pause->setEnabled(question || en_pause);
    synchronise_panneaux();

    if (m.phase() != m_phase_vue) {
        m_phase_vue = m.phase();
        montre_boite_phase();
    }
    if (question && isVisible() && !m_champ->hasFocus())
        m_champ->setFocus();
}

void Ttest::synchronise_panneaux()
{
    for (int i = 1; i < m_panneaux.size(); ++i) {
        const PanneauProduit& p = m_moteur.panneau(i);
        PanneauProduit& vu = m_panneaux_vus[i];
        if (p.texte == vu.texte && p.gris == vu.gris)
            continue;
        vu = p;
        QLabel* l = m_panneaux[i];
        l->setText(p.texte);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, p.gris ? QColor(192, 192, 192) : QColor(0, 0, 255));
        pal.setColor(QPalette::WindowText, p.gris ? QColor(Qt::white) : QColor(255, 255, 0));
        l->setPalette(pal);
        l->setAutoFillBackground(true);
    }
}

void Ttest::montre_boite_phase()
{
    switch (m_moteur.phase()) {
    case MoteurTest::Phase::boite_trop_long:
        m_boite->prepare(
            QStringLiteral("Dépassement du temps de réponse"), texte_trop_long, QStringLiteral("OK"));
        m_boite->montre();
        break;
    case MoteurTest::Phase::boite_deuxieme_chance: {
        const QPoint coin = m_plateau->mapToGlobal(QPoint(264, 272));
        if (m_boite->isVisible()) {
            // The time-out box, still on screen, becomes this one.
            m_boite->setWindowTitle(titre_deuxieme_chance);
            m_boite->fixe_texte(m_moteur.texte_deuxieme_chance());
            m_boite->fixe_bouton(QStringLiteral("OUI"));
            m_boite->move(coin);
        } else {
            m_boite->prepare(titre_deuxieme_chance, m_moteur.texte_deuxieme_chance(), QStringLiteral("OUI"));
            m_boite->place_en(coin);
            m_boite->montre();
        }
        break;
    }
    case MoteurTest::Phase::fini:
        fin_du_test();
        break;
    default:
        break;
    }
}

bool Ttest::garde_boite()
{
    if (m_boite->texte() != texte_trop_long || !m_moteur.trop_long_devient_deuxieme_chance())
        return false;
    synchronise();
    return true;
}

void Ttest::boite_fermee(const QString& titre, const QString& texte)
{
    if (titre == QLatin1String("premier test")) {
        demarre();
    } else if (texte == texte_trop_long) {
        m_moteur.boite_trop_long_fermee(maintenant());
        synchronise();
    } else if (titre == titre_deuxieme_chance) {
        m_moteur.boite_deuxieme_chance_fermee(maintenant());
        synchronise();
    }
}

void Ttest::MaskEdit1Change(const QString& texte)
{
    m_moteur.saisie_change(texte, maintenant());
    synchronise();
}

void Ttest::Button_je_passeClick()
{
    m_moteur.je_ne_sais_pas(maintenant());
    synchronise();
}

void Ttest::Button_effacerClick()
{
    m_moteur.efface(maintenant());
    synchronise();
    m_champ->setFocus();
}

void Ttest::chronoTimer()
{
    m_moteur.temps_depasse();
    synchronise();
}

void Ttest::compteur_timerTimer()
{
    m_moteur.seconde_ecoulee();
    synchronise();
}

void Ttest::afficheTimer()
{
    m_moteur.corrige_reponse(maintenant());
    synchronise();
}

void Ttest::TimerJePasseTimer()
{
    m_moteur.je_passe_debloque();
    synchronise();
}

void Ttest::Timer_label_tempsTimer()
{
    m_moteur.label_temps_expire();
    synchronise();
}

void Ttest::BitBtn_pauseClick()
{
    if (m_moteur.phase() == MoteurTest::Phase::pause)
        m_moteur.continuer(maintenant());
    else
        m_moteur.pause();
    synchronise();
}

void Ttest::Button_recommencerClick()
{
    initialisation_test();
}

void Ttest::BitBtn1Click()
{
    close();
}

void Ttest::BitBtn3Click()
{
    m_imprimer->setEnabled(false);
    m_inhibe_impression.start();
    if (m_impression)
        m_impression(m_ligne_seance);
}

void Ttest::inhibe_impressionTimer()
{
    m_imprimer->setEnabled(impression_possible());
}

bool Ttest::impression_possible() const
{
    // The printed page knows the classic tables only: another test would print an empty grid.
    return m_impression && est_test_classique(m_ligne_seance.mid(29));
}

void Ttest::Button_fin_du_testClick()
{
    const int table = table_etape_suivante(m_session.eleve().classement_tables);
    close();
    Q_EMIT etape_suivante(table);
}

void Ttest::fin_du_test()
{
    m_ligne_seance = m_moteur.termine(heure());
    for (QWidget* w : std::initializer_list<QWidget*> {static_cast<QWidget*>(m_panel1), m_champ, m_je_passe,
             m_effacer, m_recommencer, m_pause, m_label_temps, m_panel_compteur})
        w->hide();

    const int T = m_session.reglages().temps_reponse_acceptable;
    m_session.ajoute_activite(m_ligne_seance);
    const EvaluationTest e = evalue_test(m_ligne_seance.mid(29), m_complet, T);
    if (remet_test_a_l_eleve(m_session.eleve(), m_ligne_seance, cle_date(m_horloge.date_heure().date()), T)) {
        m_session.tableau().change_produits_a_memoriser();
        Q_EMIT tableau_de_bord_change();
    }

    bool record = false;
    if (e.classique && m_complet) {
        const IdentiteEleve& id = m_session.eleve().identite;
        QStringList& liste = m_session.liste_records();
        const ResultatRecords r = mise_a_jour_records(liste, e.pourcentage_classiques, e.vitesse,
            id.nom + QLatin1Char('_') + id.prenom, chemins_records(m_session.reglages()));
        if (!r.ecriture)
            boites::avertissement(this, QStringLiteral("Records"),
                QStringLiteral("La liste des records n'a pas pu être enregistrée.\n") + r.ecriture.erreur);
        if (r.rang > 0)
            Q_EMIT records_modifies();
        record = record_battu(r.rang, int(liste.size()), e.niveau);
    }

    qDeleteAll(m_panneaux.begin() + (m_panneaux.isEmpty() ? 0 : 1), m_panneaux.end());
    m_panneaux.clear();
    m_panneaux_vus.clear();

    m_resultat->affiche(
        e, graphique_test(m_ligne_seance, T), description_graphique_test(m_ligne_seance, T), record);
    const int largeur = qMax(800, m_resultat->width() + 40);
    const int y_boutons = 10 + m_resultat->height() + 14;
    m_plateau->resize(largeur, qMax(600, y_boutons + 34 + 16));
    m_resultat->move((largeur - m_resultat->width()) / 2, 10);
    m_resultat->show();
    const int x0 = (largeur - 3 * 150 - 2 * 20) / 2;
    m_retour->move(x0, y_boutons);
    m_suivante->move(x0 + 170, y_boutons);
    m_imprimer->move(x0 + 340, y_boutons);
    for (QPushButton* b : {m_retour, m_suivante, m_imprimer})
        b->show();
    m_retour->setEnabled(true);
    m_suivante->setEnabled(true);
    m_imprimer->setEnabled(impression_possible());
    m_suivante->setFocus();
    place_plateau();
}

void Ttest::hideEvent(QHideEvent* evenement)
{
    FenetreActivite::hideEvent(evenement);
    if (evenement->spontaneous())
        return;
    for (QTimer* t : {&m_compteur_timer, &m_chrono, &m_affiche, &m_timer_je_passe, &m_timer_label_temps})
        t->stop();
    Q_EMIT cache();
}

void Ttest::keyPressEvent(QKeyEvent* evenement)
{
    if ((evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) && m_je_passe->isVisible()
        && m_je_passe->isEnabled()) {
        Button_je_passeClick();
        return;
    }
    if (evenement->key() == Qt::Key_Escape && m_effacer->isVisible() && m_effacer->isEnabled()) {
        Button_effacerClick();
        return;
    }
    FenetreActivite::keyPressEvent(evenement);
}
