#include "teacher/regles_progression.h"

#include "core/faits.h"
#include "storage/dossiers.h"
#include "storage/fichier_texte.h"
#include "teacher/regles_liste_eleves.h"

#include <QDir>
#include <QHash>
#include <QSet>

namespace {

QDate date_du_jour(const QString& cle)
{
    return QDate::fromString(cle.right(10), QStringLiteral("dd/MM/yyyy"));
}

QString texte_date(const QDate& jour)
{
    return jour.toString(QStringLiteral("dd/MM/yyyy"));
}

int annee_de_debut(const QString& annee)
{
    bool ok = false;
    const int debut = annee.left(4).toInt(&ok);
    return ok && annee.size() == 9 && annee.mid(5).toInt() == debut + 1 ? debut : 0;
}

} // namespace

QString annee_scolaire_de(const QDate& jour)
{
    const int debut = jour.month() >= 9 ? jour.year() : jour.year() - 1;
    return QStringLiteral("%1-%2").arg(debut).arg(debut + 1);
}

QDate premier_lundi(const QString& annee)
{
    const int debut = annee_de_debut(annee);
    if (debut == 0)
        return {};
    const QDate rentree(debut, 9, 1);
    return rentree.addDays(1 - rentree.dayOfWeek());
}

int semaines_de_l_annee(const QString& annee)
{
    const QDate lundi = premier_lundi(annee);
    if (!lundi.isValid())
        return 0;
    return int(lundi.daysTo(QDate(annee_de_debut(annee) + 1, 8, 31)) / 7) + 1;
}

QVector<PointProgression> progression_eleve(
    const ResumeEleve& resume, int temps_acceptable, const QString& annee)
{
    static const ObjectifsTables classiques(QStringLiteral("tables_classiques"));
    QVector<PointProgression> points;
    for (const JourTeste& j : resume.jours) {
        const QDate jour = date_du_jour(j.date);
        if (!jour.isValid() || (!annee.isEmpty() && annee_scolaire_de(jour) != annee))
            continue;
        PointProgression p;
        p.jour = jour;
        p.score = classiques.pourcentage(QStringView(j.ligne).mid(29), temps_acceptable);
        p.vitesse = vitesse_test(j.ligne);
        points << p;
    }
    return points;
}

QStringList lignes_csv_eleve(const QVector<PointProgression>& points)
{
    QStringList lignes {QStringLiteral("date;score;rapidité")};
    for (const PointProgression& p : points)
        lignes << QStringLiteral("%1;%2;%3")
                      .arg(texte_date(p.jour), p.score < 0 ? QString() : QString::number(p.score))
                      .arg(p.vitesse);
    return lignes;
}

DonneesProgression moyennes_par_semaine(
    const QString& annee, const QStringList& classes, const QVector<EleveProgression>& eleves)
{
    DonneesProgression d;
    d.annee = annee;
    const int n = semaines_de_l_annee(annee);
    const QDate lundi = premier_lundi(annee);
    for (const QString& classe : classes) {
        CourbeClasse courbe;
        courbe.classe = classe;
        QVector<QVector<int>> par_semaine(n);
        for (const EleveProgression& e : eleves) {
            if (e.classe != classe)
                continue;
            ++courbe.eleves;
            QVector<QVector<int>> siens(n);
            for (const PointProgression& p : e.points) {
                const qint64 s = lundi.daysTo(p.jour) / 7;
                if (p.score >= 0 && lundi.daysTo(p.jour) >= 0 && s < n)
                    siens[int(s)] << p.score;
            }
            for (int s = 0; s < n; ++s)
                if (!siens[s].isEmpty())
                    par_semaine[s] << moyenne_arrondie(siens[s]);
        }
        for (int s = 0; s < n; ++s)
            courbe.moyennes << moyenne_arrondie(par_semaine[s]);
        d.courbes << courbe;
    }
    return d;
}

