#include "storage/objectifs_tests_complets.h"

#include "core/faits.h"
#include "storage/configuration.h"
#include "storage/fichier_ini.h"
#include "storage/niveaux.h"

ObjectifsTestsComplets ObjectifsTestsComplets::de_la_configuration(
    const FichierIni& configuration, const Reglages& reglages, const QString& annee)
{
    ObjectifsTestsComplets o;
    o.objectifs_niveaux
        = configuration.lit_texte(cles::etablissement, cles::objectifs_classiques_niveaux, QString());
    o.niveaux = annee.isEmpty() ? QVector<Niveau>()
                                : lit_niveaux(configuration.lit_texte(cles::etablissement,
                                                  cles::niveaux_et_classes(annee), QString()))
                                      .niveaux;
    if (o.niveaux.isEmpty())
        o.niveaux = reglages.niveaux;
    o.par_defaut = reglages.objectifs_par_defaut;
    return o;
}

QString ObjectifsTestsComplets::du_niveau(const QString& niveau) const
{
    // As a pupil of the level is set up: its tables when they name known products, else the defaults.
    if (const auto tables = objectifs_du_niveau(objectifs_niveaux, niveau);
        tables && !garde_produits_connus(produits_des_tables(*tables)).isEmpty())
        return *tables;
    if (par_defaut.contains(QLatin1String("table")))
        return par_defaut;
    const QString tables = tables_des_produits(garde_produits_connus(produits_des_objectifs(par_defaut)));
    return tables.isEmpty() ? QStringLiteral("tables_classiques") : tables;
}

QString ObjectifsTestsComplets::de_la_classe(const QString& classe) const
{
    for (const Niveau& n : niveaux)
        if (n.classes.contains(classe, Qt::CaseInsensitive))
            return du_niveau(n.nom);
    return du_niveau(QString());
}
