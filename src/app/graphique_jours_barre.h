#pragma once

#include <QColor>
#include <QWidget>

// One bar of the dashboard chart: a filled rectangle with a black outline that reports presses.
class GraphiqueJoursBarre : public QWidget
{
    Q_OBJECT
public:
    GraphiqueJoursBarre(int jour, int etiquette, const QColor& couleur, QWidget* parent = nullptr);

    int jour() const { return m_jour; }
    int etiquette() const { return m_etiquette; }
    QColor couleur() const { return m_couleur; }

Q_SIGNALS:
    // `position` in the parent's coordinates.
    void pressee(int jour, Qt::MouseButton bouton, const QPoint& position);
    void relachee(int jour);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;

private:
    int m_jour;
    int m_etiquette;
    QColor m_couleur;
};
