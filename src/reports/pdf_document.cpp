#include "reports/pdf_document.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

const char* const polices[DocumentPdf::nombre_polices] = {"Helvetica", "Helvetica-Bold", "Helvetica-Oblique",
    "Helvetica-BoldOblique", "Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique",
    "Times-Roman", "Times-Bold", "Times-Italic", "Times-BoldItalic", "Symbol", "ZapfDingbats"};

QByteArray entier(qint64 n)
{
    return QByteArray::number(n);
}

// A whole number written on the stack: the drawing calls write hundreds of them a page.
class Chiffres
{
public:
    explicit Chiffres(qint64 n)
    {
        m_taille = int(std::to_chars(m_texte, m_texte + sizeof m_texte, n).ptr - m_texte);
    }
    operator QByteArrayView() const { return {m_texte, m_taille}; }

private:
    char m_texte[24];
    int m_taille = 0;
};

// Whole numbers as integers, written on the stack; others with one decimal, rounded as Qt rounds them.
class Nombre
{
public:
    explicit Nombre(double v)
    {
        if (v == std::floor(v) && std::fabs(v) < 1e15)
            m_taille
                = int(std::to_chars(m_texte, m_texte + sizeof m_texte, static_cast<qint64>(v)).ptr - m_texte);
        else
            m_decimal = QByteArray::number(v, 'f', 1);
    }
    operator QByteArrayView() const
    {
        return m_decimal.isNull() ? QByteArrayView(m_texte, m_taille) : QByteArrayView(m_decimal);
    }

private:
    char m_texte[24];
    int m_taille = 0;
    QByteArray m_decimal;
};

// The colour components 0 to 255 as written, made once: every page sets colours hundreds of times.
const std::array<QByteArray, 256>& composantes()
{
    static const std::array<QByteArray, 256> table = [] {
        std::array<QByteArray, 256> t;
        for (int c = 0; c < 256; ++c) {
            const int millimes = c * 1000 / 255;
            if (millimes == 0)
                t[c] = "0";
            else if (millimes == 1000)
                t[c] = "1";
            else
                t[c] = "0." + QByteArray::number(millimes).rightJustified(3, '0');
        }
        return t;
    }();
    return table;
}

} // namespace

const char* DocumentPdf::police_de_base(int index)
{
    return index >= 0 && index < nombre_polices ? polices[index] : "";
}

DocumentPdf::DocumentPdf(const Horloge& horloge)
    : m_horloge(horloge)
{
}

void DocumentPdf::fixe_page(int largeur, int hauteur)
{
    m_largeur = largeur;
    m_hauteur = hauteur;
}

void DocumentPdf::fixe_police(int index)
{
    if (index >= 0 && index < nombre_polices)
        m_police = index;
}

void DocumentPdf::fixe_taille(int taille)
{
    m_taille = taille;
}

void DocumentPdf::fixe_epaisseur(int epaisseur)
{
    m_epaisseur = epaisseur;
}

QByteArray DocumentPdf::composante(int c)
{
    return composantes()[std::clamp(c, 0, 255)];
}

QByteArray DocumentPdf::chaine_pdf(const QString& texte)
{
    QByteArray sortie;
    ajoute_chaine_pdf(sortie, texte);
    return sortie;
}

void DocumentPdf::ajoute_chaine_pdf(QByteArray& sortie, const QString& texte)
{
    // Escaped so that no text can end the string early or break the line structure of the file. Written in
    // place, two bytes at most per character, then cut to what was written.
    const qsizetype debut = sortie.size();
    sortie.resize(debut + 2 * texte.size());
    char* p = sortie.data() + debut;
    for (const QChar q : texte) {
        const char c = static_cast<char>(octet_cp1252(q));
        if (c == '(' || c == ')' || c == '\\') {
            *p++ = '\\';
            *p++ = c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            *p++ = ' ';
        } else {
            *p++ = c;
        }
    }
    sortie.truncate(p - sortie.constData());
}

