#include "faits.h"
#include "faits_interne.h"

#include <QHash>
#include <QSet>
#include <QVector>

using namespace faits_interne;

namespace {

QString code_produit(int a, int b)
{
    return zeros_devant(a, 2) + zeros_devant(b, 2);
}

// Product lists of every table, built once: index 2…19 by number, 20 for "tables_etendues".
struct Catalogue
{
    QVector<QStringList> listes;
    QVector<QString> textes;
    QHash<QString, int> numeros;

    Catalogue()
        : listes(21)
        , textes(21)
    {
        for (int n = 2; n <= 9; ++n) {
            for (int b = 2; b <= 9; ++b)
                listes[n] << code_produit(n, b);
            listes[10] << listes[n];
        }
        for (int n = 11; n <= 19; ++n)
            listes[11] << code_produit(n, n);
        listes[20] << listes[11];
        for (int n = 12; n <= 19; ++n) {
            for (int a = 2; a < n; ++a) {
                if (a != 10)
                    listes[n] << code_produit(a, n);
            }
            listes[20] << listes[n];
        }
        for (int n = 2; n <= 20; ++n)
            textes[n] = listes[n].join(u',');
        for (int n = 2; n <= 19; ++n)
            numeros.insert(nom_table(n), n);
        numeros.insert(QStringLiteral("tables_etendues"), 20);
    }

    int indice(const QString& nom) const { return numeros.value(nom, -1); }
};

const Catalogue& catalogue()
{
    static const Catalogue c;
    return c;
}

// Second factors of one group "7x<2-9>" or "8x<2-3,5>"; false when the group is not of that form.
bool lit_groupe(QStringView groupe, QStringList& codes)
{
    groupe = groupe.trimmed();
    const qsizetype x = groupe.indexOf(u'x', 0, Qt::CaseInsensitive);
    if (x <= 0 || x + 1 >= groupe.size() || groupe[x + 1] != u'<')
        return false;
    const qsizetype fin = groupe.indexOf(u'>', x + 2);
    const int f = lit_nombre(groupe.left(x).trimmed());
    if (fin < 0 || !facteur_valide(f))
        return false;
    const QStringView plages = groupe.mid(x + 2, fin - x - 2);
    for (QStringView plage : plages.split(u',')) {
        plage = plage.trimmed();
        const qsizetype tiret = plage.indexOf(u'-');
        int debut, dernier;
        if (tiret < 0) {
            debut = dernier = lit_nombre(plage);
        } else {
            debut = lit_nombre(plage.left(tiret).trimmed());
            dernier = lit_nombre(plage.mid(tiret + 1).trimmed());
        }
        if (debut < 0 || dernier < 0)
            continue;
        // Factors outside the model (1, 10, beyond 19) would make products no table holds.
        for (int s = qMax(debut, 2); s <= qMin(dernier, 19); ++s) {
            if (facteur_valide(s))
                codes << code_produit(f, s);
        }
    }
    return true;
}

} // namespace

QString nom_table(int numero)
{
    if (numero == 10)
        return QStringLiteral("tables_classiques");
    if (numero == 11)
        return QStringLiteral("table_carres");
    if ((numero >= 2 && numero <= 9) || (numero >= 12 && numero <= 19))
        return QStringLiteral("table_") + QString::number(numero);
    return {};
}

int numero_table(const QString& nom)
{
    const int i = catalogue().indice(nom);
    return i >= 2 && i <= 19 ? i : -1;
}

QString produits_de_table(const QString& nom)
{
    const int i = catalogue().indice(nom);
    return i < 0 ? QString() : catalogue().textes[i];
}

QString produits_de_table(int numero)
{
    return numero >= 2 && numero <= 19 ? catalogue().textes[numero] : QString();
}

int taille_table(const QString& nom)
{
    const int i = catalogue().indice(nom);
    return i >= 2 && i <= 19 ? int(catalogue().listes[i].size()) : -1;
}

QString table_du_produit(const QString& code)
{
    const int a = premier_facteur(code);
    const int b = second_facteur(code);
    if (!facteur_valide(a) || !facteur_valide(b))
        return {};
    const int m = qMax(a, b);
    if (m < 10)
        return nom_table(a);
    return a == b ? QStringLiteral("table_carres") : nom_table(m);
}

QString tables_des_produits(const QStringList& codes)
{
    QStringList noms;
    QSet<QString> vus;
    for (const QString& code : codes) {
        const QString nom = table_du_produit(code);
        if (!nom.isEmpty() && !vus.contains(nom)) {
            vus.insert(nom);
            noms << nom;
        }
    }
    return noms.join(u',');
}

QStringList produits_des_tables(const QString& noms_tables)
{
    QStringList produits;
    for (QStringView nom : QStringView(noms_tables).split(u',')) {
        const int i = catalogue().indice(nom.trimmed().toString());
        if (i >= 0)
            produits << catalogue().listes[i];
    }
    return produits;
}

QString valeur_produit(const QString& code)
{
    const int a = premier_facteur(code);
    const int b = second_facteur(code);
    return a < 0 || b < 0 ? QString() : QString::number(a * b);
}

QString valeur_produit_4(const QString& code)
{
    const int a = premier_facteur(code);
    const int b = second_facteur(code);
    return a < 0 || b < 0 ? QString() : zeros_devant(a * b, 4);
}

QString produit_commute(const QString& code)
{
    if (code.size() < 4)
        return code;
    return code.mid(2, 2) + code.left(2);
}

QString liste_compacte(const QStringList& codes)
{
    QStringList groupes;
    int f = -1;
    QStringList plages;
    int debut = -1, dernier = -1;
    auto ferme_plage = [&] {
        if (debut < 0)
            return;
        plages << (dernier > debut ? QString::number(debut) + u'-' + QString::number(dernier)
                                   : QString::number(debut));
        debut = dernier = -1;
    };
    auto ferme_groupe = [&] {
        ferme_plage();
        if (f >= 0 && !plages.isEmpty())
            groupes << QString::number(f) + QStringLiteral("x<") + plages.join(u',') + u'>';
        plages.clear();
    };
    for (const QString& code : codes) {
        const int a = premier_facteur(code);
        const int b = second_facteur(code);
        if (a < 0 || b < 0)
            continue;
        if (a != f) {
            ferme_groupe();
            f = a;
        }
        if (debut >= 0 && b == dernier + 1) {
            dernier = b;
        } else {
            ferme_plage();
            debut = dernier = b;
        }
    }
    ferme_groupe();
    return groupes.join(u',');
}

QStringList lit_liste_compacte(const QString& texte)
{
    QStringList codes;
    int profondeur = 0;
    qsizetype debut = 0;
    for (qsizetype i = 0; i <= texte.size(); ++i) {
        const QChar c = i < texte.size() ? texte[i] : QChar(u',');
        if (c == u'<')
            ++profondeur;
        else if (c == u'>')
            profondeur = qMax(0, profondeur - 1);
        else if (c == u',' && profondeur == 0) {
            lit_groupe(QStringView(texte).mid(debut, i - debut), codes);
            debut = i + 1;
        }
    }
    return codes;
}

QStringList produits_des_objectifs(const QString& texte)
{
    return texte.contains(QStringLiteral("table")) ? produits_des_tables(texte) : lit_liste_compacte(texte);
}
