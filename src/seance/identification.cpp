#include "seance/identification.h"

#include "core/faits.h"
#include "storage/fichier_texte.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

const QChar espace_insecable(0xA0);

bool entre(unsigned char o, int bas, int haut)
{
    return o >= bas && o <= haut;
}

bool lettre_ascii(unsigned char o)
{
    return entre(o, 'A', 'Z') || entre(o, 'a', 'z');
}

// Letters compared by noms_semblables and kept around spaces by nettoie_espaces.
bool lettre_comparaison(unsigned char o)
{
    return lettre_ascii(o) || entre(o, 192, 214) || entre(o, 216, 221) || entre(o, 224, 239)
        || entre(o, 241, 246) || entre(o, 248, 253) || o == 255;
}

// Letters a typed name may hold.
bool lettre_nom(unsigned char o)
{
    return lettre_comparaison(o) || o == 138 || o == 140 || o == 154 || o == 156 || o == 159;
}

bool majuscule(unsigned char o)
{
    return entre(o, 'A', 'Z') || o == 138 || o == 140 || o == 159 || entre(o, 192, 214) || entre(o, 216, 221);
}

bool minuscule(unsigned char o)
{
    return entre(o, 'a', 'z') || o == 154 || o == 156 || entre(o, 224, 246) || entre(o, 248, 253) || o == 255;
}

bool separateur_mot(QChar c)
{
    return c == u' ' || c == u'-' || c == u'_';
}

QStringList mots(const QString& partie)
{
    QStringList resultat;
    QString mot;
    for (QChar c : partie) {
        if (lettre_comparaison(octet_cp1252(c))) {
            mot += c;
        } else if (!mot.isEmpty()) {
            resultat.append(mot);
            mot.clear();
        }
    }
    if (!mot.isEmpty())
        resultat.append(mot);
    return resultat;
}

// Every order of the words, then every ordered pair and every single word (three words at most).
QStringList arrangements(const QStringList& m)
{
    switch (m.size()) {
    case 1:
        return {m[0]};
    case 2:
        return {m[0] + m[1], m[1] + m[0], m[0], m[1]};
    case 3: {
        QStringList r;
        const int ordres[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
        for (const auto& o : ordres)
            r.append(m[o[0]] + m[o[1]] + m[o[2]]);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                if (i != j)
                    r.append(m[i] + m[j]);
            }
        }
        r.append(m);
        return r;
    }
    default:
        return {};
    }
}

} // namespace

QString code_de_produit(int h)
{
    int r = h % nombre_codes_plus_un - 1;
    const int d4 = r % 26;
    r /= 26;
    const int d3 = r % 10;
    r /= 10;
    const int d2 = r % 26;
    const int d1 = r / 26;
    QString code;
    code += QChar(u'a' + d1);
    code += QChar(u'a' + d2);
    code += QChar(u'0' + d3);
    code += QChar(u'a' + d4);
    return code;
}

QString code_de_nom(const QString& nom_fichier)
{
    int h = 1;
    for (QChar c : nom_fichier)
        h = (h * static_cast<int>(octet_cp1252(c))) % cle_code_eleve;
    return code_de_produit(h);
}

QString elimine_caracteres_interdits_code(const QString& texte)
{
    QString resultat;
    for (QChar c : texte) {
        const unsigned char o = c.unicode() < 128 ? static_cast<unsigned char>(c.unicode()) : 0;
        const bool convient
            = resultat.size() == 2 ? (lettre_ascii(o) || entre(o, '0', '9')) : lettre_ascii(o);
        if (convient && resultat.size() < 4)
            resultat += c;
    }
    return resultat;
}

QString elimine_caracteres_interdits_nom_prenom(const QString& texte)
{
    QString resultat;
    for (QChar c : texte) {
        if (lettre_nom(octet_cp1252(c))) {
            resultat += c;
        } else if ((c == u' ' || c == u'-') && !resultat.isEmpty() && resultat.back() != u' '
            && resultat.back() != u'-') {
            resultat += c;
        }
    }
    return resultat;
}

QString rectifie_majuscules(const QString& texte)
{
    QString resultat = texte;
    for (qsizetype i = 1; i < resultat.size(); ++i) {
        const unsigned char o = octet_cp1252(resultat[i]);
        const bool apres_separateur = separateur_mot(resultat[i - 1]);
        if (majuscule(o) && !apres_separateur)
            resultat[i] = resultat[i].toLower();
        else if (minuscule(o) && apres_separateur)
            resultat[i] = resultat[i].toUpper();
    }
    return resultat;
}

QString nettoie_espaces(const QString& nom_fichier)
{
    QString resultat;
    const qsizetype n = nom_fichier.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = nom_fichier[i];
        if (c == u' ') {
            const bool garde = i > 0 && i < n - 1 && lettre_nom(octet_cp1252(nom_fichier[i - 1]))
                && lettre_nom(octet_cp1252(nom_fichier[i + 1]));
            if (!garde)
                continue;
        }
        resultat += c;
    }
    return resultat;
}

