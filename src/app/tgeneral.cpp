#include "app/tgeneral.h"

#include "app/graphique_jours.h"
#include "app/graphique_jours_barre.h"
#include "app/tident.h"
#include "core/dates.h"
#include "epreuve/ttest.h"
#include "learning/tapprent.h"
#include "perfecting/tperfect.h"
#include "reports/description_graphique.h"
#include "seance/demarrage.h"
#include "storage/dossiers.h"
#include "ui/accessibilite.h"
#include "ui/boites.h"
#include "ui/etiquette_degrade.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

// The help pages live in this library: registered here so that the linker keeps them. Outside any namespace,
// as the resource's registration function is global.
static void charge_aide()
{
    static bool chargee = false;
    if (!chargee) {
        Q_INIT_RESOURCE(aide);
        chargee = true;
    }
}

Tgeneral::Tgeneral(
    const QString& dossier_travail, const Horloge& horloge, Plateforme& plateforme, QWidget* parent)
    : QMainWindow(parent)
    , m_messagerie(this)
    , m_plateforme(plateforme)
    , m_session(std::make_unique<Session>(dossier_travail, horloge, m_messagerie, plateforme))
{
    charge_aide();
    setObjectName(QStringLiteral("Tgeneral"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);
    setWindowTitle(titres::maison);
    construit_panneau();
    construit_menus();
    setMinimumSize(largeur_client, hauteur_client + menuBar()->sizeHint().height());
    resize(minimumSize());
    eleve_present(false);
}

Tgeneral::~Tgeneral() = default;

void Tgeneral::changeEvent(QEvent* evenement)
{
    QMainWindow::changeEvent(evenement);
    if (evenement->type() != QEvent::WindowStateChange)
        return;
    // A fixed border: a window manager that un-maximises the window (a double click on its title, a drag of
    // its edge) gets it maximised again. Fixing its size instead would make the manager un-maximise it.
    const auto avant = static_cast<QWindowStateChangeEvent*>(evenement)->oldState();
    static constexpr auto ailleurs = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
    if ((avant & Qt::WindowMaximized) && !(windowState() & ailleurs))
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && !(windowState() & ailleurs))
                showMaximized();
        });
}

void Tgeneral::demarre()
{
    // Opened once the event loop runs, like the identification it replaces.
    m_session->definit_ouverture_rentree([this](const ConfigurationRentree&) {
        QTimer::singleShot(0, this, &Tgeneral::ouvre_console_rentree);
    });
    const bool identifier = demarre_session(*m_session);
    applique_session();
    // The identification window lives as long as the program; it is shown again at each change of pupil.
    m_ident = new Tident(
        m_session->reglages(), m_session->horloge(), this, [this] { m_session->restaure_verrous_clavier(); });
    // Asked once the event loop runs, so that the dashboard is on screen behind the identification.
    if (identifier)
        QTimer::singleShot(0, this, &Tgeneral::demande_identification);
}

void Tgeneral::applique_session()
{
    const Reglages& r = m_session->reglages();
    setWindowTitle(m_session->titre_fenetre());
    m_button_records->setVisible(r.mode_ecole);
    if (!r.mode_ecole) {
        m_memo1->hide();
        m_button_records->setText(QStringLiteral("Voir les records"));
    }
    m_enseignant->setVisible(r.mode_ecole);
    m_outil_enseignant->setVisible(r.mode_ecole);
    m_apprentissage->setEnabled(true);
    for (QAction* a : m_perfectionnement)
        a->setEnabled(m_session->perfectionnement_ouvert());
    efface_graphique();
    affiche_boutons_tables();
    affiche_choix_apprentissage();
}

void Tgeneral::eleve_present(bool present)
{
    m_label_nom->setVisible(present);
    m_label_classe->setVisible(present && !m_label_classe->text().isEmpty());
    m_label_test->setVisible(present);
    m_button_test->setVisible(present);
    m_label1->setVisible(present);
    m_label_tables->setVisible(present);
    // Without a pupil there is nobody to test, teach or record.
    m_test_normal->setEnabled(present);
    m_apprentissage->setEnabled(present);
    for (QAction* a : m_barre_outils->actions()) {
        const QString t = a->text();
        if (t == QLatin1String("Test") || t == QLatin1String("Entrainement")
            || t.startsWith(QLatin1String("Perf")))
            a->setEnabled(present);
    }
    for (QAction* a : m_perfectionnement)
        a->setEnabled(present && m_session->perfectionnement_ouvert());
}

void Tgeneral::demande_identification()
{
    eleve_present(false);
    if (!m_ident) {
        m_ident = new Tident(m_session->reglages(), m_session->horloge(), this,
            [this] { m_session->restaure_verrous_clavier(); });
    }
    m_ident->exec();
    initialise_session_eleve(m_ident->identite());
}

void Tgeneral::initialise_session_eleve(const IdentiteEleve& identite)
{
    m_session->initialise_session_eleve(identite);
    m_seance_enregistree = false;
    const EtatEleve& e = m_session->eleve();
    if (!e.identite.identifie()) {
        // Left without choosing: the dashboard stays empty until "Changer élève".
        m_label_classe->clear();
        eleve_present(false);
        return;
    }
    m_label_classe->setText(e.identite.classe);
    m_label_tables->setText(m_session->objectifs_en_mots());
    m_label_nom->setText(e.identite.nom + QLatin1Char(' ') + e.identite.prenom);
    eleve_present(true);
    if (e.nouvel_eleve) {
        m_graphique->efface_graphique();
        m_scrollbox->hide();
    } else {
        affiche_graphique();
    }
    affiche_boutons_tables();
    affiche_choix_apprentissage();
}

