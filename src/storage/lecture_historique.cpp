#include "storage/lecture_historique.h"

#include "core/dates.h"
#include "core/faits.h"
#include "storage/fichier_texte.h"
#include "storage/historique_lignes.h"

#include <QStringDecoder>
#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

struct Ligne
{
    qsizetype debut = 0, fin = 0;
};

// The headers and test lines of a history, as byte ranges of its file.
struct Reperes
{
    struct Seance
    {
        int cle; // yyyymmdd
        Ligne entete;
    };
    struct Test
    {
        int seance;
        Ligne ligne;
        bool ouvre_seance; // the first line after its header
    };
    const QByteArray& octets;
    bool utf8 = false;
    QVector<Seance> seances;
    QVector<Test> tests;

    QString texte(Ligne l) const
    {
        const char* d = octets.constData() + l.debut;
        return utf8 ? QString::fromUtf8(d, l.fin - l.debut)
                    : depuis_cp1252(QByteArrayView(d, l.fin - l.debut));
    }
};

// The next line end or "/" from p, sixteen bytes at a time: one pass over a file whose test lines are
// kilobytes of records.
const char* prochain_repere(const char* p, const char* fin)
{
#ifdef __SSE2__
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), barre = _mm_set1_epi8('/');
    for (; p + 16 <= fin; p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int masque = _mm_movemask_epi8(_mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr)), _mm_cmpeq_epi8(v, barre)));
        if (masque)
            return p + std::countr_zero(unsigned(masque));
    }
#endif
    for (; p < fin; ++p)
        if (*p == '\n' || *p == '\r' || *p == '/')
            return p;
    return fin;
}

#if defined(__x86_64__) && defined(__GNUC__)
// The same thirty-two bytes at a time, on the processors that can: the scan is most of what reading a
// history costs beyond the read itself.
__attribute__((target("avx2"))) const char* prochain_repere_avx2(const char* p, const char* fin)
{
    const __m256i lf = _mm256_set1_epi8('\n'), cr = _mm256_set1_epi8('\r'), barre = _mm256_set1_epi8('/');
    for (; p + 32 <= fin; p += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const unsigned masque = unsigned(_mm256_movemask_epi8(
            _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi8(v, lf), _mm256_cmpeq_epi8(v, cr)),
                _mm256_cmpeq_epi8(v, barre))));
        if (masque)
            return p + std::countr_zero(masque);
    }
    return prochain_repere(p, fin);
}
#endif

using Recherche = const char* (*)(const char*, const char*);

Recherche recherche_des_reperes()
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const Recherche r = __builtin_cpu_supports("avx2") ? prochain_repere_avx2 : prochain_repere;
    return r;
#else
    return prochain_repere;
#endif
}

bool chiffre(char c)
{
    return c >= '0' && c <= '9';
}

// yyyymmdd of the dd/mm/yyyy around the "/" at `barre`, or -1 when the text around it is no date.
int cle_autour(const char* ligne, qsizetype taille, qsizetype barre)
{
    if (barre < 2 || taille < barre + 8 || ligne[barre + 3] != '/')
        return -1;
    int cle = 0;
    for (const qsizetype i :
        {barre + 4, barre + 5, barre + 6, barre + 7, barre + 1, barre + 2, barre - 2, barre - 1}) {
        if (!chiffre(ligne[i]))
            return -1;
        cle = cle * 10 + (ligne[i] - '0');
    }
    return cle;
}

bool mark_utf8_valide(const QByteArray& octets)
{
    // A UTF-8 mark counts only when the rest is valid UTF-8, as when the file is read as lines.
    if (!octets.startsWith("\xEF\xBB\xBF"))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texte = utf8(QByteArrayView(octets).sliced(3));
    return !utf8.hasError();
}

Reperes reperes(const QByteArray& octets)
{
    Reperes r {octets, false, {}, {}};
    // Room for a séance and a test every few hundred bytes, so that a long history is not copied over and
    // over as they are found.
    r.seances.reserve(octets.size() / 256 + 8);
    r.tests.reserve(octets.size() / 256 + 8);
    r.utf8 = mark_utf8_valide(octets);
    const char* const base = octets.constData();
    const char* const fin = base + octets.size();
    const char* debut = base + (r.utf8 ? 3 : 0);
    const char* barre = nullptr; // the first "/" of the current line
    bool apres_entete = false;
    const auto termine = [&](const char* limite) {
        const qsizetype taille = limite - debut;
        if (barre) {
            const int cle = cle_autour(debut, taille, barre - debut);
            apres_entete = cle >= 0;
            if (cle >= 0)
                r.seances.append(Reperes::Seance {cle, {debut - base, limite - base}});
            return;
        }
        const bool test = !r.seances.isEmpty()
            && ((taille >= 5 && std::memcmp(debut, "\tTEST", 5) == 0)
                || QByteArrayView(debut, taille).contains(QByteArrayView("TEST")));
        if (test)
            r.tests.append(
                Reperes::Test {int(r.seances.size()) - 1, {debut - base, limite - base}, apres_entete});
        apres_entete = false;
    };
    const Recherche prochain = recherche_des_reperes();
    for (const char* p = debut; p < fin;) {
        p = prochain(p, fin);
        if (p == fin)
            break;
        if (*p == '/') {
            if (!barre)
                barre = p;
            ++p;
            continue;
        }
        termine(p);
        p += *p == '\r' && p + 1 < fin && p[1] == '\n' ? 2 : 1;
        debut = p;
        barre = nullptr;
    }
    if (debut < fin)
        termine(fin);
    return r;
}

