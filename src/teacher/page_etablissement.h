#pragma once

#include "teacher/regles_etablissement.h"

#include <QVector>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The "Etablissement" page: the establishment name and the level grid, one column per level.
class PageEtablissement : public QWidget
{
    Q_OBJECT
public:
    static constexpr int gauche_grille = 85;
    static constexpr int ecart_colonnes = 70;
    static constexpr int ecart_classes = 20;

    explicit PageEtablissement(QWidget* parent = nullptr);

    // Levels from 1: columns beyond n are destroyed with their fields, missing ones are made.
    void redimensionne_niveaux(int n);
    void redimensionne_classes(int niveau, int m);
    void montre(const Etablissement& etablissement, const QString& annee_scolaire);
    // The fields as typed (not yet cut).
    Etablissement saisie() const;

Q_SIGNALS:
    void enregistrement_demande();

private:
    struct Colonne
    {
        QSpinBox* spin = nullptr;
        QLineEdit* nom = nullptr;
        QVector<QLineEdit*> classes;
    };
    QLineEdit* champ_nom(const QString& nom_objet, const QString& texte, const QString& accessible);
    void SpinEdit_classes_Change(int niveau, int valeur);
    void ajuste_grille();

    QLineEdit* m_edit2 = nullptr;
    QLabel* m_label_annee = nullptr;
    QSpinBox* m_spin_niveaux = nullptr;
    QWidget* m_grille = nullptr;
    QPushButton* m_enregistrer = nullptr;
    QVector<Colonne> m_colonnes;
};
