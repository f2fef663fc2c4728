#pragma once

#include "core/etat.h"
#include "core/horloge.h"
#include "seance/identification_eleve.h"

#include <QDialog>
#include <QVector>
#include <functional>

class LibelleContour;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QScrollArea;

// The identification window: class choice, name choice or code, registration. However it closes, identite()
// holds what was settled (empty when the pupil left without choosing), for Session::initialise_session_eleve.
class Tident : public QDialog
{
    Q_OBJECT
public:
    // `retablit_verrous` puts Num Lock and Caps Lock back to their launch states; called at each opening.
    Tident(const Reglages& reglages, const Horloge& horloge, QWidget* parent = nullptr,
        std::function<void()> retablit_verrous = {});

    const IdentiteEleve& identite() const { return m_identification.identite(); }

    enum class Etat
    {
        choix_classe,
        choix_nom,
        saisie_code,
        code_inconnu,
        inscription,
        affichage_code
    };
    Etat etat() const { return m_etat; }

    void initialisation();
    QListWidget* box(int i); // 1 … the number of columns; more than 8 when a class has more than 120 pupils

public Q_SLOTS:
    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void construit();
    // In creation order, which is the keyboard's order: class lists, class panel and registration, code
    // typed, name typed, code given to a new pupil.
    void construit_listes();
    void construit_classe_et_inscription();
    void construit_code();
    void construit_nom();
    void construit_code_donne();
    void branche_controles();
    QListWidget* nouvelle_box(int i);
    void vide_boxes();
    void remplit_box(QListWidget* b, const QStringList& entrees, int largeur_par_car, int marge);
    void ajuste_zone_listes(int haut);
    void place_inscription();

    // Posted: the click's list is emptied by the state it leads to, after its signal has returned.
    void clic_liste(QListWidget* b, QListWidgetItem* item);
    void ListBoxClick(QListWidget* b, const QString& texte);
    void demande_nom();
    void demande_code();
    void code_inconnu();
    void Inscription();
    void Edit_codeChange();
    void verifie_code();
    void Edit_nom_prenomChange(QLineEdit* champ);
    void Button_idClick();
    void Button_ouiClick();
    void button_inscriptionClick();
    void Button_code_inconnuClick();
    void Button_codeClick();
    void ButtonChangerClasseClick();
    bool choisit_ancien_eleve(QString& nom_fichier);
    void ferme();

    const Reglages& m_reglages;
    const Horloge& m_horloge;
    IdentificationEleve m_identification;
    std::function<void()> m_retablit_verrous;
    Etat m_etat = Etat::choix_classe;
    QPixmap m_fond;

    LibelleContour* m_label_classe = nullptr;
    QScrollArea* m_zone_listes = nullptr;
    QWidget* m_contenu_listes = nullptr;
    QVector<QListWidget*> m_boxes;
    QListWidget* m_ListBox_autre = nullptr;
    QLabel* m_PanelClasse = nullptr;
    QPushButton* m_ButtonChangerClasse = nullptr;
    LibelleContour* m_label_inscription = nullptr;
    QPushButton* m_button_inscription = nullptr;
    QPushButton* m_Button_oui = nullptr;
    QPushButton* m_Button_non = nullptr;
    LibelleContour* m_label_tape_code = nullptr;
    QLineEdit* m_Edit_code = nullptr;
    LibelleContour* m_label_code_inconnu = nullptr;
    QPushButton* m_Button_code_inconnu = nullptr;
    LibelleContour* m_Label_nom = nullptr;
    QLineEdit* m_Edit_nom = nullptr;
    LibelleContour* m_label_prenom = nullptr;
    QLineEdit* m_Edit_prenom = nullptr;
    QPushButton* m_Button_id = nullptr;
    LibelleContour* m_label_code = nullptr;
    QLabel* m_Panel_code = nullptr;
    LibelleContour* m_label_cahier = nullptr;
    QPushButton* m_Button_code = nullptr;
};