bool Tgeneral::enregistre_ou_demande(bool en_fermant)
{
    while (!m_session->EnregistrementSeance()) {
        const QString nom = m_session->eleve().identite.prenom;
        QString texte = QStringLiteral("La séance de %1 n'a pas pu être enregistrée.\n\n"
                                       "« Réessayer » : nouvel essai (vérifie le réseau ou le disque).\n"
                                       "« Annuler » : %1 reste sur Tabrix, rien n'est perdu.")
                            .arg(nom);
        QMessageBox::StandardButtons boutons = QMessageBox::Retry | QMessageBox::Cancel;
        if (en_fermant) {
            texte += QStringLiteral("\n« Ignorer » : fermer Tabrix sans enregistrer cette séance.");
            boutons |= QMessageBox::Ignore;
        }
        const auto reponse = boites::question(this, QStringLiteral("Séance non enregistrée"), texte, boutons,
            QMessageBox::Retry, QMessageBox::Warning);
        if (reponse == QMessageBox::Retry)
            continue;
        return en_fermant && reponse == QMessageBox::Ignore;
    }
    return true;
}

bool Tgeneral::changement_eleve()
{
    // A test left open behind the dashboard belongs to the pupil who leaves: abandoned, never handed over.
    if (m_test)
        m_test->close();
    if (!enregistre_ou_demande(false))
        return false;
    m_session->initialise_session();
    efface_graphique();
    m_label_classe->clear();
    m_label_nom->clear();
    applique_session();
    eleve_present(false);
    return true;
}

void Tgeneral::ButtonChangerEleveClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool change = changement_eleve();
    QApplication::restoreOverrideCursor();
    if (change)
        demande_identification();
}

void Tgeneral::affiche_graphique()
{
    const EtatEleve& e = m_session->eleve();
    const Reglages& r = m_session->reglages();
    QStringList classes;
    if (r.mode_ecole) {
        // One look at the class folders per school year, not per day: the server may be slow to list.
        QHash<QString, QString> classe_de_l_annee;
        for (const JourTest& jour : e.jours_tests) {
            const QString annee = annee_scolaire_de_cle(jour.cle);
            auto trouvee = classe_de_l_annee.constFind(annee);
            if (trouvee == classe_de_l_annee.constEnd())
                trouvee = classe_de_l_annee.insert(
                    annee, classe_a_la_date(r.dossier_etablissement, e.identite.nom_fichier, jour.cle));
            classes.append(*trouvee);
        }
    }
    // The area may grow to the right into the window, as far as the panel allows.
    const GeometrieGraphique g = TableauDeBordGraphique::calcule(e.jours_tests, classes, largeur_client);
    m_image1->hide();
    m_graphique->affiche(g);
    decrit_graphique();
    const int cadre = 2 * m_scrollbox->frameWidth();
    const int hauteur_barre = g.defile_a_droite ? m_scrollbox->horizontalScrollBar()->sizeHint().height() : 0;
    m_scrollbox->resize(g.largeur_zone, g.hauteur_zone);
    m_graphique->resize(std::max(g.largeur_contenu, g.largeur_zone - cadre),
        std::max(TableauDeBordGraphique::hauteur_zone_initiale, g.hauteur_zone - hauteur_barre) - cadre);
    m_scrollbox->setHorizontalScrollBarPolicy(
        g.defile_a_droite ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_scrollbox->show();
    if (g.defile_a_droite)
        m_scrollbox->horizontalScrollBar()->setValue(m_scrollbox->horizontalScrollBar()->maximum());
    else
        m_scrollbox->horizontalScrollBar()->setValue(0);
}

void Tgeneral::efface_graphique()
{
    m_image1->hide();
    m_graphique->efface_graphique();
    m_scrollbox->resize(
        TableauDeBordGraphique::largeur_zone_initiale, TableauDeBordGraphique::hauteur_zone_initiale);
    m_scrollbox->hide();
}

void Tgeneral::etape_session_3()
{
    m_label_test->hide();
    m_button_test->hide();
    affiche_graphique();
}

void Tgeneral::closeEvent(QCloseEvent* evenement)
{
    // FormCloseQuery: the séance is recorded. A test window left open would keep the program running
    // without its dashboard.
    if (m_test)
        m_test->close();
    if (!m_seance_enregistree) {
        if (!enregistre_ou_demande(true)) {
            evenement->ignore();
            return;
        }
        m_seance_enregistree = true;
    }
    evenement->accept();
    FormClose();
}

void Tgeneral::FormClose()
{
    m_session->restaure_verrous_clavier();
}

void Tgeneral::decrit_graphique()
{
    const EtatEleve& e = m_session->eleve();
    const int T = m_session->reglages().temps_reponse_acceptable;
    // Each bar says in words the result chart its click shows; the area lists the days and their scores.
    QStringList jours;
    QWidget* precedent = m_button_test; // the bars come after "Test", left to right, before "Records"
    for (GraphiqueJoursBarre* barre : m_graphique->findChildren<GraphiqueJoursBarre*>()) {
        QWidget::setTabOrder(precedent, barre);
        precedent = barre;
        jours.append(barre->accessibleName());
        const int i = barre->jour() - 1;
        if (i >= 0 && i < e.lignes_tests_retenues.size())
            barre->setAccessibleDescription(description_graphique_test(e.lignes_tests_retenues.at(i), T));
    }
    nomme(m_scrollbox, QStringLiteral("Graphique des tests"),
        jours.isEmpty() ? QStringLiteral("Aucun test retenu.") : jours.join(QStringLiteral(" ; ")) + u'.');
}