int distance_noms(const QString& x, const QString& y)
{
    const QByteArray a = vers_cp1252(x);
    const QByteArray b = vers_cp1252(y);
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    if (n == 0)
        return static_cast<int>(m);
    if (m == 0)
        return static_cast<int>(n);
    std::vector<int> d((n + 1) * (m + 1));
    auto D = [&](qsizetype i, qsizetype j) -> int& { return d[i * (m + 1) + j]; };
    for (qsizetype i = 0; i <= n; ++i)
        D(i, 0) = static_cast<int>(i);
    for (qsizetype j = 0; j <= m; ++j)
        D(0, j) = static_cast<int>(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            if (a[i - 1] == b[j - 1])
                D(i, j) = D(i - 1, j - 1);
            else if (i >= 2 && j >= 2 && a[i - 2] == b[j - 1] && a[i - 1] == b[j - 2])
                D(i, j) = 1 + std::min({D(i - 2, j - 2), D(i - 1, j), D(i, j - 1)});
            else
                D(i, j) = 1 + std::min({D(i - 1, j - 1), D(i - 1, j), D(i, j - 1)});
        }
    }
    return D(n, m);
}

bool noms_semblables(const QString& a, const QString& b)
{
    const QString pa = sans_accents(a.toLower());
    QString pb;
    for (QChar c : sans_accents(b.toLower())) {
        if (lettre_comparaison(octet_cp1252(c)))
            pb += c;
    }
    const qsizetype souligne = pa.indexOf(u'_');
    const QString famille = souligne < 0 ? pa : pa.left(souligne);
    const QString prenom = souligne < 0 ? QString() : pa.mid(souligne + 1);
    const QStringList noms = arrangements(mots(famille));
    const QStringList prenoms = arrangements(mots(prenom));
    for (const QString& f : noms) {
        for (const QString& p : prenoms) {
            // Lengths more than two apart cannot be two edits apart: skip the table.
            if (std::abs(f.size() + p.size() - pb.size()) > 2)
                continue;
            if (distance_noms(f + p, pb) <= 2 || distance_noms(p + f, pb) <= 2)
                return true;
        }
    }
    return false;
}

SaisieFiltree filtre_saisie_code(const QString& texte, int curseur)
{
    SaisieFiltree s;
    s.texte = elimine_caracteres_interdits_code(texte).toLower();
    s.change = s.texte != texte;
    s.curseur = static_cast<int>(elimine_caracteres_interdits_code(texte.left(curseur)).size());
    return s;
}

SaisieFiltree filtre_saisie_nom(const QString& texte, int curseur)
{
    SaisieFiltree s;
    s.curseur = curseur;
    if (texte.isEmpty())
        return s;
    // Letters typed in decomposed form (e + combining accent) become the single letter of the name alphabet.
    QString t = elimine_caracteres_interdits_nom_prenom(texte.normalized(QString::NormalizationForm_C));
    if (!t.isEmpty())
        t[0] = t[0].toUpper();
    if (t.size() > 1)
        t = rectifie_majuscules(t);
    s.texte = t;
    s.change = t != texte;
    s.curseur = static_cast<int>(std::min(
        elimine_caracteres_interdits_nom_prenom(texte.left(curseur).normalized(QString::NormalizationForm_C))
            .size(),
        t.size()));
    return s;
}

bool inscription_possible(const QString& nom, const QString& prenom)
{
    return nom.size() > 1 && prenom.size() > 1;
}

QString forme_affichee(const QString& nom_fichier_avec_extension)
{
    QString forme
        = nom_fichier_avec_extension.chopped(std::min<qsizetype>(4, nom_fichier_avec_extension.size()));
    const qsizetype i = forme.indexOf(u'_');
    if (i >= 0)
        forme[i] = espace_insecable;
    return forme;
}

QString nom_de_forme_affichee(const QString& forme)
{
    QString nom = forme;
    const qsizetype i = nom.indexOf(espace_insecable);
    if (i >= 0)
        nom[i] = u'_';
    return nom;
}

bool nom_fichier_valide(const QString& nom_fichier)
{
    const qsizetype i = nom_fichier.indexOf(u'_');
    if (i <= 0 || i >= nom_fichier.size() - 1 || nom_fichier.startsWith(u'.'))
        return false;
    return std::none_of(nom_fichier.begin(), nom_fichier.end(),
        [](QChar c) { return c == u'/' || c == u'\\' || c == u':' || c.unicode() < 32; });
}

QVector<QStringList> colonnes_noms(const QStringList& formes, int par_colonne)
{
    QVector<QStringList> colonnes;
    for (qsizetype k = 0; k < formes.size(); ++k) {
        if (k % par_colonne == 0)
            colonnes.append(QStringList());
        colonnes.back().append(formes[k]);
    }
    return colonnes;
}

QString question_ancien_eleve(const QString& classe, int annees)
{
    const QString quand
        = annees == 1 ? QStringLiteral(" l'année dernière?") : QStringLiteral(" il y a %1 ans?").arg(annees);
    return QStringLiteral("Etais-tu en ") + classe + quand;
}
