#include "teacher/regles_parametres.h"

#include "storage/configuration.h"

#include <QVector>
#include <utility>

namespace {

const QString prefixe_reseau = cles::placeholder_serveur + QLatin1Char('\\');

} // namespace

QString chemin_serveur_enregistre(const QString& saisi)
{
    QString chemin = saisi.trimmed();
    if (chemin.size() > 1 && (chemin.endsWith(QLatin1Char('\\')) || chemin.endsWith(QLatin1Char('/'))))
        chemin.chop(1);
    return chemin;
}

QString dossier_reseau_affiche(const QString& valeur)
{
    // Only a prefix at the start is the placeholder; cutting 17 characters elsewhere would damage the path.
    if (valeur.startsWith(cles::placeholder_serveur, Qt::CaseInsensitive)
        && valeur.size() > cles::placeholder_serveur.size()
        && (valeur.at(cles::placeholder_serveur.size()) == QLatin1Char('\\')
            || valeur.at(cles::placeholder_serveur.size()) == QLatin1Char('/')))
        return valeur.mid(prefixe_reseau.size());
    return valeur;
}

QString dossier_reseau_enregistre(const QString& affiche)
{
    QString reste = affiche.trimmed();
    while (reste.startsWith(QLatin1Char('\\')) || reste.startsWith(QLatin1Char('/')))
        reste.remove(0, 1);
    return prefixe_reseau + reste;
}

QString refus_parametres_console(const ParametresConsole& p)
{
    QStringList cles_absentes;
    const QVector<std::pair<QString, QString>> champs
        = {{cles::chemin_serveur, p.chemin_serveur}, {cles::dossier_eleves_reseau, p.dossier_eleves_reseau},
            {cles::dossier_eleves_monoposte, p.dossier_eleves_monoposte},
            {cles::dossier_statistiques, p.dossier_statistiques}};
    for (const auto& [cle, valeur] : champs) {
        if (valeur.trimmed().compare(FichierIni::texte_absent, Qt::CaseInsensitive) == 0)
            cles_absentes.append(QStringLiteral("« %1 »").arg(cle));
    }
    if (cles_absentes.isEmpty())
        return {};
    return QStringLiteral("Tabrix.ini ne donnait pas %1 : remplacez « %2 » par le bon dossier avant "
                          "d'enregistrer.")
        .arg(cles_absentes.join(QStringLiteral(", ")), FichierIni::texte_absent_minuscule);
}

ParametresConsole lit_parametres_console(const FichierIni& ini)
{
    const QString& absent = FichierIni::texte_absent_minuscule;
    ParametresConsole p;
    p.chemin_serveur = ini.lit_texte(cles::dossiers, cles::chemin_serveur, absent);
    p.dossier_eleves_reseau
        = dossier_reseau_affiche(ini.lit_texte(cles::dossiers, cles::dossier_eleves_reseau, absent));
    p.dossier_eleves_monoposte = ini.lit_texte(cles::dossiers, cles::dossier_eleves_monoposte, absent);
    p.dossier_statistiques = ini.lit_texte(cles::dossiers, cles::dossier_statistiques, absent);
    // A missing code is no code: the damaged-file text cut to 4 letters would lock the console.
    p.code_professeur = ini.lit_texte(cles::codes, cles::code_professeur, QString());
    return p;
}

void ecrit_parametres_console(FichierIni& ini, const ParametresConsole& p)
{
    ini.ecrit_texte(cles::dossiers, cles::chemin_serveur, p.chemin_serveur);
    ini.ecrit_texte(
        cles::dossiers, cles::dossier_eleves_reseau, dossier_reseau_enregistre(p.dossier_eleves_reseau));
    ini.ecrit_texte(cles::dossiers, cles::dossier_eleves_monoposte, p.dossier_eleves_monoposte);
    ini.ecrit_texte(cles::dossiers, cles::dossier_statistiques, p.dossier_statistiques);
    ini.ecrit_texte(cles::codes, cles::code_professeur, p.code_professeur);
}
