#include "storage/historique_lecture.h"

#include "core/faits.h"
#include "storage/dossiers.h"
#include "storage/fichier_texte.h"
#include "storage/historique_lignes.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringView>

DonneesHistorique recupere_donnees(const QStringList& historique, const QString& objectifs,
    bool masquer_incomplets, int T, const QString& cle_aujourdhui)
{
    DonneesHistorique d;
    const ObjectifsTables tables(objectifs);
    const QString* dernier_retenu = nullptr;
    const qsizetype n = historique.size();
    qsizetype i = 0;
    while (i < n && !est_entete_seance(historique[i]))
        ++i;
    while (i < n) {
        const QString cle = cle_date_entete(historique[i]);
        d.derniere_cle = cle;
        bool retenu = false;
        qsizetype j = i + 1;
        // A later header of the same day continues it; the first test of the day that qualifies is kept.
        for (; j < n; ++j) {
            const QString& ligne = historique[j];
            if (est_entete_seance(ligne)) {
                if (cle_date_entete(ligne) != cle)
                    break;
                continue;
            }
            if (retenu || !ligne.contains(QLatin1String("TEST")))
                continue;
            const QStringView enregistrements = QStringView(ligne).mid(longueur_prefixe_test);
            const auto releve = tables.releve(enregistrements, T);
            if (masquer_incomplets && !releve.complet)
                continue;
            d.jours_tests.append({cle, releve.pourcentage});
            d.lignes_tests_retenues.append(ligne);
            dernier_retenu = &ligne;
            retenu = true;
        }
        i = j;
    }
    if (dernier_retenu)
        d.dernier_test = enregistrements_de_ligne(*dernier_retenu);
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

void note_fichier_historique(EtatEleve& eleve, const QString& chemin)
{
    const QFileInfo info(chemin);
    eleve.taille_historique_vue = info.exists() ? info.size() : -1;
    eleve.date_historique_vue = info.exists() ? info.lastModified().toMSecsSinceEpoch() : 0;
}

ChargementHistorique charge_historique(EtatEleve& eleve)
{
    const QString chemin = chemin_normalise(eleve.identite.chemin_historique);
    eleve.historique.clear();
    eleve.historique_illisible = false;
    eleve.nouvel_eleve = !fichier_present(chemin);
    // Noted before reading: a change made meanwhile is then seen at the next recording.
    note_fichier_historique(eleve, chemin);
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
