#include "teacher/regles_stats_eleves.h"

#include "core/faits.h"
#include "storage/dossiers.h"
#include "storage/index_historiques.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int longueur_libelle = 20;
const QChar tab = QLatin1Char('\t');

bool abscisse_groupe(const QString& abscisse)
{
    return abscisse == axes_stats::classe || abscisse == axes_stats::niveau;
}

bool abscisse_bande(const QString& abscisse)
{
    return abscisse == axes_stats::score || abscisse == axes_stats::rapidite;
}

struct Seau
{
    QString libelle;
    int somme = 0;
    int nombre = 0;
};

QString libelle_score(int seau)
{
    const int bas = (seau - 1) * 10;
    return seau == 10 ? QStringLiteral("90..100%") : QStringLiteral("%1..%2%").arg(bas).arg(bas + 9);
}

QString libelle_rapidite(int seau)
{
    if (seau > 10)
        return {};
    const int bas = (seau - 1) * 5;
    return QStringLiteral("%1..%2").arg(bas).arg(bas + 4);
}

// The value a tested pupil brings: his classic-table score, or his speed. nullopt for a score asked of a
// test without any classic product, which has none.
std::optional<int> valeur_eleve(const ParametresStats& p, const TestChoisi& test)
{
    if (p.abscisse == axes_stats::score || p.ordonnee == axes_stats::score) {
        // Expanded once for every pupil of the school.
        static const ObjectifsTables classiques(QStringLiteral("tables_classiques"));
        const int s = classiques.pourcentage(QStringView(test.ligne).mid(29), p.temps_acceptable);
        return s < 0 ? std::nullopt : std::optional<int>(s);
    }
    return vitesse_test(test.ligne);
}

int seau_de_bande(const QString& abscisse, int valeur)
{
    if (abscisse == axes_stats::score)
        return std::min(valeur / 10 + 1, 10);
    return std::clamp(valeur / 5 + 1, 1, seaux_rapidite_maximum);
}

} // namespace

bool axes_compatibles(const QString& abscisse, const QString& ordonnee)
{
    if (abscisse_groupe(abscisse))
        return ordonnee == axes_stats::score || ordonnee == axes_stats::rapidite;
    if (abscisse_bande(abscisse))
        return ordonnee == axes_stats::nb_eleves || ordonnee == axes_stats::pourcentage_eleves;
    return false;
}

QString titre_ordonnee(const QString& ordonnee)
{
    if (ordonnee == axes_stats::score)
        return QStringLiteral("Score");
    if (ordonnee == axes_stats::rapidite)
        return QStringLiteral("Rapidité (nb br/mn)");
    if (ordonnee == axes_stats::nb_eleves)
        return QStringLiteral("Nombre d'élèves");
    if (ordonnee == axes_stats::pourcentage_eleves)
        return QStringLiteral("Répartition (%)");
    return {};
}

int haut_echelle(int plus_grande)
{
    int puissance = 1;
    while (plus_grande / puissance >= 10)
        puissance *= 10;
    return (std::max(plus_grande, 0) / puissance + 1) * puissance;
}

namespace {

// Classes and levels get one bucket each, whatever their number; bands are bounded.
QVector<Seau> seaux_vides(const ParametresStats& p)
{
    QVector<Seau> seaux;
    if (p.abscisse == axes_stats::classe) {
        for (const Niveau& n : p.niveaux)
            for (const QString& c : n.classes)
                seaux.append({c.left(longueur_libelle)});
    } else if (p.abscisse == axes_stats::niveau) {
        for (const Niveau& n : p.niveaux)
            seaux.append({n.nom.left(longueur_libelle)});
    } else if (p.abscisse == axes_stats::score) {
        for (int s = 1; s <= 10; ++s)
            seaux.append({libelle_score(s)});
    } else {
        for (int s = 1; s <= seaux_rapidite_maximum; ++s)
            seaux.append({libelle_rapidite(s)});
    }
    return seaux;
}

// The bars drawn from the filled buckets: a mean per class or level, else a count (or share) per band up to
// the highest band reached.
QVector<QPair<QString, int>> barres_des_seaux(
    const ParametresStats& p, const QVector<Seau>& seaux, int seau_le_plus_haut, int nb_eleves)
{
    QVector<QPair<QString, int>> barres;
    if (abscisse_groupe(p.abscisse)) {
        for (const Seau& s : seaux)
            if (s.nombre > 0)
                barres.append({s.libelle, (s.somme + s.nombre / 2) / s.nombre});
        return barres;
    }
    const int retenus = p.abscisse == axes_stats::score ? 10 : seau_le_plus_haut;
    const bool pourcentage = p.ordonnee == axes_stats::pourcentage_eleves && nb_eleves > 0;
    for (int n = 0; n < retenus; ++n) {
        const int v = seaux[n].somme;
        barres.append({seaux[n].libelle, pourcentage ? (v * 200 + nb_eleves) / (2 * nb_eleves) : v});
    }
    return barres;
}

} // namespace