QString date_de_cle(int cle)
{
    const auto deux = [](int v) { return QString(QLatin1Char('0' + v / 10)) + QLatin1Char('0' + v % 10); };
    return deux(cle % 100) + QLatin1Char('/') + deux(cle / 100 % 100) + QLatin1Char('/')
        + QString::number(cle / 10000).rightJustified(4, QLatin1Char('0'));
}

int cle_demandee(const QString& date)
{
    const QByteArray octets = date.toLatin1();
    const qsizetype barre = octets.indexOf('/');
    return barre < 0 ? -1 : cle_autour(octets.constData(), octets.size(), barre);
}

} // namespace

PlacesTests places_des_tests(const QByteArray& octets)
{
    const Reperes r = reperes(octets);
    PlacesTests p;
    p.utf8 = r.utf8;
    p.tests.reserve(r.tests.size());
    for (const Reperes::Test& t : r.tests) {
        const Ligne entete = r.seances[t.seance].entete;
        p.tests.append({r.seances[t.seance].cle, quint32(entete.debut), quint32(entete.fin - entete.debut),
            quint32(t.ligne.debut), quint32(t.ligne.fin - t.ligne.debut)});
    }
    return p;
}

namespace {

QString texte_de_ligne(QByteArrayView octets, bool utf8)
{
    return utf8 ? QString::fromUtf8(octets) : depuis_cp1252(octets);
}

// The rule of a complete test: its records hold every product of the tables `objectifs`.
bool ligne_complete(const QString& ligne, const QString& objectifs)
{
    return test_complet(ligne.mid(longueur_prefixe_test), objectifs);
}

// Which of `tests` stands for the pupil, -1 for none; `complet(i)` is asked only when incomplete tests are
// hidden, nearest candidate first.
int test_retenu(
    std::span<const PlaceTest> tests, const ChoixTest& choix, const std::function<bool(int)>& complet)
{
    const int demandee = cle_demandee(choix.date);
    if (demandee < 0)
        return -1;
    // (day, test) sorted: the days in date order, the tests of a day in file order.
    std::vector<std::pair<int, int>> ordre;
    ordre.reserve(size_t(tests.size()));
    for (size_t i = 0; i < tests.size(); ++i)
        ordre.emplace_back(tests[i].cle, int(i));
    std::stable_sort(
        ordre.begin(), ordre.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    const auto qualifie = [&](int i) { return !choix.masquer_incomplets || complet(i); };
    // The first test of the day where the search starts, then day after day away from the date.
    if (choix.mode == ModeChoixTest::dernier) {
        auto it = std::upper_bound(
            ordre.begin(), ordre.end(), demandee, [](int d, const auto& t) { return d < t.first; });
        while (it != ordre.begin()) {
            auto jour = it;
            const int cle = std::prev(it)->first;
            while (jour != ordre.begin() && std::prev(jour)->first == cle)
                --jour;
            for (auto t = jour; t != it; ++t)
                if (qualifie(t->second))
                    return t->second;
            it = jour;
        }
        return -1;
    }
    for (auto it = std::lower_bound(
             ordre.begin(), ordre.end(), demandee, [](const auto&t, int d) { return t.first < d; });
         it != ordre.end(); ++it)
        if (qualifie(it->second))
            return it->second;
    return -1;
}

} // namespace

TestChoisi test_choisi_des_places(std::span<const PlaceTest> tests, bool utf8, const ChoixTest& choix,
    const MorceauHistorique& morceau, bool& manque)
{
    const auto ligne = [&](quint32 debut, quint32 taille) {
        const std::optional<QByteArray> o = morceau(debut, taille);
        if (!o)
            manque = true;
        return o ? texte_de_ligne(*o, utf8) : QString();
    };
    const int i = test_retenu(tests, choix, [&](int i) {
        return ligne_complete(ligne(tests[size_t(i)].ligne, tests[size_t(i)].taille_ligne), choix.objectifs);
    });
    if (i < 0 || manque)
        return {};
    const PlaceTest& t = tests[size_t(i)];
    TestChoisi choisi {ligne(t.ligne, t.taille_ligne), date_de_cle(t.cle), ligne(t.entete, t.taille_entete)};
    return manque ? TestChoisi() : choisi;
}

TestChoisi test_choisi(const QByteArray& octets, const ChoixTest& choix)
{
    bool manque = false;
    const PlacesTests p = places_des_tests(octets);
    return test_choisi_des_places(
        p.tests, p.utf8, choix,
        [&](quint32 debut, quint32 taille) { return std::optional(octets.sliced(debut, taille)); }, manque);
}

TestLu lit_test_choisi(const QString& chemin, const ChoixTest& choix)
{
    TestLu t;
    bool present = false;
    const std::optional<FichierLu> lu = lit_fichier_ecrit(chemin, present);
    t.etat = lu ? TestLu::lu : present ? TestLu::illisible : TestLu::absent;
    if (lu)
        t.test = test_choisi(lu->octets, choix);
    return t;
}

QVector<MomentSeance> moments_des_seances(const QByteArray& octets)
{
    const Reperes r = reperes(octets);
    QVector<MomentSeance> moments;
    moments.reserve(r.seances.size());
    for (const Reperes::Seance& s : r.seances) {
        MomentSeance m;
        m.jour = s.cle;
        const char* ligne = octets.constData() + s.entete.debut;
        const char* fin = octets.constData() + s.entete.fin;
        const char* heure = static_cast<const char*>(std::memchr(ligne, '/', size_t(fin - ligne))) + 12;
        if (heure < fin)
            std::memcpy(m.heure.data(), heure, size_t(std::min<qsizetype>(8, fin - heure)));
        moments.append(m);
    }
    return moments;
}

QString phrase_historique_illisible(const QString& nom)
{
    return QStringLiteral("%1 : historique illisible").arg(nom);
}

QString message_illisibles(const QStringList& noms)
{
    if (noms.isEmpty())
        return {};
    QString texte = noms.size() == 1
        ? QStringLiteral("Un historique n'a pas pu être lu ; l'élève est compté comme non testé :")
        : QStringLiteral("%1 historiques n'ont pas pu être lus ; ces élèves sont comptés comme non testés :")
              .arg(noms.size());
    constexpr int nommes = 10;
    for (const QString& nom : noms.mid(0, nommes))
        texte += QLatin1Char('\n') + phrase_historique_illisible(nom);
    if (noms.size() > nommes)
        texte += QStringLiteral("\n… et %1 autres.").arg(noms.size() - nommes);
    return texte;
}

ResumeEleve resume_historique(const QByteArray& octets)
{
    const Reperes r = reperes(octets);
    ResumeEleve resume;
    QVector<QString> dates;
    for (const Reperes::Seance& s : r.seances) {
        const QString ligne = r.texte(s.entete);
        const qsizetype barre = ligne.indexOf(QLatin1Char('/'));
        const QString date = ligne.mid(10, barre - 2);
        dates << date;
        ++resume.seances;
        if (resume.premiere_seance.isEmpty())
            resume.premiere_seance = date;
        const qsizetype de = ligne.indexOf(QLatin1String(" de "), 10);
        const qsizetype a = ligne.indexOf(QStringLiteral(" à "), de + 1);
        if (de > 0 && a > 0) {
            const int debut = secondes_du_jour(ligne.mid(de + 4, 8));
            const int fin = secondes_du_jour(ligne.mid(a + 3, 8));
            if (debut >= 0 && fin >= 0)
                resume.secondes += fin >= debut ? fin - debut : fin + 86400 - debut;
        }
    }
    QString dernier_jour_teste;
    for (const Reperes::Test& t : r.tests) {
        if (!t.ouvre_seance || dates[t.seance] == dernier_jour_teste)
            continue;
        dernier_jour_teste = dates[t.seance];
        resume.jours.append({dernier_jour_teste, r.texte(t.ligne)});
    }
    return resume;
}

QStringList ResumeEleve::phrases() const
{
    const int j = int(jours.size());
    const QString premier = j > 0 ? jours.first().date : premiere_seance;
    const QString dernier = j > 0 ? jours.last().date : premiere_seance;
    if (seances == 0)
        return {QStringLiteral("aucune séance")};
    if (j > 2)
        return {QStringLiteral("%1 séances, sur %2 jours").arg(seances).arg(j),
            QStringLiteral("(du %1 au %2)").arg(premier, dernier)};
    if (j == 2)
        return {QStringLiteral("%1 séances, sur 2 jours").arg(seances),
            QStringLiteral("(le %1 et le %2)").arg(premier, dernier)};
    // Without any test day there is no day to name: the sentence says so instead of an empty date.
    if (j == 0 && seances > 1)
        return {QStringLiteral("%1 séances, aucun test").arg(seances)};
    if (seances > 1)
        return {QStringLiteral("%1 séances, le même jour: %2").arg(seances).arg(premier)};
    return {QStringLiteral("1 seule séance, le ") + premier};
}

QString ResumeEleve::temps_total() const
{
    const int h = secondes / 3600, m = secondes / 60 % 60, s = secondes % 60;
    return QStringLiteral("temps total: %1:%2:%3")
        .arg(h, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}

QStringList nom_et_prenom(const QString& chemin)
{
    QString base = chemin.mid(
        std::max(chemin.lastIndexOf(QLatin1Char('/')), chemin.lastIndexOf(QLatin1Char('\\'))) + 1);
    base = base.left(base.lastIndexOf(QLatin1Char('.')));
    const qsizetype p = base.indexOf(QLatin1Char('_'));
    if (p < 0)
        return {base, QString()};
    return {base.left(p), base.mid(p + 1)};
}
