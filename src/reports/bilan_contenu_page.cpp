#include "reports/bilan_contenu_page.h"

#include "core/faits.h"

#include <array>

namespace {

using Sorte = ElementBilan::Sorte;

MorceauBilan morceau(const QString& texte, int taille, bool gras = false, bool italique = false)
{
    MorceauBilan m;
    m.texte = texte;
    m.taille = taille;
    m.gras = gras;
    m.italique = italique;
    return m;
}

MorceauBilan case_exemple(TeinteBilan teinte)
{
    MorceauBilan m;
    m.sorte = MorceauBilan::Sorte::case_exemple;
    m.teinte = teinte;
    return m;
}

class Page
{
public:
    // About as many elements as a page of 64 cells holds: one allocation.
    Page() { m_elements.reserve(340); }

    ElementBilan& texte(int x, int y, FamilleBilan famille, MorceauxBilan morceaux,
        AlignementBilan alignement = AlignementBilan::gauche)
    {
        ElementBilan e;
        e.x1 = x;
        e.y1 = y;
        e.famille = famille;
        e.morceaux = std::move(morceaux);
        e.alignement = alignement;
        m_elements << std::move(e);
        return m_elements.last();
    }
    void ligne(int x1, int y1, int x2, int y2)
    {
        ElementBilan e;
        e.sorte = Sorte::ligne;
        e.x1 = x1;
        e.y1 = y1;
        e.x2 = x2;
        e.y2 = y2;
        m_elements << std::move(e);
    }
    void rectangle(int x1, int y1, int x2, int y2, Sorte sorte, TeinteBilan teinte = TeinteBilan::noir)
    {
        ElementBilan e;
        e.sorte = sorte;
        e.x1 = x1;
        e.y1 = y1;
        e.x2 = x2;
        e.y2 = y2;
        e.teinte = teinte;
        m_elements << std::move(e);
    }
    QVector<ElementBilan> elements() const { return m_elements; }

private:
    QVector<ElementBilan> m_elements;
};

constexpr auto serif = FamilleBilan::serif;
constexpr auto sans = FamilleBilan::sans;

// "7×9" and its dotted leader, longer on the printed page.
QString fait_texte_produit(int a, int b, SupportBilan support)
{
    return QString::number(a) + QChar(0x00D7) + QString::number(b)
        + (support == SupportBilan::pdf ? QStringLiteral(".........") : QStringLiteral("............"));
}

// The same, made once for the 64 cells of every page.
QString texte_produit(int a, int b, SupportBilan support)
{
    using Textes = std::array<QString, 2 * 64>;
    static const Textes textes = [] {
        Textes t;
        for (int i = 0; i < 2 * 64; ++i)
            t[size_t(i)] = fait_texte_produit(
                2 + i % 64 / 8, 2 + i % 8, i < 64 ? SupportBilan::impression : SupportBilan::pdf);
        return t;
    }();
    if (a < 2 || a > 9 || b < 2 || b > 9)
        return fait_texte_produit(a, b, support);
    return textes[size_t(64 * (support == SupportBilan::pdf) + 8 * (a - 2) + b - 2)];
}

void grille(Page& page, const ContenuBilan& c, SupportBilan support)
{
    const int y0 = 420;
    for (int i = 0; i <= 8; ++i) {
        page.ligne(0, y0 + 100 * i, 1800, y0 + 100 * i);
        page.ligne(225 * i, y0, 225 * i, y0 + 800);
    }

    // Feet: a tick, a box and under it the table's word.
    for (int col = 0; col < 8; ++col) {
        const int x = 225 * col + 112;
        const int s = c.pourcentages[col];
        const int demi = s == 100 ? 47 : 40;
        page.ligne(x, 1220, x, 1250);
        page.rectangle(x - demi, 1250, x + demi, 1290, Sorte::rectangle);
        if (s < 0)
            continue;
        const bool faible = s < 85;
        page.texte(x, 1254, sans, {morceau(QString::number(s) + QLatin1Char('%'), 24, faible, faible)},
            AlignementBilan::centre);
        page.texte(x, 1300, sans, {morceau(mot_table(s), 24, faible, faible)}, AlignementBilan::centre);
    }

    for (const CaseBilan& cas : c.cases) {
        const int x = 225 * (cas.a - 2);
        const int y = y0 + 100 * (cas.b - 2);
        TeinteBilan fond = TeinteBilan::blanc;
        if (cas.genre == GenreCase::lente)
            fond = TeinteBilan::gris;
        else if (cas.genre != GenreCase::rapide)
            fond = TeinteBilan::noir;
        if (fond != TeinteBilan::blanc)
            page.rectangle(x + 1, y + 1, x + 224, y + 99, Sorte::rectangle_plein, fond);
        const TeinteBilan encre = fond == TeinteBilan::blanc ? TeinteBilan::noir : TeinteBilan::blanc;
        page.texte(x + 13, y + 19, sans, {morceau(texte_produit(cas.a, cas.b, support), 24)}).teinte = encre;
        // The answer covers the end of the dotted leader, as on a cell written by hand.
        MorceauBilan reponse = morceau(cas.reponse, 42, true);
        reponse.teinte = fond;
        reponse.fond_opaque = support == SupportBilan::impression;
        page.texte(x + 150, y + 4, sans, {reponse}).teinte = encre;
        page.texte(x + 208, y + 58, sans, {morceau(cas.temps, 24, false, true)}, AlignementBilan::droite)
            .teinte
            = encre;
    }
}

void resume(Page& page, const ContenuBilan& c)
{
    page.texte(0, 1400, serif, {morceau(QStringLiteral("Résumé:"), 30, true)});
    const int comptes[3] = {c.nb_rapides, c.nb_lentes, c.nb_fausses};
    const QString phrases[3]
        = {phrase_rapides(c.nb_rapides), phrase_lentes(c.nb_lentes), phrase_fausses(c.nb_fausses)};
    const TeinteBilan teintes[3] = {TeinteBilan::blanc, TeinteBilan::gris, TeinteBilan::noir};
    for (int i = 0; i < 3; ++i)
        page.texte(100, 1450 + 50 * i, serif,
            {morceau(QLatin1Char(' ') + QString::number(comptes[i]), 30, true), morceau(phrases[i], 30),
                case_exemple(teintes[i])});

    page.texte(0, 1650, serif, {morceau(QStringLiteral("Classement des tables par score:"), 30, true)});
    const auto classement = [&](int y, const QString& mot, const QStringList& liste, const QString& texte) {
        const bool une = liste.size() == 1;
        MorceauxBilan m {morceau(une ? QStringLiteral("table ") : QStringLiteral("tables "), 30),
            morceau(mot, 30, true), morceau(une ? QStringLiteral("sue: ") : QStringLiteral("sues: "), 30)};
        m << (liste.isEmpty() ? morceau(QStringLiteral("(aucune)"), 30, false, true)
                              : morceau(texte, 30, true));
        page.texte(100, y, serif, m);
    };
    classement(1700, QStringLiteral("mal "), c.mal_sues, c.texte_mal_sues);
    classement(1750, QStringLiteral("bien "), c.bien_sues, c.texte_bien_sues);

    const QString v = QString::number(c.vitesse);
    page.texte(0, 1850, serif, {morceau(QStringLiteral("Rapidité: ") + v, 30, true)});
    page.texte(100, 1900, serif,
        {morceau(QLatin1Char('(') + v + QStringLiteral(" bonnes réponses par minute)"), 30)});
}

void bilan(Page& page, const ContenuBilan& c, SupportBilan support)
{
    page.texte(0, 2050, serif, {morceau(QStringLiteral("Bilan: "), 30, true)});
    MorceauxBilan niveau {
        morceau(c.toutes_tables() ? QStringLiteral("Niveau de connaissance des tables:  ")
                                  : QStringLiteral("Niveau de connaissance des tables testées:  "),
            50),
        morceau(QString::number(c.score) + QLatin1Char('%'), 50, true)};
    if (c.toutes_tables()) {
        MorceauBilan fleche;
        fleche.sorte = MorceauBilan::Sorte::fleche;
        fleche.taille = 50;
        MorceauBilan mot = morceau(c.niveau + QLatin1Char('.'), 50, true);
        mot.encadre = true;
        niveau << fleche << mot;
    }
    page.texte(180, 2030, serif, niveau);

    const QString pourcentage = QString::number(c.pourcentage) + QLatin1Char('%');
    if (c.toutes_tables())
        page.texte(170, 2130, serif,
            {morceau(
                QStringLiteral("moins de 50%: très faible;  50-69%:faible;  70-84%: passable;  85-94%: bien; "
                               "95-99%: très bien;  100%: parfait."),
                25)});
    else if (support == SupportBilan::pdf)
        page.texte(160, 2130, serif,
            {morceau(QStringLiteral("c'est à dire ") + pourcentage + QStringLiteral(" de toutes les tables"),
                25)});
    else
        page.texte(170, 2130, serif,
            {morceau(QStringLiteral("soit ") + pourcentage + QStringLiteral(" de toutes les tables."), 25)});

    if (!c.table_conseil.isEmpty())
        page.texte(0, 2250, serif,
            {morceau(QStringLiteral("Conseil: "), 30, true),
                morceau(c.prenom + QStringLiteral(" devrait commencer par apprendre la table de "), 30),
                morceau(c.table_conseil, 30, true)});

    page.texte(0, 2700, serif,
            {morceau(
                QStringLiteral("Il est rappelé qu'une très bonne connaissance des tables est indispensable à "
                               "l'apprentissage des mathématiques"),
                30, false, true)})
        .ligne_de_base_pdf
        = 2750;
    page.texte(0, 2750, serif, {morceau(QStringLiteral("au collège (et après!)."), 30, false, true)})
        .ligne_de_base_pdf
        = 2800;
}

} // namespace

QString pied_de_page_bilan()
{
    return QStringLiteral("Bilan établi avec Tabrix, logiciel d'entraînement aux tables de multiplication");
}

QVector<ElementBilan> compose_page_bilan(const ContenuBilan& c, SupportBilan support)
{
    Page page;
    page.texte(620, 0, serif, {morceau(QStringLiteral("Tables de multiplication"), 40, true)});
    page.texte(0, 200, serif, {morceau(c.ligne_nom, 30, true)});
    if (!c.ligne_classe.isEmpty()) {
        page.texte(900, 70, serif, {morceau(c.etablissement, 30)}, AlignementBilan::centre);
        page.texte(0, 250, serif, {morceau(c.ligne_classe, 30, true)});
    }
    if (!c.ligne_amenagement.isEmpty())
        page.texte(0, 300, serif, {morceau(c.ligne_amenagement, 25, false, true)});
    page.texte(0, 370, serif, {morceau(c.ligne_date, 30)}).ligne_de_base_pdf = 410;
    grille(page, c, support);
    resume(page, c);
    bilan(page, c, support);
    return page.elements();
}
