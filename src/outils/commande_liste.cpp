#include "outils/commande_liste.h"
#include "outils/commande_options.h"
#include "outils/commande_sortie.h"

#include "storage/fichier_texte.h"
#include "storage/lecture_historique.h"
#include "teacher/regles_liste_eleves.h"
#include "teacher/regles_selecteurs.h"

#include <QDate>
#include <QFileInfo>
#include <optional>

namespace {

struct OptionsCommande
{
    OptionsListeEleves liste;
    bool csv = false;
    bool date_donnee = false;
    QString fichier;
    OptionsIndex index;
    bool aide = false;
};

// The pupils' folder exists, the establishment is named and the output is not a file of the school.
bool verifie_options(const OptionsCommande& o, QString& erreur)
{
    if (o.liste.dossier_eleves.isEmpty() || !QFileInfo(o.liste.dossier_eleves).isDir()) {
        erreur = o.liste.dossier_eleves.isEmpty()
            ? QStringLiteral("le dossier des élèves manque (--eleves DOSSIER)")
            : QStringLiteral("le dossier des élèves n'existe pas : %1").arg(o.liste.dossier_eleves);
        return false;
    }
    if (o.liste.etablissement.isEmpty()) {
        erreur = QStringLiteral("l'établissement manque (--etablissement NOM, ou aucun)");
        return false;
    }
    if (!o.index.verifie(erreur))
        return false;
    if (o.fichier.isEmpty())
        return true;
    const QString historiques = o.liste.ecole() ? o.liste.dossier_etablissement() : o.liste.dossier_eleves;
    erreur = sortie_refusee(
        o.fichier, o.csv ? GenreSortie::texte : GenreSortie::liste_eleves, {{}, {historiques}});
    return erreur.isEmpty();
}

std::optional<OptionsCommande> lit_options(const QStringList& args, QString& erreur)
{
    OptionsCommande o;
    o.liste.etablissement.clear();
    const QStringList avec_valeur {QStringLiteral("--eleves"), QStringLiteral("--etablissement"),
        QStringLiteral("--annee"), QStringLiteral("--dernier-au"), QStringLiteral("--premier-a-partir-du"),
        QStringLiteral("--tri"), QStringLiteral("--objectifs"), QStringLiteral("--temps-acceptable"),
        QStringLiteral("-o"), QStringLiteral("--sortie"), OptionsIndex::option_dossier};
    const QStringList drapeaux {QStringLiteral("--csv"), QStringLiteral("--rapidite"),
        QStringLiteral("--masquer-incomplets"), OptionsIndex::option_sans};
    const std::optional<ArgumentsCommande> lus
        = decoupe_arguments(args, drapeaux, avec_valeur, false, erreur);
    if (!lus)
        return std::nullopt;
    o.index.sans_index = lus->drapeaux.contains(OptionsIndex::option_sans);
    if (lus->drapeaux.contains(QStringLiteral("--csv")))
        o.csv = true;
    if (lus->drapeaux.contains(QStringLiteral("--rapidite")))
        o.liste.rapidite = true;
    if (lus->drapeaux.contains(QStringLiteral("--masquer-incomplets")))
        o.liste.masquer_incomplets = true;
    for (const auto& [a, v] : lus->options) {
        if (o.index.prend(a, v))
            continue;
        if (a == QLatin1String("--eleves")) {
            o.liste.dossier_eleves = v;
        } else if (a == QLatin1String("--etablissement")) {
            o.liste.etablissement = v;
        } else if (a == QLatin1String("--annee")) {
            o.liste.annee = v;
        } else if (a == QLatin1String("--dernier-au") || a == QLatin1String("--premier-a-partir-du")) {
            if (!lit_option_date(a, v, o.date_donnee, o.liste.date, o.liste.mode, erreur))
                return std::nullopt;
        } else if (a == QLatin1String("--tri")) {
            if (v == QLatin1String("nom"))
                o.liste.tri = TriListe::nom;
            else if (v == QLatin1String("resultat") || v == QStringLiteral("résultat"))
                o.liste.tri = TriListe::resultat;
            else if (v == QLatin1String("date"))
                o.liste.tri = TriListe::date;
            else {
                erreur = QStringLiteral("tri inconnu : %1 (nom, resultat ou date)").arg(v);
                return std::nullopt;
            }
        } else if (a == QLatin1String("--objectifs")) {
            o.liste.objectifs.par_defaut = v;
        } else if (a == QLatin1String("--temps-acceptable")) {
            const std::optional<int> t = lit_temps_acceptable(v, erreur);
            if (!t)
                return std::nullopt;
            o.liste.temps_acceptable = *t;
        } else {
            o.fichier = v;
        }
    }
    if (lus->aide) {
        o.aide = true;
        return o;
    }
    if (!verifie_options(o, erreur))
        return std::nullopt;
    return o;
}

QString champ_csv(const QString& texte)
{
    if (!texte.contains(QLatin1Char(';')) && !texte.contains(QLatin1Char('"')))
        return texte;
    return QLatin1Char('"') + QString(texte).replace(QLatin1Char('"'), QStringLiteral("\"\""))
        + QLatin1Char('"');
}

QStringList lignes_csv(const ListeEleves& liste)
{
    QStringList lignes {QStringLiteral("classe;nom;prénom;date du test;score;rapidité;temps aménagé")};
    for (const RangeeEleve& r : liste.rangees) {
        const QStringList noms = nom_et_prenom(r.nom_fichier + QStringLiteral(".txt"));
        const bool teste = !r.date.isEmpty();
        lignes << QStringList {champ_csv(r.classe), champ_csv(noms.value(0)), champ_csv(noms.value(1)),
            r.date, teste && r.score >= 0 ? QString::number(r.score) : QString(),
            teste ? QString::number(r.vitesse) : QString(),
            r.amenagement == Amenagement::aucun ? QString() : texte_amenagement(r.amenagement)}
                      .join(QLatin1Char(';'));
    }
    return lignes;
}

} // namespace

