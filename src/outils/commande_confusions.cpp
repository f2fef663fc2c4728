#include "outils/commande_confusions.h"
#include "outils/commande_options.h"
#include "outils/commande_sortie.h"

#include "storage/dossiers.h"
#include "storage/fichier_texte.h"
#include "teacher/statistiques_collecte.h"
#include "teacher/statistiques_produits.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

struct OptionsConfusions
{
    QString annee;
    QString historiques;
    QStringList classes;
    ChoixTest choix;
    QString objectifs = QStringLiteral("tables_classiques");
    ModeAffichage mode = ModeAffichage::pourcentage;
    std::optional<Categories> categories;
    TriConfusions tri = TriConfusions::frequence;
    int temps_acceptable = 4;
    bool csv = false;
    QString sortie;
    OptionsIndex index;
    bool aide = false;
};

const QStringList noms_modes {QStringLiteral("pourcentage"), QStringLiteral("nombre"),
    QStringLiteral("temps"), QStringLiteral("vitesse")};
const QStringList noms_categories {QStringLiteral("rapides"), QStringLiteral("lentes"),
    QStringLiteral("fausses"), QStringLiteral("sans-reponse")};
const QStringList noms_tris {
    QStringLiteral("frequence"), QStringLiteral("produit"), QStringLiteral("resultat")};
const QStringList textes_modes {QStringLiteral("pourcentage d'élèves"), QStringLiteral("nombre d'élèves"),
    QStringLiteral("temps moyen de réponse"), QStringLiteral("nombre moyen de bonnes réponses par mn")};
const QStringList textes_categories {QStringLiteral("bonnes réponses rapides"),
    QStringLiteral("bonnes réponses lentes"), QStringLiteral("réponses fausses"),
    QStringLiteral("pas de réponse")};

// The boxes the window ticks when its mode is chosen.
Categories categories_du_mode(ModeAffichage mode)
{
    switch (mode) {
    case ModeAffichage::temps_moyen:
        return {true, true, false, false};
    case ModeAffichage::vitesse:
        return {true, true, true, true};
    default:
        return {false, false, true, true};
    }
}

