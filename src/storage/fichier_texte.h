#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

// Every text file of the program is Windows-1252 with CR LF, and every write replaces the file atomically.

QString depuis_cp1252(QByteArrayView octets);
QByteArray vers_cp1252(const QString& texte); // characters outside Windows-1252 become "?"
unsigned char octet_cp1252(QChar c); // "?" for characters outside Windows-1252
QChar car_cp1252(unsigned char octet);

// Splits text on CR LF, LF or lone CR. A final line break does not make an empty last line.
QStringList decoupe_lignes(const QString& texte);

// What stands at a path, links followed.
enum class NatureChemin
{
    absent,
    ordinaire,
    dossier,
    flux, // a character device or a FIFO: what is written goes through, there is nothing to replace
    autre // a block device or a socket
};
NatureChemin nature_chemin(const QString& chemin);

// Every file the program reads is text of a few megabytes at most (a history after years of séances is
// under 5 MB): a larger one is none of ours, and reading it whole could exhaust the memory.
inline constexpr qint64 taille_lisible_max = 32 * 1024 * 1024;

// The bytes of a regular file of at most taille_lisible_max bytes; nullopt when it is missing, unreadable,
// larger, or something else (a FIFO, a device, a folder), which is never opened to wait on it.
std::optional<QByteArray> lit_fichier(const QString& chemin);

// What one stat of a regular file tells, to know it unchanged without reading it: two equal states are the
// same bytes unless something wrote them within the file system's time granularity.
struct EtatFichier
{
    qint64 taille = -1;
    qint64 modifie_ns = 0; // modification time, nanoseconds since 1970
    auto operator<=>(const EtatFichier&) const = default;
};
// The state of a regular file; nullopt for anything else or nothing.
std::optional<EtatFichier> etat_fichier(const QString& chemin);

// A folder held open, so that the state of each of its files costs the lookup of its own name rather than
// of its whole path (most of a stat, for a thousand histories of a share).
class DossierOuvert
{
public:
    explicit DossierOuvert(QString chemin);
    ~DossierOuvert();
    DossierOuvert(const DossierOuvert&) = delete;
    DossierOuvert& operator=(const DossierOuvert&) = delete;

    // etat_fichier of the file `nom` in it.
    std::optional<EtatFichier> etat(const QString& nom) const;

private:
    QString m_chemin;
    int m_fd = -1;
};

// A file's bytes with its state before they were read. A file that changed while it was read is read again
// (three tries, then its bytes come with an empty state), so that a state never stands for bytes the file
// no longer holds.
struct FichierLu
{
    QByteArray octets;
    EtatFichier etat;
};
std::optional<FichierLu> lit_fichier_etat(const QString& chemin);

// The same for a file the program writes, read at once: only when that fails is a copy set aside by a killed
// write looked for (and put back, then read). `present`: whether anything stands at the path.
std::optional<FichierLu> lit_fichier_ecrit(const QString& chemin, bool& present);

// Pieces of a file known by its state: nullopt when the file is no longer in that state or cannot be read.
struct Morceau
{
    qint64 debut = 0;
    qint64 taille = 0;
};
std::optional<QVector<QByteArray>> lit_morceaux(
    const QString& chemin, const EtatFichier& attendu, const QVector<Morceau>& morceaux);

// The bytes of a file that is only ever appended to or replaced by rename, never rewritten in place nor cut,
// held as long as somebody keeps them. On a local disk they are the page cache's own pages, mapped: nothing
// is copied, which is what makes a large file cheap to a command that starts. Elsewhere (a share, where
// another machine could cut the file under the mapping) they are read into memory.
class OctetsAjoutes
{
public:
    OctetsAjoutes(const OctetsAjoutes&) = delete;
    OctetsAjoutes& operator=(const OctetsAjoutes&) = delete;
    ~OctetsAjoutes();

    EtatFichier etat; // when the bytes were taken
    QByteArrayView octets() const { return {m_debut, qsizetype(etat.taille)}; }

private:
    friend std::shared_ptr<const OctetsAjoutes> lit_fichier_ajoute(const QString& chemin);
    OctetsAjoutes() = default;
    const char* m_debut = nullptr;
    bool m_projete = false;
};
// nullopt for what lit_fichier refuses, size apart.
std::shared_ptr<const OctetsAjoutes> lit_fichier_ajoute(const QString& chemin);

// `octets` added at the end of an existing file in one write where the system allows it, so that two
// machines adding at once do not interleave; false when the file cannot be opened or a write fails.
bool ajoute_octets(const QString& chemin, QByteArrayView octets);

// How many files of `dossier` to read at once: one per core on this machine's own disks, where reading is
// copying from memory; many on a share, where each read mostly waits on the server.
int fils_pour_lire(const QString& dossier);

// The lines of a file (CR LF or LF; a UTF-8 file with its BOM is read as UTF-8). nullopt when it cannot
// be read, as lit_fichier says.
std::optional<QStringList> lit_lignes(const QString& chemin);
std::optional<QString> lit_texte(const QString& chemin);

// Whether the file exists, once the copy a killed write set aside is back in its place. Every check made
// before reading a file the program writes goes through here, never through QFile::exists.
bool fichier_present(const QString& chemin);
// The same for every set-aside copy of a folder, before its files are listed.
void remet_en_place_dans(const QString& dossier);
// The names in a folder ending with `extension` (files, folders, devices: whatever bears such a name), once
// the set-aside copies are back: one pass over a folder of a thousand histories instead of a look-up each.
QSet<QString> noms_dans(const QString& dossier, const QString& extension);

// Every name in a folder but "." and "..", with what the folder says of its kind: one read of the folder,
// where QDirIterator builds a file information per name. Empty when it cannot be listed.
struct NomDansDossier
{
    QString nom;
    enum Genre
    {
        fichier, // a regular file, or a link to one
        dossier, // a folder, or a link to one
        autre
    } genre
        = autre;
};
QVector<NomDansDossier> noms_du_dossier(const QString& dossier);

struct Ecriture
{
    bool ok = true;
    QString erreur; // French, for a message box

    explicit operator bool() const { return ok; }
};

// Replaces the file with these bytes, or leaves the previous one untouched and says why. A file found set
// aside by a killed write is put back and not replaced: the bytes were computed without it. A character
// device or a FIFO (/dev/null, a pipe) is written to directly, never replaced; a FIFO that nobody reads is
// refused; a block device or a socket is refused.
Ecriture ecrit_octets(const QString& chemin, const QByteArray& octets);
// Takes one piece of the bytes of a file being written; false once a piece could not be written.
using EcritMorceau = std::function<bool(QByteArrayView)>;
// The same replacement, with the bytes handed over piece by piece while they are made: a long document goes
// to the disk as it grows instead of being held whole. `produit` gives them in order and returns whether it
// gave them all; when it did not, the file is left as it was.
Ecriture ecrit_par_morceaux(const QString& chemin, const std::function<bool(const EcritMorceau&)>& produit);
// Lines joined and ended by CR LF, in Windows-1252: the bytes ecrit_lignes writes.
QByteArray octets_lignes(const QStringList& lignes);
Ecriture ecrit_lignes(const QString& chemin, const QStringList& lignes);
