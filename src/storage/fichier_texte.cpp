#include "storage/fichier_texte.h"
#include "storage/restes_panne.h"

#include "core/en_parallele.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <QtEndian>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <algorithm>
#include <bit>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

const QString suffixe_temporaire = QStringLiteral(".tabrix-tmp-");

// Windows-1252 code points for 0x80..0x9F; 0 marks the five unassigned bytes.
const char16_t table_80_9f[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
    0x0160, 0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
    0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

bool synchronise(QFileDevice& f)
{
    return f.flush() && ::fsync(f.handle()) == 0;
}

const QString fin_mis_de_cote = suffixe_temporaire + QStringLiteral("ancien");

// Extensions of the files the program writes: only their QSaveFile temporaries are ever removed.
const QStringList extensions_ecrites = {QStringLiteral(".txt"), QStringLiteral(".ini"),
    QStringLiteral(".lnk"), QStringLiteral(".pdf"), QStringLiteral(".bin")};

// Qt names a temporary file by six letters drawn from A-Z and a-z, never a digit.
bool six_lettres_de_qt(QStringView suffixe)
{
    return suffixe.size() == 6 && std::all_of(suffixe.begin(), suffixe.end(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    });
}

// Six letters as people write a word ("BACKUP", "backup", "Backup"): Qt draws such a name once in 21, a
// user names a copy so nearly always. Left in place, a forgotten temporary costs some room, a deleted
// copy costs the user's work.
bool forme_de_mot(QStringView lettres)
{
    const auto majuscule = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    const QStringView reste = lettres.mid(1);
    return std::all_of(lettres.begin(), lettres.end(), majuscule)
        || std::none_of(reste.begin(), reste.end(), majuscule);
}

// Whether a file is the temporary QSaveFile made for a file we write: that file's name, ".", six random
// letters, the file itself beside it.
bool temporaire_qsavefile(const QFileInfo& f)
{
    const QString nom = f.fileName();
    if (nom.size() < 8 || nom.at(nom.size() - 7) != QLatin1Char('.'))
        return false;
    const QStringView lettres = QStringView(nom).right(6);
    if (!six_lettres_de_qt(lettres) || forme_de_mot(lettres))
        return false;
    const QString cible = nom.chopped(7);
    return std::any_of(extensions_ecrites.cbegin(), extensions_ecrites.cend(), [&](const QString& e) {
        return cible.endsWith(e, Qt::CaseInsensitive) && cible.size() > e.size();
    }) && QFileInfo(f.dir(), cible).isFile();
}

// Whether a file is the named temporary of our own fallback: ".", the file's name, our suffix, six letters.
bool temporaire_nomme(const QString& nom)
{
    return nom.startsWith(QLatin1Char('.')) && nom.size() > suffixe_temporaire.size() + 7
        && QStringView(nom).chopped(6).endsWith(suffixe_temporaire)
        && six_lettres_de_qt(QStringView(nom).right(6));
}

// A copy set aside by a write is the only one of its file while the file is missing (the write was killed
// between its two renames): it goes back in its place. Beside a file as recent as itself, it is what a
// finished write failed to remove: it goes, so that a later loss of the file never brings it back.
bool remet_en_place(const QString& chemin)
{
    const QFileInfo mis_de_cote(chemin + fin_mis_de_cote);
    if (!mis_de_cote.exists())
        return false;
    const QFileInfo fichier(chemin);
    if (!fichier.exists())
        return QFile::rename(mis_de_cote.filePath(), chemin);
    if (mis_de_cote.lastModified() <= fichier.lastModified())
        QFile::remove(mis_de_cote.filePath());
    return false;
}

// A killed process leaves its temporary file behind: ours are removed once they are ten minutes old.
void nettoie_temporaires(const QDir& dossier)
{
    QStringList motifs {QStringLiteral("*") + suffixe_temporaire + QStringLiteral("*")};
    for (const QString& e : extensions_ecrites)
        motifs.append(QStringLiteral("*") + e + QStringLiteral(".??????"));
    const auto limite = QDateTime::currentDateTime().addSecs(-600);
    for (const QFileInfo& f : dossier.entryInfoList(motifs, QDir::Files | QDir::Hidden | QDir::System)) {
        const QString nom = f.fileName();
        if (nom.endsWith(fin_mis_de_cote)) {
            const QString chemin = f.absoluteFilePath().chopped(fin_mis_de_cote.size());
            // Newer than its file (clocks of two machines apart): neither put back nor kept for ever.
            if (!remet_en_place(chemin) && QFileInfo::exists(f.absoluteFilePath())
                && f.lastModified() < limite)
                QFile::remove(f.absoluteFilePath());
            continue;
        }
        if ((temporaire_nomme(nom) || temporaire_qsavefile(f)) && f.lastModified() < limite)
            QFile::remove(f.absoluteFilePath());
    }
}

// After a rename, the folder itself must reach the disk, or a power cut could bring the old file back.
void synchronise_dossier(const QString& dossier)
{
    const int fd = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QString raison(const QFileDevice& f)
{
    return f.errorString();
}

EcritMorceau ecrit_dans(QFileDevice& f)
{
    return [&f](QByteArrayView morceau) { return f.write(morceau.data(), morceau.size()) == morceau.size(); };
}

// For shares that refuse O_TMPFILE or renaming over an existing file.
Ecriture ecrit_par_fichier_nomme(
    const QString& chemin, const std::function<bool(const EcritMorceau&)>& produit)
{
    const QFileInfo info(chemin);
    QTemporaryFile tmp(info.absolutePath() + QStringLiteral("/.") + info.fileName() + suffixe_temporaire
        + QStringLiteral("XXXXXX"));
    tmp.setAutoRemove(true);
    if (!tmp.open())
        return {false,
            QStringLiteral("Impossible de créer un fichier dans « %1 » : %2")
                .arg(info.absolutePath(), raison(tmp))};
    if (!produit(ecrit_dans(tmp)) || !synchronise(tmp))
        return {false, QStringLiteral("Impossible d'écrire « %1 » : %2").arg(chemin, raison(tmp))};
    tmp.close();
    // QTemporaryFile is private to its owner; other machines of the school must read the file too.
    tmp.setPermissions(QFile::exists(chemin)
            ? QFile::permissions(chemin)
            : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (::rename(QFile::encodeName(tmp.fileName()).constData(), QFile::encodeName(chemin).constData()) == 0) {
        tmp.setAutoRemove(false);
        synchronise_dossier(info.absolutePath());
        return {};
    }
    const QString ancien = chemin + suffixe_temporaire + QStringLiteral("ancien");
    QFile::remove(ancien);
    const bool existait = QFile::exists(chemin);
    if (existait && !QFile::rename(chemin, ancien))
        return {false, QStringLiteral("Impossible de remplacer « %1 ».").arg(chemin)};
    if (!QFile::rename(tmp.fileName(), chemin)) {
        if (existait)
            QFile::rename(ancien, chemin);
        return {false, QStringLiteral("Impossible de remplacer « %1 ».").arg(chemin)};
    }
    tmp.setAutoRemove(false);
    synchronise_dossier(info.absolutePath());
    QFile::remove(ancien);
    return {};
}

// Latin-1 is Windows-1252 but for 0x80..0x9F: convert with Qt's fast path, then patch those bytes, found
// eight at a time so that a text with a few of them ("’" once a séance) is not visited byte by byte.
QString decode_cp1252(const char* octets, qsizetype taille)
{
    QString texte = QString::fromLatin1(octets, taille);
    QChar* sortie = nullptr;
    const auto corrige = [&](qsizetype i) {
        const auto u = static_cast<unsigned char>(octets[i]);
        if (!table_80_9f[u - 0x80])
            return;
        if (!sortie)
            sortie = texte.data();
        sortie[i] = QChar(table_80_9f[u - 0x80]);
    };
    constexpr quint64 hauts = 0x8080808080808080ULL;
    qsizetype i = 0;
    for (; i + 8 <= taille; i += 8) {
        // Bit 7 of each byte that has bit 7 set and bits 6 and 5 clear.
        const quint64 w = qFromUnaligned<quint64>(octets + i);
        for (quint64 m
             = qFromLittleEndian(w) & ~(qFromLittleEndian(w) << 1) & ~(qFromLittleEndian(w) << 2) & hauts;
             m; m &= m - 1)
            corrige(i + std::countr_zero(m) / 8);
    }
    for (; i < taille; ++i)
        if ((static_cast<unsigned char>(octets[i]) & 0xE0) == 0x80)
            corrige(i);
    return texte;
}

// The lines of Windows-1252 bytes, decoded one by one rather than through one big text.
QStringList lignes_cp1252(const QByteArray& octets)
{
    QStringList lignes;
    const char* debut = octets.constData();
    const char* const fin = debut + octets.size();
    while (debut < fin) {
        const auto* lf = static_cast<const char*>(std::memchr(debut, '\n', size_t(fin - debut)));
        const char* limite = lf ? lf : fin;
        const auto* cr = static_cast<const char*>(std::memchr(debut, '\r', size_t(limite - debut)));
        if (cr) {
            lignes.append(decode_cp1252(debut, cr - debut));
            debut = cr + (cr + 1 < fin && cr[1] == '\n' ? 2 : 1);
        } else {
            lignes.append(decode_cp1252(debut, limite - debut));
            debut = lf ? lf + 1 : fin;
        }
    }
    return lignes;
}

// Characters past Latin-1 or in 0x80..0x9F, whose byte is not their code, four at a time.
bool hors_latin1(const QChar* texte, qsizetype taille)
{
    constexpr quint64 hauts = 0xFF00FF00FF00FF00ULL;
    constexpr quint64 bits_7 = 0x0080008000800080ULL;
    quint64 trouve = 0;
    qsizetype i = 0;
    for (; i + 4 <= taille; i += 4) {
        quint64 w;
        std::memcpy(&w, texte + i, 8);
        trouve |= (w & hauts) | (w & ~(w << 1) & ~(w << 2) & bits_7);
    }
    for (; i < taille; ++i) {
        const char16_t u = texte[i].unicode();
        trouve |= u > 0xFF || (u & 0xE0) == 0x80;
    }
    return trouve != 0;
}

void encode_cp1252(const QChar* texte, qsizetype taille, char* sortie)
{
    if (!hors_latin1(texte, taille)) {
        qsizetype i = 0;
#ifdef __SSE2__
        // Every character is below 0x100 here, so saturating packing keeps each one exact.
        for (; i + 16 <= taille; i += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(texte + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(texte + i + 8));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(sortie + i), _mm_packus_epi16(a, b));
        }
#endif
        for (; i < taille; ++i)
            sortie[i] = static_cast<char>(texte[i].unicode());
        return;
    }
    for (qsizetype i = 0; i < taille; ++i)
        sortie[i] = static_cast<char>(octet_cp1252(texte[i]));
}

} // namespace

QChar car_cp1252(unsigned char octet)
{
    if (octet >= 0x80 && octet <= 0x9F) {
        const char16_t c = table_80_9f[octet - 0x80];
        return c ? QChar(c) : QChar(octet);
    }
    return QChar(octet);
}

unsigned char octet_cp1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (int i = 0; i < 32; ++i) {
        if (table_80_9f[i] == u && u != 0)
            return static_cast<unsigned char>(0x80 + i);
    }
    // The five unassigned bytes read as their own code point: give them back unchanged.
    if (u >= 0x80 && u <= 0x9F && table_80_9f[u - 0x80] == 0)
        return static_cast<unsigned char>(u);
    return '?';
}