// "6,8" or "erreurs,lents": the categories of confusions to count.
std::optional<Categories> lit_categories(const QString& valeur, QString& erreur)
{
    Categories c {};
    for (const QString& nom : valeur.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype n = noms_categories.indexOf(nom.trimmed());
        if (n < 0) {
            erreur = QStringLiteral("catégorie inconnue : %1 (%2)")
                         .arg(nom, noms_categories.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        c[n] = true;
    }
    return c;
}

// The folders the options name exist, the classes are among the year's (all of them when none is named),
// and the output is not a file of the school.
bool verifie_dossiers(OptionsConfusions& o, QString& erreur)
{
    if (o.annee.isEmpty()) {
        erreur = QStringLiteral("le dossier de l'année scolaire manque (--annee DOSSIER)");
        return false;
    }
    if (!QFileInfo(o.annee).isDir()) {
        erreur = QStringLiteral("dossier de l'année scolaire introuvable : %1").arg(o.annee);
        return false;
    }
    const QStringList existantes = sous_dossiers(o.annee);
    for (const QString& c : std::as_const(o.classes)) {
        if (!existantes.contains(c)) {
            erreur = QStringLiteral("classe introuvable dans %1 : %2").arg(o.annee, c);
            return false;
        }
    }
    if (o.classes.isEmpty())
        o.classes = existantes;
    if (o.historiques.isEmpty())
        o.historiques = QFileInfo(QDir::cleanPath(o.annee)).path();
    if (!o.index.verifie(erreur))
        return false;
    if (o.sortie.isEmpty())
        return true;
    erreur = sortie_refusee(o.sortie, GenreSortie::texte, {{}, {o.historiques}});
    return erreur.isEmpty();
}

std::optional<OptionsConfusions> lit_options(const QStringList& args, QString& erreur)
{
    OptionsConfusions o;
    bool date_donnee = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("--aide")) {
            o.aide = true;
            return o;
        }
        if (a == QLatin1String("--csv")) {
            o.csv = true;
            continue;
        }
        if (a == QLatin1String("--masquer-incomplets")) {
            o.choix.masquer_incomplets = true;
            continue;
        }
        if (a == OptionsIndex::option_sans) {
            o.index.sans_index = true;
            continue;
        }
        const QStringList avec_valeur {QStringLiteral("--annee"), QStringLiteral("--historiques"),
            QStringLiteral("--classe"), QStringLiteral("--dernier-au"),
            QStringLiteral("--premier-a-partir-du"), QStringLiteral("--objectifs"), QStringLiteral("--mode"),
            QStringLiteral("--categories"), QStringLiteral("--tri"), QStringLiteral("--temps-acceptable"),
            QStringLiteral("-o"), QStringLiteral("--sortie"), OptionsIndex::option_dossier};
        if (!avec_valeur.contains(a)) {
            erreur = QStringLiteral("option ou argument inconnu : %1").arg(a);
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            erreur = QStringLiteral("l'option %1 attend une valeur").arg(a);
            return std::nullopt;
        }
        const QString v = args[++i];
        const auto choisit = [&](const QStringList& noms, auto& cible) {
            const qsizetype n = noms.indexOf(v);
            if (n < 0)
                erreur = QStringLiteral("valeur invalide pour %1 : %2 (%3)")
                             .arg(a, v, noms.join(QStringLiteral(", ")));
            else
                cible = std::remove_reference_t<decltype(cible)>(n);
            return n >= 0;
        };
        if (o.index.prend(a, v))
            continue;
        if (a == QLatin1String("--annee")) {
            o.annee = v;
        } else if (a == QLatin1String("--historiques")) {
            o.historiques = v;
        } else if (a == QLatin1String("--classe")) {
            o.classes << v;
        } else if (a == QLatin1String("--objectifs")) {
            o.objectifs = v;
        } else if (a == QLatin1String("--mode")) {
            if (!choisit(noms_modes, o.mode))
                return std::nullopt;
        } else if (a == QLatin1String("--tri")) {
            if (!choisit(noms_tris, o.tri))
                return std::nullopt;
        } else if (a == QLatin1String("--categories")) {
            const std::optional<Categories> c = lit_categories(v, erreur);
            if (!c)
                return std::nullopt;
            o.categories = *c;
        } else if (a == QLatin1String("--temps-acceptable")) {
            const std::optional<int> t = lit_temps_acceptable(v, erreur);
            if (!t)
                return std::nullopt;
            o.temps_acceptable = *t;
        } else if (a == QLatin1String("--dernier-au") || a == QLatin1String("--premier-a-partir-du")) {
            if (!lit_option_date(a, v, date_donnee, o.choix.date, o.choix.mode, erreur))
                return std::nullopt;
        } else {
            o.sortie = v;
        }
    }
    if (!verifie_dossiers(o, erreur))
        return std::nullopt;
    return o;
}

} // namespace

