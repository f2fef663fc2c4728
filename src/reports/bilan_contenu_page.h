#pragma once

#include "reports/bilan_contenu.h"

#include <QString>
#include <QVarLengthArray>
#include <QVector>

// The report page as a list of drawing orders in a space 1800 wide and 2800 high (y downwards), shared by
// the printed page and the PDF page; each draws them with its own fonts.

enum class SupportBilan
{
    impression,
    pdf
};
enum class FamilleBilan
{
    serif,
    sans
};
enum class TeinteBilan
{
    blanc,
    gris,
    noir
};
enum class AlignementBilan
{
    gauche,
    centre,
    droite
};

// One piece of a line of text. A line is drawn piece after piece, each after the width of the previous ones.
struct MorceauBilan
{
    enum class Sorte
    {
        texte,
        case_exemple,
        fleche
    };
    Sorte sorte = Sorte::texte;
    QString texte;
    int taille = 30; // points of the printed page; the PDF page uses 4/3 of it
    bool gras = false;
    bool italique = false;
    bool encadre = false; // a frame around the text
    bool fond_opaque = false; // the text's box is first filled with `teinte`
    TeinteBilan teinte = TeinteBilan::blanc; // sample cell: 80 × 40, 20 after the text and 10 lower
};

// Most lines are one piece: it is kept in place, without an allocation of its own.
using MorceauxBilan = QVarLengthArray<MorceauBilan, 1>;

struct ElementBilan
{
    enum class Sorte
    {
        texte,
        ligne,
        rectangle,
        rectangle_plein
    };
    Sorte sorte = Sorte::texte;
    int x1 = 0;
    int y1 = 0; // for a text: the top of its line
    int x2 = 0;
    int y2 = 0;
    int epaisseur = 1;
    TeinteBilan teinte = TeinteBilan::noir; // fill, or text colour (blanc or noir)
    FamilleBilan famille = FamilleBilan::serif;
    AlignementBilan alignement = AlignementBilan::gauche;
    MorceauxBilan morceaux;
    int ligne_de_base_pdf = -1; // the PDF page's baseline below its top margin, when fixed
};

QVector<ElementBilan> compose_page_bilan(const ContenuBilan& contenu, SupportBilan support);

// The footer naming the program.
QString pied_de_page_bilan();
