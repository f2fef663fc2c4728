#include "ui/etiquette_degrade.h"

#include <QLinearGradient>
#include <QPainter>

EtiquetteDegrade::EtiquetteDegrade(const QString& texte, QWidget* parent)
    : QLabel(texte, parent)
    , m_debut(255, 255, 0)
    , m_fin(255, 0, 0)
{
    QFont police = font();
    police.setBold(true);
    police.setPointSize(12);
    setFont(police);
    setAlignment(Qt::AlignCenter);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(p);
}

void EtiquetteDegrade::fixe_couleurs(const QColor& debut, const QColor& fin)
{
    m_debut = debut;
    m_fin = fin;
    update();
}

void EtiquetteDegrade::paintEvent(QPaintEvent* evenement)
{
    {
        QPainter peintre(this);
        QLinearGradient degrade(rect().topLeft(), rect().topRight());
        degrade.setColorAt(0, m_debut);
        degrade.setColorAt(1, m_fin);
        peintre.fillRect(rect(), degrade);
    }
    QLabel::paintEvent(evenement);
}
