#include "ui/controles.h"

QFont police_activite(int points, bool gras)
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
    f.setPointSize(points);
    f.setBold(gras);
    return f;
}

QPushButton* bouton_activite(
    QWidget* parent, const char* nom, const QString& libelle, const QRect& zone, const QFont& police)
{
    auto* b = bouton_nomme(QLatin1String(nom), libelle, parent);
    b->setGeometry(zone);
    b->setFont(police);
    return b;
}
