#include "teacher/statistiques_produits.h"

#include "core/faits.h"

#include <QHash>
#include <QMap>
#include <algorithm>

namespace {

struct Seuils
{
    int p1, p2, p3, p4, p5;
};

constexpr std::array<Teinte, 6> teintes_du_meilleur {
    Teinte::blanc, Teinte::gris_clair, Teinte::jaune, Teinte::orange, Teinte::rouge, Teinte::rouge_fonce};

// Higher is better when p5 < p1, lower is better otherwise.
Teinte teinte_sur_echelle(int v, const Seuils& s)
{
    const std::array<int, 5> p {s.p1, s.p2, s.p3, s.p4, s.p5};
    const bool haut_meilleur = s.p5 < s.p1;
    int rang = 0;
    while (rang < 5 && (haut_meilleur ? v < p[rang] : v >= p[rang]))
        ++rang;
    return teintes_du_meilleur[rang];
}

QString dixiemes(int v)
{
    return QString::number(v / 10) + QLatin1Char('.') + QString::number(v % 10);
}

QString avec_virgule(const QString& texte)
{
    QString t = texte;
    return t.replace(QLatin1Char('.'), QLatin1Char(','));
}

// The count at the end of a line of the list, and the result after its "=".
int nombre_de_la_ligne(const QString& ligne)
{
    qsizetype debut = ligne.size();
    while (debut > 0 && ligne.at(debut - 1).isDigit())
        --debut;
    return ligne.mid(debut).toInt();
}

QString resultat_de_la_ligne(const QString& ligne)
{
    const qsizetype egal = ligne.indexOf(QLatin1Char('='));
    qsizetype fin = egal + 1;
    while (fin < ligne.size() && ligne.at(fin).isDigit())
        ++fin;
    return egal < 0 ? QString() : ligne.mid(egal + 1, fin - egal - 1);
}

const QString fois = QStringLiteral(" fois");

} // namespace

unsigned int rgb_teinte(Teinte t)
{
    switch (t) {
    case Teinte::blanc:
        return 0xFFFFFF;
    case Teinte::gris_clair:
        return 0xE4E4E4;
    case Teinte::jaune:
        return 0xFFFF00;
    case Teinte::orange:
        return 0xFF8000;
    case Teinte::rouge:
        return 0xFF0000;
    case Teinte::rouge_fonce:
        return 0x800000;
    }
    return 0xFFFFFF;
}

QString nom_teinte(Teinte t)
{
    static const std::array<QString, 6> noms {QStringLiteral("blanc"), QStringLiteral("gris clair"),
        QStringLiteral("jaune"), QStringLiteral("orange"), QStringLiteral("rouge"),
        QStringLiteral("rouge foncé")};
    return noms[static_cast<int>(t)];
}

int facteur_colonne(int k)
{
    return (k - 1) / 8 + 2;
}

int facteur_ligne(int k)
{
    return (k - 1) % 8 + 2;
}

bool resultat_compte(int r)
{
    if (r <= 1 || r >= 100)
        return false;
    for (int x = 1; x <= 10; ++x)
        if (r % x == 0 && r / x <= 10)
            return true;
    return false;
}

Categorie categorie_reponse(int score, int reponse)
{
    if (score == 100)
        return Categorie::rapide;
    if (score > 0)
        return Categorie::lente;
    return reponse == 0 ? Categorie::sans_reponse : Categorie::fausse;
}

std::optional<Teinte> teinte_case(int v, ModeAffichage mode, const Categories& c)
{
    const bool r = c[0], l = c[1], f = c[2], s = c[3];
    switch (mode) {
    case ModeAffichage::pourcentage:
    case ModeAffichage::nombre:
        if (r && l && !f && !s)
            return teinte_sur_echelle(v, {950, 900, 800, 700, 600});
        if (r && !l && !f && !s)
            return teinte_sur_echelle(v, {880, 760, 640, 520, 400});
        if (!r && l && f && s)
            return teinte_sur_echelle(v, {120, 240, 360, 480, 600});
        if (!r && !l && (f || s))
            return teinte_sur_echelle(v, {50, 100, 200, 300, 400});
        if (r && (f || s))
            return Teinte::blanc;
        return std::nullopt;
    case ModeAffichage::temps_moyen:
        if ((r || l) && !f && !s)
            return teinte_sur_echelle(v, {20, 30, 40, 50, 60});
        return Teinte::blanc;
    case ModeAffichage::vitesse:
        return teinte_sur_echelle(v, {300, 200, 150, 120, 100});
    }
    return std::nullopt;
}

