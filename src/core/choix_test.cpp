#include "core/choix_test.h"

#include "core/dates.h"

#include <QDate>

QString titre_date_test(const QString& date)
{
    const QDate d = QDate::fromString(date, QStringLiteral("dd/MM/yyyy"));
    return d.isValid() ? nom_jour(d) + QLatin1Char(' ') + date : date;
}
