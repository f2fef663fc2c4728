#include "outils/commande_bilan.h"
#include "outils/commande_options.h"
#include "outils/commande_sortie.h"

#include "teacher/regles_exports.h"

#include <QDate>
#include <QFileInfo>
#include <optional>

namespace {

struct OptionsBilan
{
    QString classe;
    QString etablissement;
    int temps_acceptable = 4;
    ModeChoixTest mode = ModeChoixTest::dernier;
    QString date; // dd/mm/yyyy, today when empty
    bool date_donnee = false;
    QString sortie;
    QStringList historiques;
    bool aide = false;
};

// Reads the arguments, or says in French what is wrong with them.
std::optional<OptionsBilan> lit_options(const QStringList& args, QString& erreur)
{
    OptionsBilan o;
    bool options_finies = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (options_finies || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            o.historiques << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            options_finies = true;
            continue;
        }
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("--aide")) {
            o.aide = true;
            return o;
        }
        const QStringList avec_valeur {QStringLiteral("--classe"), QStringLiteral("--etablissement"),
            QStringLiteral("--temps-acceptable"), QStringLiteral("--dernier-au"),
            QStringLiteral("--premier-a-partir-du"), QStringLiteral("-o"), QStringLiteral("--sortie")};
        const std::optional<QString> valeur = valeur_option(args, i, avec_valeur, erreur);
        if (!valeur)
            return std::nullopt;
        const QString& v = *valeur;
        if (a == QLatin1String("--classe")) {
            o.classe = v.trimmed();
        } else if (a == QLatin1String("--etablissement")) {
            o.etablissement = v.trimmed();
        } else if (a == QLatin1String("--temps-acceptable")) {
            const std::optional<int> t = lit_temps_acceptable(v, erreur);
            if (!t)
                return std::nullopt;
            o.temps_acceptable = *t;
        } else if (a == QLatin1String("--dernier-au") || a == QLatin1String("--premier-a-partir-du")) {
            if (!lit_option_date(a, v, o.date_donnee, o.date, o.mode, erreur))
                return std::nullopt;
        } else {
            o.sortie = v;
        }
    }
    if (o.sortie.isEmpty()) {
        erreur = QStringLiteral("le fichier PDF à écrire manque (-o FICHIER.pdf)");
        return std::nullopt;
    }
    if (o.historiques.isEmpty()) {
        erreur = QStringLiteral("aucun historique donné (HISTORIQUE.txt…)");
        return std::nullopt;
    }
    QStringList dossiers;
    for (const QString& h : o.historiques)
        dossiers << QFileInfo(h).absolutePath();
    erreur = sortie_refusee(o.sortie, GenreSortie::pdf, {o.historiques, dossiers});
    if (!erreur.isEmpty())
        return std::nullopt;
    return o;
}

} // namespace

QString aide_generale()
{
    return QStringLiteral(
        "Usage : tabrix-outils COMMANDE [OPTIONS]\n"
        "Outils de Tabrix pour les enseignants et les responsables informatiques des écoles.\n"
        "\n"
        "Commandes :\n"
        "  bilan       écrit les bilans d'élèves dans un document PDF, une page par élève\n"
        "  confusions  statistiques par produits et confusions des classes choisies\n"
        "  liste       liste des élèves du suivi de classes, avec moyennes (texte ou tableur)\n"
        "  progression score moyen des classes semaine par semaine de l'année (texte, tableur, image)\n"
        "  stats       compare les classes ou les niveaux sur un test (données et graphique)\n"
        "  verifie     vérifie le partage de l'école (historiques, copies, classes) et le répare\n"
        "\n"
        "  tabrix-outils COMMANDE --help   décrit une commande.\n");
}

QString aide_bilan()
{
    return QStringLiteral(
        "Usage : tabrix-outils bilan [--classe NOM] [--dernier-au JJ/MM/AAAA | --premier-a-partir-du "
        "JJ/MM/AAAA]\n"
        "                            -o FICHIER.pdf HISTORIQUE.txt…\n"
        "\n"
        "Écrit un document PDF d'une page par historique, dans l'ordre donné : le bilan du test retenu\n"
        "comme dans la console de l'enseignant.\n"
        "\n"
        "Options :\n"
        "  -o, --sortie FICHIER.pdf       document à écrire (remplacé s'il existe)\n"
        "  --dernier-au JJ/MM/AAAA        le premier test du dernier jour testé jusqu'à cette date\n"
        "                                 (par défaut : jusqu'à aujourd'hui)\n"
        "  --premier-a-partir-du JJ/MM/AAAA\n"
        "                                 le premier test du premier jour testé à partir de cette date\n"
        "  --classe NOM                   nom de la classe écrit sur chaque page\n"
        "  --etablissement NOM            nom de l'établissement écrit avec la classe\n"
        "  --temps-acceptable S           temps de réponse acceptable en secondes (4 par défaut)\n"
        "  -h, --help                     affiche cette aide\n"
        "\n"
        "Le nom et le prénom de l'élève viennent du nom du fichier (Nom_Prénom.txt).\n"
        "Un historique sans test des tables de 2 à 9 à la date choisie est ignoré, avec un message.\n"
        "\n"
        "Code de retour : 0 document écrit ; 1 aucune page à écrire ou écriture impossible (aucun fichier\n"
        "n'est écrit) ; 2 arguments incorrects.\n");
}

int commande_bilan(
    const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs, const Horloge& horloge)
{
    QString erreur;
    const std::optional<OptionsBilan> lu = lit_options(arguments, erreur);
    if (!lu)
        return arguments_refuses(erreurs, QStringLiteral("bilan"), erreur);
    const OptionsBilan& o = *lu;
    if (o.aide)
        return aide_ecrite(sortie, aide_bilan());
    const QString date
        = o.date_donnee ? o.date : horloge.date_heure().date().toString(QStringLiteral("dd/MM/yyyy"));

    ContexteExport contexte;
    contexte.mode = o.mode;
    contexte.date = date;
    contexte.temps_acceptable = o.temps_acceptable;
    contexte.etablissement = o.etablissement;
    QVector<EleveExporte> eleves;
    for (const QString& chemin : o.historiques)
        eleves.append({chemin, chemin, o.classe});
    QVector<DonneesBilan> bilans;
    for (BilanEleve& b : bilans_eleves(eleves, contexte)) {
        if (b.bilan)
            bilans.append(std::move(*b.bilan));
        else
            erreurs << b.raison << ", ignoré.\n";
    }
    const qsizetype pages = bilans.size();
    if (pages == 0) {
        erreurs << "tabrix-outils bilan : aucune page à écrire, " << o.sortie << " n'est pas écrit.\n";
        erreurs.flush();
        return 1;
    }
    const Ecriture e = ecrit_bilans_pdf(bilans, o.sortie, horloge);
    if (!e) {
        erreurs << "tabrix-outils bilan : " << o.sortie << " n'a pas pu être écrit. " << e.erreur << "\n";
        erreurs.flush();
        return 1;
    }
    sortie << (pages == 1 ? QStringLiteral("1 page écrite dans ")
                          : QStringLiteral("%1 pages écrites dans ").arg(pages))
           << o.sortie << "\n";
    sortie.flush();
    erreurs.flush();
    return 0;
}