DonneesProgression progression_classes(const ParametresProgression& p)
{
    const QString dossier_annee = chemin_normalise(p.dossier_etablissement) + QLatin1Char('/') + p.annee;
    const QSet<QString> cochees(p.classes.cbegin(), p.classes.cend());
    QSet<QString> deja_vus;
    QVector<EleveProgression> eleves;
    QStringList illisibles;
    // Folder order decides the class of a pupil found in two: the first, ticked or not.
    for (const QString& classe : sous_dossiers(dossier_annee)) {
        for (const QString& raccourci :
            fichiers_du_dossier(dossier_annee + QLatin1Char('/') + classe, QStringLiteral("*.lnk"))) {
            const QString base = raccourci.chopped(4);
            if (deja_vus.contains(base.toCaseFolded()))
                continue;
            deja_vus.insert(base.toCaseFolded());
            if (!cochees.contains(classe))
                continue;
            EleveProgression e;
            e.classe = classe;
            const QString chemin = chemin_normalise(p.dossier_etablissement) + QLatin1Char('/') + base
                + QStringLiteral(".txt");
            if (QFileInfo::exists(chemin)) {
                if (const std::optional<QByteArray> octets = lit_fichier(chemin))
                    e.points = progression_eleve(resume_historique(*octets), p.temps_acceptable, p.annee);
                else
                    illisibles << base;
            }
            eleves << e;
        }
    }
    DonneesProgression d = moyennes_par_semaine(p.annee, p.classes, eleves);
    d.illisibles = illisibles;
    return d;
}

QStringList DonneesProgression::lignes_texte() const
{
    QStringList lignes;
    QString tete = QStringLiteral("semaine du");
    for (const CourbeClasse& c : courbes)
        tete += QLatin1Char('\t') + c.classe;
    lignes << tete;
    const QDate lundi = premier_lundi(annee);
    for (int s = 0; s < semaines(); ++s) {
        QString ligne = texte_date(lundi.addDays(7 * s));
        for (const CourbeClasse& c : courbes)
            ligne += QLatin1Char('\t')
                + (c.moyennes.value(s, -1) < 0 ? QStringLiteral("-") : QString::number(c.moyennes[s]));
        lignes << ligne;
    }
    return lignes;
}

QStringList DonneesProgression::lignes_csv() const
{
    QStringList lignes;
    for (QString ligne : lignes_texte()) {
        ligne.replace(QLatin1Char('\t'), QLatin1Char(';'));
        lignes << ligne.replace(QStringLiteral(";-"), QStringLiteral(";"));
    }
    return lignes;
}

QString description_progression_eleve(const QVector<PointProgression>& points)
{
    QVector<PointProgression> notes;
    for (const PointProgression& p : points)
        if (p.score >= 0)
            notes << p;
    if (notes.isEmpty())
        return QStringLiteral("Progression : aucun test des tables de 2 à 9.");
    const PointProgression& premier = notes.first();
    const PointProgression& dernier = notes.last();
    int meilleur = 0;
    for (const PointProgression& p : notes)
        meilleur = std::max(meilleur, p.score);
    if (notes.size() == 1)
        return QStringLiteral(
            "Progression : un seul jour de test, le %1, score %2 %, %3 bonnes réponses par minute.")
            .arg(texte_date(premier.jour))
            .arg(premier.score)
            .arg(premier.vitesse);
    return QStringLiteral(
        "Progression sur %1 jours de test, du %2 au %3 : score de %4 % à %5 %, meilleur %6 % ; "
        "rapidité de %7 à %8 bonnes réponses par minute.")
        .arg(notes.size())
        .arg(texte_date(premier.jour), texte_date(dernier.jour))
        .arg(premier.score)
        .arg(dernier.score)
        .arg(meilleur)
        .arg(premier.vitesse)
        .arg(dernier.vitesse);
}

QString description_progression_classes(const DonneesProgression& d)
{
    QStringList phrases {
        QStringLiteral("Progression des classes en %1, score moyen par semaine.").arg(d.annee)};
    const QDate lundi = premier_lundi(d.annee);
    for (const CourbeClasse& c : d.courbes) {
        int premiere = -1, derniere = -1, semaines = 0;
        for (int s = 0; s < c.moyennes.size(); ++s) {
            if (c.moyennes[s] < 0)
                continue;
            if (premiere < 0)
                premiere = s;
            derniere = s;
            ++semaines;
        }
        if (premiere < 0) {
            phrases << QStringLiteral("%1 : aucun test.").arg(c.classe);
            continue;
        }
        phrases << QStringLiteral(
            "%1 : %2 semaines testées, de %3 % la semaine du %4 à %5 % la semaine du %6.")
                       .arg(c.classe)
                       .arg(semaines)
                       .arg(c.moyennes[premiere])
                       .arg(texte_date(lundi.addDays(7 * premiere)))
                       .arg(c.moyennes[derniere])
                       .arg(texte_date(lundi.addDays(7 * derniere)));
    }
    return phrases.join(QLatin1Char(' '));
}