QString depuis_cp1252(QByteArrayView octets)
{
    return decode_cp1252(octets.constData(), octets.size());
}

QByteArray vers_cp1252(const QString& texte)
{
    QByteArray octets(texte.size(), Qt::Uninitialized);
    encode_cp1252(texte.constData(), texte.size(), octets.data());
    return octets;
}

QStringList decoupe_lignes(const QString& texte)
{
    QStringList lignes;
    qsizetype debut = 0;
    const qsizetype n = texte.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = texte[i];
        if (c == u'\n' || c == u'\r') {
            lignes.append(texte.mid(debut, i - debut));
            if (c == u'\r' && i + 1 < n && texte[i + 1] == u'\n')
                ++i;
            debut = i + 1;
        }
    }
    if (debut < n)
        lignes.append(texte.mid(debut));
    return lignes;
}

namespace {

// The text of a UTF-8 file after its mark, or nothing when the bytes are Windows-1252.
std::optional<QString> texte_utf8(const QByteArray& octets)
{
    // A UTF-8 mark counts only when the rest is valid UTF-8: a Windows-1252 line may begin with "ï»¿".
    if (!octets.startsWith("\xEF\xBB\xBF"))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = utf8(octets.mid(3));
    if (utf8.hasError())
        return std::nullopt;
    return texte;
}

std::optional<QByteArray> lit_octets(const QString& chemin)
{
    remet_en_place(chemin);
    return lit_fichier(chemin);
}

// Renaming a file over a device or a FIFO would put a plain file in its place: the bytes go to it directly.
// Every byte of `octets` to `fd`, through interrupted writes; false with errno set when a write fails.
bool ecrit_tout(int fd, QByteArrayView octets)
{
    qsizetype ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t n = ::write(fd, octets.data() + ecrits, size_t(octets.size() - ecrits));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        ecrits += n;
    }
    return true;
}

