#pragma once

#include "core/horloge.h"
#include "storage/fichier_texte.h"
#include "storage/lecture_historique.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>

// The school's index of histories: for each history already read, its state on disk, where its tests stand
// and the lines last used, so that a build reads in full only the histories that changed since. It is a cache
// kept in the statistics folder: a missing, damaged or foreign index is ignored and rebuilt, and what comes
// out of it is always what reading the histories gives.
//
// The file is a header and a run of records, one per history, each with its own check: a build appends the
// records of the histories it read, a later record of a path stands over an earlier one, and the file is
// written anew (atomically) when it holds more outworn records than live ones. Two machines appending at once
// cost at worst a damaged tail, which the next reader ignores and the next write replaces.
inline const QString nom_index_historiques = QStringLiteral("index_historiques.bin");

// A history, and the test chosen in it.
struct DemandeTest
{
    QString chemin;
    ChoixTest choix;
};

// Told after each history read, on the calling thread.
using ProgressionLecture = std::function<void(int faits, int total)>;

class IndexHistoriques
{
public:
    // An empty index kept in `fichier` ("": kept nowhere). A history is known by its folder's name and its
    // own, so that machines that mount the share at different places, the console and tabrix-outils share
    // it. The clock tells when a history was found unchanged.
    IndexHistoriques(QString fichier, const Horloge& horloge);

    struct LigneGardee
    {
        quint32 debut = 0;
        QByteArray octets;
    };
    struct Entree
    {
        EtatFichier etat;
        quint64 empreinte_fin = 0; // of the file's last bytes
        // When the history was read or last found unchanged (seconds, this machine's clock): until its
        // modification time is well before that, a rewrite within the same time tick could go unseen, and its
        // last bytes are compared too.
        qint64 verifie_a = 0;
        bool utf8 = false;
        // What `tests` and the kept lines may point into: the index file's bytes, or a history's places.
        std::shared_ptr<const void> garde;
        std::span<const PlaceTest> tests;
        QVector<LigneGardee> lignes; // most recently used first
        // The last choice made in it and its test, in memory only: a build that asks it again reads nothing.
        std::optional<std::pair<ChoixTest, TestChoisi>> dernier_choix;
    };
    // What a read taught, and whether the file should keep it (the last choice alone is not written).
    struct Appris
    {
        Entree entree;
        bool a_ecrire = true;
    };

    // Brings in what other builds wrote to the file since this one last read or wrote it.
    void charge();
    // Writes what the builds changed; a cache that cannot be written costs only time: false, nothing said.
    bool enregistre();

    // A history's chosen test, through the index, given the history's state as a stat just told it: at
    // most its chosen lines read when it is unchanged, the whole history read otherwise. Safe from several
    // threads as long as retiens() is not called meanwhile; what the index should learn is left in `appris`.
    TestLu lit(const DemandeTest& demande, const std::optional<EtatFichier>& etat,
        std::optional<Appris>& appris) const;
    void retiens(const QString& chemin, Appris&& appris);

    // What the last reads cost, for the benchmarks.
    qint64 octets_lus() const { return m_octets_lus; }
    int historiques_lus() const { return m_historiques_lus; }
    void remet_compteurs();
    int taille() const { return int(m_entrees.size()); }

private:
    QString cle(const QString& chemin) const;
    bool lit_fichier_index(bool depuis_la_fin);
    bool applique(const std::shared_ptr<const OctetsAjoutes>& fichier, qint64 debut);
    bool reecrit();

    QString m_fichier;
    QHash<QString, QString> m_chemins; // key → the path this machine read it at
    const Horloge* m_horloge;
    QHash<QString, Entree> m_entrees;
    QSet<QString> m_a_ecrire; // keys changed since the last write
    // The file as this index last read or wrote it: same generation and state mean nothing new in it.
    std::optional<EtatFichier> m_etat_connu;
    quint64 m_generation = 0;
    int m_enregistrements = 0; // records in the file, outworn ones included
    bool m_a_refaire = true; // missing, damaged or foreign: written anew, not appended to
    mutable std::atomic<qint64> m_octets_lus = 0;
    mutable std::atomic<int> m_historiques_lus = 0;
};

// Each history's chosen test, in the order asked, read on every core; through `index` when there is one (it
// is then brought up to date and written). Whatever the index holds, the result is what the histories give.
QVector<TestLu> lit_tests_choisis(const QVector<DemandeTest>& demandes, IndexHistoriques* index,
    const ProgressionLecture& progression = {});
