#include "settings/parametres_generaux.h"

#include "core/faits.h"
#include "storage/configuration.h"
#include "storage/taille_affichage.h"

#include <algorithm>
#include <climits>

namespace {

int lit_borne(const FichierIni& ini, const QString& section, const QString& cle, BornesEntier b)
{
    const int v = ini.lit_entier(section, cle, INT_MIN);
    return v == INT_MIN ? b.defaut : std::clamp(v, b.min, b.max);
}

QString oui_non(bool oui)
{
    return oui ? QStringLiteral("oui") : QStringLiteral("non");
}

QVector<int> de_a(int premiere, int derniere)
{
    QVector<int> t;
    for (int n = premiere; n <= derniere; ++n)
        t.append(n);
    return t;
}

// The family's boxes as they are saved: none ticked means its default; the value found in the file is
// written back unchanged while it still names exactly the ticked tables (a compact list stays one).
QString objectifs_a_ecrire(
    QVector<int>& cochees, const QString& lus, int premiere, int derniere, const QVector<int>& par_defaut)
{
    if (cochees.isEmpty())
        cochees = par_defaut;
    if (!lus.isEmpty() && tables_cochees(lus, premiere, derniere) == cochees)
        return lus;
    return noms_des_tables(cochees);
}

struct Analyse
{
    QVector<int> motif; // every number but the last
    int base = 0;
    QString refus;
};

Analyse analyse_formule(const QString& formule)
{
    Analyse a;
    const QString texte = formule.trimmed();
    if (texte.isEmpty()) {
        a.refus = QStringLiteral("La formule est vide.");
        return a;
    }
    if (texte.size() > longueur_formule_maximum) {
        a.refus = QStringLiteral("La formule a plus de %1 caractères.").arg(longueur_formule_maximum);
        return a;
    }
    const QStringList parties = texte.split(QLatin1Char('.'));
    QVector<int> nombres;
    for (const QString& p : parties) {
        bool ok = false;
        const int n = p.trimmed().toInt(&ok);
        if (!ok || n < 1) {
            a.refus = p.trimmed().isEmpty()
                ? QStringLiteral("Il manque un nombre entre deux points.")
                : QStringLiteral("« %1 » n'est pas un nombre entier positif.").arg(p.trimmed());
            return a;
        }
        nombres.append(n);
    }
    if (nombres.size() < 2) {
        a.refus = QStringLiteral("Il faut au moins deux nombres séparés par des points, comme 1.1.2.");
        return a;
    }
    a.base = nombres.takeLast();
    a.motif = nombres;
    if (a.base < 2) {
        a.refus = QStringLiteral("Le dernier nombre (la base) doit valoir au moins 2.");
        return a;
    }
    int introduits = 0;
    for (int i = 0; i < a.motif.size(); ++i) {
        const int w = a.motif[i];
        if (w == 1) {
            ++introduits;
        } else if (w > introduits) {
            const QString presentes = introduits == 0 ? QStringLiteral("qu'aucun n'a encore été présenté")
                : introduits == 1                     ? QStringLiteral("que 1 seulement a été présenté")
                                  : QStringLiteral("que %1 seulement ont été présentés").arg(introduits);
            a.refus = QStringLiteral("L'étape %1 révise %2 blocs alors %3.").arg(i + 1).arg(w).arg(presentes);
            return a;
        }
    }
    if (introduits != a.base)
        a.refus = QStringLiteral("Les étapes présentent %1 bloc%2 alors que la base en annonce %3.")
                      .arg(introduits)
                      .arg(introduits > 1 ? QStringLiteral("s") : QString())
                      .arg(a.base);
    return a;
}

} // namespace

ParametresGeneraux lit_parametres(const FichierIni& ini)
{
    ParametresGeneraux p;
    p.temps_acceptable = lit_borne(ini, cles::parametres, cles::temps_acceptable, bornes::temps_acceptable);
    p.temps_maximum = lit_borne(ini, cles::parametres, cles::temps_maximum, bornes::temps_maximum);
    p.temps_initial = lit_borne(ini, cles::perfectionnement, cles::temps_initial, bornes::temps_initial);
    p.temps_final = lit_borne(ini, cles::perfectionnement, cles::temps_final, bornes::temps_final);
    p.ordre_valeur_produit = QString::compare(ini.lit_texte(cles::options_apprentissage, cles::ordre_items),
                                 QLatin1String("valeur produit"), Qt::CaseInsensitive)
        == 0;
    p.items_par_bloc
        = lit_borne(ini, cles::apprentissage_blocs, cles::items_par_bloc, bornes::items_par_bloc);
    if (ini.contient(cles::apprentissage_blocs, cles::formule)) {
        p.formule = ini.lit_texte(cles::apprentissage_blocs, cles::formule);
        p.formule_lue = p.formule;
    }
    p.apprentissage_obligatoire
        = vaut_oui(ini.lit_texte(cles::perfectionnement, cles::apprentissage_obligatoire));
    p.chrono_visible = vaut_oui(ini.lit_texte(cles::apparence, cles::chrono_visible));
    p.pause_visible = vaut_oui(ini.lit_texte(cles::apparence, cles::pause_visible));
    p.masquer_incomplets = vaut_oui(ini.lit_texte(cles::apparence, cles::masquer_incomplets));
    p.configuration_personnelle = vaut_oui(ini.lit_texte(cles::general, cles::configuration_personnelle));

    p.mode_ecole = ini.lit_texte(cles::general, cles::mode) == QLatin1String("Ecole");
    p.affichage
        = taille_affichage::normalise(ini.lit_texte(cles::apparence, taille_affichage::cle, QString()));
    p.objectifs_etendus = false;
    p.objectifs_classiques_lus
        = ini.lit_texte(cles::parametres, cles::objectifs_classiques_defaut, QString());
    p.objectifs_etendus_lus = ini.lit_texte(cles::parametres, cles::objectifs_etendus_defaut, QString());
    p.tables_classiques = tables_cochees(p.objectifs_classiques_lus, 2, 9);
    if (p.tables_classiques.isEmpty())
        p.tables_classiques = de_a(2, 9);
    p.tables_etendues = tables_cochees(p.objectifs_etendus_lus, 11, 19);
    if (p.tables_etendues.isEmpty())
        p.tables_etendues = {11};
    return p;
}

