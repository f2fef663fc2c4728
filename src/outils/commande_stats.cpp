#include "outils/commande_stats.h"
#include "outils/commande_options.h"
#include "outils/commande_sortie.h"

#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "storage/niveaux.h"
#include "teacher/regles_selecteurs.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

struct OptionsStats
{
    ParametresStats p;
    QString abscisse = QStringLiteral("niveau");
    QString ordonnee;
    bool date_donnee = false;
    QStringList classes;
    QString niveaux;
    QString ini;
    QString annee;
    QString etablissement;
    bool csv = false;
    QString png;
    OptionsIndex index;
    bool aide = false;
};

// Short names for the command line, and the console's keys as they are.
QString cle_axe(const QString& nom)
{
    static const QList<QPair<QString, QString>> noms {{QStringLiteral("classe"), axes_stats::classe},
        {QStringLiteral("niveau"), axes_stats::niveau}, {QStringLiteral("score"), axes_stats::score},
        {QStringLiteral("rapidite"), axes_stats::rapidite},
        {QStringLiteral("rapidité"), axes_stats::rapidite}, {axes_stats::rapidite, axes_stats::rapidite},
        {QStringLiteral("nombre"), axes_stats::nb_eleves}, {axes_stats::nb_eleves, axes_stats::nb_eleves},
        {QStringLiteral("pourcentage"), axes_stats::pourcentage_eleves},
        {axes_stats::pourcentage_eleves, axes_stats::pourcentage_eleves}};
    for (const auto& [court, cle] : noms)
        if (nom == court)
            return cle;
    return {};
}

// What the options leave out, from today's date (the date, the school year, the ordinate), then whether the
// axes go together, the levels come from one place and the picture is not a file of the school.
bool complete_options(OptionsStats& o, const QDate& aujourdhui, QString& erreur)
{
    if (!o.date_donnee)
        o.p.date = aujourdhui.toString(QStringLiteral("dd/MM/yyyy"));
    if (o.annee.isEmpty()) {
        const int debut = premier_septembre(QDate::fromString(o.p.date, QStringLiteral("dd/MM/yyyy"))).year();
        o.annee = QStringLiteral("%1-%2").arg(debut).arg(debut + 1);
    }
    if (o.ordonnee.isEmpty())
        o.ordonnee = o.abscisse == axes_stats::classe || o.abscisse == axes_stats::niveau
            ? axes_stats::rapidite
            : axes_stats::nb_eleves;
    if (!axes_compatibles(o.abscisse, o.ordonnee)) {
        erreur = QStringLiteral("l'abscisse « %1 » ne va pas avec l'ordonnée « %2 » : par classe ou niveau, "
                                "score ou rapidité ; par score ou rapidité, nombre ou pourcentage d'élèves")
                     .arg(o.abscisse, o.ordonnee);
        return false;
    }
    if (o.niveaux.isEmpty() == o.ini.isEmpty()) {
        erreur = QStringLiteral("les niveaux et classes viennent de --niveaux ou de --ini (un des deux)");
        return false;
    }
    if (!o.index.verifie(erreur))
        return false;
    if (o.png.isEmpty())
        return true;
    const QStringList lus = o.ini.isEmpty() ? QStringList() : QStringList {o.ini};
    erreur = sortie_refusee(o.png, GenreSortie::png, {lus, {o.etablissement}});
    return erreur.isEmpty();
}

