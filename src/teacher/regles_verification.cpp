#include "teacher/regles_verification.h"

#include "storage/configuration.h"
#include "storage/dossiers.h"
#include "storage/fichier_ini.h"
#include "storage/fichier_texte.h"
#include "storage/fusion.h"
#include "storage/lecture_historique.h"
#include "storage/niveaux.h"
#include "storage/restes_panne.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <array>
#include <cstring>

namespace {

// A write still running on another machine keeps its temporary for seconds: only older ones are left over.
constexpr qint64 age_reste_s = 600;

const QString hors_classe = QStringLiteral("Hors classe");

bool nom_annee(const QString& nom)
{
    static const QRegularExpression annee(QStringLiteral("^\\d{4}-\\d{4}$"));
    return annee.match(nom).hasMatch();
}

bool finit_par(const QString& nom, const char* extension)
{
    return nom.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

// Every entry of a folder, hidden ones too, files and folders apart.
struct Contenu
{
    QFileInfoList fichiers;
    QFileInfoList dossiers;
};
Contenu contenu(const QString& dossier)
{
    Contenu c;
    const QDir d(dossier);
    for (const QFileInfo& f : d.entryInfoList(
             QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name)) {
        if (f.isDir())
            c.dossiers << f;
        else
            c.fichiers << f;
    }
    return c;
}

// What the séance headers of a history say of its order: the first header dated before the one above it,
// and the last header, keyed yyyymmddhh:mm:ss as the merge keys them.
struct OrdreSeances
{
    QByteArray desordre; // the key out of order, then the key above it; empty when in order
    QByteArray derniere; // key of the last header, empty without any
};

QByteArray cle_de(const MomentSeance& m)
{
    return QByteArray::number(m.jour) + QByteArray(m.heure.data(), qsizetype(m.heure.size()));
}

OrdreSeances ordre_des_seances(const QByteArray& octets)
{
    OrdreSeances o;
    const QVector<MomentSeance> moments = moments_des_seances(octets);
    for (qsizetype i = 1; i < moments.size(); ++i)
        if (moments[i] < moments[i - 1]) {
            o.desordre = cle_de(moments[i]) + cle_de(moments[i - 1]);
            break;
        }
    if (!moments.isEmpty())
        o.derniere = cle_de(moments.last());
    return o;
}

QString texte_cle(const QByteArray& cle)
{
    return QStringLiteral("%1/%2/%3 %4")
        .arg(QString::fromLatin1(cle.mid(6, 2)), QString::fromLatin1(cle.mid(4, 2)),
            QString::fromLatin1(cle.left(4)), QString::fromLatin1(cle.mid(8, 8)));
}

class Verification
{
public:
    Verification(const OptionsVerification& options, const QDateTime& maintenant)
        : m_options(options)
        , m_maintenant(maintenant)
        , m_etablissement(options.dossier_etablissement())
        , m_cle_maintenant(maintenant.toString(QStringLiteral("yyyyMMddHH:mm:ss")).toLatin1())
    {
    }

    RapportVerification lance()
    {
        const Contenu racine = contenu(m_etablissement);
        for (const QFileInfo& f : racine.fichiers)
            fichier_de_l_etablissement(f, false);
        for (const QFileInfo& d : racine.dossiers) {
            if (d.fileName().compare(hors_classe, Qt::CaseInsensitive) == 0)
                hors_classe_(d.filePath());
            else if (nom_annee(d.fileName()))
                annee(d.fileName(), d.filePath());
            else
                constate(GenreConstat::inconnu, d.filePath(), QStringLiteral("dossier"));
        }
        copies_doubles();
        records();
        if (!m_options.dossier_statistiques.isEmpty())
            restes(contenu(m_options.dossier_statistiques).fichiers);
        return m_rapport;
    }

private:
    void constate(
        GenreConstat genre, const QString& chemin, const QString& detail = {}, const QStringList& autres = {})
    {
        m_rapport.constats.append({genre, QDir::toNativeSeparators(chemin), detail, autres});
    }

    // A history, a pupil's .ini, or what an interrupted write left; anything else is unknown here.
    void fichier_de_l_etablissement(const QFileInfo& f, bool dans_hors_classe)
    {
        if (reste(f))
            return;
        const QString nom = f.fileName();
        if (finit_par(nom, ".txt")) {
            historique(f);
            return;
        }
        if (finit_par(nom, ".ini") || (dans_hors_classe && finit_par(nom, ".lnk")))
            return;
        constate(GenreConstat::inconnu, f.filePath());
    }

    // Reports a set-aside copy or a stale temporary; true when the file is one (even a fresh temporary).
    bool reste(const QFileInfo& f)
    {
        const RestePanne genre = reste_de_panne(f);
        if (genre == RestePanne::aucun)
            return false;
        if (genre == RestePanne::temporaire && f.lastModified().secsTo(m_maintenant) < age_reste_s)
            return true;
        const bool seule_copie
            = genre == RestePanne::mis_de_cote && !QFileInfo::exists(fichier_mis_de_cote(f.filePath()));
        constate(GenreConstat::reste_de_panne, f.filePath(),
            genre == RestePanne::temporaire ? QStringLiteral("fichier temporaire d'une écriture interrompue")
                : seule_copie ? QStringLiteral("copie mise de côté, seule copie de son fichier")
                              : QStringLiteral("copie mise de côté par une écriture interrompue"));
        if (!m_options.reparer)
            return true;
        if (seule_copie) {
            // The only copy of its file goes back in its place, as the program itself would do.
            const QString cible = fichier_mis_de_cote(f.filePath());
            if (QFile::rename(f.filePath(), cible))
                m_rapport.reparations
                    << QStringLiteral("Remis à sa place : %1").arg(QDir::toNativeSeparators(cible));
            else
                m_rapport.echecs << QStringLiteral("Impossible de remettre à sa place : %1")
                                        .arg(QDir::toNativeSeparators(f.filePath()));
        } else {
            range(f.filePath());
        }
        return true;
    }

    void restes(const QFileInfoList& fichiers)
    {
        for (const QFileInfo& f : fichiers)
            reste(f);
    }

    void historique(const QFileInfo& f)
    {
        ++m_rapport.historiques;
        const QString base = f.completeBaseName();
        m_copies[base.toCaseFolded()] << f.filePath();
        m_noms_historiques.insert(base.toCaseFolded());
        const std::optional<QByteArray> octets = lit_fichier(f.filePath());
        if (!octets) {
            constate(GenreConstat::illisible, f.filePath());
            return;
        }
        const OrdreSeances ordre = ordre_des_seances(*octets);
        if (!ordre.desordre.isEmpty())
            constate(GenreConstat::desordre, f.filePath(),
                QStringLiteral("séance du %1 après celle du %2")
                    .arg(texte_cle(ordre.desordre.left(16)), texte_cle(ordre.desordre.mid(16))));
        if (!ordre.derniere.isEmpty() && ordre.derniere > m_cle_maintenant)
            constate(GenreConstat::date_future, f.filePath(),
                QStringLiteral("dernière séance datée du %1").arg(texte_cle(ordre.derniere)));
    }

    void hors_classe_(const QString& dossier)
    {
        const Contenu c = contenu(dossier);
        for (const QFileInfo& f : c.fichiers)
            fichier_de_l_etablissement(f, true);
        for (const QFileInfo& d : c.dossiers)
            constate(GenreConstat::inconnu, d.filePath(), QStringLiteral("dossier"));
    }

    void annee(const QString& nom, const QString& dossier)
    {
        const Contenu c = contenu(dossier);
        for (const QFileInfo& f : c.fichiers)
            if (!reste(f))
                constate(GenreConstat::inconnu, f.filePath());
        const auto nommees = m_options.classes_par_annee.constFind(nom);
        QSet<QString> connues;
        if (nommees != m_options.classes_par_annee.cend())
            for (const QString& classe : *nommees)
                connues.insert(nom_dossier_sur(classe).toCaseFolded());
        QHash<QString, QStringList> classes_de; // pupil → his class folders this year
        for (const QFileInfo& d : c.dossiers) {
            ++m_rapport.dossiers_classes;
            if (nommees != m_options.classes_par_annee.cend()
                && !connues.contains(d.fileName().toCaseFolded()))
                constate(GenreConstat::classe_inconnue, d.filePath(),
                    QStringLiteral("absente des classes de %1").arg(nom));
            const Contenu classe = contenu(d.filePath());
            for (const QFileInfo& f : classe.fichiers) {
                if (reste(f))
                    continue;
                if (finit_par(f.fileName(), ".lnk"))
                    classes_de[f.completeBaseName().toCaseFolded()] << f.filePath();
                else
                    constate(GenreConstat::inconnu, f.filePath());
            }
            for (const QFileInfo& sous : classe.dossiers)
                constate(GenreConstat::inconnu, sous.filePath(), QStringLiteral("dossier"));
        }
        for (auto it = classes_de.cbegin(); it != classes_de.cend(); ++it) {
            if (it->size() < 2)
                continue;
            QStringList classes;
            for (const QString& raccourci : *it)
                classes << QFileInfo(raccourci).dir().dirName();
            constate(GenreConstat::deux_classes, it->first(),
                QStringLiteral("classes %1 en %2").arg(classes.join(QStringLiteral(", ")), nom), it->mid(1));
        }
    }

    // The copy kept is the one in the establishment folder, under the name a class shortcut gives if any.
    void copies_doubles()
    {
        for (auto it = m_copies.cbegin(); it != m_copies.cend(); ++it) {
            if (it->size() < 2)
                continue;
            QStringList copies = *it;
            std::stable_sort(copies.begin(), copies.end(), [&](const QString& a, const QString& b) {
                const bool ha = QFileInfo(a).dir().dirName() == hors_classe;
                const bool hb = QFileInfo(b).dir().dirName() == hors_classe;
                return ha != hb ? !ha : a < b;
            });
            const QString gardee = copies.takeFirst();
            QStringList natives;
            for (const QString& c : copies)
                natives << QDir::toNativeSeparators(c);
            constate(GenreConstat::deux_copies, gardee, QString(), natives);
            if (!m_options.reparer)
                continue;
            for (const QString& autre : copies) {
                const Ecriture e = fusionne_historiques(autre, gardee);
                if (!e) {
                    m_rapport.echecs << QStringLiteral("Fusion impossible de %1 dans %2 : %3")
                                            .arg(QDir::toNativeSeparators(autre),
                                                QDir::toNativeSeparators(gardee), e.erreur);
                    continue;
                }
                m_rapport.reparations
                    << QStringLiteral("Fusionné dans %1 : %2")
                           .arg(QDir::toNativeSeparators(gardee), QDir::toNativeSeparators(autre));
                range(autre);
            }
        }
    }

    void records()
    {
        if (m_options.dossier_statistiques.isEmpty())
            return;
        const QString chemin
            = QDir(m_options.dossier_statistiques).filePath(QStringLiteral("liste_records.txt"));
        if (!QFileInfo::exists(chemin))
            return;
        const std::optional<QStringList> lignes = lit_lignes(chemin);
        if (!lignes) {
            constate(GenreConstat::records, chemin, QStringLiteral("liste illisible"));
            return;
        }
        QStringList absents;
        for (const QString& ligne : *lignes) {
            const QString nom = ligne.mid(6).trimmed();
            if (!nom.isEmpty() && !m_noms_historiques.contains(nom.toCaseFolded()))
                absents << nom;
        }
        if (!absents.isEmpty())
            constate(GenreConstat::records, chemin,
                QStringLiteral("élève(s) sans historique : %1").arg(absents.join(QStringLiteral(", "))));
    }

    // Moves a file into the dated folder of the statistics folder, under its path from the pupils' root.
    void range(const QString& chemin)
    {
        if (m_options.dossier_statistiques.isEmpty()) {
            m_rapport.echecs << QStringLiteral("Pas de dossier statistiques où ranger %1")
                                    .arg(QDir::toNativeSeparators(chemin));
            return;
        }
        const QString rangement
            = QDir(m_options.dossier_statistiques)
                  .filePath(QStringLiteral("verification %1")
                                .arg(m_maintenant.toString(QStringLiteral("yyyy-MM-dd"))));
        QString relatif = QDir(m_options.dossier_eleves).relativeFilePath(chemin);
        if (relatif.startsWith(QLatin1String("..")))
            relatif = QFileInfo(chemin).fileName();
        QString cible = QDir(rangement).filePath(relatif);
        // A second repair the same day never overwrites the first one's file.
        for (int n = 2; QFileInfo::exists(cible); ++n)
            cible = QDir(rangement).filePath(relatif + QStringLiteral(".%1").arg(n));
        if (!QDir().mkpath(QFileInfo(cible).path()) || !QFile::rename(chemin, cible)) {
            m_rapport.echecs << QStringLiteral("Impossible de ranger %1 dans %2")
                                    .arg(QDir::toNativeSeparators(chemin),
                                        QDir::toNativeSeparators(rangement));
            return;
        }
        m_rapport.reparations << QStringLiteral("Rangé dans %1 : %2")
                                     .arg(QDir::toNativeSeparators(rangement),
                                         QDir::toNativeSeparators(chemin));
    }

    const OptionsVerification& m_options;
    const QDateTime m_maintenant;
    const QString m_etablissement;
    const QByteArray m_cle_maintenant;
    RapportVerification m_rapport;
    QHash<QString, QStringList> m_copies; // folded base name → history files
    QSet<QString> m_noms_historiques;
};

} // namespace

QString OptionsVerification::dossier_etablissement() const
{
    return chemin_normalise(dossier_eleves) + QLatin1Char('/') + etablissement;
}

QHash<QString, QStringList> classes_de_la_configuration(const FichierIni& configuration)
{
    QHash<QString, QStringList> classes;
    const QString prefixe = cles::niveaux_et_classes(QString());
    for (const QString& ligne : configuration.lit_section(cles::etablissement)) {
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        const QString cle = ligne.left(egal);
        if (egal < 0 || !cle.startsWith(prefixe, Qt::CaseInsensitive))
            continue;
        QStringList noms;
        for (const Niveau& n : lit_niveaux(ligne.mid(egal + 1)).niveaux)
            noms << n.classes;
        classes.insert(cle.mid(prefixe.size()).trimmed(), noms);
    }
    return classes;
}

int RapportVerification::nombre(GenreConstat genre) const
{
    return int(std::count_if(
        constats.cbegin(), constats.cend(), [genre](const Constat& c) { return c.genre == genre; }));
}

RapportVerification verifie_partage(const OptionsVerification& options, const QDateTime& maintenant)
{
    return Verification(options, maintenant).lance();
}

QString titre_constat(GenreConstat genre)
{
    switch (genre) {
    case GenreConstat::illisible:
        return QStringLiteral("Historiques illisibles");
    case GenreConstat::reste_de_panne:
        return QStringLiteral("Copies mises de côté et fichiers temporaires d'écritures interrompues");
    case GenreConstat::deux_copies:
        return QStringLiteral("Deux copies de l'historique d'un élève");
    case GenreConstat::deux_classes:
        return QStringLiteral("Élèves dans deux classes d'une même année");
    case GenreConstat::classe_inconnue:
        return QStringLiteral("Dossiers de classes que l'établissement ne nomme plus");
    case GenreConstat::date_future:
        return QStringLiteral("Historiques dont la dernière séance est datée dans le futur");
    case GenreConstat::desordre:
        return QStringLiteral("Historiques aux séances dans le désordre");
    case GenreConstat::records:
        return QStringLiteral("Liste des records en décalage avec les historiques");
    case GenreConstat::inconnu:
        break;
    }
    return QStringLiteral("Fichiers inconnus du programme");
}

QStringList texte_rapport(const RapportVerification& rapport, const OptionsVerification& options)
{
    QStringList lignes {QStringLiteral("Vérification de %1 : %2 historique(s), %3 dossier(s) de classe.")
                            .arg(QDir::toNativeSeparators(options.dossier_etablissement()))
                            .arg(rapport.historiques)
                            .arg(rapport.dossiers_classes)};
    for (const GenreConstat genre :
        {GenreConstat::illisible, GenreConstat::reste_de_panne, GenreConstat::deux_copies,
            GenreConstat::deux_classes, GenreConstat::classe_inconnue, GenreConstat::date_future,
            GenreConstat::desordre, GenreConstat::records, GenreConstat::inconnu}) {
        const int n = rapport.nombre(genre);
        if (n == 0)
            continue;
        lignes << QString() << QStringLiteral("%1 : %2").arg(titre_constat(genre)).arg(n);
        for (const Constat& c : rapport.constats) {
            if (c.genre != genre)
                continue;
            lignes << QStringLiteral("  ") + c.chemin
                    + (c.detail.isEmpty() ? QString() : QStringLiteral(" (") + c.detail + QLatin1Char(')'));
            for (const QString& autre : c.autres)
                lignes << QStringLiteral("    et ") + autre;
        }
    }
    lignes << QString();
    if (rapport.rien_a_signaler())
        lignes << QStringLiteral("Rien à signaler.");
    else
        lignes << QStringLiteral("%1 constat(s).").arg(rapport.constats.size());
    if (!rapport.reparations.isEmpty() || !rapport.echecs.isEmpty()) {
        lignes << QString() << QStringLiteral("Réparations : %1").arg(rapport.reparations.size());
        for (const QString& r : rapport.reparations)
            lignes << QStringLiteral("  ") + r;
        for (const QString& e : rapport.echecs)
            lignes << QStringLiteral("  ÉCHEC : ") + e;
    }
    return lignes;
}
