#include "teacher/cases_classes.h"

#include <QCheckBox>

CasesClasses::CasesClasses(const QString& prefixe, QWidget* parent)
    : QGroupBox(QStringLiteral("Sur quels élèves:"), parent)
    , m_prefixe(prefixe)
{
}

void CasesClasses::actualise(const QVector<Niveau>& niveaux)
{
    qDeleteAll(m_cases);
    m_cases.clear();
    int bas = 0, droite = 0;
    for (int i = 1; i <= niveaux.size(); ++i) {
        const QStringList& classes = niveaux.at(i - 1).classes;
        for (int j = 1; j <= classes.size(); ++j) {
            auto* boite = new QCheckBox(classes.at(j - 1), this);
            boite->setObjectName(m_prefixe + QStringLiteral("%1_%2").arg(i).arg(j));
            boite->setAccessibleName(classes.at(j - 1));
            boite->setChecked(true);
            // Below the group's title.
            boite->setGeometry(75 * i - 59, 20 * j + 2, 72, 20);
            boite->show();
            m_cases.append(boite);
            bas = std::max(bas, boite->geometry().bottom());
            droite = std::max(droite, boite->geometry().right());
        }
    }
    setMinimumSize(droite + 10, bas + 10);
    resize(std::max(width(), droite + 10), std::max(height(), bas + 10));
}
