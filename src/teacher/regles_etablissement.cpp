#include "teacher/regles_etablissement.h"

#include "storage/configuration.h"
#include "storage/dossiers.h"
#include "storage/niveaux.h"

#include <QDir>

#include <QSet>

namespace {

QString guillemets(const QString& nom)
{
    return QStringLiteral("« ") + nom + QStringLiteral(" »");
}

bool nom_acceptable(const QString& nom)
{
    if (!nom_dossier_valide(nom))
        return false;
    for (const QChar c : nom) {
        if (caractere_refuse_dans_un_nom(c))
            return false;
    }
    return true;
}

const QString caracteres_refuses = QStringLiteral("\\ / : * ? \" < > | ,");

QString refuse_comme_dossier(const QString& quoi, const QString& nom)
{
    return QStringLiteral("%1 %2 ne peut pas servir de nom de dossier (caractères refusés : %3 ; pas de "
                          "nom fait seulement de points).")
        .arg(quoi, guillemets(nom), caracteres_refuses);
}

} // namespace

OuvertureEtablissement etablissement_a_l_ouverture(const FichierIni& ini, const QString& annee_scolaire)
{
    OuvertureEtablissement o;
    const QString valeur
        = ini.lit_texte(cles::etablissement, cles::niveaux_et_classes(annee_scolaire), QString());
    const LectureNiveaux courante = lit_niveaux(valeur);
    if (!courante.niveaux.isEmpty()) {
        const ConfigurationRentree r = configuration_rentree(ini, annee_scolaire);
        o.etablissement = {r.nom_etablissement, courante.niveaux};
        o.annee_trouvee = annee_scolaire;
        o.remarques = courante.remarques;
        return o;
    }
    // The current year holds nothing usable: the years before, as the new school year does.
    const ConfigurationRentree r = configuration_rentree(ini, annee_scolaire);
    o.etablissement = {r.nom_etablissement, r.niveaux.niveaux};
    o.annee_trouvee = r.annee_reprise;
    o.remarques = r.niveaux.remarques;
    return o;
}

QStringList noms_des_niveaux(const QVector<Niveau>& niveaux)
{
    QStringList noms;
    for (const Niveau& n : niveaux)
        noms.append(n.nom);
    return noms;
}

Etablissement etablissement_coupe(const Etablissement& saisi)
{
    const auto coupe = [](const QString& nom) { return nom.trimmed().left(10).trimmed(); };
    Etablissement e;
    e.nom = saisi.nom.trimmed();
    for (const Niveau& n : saisi.niveaux) {
        Niveau c {coupe(n.nom), {}};
        for (const QString& classe : n.classes)
            c.classes.append(coupe(classe));
        e.niveaux.append(c);
    }
    return e;
}

bool caractere_refuse_dans_un_nom(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("\\/:*?\"<>|,").contains(c);
}

QStringList erreurs_etablissement(const Etablissement& e)
{
    QStringList erreurs;
    if (e.nom.isEmpty())
        erreurs.append(QStringLiteral("Le nom de l'établissement est vide."));
    else if (e.nom.size() > longueur_nom_etablissement_maximum)
        erreurs.append(QStringLiteral("Le nom de l'établissement a plus de %1 caractères.")
                           .arg(longueur_nom_etablissement_maximum));
    else if (!nom_dossier_valide(e.nom))
        erreurs.append(refuse_comme_dossier(QStringLiteral("Le nom d'établissement"), e.nom));
    if (e.niveaux.isEmpty() || e.niveaux.size() > niveaux_maximum)
        erreurs.append(QStringLiteral("Il faut de 1 à %1 niveaux.").arg(niveaux_maximum));

    // Folders of a shared drive ignore case: "6A" and "6a" would be one class.
    QSet<QString> niveaux_vus, classes_vues, doublons;
    for (int i = 0; i < e.niveaux.size(); ++i) {
        const Niveau& n = e.niveaux.at(i);
        if (n.nom.isEmpty())
            erreurs.append(QStringLiteral("Le niveau %1 n'a pas de nom.").arg(i + 1));
        else if (!nom_acceptable(n.nom))
            erreurs.append(refuse_comme_dossier(QStringLiteral("Le niveau"), n.nom));
        else if (niveaux_vus.contains(n.nom.toCaseFolded()))
            erreurs.append(QStringLiteral("Le niveau %1 figure deux fois.").arg(guillemets(n.nom)));
        niveaux_vus.insert(n.nom.toCaseFolded());
        if (n.classes.isEmpty() || n.classes.size() > classes_maximum)
            erreurs.append(QStringLiteral("Le niveau %1 doit avoir de 1 à %2 classes.")
                               .arg(guillemets(n.nom))
                               .arg(classes_maximum));
        for (int j = 0; j < n.classes.size(); ++j) {
            const QString& c = n.classes.at(j);
            if (c.isEmpty()) {
                erreurs.append(QStringLiteral("La classe %1 du niveau %2 n'a pas de nom.")
                                   .arg(j + 1)
                                   .arg(guillemets(n.nom)));
            } else if (!nom_acceptable(c)) {
                erreurs.append(refuse_comme_dossier(QStringLiteral("La classe"), c));
            } else if (classes_vues.contains(c.toCaseFolded())) {
                if (!doublons.contains(c.toCaseFolded()))
                    erreurs.append(
                        QStringLiteral("La classe %1 figure deux fois : chaque classe a son propre "
                                       "dossier.")
                            .arg(guillemets(c)));
                doublons.insert(c.toCaseFolded());
            }
            classes_vues.insert(c.toCaseFolded());
        }
    }
    return erreurs;
}

int historiques_laisses(const QString& dossier_eleves, const QString& ancien_nom, const QString& nouveau_nom)
{
    if (ancien_nom == nouveau_nom || ancien_nom.isEmpty() || !nom_dossier_valide(ancien_nom))
        return 0;
    return int(
        fichiers_du_dossier(QDir(dossier_eleves).filePath(ancien_nom), QStringLiteral("*.txt")).size());
}

void ecrit_etablissement(FichierIni& ini, const QString& annee_scolaire, const Etablissement& e)
{
    ini.ecrit_texte(cles::etablissement, cles::nom, e.nom);
    ini.ecrit_texte(cles::etablissement, cles::niveaux_et_classes(annee_scolaire), ecrit_niveaux(e.niveaux));
}
