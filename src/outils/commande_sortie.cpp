#include "outils/commande_sortie.h"

#include "storage/fichier_texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <sys/stat.h>

namespace {

// The files of a school that no command writes, and the outputs of each command.
enum class GenreExistant
{
    inconnu,
    historique,
    configuration,
    raccourci,
    records,
    liste_eleves,
    pdf,
    png
};

QString description(GenreExistant g)
{
    switch (g) {
    case GenreExistant::historique:
        return QStringLiteral("l'historique d'un élève");
    case GenreExistant::configuration:
        return QStringLiteral("un fichier de configuration");
    case GenreExistant::raccourci:
        return QStringLiteral("le raccourci d'un élève");
    case GenreExistant::records:
        return QStringLiteral("la liste des records");
    case GenreExistant::liste_eleves:
        return QStringLiteral("la liste des élèves de la console");
    case GenreExistant::pdf:
        return QStringLiteral("un document PDF");
    case GenreExistant::png:
        return QStringLiteral("une image PNG");
    case GenreExistant::inconnu:
        break;
    }
    return {};
}

// Told by its name, or by its first bytes: a history begins with its first séance header.
GenreExistant genre_existant(const QFileInfo& f)
{
    const QString nom = f.fileName();
    if (nom.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
        return GenreExistant::configuration;
    if (nom.endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive))
        return GenreExistant::raccourci;
    if (nom.compare(QLatin1String("liste_records.txt"), Qt::CaseInsensitive) == 0)
        return GenreExistant::records;
    if (nom.compare(QLatin1String("liste_eleves.txt"), Qt::CaseInsensitive) == 0)
        return GenreExistant::liste_eleves;
    QFile fichier(f.filePath());
    if (!fichier.open(QIODevice::ReadOnly))
        return GenreExistant::inconnu;
    QByteArray debut = fichier.read(16);
    if (debut.startsWith("%PDF-"))
        return GenreExistant::pdf;
    if (debut.startsWith("\x89PNG"))
        return GenreExistant::png;
    if (debut.startsWith("\xEF\xBB\xBF"))
        debut = debut.mid(3);
    return debut.startsWith("S\xE9"
                            "ance du ")
            || debut.startsWith("S\xC3\xA9"
                                "ance du ")
        ? GenreExistant::historique
        : GenreExistant::inconnu;
}

bool genre_permis(GenreExistant existant, GenreSortie genre)
{
    switch (existant) {
    case GenreExistant::inconnu:
        return true;
    case GenreExistant::liste_eleves:
        return genre == GenreSortie::liste_eleves;
    case GenreExistant::pdf:
        return genre == GenreSortie::pdf;
    case GenreExistant::png:
        return genre == GenreSortie::png;
    default:
        return false;
    }
}

// A file as the system knows it, links followed: one call per path, where a canonical path asks for every
// folder of it (a bilan of 1,000 histories checked its output against each).
struct Identite
{
    dev_t peripherique;
    ino_t noeud;
    bool operator==(const Identite&) const = default;
};

std::optional<Identite> identite(const QString& chemin)
{
    struct stat s;
    if (::stat(QFile::encodeName(chemin).constData(), &s) != 0)
        return std::nullopt;
    return Identite {s.st_dev, s.st_ino};
}

// The same file whatever the path that names it (links, "..", a relative path); `ia` is the identity of `a`.
bool meme_fichier(const QFileInfo& a, const std::optional<Identite>& ia, const QString& b)
{
    if (a.absoluteFilePath() == QFileInfo(b).absoluteFilePath())
        return true;
    return ia && ia == identite(b);
}

} // namespace

QString sortie_refusee(const QString& sortie, GenreSortie genre, const LecturesCommande& lectures)
{
    const QFileInfo cible(sortie);
    const QString nom = QDir::toNativeSeparators(sortie);
    switch (nature_chemin(sortie)) {
    case NatureChemin::dossier:
        return QStringLiteral("« %1 » est un dossier, pas un fichier").arg(nom);
    case NatureChemin::autre:
        return QStringLiteral("« %1 » n'est ni un fichier ordinaire, ni un périphérique en caractères, ni un "
                              "tube nommé : rien n'y est écrit")
            .arg(nom);
    case NatureChemin::flux:
        return {};
    default:
        break;
    }
    const std::optional<Identite> identite_cible = identite(sortie);
    for (const QString& lu : lectures.fichiers)
        if (meme_fichier(cible, identite_cible, lu))
            return QStringLiteral("« %1 » est un des fichiers lus par la commande : il ne sera pas remplacé")
                .arg(nom);
    const QFileInfo dossier(cible.absolutePath());
    if (cible.suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0) {
        const std::optional<Identite> identite_dossier = identite(dossier.filePath());
        for (const QString& d : lectures.dossiers_historiques)
            if (meme_fichier(dossier, identite_dossier, QDir::cleanPath(d)))
                return QStringLiteral("« %1 » serait pris pour l'historique d'un élève : écrivez ailleurs "
                                      "que dans le dossier des historiques")
                    .arg(nom);
    }
    if (cible.exists()) {
        const GenreExistant existant = genre_existant(cible);
        if (!genre_permis(existant, genre))
            return QStringLiteral("« %1 » est %2 : il ne sera pas remplacé").arg(nom, description(existant));
    }
    return {};
}
