#include "storage/config_perso.h"
#include "storage/configuration.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

void exige(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

// Any bytes as a Tabrix.ini: reading never fails, and a written key always reads back without disturbing
// the other keys.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    FichierIni ini = FichierIni::depuis_texte(depuis_cp1252(octets));

    const Reglages r = lit_reglages(ini, QStringLiteral("/prog/"));
    exige(r.temps_reponse_maximum >= 1 && r.temps_reponse_maximum <= 99);
    exige(r.nombre_items_par_bloc >= 2 && r.nombre_items_par_bloc <= 4);
    exige(formule_utilisable(r.formule_recursive));

    for (const QString& section : ini.sections()) {
        for (const QString& ligne : ini.lit_section(section)) {
            const QString valeur = ligne.mid(ligne.indexOf(QLatin1Char('=')) + 1);
            const LectureNiveaux niveaux = lit_niveaux(valeur);
            exige(niveaux.niveaux.size() <= niveaux_maximum);
            for (const Niveau& n : niveaux.niveaux) {
                exige(n.classes.size() <= classes_maximum);
                exige(nom_dossier_valide(n.nom) && n.nom.size() <= longueur_nom_maximum);
                for (const QString& c : n.classes)
                    exige(nom_dossier_valide(c) && c.size() <= longueur_nom_maximum);
                objectifs_du_niveau(valeur, n.nom);
            }
            exige(lit_niveaux(ecrit_niveaux(niveaux.niveaux)).niveaux.size() == niveaux.niveaux.size());
        }
    }
    configuration_rentree(ini, QStringLiteral("2024-2025"));
    EtatEleve eleve;
    applique_config_perso(ini, eleve);

    const QStringList avant = ini.lit_section(cles::general);
    const int lignes_avant = int(ini.lignes().size());
    ini.ecrit_texte(cles::parametres, cles::temps_maximum, QStringLiteral("20"));
    exige(ini.lit_entier(cles::parametres, cles::temps_maximum) == 20);
    exige(ini.lignes().size() <= lignes_avant + 3);
    if (QString::compare(cles::general, cles::parametres, Qt::CaseInsensitive) != 0)
        exige(ini.lit_section(cles::general) == avant);
    const FichierIni relu = FichierIni::depuis_texte(depuis_cp1252(vers_cp1252(ini.texte())));
    exige(relu.lit_entier(cles::parametres, cles::temps_maximum) == 20);
    return 0;
}