void DocumentPdf::ligne_objet(std::initializer_list<QByteArrayView> morceaux)
{
    qsizetype taille = 2;
    for (const QByteArrayView m : morceaux)
        taille += m.size();
    char* p = place_objet(taille);
    for (const QByteArrayView m : morceaux) {
        std::memcpy(p, m.data(), size_t(m.size()));
        p += m.size();
    }
    p[0] = '\r';
    p[1] = '\n';
}

char* DocumentPdf::place_objet(qsizetype n)
{
    // The buffer only grows, by doubling: a page's content would otherwise grow again from nothing, copy
    // after copy, and each line would resize it.
    if (m_taille_objet + n > m_objet.size())
        m_objet.resize(std::max(2 * m_objet.size(), m_taille_objet + n + 4096));
    char* p = m_objet.data() + m_taille_objet;
    m_taille_objet += n;
    return p;
}

void DocumentPdf::debut_objet(int numero)
{
    m_numero_objet = numero;
    m_taille_objet = 0;
    ligne_objet({entier(numero) + " 0 obj"});
}

void DocumentPdf::fin_objet()
{
    ligne_objet({"endobj"});
    m_sortie.append(m_objet.constData(), m_taille_objet);
    m_taille_objet = 0;
    m_decalages << position();
    // A megabyte at a time: few writes, and a buffer that stays in the processor's cache.
    if (m_ecris && m_sortie.size() >= (1 << 20))
        donne_sortie();
}

void DocumentPdf::donne_sortie()
{
    if (!m_ecris || m_sortie.isEmpty())
        return;
    // After a refused piece, the rest would make a file with a hole: it is dropped.
    m_refuse = m_refuse || !m_ecris(m_sortie);
    m_donnes += m_sortie.size();
    m_sortie.resize(0);
}

void DocumentPdf::ecrit_au_fil(EcritMorceau ecris)
{
    m_ecris = std::move(ecris);
}

void DocumentPdf::ouvre_page()
{
    ++m_nombre_pages;
    const int numero = 2 * m_nombre_pages;
    m_objets_contenus << numero;
    debut_objet(numero);
    ligne_objet({"<< /Length " + entier(numero + 1) + " 0 R >>"});
    ligne_objet({"stream"});
    m_debut_flux = m_taille_objet;
    m_page_ouverte = true;
}

void DocumentPdf::ferme_page()
{
    const int longueur = int(m_taille_objet - m_debut_flux);
    ligne_objet({"endstream"});
    fin_objet();
    debut_objet(m_numero_objet + 1);
    ligne_objet({entier(longueur)});
    fin_objet();
    m_page_ouverte = false;
}

void DocumentPdf::BeginDoc()
{
    m_sortie.clear();
    m_donnes = 0;
    m_refuse = false;
    m_taille_objet = 0;
    m_numero_objet = 0;
    m_nombre_pages = 0;
    m_decalages.clear();
    m_objets_contenus.clear();
    m_objets_polices.clear();
    m_objet_pages = m_objet_ressources = m_objet_plan = m_objet_catalogue = 0;
    m_debut_flux = 0;
    m_nombre_images = 0;
    m_page_ouverte = false;

    m_sortie += "%PDF-1.4\r\n";
    m_decalages << position();

    debut_objet(1);
    ligne_objet({"<<"});
    ligne_objet({"/Producer (" + chaine_pdf(m_informations.producteur) + ")"});
    ligne_objet({"/Author (" + chaine_pdf(m_informations.auteur) + ")"});
    ligne_objet({"/CreationDate (D:"
        + m_horloge.date_heure().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + ")"});
    ligne_objet({"/Creator (" + chaine_pdf(m_informations.createur) + ")"});
    ligne_objet({"/Keywords (" + chaine_pdf(m_informations.mots_cles) + ")"});
    ligne_objet({"/Subject (" + chaine_pdf(m_informations.sujet) + ")"});
    ligne_objet({"/Title (" + chaine_pdf(m_informations.titre) + ")"});
    ligne_objet({"/ModDate ()"});
    ligne_objet({">>"});
    fin_objet();

    ouvre_page();
}

