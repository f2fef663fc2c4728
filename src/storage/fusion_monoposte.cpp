#include "storage/fusion_monoposte.h"

#include "storage/dossiers.h"
#include "storage/fichier_texte.h"
#include "storage/fusion.h"
#include "storage/raccourci.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Copies or merges one history into the server; true when the server holds all its lines.
bool ramene_historique(const QString& local, const QString& serveur, QStringList& erreurs)
{
    if (fichier_present(serveur)) {
        if (auto e = fusionne_historiques(local, serveur); !e) {
            erreurs.append(e.erreur);
            return false;
        }
        return true;
    }
    const auto lignes = lit_lignes(local);
    if (!lignes) {
        erreurs.append(QStringLiteral("Impossible de lire « %1 ».").arg(local));
        return false;
    }
    if (auto e = ecrit_lignes(serveur, *lignes); !e) {
        erreurs.append(e.erreur);
        return false;
    }
    return true;
}

// The class folders of this machine holding the pupil's shortcut, paired with their place on the server:
// every school year found locally, and "Hors classe".
QVector<QPair<QString, QString>> dossiers_de_raccourcis(const QString& m, const QString& v)
{
    QVector<QPair<QString, QString>> paires;
    paires.append({dossier_hors_classe(m), dossier_hors_classe(v)});
    for (const QString& annee : sous_dossiers(m, QStringLiteral("2*"))) {
        for (const QString& classe : sous_dossiers(m + QLatin1Char('/') + annee))
            paires.append({m + QLatin1Char('/') + annee + QLatin1Char('/') + classe,
                v + QLatin1Char('/') + annee + QLatin1Char('/') + classe});
    }
    return paires;
}

} // namespace

ResultatNettoyage nettoie_doublons_monoposte_serveur(
    const Reglages& reglages, const std::function<bool(const QString&)>& corbeille)
{
    ResultatNettoyage r;
    const auto jette = [&](const QString& chemin) {
        const bool parti = corbeille ? corbeille(chemin) : envoie_a_la_corbeille(chemin);
        if (parti)
            r.envoye_a_la_corbeille = true;
        else
            r.erreurs.append(QStringLiteral("Impossible d'envoyer « %1 » à la corbeille.").arg(chemin));
    };
    const QString m = QDir::cleanPath(dossier_monoposte_etablissement(reglages));
    const QString v = QDir::cleanPath(chemin_normalise(reglages.dossier_etablissement));
    if (reglages.nom_etablissement.isEmpty() || m == v || !QFileInfo(m).isDir() || !QFileInfo(v).isDir())
        return r;

    const auto paires = dossiers_de_raccourcis(m, v);
    for (const QString& f : fichiers_du_dossier(m, QStringLiteral("*.txt"))) {
        const QString local = m + QLatin1Char('/') + f;
        const QString serveur = v + QLatin1Char('/') + f;
        if (!ramene_historique(local, serveur, r.erreurs))
            continue;
        jette(local);

        const QString nom = QFileInfo(f).completeBaseName();
        for (const auto& [ici, la_bas] : paires) {
            const QString raccourci = chemin_raccourci(ici, nom);
            if (!fichier_present(raccourci))
                continue;
            if (!QDir().mkpath(la_bas)) {
                r.erreurs.append(QStringLiteral("Impossible de créer le dossier « %1 ».").arg(la_bas));
                continue;
            }
            if (auto e = cree_raccourci(la_bas, nom, serveur); !e) {
                r.erreurs.append(e.erreur);
                continue;
            }
            jette(raccourci);
        }
    }
    return r;
}