// Opened without waiting, a FIFO that nobody reads is refused instead of holding the program.
Ecriture ecrit_dans_flux(const QString& chemin, const std::function<bool(const EcritMorceau&)>& produit)
{
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {false,
            errno == ENXIO
                ? QStringLiteral("Impossible d'écrire « %1 » : aucun programme ne le lit.").arg(chemin)
                : QStringLiteral("Impossible d'écrire « %1 » : %2")
                      .arg(chemin, QString::fromLocal8Bit(std::strerror(errno)))};
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QString erreur = QStringLiteral("écriture interrompue");
    const bool tout = produit([&](QByteArrayView morceau) {
        if (ecrit_tout(fd, morceau))
            return true;
        erreur = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    });
    ::close(fd);
    if (!tout)
        return {false, QStringLiteral("Impossible d'écrire « %1 » : %2").arg(chemin, erreur)};
    return {};
}

} // namespace

NatureChemin nature_chemin(const QString& chemin)
{
    struct stat st;
    if (::stat(QFile::encodeName(chemin).constData(), &st) != 0)
        return NatureChemin::absent;
    if (S_ISREG(st.st_mode))
        return NatureChemin::ordinaire;
    if (S_ISDIR(st.st_mode))
        return NatureChemin::dossier;
    return S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode) ? NatureChemin::flux : NatureChemin::autre;
}

