#include "storage/index_historiques.h"

#include "core/en_parallele.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <type_traits>

namespace {

constexpr char magie[24] = {'T', 'a', 'b', 'r', 'i', 'x', ' ', 'i', 'n', 'd', 'e', 'x', ' ', 'h', 'i', 's',
    't', 'o', 'r', 'i', 'q', 'u', 'e', 's'};
constexpr quint32 version = 3;
// Written as this machine lays out its numbers: read elsewhere, it is a foreign index.
constexpr quint32 boutisme = 0x01020304;
constexpr qint64 taille_entete = sizeof magie + 4 + 4 + 8;
// Records and what they hold keep the places of the tests at multiples of 4 in the file, so that they are
// used where the file lies, never copied.
constexpr qint64 alignement = alignof(PlaceTest);
static_assert(taille_entete % alignement == 0 && (4 + 8) % alignement == 0);
// The clocks of a workstation and of the server holding the histories may differ by minutes.
constexpr qint64 marge_s = 600;
constexpr qint64 taille_fin = 4096;
constexpr int lignes_gardees = 6; // the test line and the séance header of the last three choices

static_assert(std::is_trivially_copyable_v<PlaceTest> && sizeof(PlaceTest) == 20);

// A check of bytes against damage, not against a foe: running sums of eight-byte words and of those sums,
// four lanes side by side (a changed, lost or moved word changes them), mixed once at the end. A command
// that starts checks a whole index of megabytes with it.
quint64 empreinte(QByteArrayView o)
{
    quint64 a[4] = {quint64(o.size()), 1, 2, 3}, b[4] = {0, 0, 0, 0};
    const char* p = o.data();
    qsizetype n = o.size();
    for (; n >= 32; p += 32, n -= 32) {
        quint64 w[4];
        std::memcpy(w, p, 32);
        for (int i = 0; i < 4; ++i) {
            a[i] += w[i];
            b[i] += a[i];
        }
    }
    for (int i = 0; n > 0; p += 8, n -= 8, ++i) {
        quint64 w = 0;
        std::memcpy(&w, p, size_t(std::min<qsizetype>(n, 8)));
        a[i] += w;
        b[i] += a[i];
    }
    quint64 h = 0xcbf29ce484222325ULL;
    for (const quint64 x : {a[0], a[1], a[2], a[3], b[0], b[1], b[2], b[3]}) {
        h = (h ^ x) * 0x100000001b3ULL;
        h ^= h >> 29;
    }
    return h;
}

quint64 empreinte_fin(QByteArrayView octets)
{
    return empreinte(octets.last(std::min<qsizetype>(octets.size(), taille_fin)));
}

Morceau morceau_fin(const EtatFichier& etat)
{
    const qint64 taille = std::min(etat.taille, taille_fin);
    return {etat.taille - taille, taille};
}

class Ecrivain
{
public:
    template <class T> void nombre(T v)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        octets.append(reinterpret_cast<const char*>(&v), sizeof v);
    }
    void bloc(QByteArrayView b)
    {
        nombre(quint32(b.size()));
        octets.append(b);
    }
    QByteArray octets;
};

class Lecteur
{
public:
    explicit Lecteur(QByteArrayView o)
        : reste(o)
    {
    }
    template <class T> T nombre()
    {
        T v {};
        if (reste.size() < qsizetype(sizeof v)) {
            ok = false;
            return v;
        }
        std::memcpy(&v, reste.data(), sizeof v);
        reste = reste.sliced(sizeof v);
        return v;
    }
    QByteArrayView octets(qint64 n)
    {
        if (n < 0 || n > reste.size()) {
            ok = false;
            return {};
        }
        const QByteArrayView b = reste.first(n);
        reste = reste.sliced(n);
        return b;
    }
    QByteArrayView bloc() { return octets(nombre<quint32>()); }

    QByteArrayView reste;
    bool ok = true;
};

