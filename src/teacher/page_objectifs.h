#pragma once

#include "teacher/regles_objectifs.h"

#include <QVector>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The "Objectifs à atteindre" page: one row per level, the classic or the extended tables shown.
class PageObjectifs : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ecart_lignes = 25;
    static constexpr int ecart_colonnes = 55;

    explicit PageObjectifs(QWidget* parent = nullptr);

    // Destroys the rows and makes one per level, every box in its starting state.
    void Redimensionne_objectifs(const QStringList& niveaux);
    // Both stored values (empty: the key is missing); "non" is selected when the levels differ.
    void charge(const QString& valeur_classiques, const QString& valeur_etendues);
    Famille famille() const;
    // The key and the value of the family shown, as enregistrement_objectifs writes them.
    QString cle() const;
    QString valeur() const { return m_grille.valeur(famille()); }
    const GrilleObjectifs& grille() const { return m_grille; }

Q_SIGNALS:
    void enregistrement_demande();

private:
    void RadioButton42Click();
    void coche_colonne(int ligne, QCheckBox* boite);
    void affiche_cases();

    GrilleObjectifs m_grille;
    QWidget* m_lignes = nullptr;
    QVector<QLineEdit*> m_noms;
    QVector<QVector<QCheckBox*>> m_cases; // [row][table number], null outside 2…9 and 11…19
    QRadioButton* m_classiques = nullptr;
    QRadioButton* m_etendues = nullptr;
    QRadioButton* m_oui = nullptr;
    QRadioButton* m_non = nullptr;
    QPushButton* m_enregistrer = nullptr;
};
