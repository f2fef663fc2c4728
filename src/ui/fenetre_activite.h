#pragma once

#include <QWidget>
#include <functional>

class FondMotif;
class Plateforme;
class QPushButton;

// An activity window (test, learning, perfecting): a tiled background with the board laid out for 800 × 600
// centred on it, and Num Lock and Caps Lock forced on while it is shown, put back by `restaure_verrous` once
// hidden.
class FenetreActivite : public QWidget
{
    Q_OBJECT
public:
    FenetreActivite(
        Plateforme& plateforme, std::function<void()> restaure_verrous, QWidget* parent = nullptr);

    QWidget* plateau() const { return m_plateau; }
    // Centres the board again, after it or the window changed size.
    void place_plateau();

protected:
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    void allume_verrous();

    Plateforme& m_plateforme;
    std::function<void()> m_restaure_verrous;
    bool m_verrous_forces = false;
    FondMotif* m_fond;
    QWidget* m_plateau;
};

// Arial (or its metric twin), bold by default: the font of the activity windows.
QFont police_activite(int points, bool gras = true);
// A push button of an activity window, named and with its caption as accessible name.
QPushButton* bouton_activite(QWidget* parent, const char* nom, const QString& libelle, const QRect& zone);
