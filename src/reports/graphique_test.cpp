#include "reports/graphique_test.h"

#include "core/faits.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor rouge(255, 0, 0);
const QColor jaune(255, 255, 0);
const QColor bleu(0, 0, 255);
const QColor gris(128, 128, 128);
const QColor argent(192, 192, 192);
// The frame's band, outermost shade first.
const QColor bandes[4] = {QColor(0, 72, 241), QColor(0, 61, 221), QColor(0, 29, 160), QColor(0, 19, 140)};

QFont police(const QString& famille, int points, bool gras = false, bool italique = false)
{
    QFont f;
    if (famille == QLatin1String("MS Sans Serif"))
        f.setFamilies({famille, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Nimbus Sans"),
            QStringLiteral("Arial")});
    else
        f.setFamilies({famille, QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans")});
    f.setPointSize(points);
    f.setBold(gras);
    f.setItalic(italique);
    return f;
}

// Text with its top-left corner at (x, y), as the charts give their positions.
void texte(QPainter& p, int x, int y, const QString& s)
{
    p.drawText(QRect(x, y, 400, 100), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
}

// Where the parts shared by both drawings go.
struct Disposition
{
    QPoint pourcentage; // below 100
    QPoint cent, cent_ombre; // 100: blue copy over a grey one
    QPoint acquisition;
    bool acquisition_bleue;
    QPoint vitesse, rapidite, exactes, minute;
    int separateur_gauche, separateur_droite, separateurs[2];
    QRect boites[3];
    QPoint textes[3][3]; // per box: up to three lines
    QPoint compteurs[3];
    int largeur_max_cent; // room for "100%"
};

const Disposition disposition_grande {{10, 6}, {8, 3}, {10, 6}, {20, 48}, false, {56, 188}, {18, 199},
    {20, 214}, {25, 228}, 6, 86, {66, 189},
    {QRect(QPoint(8, 74), QPoint(75, 103)), QRect(QPoint(8, 108), QPoint(75, 136)),
        QRect(QPoint(8, 141), QPoint(75, 180))},
    {{{20, 75}, {35, 88}, {}}, {{20, 109}, {17, 120}, {}}, {{19, 142}, {16, 154}, {19, 165}}},
    {{78, 82}, {78, 113}, {78, 152}}, 86};

const Disposition disposition_compacte {{4, 8}, {0, 0}, {2, 2}, {5, 43}, true, {43, 176}, {5, 189}, {9, 205},
    {13, 218}, 2, 70, {59, 176},
    {QRect(QPoint(1, 67), QPoint(61, 95)), QRect(QPoint(1, 99), QPoint(60, 127)),
        QRect(QPoint(1, 132), QPoint(60, 171))},
    {{{8, 68}, {22, 80}, {}}, {{7, 100}, {4, 111}, {}}, {{6, 133}, {3, 145}, {6, 156}}},
    {{62, 73}, {62, 104}, {62, 143}}, 78};

const char* const textes_legende[3][3] = {{"réponses", "OK", nullptr}, {"réponses", "trop lentes", nullptr},
    {"réponses", "fausses ou", "absentes"}};

void dessine_legende(QPainter& p, const DonneesGraphique& d, const Disposition& g, bool grande)
{
    if (d.pourcentage >= 0) {
        if (d.pourcentage < 100) {
            p.setFont(police(QStringLiteral("Arial"), 27, true, true));
            p.setPen(bleu);
            texte(p, g.pourcentage.x(), g.pourcentage.y(), QString::number(d.pourcentage) + QLatin1Char('%'));
        } else {
            // "100%" in the large size where it fits beside the grid, smaller otherwise.
            int taille = 32;
            QFont f = police(QStringLiteral("Arial"), taille, true, true);
            while (
                taille > 18 && QFontMetrics(f).horizontalAdvance(QStringLiteral("100%")) > g.largeur_max_cent)
                f.setPointSize(--taille);
            p.setFont(f);
            p.setPen(gris);
            texte(p, g.cent_ombre.x(), g.cent_ombre.y(), QStringLiteral("100%"));
            p.setPen(bleu);
            texte(p, g.cent.x(), g.cent.y(), QStringLiteral("100%"));
        }
    }
    const QFont petite
        = grande ? police(QStringLiteral("MS Sans Serif"), 8) : police(QStringLiteral("Arial"), 8);
    p.setFont(petite);
    p.setPen(g.acquisition_bleue ? bleu : Qt::black);
    texte(p, g.acquisition.x(), g.acquisition.y(), QStringLiteral("d'acquisition:"));
    p.setPen(Qt::black);
    texte(p, g.rapidite.x(), g.rapidite.y(), QStringLiteral("rapidité:"));
    texte(p, g.exactes.x(), g.exactes.y(), QStringLiteral("rép.exactes"));
    texte(p, g.minute.x(), g.minute.y(), QStringLiteral("par minute"));
    p.setFont(police(QStringLiteral("Arial"), 20, true, true));
    p.setPen(bleu);
    texte(p, g.vitesse.x(), g.vitesse.y(), QString::number(d.vitesse));

    p.setPen(QPen(bleu, 1, Qt::DotLine));
    for (int y : g.separateurs)
        p.drawLine(g.separateur_gauche, y, g.separateur_droite, y);

    const QColor fonds[3] = {Qt::white, jaune, rouge};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::black);
        p.setBrush(fonds[i]);
        p.drawRect(g.boites[i].adjusted(0, 0, -1, -1));
        p.setBrush(Qt::NoBrush);
        p.setFont(petite);
        p.setPen(i == 2 ? Qt::white : Qt::black);
        for (int l = 0; l < 3 && textes_legende[i][l]; ++l)
            texte(p, g.textes[i][l].x(), g.textes[i][l].y(), QString::fromUtf8(textes_legende[i][l]));
        p.setFont(police(QStringLiteral("Arial"), 10, true));
        p.setPen(bleu);
        texte(p, g.compteurs[i].x(), g.compteurs[i].y(), QString::number(d.comptes[i]));
    }
}

// One cell: its colour over `zone`, then its two lines of text.
void dessine_case(QPainter& p, const CaseGraphique& c, const QRect& zone, const QString& ligne1,
    const QFont& f1, QPoint pos1, const QFont& f2, QPoint pos2)
{
    if (c.classe == ClasseReponse::lente)
        p.fillRect(zone, jaune);
    else if (c.classe == ClasseReponse::fausse)
        p.fillRect(zone, rouge);
    p.setPen(c.classe == ClasseReponse::fausse ? Qt::white : Qt::black);
    p.setFont(f1);
    texte(p, pos1.x(), pos1.y(), ligne1);
    p.setFont(f2);
    texte(p, pos2.x(), pos2.y(), c.temps);
}

// Silver dots on every other pixel: a greyed or empty area.
void grise(QPainter& p, const QRect& zone)
{
    p.setPen(argent);
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left() + (y % 2); x <= zone.right(); x += 2)
            p.drawPoint(x, y);
}

