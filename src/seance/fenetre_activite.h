#pragma once

#include "core/hasard.h"

#include <QWidget>

class FondMotif;
class Horloge;
class Session;

// An activity window (test, learning, perfecting) of the pupil's séance: a tiled background with the board
// laid out for 800 × 600 centred on it, and Num Lock and Caps Lock forced on while it is shown, put back by
// the séance once hidden. It holds what every activity draws on: the séance, the clock and its own chance.
class FenetreActivite : public QWidget
{
    Q_OBJECT
public:
    FenetreActivite(Session& session, const Horloge& horloge, quint32 graine, QWidget* parent = nullptr);

    QWidget* plateau() const { return m_plateau; }
    // Centres the board again, after it or the window changed size.
    void place_plateau();

protected:
    // Monotonic milliseconds, for response times.
    qint64 maintenant() const;
    // The time of day as hh:mm:ss, for the séance line.
    QString heure() const;

    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

    Session& m_session;
    const Horloge& m_horloge;
    Hasard m_hasard;

private:
    void allume_verrous();

    bool m_verrous_forces = false;
    FondMotif* m_fond;
    QWidget* m_plateau;
};