CaseAffichee case_affichee(const CelluleProduit& c, int N, ModeAffichage mode, const Categories& cochees)
{
    qint64 C = 0, S = 0;
    for (int i = 0; i < nombre_categories; ++i) {
        if (cochees[i]) {
            C += c.nombres[i];
            S += c.temps[i];
        }
    }
    // With no pupil at all there is nothing to divide by: every share is 0.
    const int pour_mille = N > 0 ? int(C * 1000 / N) : 0;
    CaseAffichee a;
    switch (mode) {
    case ModeAffichage::pourcentage:
        a.texte = dixiemes(pour_mille);
        a.teinte = teinte_case(pour_mille, mode, cochees);
        break;
    case ModeAffichage::nombre:
        a.texte = QString::number(C);
        a.teinte = teinte_case(pour_mille, mode, cochees);
        break;
    case ModeAffichage::temps_moyen:
        if (C == 0) {
            a.texte = QStringLiteral("***");
            a.teinte = Teinte::blanc;
        } else {
            const int v = int(S / C);
            a.texte = dixiemes(v);
            a.teinte = teinte_case(v, mode, cochees);
        }
        break;
    case ModeAffichage::vitesse: {
        const qint64 temps_total = c.temps[0] + c.temps[1] + c.temps[2] + c.temps[3];
        // No time at all (nobody answered it, or every answer took no time): no pace to show.
        if (temps_total == 0) {
            a.texte = QStringLiteral("***");
            a.teinte = Teinte::blanc;
            break;
        }
        const int v = int((c.nombres[0] + c.nombres[1]) * qint64(6000) / temps_total);
        a.texte = QString::number(v / 10);
        if (v % 10 != 0)
            a.texte += QLatin1Char('.') + QString::number(v % 10);
        a.teinte = teinte_case(v, mode, cochees);
        break;
    }
    }
    return a;
}

Calcul calcule(const QStringList& reponses, int N, ModeAffichage mode, const Categories& cochees, int T,
    TriConfusions tri)
{
    Calcul calcul;
    QStringList cles;
    QHash<QString, int> compte;
    for (const QString& enregistrements : reponses) {
        for (const QStringView entree : vues_dernieres_reponses(enregistrements)) {
            int a, b, t, reponse;
            // Entries are digits as the test writes them; anything else is read field by field as numbers.
            if (!lit_entree(entree, a, b, t, reponse)) {
                bool ok_a, ok_b, ok_t, ok_r;
                a = entree.left(2).toInt(&ok_a);
                b = entree.mid(2, 2).toInt(&ok_b);
                t = entree.mid(4, 3).toInt(&ok_t);
                reponse = entree.mid(7, 4).toInt(&ok_r);
                if (!ok_a || !ok_b || !ok_t || !ok_r)
                    continue;
            }
            const Categorie cat = categorie_reponse(score_produit(entree, T), reponse);
            if (a >= 2 && a <= 9 && b >= 2 && b <= 9) {
                CelluleProduit& c = calcul.cellules[(a - 2) * 8 + (b - 2)];
                ++c.nombres[int(cat)];
                c.temps[int(cat)] += t;
            }
            if (cat == Categorie::fausse && resultat_compte(reponse)) {
                const QString cle = QString::number(a) + QChar(0xD7) + QString::number(b) + QLatin1Char('=')
                    + QString::number(reponse);
                auto it = compte.find(cle);
                if (it == compte.end()) {
                    compte.insert(cle, 1);
                    cles << cle;
                } else {
                    ++it.value();
                }
            }
        }
    }
    for (int k = 0; k < nombre_cases; ++k)
        calcul.cases[k] = case_affichee(calcul.cellules[k], N, mode, cochees);
    for (const QString& cle : cles)
        calcul.confusions << cle.leftJustified(10, QLatin1Char('.')) + QString::number(compte.value(cle));
    if (!calcul.confusions.isEmpty())
        calcul.confusions.first() += fois;
    calcul.nombre_confusions = int(cles.size());
    calcul.confusions = trie(calcul.confusions, tri);
    return calcul;
}