QColor couleur_pourcentage(int s)
{
    if (s < 0)
        return Qt::white;
    return s < 85 ? rouge : bleu;
}

int decalage_mot(int s)
{
    if (s < 50)
        return 1;
    if (s < 70)
        return 5;
    if (s < 85)
        return -4;
    if (s < 95)
        return 7;
    if (s < 100)
        return 0;
    return -1;
}

// Rows of a column of the large chart: an extended table keeps an empty row for the factor 10.
int lignes_colonne(bool classique, int colonne)
{
    if (classique)
        return 8;
    return colonne == 0 ? 9 : taille_table(nom_table(11 + colonne)) + 1;
}

} // namespace

DonneesGraphique donnees_graphique(const QString& ligne_test, int T)
{
    DonneesGraphique d;
    const QString enregistrements
        = ligne_test.size() > 1 && ligne_test.at(1) == QLatin1Char('T') ? ligne_test.mid(29) : ligne_test;
    d.classique = enregistrements.size() < 4
        || (enregistrements.at(1) == QLatin1Char('0') && enregistrements.at(3) == QLatin1Char('0'));
    for (const QString& entree : dernieres_reponses(enregistrements)) {
        CaseGraphique c;
        c.a = entree.left(2).toInt();
        c.b = entree.mid(2, 2).toInt();
        const int score = score_produit(entree, T);
        c.classe
            = score >= 100 ? ClasseReponse::ok : (score > 0 ? ClasseReponse::lente : ClasseReponse::fausse);
        const QString reponse = entree.mid(7, 4);
        c.reponse = reponse == QLatin1String("0000") ? QString() : QString::number(reponse.toInt());
        c.temps = texte_dixiemes(entree.mid(4, 3).toInt(), QLatin1Char('.'));
        ++d.comptes[int(c.classe)];
        d.cases.append(c);
    }
    bool manque = false;
    const int premiere = d.classique ? 2 : 11;
    const int derniere = d.classique ? 9 : 19;
    for (int t = premiere; t <= derniere; ++t) {
        const int s = pourcentage_tables(enregistrements, nom_table(t), T);
        d.pourcentages_tables.insert(t, s);
        manque = manque || s < 0;
    }
    if (d.classique)
        d.pourcentage = pourcentage_tables(enregistrements, QStringLiteral("tables_classiques"), T);
    else
        d.pourcentage
            = manque ? -1 : pourcentage_tables(enregistrements, QStringLiteral("tables_etendues"), T);
    d.vitesse = d.cases.isEmpty() ? 0 : vitesse_test(enregistrements);
    return d;
}