QByteArray enregistrement(const QString& cle, const IndexHistoriques::Entree& e)
{
    const QByteArray nom = cle.toUtf8();
    Ecrivain c;
    c.nombre(e.etat.taille);
    c.nombre(e.etat.modifie_ns);
    c.nombre(e.empreinte_fin);
    c.nombre(e.verifie_a);
    c.nombre(quint32(e.tests.size()));
    c.nombre(quint32(e.lignes.size()));
    c.nombre(quint32(nom.size()));
    c.nombre(quint32(e.utf8));
    c.octets.append(reinterpret_cast<const char*>(e.tests.data()), qsizetype(e.tests.size_bytes()));
    c.octets.append(nom);
    for (const IndexHistoriques::LigneGardee& l : e.lignes) {
        c.nombre(l.debut);
        c.bloc(l.octets);
    }
    c.octets.append(int((alignement - c.octets.size() % alignement) % alignement), '\0');
    Ecrivain tete;
    tete.nombre(quint32(c.octets.size()));
    tete.nombre(empreinte(c.octets));
    return tete.octets + c.octets;
}

// A record's entry, pointing into the index file's bytes that `garde` holds.
std::optional<std::pair<QString, IndexHistoriques::Entree>> entree_lue(
    QByteArrayView o, const std::shared_ptr<const void>& garde)
{
    Lecteur l(o);
    IndexHistoriques::Entree e;
    e.etat.taille = l.nombre<qint64>();
    e.etat.modifie_ns = l.nombre<qint64>();
    e.empreinte_fin = l.nombre<quint64>();
    e.verifie_a = l.nombre<qint64>();
    const quint32 tests = l.nombre<quint32>();
    const quint32 lignes = l.nombre<quint32>();
    const quint32 taille_cle = l.nombre<quint32>();
    e.utf8 = l.nombre<quint32>() != 0;
    const QByteArrayView places = l.octets(qint64(tests) * qint64(sizeof(PlaceTest)));
    const QString cle = QString::fromUtf8(l.octets(taille_cle));
    if (!l.ok || lignes > lignes_gardees
        || reinterpret_cast<quintptr>(places.data()) % alignof(PlaceTest) != 0)
        return std::nullopt;
    e.garde = garde;
    e.tests = {reinterpret_cast<const PlaceTest*>(places.data()), tests};
    e.lignes.reserve(lignes);
    for (quint32 i = 0; l.ok && i < lignes; ++i) {
        const quint32 debut = l.nombre<quint32>();
        const QByteArrayView octets = l.bloc();
        e.lignes.append({debut, QByteArray::fromRawData(octets.data(), octets.size())});
    }
    // Whatever is out of the file's bounds is no record of ours.
    const auto dedans
        = [&](quint32 debut, quint32 taille) { return qint64(debut) + taille <= e.etat.taille; };
    for (const PlaceTest& t : e.tests)
        if (!dedans(t.ligne, t.taille_ligne) || !dedans(t.entete, t.taille_entete))
            return std::nullopt;
    for (const IndexHistoriques::LigneGardee& g : std::as_const(e.lignes))
        if (!dedans(g.debut, quint32(g.octets.size())))
            return std::nullopt;
    const bool bourrage = l.reste.size() < alignement
        && std::all_of(l.reste.begin(), l.reste.end(), [](char c) { return c == '\0'; });
    if (!l.ok || !bourrage || cle.isEmpty() || e.etat.taille < 0)
        return std::nullopt;
    return std::pair {cle, std::move(e)};
}

void garde(QVector<IndexHistoriques::LigneGardee>& lignes, quint32 debut, const QByteArray& octets)
{
    lignes.prepend({debut, octets});
    if (lignes.size() > lignes_gardees)
        lignes.resize(lignes_gardees);
}

} // namespace

IndexHistoriques::IndexHistoriques(QString fichier, const Horloge& horloge)
    : m_fichier(std::move(fichier))
    , m_horloge(&horloge)
{
}

QString IndexHistoriques::cle(const QString& chemin) const
{
    const qsizetype nom = chemin.lastIndexOf(QLatin1Char('/'));
    return nom <= 0 ? chemin : chemin.mid(chemin.lastIndexOf(QLatin1Char('/'), nom - 1) + 1);
}

void IndexHistoriques::remet_compteurs()
{
    m_octets_lus = 0;
    m_historiques_lus = 0;
}