QString aide_confusions()
{
    return QStringLiteral(
               "Usage : tabrix-outils confusions --annee DOSSIER [--classe NOM]… [OPTIONS]\n"
               "\n"
               "Statistiques par produits des tables de 2 à 9 pour les élèves des classes choisies : une "
               "case\n"
               "par produit (une colonne par premier facteur, une ligne par second facteur), puis les "
               "résultats\n"
               "faux donnés le plus souvent (« confusions »), comme la page « Statistiques produits » de la "
               "console.\n"
               "\n"
               "Options :\n"
               "  --annee DOSSIER                dossier de l'année scolaire (un sous-dossier par classe)\n"
               "  --historiques DOSSIER          dossier des historiques (par défaut : le dossier parent de "
               "l'année)\n"
               "  --classe NOM                   une classe à compter (répétable ; par défaut : toutes)\n"
               "  --dernier-au JJ/MM/AAAA        le premier test du dernier jour testé jusqu'à cette date\n"
               "                                 (par défaut : jusqu'à aujourd'hui)\n"
               "  --premier-a-partir-du JJ/MM/AAAA\n"
               "                                 le premier test du premier jour testé à partir de cette "
               "date\n"
               "  --masquer-incomplets           ignore les tests qui n'ont pas tous les produits des "
               "objectifs\n"
               "  --objectifs TABLES             objectifs de ce contrôle (par défaut : tables_classiques)\n"
               "  --mode M                       pourcentage (par défaut), nombre, temps ou vitesse\n"
               "  --categories C,…               rapides, lentes, fausses, sans-reponse (par défaut : celles "
               "que\n"
               "                                 la fenêtre coche pour le mode)\n"
               "  --tri T                        frequence (par défaut), produit ou resultat\n"
               "  --temps-acceptable S           temps de réponse acceptable en secondes (4 par défaut)\n"
               "  --csv                          écrit un tableau CSV (séparateur « ; ») au lieu du texte\n"
               "  -o, --sortie FICHIER           fichier à écrire (par défaut : la sortie standard)\n")
        + OptionsIndex::aide(33)
        + QStringLiteral(
            "  -h, --help                     affiche cette aide\n"
            "\n"
            "Un élève est un raccourci .lnk du dossier de sa classe ; un élève sans historique lisible ou\n"
            "sans test compte dans le total comme non testé.\n"
            "\n"
            "Code de retour : 0 écrit ; 1 aucun élève ou écriture impossible ; 2 arguments incorrects.\n");
}

int commande_confusions(
    const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs, const Horloge& horloge)
{
    QString erreur;
    std::optional<OptionsConfusions> lu = lit_options(arguments, erreur);
    if (!lu)
        return arguments_refuses(erreurs, QStringLiteral("confusions"), erreur);
    OptionsConfusions& o = *lu;
    if (o.aide)
        return aide_ecrite(sortie, aide_confusions());
    if (o.choix.date.isEmpty())
        o.choix.date = horloge.date_heure().date().toString(QStringLiteral("dd/MM/yyyy"));
    QVector<ClasseChoisie> classes;
    for (const QString& c : std::as_const(o.classes))
        classes.append({QDir(o.annee).filePath(c), o.objectifs});
    const std::unique_ptr<IndexHistoriques> index = o.index.index(horloge);
    const Collecte collecte = collecte_reponses(classes, o.historiques, o.choix, index.get());
    for (const QString& chemin : collecte.illisibles)
        erreurs << phrase_historique_illisible(chemin) << ", l'élève est compté sans test.\n";
    if (collecte.nombre_eleves == 0) {
        erreurs << "tabrix-outils confusions : aucun élève dans les classes choisies.\n";
        erreurs.flush();
        return 1;
    }
    const Categories cochees = o.categories.value_or(categories_du_mode(o.mode));
    const Calcul calcul
        = calcule(collecte.reponses, collecte.nombre_eleves, o.mode, cochees, o.temps_acceptable, o.tri);

    QStringList lignes;
    if (o.csv) {
        lignes = lignes_csv(calcul);
    } else {
        QStringList choisies;
        for (int i = 0; i < nombre_categories; ++i)
            if (cochees[i])
                choisies << textes_categories[i];
        lignes << textes_modes[int(o.mode)] + QStringLiteral(" concernant : ")
                + choisies.join(QStringLiteral(", "))
               << QStringLiteral("%1 élèves au total, %2 testés")
                      .arg(collecte.nombre_eleves)
                      .arg(collecte.reponses.size())
               << QString() << lignes_grille(calcul) << QString() << calcul.confusions
               << calcul.texte_nombre_confusions();
    }
    if (o.sortie.isEmpty()) {
        sortie << lignes.join(QLatin1Char('\n')) << "\n";
        sortie.flush();
        erreurs.flush();
        return 0;
    }
    if (const Ecriture e = ecrit_lignes(o.sortie, lignes); !e) {
        erreurs << "tabrix-outils confusions : " << o.sortie << " n'a pas pu être écrit. " << e.erreur
                << "\n";
        erreurs.flush();
        return 1;
    }
    sortie << "Statistiques écrites dans " << o.sortie << "\n";
    sortie.flush();
    erreurs.flush();
    return 0;
}
