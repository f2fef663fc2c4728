#include "storage/historique_lecture.h"

#include "core/faits.h"
#include "storage/dossiers.h"
#include "storage/fichier_texte.h"
#include "storage/historique_lignes.h"

#include <QFile>
#include <QSet>
#include <QStringView>

namespace {

struct Jour
{
    QString cle;
    qsizetype debut = 0; // first line after the day's first header
    qsizetype fin = 0; // the next header of another day, or the end
};

// test_complet over the products expanded once for the whole history: every product is the code of one
// whole 12-character record of the run (a second chance counts as well as a first answer).
bool couvre(const QString& enregistrements, const QStringList& produits)
{
    if (produits.isEmpty())
        return false;
    QSet<QStringView> codes;
    const qsizetype nombre = enregistrements.size() / 12;
    codes.reserve(nombre);
    for (qsizetype i = 0; i < nombre; ++i)
        codes.insert(QStringView(enregistrements).mid(i * 12 + 1, 4));
    return std::all_of(
        produits.cbegin(), produits.cend(), [&](const QString& p) { return codes.contains(p); });
}

} // namespace

DonneesHistorique recupere_donnees(const QStringList& historique, const QString& objectifs,
    bool masquer_incomplets, int T, const QString& cle_aujourdhui)
{
    DonneesHistorique d;
    const QStringList produits = produits_des_tables(objectifs);
    const qsizetype n = historique.size();
    qsizetype i = 0;
    while (i < n && !est_entete_seance(historique[i]))
        ++i;
    while (i < n) {
        Jour jour {cle_date_entete(historique[i]), i + 1, n};
        d.derniere_cle = jour.cle;
        qsizetype j = i + 1;
        for (; j < n; ++j) {
            if (!est_entete_seance(historique[j]))
                continue;
            const QString cle = cle_date_entete(historique[j]);
            if (cle != jour.cle)
                break;
            d.derniere_cle = cle;
        }
        jour.fin = j;

        for (qsizetype k = jour.debut; k < jour.fin; ++k) {
            const QString& ligne = historique[k];
            if (!est_ligne_test(ligne))
                continue;
            const QString enregistrements = enregistrements_de_ligne(ligne);
            if (masquer_incomplets && !couvre(enregistrements, produits))
                continue;
            d.jours_tests.append({jour.cle, pourcentage_tables(enregistrements, objectifs, T)});
            d.lignes_tests_retenues.append(ligne);
            d.dernier_test = enregistrements;
            break;
        }
        i = j;
    }
    d.seance_deja_aujourdhui = !d.derniere_cle.isEmpty() && d.derniere_cle == cle_aujourdhui;
    return d;
}

void recupere_donnees(EtatEleve& eleve, const Reglages& reglages, const QString& cle_aujourdhui)
{
    DonneesHistorique d = recupere_donnees(eleve.historique, eleve.objectifs,
        reglages.masquer_tests_incomplets, reglages.temps_reponse_acceptable, cle_aujourdhui);
    eleve.jours_tests = std::move(d.jours_tests);
    eleve.lignes_tests_retenues = std::move(d.lignes_tests_retenues);
    eleve.dernier_test = std::move(d.dernier_test);
    eleve.seance_deja_aujourdhui = d.seance_deja_aujourdhui;
}

ChargementHistorique charge_historique(EtatEleve& eleve)
{
    const QString chemin = chemin_normalise(eleve.identite.chemin_historique);
    eleve.historique.clear();
    eleve.historique_illisible = false;
    eleve.nouvel_eleve = !QFile::exists(chemin);
    if (eleve.nouvel_eleve)
        return ChargementHistorique::absent;
    auto lignes = lit_lignes(chemin);
    if (!lignes) {
        eleve.historique_illisible = true;
        return ChargementHistorique::illisible;
    }
    eleve.historique = std::move(*lignes);
    return ChargementHistorique::lu;
}
