#include "storage/historique_enregistrement.h"

#include "core/dates.h"
#include "storage/dossiers.h"
#include "storage/fichier_texte.h"
#include "storage/fusion.h"
#include "storage/historique_lecture.h"
#include "storage/historique_lignes.h"
#include "storage/raccourci.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QString message_repli
    = QStringLiteral("Le serveur ne répond pas : ton travail est enregistré sur cet "
                     "ordinateur et sera recopié sur le serveur au prochain démarrage.");
const QString message_raccourci
    = QStringLiteral("Ton travail est enregistré, mais ton nom n'a pas pu être "
                     "ajouté à ta classe : ce sera refait au prochain enregistrement.");

// Puts the séance block, with its header ended now, at the end of historique. A block added by an earlier
// recording of the same séance is the tail of historique equal to the start of seance_en_cours: it is
// replaced.
void place_bloc(EtatEleve& eleve, const QDateTime& maintenant, const QString& nom_poste)
{
    QStringList& seance = eleve.seance_en_cours;
    QStringList& historique = eleve.historique;
    if (seance.isEmpty())
        return;
    if (seance.first().startsWith(QLatin1Char('S'))) {
        for (qsizetype k = std::min(seance.size(), historique.size()); k >= 1; --k) {
            if (historique.mid(historique.size() - k) == seance.mid(0, k)) {
                historique.remove(historique.size() - k, k);
                break;
            }
        }
        seance.removeFirst();
    }
    const QString jour = eleve.jour_seance.isEmpty() ? nom_jour(maintenant.date()) : eleve.jour_seance;
    const QString date = eleve.date_seance.isEmpty() ? date_texte(maintenant.date()) : eleve.date_seance;
    const QString debut = eleve.heure_debut.isEmpty() ? heure_texte(maintenant.time()) : eleve.heure_debut;
    seance.prepend(ligne_entete_seance(jour, date, debut, heure_texte(maintenant.time()), nom_poste));
    if (seance.size() > 1)
        historique.append(seance);
}

// The start of this séance's header up to its end time: earlier versions of the header share it.
QString debut_entete_seance(const EtatEleve& eleve)
{
    if (eleve.seance_en_cours.isEmpty())
        return {};
    const QString& entete = eleve.seance_en_cours.first();
    return entete.left(entete.indexOf(QStringLiteral(" à ")) + 3);
}

// Another machine that starts brings back into the file the séances it kept while the share was gone: those
// lines are kept, before the séance block, rather than overwritten by the copy loaded at identification.
void reprend_lignes_d_ailleurs(EtatEleve& eleve, const QString& chemin)
{
    // A history found set aside by a killed write is back in place here, and so taken for a changed one.
    const bool present = fichier_present(chemin);
    const QFileInfo info(chemin);
    if (!present
        || (info.size() == eleve.taille_historique_vue
            && info.lastModified().toMSecsSinceEpoch() == eleve.date_historique_vue))
        return;
    const auto sur_disque = lit_lignes(chemin);
    if (!sur_disque)
        return;
    const QSet<QString> connues(eleve.historique.cbegin(), eleve.historique.cend());
    const QString debut_entete = debut_entete_seance(eleve);
    QStringList nouvelles;
    for (const QString& l : *sur_disque) {
        if (!connues.contains(l) && (debut_entete.isEmpty() || !l.startsWith(debut_entete)))
            nouvelles.append(l);
    }
    const qsizetype bloc = eleve.seance_en_cours.size() > 1 ? eleve.seance_en_cours.size() : 0;
    const qsizetype place = eleve.historique.size() - bloc;
    for (qsizetype i = 0; i < nouvelles.size(); ++i)
        eleve.historique.insert(place + i, nouvelles[i]);
}

// Creates the class shortcut (or, without a class in school mode, the "Hors classe" one) of a history just
// written, and makes the class folder missing beside it. A shortcut that fails is only told: the history
// holds the séance, and the next recording tries the shortcut again.
void cree_raccourci_de(const QString& dossier_raccourci, const QString& nom_fichier, const QString& cible,
    ResultatEnregistrement& r)
{
    if (dossier_raccourci.isEmpty())
        return;
    QDir().mkpath(dossier_raccourci);
    if (const Ecriture e = cree_raccourci(dossier_raccourci, nom_fichier, cible); !e)
        r.avertissement = message_raccourci;
}

