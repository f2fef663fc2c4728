#pragma once

#include "settings/parametres_generaux.h"

#include <QDialog>
#include <QVector>
#include <functional>

class GroupeApprentissage;
class GroupeParametres;
class QRadioButton;

// "Réglages": the general keys of this machine's Tabrix.ini, read each time the dialog is shown and written
// by "Enregistrer les réglages"; they take effect at the next start.
class Treglages : public QDialog
{
    Q_OBJECT
public:
    // `retablit_verrous` puts Num Lock and Caps Lock back to their states at launch.
    Treglages(const QString& chemin_configuration, std::function<void()> retablit_verrous,
        QWidget* parent = nullptr);

    void FormShow();
    void Button_enregistrer_parametresClick();
    // Closing with changes not saved asks whether to save them first.
    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void affiche();
    ParametresGeneraux choisis() const;
    bool enregistre(); // false when nothing could be written (the user has been told why)

    QString m_chemin;
    std::function<void()> m_retablit_verrous;
    ParametresGeneraux m_parametres;
    QVector<GroupeParametres*> m_groupes;
    GroupeApprentissage* m_apprentissage;
    QRadioButton* m_ecole;
    QRadioButton* m_maison;
};
