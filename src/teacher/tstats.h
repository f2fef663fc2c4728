#pragma once

#include "teacher/statistiques_produits.h"

#include <QDialog>
#include <QVector>

class QCheckBox;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
struct Ecriture;

// "Statistiques par produits": the 64 classic products of the gathered tests as coloured cells, and the
// wrong results the pupils gave. Shown by the console's page "Statistiques produits".
class TStats : public QDialog
{
    Q_OBJECT
public:
    explicit TStats(QWidget* parent = nullptr);

    // The runs of records of the tested pupils, N (every pupil of the ticked classes) and T in seconds.
    void prepare(const QStringList& reponses, int N, int T);

    void Button_calculerClick(); // calcule
    void trie_confusions(); // trie, on the lines shown
    Ecriture enregistre(const QString& chemin) const; // the grid and the list as CSV
    bool imprime(QPrinter& imprimante) const; // the grid and the list on one page

    const Calcul& calcul() const { return m_calcul; }
    const QStringList& lignes_confusions() const { return m_lignes; }
    ModeAffichage mode() const;
    Categories cochees() const;
    TriConfusions tri() const;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void construit();
    void construit_grille();
    void construit_confusions();
    void FormShow();
    void RadioButtonClick(ModeAffichage mode);
    void CheckBox_repClick(int categorie);
    void SpinEdit2Change(int valeur);
    void Button4Click();
    void Button2Click();
    void montre_case(int k, const CaseAffichee& c);
    void dessine(QPainter& p, const QRectF& page) const;

    QStringList m_reponses;
    int m_N = 0;
    int m_T = 4;
    Calcul m_calcul;
    QStringList m_lignes;
    std::array<unsigned int, nombre_cases> m_couleurs {}; // as shown, colours left as they were included

    QVector<QLabel*> m_cases;
    QVector<QRadioButton*> m_modes;
    QVector<QCheckBox*> m_categories;
    QVector<QRadioButton*> m_tris;
    QSpinBox* m_spin = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QLabel* m_label_confusions = nullptr;
    QLabel* m_label_nb_eleves = nullptr;
    QLabel* m_label_total = nullptr; // "élèves au total", after the number
};
