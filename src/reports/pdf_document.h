#pragma once

#include "core/horloge.h"
#include "storage/fichier_texte.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <initializer_list>

// A small PDF 1.4 writer: standard Type 1 fonts, no compression, lines, rectangles, colours and one-line
// texts. Coordinates are top-down (origin at the top-left corner); every y is written as H - y.
// Order of calls: page size, file name and information; BeginDoc; draw; NewPage; draw; EndDoc.
class DocumentPdf
{
public:
    static constexpr int nombre_polices = 14;
    static const char* police_de_base(int index); // "Helvetica" … "ZapfDingbats"

    explicit DocumentPdf(const Horloge& horloge);

    struct Informations
    {
        QString titre;
        QString auteur = QStringLiteral("Tabrix");
        QString createur = QStringLiteral("Tabrix");
        QString producteur = QStringLiteral("Tabrix");
        QString sujet;
        QString mots_cles;
    };

    // --- Settings, read when BeginDoc and EndDoc write them ---
    void fixe_page(int largeur, int hauteur);
    int largeur() const { return m_largeur; }
    int hauteur() const { return m_hauteur; }
    void fixe_nom_fichier(const QString& chemin) { m_nom_fichier = chemin; }
    Informations& informations() { return m_informations; }

    // The document's bytes handed to `ecris` in pieces of about a megabyte as they are made, instead of being
    // kept whole for octets(): set before BeginDoc, for a long document written by ecrit_par_morceaux.
    void ecrit_au_fil(EcritMorceau ecris);

    void BeginDoc();
    void NewPage(); // begins the document first when it is not begun
    // Closes the document: its bytes are then all in octets(), or all handed over when written as they
    // come. False when no document was begun or a piece could not be written.
    bool termine();
    // Closes the document and replaces the file with it; a failed write leaves the old file untouched.
    Ecriture EndDoc();

    // --- Current font and pen, between drawing calls ---
    void fixe_police(int index); // 0 to 13; other values keep the current font
    void fixe_taille(int taille); // points
    void fixe_epaisseur(int epaisseur);
    int police() const { return m_police; }
    int taille() const { return m_taille; }

    // --- Drawing on the current page (nothing is drawn while no page is open) ---
    void ligne(int x1, int y1, int x2, int y2);
    void rectangle(int x1, int y1, int x2, int y2);
    void rectangle_plein(double gauche, double haut, double droite, double bas);
    void couleur_remplissage(int r, int g, int b);
    void couleur_trait(int r, int g, int b);
    // (x, y) starts the baseline.
    void texte(int x, int y, const QString& texte);

    // The content drawn on the current page, taken out (the page is then closed), and content drawn elsewhere
    // added to it: the pages of a long document can be drawn apart on every core, each on a document of the
    // same page size whose page is opened apart (no document is begun, only its page is taken), then added
    // in order. `tampon`: where to draw, all its room used at once, such as the buffer of a page taken
    // before.
    void ouvre_page_a_part(QByteArray tampon = {});
    QByteArray prend_flux_page();
    void ajoute_au_flux(QByteArrayView flux);

    // --- Results ---
    // The whole file once EndDoc has run; written as they come, what is not handed over yet.
    const QByteArray& octets() const { return m_sortie; }
    int nombre_pages() const { return m_nombre_pages; }
    bool page_ouverte() const { return m_page_ouverte; }

    // Helpers shared with the tests: the colour component and the PDF literal string of a text.
    static QByteArray composante(int c);
    static QByteArray chaine_pdf(const QString& texte);

private:
    // One line of the current object from its pieces, appended in place.
    void ligne_objet(std::initializer_list<QByteArrayView> morceaux);
    static void ajoute_chaine_pdf(QByteArray& sortie, const QString& texte);
    char* place_objet(qsizetype n); // n more bytes at the end of the current object, to be written
    void debut_objet(int numero);
    void fin_objet();
    void donne_sortie(); // hands the bytes made so far over, when written as they come
    qint64 position() const { return m_donnes + m_sortie.size(); }
    void ouvre_page();
    void ferme_page();

    const Horloge& m_horloge;
    int m_largeur = 612;
    int m_hauteur = 792;
    QString m_nom_fichier;
    Informations m_informations;
    int m_police = 4;
    int m_taille = 12;
    int m_epaisseur = 1;

    QByteArray m_sortie;
    EcritMorceau m_ecris; // empty: the whole file stays in m_sortie
    qint64 m_donnes = 0; // bytes already handed to m_ecris
    bool m_refuse = false; // m_ecris refused a piece: the document is lost
    QByteArray m_objet; // its first m_taille_objet bytes are the object being composed
    qsizetype m_taille_objet = 0;
    QByteArray m_texte; // the string of the text being written, kept between calls
    int m_numero_objet = 0;
    int m_nombre_pages = 0;
    QList<qint64> m_decalages;
    QList<int> m_objets_contenus;
    QList<int> m_objets_polices;
    int m_objet_pages = 0;
    int m_objet_ressources = 0;
    int m_objet_plan = 0;
    int m_objet_catalogue = 0;
    int m_debut_flux = 0;
    int m_nombre_images = 0;
    bool m_page_ouverte = false;
};
