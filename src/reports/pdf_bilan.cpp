#include "reports/pdf_bilan.h"

#include "reports/pdf_metriques.h"

#include <cmath>

namespace {

int police_pdf(FamilleBilan famille, bool gras, bool italique)
{
    const int base = famille == FamilleBilan::serif ? 8 : 0;
    return base + (gras ? 1 : 0) + (italique ? 2 : 0);
}

// The printed page's points at 96 pixels per inch: 30 points are 40 units of the PDF page.
int taille_pdf(int taille)
{
    return (taille * 4 + 1) / 3;
}

int composante(TeinteBilan t)
{
    switch (t) {
    case TeinteBilan::blanc:
        return 255;
    case TeinteBilan::gris:
        return 192;
    default:
        return 0;
    }
}

class Dessin
{
public:
    explicit Dessin(DocumentPdf& d)
        : m_doc(d)
        , m_mx(d.largeur() / 18)
        , m_my(d.hauteur() / 18)
    {
        m_doc.fixe_epaisseur(1);
        m_doc.couleur_trait(0, 0, 0);
        m_doc.couleur_remplissage(0, 0, 0);
    }

    void element(const ElementBilan& e)
    {
        switch (e.sorte) {
        case ElementBilan::Sorte::ligne:
            m_doc.ligne(m_mx + e.x1, m_my + e.y1, m_mx + e.x2, m_my + e.y2);
            break;
        case ElementBilan::Sorte::rectangle:
            m_doc.rectangle(m_mx + e.x1, m_my + e.y1, m_mx + e.x2, m_my + e.y2);
            break;
        case ElementBilan::Sorte::rectangle_plein:
            remplissage(composante(e.teinte));
            m_doc.rectangle_plein(m_mx + e.x1, m_my + e.y1, m_mx + e.x2, m_my + e.y2);
            break;
        case ElementBilan::Sorte::texte:
            texte(e);
            break;
        }
    }

    void pied_de_page()
    {
        m_doc.fixe_police(2);
        m_doc.fixe_taille(27);
        const QString texte = pied_de_page_bilan();
        const double largeur = largeur_texte_pdf(2, 27, texte);
        remplissage(0);
        m_doc.texte(
            static_cast<int>(std::floor(m_doc.largeur() - m_mx / 2 - largeur)), m_doc.hauteur() - 40, texte);
    }

private:
    void remplissage(int c)
    {
        if (c == m_remplissage)
            return;
        m_remplissage = c;
        m_doc.couleur_remplissage(c, c, c);
    }

    double largeur(const MorceauBilan& m, FamilleBilan famille) const
    {
        switch (m.sorte) {
        case MorceauBilan::Sorte::texte:
            return largeur_texte_pdf(police_pdf(famille, m.gras, m.italique), taille_pdf(m.taille), m.texte);
        case MorceauBilan::Sorte::case_exemple:
            return 100;
        case MorceauBilan::Sorte::fleche:
            return 110;
        }
        return 0;
    }

    void texte(const ElementBilan& e)
    {
        int hauteur = 0;
        double total = 0;
        // Measured once: measuring a text walks its characters.
        m_largeurs.resize(e.morceaux.size());
        for (qsizetype i = 0; i < e.morceaux.size(); ++i) {
            hauteur = std::max(hauteur, taille_pdf(e.morceaux[i].taille));
            m_largeurs[i] = largeur(e.morceaux[i], e.famille);
            total += m_largeurs[i];
        }
        const int haut = m_my + e.y1;
        const int base = e.ligne_de_base_pdf >= 0 ? m_my + e.ligne_de_base_pdf
                                                  : haut + static_cast<int>(std::lround(0.9 * hauteur));
        double x = m_mx + e.x1;
        if (e.alignement == AlignementBilan::centre)
            x -= total / 2;
        else if (e.alignement == AlignementBilan::droite)
            x -= total;

        for (qsizetype i = 0; i < e.morceaux.size(); ++i) {
            const MorceauBilan& m = e.morceaux[i];
            const int taille = taille_pdf(m.taille);
            const double l = m_largeurs[i];
            const int xi = static_cast<int>(std::lround(x));
            switch (m.sorte) {
            case MorceauBilan::Sorte::texte: {
                const int police = police_pdf(e.famille, m.gras, m.italique);
                if (m.fond_opaque) {
                    remplissage(composante(m.teinte));
                    m_doc.rectangle_plein(xi, base - taille * 0.9, xi + l, base + taille * 0.2);
                }
                if (m.encadre) {
                    m_doc.fixe_epaisseur(2);
                    m_doc.rectangle(xi - 10,
                        base - static_cast<int>(hauteur_capitales_pdf(police, taille)) - 12,
                        static_cast<int>(xi + l + 10), base + taille / 4);
                    m_doc.fixe_epaisseur(1);
                }
                remplissage(composante(e.teinte));
                m_doc.fixe_police(police);
                m_doc.fixe_taille(taille);
                m_doc.texte(xi, base, m.texte);
                break;
            }
            case MorceauBilan::Sorte::case_exemple: {
                const int gauche = xi + 20;
                const int dessus = haut + 10;
                remplissage(composante(m.teinte));
                m_doc.rectangle_plein(gauche, dessus, gauche + 80, dessus + 40);
                m_doc.rectangle(gauche, dessus, gauche + 80, dessus + 40);
                break;
            }
            case MorceauBilan::Sorte::fleche: {
                const int milieu = base - static_cast<int>(0.3 * taille);
                m_doc.fixe_epaisseur(2);
                m_doc.ligne(xi + 15, milieu, xi + 95, milieu);
                m_doc.ligne(xi + 95, milieu, xi + 80, milieu - 10);
                m_doc.ligne(xi + 95, milieu, xi + 80, milieu + 10);
                m_doc.fixe_epaisseur(1);
                break;
            }
            }
            x += l;
        }
    }

    DocumentPdf& m_doc;
    int m_mx;
    int m_my;
    int m_remplissage = 0;
    QVector<double> m_largeurs; // of the pieces of the text being drawn
};

} // namespace

void dessine_bilan_pdf(DocumentPdf& document, const QVector<ElementBilan>& elements)
{
    Dessin dessin(document);
    for (const ElementBilan& e : elements)
        dessin.element(e);
    dessin.pied_de_page();
}

void bilan_pdf(DocumentPdf& document, const DonneesBilan& donnees)
{
    dessine_bilan_pdf(document, compose_page_bilan(calcule_contenu_bilan(donnees), SupportBilan::pdf));
}

void prepare_document_bilans(DocumentPdf& document, const QString& fichier)
{
    document.fixe_page(largeur_page_bilan_pdf, hauteur_page_bilan_pdf);
    document.fixe_nom_fichier(fichier);
    document.informations().titre = QStringLiteral("généré automatiquement par \"Tabrix\"");
}