DonneesStats genere_donnees(const ParametresStats& p, IndexHistoriques* index)
{
    DonneesStats d;
    d.titre = titre_ordonnee(p.ordonnee) + QStringLiteral(" par ") + p.abscisse;
    const bool valides = axes_compatibles(p.abscisse, p.ordonnee);
    QVector<Seau> seaux = seaux_vides(p);
    int seau_le_plus_haut = 0;

    // Which histories to read; their values are added in the pupils' order.
    struct Eleve
    {
        int niveau;
        int rang;
    };
    QVector<Eleve> eleves;
    QVector<DemandeTest> demandes;
    int rang_classe = 0;
    for (int i = 0; i < p.niveaux.size(); ++i) {
        const QString objectifs = p.objectifs.du_niveau(p.niveaux[i].nom);
        for (const QString& classe : p.niveaux[i].classes) {
            const int rang = rang_classe++;
            if (rang < p.classes_cochees.size() && !p.classes_cochees[rang])
                continue;
            const QStringList raccourcis
                = fichiers_du_dossier(p.dossier_annee + QLatin1Char('/') + classe, QStringLiteral("*.lnk"));
            d.nb_eleves += int(raccourcis.size());
            if (!valides)
                continue;
            for (const QString& raccourci : raccourcis) {
                eleves.append({i, rang});
                demandes.append({p.dossier_etablissement + QLatin1Char('/')
                        + raccourci.left(raccourci.size() - 4) + QStringLiteral(".txt"),
                    {p.mode, p.date, p.masquer_incomplets, objectifs}});
            }
        }
    }
    const QVector<TestLu> lus = lit_tests_choisis(demandes, index);
    for (int n = 0; n < lus.size(); ++n) {
        const Eleve& e = eleves[n];
        if (lus[n].etat == TestLu::illisible)
            d.illisibles << demandes[n].chemin;
        const TestChoisi& test = lus[n].test;
        if (!test.trouve())
            continue;
        const std::optional<int> valeur = valeur_eleve(p, test);
        if (!valeur)
            continue;
        if (abscisse_groupe(p.abscisse)) {
            Seau& s = seaux[p.abscisse == axes_stats::classe ? e.rang : e.niveau];
            s.somme += *valeur;
            ++s.nombre;
        } else {
            const int b = seau_de_bande(p.abscisse, *valeur);
            ++seaux[b - 1].somme;
            seau_le_plus_haut = std::max(seau_le_plus_haut, b);
        }
    }

    if (valides)
        d.barres = barres_des_seaux(p, seaux, seau_le_plus_haut, d.nb_eleves);

    int plus_grande = 0;
    for (const auto& b : d.barres)
        plus_grande = std::max(plus_grande, b.second);
    d.haut = p.ordonnee == axes_stats::score ? 100 : haut_echelle(plus_grande);
    return d;
}

QString DonneesStats::texte() const
{
    QStringList champs {titre, QString::number(haut), texte_eleves()};
    for (const auto& b : barres)
        champs << b.first << QString::number(b.second);
    return champs.join(tab);
}

QStringList DonneesStats::lignes_csv() const
{
    const auto champ = [](QString t) {
        if (!t.contains(QLatin1Char(';')) && !t.contains(QLatin1Char('"')))
            return t;
        return QLatin1Char('"') + t.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    };
    const int par = titre.indexOf(QStringLiteral(" par "));
    const QString ordonnee = par < 0 ? titre : titre.left(par);
    const QString abscisse = par < 0 ? QString() : titre.mid(par + 5);
    QStringList lignes {champ(abscisse) + QLatin1Char(';') + champ(ordonnee)};
    for (const auto& b : barres)
        lignes << champ(b.first) + QLatin1Char(';') + QString::number(b.second);
    lignes << champ(texte_eleves()) + QLatin1Char(';');
    return lignes;
}

std::optional<DonneesStats> lit_donnees_stats(const QString& texte)
{
    const QStringList champs = texte.split(tab);
    if (champs.size() < 3 || champs.size() % 2 == 0)
        return std::nullopt;
    DonneesStats d;
    bool ok = false;
    d.titre = champs[0];
    d.haut = champs[1].toInt(&ok);
    if (!ok || d.haut <= 0)
        return std::nullopt;
    d.nb_eleves = champs[2].section(QLatin1Char(' '), 0, 0).toInt(&ok);
    if (!ok)
        return std::nullopt;
    for (int k = 3; k + 1 < champs.size(); k += 2) {
        const int v = champs[k + 1].toInt(&ok);
        if (!ok)
            return std::nullopt;
        d.barres.append({champs[k], v});
    }
    return d;
}
