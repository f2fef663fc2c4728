#pragma once

#include "settings/champs_parametres.h"
#include "storage/fichier_ini.h"
#include "teacher/regles_parametres.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

// The "Paramètres" page: the program-wide parameters (the groups shared with the "Réglages" dialog), and the
// server path, folders, access code and identification only the console edits.
class PageParametres : public QWidget
{
    Q_OBJECT
public:
    explicit PageParametres(QWidget* parent = nullptr);

    void charge(const FichierIni& ini);
    // Why the page cannot be saved (a folder left to the damaged-file text, a newly typed unusable formula),
    // in French; empty when it can.
    QString refus() const;
    void montre_refus();
    // Before a save: one trailing "\" removed from the server path field, shown corrected.
    void corrige_chemin_serveur();
    // Writes every control; the keys the console does not show are left as they are in `ini`.
    void ecrit(FichierIni& ini) const;

Q_SIGNALS:
    void enregistrement_demande();

private:
    ParametresConsole saisie_console() const;

    QLineEdit* m_serveur = nullptr;
    QLineEdit* m_reseau = nullptr;
    QLineEdit* m_mono = nullptr;
    QLineEdit* m_statistiques = nullptr;
    QLineEdit* m_code = nullptr;
    ChoixOuiNon m_identification;
    GroupeTemps* m_temps = nullptr;
    GroupeApprentissage* m_apprentissage = nullptr;
    GroupeApparence* m_apparence = nullptr;
    QPushButton* m_enregistrer = nullptr;
    QString m_formule_lue;
};
