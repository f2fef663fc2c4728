#include "teacher/regles_resume_eleve.h"

#include "core/dates.h"

namespace {

// "Mardi 03/12/2024" of a séance header, "" when it is none.
QString date_de_seance(const QString& ligne)
{
    const int p = ligne.indexOf(QLatin1Char('/'));
    if (!ligne.startsWith(QLatin1Char('S')) || p < 12)
        return {};
    return ligne.mid(10, p - 2);
}

} // namespace

ResumeEleve resume_eleve(const QStringList& historique)
{
    ResumeEleve r;
    QString dernier_jour_teste;
    for (int i = 0; i < historique.size(); ++i) {
        const QString& ligne = historique[i];
        const QString date = date_de_seance(ligne);
        if (date.isEmpty())
            continue;
        ++r.seances;
        if (r.premiere_seance.isEmpty())
            r.premiere_seance = date;
        const int de = ligne.indexOf(QLatin1String(" de "), 10);
        const int a = ligne.indexOf(QStringLiteral(" à "), de + 1);
        if (de > 0 && a > 0) {
            const int debut = secondes_du_jour(ligne.mid(de + 4, 8));
            const int fin = secondes_du_jour(ligne.mid(a + 3, 8));
            if (debut >= 0 && fin >= 0)
                r.secondes += fin >= debut ? fin - debut : fin + 86400 - debut;
        }
        const QString suivante = historique.value(i + 1);
        if (suivante.size() > 1 && suivante.at(1) == QLatin1Char('T') && date != dernier_jour_teste) {
            dernier_jour_teste = date;
            r.jours.append({date, suivante});
        }
    }
    return r;
}

QStringList ResumeEleve::phrases() const
{
    const int j = int(jours.size());
    const QString premier = j > 0 ? jours.first().date : premiere_seance;
    const QString dernier = j > 0 ? jours.last().date : premiere_seance;
    if (seances == 0)
        return {QStringLiteral("aucune séance")};
    if (j > 2)
        return {QStringLiteral("%1 séances, sur %2 jours").arg(seances).arg(j),
            QStringLiteral("(du %1 au %2)").arg(premier, dernier)};
    if (j == 2)
        return {QStringLiteral("%1 séances, sur 2 jours").arg(seances),
            QStringLiteral("(le %1 et le %2)").arg(premier, dernier)};
    // Without any test day there is no day to name: the sentence says so instead of an empty date.
    if (j == 0 && seances > 1)
        return {QStringLiteral("%1 séances, aucun test").arg(seances)};
    if (seances > 1)
        return {QStringLiteral("%1 séances, le même jour: %2").arg(seances).arg(premier)};
    return {QStringLiteral("1 seule séance, le ") + premier};
}

QString ResumeEleve::temps_total() const
{
    const int h = secondes / 3600, m = secondes / 60 % 60, s = secondes % 60;
    return QStringLiteral("temps total: %1:%2:%3")
        .arg(h, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}

QStringList nom_et_prenom(const QString& chemin)
{
    QString base = chemin.mid(
        std::max(chemin.lastIndexOf(QLatin1Char('/')), chemin.lastIndexOf(QLatin1Char('\\'))) + 1);
    base = base.left(base.lastIndexOf(QLatin1Char('.')));
    const int p = base.indexOf(QLatin1Char('_'));
    if (p < 0)
        return {base, QString()};
    return {base.left(p), base.mid(p + 1)};
}

QString classe_de_ligne(const QString& ligne)
{
    return ligne.section(QLatin1Char(':'), 0, 0).trimmed();
}