void DocumentPdf::NewPage()
{
    // Between BeginDoc and EndDoc a page is always open: otherwise the document is idle and begins here.
    if (!m_page_ouverte) {
        BeginDoc();
        return;
    }
    ferme_page();
    ouvre_page();
}

Ecriture DocumentPdf::EndDoc()
{
    if (!m_page_ouverte)
        return {false, QStringLiteral("Aucun document PDF n'a été commencé.")};
    termine();
    if (m_nom_fichier.isEmpty())
        return {false, QStringLiteral("Aucun nom de fichier n'a été donné pour le document PDF.")};
    return ecrit_octets(m_nom_fichier, m_sortie);
}

bool DocumentPdf::termine()
{
    if (!m_page_ouverte)
        return false;
    ferme_page();
    const int P = m_nombre_pages;

    m_objet_plan = 2 * P + 2;
    debut_objet(m_objet_plan);
    ligne_objet({"<< /Type /Outlines"});
    ligne_objet({"/Count 0"});
    ligne_objet({">>"});
    fin_objet();

    for (int i = 0; i < nombre_polices; ++i) {
        debut_objet(2 * P + 3 + i);
        m_objets_polices << m_numero_objet;
        ligne_objet({"<< /Type /Font"});
        ligne_objet({"/Subtype /Type1"});
        ligne_objet({"/Name /F" + entier(i + 1)});
        ligne_objet({QByteArray("/BaseFont /") + polices[i]});
        ligne_objet({"/Encoding /WinAnsiEncoding"});
        ligne_objet({">>"});
        fin_objet();
    }

    m_objet_pages = 2 * P + 17;
    debut_objet(m_objet_pages);
    ligne_objet({"<< /Type /Pages"});
    ligne_objet({"/Kids ["});
    for (int k = 1; k <= P; ++k)
        ligne_objet({entier(2 * P + 18 + k) + " 0 R"});
    ligne_objet({"]"});
    ligne_objet({"/Count " + entier(P)});
    ligne_objet({">>"});
    fin_objet();

    m_objet_ressources = 2 * P + 18;
    debut_objet(m_objet_ressources);
    ligne_objet({"<< /ProcSet [ /PDF /Text /ImageC]"});
    ligne_objet({"/XObject << "});
    ligne_objet({">>"});
    ligne_objet({"/Font << "});
    for (int i = 0; i < nombre_polices; ++i)
        ligne_objet({"/F" + entier(i + 1) + " " + entier(m_objets_polices[i]) + " 0 R "});
    ligne_objet({">>"});
    ligne_objet({">>"});
    fin_objet();

    for (int k = 1; k <= P; ++k) {
        debut_objet(m_objet_ressources + k);
        ligne_objet({"<< /Type /Page"});
        ligne_objet({"/Parent " + entier(m_objet_pages) + " 0 R"});
        ligne_objet({"/MediaBox [ 0 0 " + entier(m_largeur) + " " + entier(m_hauteur) + "]"});
        ligne_objet({"/Contents " + entier(m_objets_contenus[k - 1]) + " 0 R"});
        ligne_objet({"/Resources " + entier(m_objet_ressources) + " 0 R"});
        ligne_objet({">>"});
        fin_objet();
    }

    m_objet_catalogue = 3 * P + 19;
    debut_objet(m_objet_catalogue);
    ligne_objet({"<< /Type /Catalog"});
    ligne_objet({"/Pages " + entier(m_objet_pages) + " 0 R"});
    ligne_objet({"/Outlines " + entier(m_objet_plan) + " 0 R"});
    ligne_objet({">>"});
    fin_objet();

    const int S = m_numero_objet + 1;
    const Chiffres position_xref(m_decalages.last());
    m_sortie += "xref\r\n0 " + entier(S) + "\r\n0000000000 65535 f\r\n";
    // Twenty bytes an entry, written in place.
    const qsizetype debut_table = m_sortie.size();
    m_sortie.resize(debut_table + 20 * qsizetype(S - 1));
    char* entree = m_sortie.data() + debut_table;
    for (int i = 0; i < S - 1; ++i, entree += 20) {
        std::memcpy(entree, "0000000000 00000 n\r\n", 20);
        const Chiffres decalage(m_decalages[i]);
        // Ten digits reach 9.9 GB, far beyond any document of reports.
        QByteArrayView v = decalage;
        v = v.last(std::min<qsizetype>(v.size(), 10));
        std::memcpy(entree + 10 - v.size(), v.data(), size_t(v.size()));
    }
    m_sortie += "trailer\r\n<< /Size " + entier(S) + "\r\n/Root " + entier(m_objet_catalogue) + " 0 R\r\n";
    m_sortie += "/Info 1 0 R\r\n>>\r\nstartxref\r\n";
    m_sortie += QByteArrayView(position_xref);
    m_sortie += "\r\n%%EOF\r\n";
    donne_sortie();
    return !m_refuse;
}

