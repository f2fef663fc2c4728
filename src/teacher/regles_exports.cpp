#include "teacher/regles_exports.h"

#include <QDir>
#include <QFileInfo>

QString dossier_des_exports(const QString& dossier_programme)
{
    const QString stats = QDir(dossier_programme).filePath(QStringLiteral("stats"));
    return QFileInfo(stats).isDir() ? stats : QDir(dossier_programme).path();
}

QDate rentree_scolaire(const QString& annee_scolaire, const QDate& aujourdhui)
{
    bool ok = false;
    const int annee = annee_scolaire.left(4).toInt(&ok);
    if (ok && annee_scolaire.size() == 9 && annee_scolaire.at(4) == QLatin1Char('-'))
        return QDate(annee, 9, 1);
    return QDate(aujourdhui.month() >= 9 ? aujourdhui.year() : aujourdhui.year() - 1, 9, 1);
}