TestLu IndexHistoriques::lit(
    const DemandeTest& demande, const std::optional<EtatFichier>& etat, std::optional<Appris>& appris) const
{
    const auto maintenant_s = [this] { return m_horloge->date_heure().toSecsSinceEpoch(); };
    const auto connue = m_entrees.constFind(cle(demande.chemin));
    if (connue != m_entrees.cend() && etat == connue->etat) {
        // A rewrite within the modification time's tick keeps the state: the last bytes tell it.
        const bool sure = connue->verifie_a - connue->etat.modifie_ns / 1'000'000'000 > marge_s;
        if (sure && connue->dernier_choix && connue->dernier_choix->first == demande.choix)
            return {TestLu::lu, connue->dernier_choix->second};
        Entree e = *connue;
        bool a_ecrire = false;
        bool manque = false;
        if (!sure) {
            const auto fin = lit_morceaux(demande.chemin, e.etat, {morceau_fin(e.etat)});
            m_octets_lus += fin ? fin->first().size() : 0;
            manque = !fin || empreinte(fin->first()) != e.empreinte_fin;
            const qint64 instant = maintenant_s();
            a_ecrire = !manque && instant - e.etat.modifie_ns / 1'000'000'000 > marge_s;
            if (a_ecrire)
                e.verifie_a = instant;
        }
        if (!manque && e.dernier_choix && e.dernier_choix->first == demande.choix) {
            const TestChoisi test = e.dernier_choix->second;
            if (a_ecrire)
                appris = Appris {std::move(e), true};
            return {TestLu::lu, test};
        }
        if (!manque) {
            const auto morceau = [&](quint32 debut, quint32 taille) -> std::optional<QByteArray> {
                for (const LigneGardee& l : std::as_const(e.lignes))
                    if (l.debut == debut && l.octets.size() == qsizetype(taille))
                        return l.octets;
                auto lu = lit_morceaux(demande.chemin, e.etat, {{debut, taille}});
                if (!lu)
                    return std::nullopt;
                m_octets_lus += taille;
                garde(e.lignes, debut, lu->first());
                a_ecrire = true;
                return lu->first();
            };
            const TestChoisi test = test_choisi_des_places(e.tests, e.utf8, demande.choix, morceau, manque);
            if (!manque) {
                e.dernier_choix = {demande.choix, test};
                appris = Appris {std::move(e), a_ecrire};
                return {TestLu::lu, test};
            }
        }
    }

    TestLu lu;
    bool present = false;
    const std::optional<FichierLu> f = lit_fichier_ecrit(demande.chemin, present);
    if (!present)
        return lu;
    ++m_historiques_lus;
    if (!f) {
        lu.etat = TestLu::illisible;
        return lu;
    }
    m_octets_lus += f->octets.size();
    PlacesTests p = places_des_tests(f->octets);
    const auto places = std::make_shared<const QVector<PlaceTest>>(std::move(p.tests));
    Entree e {f->etat, empreinte_fin(f->octets), maintenant_s(), p.utf8, places,
        {places->constData(), size_t(places->size())}, {}, {}};
    bool manque = false;
    lu.etat = TestLu::lu;
    lu.test = test_choisi_des_places(
        e.tests, e.utf8, demande.choix,
        [&](quint32 debut, quint32 taille) {
            const QByteArray o = f->octets.sliced(debut, taille);
            if (std::none_of(e.lignes.cbegin(), e.lignes.cend(),
                    [&](const LigneGardee& l) { return l.debut == debut; }))
                garde(e.lignes, debut, o);
            return o;
        },
        manque);
    // A history still being written has no state to be known by.
    if (f->etat.taille >= 0) {
        e.dernier_choix = {demande.choix, lu.test};
        appris = Appris {std::move(e), true};
    }
    return lu;
}

