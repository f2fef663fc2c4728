#pragma once

#include <QWidget>

// A text drawn at an angle inside its square, rising from the bottom-left corner (dates under a bar chart).
class EtiquetteTournee : public QWidget
{
    Q_OBJECT
public:
    explicit EtiquetteTournee(const QString& texte = {}, QWidget* parent = nullptr);

    QString texte() const { return m_texte; }
    void fixe_texte(const QString& texte);
    // Degrees, counter-clockwise.
    void fixe_angle(double degres);
    double angle() const { return m_angle; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QString m_texte;
    double m_angle = 45;
};