namespace {

EtatFichier etat_de(const struct stat& st)
{
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

// A regular file opened for reading, never a FIFO or a device (opening one may act on it, or wait).
class Ouvert
{
public:
    explicit Ouvert(const QString& chemin)
    {
        // Checked before opening too: opening a device may act on it.
        if (nature_chemin(chemin) != NatureChemin::ordinaire)
            return;
        fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0 && !(etat = etat_actuel()))
            ferme();
    }
    ~Ouvert() { ferme(); }
    Ouvert(const Ouvert&) = delete;
    Ouvert& operator=(const Ouvert&) = delete;

    std::optional<EtatFichier> etat_actuel() const
    {
        struct stat st;
        if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        return etat_de(st);
    }

    // The whole file, up to taille_lisible_max bytes; nullopt when larger or when a read fails.
    std::optional<QByteArray> tout() const
    {
        if (etat->taille > taille_lisible_max)
            return std::nullopt;
        // Read straight into a buffer of the file's size, one byte more to see it grown meanwhile.
        QByteArray octets(qsizetype(etat->taille) + 1, Qt::Uninitialized);
        qsizetype lus = 0;
        for (;;) {
            if (lus == octets.size()) {
                if (octets.size() > taille_lisible_max)
                    break;
                octets.resize(std::min<qsizetype>(2 * octets.size(), taille_lisible_max + 1));
            }
            const qsizetype demande = octets.size() - lus;
            const ssize_t n = ::read(fd, octets.data() + lus, size_t(demande));
            if (n < 0 && errno == EINTR)
                continue;
            // A read that fails halfway must not pass for a shorter file, which would then be written back.
            if (n < 0)
                return std::nullopt;
            if (n == 0)
                break;
            lus += n;
            // Short of the byte asked beyond the size it had: its end, without one more read to say so.
            if (n < demande && lus == etat->taille)
                break;
        }
        if (lus > taille_lisible_max)
            return std::nullopt;
        octets.truncate(lus);
        return octets;
    }

    std::optional<QByteArray> morceau(const Morceau& m) const
    {
        QByteArray octets(qsizetype(m.taille), Qt::Uninitialized);
        if (!lit_dans(octets.data(), m))
            return std::nullopt;
        return octets;
    }

    bool lit_dans(char* destination, const Morceau& m) const
    {
        qint64 lus = 0;
        while (lus < m.taille) {
            const ssize_t n = ::pread(fd, destination + lus, size_t(m.taille - lus), m.debut + lus);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            lus += n;
        }
        return true;
    }

    void ferme()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }

    int fd = -1;
    std::optional<EtatFichier> etat;
};

} // namespace

std::optional<EtatFichier> etat_fichier(const QString& chemin)
{
    struct stat st;
    if (::stat(QFile::encodeName(chemin).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return etat_de(st);
}

DossierOuvert::DossierOuvert(QString chemin)
    : m_chemin(std::move(chemin))
    , m_fd(::open(QFile::encodeName(m_chemin).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC))
{
}

DossierOuvert::~DossierOuvert()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::optional<EtatFichier> DossierOuvert::etat(const QString& nom) const
{
    if (m_fd < 0)
        return etat_fichier(m_chemin + QLatin1Char('/') + nom);
    struct stat st;
    if (::fstatat(m_fd, QFile::encodeName(nom).constData(), &st, 0) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return etat_de(st);
}

std::optional<QByteArray> lit_fichier(const QString& chemin)
{
    const Ouvert f(chemin);
    return f.etat ? f.tout() : std::nullopt;
}

std::optional<FichierLu> lit_fichier_etat(const QString& chemin)
{
    for (int essai = 1;; ++essai) {
        const Ouvert f(chemin);
        if (!f.etat)
            return std::nullopt;
        std::optional<QByteArray> octets = f.tout();
        if (!octets)
            return std::nullopt;
        if (f.etat_actuel() == f.etat && octets->size() == f.etat->taille)
            return FichierLu {std::move(*octets), *f.etat};
        // Still being written: the bytes stand, with a state that matches no file.
        if (essai == 3)
            return FichierLu {std::move(*octets), {}};
    }
}

std::optional<FichierLu> lit_fichier_ecrit(const QString& chemin, bool& present)
{
    std::optional<FichierLu> lu = lit_fichier_etat(chemin);
    present = true;
    if (!lu && (present = fichier_present(chemin)))
        lu = lit_fichier_etat(chemin);
    return lu;
}

std::optional<QVector<QByteArray>> lit_morceaux(
    const QString& chemin, const EtatFichier& attendu, const QVector<Morceau>& morceaux)
{
    const Ouvert f(chemin);
    if (f.etat != attendu)
        return std::nullopt;
    QVector<QByteArray> lus;
    for (const Morceau& m : morceaux) {
        if (m.debut < 0 || m.taille < 0 || m.debut + m.taille > attendu.taille)
            return std::nullopt;
        std::optional<QByteArray> octets = f.morceau(m);
        if (!octets)
            return std::nullopt;
        lus.append(std::move(*octets));
    }
    // Written meanwhile: the pieces may mix two versions.
    if (f.etat_actuel() != attendu)
        return std::nullopt;
    return lus;
}

namespace {

// File systems of this machine's own disks and memory, whose files no other machine writes.
bool systeme_local(const struct statfs& fs)
{
    switch (fs.f_type) {
    case EXT4_SUPER_MAGIC: // ext2, ext3 and ext4 alike
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case F2FS_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

bool disque_local(int fd)
{
    struct statfs fs;
    return ::fstatfs(fd, &fs) == 0 && systeme_local(fs);
}

} // namespace

bool ajoute_octets(const QString& chemin, QByteArrayView octets)
{
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ecrits = ecrit_tout(fd, octets);
    ::close(fd);
    return ecrits;
}

int fils_pour_lire(const QString& dossier)
{
    struct statfs fs;
    const bool local = ::statfs(QFile::encodeName(dossier).constData(), &fs) == 0 && systeme_local(fs);
    return local ? fils_de_calcul() : fils_de_lecture();
}

OctetsAjoutes::~OctetsAjoutes()
{
    if (m_projete)
        ::munmap(const_cast<char*>(m_debut), size_t(etat.taille));
    else
        delete[] m_debut;
}

std::shared_ptr<const OctetsAjoutes> lit_fichier_ajoute(const QString& chemin)
{
    const Ouvert f(chemin);
    if (!f.etat)
        return nullptr;
    std::shared_ptr<OctetsAjoutes> lus(new OctetsAjoutes);
    lus->etat = *f.etat;
    if (f.etat->taille == 0)
        return lus;
    if (disque_local(f.fd)) {
        void* p = ::mmap(nullptr, size_t(f.etat->taille), PROT_READ, MAP_PRIVATE, f.fd, 0);
        if (p != MAP_FAILED) {
            lus->m_debut = static_cast<const char*>(p);
            lus->m_projete = true;
            return lus;
        }
    }
    // Aligned as new[] aligns, so that what the file lays out as numbers can be read in place.
    char* copie = new char[size_t(f.etat->taille)];
    lus->m_debut = copie;
    return f.lit_dans(copie, {0, f.etat->taille}) ? lus : nullptr;
}

RestePanne reste_de_panne(const QFileInfo& f)
{
    const QString nom = f.fileName();
    if (nom.endsWith(fin_mis_de_cote) && nom.size() > fin_mis_de_cote.size())
        return RestePanne::mis_de_cote;
    return temporaire_nomme(nom) || temporaire_qsavefile(f) ? RestePanne::temporaire : RestePanne::aucun;
}

QString fichier_mis_de_cote(const QString& chemin_copie)
{
    return chemin_copie.endsWith(fin_mis_de_cote) ? chemin_copie.chopped(fin_mis_de_cote.size()) : QString();
}

bool fichier_present(const QString& chemin)
{
    remet_en_place(chemin);
    return QFileInfo::exists(chemin);
}

void remet_en_place_dans(const QString& dossier)
{
    // Every name is looked at by hand: a name filter would cost a regular expression per entry.
    QStringList mis_de_cote;
    for (QDirIterator it(dossier, QDir::Files | QDir::Hidden | QDir::System); it.hasNext();) {
        it.next();
        if (it.fileName().endsWith(fin_mis_de_cote))
            mis_de_cote << it.filePath();
    }
    for (const QString& chemin : mis_de_cote)
        remet_en_place(chemin.chopped(fin_mis_de_cote.size()));
}

QVector<NomDansDossier> noms_du_dossier(const QString& dossier)
{
    QVector<NomDansDossier> noms;
    DIR* d = ::opendir(QFile::encodeName(dossier).constData());
    if (!d)
        return noms;
    while (const dirent* e = ::readdir(d)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0')))
            continue;
        NomDansDossier::Genre genre = e->d_type == DT_REG ? NomDansDossier::fichier
            : e->d_type == DT_DIR                         ? NomDansDossier::dossier
                                                          : NomDansDossier::autre;
        // A link, or a file system that does not say: what the name leads to.
        struct stat st;
        if ((e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) && ::fstatat(::dirfd(d), n, &st, 0) == 0)
            genre = S_ISREG(st.st_mode) ? NomDansDossier::fichier
                : S_ISDIR(st.st_mode)   ? NomDansDossier::dossier
                                        : NomDansDossier::autre;
        noms.append({QFile::decodeName(n), genre});
    }
    ::closedir(d);
    return noms;
}

QSet<QString> noms_dans(const QString& dossier, const QString& extension)
{
    QSet<QString> noms;
    bool mis_de_cote = false;
    for (const NomDansDossier& n : noms_du_dossier(dossier)) {
        const QString& nom = n.nom;
        if (nom.endsWith(fin_mis_de_cote))
            mis_de_cote = true;
        else if (nom.endsWith(extension, Qt::CaseInsensitive))
            noms.insert(nom);
    }
    if (!mis_de_cote)
        return noms;
    remet_en_place_dans(dossier);
    return noms_dans(dossier, extension);
}

std::optional<QString> lit_texte(const QString& chemin)
{
    const auto octets = lit_octets(chemin);
    if (!octets)
        return std::nullopt;
    if (auto texte = texte_utf8(*octets))
        return texte;
    return depuis_cp1252(*octets);
}

std::optional<QStringList> lit_lignes(const QString& chemin)
{
    const auto octets = lit_octets(chemin);
    if (!octets)
        return std::nullopt;
    if (const auto texte = texte_utf8(*octets))
        return decoupe_lignes(*texte);
    return lignes_cp1252(*octets);
}

Ecriture ecrit_octets(const QString& chemin, const QByteArray& octets)
{
    return ecrit_par_morceaux(chemin, [&](const EcritMorceau& ecris) { return ecris(octets); });
}

Ecriture ecrit_par_morceaux(const QString& chemin, const std::function<bool(const EcritMorceau&)>& produit)
{
    if (chemin.isEmpty())
        return {false, QStringLiteral("Aucun nom de fichier n'a été donné.")};
    const QFileInfo info(chemin);
    QDir dossier = info.absoluteDir();
    if (!dossier.exists())
        return {false, QStringLiteral("Le dossier « %1 » n'existe pas.").arg(dossier.path())};
    switch (nature_chemin(chemin)) {
    case NatureChemin::dossier:
        return {false, QStringLiteral("« %1 » est un dossier, pas un fichier.").arg(chemin)};
    case NatureChemin::flux:
        return ecrit_dans_flux(chemin, produit);
    case NatureChemin::autre:
        return {false,
            QStringLiteral("« %1 » n'est pas un fichier ordinaire : il n'a pas été remplacé.").arg(chemin)};
    default:
        break;
    }
    // Content computed while the file was set aside would replace it: the caller must read it first.
    if (remet_en_place(chemin))
        return {false,
            QStringLiteral("« %1 » a été retrouvé après une écriture interrompue : il n'a pas été remplacé.")
                .arg(chemin)};
    nettoie_temporaires(dossier);

    QSaveFile f(chemin);
    f.setDirectWriteFallback(false);
    if (f.open(QIODevice::WriteOnly)) {
        if (produit(ecrit_dans(f)) && synchronise(f) && f.commit()) {
            synchronise_dossier(dossier.path());
            return {};
        }
        const QString erreur = raison(f);
        f.cancelWriting();
        return {false, QStringLiteral("Impossible d'écrire « %1 » : %2").arg(chemin, erreur)};
    }
    return ecrit_par_fichier_nomme(chemin, produit);
}

QByteArray octets_lignes(const QStringList& lignes)
{
    qsizetype taille = 0;
    for (const QString& l : lignes)
        taille += l.size() + 2;
    QByteArray octets(taille, Qt::Uninitialized);
    char* p = octets.data();
    for (const QString& l : lignes) {
        encode_cp1252(l.constData(), l.size(), p);
        p += l.size();
        *p++ = '\r';
        *p++ = '\n';
    }
    return octets;
}

Ecriture ecrit_lignes(const QString& chemin, const QStringList& lignes)
{
    return ecrit_octets(chemin, octets_lignes(lignes));
}