void IndexHistoriques::retiens(const QString& chemin, Appris&& appris)
{
    Entree& entree = appris.entree;
    const QString c = cle(chemin);
    // Several choices of one history in a build each learnt their own lines: all are kept.
    if (const auto avant = m_entrees.constFind(c); avant != m_entrees.cend() && avant->etat == entree.etat) {
        entree.verifie_a = std::max(entree.verifie_a, avant->verifie_a);
        for (const LigneGardee& l : avant->lignes)
            if (entree.lignes.size() < lignes_gardees
                && std::none_of(entree.lignes.cbegin(), entree.lignes.cend(),
                    [&](const LigneGardee& n) { return n.debut == l.debut; }))
                // Its bytes may lie in what only the entry it leaves holds.
                entree.lignes.append({l.debut,
                    avant->garde == entree.garde ? l.octets
                                                 : QByteArray(l.octets.constData(), l.octets.size())});
    }
    m_entrees.emplace(c, std::move(entree));
    if (appris.a_ecrire)
        m_a_ecrire.insert(c);
    m_chemins.insert(c, chemin);
}

bool IndexHistoriques::applique(const std::shared_ptr<const OctetsAjoutes>& fichier, qint64 debut)
{
    Lecteur l(fichier->octets().sliced(debut));
    while (!l.reste.isEmpty()) {
        const quint32 taille = l.nombre<quint32>();
        const quint64 attendue = l.nombre<quint64>();
        const QByteArrayView corps = l.octets(taille);
        if (!l.ok || empreinte(corps) != attendue)
            return false;
        auto entree = entree_lue(corps, fichier);
        if (!entree)
            return false;
        ++m_enregistrements;
        // What this build learnt and has not written yet is newer than the file.
        if (!m_a_ecrire.contains(entree->first))
            m_entrees.emplace(std::move(entree->first), std::move(entree->second));
    }
    return true;
}

bool IndexHistoriques::lit_fichier_index(bool depuis_la_fin)
{
    const std::shared_ptr<const OctetsAjoutes> fichier = lit_fichier_ajoute(m_fichier);
    if (!fichier)
        return false;
    const qint64 debut = depuis_la_fin ? m_etat_connu->taille : taille_entete;
    if (fichier->etat.taille < debut)
        return false;
    Lecteur tete(fichier->octets().first(taille_entete));
    const bool notre = tete.octets(sizeof magie) == QByteArrayView(magie, sizeof magie)
        && tete.nombre<quint32>() == version && tete.nombre<quint32>() == boutisme;
    const quint64 generation = tete.nombre<quint64>();
    if (!tete.ok || !notre || (depuis_la_fin && generation != m_generation))
        return false;
    if (!depuis_la_fin) {
        QHash<QString, Entree> a_garder;
        for (const QString& c : std::as_const(m_a_ecrire))
            a_garder.insert(c, m_entrees.value(c));
        m_entrees = std::move(a_garder);
        m_enregistrements = 0;
    }
    m_generation = generation;
    m_etat_connu = fichier->etat;
    m_a_refaire = !applique(fichier, debut);
    return true;
}

void IndexHistoriques::charge()
{
    if (m_fichier.isEmpty())
        return;
    const std::optional<EtatFichier> etat = etat_fichier(m_fichier);
    if (!etat) {
        m_etat_connu.reset();
        m_a_refaire = true;
        return;
    }
    if (etat == m_etat_connu)
        return;
    if (m_etat_connu && etat->taille > m_etat_connu->taille && lit_fichier_index(true))
        return;
    if (!lit_fichier_index(false)) {
        m_etat_connu.reset();
        m_a_refaire = true;
    }
}

bool IndexHistoriques::enregistre()
{
    if (m_fichier.isEmpty() || (m_a_ecrire.isEmpty() && !m_a_refaire))
        return true;
    const NatureChemin nature = nature_chemin(m_fichier);
    if (nature != NatureChemin::absent && nature != NatureChemin::ordinaire)
        return false;
    charge();
    if (m_a_refaire || m_enregistrements + m_a_ecrire.size() > 2 * m_entrees.size() + 64)
        return reecrit();

    QByteArray ajout;
    for (const QString& c : std::as_const(m_a_ecrire))
        ajout += enregistrement(c, m_entrees.value(c));
    if (!ajoute_octets(m_fichier, ajout)) {
        // A torn record ends what readers take from the file: it is written anew next time.
        m_a_refaire = true;
        return false;
    }
    m_enregistrements += int(m_a_ecrire.size());
    m_a_ecrire.clear();
    // Only when nobody else wrote meanwhile is the file known whole.
    const std::optional<EtatFichier> apres = etat_fichier(m_fichier);
    if (apres && m_etat_connu && apres->taille == m_etat_connu->taille + ajout.size())
        m_etat_connu = apres;
    else
        m_etat_connu.reset();
    return true;
}

