#pragma once

#include "core/etat.h"
#include "storage/fichier_texte.h"

#include <QString>
#include <QStringList>
#include <QVector>

// A pupil of the establishment whose name looks like the one being registered, with the class he was in.
struct AncienEleve
{
    QString nom_fichier;
    QString classe;
    int annees = 0; // 1: last school year … 4
};

// What the identification window knows of the folders: the names listed for a class, "Hors classe" or the
// home folder, and the identity each way in (name, code, registration, former pupil) settles.
//
// Every history file lives in the establishment folder (the home folder at home), whatever the class, so
// that a pupil keeps one history when he changes class. A pupil without a class is listed by a marker
// "Hors classe/<base name>.lnk" written at his registration; a history file found in "Hors classe" itself
// is still listed and used where no file of that name exists in the establishment folder.
class IdentificationEleve
{
public:
    IdentificationEleve(const Reglages& reglages, const QString& annee_scolaire);

    static QString aucune() { return QStringLiteral("aucune"); }
    static QString hors_classe() { return QStringLiteral("Hors classe"); }

    // Clears the identity and the list; at home the list is the home folder's pupils.
    void initialisation();
    // The year whose previous four the former-pupil search looks at ("2024-2025").
    void fixe_annee_scolaire(const QString& annee) { m_annee_scolaire = annee; }
    // A class of the level table, or aucune().
    void choisit_classe(const QString& classe);
    bool hors_classe_choisi() const { return m_hors_classe; }
    QString texte_panneau_classe() const; // " Classe: CM1 "

    // File names with their extension, sorted without regard to case.
    const QStringList& liste_eleves_affichee() const { return m_liste; }
    QStringList formes_affichees() const;
    void oublie_liste() { m_liste.clear(); }

    // A name clicked in the list (display form). False when it is not one of the listed pupils.
    bool choisit_nom(const QString& forme);
    // The last listed pupil whose code is `code`. False when none.
    bool verifie_code(const QString& code);

    // Base name built from the two fields; empty when they do not make a pupil's name.
    static QString nom_fichier_inscription(const QString& nom, const QString& prenom);
    QString chemin_historique_de(const QString& nom_fichier) const;
    // School mode and no history of that name yet: the former pupils are worth looking for.
    bool recherche_ancien_eleve_utile(const QString& nom_fichier) const;
    // Pupils of the establishment with a similar name found in a class of the previous four school years,
    // in folder order. Those found in no class are left out: the question would name no class.
    QVector<AncienEleve> anciens_eleves(const QString& nom_fichier) const;
    // Settles the identity of a registered pupil; in "Hors classe", writes his marker. The identity is set
    // even when the marker could not be written (the returned error says why).
    Ecriture inscrit(const QString& nom_fichier);

    const IdentiteEleve& identite() const { return m_identite; }

private:
    void liste_dossier(const QString& dossier, const QStringList& masques);
    QString chemin_pour_entree(const QString& entree) const;
    void remplit_identite(const QString& nom_fichier, const QString& chemin);

    const Reglages& m_reglages;
    QString m_annee_scolaire;
    QString m_dossier_liste;
    QString m_classe;
    QString m_niveau;
    QString m_dossier_classe;
    bool m_hors_classe = false;
    QStringList m_liste;
    IdentiteEleve m_identite;
};