void DocumentPdf::ouvre_page_a_part(QByteArray tampon)
{
    m_taille_objet = 0;
    m_debut_flux = 0;
    m_page_ouverte = true;
    if (tampon.capacity() > m_objet.capacity())
        m_objet = std::move(tampon);
    m_objet.resize(m_objet.capacity());
}

QByteArray DocumentPdf::prend_flux_page()
{
    if (!m_page_ouverte)
        return {};
    QByteArray flux;
    if (m_debut_flux == 0) {
        // A page opened apart is the whole buffer: handed over without a copy.
        m_objet.truncate(m_taille_objet);
        flux = std::exchange(m_objet, QByteArray());
    } else {
        flux = QByteArray(m_objet.constData() + m_debut_flux, m_taille_objet - m_debut_flux);
    }
    m_taille_objet = 0;
    m_page_ouverte = false;
    return flux;
}

void DocumentPdf::ajoute_au_flux(QByteArrayView flux)
{
    if (m_page_ouverte)
        std::memcpy(place_objet(flux.size()), flux.data(), size_t(flux.size()));
}

void DocumentPdf::ligne(int x1, int y1, int x2, int y2)
{
    if (!m_page_ouverte)
        return;
    const auto y_de = [this](int y) { return Chiffres(static_cast<qint64>(m_hauteur) - y); };
    ligne_objet({Chiffres(x1), " ", y_de(y1), " m"});
    ligne_objet({Chiffres(x2), " ", y_de(y2), " l"});
    ligne_objet({Chiffres(m_epaisseur), " w"});
    ligne_objet({"S"});
}

void DocumentPdf::rectangle(int x1, int y1, int x2, int y2)
{
    ligne(x1, y1, x1, y2);
    ligne(x1, y2, x2, y2);
    ligne(x2, y2, x2, y1);
    ligne(x2, y1, x1, y1);
}

void DocumentPdf::rectangle_plein(double gauche, double haut, double droite, double bas)
{
    if (!m_page_ouverte)
        return;
    ligne_objet({Nombre(gauche), " ", Nombre(m_hauteur - bas), " ", Nombre(droite - gauche), " ",
        Nombre(bas - haut), " re f"});
}

void DocumentPdf::couleur_remplissage(int r, int g, int b)
{
    if (m_page_ouverte)
        ligne_objet({composantes()[std::clamp(r, 0, 255)], " ", composantes()[std::clamp(g, 0, 255)], " ",
            composantes()[std::clamp(b, 0, 255)], " rg"});
}

void DocumentPdf::couleur_trait(int r, int g, int b)
{
    if (m_page_ouverte)
        ligne_objet({composantes()[std::clamp(r, 0, 255)], " ", composantes()[std::clamp(g, 0, 255)], " ",
            composantes()[std::clamp(b, 0, 255)], " RG"});
}

void DocumentPdf::texte(int x, int y, const QString& texte)
{
    if (!m_page_ouverte)
        return;
    ligne_objet({"BT"});
    ligne_objet({"/F", Chiffres(m_police + 1), " ", Chiffres(m_taille), " Tf"});
    ligne_objet({Chiffres(x), " ", Chiffres(static_cast<qint64>(m_hauteur) - y), " Td"});
    m_texte.resize(0);
    ajoute_chaine_pdf(m_texte, texte);
    ligne_objet({"(", m_texte, ") Tj"});
    ligne_objet({"ET"});
}
