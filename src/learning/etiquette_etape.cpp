#include "learning/etiquette_etape.h"

#include "ui/controles.h"

#include <QPainter>

EtiquetteEtape::EtiquetteEtape(const QString& texte, int hauteur, int taille_police, QWidget* parent)
    : EtiquetteDegrade(texte, parent)
{
    setFont(police_activite(qMax(1, taille_police)));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    adjustSize();
    resize(width(), hauteur);
    colore(QColor(255, 0, 0), QColor(255, 255, 0));
}

void EtiquetteEtape::colore(const QColor& fond, const QColor& texte)
{
    const QColor clair = fond == Qt::black ? fond : fond.lighter(130);
    fixe_couleurs(clair, fond);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, texte);
    setPalette(p);
}

void EtiquetteEtape::paintEvent(QPaintEvent* evenement)
{
    EtiquetteDegrade::paintEvent(evenement);
    QPainter peintre(this);
    peintre.setPen(QColor(0, 0, 128));
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}