QStringList trie(QStringList lignes, TriConfusions tri)
{
    if (lignes.isEmpty())
        return lignes;
    if (lignes.first().endsWith(fois))
        lignes.first().chop(fois.size());
    switch (tri) {
    case TriConfusions::frequence: {
        std::vector<std::pair<QString, QString>> cles;
        for (const QString& l : lignes)
            cles.emplace_back(zeros_devant(nombre_de_la_ligne(l), 4) + l, l);
        std::sort(cles.begin(), cles.end(), [](const auto& x, const auto& y) { return x.first > y.first; });
        lignes.clear();
        for (const auto& c : cles)
            lignes << c.second;
        break;
    }
    case TriConfusions::produit:
        std::sort(lignes.begin(), lignes.end(),
            [](const QString& x, const QString& y) { return x.compare(y, Qt::CaseInsensitive) < 0; });
        break;
    case TriConfusions::resultat: {
        QMap<QString, int> totaux; // by result, 4 and more
        for (const QString& l : lignes) {
            const QString r = resultat_de_la_ligne(l);
            if (r.toInt() >= 4)
                totaux[r] += nombre_de_la_ligne(l);
        }
        // Totals on fixed width, so that the most frequent result ends up first whatever its digits.
        QStringList ordre;
        for (auto it = totaux.cbegin(); it != totaux.cend(); ++it)
            if (it.value() > 0)
                ordre << zeros_devant(it.value(), 6) + QLatin1Char('_') + it.key();
        ordre.sort();
        for (const QString& cle : std::as_const(ordre)) {
            const QString r = cle.section(QLatin1Char('_'), 1);
            QStringList devant, reste;
            for (const QString& l : std::as_const(lignes))
                (resultat_de_la_ligne(l) == r ? devant : reste) << l;
            lignes = devant + reste;
        }
        break;
    }
    }
    lignes.first() += fois;
    return lignes;
}

QStringList lignes_csv(const Calcul& calcul)
{
    QStringList lignes {QStringLiteral(
        "produit;bonnes rapides;bonnes lentes;fausses;sans réponse;temps moyen bonnes rapides (s);"
        "temps moyen bonnes lentes (s);temps moyen fausses (s);temps moyen sans réponse (s);valeur affichée;"
        "couleur")};
    for (int k = 1; k <= nombre_cases; ++k) {
        const CelluleProduit& c = calcul.cellules[k - 1];
        QStringList champs {QStringLiteral("%1×%2").arg(facteur_colonne(k)).arg(facteur_ligne(k))};
        for (const int n : c.nombres)
            champs << QString::number(n);
        for (int i = 0; i < nombre_categories; ++i)
            champs << (c.nombres[i] > 0 ? avec_virgule(dixiemes(int(c.temps[i] / c.nombres[i]))) : QString());
        const CaseAffichee& a = calcul.cases[k - 1];
        champs << avec_virgule(a.texte) << (a.teinte ? nom_teinte(*a.teinte) : QString());
        lignes << champs.join(QLatin1Char(';'));
    }
    lignes << QString() << QStringLiteral("confusion;nombre");
    for (const QString& l : calcul.confusions) {
        QString sans_fois = l;
        if (sans_fois.endsWith(fois))
            sans_fois.chop(fois.size());
        const QString cle = sans_fois.section(QLatin1Char('.'), 0, 0);
        lignes << cle + QLatin1Char(';') + QString::number(nombre_de_la_ligne(sans_fois));
    }
    return lignes;
}

QStringList lignes_grille(const Calcul& calcul)
{
    QString entete;
    for (int a = 2; a <= 9; ++a)
        entete += QStringLiteral("%1×").arg(a).rightJustified(7);
    QStringList lignes {entete};
    for (int b = 2; b <= 9; ++b) {
        QString ligne;
        for (int a = 2; a <= 9; ++a)
            ligne += calcul.cases[(a - 2) * 8 + (b - 2)].texte.rightJustified(7);
        lignes << ligne + QStringLiteral("   ") + QString::number(b);
    }
    return lignes;
}
