#include "teacher/cases_classes.h"

#include <QCheckBox>

namespace {

// The width of a box whose name has the 10 characters a class name may have, all of the widest letter.
int largeur_case(const QFont& police)
{
    const QFontMetrics mesure(police);
    QChar large = u'W';
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        if (mesure.horizontalAdvance(QChar(c)) > mesure.horizontalAdvance(large))
            large = QChar(c);
    QCheckBox modele(QString(10, large));
    modele.setFont(police);
    return modele.sizeHint().width();
}

} // namespace

CasesClasses::CasesClasses(const QString& prefixe, QWidget* parent)
    : QGroupBox(QStringLiteral("Sur quels élèves:"), parent)
    , m_prefixe(prefixe)
{
}

void CasesClasses::actualise(const QVector<Niveau>& niveaux)
{
    qDeleteAll(m_cases);
    m_cases.clear();
    const int largeur = std::max(72, largeur_case(font()));
    // Levels side by side while they fit in the console's page, then again below.
    const int par_rangee = std::max(1, (largeur_maximale - 16) / (largeur + 3));
    int haut_rangee = 0, bas = 0, droite = 0;
    for (int i = 1; i <= niveaux.size(); ++i) {
        const int colonne = (i - 1) % par_rangee;
        if (colonne == 0 && i > 1)
            haut_rangee = bas + 6;
        const QStringList& classes = niveaux.at(i - 1).classes;
        for (int j = 1; j <= classes.size(); ++j) {
            auto* boite = new QCheckBox(classes.at(j - 1), this);
            boite->setObjectName(m_prefixe + QStringLiteral("%1_%2").arg(i).arg(j));
            boite->setAccessibleName(classes.at(j - 1));
            boite->setChecked(true);
            // Below the group's title.
            boite->setGeometry(16 + (largeur + 3) * colonne, haut_rangee + 20 * j + 2, largeur, 20);
            boite->show();
            m_cases.append(boite);
            bas = std::max(bas, boite->geometry().bottom());
            droite = std::max(droite, boite->geometry().right());
        }
    }
    setMinimumSize(droite + 10, bas + 10);
    resize(std::max(width(), droite + 10), std::max(height(), bas + 10));
}
