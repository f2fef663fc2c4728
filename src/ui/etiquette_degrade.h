#pragma once

#include <QColor>
#include <QLabel>

// A label on a horizontal gradient, yellow to red by default, with blue bold text.
class EtiquetteDegrade : public QLabel
{
    Q_OBJECT
public:
    explicit EtiquetteDegrade(const QString& texte = {}, QWidget* parent = nullptr);

    void fixe_couleurs(const QColor& debut, const QColor& fin);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QColor m_debut;
    QColor m_fin;
};
