#pragma once

#include <QPointer>
#include <QWidget>

// A frame drawn around whichever control has the focus, over what the control draws itself: a keyboard user
// always sees where he is, on Qt's controls (which Fusion marks faintly, some not at all) as on ours.
class CadreFocus : public QWidget
{
public:
    // Once for the whole application: the frame follows the focus from then on.
    static void installe();

    QWidget* suivi() const { return m_suivi; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

private:
    CadreFocus();
    void suit(QWidget* controle);
    void place();

    QPointer<QWidget> m_suivi;
};
