#include "learning/plan_apprentissage.h"

#include "core/faits.h"

#include <algorithm>
#include <limits>

namespace {

QString code(int a, int b)
{
    return zeros_devant(a, 2) + zeros_devant(b, 2);
}

QStringList construit_ordre_par_tables()
{
    QStringList ordre;
    for (int a = 2; a <= 9; ++a)
        for (int b = 2; b <= 9; ++b)
            ordre.append(code(a, b));
    for (int a = 11; a <= 19; ++a)
        ordre.append(code(a, a));
    for (int b = 12; b <= 19; ++b) {
        for (int a = 2; a <= 9; ++a)
            ordre.append(code(a, b));
        for (int a = 11; a < b; ++a)
            ordre.append(code(a, b));
    }
    return ordre;
}

// Beyond this a formula makes no sense for at most 173 products, and the arithmetic below stays in range.
constexpr int plus_grand_nombre_formule = 100000;

QVector<int> nombres_formule(const QString& formule)
{
    QVector<int> nombres;
    if (formule.trimmed().isEmpty())
        return nombres;
    for (const QString& partie : formule.split(QLatin1Char('.'))) {
        bool ok = false;
        const int n = partie.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > plus_grand_nombre_formule)
            return {};
        nombres.append(n);
    }
    return nombres;
}

} // namespace

const QStringList& ordre_par_tables()
{
    static const QStringList ordre = construit_ordre_par_tables();
    return ordre;
}

void rangement_items(const QString& ordre, QStringList& produits)
{
    if (ordre == QLatin1String("valeur produit")) {
        QStringList cles;
        for (const QString& c : produits)
            cles.append(valeur_produit_4(c) + c);
        std::sort(cles.begin(), cles.end());
        for (QString& c : cles)
            c.remove(0, 4);
        produits = cles;
    } else if (ordre == QLatin1String("par tables")) {
        QStringList ranges;
        for (const QString& c : ordre_par_tables()) {
            if (produits.contains(c))
                ranges.append(c);
        }
        produits = ranges;
    }
}

QVector<int> decoupage_en_blocs(int n, int s)
{
    QVector<int> longueurs;
    if (n < 1 || s < 2 || s > 4)
        return {};
    const int r = n % s;
    if (n < s || (s == 2 && n == 1)) {
        longueurs.append(n);
    } else if (r == 0) {
        longueurs.fill(s, n / s);
    } else if (r == 1) {
        // The odd item joins the first block.
        longueurs.fill(s, n / s);
        longueurs[0] += 1;
    } else {
        // Remainder 2 or 3 (block size 3 or 4): the last blocks are one shorter.
        const int courts = s - r;
        longueurs.fill(s, (n - courts * (s - 1)) / s);
        for (int i = 0; i < courts; ++i)
            longueurs.append(s - 1);
    }
    QVector<int> fins;
    int fin = -1;
    for (const int l : longueurs) {
        fin += l;
        fins.append(fin);
    }
    return fins;
}

QVector<int> genere_plan_apprentissage_recursif(const QString& formule, int B)
{
    const QVector<int> nombres = nombres_formule(formule);
    if (nombres.isEmpty() || B < 1)
        return {};
    const qint64 q = nombres.last();
    if (q < 2)
        return {};
    const QVector<int> motif = nombres.mid(0, nombres.size() - 1);

    qint64 P = q;
    int L = 1;
    while (P < B) {
        P *= q;
        ++L;
    }
    qint64 u = P / q;
    QVector<qint64> plan;
    for (const int x : nombres)
        plan.append(x * u);
    for (int niveau = 1; niveau < L; ++niveau) {
        u /= q;
        for (qsizetype i = plan.size() - 1; i >= 0; --i) {
            if (plan[i] != u * q)
                continue;
            QVector<qint64> groupe;
            for (const int p : motif)
                groupe.append(p * u);
            plan.insert(i, groupe.size(), 0);
            std::copy(groupe.begin(), groupe.end(), plan.begin() + i);
        }
    }

    if (plan.last() > B) {
        int uns = 0;
        for (qsizetype i = 0; i < plan.size(); ++i) {
            if (plan[i] == 1 && ++uns == B + 1) {
                plan.resize(i);
                break;
            }
        }
    }
    if (!plan.isEmpty() && plan.last() == 1) {
        qsizetype nouveaux = 0;
        while (nouveaux < plan.size() && plan[plan.size() - 1 - nouveaux] == 1)
            ++nouveaux;
        if (nouveaux >= 2)
            plan.append(nouveaux);
    }
    if (plan.isEmpty() || plan.last() != B)
        plan.append(B);

    QVector<int> resultat;
    for (const qint64 w : plan)
        resultat.append(int(std::min<qint64>(w, std::numeric_limits<int>::max())));
    return resultat;
}

bool plan_valide(const QVector<int>& plan, int B)
{
    if (plan.isEmpty() || B < 1)
        return false;
    int introduits = 0;
    for (const int w : plan) {
        if (w == 1)
            ++introduits;
        else if (w < 1 || w > introduits)
            return false;
    }
    return introduits == B && (B == 1 ? plan.size() == 1 : plan.last() == B);
}

void PlanApprentissage::prepare(int n, int taille_bloc, const QString& formule)
{
    m_taille_bloc = taille_bloc;
    m_fins_de_blocs = decoupage_en_blocs(n, taille_bloc);
    if (m_fins_de_blocs.isEmpty() && n >= 1) {
        m_taille_bloc = 3;
        m_fins_de_blocs = decoupage_en_blocs(n, m_taille_bloc);
    }
    const int B = int(m_fins_de_blocs.size());
    m_formule = formule;
    m_plan = genere_plan_apprentissage_recursif(formule, B);
    if (!plan_valide(m_plan, B) && B >= 1) {
        m_formule = QStringLiteral("1.1.2.1.3");
        m_plan = genere_plan_apprentissage_recursif(m_formule, B);
    }
    m_etape_courante = 0;
    m_dernier_bloc = -1;
    m_premier_item = 0;
    m_dernier_item = -1;
    if (!m_plan.isEmpty())
        initialise_etape();
}

void PlanApprentissage::initialise_etape()
{
    const int w = largeur_etape();
    if (w == 1) {
        ++m_dernier_bloc;
        m_dernier_item = m_fins_de_blocs[m_dernier_bloc];
        m_premier_item = m_dernier_bloc > 0 ? m_fins_de_blocs[m_dernier_bloc - 1] + 1 : 0;
    } else if (w >= 2) {
        const int j = m_dernier_bloc - w;
        m_premier_item = j < 0 ? 0 : m_fins_de_blocs[j] + 1;
    }
}

bool PlanApprentissage::etape_suivante()
{
    if (m_etape_courante + 1 >= m_plan.size())
        return false;
    ++m_etape_courante;
    initialise_etape();
    return true;
}
