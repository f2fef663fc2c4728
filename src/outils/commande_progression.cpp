#include "outils/commande_progression.h"
#include "outils/commande_options.h"
#include "outils/commande_sortie.h"

#include "storage/dossiers.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

struct OptionsProgression
{
    ParametresProgression p;
    bool csv = false;
    QString png;
    bool aide = false;
};

std::optional<OptionsProgression> lit_options(
    const QStringList& args, const QDate& aujourdhui, QString& erreur)
{
    OptionsProgression o;
    o.p.annee = annee_scolaire_de(aujourdhui);
    const QStringList avec_valeur {QStringLiteral("--annee"), QStringLiteral("--classes"),
        QStringLiteral("--temps-acceptable"), QStringLiteral("--png")};
    const std::optional<ArgumentsCommande> lus
        = decoupe_arguments(args, {QStringLiteral("--csv")}, avec_valeur, true, erreur);
    if (!lus)
        return std::nullopt;
    if (lus->drapeaux.contains(QStringLiteral("--csv")))
        o.csv = true;
    for (const auto& [a, valeur] : lus->options) {
        if (a == QLatin1String("--annee")) {
            if (semaines_de_l_annee(valeur) == 0) {
                erreur = QStringLiteral("année scolaire invalide : %1 (AAAA-AAAA)").arg(valeur);
                return std::nullopt;
            }
            o.p.annee = valeur;
        } else if (a == QLatin1String("--classes")) {
            o.p.classes = valeur.split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (a == QLatin1String("--temps-acceptable")) {
            const std::optional<int> t = lit_temps_acceptable(valeur, erreur);
            if (!t)
                return std::nullopt;
            o.p.temps_acceptable = *t;
        } else {
            o.png = valeur;
        }
    }
    if (lus->aide) {
        o.aide = true;
        return o;
    }
    const QStringList& positionnels = lus->positionnels;
    if (positionnels.size() != 1) {
        erreur = positionnels.isEmpty() ? QStringLiteral("le dossier de l'établissement manque")
                                        : QStringLiteral("un seul dossier d'établissement est attendu");
        return std::nullopt;
    }
    o.p.dossier_etablissement = QDir::cleanPath(positionnels.first());
    if (!QFileInfo(o.p.dossier_etablissement).isDir()) {
        erreur = QStringLiteral("le dossier de l'établissement n'existe pas : %1")
                     .arg(o.p.dossier_etablissement);
        return std::nullopt;
    }
    if (!o.png.isEmpty()) {
        erreur = sortie_refusee(o.png, GenreSortie::png, {{}, {o.p.dossier_etablissement}});
        if (!erreur.isEmpty())
            return std::nullopt;
    }
    return o;
}

} // namespace

QString aide_progression()
{
    return QStringLiteral(
        "Usage : tabrix-outils progression [--annee AAAA-AAAA] [--classes C1,C2] [--temps-acceptable S]\n"
        "                                  [--csv] [--png FICHIER.png] DOSSIER_ETABLISSEMENT\n"
        "\n"
        "Le score moyen de chaque classe, semaine par semaine de l'année scolaire (du lundi de la semaine\n"
        "du 1er septembre à celle du 31 août), comme « Progression » dans « Statistiques élèves » : chaque\n"
        "élève testé dans la semaine y compte pour la moyenne de ses jours de test (le premier test de\n"
        "chaque jour), la classe pour la moyenne de ses élèves. Un élève inscrit dans deux classes de\n"
        "l'année compte dans la première, une seule fois.\n"
        "\n"
        "Options :\n"
        "  --annee AAAA-AAAA      année scolaire (par défaut : celle d'aujourd'hui)\n"
        "  --classes C1,C2        classes, dans l'ordre voulu (par défaut : toutes celles de l'année)\n"
        "  --temps-acceptable S   temps de réponse acceptable en secondes (4 par défaut)\n"
        "  --csv                  une ligne par semaine pour un tableur, séparateur « ; », case vide pour\n"
        "                         une semaine sans test (sinon : tabulations et « - »)\n"
        "  --png FICHIER.png      dessine aussi le graphique dans ce fichier\n"
        "  -h, --help             affiche cette aide\n"
        "\n"
        "Un historique illisible compte comme un élève sans test et est signalé.\n"
        "Code de retour : 0 fait ; 1 l'image n'a pas pu être écrite ; 2 arguments incorrects.\n");
}

int commande_progression(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs,
    const Horloge& horloge, const EcrivainPngProgression& ecrit_png)
{
    QString erreur;
    std::optional<OptionsProgression> lu = lit_options(arguments, horloge.date_heure().date(), erreur);
    if (!lu)
        return arguments_refuses(erreurs, QStringLiteral("progression"), erreur);
    OptionsProgression& o = *lu;
    if (o.aide)
        return aide_ecrite(sortie, aide_progression());
    const QString dossier_annee = o.p.dossier_etablissement + QLatin1Char('/') + o.p.annee;
    if (o.p.classes.isEmpty())
        o.p.classes = sous_dossiers(dossier_annee);
    if (o.p.classes.isEmpty())
        erreurs << "tabrix-outils progression : aucune classe dans " << dossier_annee << ".\n";
    const DonneesProgression d = progression_classes(o.p);
    for (const QString& nom : d.illisibles)
        erreurs << "tabrix-outils progression : historique illisible, compté sans test : " << nom << "\n";
    for (const QString& ligne : o.csv ? d.lignes_csv() : d.lignes_texte())
        sortie << ligne << "\n";
    sortie.flush();
    if (!o.png.isEmpty()) {
        if (const QString e = ecrit_png(d, o.png); !e.isEmpty()) {
            erreurs << "tabrix-outils progression : " << e << "\n";
            erreurs.flush();
            return 1;
        }
    }
    erreurs.flush();
    return 0;
}
