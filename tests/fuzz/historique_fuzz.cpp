#include "outils_fuzz.h"
#include "storage/fichier_texte.h"
#include "storage/fusion.h"
#include "storage/historique_lecture.h"
#include "storage/historique_lignes.h"

#include <QFile>
#include <QSet>
#include <cstdint>

namespace {

const QString aujourdhui = QStringLiteral("Mardi 03/12/2024");

void verifie_donnees(const DonneesHistorique& d, const QSet<QString>& lignes)
{
    EXIGE(d.jours_tests.size() == d.lignes_tests_retenues.size());
    for (const JourTest& jour : d.jours_tests) {
        EXIGE(jour.cle.size() <= 20);
        EXIGE(jour.pourcentage >= -1 && jour.pourcentage <= 100);
    }
    for (const QString& ligne : d.lignes_tests_retenues)
        EXIGE(lignes.contains(ligne) && est_ligne_test(ligne));
    EXIGE(d.lignes_tests_retenues.isEmpty()
            ? d.dernier_test.isEmpty()
            : d.dernier_test == enregistrements_de_ligne(d.lignes_tests_retenues.last()));
}

// A header with its end time blanked: two headers of one séance that differ only there become one line.
QString sans_heure_de_fin(const QString& ligne)
{
    const qsizetype fin = ligne.indexOf(QStringLiteral(" à ")) + 3;
    if (!est_entete_seance(ligne) || fin <= 3)
        return ligne;
    return ligne.left(fin) + QString(8, u' ') + ligne.mid(fin + 8);
}

// Every line of `avant` is still in `apres`, possibly differing in case, or for a header, in its end time.
void aucune_ligne_perdue(const QStringList& avant, const QStringList& apres)
{
    const LignesSansCasse gardees(apres.cbegin(), apres.cend());
    LignesSansCasse entetes;
    for (const QString& l : apres)
        entetes.insert(sans_heure_de_fin(l));
    for (const QString& l : avant)
        EXIGE(gardees.count(l) == 1 || (est_entete_seance(l) && entetes.count(sans_heure_de_fin(l)) == 1));
}

void verifie_lecture(const QStringList& lignes)
{
    const QSet<QString> ensemble(lignes.cbegin(), lignes.cend());
    QString cle_derniere_entete;
    for (const QString& l : lignes) {
        if (est_entete_seance(l))
            cle_derniere_entete = cle_date_entete(l);
    }
    for (const QString& objectifs :
        {QStringLiteral("tables_classiques"), QStringLiteral("table_7,table_carres")}) {
        const DonneesHistorique tous = recupere_donnees(lignes, objectifs, false, 4, aujourdhui);
        const DonneesHistorique complets = recupere_donnees(lignes, objectifs, true, 4, aujourdhui);
        verifie_donnees(tous, ensemble);
        verifie_donnees(complets, ensemble);
        EXIGE(tous.derniere_cle == cle_derniere_entete && complets.derniere_cle == cle_derniere_entete);
        // Hiding incomplete tests only removes days; a complete test answered every product, so it has a
        // score.
        EXIGE(complets.jours_tests.size() <= tous.jours_tests.size());
        for (const JourTest& jour : complets.jours_tests)
            EXIGE(jour.pourcentage >= 0);
        EXIGE(tous.seance_deja_aujourdhui == (cle_derniere_entete == aujourdhui));
        const DonneesHistorique meme_jour
            = recupere_donnees(lignes, objectifs, false, 4, cle_derniere_entete);
        EXIGE(meme_jour.seance_deja_aujourdhui == !cle_derniere_entete.isEmpty());
    }
}

void verifie_fusion(const QStringList& lignes)
{
    const qsizetype moitie = lignes.size() / 2;
    const QStringList local = lignes.mid(0, moitie);
    const QStringList serveur = lignes.mid(moitie);
    const QStringList fusion = fusionne_lignes(local, serveur);
    EXIGE(fusion.size() <= lignes.size());
    aucune_ligne_perdue(lignes, fusion);
    // Which copy is the server's only decides which of two equal lines is kept.
    const QStringList inverse = fusionne_lignes(serveur, local);
    EXIGE(inverse.size() <= lignes.size());
    aucune_ligne_perdue(lignes, inverse);
    // A copy merged with itself gains nothing.
    EXIGE(fusionne_lignes(lignes, lignes) == fusionne_lignes({}, lignes));
}

// The same bytes as both copies on disk: both files end up holding the merge, as it reads back.
void verifie_fusion_fichiers(const QByteArray& octets)
{
    const QString local = dossier_fuzz() + QStringLiteral("/local.txt");
    const QString serveur = dossier_fuzz() + QStringLiteral("/serveur.txt");
    for (const QString& chemin : {local, serveur}) {
        QFile f(chemin);
        EXIGE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size());
    }
    const auto lues = lit_lignes(local);
    EXIGE(lues.has_value());
    EXIGE(fusionne_historiques(local, serveur).ok);
    const auto apres_local = lit_lignes(local);
    const auto apres_serveur = lit_lignes(serveur);
    EXIGE(apres_local && apres_serveur && *apres_local == *apres_serveur);
    const QStringList fusion = comme_sur_disque(fusionne_lignes(*lues, *lues));
    // Bytes of a UTF-8 mark followed by valid UTF-8 are read as UTF-8: that ambiguity is left aside.
    if (!fusion.isEmpty() && fusion.first().startsWith(depuis_cp1252("\xEF\xBB\xBF")))
        return;
    EXIGE(*apres_local == fusion);
    aucune_ligne_perdue(comme_sur_disque(*lues), *apres_local);
}

} // namespace

// Any bytes as a history file: reading the tested days and merging two copies never lose or invent a line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    const QStringList lignes = decoupe_lignes(depuis_cp1252(octets));
    verifie_lecture(lignes);
    verifie_fusion(lignes);
    verifie_fusion_fichiers(octets);
    return 0;
}