std::optional<OptionsStats> lit_options(const QStringList& args, const QDate& aujourdhui, QString& erreur)
{
    OptionsStats o;
    const QStringList avec_valeur {QStringLiteral("--abscisse"), QStringLiteral("--ordonnee"),
        QStringLiteral("--dernier-au"), QStringLiteral("--premier-a-partir-du"), QStringLiteral("--classes"),
        QStringLiteral("--masquer-incomplets"), QStringLiteral("--temps-acceptable"), QStringLiteral("--png"),
        QStringLiteral("--niveaux"), QStringLiteral("--ini"), QStringLiteral("--annee"),
        OptionsIndex::option_dossier};
    const std::optional<ArgumentsCommande> lus = decoupe_arguments(
        args, {QStringLiteral("--csv"), OptionsIndex::option_sans}, avec_valeur, true, erreur);
    if (!lus)
        return std::nullopt;
    o.index.sans_index = lus->drapeaux.contains(OptionsIndex::option_sans);
    if (lus->drapeaux.contains(QStringLiteral("--csv")))
        o.csv = true;
    for (const auto& [a, v] : lus->options) {
        if (o.index.prend(a, v))
            continue;
        if (a == QLatin1String("--abscisse") || a == QLatin1String("--ordonnee")) {
            const QString cle = cle_axe(v);
            if (cle.isEmpty()) {
                erreur = QStringLiteral("valeur inconnue pour %1 : %2").arg(a, v);
                return std::nullopt;
            }
            (a == QLatin1String("--abscisse") ? o.abscisse : o.ordonnee) = cle;
        } else if (a == QLatin1String("--dernier-au") || a == QLatin1String("--premier-a-partir-du")) {
            if (!lit_option_date(a, v, o.date_donnee, o.p.date, o.p.mode, erreur))
                return std::nullopt;
        } else if (a == QLatin1String("--classes")) {
            o.classes = v.split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (a == QLatin1String("--masquer-incomplets")) {
            o.p.masquer_incomplets = true;
            o.p.objectifs.par_defaut = v;
        } else if (a == QLatin1String("--temps-acceptable")) {
            const std::optional<int> t = lit_temps_acceptable(v, erreur);
            if (!t)
                return std::nullopt;
            o.p.temps_acceptable = *t;
        } else if (a == QLatin1String("--png")) {
            o.png = v;
        } else if (a == QLatin1String("--niveaux")) {
            o.niveaux = v;
        } else if (a == QLatin1String("--ini")) {
            o.ini = v;
        } else {
            o.annee = v;
        }
    }
    if (lus->aide) {
        o.aide = true;
        return o;
    }
    const QStringList& positionnels = lus->positionnels;
    if (positionnels.size() != 1) {
        erreur = positionnels.isEmpty()
            ? QStringLiteral("le dossier de l'établissement manque")
            : QStringLiteral("un seul dossier d'établissement : %1").arg(positionnels.join(u' '));
        return std::nullopt;
    }
    o.etablissement = positionnels[0];
    if (!complete_options(o, aujourdhui, erreur))
        return std::nullopt;
    return o;
}

} // namespace

QString aide_stats()
{
    return QStringLiteral(
               "Usage : tabrix-outils stats [OPTIONS] (--niveaux VALEUR | --ini Tabrix.ini) "
               "DOSSIER_ETABLISSEMENT\n"
               "\n"
               "Compare les classes ou les niveaux sur un test, comme la page « Statistiques élèves » de la "
               "console "
               ":\n"
               "écrit la ligne de données du graphique (champs séparés par des tabulations).\n"
               "\n"
               "DOSSIER_ETABLISSEMENT contient les historiques des élèves et un dossier par année scolaire, "
               "qui\n"
               "contient un dossier par classe avec un raccourci (.lnk) par élève.\n"
               "\n"
               "Options :\n"
               "  --abscisse classe|niveau|score|rapidite\n"
               "                         comparer par classe, par niveau (par défaut), par tranche de score "
               "ou de\n"
               "                         rapidité\n"
               "  --ordonnee score|rapidite|nombre|pourcentage\n"
               "                         par classe ou niveau : score ou rapidité moyens (rapidité par "
               "défaut) ;\n"
               "                         par tranche : nombre (par défaut) ou pourcentage d'élèves\n"
               "  --dernier-au JJ/MM/AAAA          le premier test du dernier jour testé jusqu'à cette date\n"
               "                                   (par défaut : jusqu'à aujourd'hui)\n"
               "  --premier-a-partir-du JJ/MM/AAAA le premier test du premier jour testé à partir de cette "
               "date\n"
               "  --classes C1,C2        seulement ces classes (par défaut : toutes)\n"
               "  --niveaux VALEUR       niveaux et classes, par exemple \"sixième<61,62>cinquième<51>\"\n"
               "  --ini Tabrix.ini       niveaux et classes lus dans le fichier de configuration pour "
               "l'année\n"
               "  --annee AAAA-AAAA      année scolaire (par défaut : celle de la date du test)\n"
               "  --masquer-incomplets TABLES\n"
               "                         ignore les tests qui ne contiennent pas toutes ces tables\n"
               "                         (par exemple tables_classiques)\n"
               "  --temps-acceptable S   temps de réponse acceptable en secondes, pour le score (4 par "
               "défaut)\n"
               "  --csv                  écrit les données en CSV (séparateur « ; ») au lieu de la ligne\n"
               "  --png FICHIER.png      dessine aussi le graphique dans ce fichier\n")
        + OptionsIndex::aide(26)
        + QStringLiteral(
            "  -h, --help             affiche cette aide\n"
            "\n"
            "Un historique illisible compte comme un élève non testé et est signalé.\n"
            "Code de retour : 0 fait ; 1 l'image n'a pas pu être écrite ; 2 arguments incorrects.\n");
}

