#include "outils/commande_verifie.h"
#include "outils/commande_options.h"

#include "storage/fichier_ini.h"
#include "teacher/regles_verification.h"

#include <QFileInfo>
#include <optional>

namespace {

struct OptionsCommande
{
    OptionsVerification verification;
    QString configuration;
    bool aide = false;
};

std::optional<OptionsCommande> lit_options(const QStringList& args, QString& erreur)
{
    OptionsCommande o;
    const QStringList avec_valeur {QStringLiteral("--eleves"), QStringLiteral("--etablissement"),
        QStringLiteral("--configuration"), QStringLiteral("--statistiques")};
    const std::optional<ArgumentsCommande> lus = decoupe_arguments(
        args, {QStringLiteral("--reparer"), QStringLiteral("--réparer")}, avec_valeur, false, erreur);
    if (!lus)
        return std::nullopt;
    if (!lus->drapeaux.isEmpty())
        o.verification.reparer = true;
    for (const auto& [a, valeur] : lus->options) {
        if (a == QLatin1String("--eleves"))
            o.verification.dossier_eleves = valeur;
        else if (a == QLatin1String("--etablissement"))
            o.verification.etablissement = valeur;
        else if (a == QLatin1String("--configuration"))
            o.configuration = valeur;
        else
            o.verification.dossier_statistiques = valeur;
    }
    if (lus->aide) {
        o.aide = true;
        return o;
    }
    if (o.verification.dossier_eleves.isEmpty() || o.verification.etablissement.isEmpty()) {
        erreur = QStringLiteral("le dossier des élèves et l'établissement sont nécessaires "
                                "(--eleves DOSSIER --etablissement NOM)");
        return std::nullopt;
    }
    if (!QFileInfo(o.verification.dossier_etablissement()).isDir()) {
        erreur = QStringLiteral("le dossier de l'établissement n'existe pas : %1")
                     .arg(o.verification.dossier_etablissement());
        return std::nullopt;
    }
    if (!o.configuration.isEmpty() && !QFileInfo(o.configuration).isFile()) {
        erreur = QStringLiteral("la configuration n'existe pas : %1").arg(o.configuration);
        return std::nullopt;
    }
    if (o.verification.reparer && o.verification.dossier_statistiques.isEmpty()) {
        erreur = QStringLiteral("--reparer range ce qu'il déplace dans le dossier statistiques : "
                                "donnez-le (--statistiques DOSSIER)");
        return std::nullopt;
    }
    return o;
}

} // namespace

QString aide_verifie()
{
    return QStringLiteral(
        "Usage : tabrix-outils verifie --eleves DOSSIER --etablissement NOM [--configuration Tabrix.ini]\n"
        "                              [--statistiques DOSSIER] [--reparer]\n"
        "\n"
        "Vérifie le partage de l'école et dit, groupé, avec le nombre et les chemins :\n"
        "  - les historiques illisibles ;\n"
        "  - les copies mises de côté et les fichiers temporaires laissés par une écriture interrompue ;\n"
        "  - les deux copies de l'historique d'un élève, l'élève présent dans deux classes d'une année ;\n"
        "  - les dossiers de classes que l'établissement ne nomme plus (avec --configuration) ;\n"
        "  - les historiques dont la dernière séance est datée dans le futur (horloge d'un poste en avance)\n"
        "    ou dont les séances sont dans le désordre ;\n"
        "  - la liste des records qui nomme un élève sans historique (avec --statistiques) ;\n"
        "  - les fichiers que le programme ne connaît pas.\n"
        "\n"
        "Options :\n"
        "  --eleves DOSSIER               dossier des élèves (celui qui contient les établissements)\n"
        "  --etablissement NOM            établissement à vérifier\n"
        "  --configuration Tabrix.ini     fichier de configuration : les classes de chaque année\n"
        "  --statistiques DOSSIER         dossier statistiques : liste des records, rangement des "
        "réparations\n"
        "  --reparer                      répare ce qui ne perd rien : fusionne les deux copies d'un\n"
        "                                 historique (les lignes des deux sont gardées), remet à sa place "
        "la\n"
        "                                 seule copie d'un fichier, range les autres copies et les fichiers\n"
        "                                 temporaires dans « verification AAAA-MM-JJ » du dossier\n"
        "                                 statistiques. Rien n'est effacé.\n"
        "  -h, --help                     affiche cette aide\n"
        "\n"
        "Code de retour : 0 rien à signaler ; 1 au moins un constat (réparé ou non) ;\n"
        "2 arguments incorrects.\n");
}

int commande_verifie(
    const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs, const Horloge& horloge)
{
    QString erreur;
    std::optional<OptionsCommande> lu = lit_options(arguments, erreur);
    if (!lu)
        return arguments_refuses(erreurs, QStringLiteral("verifie"), erreur);
    OptionsCommande& o = *lu;
    if (o.aide)
        return aide_ecrite(sortie, aide_verifie());
    if (!o.configuration.isEmpty())
        o.verification.classes_par_annee = classes_de_la_configuration(FichierIni(o.configuration));
    const RapportVerification rapport = verifie_partage(o.verification, horloge.date_heure());
    for (const QString& ligne : texte_rapport(rapport, o.verification))
        sortie << ligne << "\n";
    sortie.flush();
    return rapport.rien_a_signaler() ? 0 : 1;
}
