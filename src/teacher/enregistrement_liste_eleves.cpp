#include "teacher/enregistrement_liste_eleves.h"

#include "storage/dossiers.h"
#include "storage/verrou_fichier.h"

#include <QDir>

namespace {

Ecriture dossier_pret(const QString& dossier)
{
    if (QDir().mkpath(dossier))
        return {};
    return {false,
        QStringLiteral("Le dossier « %1 » n'a pas pu être créé.").arg(QDir::toNativeSeparators(dossier))};
}

Ecriture ecrit_records(const QString& chemin, const QStringList& records, int attente_verrou_ms)
{
    // A refresh that changes no record leaves the file as it is: no lock, no sync to disk.
    const QByteArray octets = octets_lignes(records);
    if (lit_fichier(chemin) == octets)
        return {};
    // Other machines update this file after each test: write it under the same lock as they do.
    const VerrouFichier verrou(chemin, attente_verrou_ms);
    return ecrit_octets(chemin, octets);
}

} // namespace

EnregistrementListe enregistre_liste_eleves(const ListeEleves& liste, bool ecole,
    const QString& dossier_statistiques, const CheminsRecords& records, int attente_verrou_ms)
{
    EnregistrementListe e;
    const QString dossier = chemin_normalise(dossier_statistiques);
    e.chemin_liste = dossier + QLatin1Char('/') + nom_liste_eleves;
    e.liste = dossier_pret(dossier);
    if (e.liste)
        e.liste = ecrit_lignes(e.chemin_liste, liste.lignes);
    // A list of the pupils outside any establishment ranks nobody: the school's records stay as they are.
    if (!ecole)
        return e;
    if (!records.serveur.isEmpty() && fichier_present(records.serveur))
        e.records = ecrit_records(records.serveur, liste.records, attente_verrou_ms);
    if (!records.local.isEmpty() && e.records) {
        const QString local = chemin_normalise(records.local);
        e.records = dossier_pret(local.left(local.lastIndexOf(QLatin1Char('/'))));
        if (e.records)
            e.records = ecrit_records(local, liste.records, attente_verrou_ms);
    }
    return e;
}
