#pragma once

#include <QWidget>
#include <functional>

class FondMotif;
class Plateforme;
class QPushButton;

// An activity window (test, learning, perfecting): shown maximised over the tiled background, its content on
// a board laid out for 800 × 600 and kept centred. While it is shown, Num Lock and Caps Lock stay on; hidden,
// they return to their states at launch.
class FenetreActivite : public QWidget
{
    Q_OBJECT
public:
    FenetreActivite(
        Plateforme& plateforme, std::function<void()> restaure_verrous, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

    // Centres the board again, after its size changed.
    void place_plateau();

    FondMotif* m_fond;
    QWidget* m_plateau;

private:
    void allume_verrous();

    Plateforme& m_plateforme;
    std::function<void()> m_restaure_verrous;
    bool m_verrous_forces = false;
};

// Arial (or its metric twin), bold by default: the font of the activity windows.
QFont police_activite(int points, bool gras = true);
// A push button of an activity window, named and with its caption as accessible name.
QPushButton* bouton_activite(QWidget* parent, const char* nom, const QString& libelle, const QRect& zone);
