#pragma once

#include "settings/parametres_generaux.h"

#include <QGroupBox>
#include <QVector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// The groups of controls over ParametresGeneraux, written once for the "Réglages" dialog and the teacher
// console's "Paramètres" page. Each group shows a value with `affiche(p)` and puts what the user chose back
// with `recopie(p)`, touching only its own fields; controls carry the names the tests look for
// (`SpinEdit_tmps_ok`, `RadioButton_formule4`, `Edit_formule`…). Embed them in any layout:
//
//     auto* temps = new GroupeTemps(Disposition::console, page);
//     temps->affiche(p);  …  temps->recopie(p);
//
// Before saving, `GroupeApprentissage::refus()` says (in French) why the typed formula cannot be used.

// The console names a few controls and captions differently from the dialog.
enum class Disposition
{
    reglages,
    console
};

// Two exclusive radio buttons "oui" / "non" on one row of a grid, after their caption.
class ChoixOuiNon
{
public:
    ChoixOuiNon() = default;
    ChoixOuiNon(QGridLayout* grille, int ligne, const QString& libelle, const QString& nom_oui,
        const QString& nom_non, QWidget* parent);
    void choisit(bool oui);
    bool oui() const;

private:
    QRadioButton* m_oui = nullptr;
    QRadioButton* m_non = nullptr;
};

// One group of controls over some fields of ParametresGeneraux.
class GroupeParametres : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
    virtual void affiche(const ParametresGeneraux& p) = 0;
    // Puts the user's choices into `p`, touching only this group's fields.
    virtual void recopie(ParametresGeneraux& p) const = 0;
};

// Response times of the test and of perfecting, 1 to 99 seconds.
class GroupeTemps : public GroupeParametres
{
    Q_OBJECT
public:
    explicit GroupeTemps(Disposition disposition, QWidget* parent = nullptr);
    void affiche(const ParametresGeneraux& p) override;
    void recopie(ParametresGeneraux& p) const override;

private:
    QSpinBox* m_acceptable;
    QSpinBox* m_maximum;
    QSpinBox* m_initial;
    QSpinBox* m_final;
};

// Order of the items, block size, learning formula, learning required before perfecting.
class GroupeApprentissage : public GroupeParametres
{
    Q_OBJECT
public:
    explicit GroupeApprentissage(Disposition disposition, QWidget* parent = nullptr);
    void affiche(const ParametresGeneraux& p) override;
    void recopie(ParametresGeneraux& p) const override;
    // Why the chosen formula cannot build a plan; empty when it can.
    QString refus() const;
    // Puts the focus in the free formula field.
    void montre_formule();

private:
    // In creation order, which is the keyboard's order.
    QGroupBox* construit_taille(Disposition d);
    QGroupBox* construit_bloc();
    QGroupBox* construit_formule();
    QString formule_choisie() const;
    void actualise_formule();

    QRadioButton* m_par_tables;
    QRadioButton* m_valeur_produit;
    QSpinBox* m_bloc;
    QButtonGroup* m_formules;
    QVector<QRadioButton*> m_boutons_formule; // the three offered, then "Autre"
    QLineEdit* m_edit_formule;
    QLabel* m_avis_formule;
    ChoixOuiNon m_obligatoire;
};

// Test display options and the per-pupil configuration switch.
class GroupeApparence : public GroupeParametres
{
    Q_OBJECT
public:
    explicit GroupeApparence(Disposition disposition, QWidget* parent = nullptr);
    void affiche(const ParametresGeneraux& p) override;
    void recopie(ParametresGeneraux& p) const override;

private:
    ChoixOuiNon m_chrono;
    ChoixOuiNon m_pause;
    ChoixOuiNon m_masquer;
    ChoixOuiNon m_perso;
};

// "Affichage": "Taille de l'affichage" of this machine, the whole interface enlarged at the next start.
class GroupeAffichage : public GroupeParametres
{
    Q_OBJECT
public:
    explicit GroupeAffichage(QWidget* parent = nullptr);
    void affiche(const ParametresGeneraux& p) override;
    void recopie(ParametresGeneraux& p) const override;

private:
    QComboBox* m_taille;
};

// "Objectifs à atteindre:": the default objectives, classic or extended family.
class GroupeObjectifs : public GroupeParametres
{
    Q_OBJECT
public:
    explicit GroupeObjectifs(QWidget* parent = nullptr);
    void affiche(const ParametresGeneraux& p) override;
    void recopie(ParametresGeneraux& p) const override;

    void RadioButton3Click(); // classic boxes enabled, extended ones disabled
    void RadioButton4Click();

private:
    QRadioButton* m_classiques;
    QRadioButton* m_etendues;
    QVector<QCheckBox*> m_cases; // indexed by table number; 0, 1 and 10 stay empty
};