QImage graphique_test(const QString& ligne_test, int T)
{
    const DonneesGraphique d = donnees_graphique(ligne_test, T);
    const int colonnes = d.classique ? 8 : 9;
    const int hauteur_ligne = d.classique ? 30 : 27;
    int lignes_max = 0;
    for (int c = 0; c < colonnes; ++c)
        lignes_max = qMax(lignes_max, lignes_colonne(d.classique, c));
    const int largeur = 89 + 12 + 50 * colonnes - 1 + 3;
    const int hauteur = lignes_max * hauteur_ligne + 70;

    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(couleur_transparente_graphique());
    QPainter p(&image);

    // The framed shape: legend, columns of different heights, a foot under each column.
    QPainterPath forme;
    forme.addRect(4, 4, 92, 242);
    for (int c = 0; c < colonnes; ++c) {
        const int bas = 3 + lignes_colonne(d.classique, c) * hauteur_ligne;
        QPainterPath colonne;
        colonne.addRect(96 + 50 * c, 3, 50, bas - 3);
        colonne.addRect(96 + 50 * c + 4, bas, 42, bas + 64 - bas);
        forme = forme.united(colonne);
    }
    forme = forme.simplified();
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(bandes[i], 8 - 2 * i, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPath(forme);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(forme);
    p.setBrush(Qt::NoBrush);

    for (int c = 0; c < colonnes; ++c) {
        const int lignes = lignes_colonne(d.classique, c);
        const int x = 96 + 50 * c;
        if (!d.classique && c > 0)
            grise(p, QRect(x + 1, 4 + 8 * hauteur_ligne, 49, hauteur_ligne - 1));
        p.setPen(Qt::black);
        p.drawLine(x, 3, x, 3 + lignes * hauteur_ligne);
        p.drawLine(x + 50, 3, x + 50, 3 + lignes * hauteur_ligne);
        for (int r = 0; r <= lignes; ++r)
            p.drawLine(x, 3 + r * hauteur_ligne, x + 50, 3 + r * hauteur_ligne);
    }

    const QFont f1 = police(QStringLiteral("Arial"), d.classique ? 10 : 7);
    const QFont f2 = police(QStringLiteral("Arial"), d.classique ? 8 : 7);
    for (const CaseGraphique& c : d.cases) {
        int colonne, ligne;
        if (d.classique) {
            colonne = c.a - 2;
            ligne = c.b - 2;
        } else if (c.a == c.b) {
            colonne = 0;
            ligne = c.a - 11;
        } else {
            colonne = c.b - 11;
            ligne = c.a - 2;
        }
        if (colonne < 0 || colonne >= colonnes || ligne < 0 || ligne >= lignes_colonne(d.classique, colonne))
            continue;
        const int x = 97 + 50 * colonne;
        const int y = 4 + ligne * hauteur_ligne;
        const QString ligne1 = QString::number(c.a) + QStringLiteral("×") + QString::number(c.b)
            + QLatin1Char('=') + c.reponse;
        dessine_case(p, c, QRect(x, y, 49, hauteur_ligne - 1), ligne1, f1, {x + 2, y + 1}, f2,
            d.classique ? QPoint(x + 12, y + 14) : QPoint(x + 12, y + 12));
    }

    const QFont f_pied = police(QStringLiteral("Arial"), 8);
    const QFont f_mot = police(QStringLiteral("MS Sans Serif"), 8);
    for (int c = 0; c < colonnes; ++c) {
        const int s = d.pourcentages_tables.value(d.classique ? c + 2 : c + 11, -1);
        const int x = 104 + 50 * c;
        const int y = lignes_colonne(d.classique, c) * hauteur_ligne + 27;
        p.setPen(couleur_pourcentage(s));
        p.setFont(f_pied);
        texte(p, s == 100 ? x + 4 : x + 7, y + 4, QString::number(s) + QLatin1Char('%'));
        if (s >= 0) {
            p.setFont(f_mot);
            texte(p, x + decalage_mot(s), y + 25, mot_table(s));
        }
    }
    dessine_legende(p, d, disposition_grande, true);
    return image;
}

QImage graphique_test_compact(const QString& ligne_test, const QString& objectifs, int T)
{
    const DonneesGraphique d = donnees_graphique(ligne_test, T);
    QImage image(310, 255, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);

    for (int t = 2; t <= 9; ++t) {
        if (!objectifs.contains(nom_table(t)))
            grise(p, QRect(80 + 27 * (t - 2) + 1, 14, 26, 215));
    }
    const QFont f1 = police(QStringLiteral("Arial"), 10);
    const QFont f2 = police(QStringLiteral("Arial"), 8);
    for (const CaseGraphique& c : d.cases) {
        if (c.a < 2 || c.a > 9 || c.b < 2 || c.b > 9)
            continue;
        const int x = 80 + 27 * (c.a - 2);
        const int y = 13 + 27 * (c.b - 2);
        dessine_case(p, c, QRect(x + 1, y + 1, 26, 26),
            QLatin1Char('=') + (c.reponse.isEmpty() ? QStringLiteral(" ") : c.reponse), f1, {x + 2, y + 1},
            f2, {x + 2, y + 14});
    }
    p.setPen(Qt::black);
    for (int i = 0; i <= 8; ++i) {
        p.drawLine(80 + 27 * i, 13, 80 + 27 * i, 229);
        p.drawLine(80, 13 + 27 * i, 296, 13 + 27 * i);
    }
    p.setFont(police(QStringLiteral("Arial"), 9));
    for (int t = 2; t <= 9; ++t) {
        texte(p, 86 + 27 * (t - 2), -2, QString::number(t) + QStringLiteral("×"));
        texte(p, 301, 21 + 27 * (t - 2), QString::number(t));
    }
    p.setFont(f2);
    for (int t = 2; t <= 9; ++t) {
        const int s = d.pourcentages_tables.value(t, -1);
        const int x = 80 + 27 * (t - 2);
        const int y = 229;
        p.setPen(couleur_pourcentage(s));
        texte(p, s < 10 ? x + 8 : (s < 100 ? x + 3 : x), y + 8, QString::number(s) + QLatin1Char('%'));
        if (s >= 0) {
            p.setPen(Qt::black);
            for (int dy = 2; dy <= 8; dy += 2)
                p.drawPoint(x + 13, y + dy);
        }
    }
    dessine_legende(p, d, disposition_compacte, false);
    return image;
}