bool IndexHistoriques::reecrit()
{
    // Histories this machine saw gone or changed have nothing left to give.
    for (auto it = m_entrees.begin(); it != m_entrees.end();) {
        const auto chemin = m_chemins.constFind(it.key());
        if (chemin == m_chemins.cend() || etat_fichier(*chemin) == it->etat)
            ++it;
        else
            it = m_entrees.erase(it);
    }
    Ecrivain c;
    c.octets.append(magie, sizeof magie);
    c.nombre(version);
    c.nombre(boutisme);
    const quint64 generation = QRandomGenerator::system()->generate64();
    c.nombre(generation);
    for (auto it = m_entrees.cbegin(); it != m_entrees.cend(); ++it)
        c.octets += enregistrement(it.key(), *it);
    // A cache: a power cut may leave it empty or torn, which reads as no index; no sync is worth its time.
    QSaveFile f(m_fichier);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly) || f.write(c.octets) != c.octets.size() || !f.commit())
        return false;
    m_generation = generation;
    m_enregistrements = int(m_entrees.size());
    m_a_ecrire.clear();
    m_a_refaire = false;
    m_etat_connu = etat_fichier(m_fichier);
    return true;
}

QVector<TestLu> lit_tests_choisis(
    const QVector<DemandeTest>& demandes, IndexHistoriques* index, const ProgressionLecture& progression)
{
    const int total = int(demandes.size());
    QVector<TestLu> lus(total);
    std::vector<std::optional<IndexHistoriques::Appris>> appris(size_t(index ? total : 0));
    // Through the index, each history's folder is opened once and each history costs a stat of its name.
    std::vector<std::unique_ptr<DossierOuvert>> dossiers;
    std::vector<std::pair<int, QString>> noms; // folder and name of each history
    if (index) {
        index->charge();
        noms.reserve(size_t(total));
        QHash<QStringView, int> ouverts;
        for (const DemandeTest& d : demandes) {
            const qsizetype barre = d.chemin.lastIndexOf(QLatin1Char('/'));
            const QStringView dossier = QStringView(d.chemin).first(std::max<qsizetype>(barre, 0));
            auto place = ouverts.constFind(dossier);
            if (place == ouverts.cend()) {
                place = ouverts.insert(dossier, int(dossiers.size()));
                dossiers.push_back(
                    std::make_unique<DossierOuvert>(barre < 0 ? QStringLiteral(".") : dossier.toString()));
            }
            noms.emplace_back(*place, d.chemin.mid(barre + 1));
        }
    }
    // Blocks of 64 so that the progress keeps moving; the index learns once every history is read. Through
    // an index most histories cost one stat, which the file systems of a share answer from their cache:
    // one thread per core then, many threads only for reading whole histories.
    en_parallele(
        total, 64,
        [&, sortie = lus.data()](int i) {
            const DemandeTest& d = demandes[i];
            if (!index) {
                sortie[i] = lit_test_choisi(d.chemin, d.choix);
                return;
            }
            const auto& [dossier, nom] = noms[size_t(i)];
            sortie[i] = index->lit(d, dossiers[size_t(dossier)]->etat(nom), appris[size_t(i)]);
        },
        [&](int debut, int fin) {
            if (progression)
                for (int i = debut; i < fin; ++i)
                    progression(i + 1, total);
        },
        index || demandes.isEmpty() ? fils_de_calcul()
                                    : fils_pour_lire(QFileInfo(demandes.first().chemin).path()));
    if (index)
        for (int i = 0; i < total; ++i)
            if (appris[size_t(i)])
                index->retiens(demandes[i].chemin, std::move(*appris[size_t(i)]));
    if (index)
        index->enregistre();
    return lus;
}