// The single-machine copy may already hold séances that never reached the server, and an earlier version
// of this séance (same header up to its end time): both are kept once, merged with the lines of now.
std::optional<QStringList> contenu_de_repli(const QString& chemin, const EtatEleve& eleve)
{
    if (!fichier_present(chemin))
        return eleve.historique;
    const auto anciennes = lit_lignes(chemin);
    if (!anciennes)
        return std::nullopt;
    // Merged first, so that the older lines of this séance keep its date and dedupe with the new ones.
    QStringList lignes = fusionne_lignes(*anciennes, eleve.historique);
    if (const QString debut_entete = debut_entete_seance(eleve); !debut_entete.isEmpty()) {
        const QString& entete = eleve.seance_en_cours.first();
        lignes.removeIf([&](const QString& l) { return l.startsWith(debut_entete) && l != entete; });
    }
    return lignes;
}

} // namespace

ResultatEnregistrement EnregistrementSeance(
    EtatEleve& eleve, const Reglages& reglages, const QDateTime& maintenant, const QString& nom_poste)
{
    ResultatEnregistrement r;
    const IdentiteEleve& id = eleve.identite;
    if (!id.identifie())
        return r;
    place_bloc(eleve, maintenant, nom_poste);

    const QString chemin = id.chemin_historique.isEmpty() ? chemin_historique_eleve(reglages, id.nom_fichier)
                                                          : chemin_normalise(id.chemin_historique);
    QString dossier_raccourci;
    if (reglages.mode_ecole) {
        if (!id.dossier_classe.isEmpty()) {
            dossier_raccourci = chemin_normalise(id.dossier_classe);
            QFile::remove(
                chemin_raccourci(dossier_hors_classe(reglages.dossier_etablissement), id.nom_fichier));
        } else {
            dossier_raccourci = dossier_hors_classe(reglages.dossier_etablissement);
        }
    }
    const QString monoposte = dossier_monoposte_etablissement(reglages);
    const QString chemin_repli = monoposte + QLatin1Char('/') + id.nom_fichier + QStringLiteral(".txt");
    const bool sur_ce_poste
        = !reglages.mode_ecole || QDir::cleanPath(chemin_repli) == QDir::cleanPath(chemin);
    if (!eleve.historique_illisible)
        reprend_lignes_d_ailleurs(eleve, chemin);
    // A history that could not be read is never replaced by the séance alone.
    const Ecriture e = eleve.historique_illisible
        ? Ecriture {false, QStringLiteral("L'historique « %1 » n'a pas pu être lu.").arg(chemin)}
        : ecrit_lignes(chemin, eleve.historique);
    if (e) {
        note_fichier_historique(eleve, chemin);
        cree_raccourci_de(dossier_raccourci, id.nom_fichier, chemin, r);
        return r;
    }

    if (sur_ce_poste) {
        r.ok = false;
        r.erreur = QStringLiteral("Ton travail n'a pas pu être enregistré.\n") + e.erreur;
        return r;
    }
    const QString classe = id.classe.isEmpty() && !id.dossier_classe.isEmpty()
        ? QDir(chemin_normalise(id.dossier_classe)).dirName()
        : id.classe;
    const QString raccourci_repli = classe.isEmpty()
        ? dossier_hors_classe(monoposte)
        : monoposte + QLatin1Char('/') + reglages.annee_scolaire + QLatin1Char('/') + classe;
    if (!QDir().mkpath(raccourci_repli)) {
        r.ok = false;
        r.erreur = QStringLiteral("Ton travail n'a pas pu être enregistré.\n") + e.erreur;
        return r;
    }
    const auto lignes = contenu_de_repli(chemin_repli, eleve);
    const Ecriture e2 = lignes
        ? ecrit_lignes(chemin_repli, *lignes)
        : Ecriture {false, QStringLiteral("Impossible de lire « %1 ».").arg(chemin_repli)};
    if (!e2) {
        r.ok = false;
        r.erreur = QStringLiteral("Ton travail n'a pas pu être enregistré.\n") + e.erreur + QLatin1Char('\n')
            + e2.erreur;
        return r;
    }
    r.repli_monoposte = true;
    r.message = message_repli;
    cree_raccourci_de(raccourci_repli, id.nom_fichier, chemin_repli, r);
    return r;
}

ResultatEnregistrement ajoute_activite(EtatEleve& eleve, const Reglages& reglages,
    const QDateTime& maintenant, const QString& nom_poste, const QString& ligne)
{
    eleve.seance_en_cours.append(ligne);
    return EnregistrementSeance(eleve, reglages, maintenant, nom_poste);
}
