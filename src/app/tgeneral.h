#pragma once

#include "app/tgeneral_messagerie.h"
#include "seance/session.h"
#include "seance/tableau_de_bord.h"

#include <QMainWindow>
#include <QVector>
#include <memory>

class EtiquetteDegrade;
class QImage;
class GraphiqueJours;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QToolBar;
class QToolButton;
class QWidget;
class Plateforme;
class Tapprent;
class Tident;
class Treglages;
class Ttest;
class Tperfect;
class TProfesseur;

// The main window: the pupil's dashboard, from which every activity starts.
class Tboite_message;

class Tgeneral : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int largeur_client = 792;
    static constexpr int hauteur_client = 554;
    static constexpr int bord_droit_records = 786; // right edge of Button_records and Memo1

    Tgeneral(const QString& dossier_travail, const Horloge& horloge, Plateforme& plateforme,
        QWidget* parent = nullptr);
    ~Tgeneral() override;

    Session& session() { return *m_session; }
    TableauDeBord& tableau() { return m_session->tableau(); }
    Tident* identification() const { return m_ident; }

    // Start-up after the window is made: session, school, then the identification once the event loop runs.
    void demarre();
    // Title, school-only controls and menu states after initialise_session.
    void applique_session();

    // --- Pupil (window side of the séance) ---
    void demande_identification();
    // Shows the identified pupil: labels, objectives, table buttons, learning choice and chart.
    void initialise_session_eleve(const IdentiteEleve& identite);
    // Returns false when the séance could not be recorded and the pupil stays (nothing is lost).
    bool changement_eleve();
    void ButtonChangerEleveClick();

    // --- Offered to the activities ---
    void affiche_graphique();
    void efface_graphique();
    void change_produits_etudies();
    void change_produits_a_memoriser();
    void actualise_affichage_records();
    void actualise_boutons_tables(const QString& objectifs);
    void etape_session_3();

    // --- Handlers ---
    void button_testClick();
    void apprentissage1Click();
    void perfectionnementClick(const QString& niveau);
    void Professeur1Click();
    void Configuration1Click();
    void aide1Click();
    void N1Click();
    void SpeedButton_2_9Click();
    void SpeedButton_12_19Click();
    void SpeedButton_tablesClick();
    void SpeedButton_trousClick();
    void SpeedButton1Click();
    void SpeedButton10Click();
    void Button_recordsClick();
    void Imprimer1Click();

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;

private:
    void construit_panneau();
    void construit_barre_outils();
    void construit_graphique();
    void construit_barre_du_bas();
    // The table buttons of both families, then the choice of whole tables or gaps and the number of products.
    void construit_boutons_tables(QWidget* panel1);
    void construit_quantite(QWidget* panel1);
    void sur_appui(QToolButton* bouton, void (Tgeneral::*action)());
    void construit_menus();
    void affiche_boutons_tables();
    void affiche_choix_apprentissage();
    // Names and descriptions of the chart for screen readers.
    void decrit_graphique();
    void eleve_present(bool present);
    void barre_pressee(int jour, Qt::MouseButton bouton, const QPoint& position);
    void barre_relachee();
    QImage image_du_test(const QString& ligne_test) const;
    // The pupil report of one test line, through the print dialog.
    void imprime_test(const QString& ligne_test);
    void FormClose();
    TProfesseur& console();
    // First start of a school year: the console on its new-school-year page, then the program ends.
    void ouvre_console_rentree();

    TgeneralMessagerie m_messagerie;
    Plateforme& m_plateforme;
    std::unique_ptr<Session> m_session;
    Tident* m_ident = nullptr;
    std::unique_ptr<Ttest> m_test; // made at the first test, kept for the run
    std::unique_ptr<Tapprent> m_apprent; // made at the first learning, kept for the run
    std::unique_ptr<Tperfect> m_perfect; // made at the first perfecting, kept for the run
    Tboite_message* m_boite = nullptr; // the timed box of the dashboard's own notices, made when first needed
    TProfesseur* m_professeur = nullptr; // made when first needed, kept for the run
    bool m_acces_jusqua_fermeture = false; // the teacher's code is not asked again in this run
    Treglages* m_fenetre_reglages = nullptr; // made when first opened
    bool m_seance_enregistree = false;

    // Records the séance; on failure asks whether to try again, stay, or (closing only) give it up.
    bool enregistre_ou_demande(bool en_fermant);

    QWidget* m_fond = nullptr;
    QWidget* m_panneau = nullptr;
    QToolBar* m_barre_outils = nullptr;
    EtiquetteDegrade* m_label_nom = nullptr;
    EtiquetteDegrade* m_label_classe = nullptr;
    EtiquetteDegrade* m_label_test = nullptr;
    QPushButton* m_button_test = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label_tables = nullptr;
    QScrollArea* m_scrollbox = nullptr;
    GraphiqueJours* m_graphique = nullptr;
    QLabel* m_image1 = nullptr;
    QPushButton* m_button_records = nullptr;
    QPlainTextEdit* m_memo1 = nullptr;
    QWidget* m_panel_2_9 = nullptr;
    QWidget* m_panel_12_19 = nullptr;
    QToolButton* m_groupe_2_9 = nullptr;
    QToolButton* m_calc_mental = nullptr;
    QToolButton* m_groupe_12_19 = nullptr;
    QVector<QToolButton*> m_boutons_tables; // index = table number; null for 0, 1 and 10
    QToolButton* m_bouton_tables_entieres = nullptr;
    QToolButton* m_bouton_trous = nullptr;
    QToolButton* m_bouton_plus = nullptr;
    QToolButton* m_bouton_moins = nullptr;
    QLabel* m_label2 = nullptr;
    QMenu* m_menu_graphique = nullptr;
    QAction* m_imprimer = nullptr;

    QAction* m_tableau_de_bord = nullptr;
    QAction* m_changer_eleve = nullptr;
    QAction* m_test_normal = nullptr;
    QAction* m_apprentissage = nullptr;
    QVector<QAction*> m_perfectionnement; // menu entries, niveau 1 … 3
    QAction* m_reglages = nullptr;
    QAction* m_enseignant = nullptr;
    QAction* m_outil_enseignant = nullptr;
    bool m_affichage_en_cours = false; // the buttons are being set from the selection, not by the pupil
};
