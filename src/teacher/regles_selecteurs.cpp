#include "teacher/regles_selecteurs.h"

#include "storage/dossiers.h"

QStringList etablissements_proposes(const QString& dossier_eleves, bool avec_aucun)
{
    QStringList noms = dossier_eleves.isEmpty() ? QStringList() : sous_dossiers(dossier_eleves);
    if (avec_aucun)
        noms << texte_aucun;
    return noms;
}

QStringList annees_proposees(const QString& dossier_eleves, const QString& etablissement)
{
    if (dossier_eleves.isEmpty() || etablissement.isEmpty() || etablissement == texte_aucun)
        return {};
    QStringList annees = sous_dossiers(
        chemin_normalise(dossier_eleves) + QLatin1Char('/') + etablissement, QStringLiteral("2*"));
    annees.sort();
    return annees;
}

QDate premier_septembre(QDate aujourdhui)
{
    const int annee = aujourdhui.month() >= 9 ? aujourdhui.year() : aujourdhui.year() - 1;
    return QDate(annee, 9, 1);
}
