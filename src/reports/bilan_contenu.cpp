#include "reports/bilan_contenu.h"

#include "core/faits.h"

#include <algorithm>

QString phrase_rapides(int n)
{
    return n == 1 ? QStringLiteral(" seule réponse juste et suffisamment rapide: case blanche")
                  : QStringLiteral(" réponses justes et suffisamment rapides: cases blanches");
}

QString phrase_lentes(int n)
{
    return n == 1 ? QStringLiteral(" seule réponse juste mais trop lente: case grise")
                  : QStringLiteral(" réponses justes mais trop lentes: cases grises");
}

QString phrase_fausses(int n)
{
    return n == 1 ? QStringLiteral(" seule réponse fausse ou absente: case noire")
                  : QStringLiteral(" réponses fausses ou absentes: cases noires");
}

namespace {

bool facteur_classique(QStringView code, int debut)
{
    const QStringView f = code.mid(debut, 2);
    // Two digits, as records write them, are read at once; anything else as a number would be.
    if (f.size() == 2 && f[0].isDigit() && f[1].isDigit() && f[0].unicode() < 128 && f[1].unicode() < 128)
        return f[0] == u'0' && f[1] >= u'2' && f[1] <= u'9';
    bool ok = false;
    const int n = f.toInt(&ok);
    return ok && n >= 2 && n <= 9;
}

QString numero_de_ligne(const QString& ligne)
{
    return ligne.mid(3);
}

// The tables 2 to 9 one by one, then all of them: expanded once for every page.
const std::array<ObjectifsTables, 9>& tables_du_bilan()
{
    static const std::array<ObjectifsTables, 9> tables {ObjectifsTables(nom_table(2)),
        ObjectifsTables(nom_table(3)), ObjectifsTables(nom_table(4)), ObjectifsTables(nom_table(5)),
        ObjectifsTables(nom_table(6)), ObjectifsTables(nom_table(7)), ObjectifsTables(nom_table(8)),
        ObjectifsTables(nom_table(9)), ObjectifsTables(QStringLiteral("tables_classiques"))};
    return tables;
}

} // namespace

bool test_classique(const QString& enregistrements)
{
    const int n = enregistrements.size() / 12;
    if (n == 0)
        return false;
    for (int i = 0; i < n; ++i) {
        const QStringView code = QStringView(enregistrements).mid(12 * i + 1, 4);
        if (!facteur_classique(code, 0) || !facteur_classique(code, 2))
            return false;
    }
    return true;
}

ContenuBilan calcule_contenu_bilan(const DonneesBilan& d)
{
    ContenuBilan c;
    const int T = d.temps_acceptable;
    c.prenom = d.prenom;
    c.ligne_nom = d.nom.toUpper() + QLatin1Char(' ') + d.prenom;
    if (!d.classe.isEmpty()) {
        c.etablissement = d.etablissement;
        c.ligne_classe = QStringLiteral("Classe de ") + d.classe;
    }
    c.ligne_date = QStringLiteral("Test du ") + d.titre_date + QLatin1Char(':');
    if (d.amenagement != Amenagement::aucun)
        c.ligne_amenagement = ligne_amenagement(d.amenagement);

    const QStringList reponses = dernieres_reponses(d.enregistrements);
    c.cases.reserve(reponses.size());
    for (const QString& entree : reponses) {
        // Only the classic products have a cell; anything else in the records is left out of the page.
        if (!facteur_classique(entree, 0) || !facteur_classique(entree, 2))
            continue;
        CaseBilan cas;
        cas.a = QStringView(entree).mid(0, 2).toInt();
        cas.b = QStringView(entree).mid(2, 2).toInt();
        const QString reponse = entree.mid(7, 4);
        const int score = score_produit(entree, T);
        if (reponse == QLatin1String("0000")) {
            cas.genre = GenreCase::absente;
            cas.reponse = QStringLiteral("?");
            cas.temps = QStringLiteral("(ne sait pas)");
        } else {
            cas.genre = score == 100 ? GenreCase::rapide : score > 0 ? GenreCase::lente : GenreCase::fausse;
            const QString sans_zeros = sans_zeros_devant(reponse);
            cas.reponse = sans_zeros.isEmpty() ? QStringLiteral("0") : sans_zeros;
            cas.temps = texte_dixiemes(QStringView(entree).mid(4, 3).toInt(), QLatin1Char(','));
        }
        switch (cas.genre) {
        case GenreCase::rapide:
            ++c.nb_rapides;
            break;
        case GenreCase::lente:
            ++c.nb_lentes;
            break;
        default:
            ++c.nb_fausses;
        }
        c.cases << cas;
    }

    for (int t = 2; t <= 9; ++t) {
        const int s = tables_du_bilan()[t - 2].pourcentage(d.enregistrements, T);
        c.pourcentages[t - 2] = s;
        if (s < 0)
            continue;
        if (s < 85)
            c.mal_sues << zeros_devant(s, 2) + QLatin1Char('=') + QString::number(t);
        else
            c.bien_sues << (s == 100 ? QStringLiteral("aa") : QString::number(s)) + QLatin1Char('=')
                    + QString::number(t);
    }
    std::sort(c.mal_sues.begin(), c.mal_sues.end());
    std::sort(c.bien_sues.begin(), c.bien_sues.end());
    c.tables_evaluees = c.mal_sues.size() + c.bien_sues.size();

    // Weakest first: first, then ", " for each middle one, then ", et " + last + ".".
    const QStringList& mal = c.mal_sues;
    if (!mal.isEmpty()) {
        c.texte_mal_sues = numero_de_ligne(mal.first());
        for (int i = 1; i < mal.size() - 1; ++i)
            c.texte_mal_sues += QStringLiteral(", ") + numero_de_ligne(mal[i]);
        if (mal.size() >= 2)
            c.texte_mal_sues += QStringLiteral(", et ") + numero_de_ligne(mal.last()) + QLatin1Char('.');
        c.table_conseil = numero_de_ligne(mal.first());
    }
    // Best first: the same walk from the end of the list.
    const QStringList& bien = c.bien_sues;
    if (!bien.isEmpty()) {
        c.texte_bien_sues = numero_de_ligne(bien.last());
        for (int i = bien.size() - 2; i >= 1; --i)
            c.texte_bien_sues += QStringLiteral(", ") + numero_de_ligne(bien[i]);
        if (bien.size() >= 2)
            c.texte_bien_sues += QStringLiteral(", et ") + numero_de_ligne(bien.first()) + QLatin1Char('.');
    }

    const bool vide = reponses.isEmpty();
    c.score = vide ? 0 : score_test(d.enregistrements, T);
    c.pourcentage = std::max(0, tables_du_bilan()[8].pourcentage(d.enregistrements, T));
    c.vitesse = vide ? 0 : vitesse_test(d.enregistrements);
    c.niveau = niveau_score(c.score);
    return c;
}