void ecrit_parametres_communs(FichierIni& ini, const ParametresGeneraux& p)
{
    ini.ecrit_entier(cles::parametres, cles::temps_acceptable, p.temps_acceptable);
    ini.ecrit_entier(cles::parametres, cles::temps_maximum, p.temps_maximum);
    ini.ecrit_entier(cles::perfectionnement, cles::temps_initial, p.temps_initial);
    ini.ecrit_entier(cles::perfectionnement, cles::temps_final, p.temps_final);
    ini.ecrit_texte(cles::options_apprentissage, cles::ordre_items,
        p.ordre_valeur_produit ? QStringLiteral("valeur produit") : QStringLiteral("par tables"));
    ini.ecrit_entier(cles::apprentissage_blocs, cles::items_par_bloc, p.items_par_bloc);
    ini.ecrit_texte(cles::apprentissage_blocs, cles::formule, p.formule);
    ini.ecrit_texte(
        cles::perfectionnement, cles::apprentissage_obligatoire, oui_non(p.apprentissage_obligatoire));
    ini.ecrit_texte(cles::apparence, cles::chrono_visible, oui_non(p.chrono_visible));
    ini.ecrit_texte(cles::apparence, cles::pause_visible, oui_non(p.pause_visible));
    ini.ecrit_texte(cles::apparence, cles::masquer_incomplets, oui_non(p.masquer_incomplets));
    ini.ecrit_texte(cles::general, cles::configuration_personnelle, oui_non(p.configuration_personnelle));
}

void ecrit_reglages(FichierIni& ini, ParametresGeneraux& p)
{
    ecrit_parametres_communs(ini, p);
    if (p.objectifs_etendus)
        ini.ecrit_texte(cles::parametres, cles::objectifs_etendus_defaut,
            objectifs_a_ecrire(p.tables_etendues, p.objectifs_etendus_lus, 11, 19, {11}));
    else
        ini.ecrit_texte(cles::parametres, cles::objectifs_classiques_defaut,
            objectifs_a_ecrire(p.tables_classiques, p.objectifs_classiques_lus, 2, 9, de_a(2, 9)));
    ini.ecrit_texte(
        cles::general, cles::mode, p.mode_ecole ? QStringLiteral("Ecole") : QStringLiteral("Maison"));
    ini.ecrit_texte(cles::apparence, taille_affichage::cle, taille_affichage::normalise(p.affichage));
}

QVector<int> tables_cochees(const QString& objectifs, int premiere, int derniere)
{
    QVector<int> t;
    const QString noms = tables_des_produits(garde_produits_connus(produits_des_objectifs(objectifs)));
    for (const QString& nom : noms.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int n = numero_table(nom);
        if (n >= premiere && n <= derniere && !t.contains(n))
            t.append(n);
    }
    std::sort(t.begin(), t.end());
    return t;
}

QString noms_des_tables(const QVector<int>& numeros)
{
    QStringList noms;
    for (const int n : numeros)
        noms.append(nom_table(n));
    return noms.join(QLatin1Char(','));
}

QString refus_formule(const QString& formule)
{
    if (formule_utilisable(formule))
        return {};
    const Analyse a = analyse_formule(formule);
    return a.refus.isEmpty() ? QStringLiteral("Cette formule ne donne pas un plan d'apprentissage complet.")
                             : a.refus;
}

QString refus_formule_a_enregistrer(const ParametresGeneraux& p)
{
    if (!p.formule_lue.isEmpty() && p.formule.trimmed() == p.formule_lue.trimmed())
        return {};
    return refus_formule(p.formule);
}

QString lecture_formule(const QString& formule)
{
    if (!refus_formule(formule).isEmpty())
        return {};
    const Analyse a = analyse_formule(formule);
    if (a.base > 26)
        return {};
    QString lettres; // blocks introduced so far
    QStringList etapes;
    for (const int w : a.motif) {
        if (w == 1)
            lettres += QChar(static_cast<char16_t>(u'A' + lettres.size()));
        etapes.append(w == 1 ? lettres.right(1) : lettres.right(w));
    }
    etapes.append(lettres);
    return etapes.join(QStringLiteral(", "));
}
