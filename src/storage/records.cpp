#include "storage/records.h"
#include "storage/fichier_texte.h"

#include "core/faits.h"
#include "storage/dossiers.h"
#include "storage/verrou_fichier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString nom_liste = QStringLiteral("/liste_records.txt");

bool avant(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

bool existe(const QString& chemin)
{
    return !chemin.isEmpty() && fichier_present(chemin);
}

QString nombre_aligne(const QString& texte, int largeur)
{
    return QString::number(texte.toInt()).rightJustified(largeur, QLatin1Char(' '));
}

} // namespace

CheminsRecords chemins_records(const Reglages& reglages)
{
    CheminsRecords c;
    c.local = chemin_normalise(reglages.dossier_statistiques_local) + nom_liste;
    if (reglages.mode_ecole && reglages.serveur_accessible && !reglages.chemin_serveur.isEmpty()
        && !reglages.dossier_statistiques_serveur.isEmpty())
        c.serveur = chemin_normalise(reglages.dossier_statistiques_serveur) + nom_liste;
    return c;
}

QString ligne_record(int score, int vitesse, const QString& nom_fichier)
{
    return zeros_devant(std::clamp(score, 0, 999), 3) + zeros_devant(std::clamp(vitesse, 0, 999), 3)
        + nom_fichier;
}

QStringList trie_records(const QStringList& lignes)
{
    QStringList liste;
    for (const QString& l : lignes) {
        if (!l.trimmed().isEmpty())
            liste.append(l);
    }
    std::stable_sort(liste.begin(), liste.end(), avant);
    liste.erase(std::unique(liste.begin(), liste.end(),
                    [](const QString& a, const QString& b) {
                        return QString::compare(a, b, Qt::CaseInsensitive) == 0;
                    }),
        liste.end());
    return liste;
}

QStringList charge_liste_records(const CheminsRecords& chemins)
{
    if (existe(chemins.serveur)) {
        if (const auto lignes = lit_lignes(chemins.serveur)) {
            QDir().mkpath(QFileInfo(chemins.local).absolutePath());
            ecrit_lignes(chemins.local, *lignes);
            return trie_records(*lignes);
        }
    }
    if (existe(chemins.local)) {
        if (const auto lignes = lit_lignes(chemins.local))
            return trie_records(*lignes);
    }
    return {};
}

ResultatRecords mise_a_jour_records(QStringList& liste, int score, int vitesse, const QString& nom_fichier,
    const CheminsRecords& chemins, int attente_verrou_ms)
{
    ResultatRecords r;
    const bool sur_serveur = existe(chemins.serveur);
    const QString cible = sur_serveur ? chemins.serveur : chemins.local;
    if (!sur_serveur)
        QDir().mkpath(QFileInfo(cible).absolutePath());
    const VerrouFichier verrou(cible, attente_verrou_ms);
    r.verrou = verrou.obtenu();

    bool lisible = true;
    if (existe(cible)) {
        const auto lignes = lit_lignes(cible);
        lisible = lignes.has_value();
        if (lisible)
            liste = trie_records(*lignes);
    } else {
        // The list in memory may come from elsewhere (the teacher console): the insertion needs it sorted.
        liste = trie_records(liste);
    }
    const QString nouvelle = ligne_record(score, vitesse, nom_fichier);
    const auto ancienne
        = std::find_if(liste.begin(), liste.end(), [&](const QString& l) { return l.mid(6) == nom_fichier; });
    if (ancienne != liste.end())
        liste.erase(ancienne);
    const auto place = std::upper_bound(liste.begin(), liste.end(), nouvelle, avant);
    qsizetype position = place - liste.begin();
    liste.insert(position, nouvelle);
    // A list that grew too long elsewhere comes back to the limit too.
    while (liste.size() > taille_max_records) {
        liste.removeFirst();
        --position;
    }
    if (position < 0)
        return r;
    r.rang = static_cast<int>(liste.size() - position);
    // A list that could not be read is not overwritten with ours: the other pupils' lines would be lost.
    r.ecriture = lisible ? ecrit_lignes(cible, liste)
                         : Ecriture {false, QStringLiteral("Impossible de lire « %1 ».").arg(cible)};
    return r;
}

QStringList decode_liste_records(const QStringList& liste)
{
    if (liste.isEmpty())
        return {QStringLiteral("Aucun record.")};
    QStringList lignes {QStringLiteral("score                      (vitesse)"), QStringLiteral("  ")};
    for (auto it = liste.crbegin(); it != liste.crend(); ++it) {
        const QString& l = *it;
        const QString nom_complet = l.mid(6);
        const qsizetype souligne = nom_complet.indexOf(QLatin1Char('_'));
        const QString nom = souligne < 0 ? nom_complet : nom_complet.left(souligne);
        const QString prenom = souligne < 0 ? QString() : nom_complet.mid(souligne + 1);
        const qsizetype longueur = nom.size() + prenom.size();
        const QString points = longueur < 22 ? QString(22 - longueur, QLatin1Char('.')) : QString();
        lignes.append(QLatin1Char(' ') + nombre_aligne(l.left(3), 3) + QStringLiteral("% ") + nom
            + QLatin1Char(' ') + prenom + points + QStringLiteral(" (") + nombre_aligne(l.mid(3, 3), 2)
            + QLatin1Char(')'));
    }
    return lignes;
}
