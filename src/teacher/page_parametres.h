#pragma once

#include "storage/fichier_ini.h"
#include "teacher/regles_parametres.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

// The "Paramètres" page: the program-wide parameters, and the folders and code only the console edits.
class PageParametres : public QWidget
{
    Q_OBJECT
public:
    explicit PageParametres(QWidget* parent = nullptr);

    void charge(const FichierIni& ini);
    // Before a save: one trailing "\" removed from the server path field, shown corrected.
    void corrige_chemin_serveur();
    void ecrit(FichierIni& ini) const;

Q_SIGNALS:
    void enregistrement_demande();

private:
    QLineEdit* m_serveur = nullptr;
    QLineEdit* m_reseau = nullptr;
    QLineEdit* m_mono = nullptr;
    QLineEdit* m_statistiques = nullptr;
    QLineEdit* m_code = nullptr;
    QPushButton* m_enregistrer = nullptr;
};
