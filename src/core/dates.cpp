#include "dates.h"
#include "faits.h"
#include "faits_interne.h"

#include <QStringList>

using faits_interne::lit_nombre;

qint64 horodatage(const QDateTime& moment)
{
    static constexpr int jours_avant_mois[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const QDate date = moment.date();
    const QTime heure = moment.time();
    const qint64 annees = date.year() - 2000;
    qint64 jours = annees * 365 + (date.year() - 2001) / 4 + jours_avant_mois[date.month() - 1] + date.day();
    if (date.month() > 2 && annees % 4 == 0)
        ++jours;
    return jours * 86400000LL + heure.hour() * 3600000LL + heure.minute() * 60000LL + heure.second() * 1000LL
        + heure.msec();
}

QString annee_scolaire(QDate date)
{
    const int debut = date.month() >= 9 ? date.year() : date.year() - 1;
    return QString::number(debut) + u'-' + QString::number(debut + 1);
}

QString nom_jour(QDate date)
{
    static const QStringList noms = {QStringLiteral("Lundi"), QStringLiteral("Mardi"),
        QStringLiteral("Mercredi"), QStringLiteral("Jeudi"), QStringLiteral("Vendredi"),
        QStringLiteral("Samedi"), QStringLiteral("Dimanche")};
    const int jour = date.dayOfWeek();
    return jour >= 1 && jour <= 7 ? noms[jour - 1] : QString();
}

QString date_texte(QDate date)
{
    return zeros_devant(date.day(), 2) + u'/' + zeros_devant(date.month(), 2) + u'/'
        + zeros_devant(date.year(), 4);
}

QString heure_texte(QTime heure)
{
    return zeros_devant(heure.hour(), 2) + u':' + zeros_devant(heure.minute(), 2) + u':'
        + zeros_devant(heure.second(), 2);
}

QString cle_date(QDate date)
{
    return nom_jour(date) + u' ' + date_texte(date);
}

QDate date_de_cle(const QString& cle)
{
    const qsizetype p = cle.indexOf(u'/');
    if (p < 2 || p + 8 > cle.size())
        return {};
    const int jour = lit_nombre(QStringView(cle).mid(p - 2, 2));
    const int mois = lit_nombre(QStringView(cle).mid(p + 1, 2));
    const int annee = lit_nombre(QStringView(cle).mid(p + 4, 4));
    if (jour < 0 || mois < 0 || annee < 0)
        return {};
    return QDate(annee, mois, jour);
}

QString date_courte(const QString& cle)
{
    const QDate date = date_de_cle(cle);
    if (!date.isValid())
        return cle;
    const qsizetype p = cle.indexOf(u'/');
    return cle.left(3) + u' ' + cle.mid(p - 2, 6) + zeros_devant(date.year() % 100, 2);
}

QString annee_scolaire_de_cle(const QString& cle)
{
    const QDate date = date_de_cle(cle);
    return date.isValid() ? annee_scolaire(date) : QString();
}

int secondes_du_jour(const QString& heure)
{
    const QStringList champs = heure.trimmed().split(u':');
    if (champs.size() != 3)
        return -1;
    const int h = lit_nombre(champs[0]);
    const int m = lit_nombre(champs[1]);
    const int s = lit_nombre(champs[2]);
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)
        return -1;
    return h * 3600 + m * 60 + s;
}

QString duree_entre(const QString& debut, const QString& fin)
{
    const int a = secondes_du_jour(debut);
    const int b = secondes_du_jour(fin);
    if (a < 0 || b < 0)
        return QStringLiteral("00:00:00");
    int ecart = b - a;
    if (ecart < 0)
        ecart += 86400;
    return zeros_devant(ecart / 3600, 2) + u':' + zeros_devant(ecart / 60 % 60, 2) + u':'
        + zeros_devant(ecart % 60, 2);
}

TamponsSeance tampons_seance(const QDateTime& moment)
{
    const QDate date = moment.date();
    return {annee_scolaire(date), date_texte(date), nom_jour(date), heure_texte(moment.time())};
}
