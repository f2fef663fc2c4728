#pragma once

#include "teacher/statistiques_collecte.h"

#include <QWidget>

class CasesClasses;
class QComboBox;
class QDateEdit;
class QRadioButton;
class Session;
class TStats;

// The two folder selectors of the page: establishment, then its school years.
class ChoixDossiersStats : public QWidget
{
    Q_OBJECT
public:
    ChoixDossiersStats(
        const QString& nom_etablissements, const QString& nom_annees, QWidget* parent = nullptr);
    void remplit(const QString& dossier_eleves);

private:
    void change_etablissement();

    QString m_dossier_eleves;
    QComboBox* m_etablissements = nullptr;
    QComboBox* m_annees = nullptr;
};

// "Statistiques produits": which classes and which test, then "Lancer calcul" opens the per-product
// statistics of the gathered tests.
class PageStatProduits : public QWidget
{
    Q_OBJECT
public:
    explicit PageStatProduits(Session& session, QWidget* parent = nullptr);

    CasesClasses* classes() const { return m_classes; }
    TStats* stats() const { return m_stats; }
    // On the console's opening: the selectors and the dates (1 September of the school year, today).
    void ouvre();
    void Button_statsClick();
    // What "Lancer calcul" gathers, without the window.
    Collecte collecte() const;

private:
    ChoixTestAnalyse choix() const;

    Session& m_session;
    CasesClasses* m_classes = nullptr;
    ChoixDossiersStats* m_selecteurs = nullptr;
    QRadioButton* m_premier = nullptr;
    QRadioButton* m_dernier = nullptr;
    QDateEdit* m_date_premier = nullptr;
    QDateEdit* m_date_dernier = nullptr;
    TStats* m_stats = nullptr;
};