QString aide_liste()
{
    return QStringLiteral(
               "Usage : tabrix-outils liste --eleves DOSSIER --etablissement NOM|aucun [--annee AAAA-AAAA]\n"
               "                            [--dernier-au JJ/MM/AAAA | --premier-a-partir-du JJ/MM/AAAA]\n"
               "                            [--rapidite] [--tri nom|resultat|date] [--csv] [-o FICHIER]\n"
               "\n"
               "Construit la liste des élèves du suivi de classes, comme la console de l'enseignant : une "
               "ligne\n"
               "par classe avec sa moyenne, une ligne par élève avec le résultat du test retenu.\n"
               "\n"
               "Options :\n"
               "  --eleves DOSSIER               dossier des élèves (celui qui contient les établissements)\n"
               "  --etablissement NOM            établissement ; « aucun » : les historiques rangés "
               "directement\n"
               "                                 dans le dossier des élèves\n"
               "  --annee AAAA-AAAA              année scolaire (par défaut : la plus récente)\n"
               "  --dernier-au JJ/MM/AAAA        le premier test du dernier jour testé jusqu'à cette date\n"
               "                                 (par défaut : jusqu'à aujourd'hui)\n"
               "  --premier-a-partir-du JJ/MM/AAAA\n"
               "                                 le premier test du premier jour testé à partir de cette "
               "date\n"
               "  --rapidite                     affiche la rapidité (bonnes réponses par minute), pas le "
               "score\n"
               "  --tri nom|resultat|date        ordre des élèves dans chaque classe (resultat par défaut)\n"
               "  --masquer-incomplets           ne retient que les tests complets des --objectifs\n"
               "  --objectifs TABLES             tables d'un test complet (tables_classiques par défaut)\n"
               "  --temps-acceptable S           temps de réponse acceptable en secondes (4 par défaut)\n"
               "  --csv                          une ligne par élève pour un tableur : classe, nom, prénom,\n"
               "                                 date du test, score, rapidité, temps aménagé (+1/3, +1/2,\n"
               "                                 x2, sans limite ; vide sans aménagement), séparateur « ; »\n"
               "  -o, --sortie FICHIER           écrit dans ce fichier (Windows-1252, fins de ligne CR LF,\n"
               "                                 comme liste_eleves.txt) au lieu de la sortie standard\n")
        + OptionsIndex::aide(33)
        + QStringLiteral(
            "  -h, --help                     affiche cette aide\n"
            "\n"
            "Rien d'autre n'est écrit : ni liste_eleves.txt ni la liste des records ; avec\n"
            "--statistiques, l'index des historiques y est tenu à jour.\n"
            "Un historique illisible est compté sans test et nommé sur la sortie d'erreur.\n"
            "\n"
            "Code de retour : 0 liste produite ; 1 fichier impossible à écrire ; 2 arguments incorrects.\n");
}

int commande_liste(
    const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs, const Horloge& horloge)
{
    QString erreur;
    std::optional<OptionsCommande> lu = lit_options(arguments, erreur);
    if (!lu)
        return arguments_refuses(erreurs, QStringLiteral("liste"), erreur);
    OptionsCommande& o = *lu;
    if (o.aide)
        return aide_ecrite(sortie, aide_liste());
    const QDateTime maintenant = horloge.date_heure();
    if (!o.date_donnee)
        o.liste.date = maintenant.date().toString(QStringLiteral("dd/MM/yyyy"));
    if (o.liste.ecole() && o.liste.annee.isEmpty()) {
        const QStringList annees = annees_proposees(o.liste.dossier_eleves, o.liste.etablissement);
        o.liste.annee = annees.isEmpty() ? QString() : annees.last();
    }
    const std::unique_ptr<IndexHistoriques> index = o.index.index(horloge);
    const ListeEleves liste = creation_liste_eleves(o.liste, maintenant, {}, index.get());
    for (const QString& nom : liste.illisibles)
        erreurs << "tabrix-outils liste : " << phrase_historique_illisible(nom) << ", compté sans test.\n";
    erreurs.flush();
    const QStringList lignes = o.csv ? lignes_csv(liste) : liste.lignes;
    if (!o.fichier.isEmpty()) {
        const Ecriture e = ecrit_lignes(o.fichier, lignes);
        if (!e) {
            erreurs << "tabrix-outils liste : " << o.fichier << " n'a pas pu être écrit. " << e.erreur
                    << "\n";
            erreurs.flush();
            return 1;
        }
        return 0;
    }
    for (const QString& l : lignes)
        sortie << l << "\n";
    sortie.flush();
    return 0;
}