int commande_stats(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs,
    const Horloge& horloge, const EcrivainPng& ecrit_png)
{
    QString erreur;
    std::optional<OptionsStats> lu = lit_options(arguments, horloge.date_heure().date(), erreur);
    if (lu && !lu->aide) {
        const QString valeur = lu->niveaux.isEmpty() ? FichierIni(lu->ini).lit_texte(
                                   cles::etablissement, cles::niveaux_et_classes(lu->annee), QString())
                                                     : lu->niveaux;
        lu->p.niveaux = lit_niveaux(valeur).niveaux;
        if (lu->p.niveaux.isEmpty()) {
            erreur = lu->niveaux.isEmpty()
                ? QStringLiteral("%1 ne donne pas de niveaux et classes pour l'année %2")
                      .arg(lu->ini, lu->annee)
                : QStringLiteral("niveaux et classes illisibles : %1").arg(valeur);
            lu.reset();
        }
    }
    if (!lu)
        return arguments_refuses(erreurs, QStringLiteral("stats"), erreur);
    OptionsStats& o = *lu;
    if (o.aide)
        return aide_ecrite(sortie, aide_stats());
    o.p.abscisse = o.abscisse;
    o.p.ordonnee = o.ordonnee;
    o.p.dossier_etablissement = QDir::cleanPath(o.etablissement);
    o.p.dossier_annee = o.p.dossier_etablissement + QLatin1Char('/') + o.annee;
    QStringList inconnues = o.classes;
    for (const Niveau& n : o.p.niveaux)
        for (const QString& c : n.classes) {
            o.p.classes_cochees.append(o.classes.isEmpty() || o.classes.contains(c));
            inconnues.removeAll(c);
        }
    if (!inconnues.isEmpty())
        erreurs << "tabrix-outils stats : classes inconnues, ignorées : "
                << inconnues.join(QStringLiteral(", ")) << "\n";
    if (!QFileInfo(o.p.dossier_annee).isDir())
        erreurs << "tabrix-outils stats : le dossier " << o.p.dossier_annee
                << " n'existe pas : aucun élève.\n";

    const std::unique_ptr<IndexHistoriques> index = o.index.index(horloge);
    const DonneesStats d = genere_donnees(o.p, index.get());
    if (const QString message = message_illisibles(d.illisibles); !message.isEmpty())
        erreurs << message << "\n";
    if (o.csv)
        sortie << d.lignes_csv().join(QLatin1Char('\n')) << "\n";
    else
        sortie << d.texte() << "\n";
    sortie.flush();
    if (!o.png.isEmpty()) {
        if (const QString e = ecrit_png(d, o.png); !e.isEmpty()) {
            erreurs << "tabrix-outils stats : " << e << "\n";
            erreurs.flush();
            return 1;
        }
    }
    erreurs.flush();
    return 0;
}
