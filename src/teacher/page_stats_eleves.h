#pragma once

#include "teacher/regles_index_ecole.h"

#include "teacher/regles_progression.h"
#include "teacher/regles_stats_eleves.h"

#include <QWidget>

class CasesClasses;
class ChoixTestAffiche;
class QRadioButton;
class SelecteurEtablissement;
class Session;
class Tstats_el;

// "Statistiques élèves": what to compare (abscissa), what to show (ordinate), which test, which classes;
// "Calculer" draws the chart in `Tstats_el`.
class PageStatsEleves : public QWidget
{
    Q_OBJECT
public:
    explicit PageStatsEleves(Session& session, QWidget* parent = nullptr);

    CasesClasses* cases_classes() const { return m_classes; }
    Tstats_el* fenetre_graphique() const { return m_stats_el; }
    // On the console's opening: the dates (1 September of the school year, today) and the folder lists.
    void montre();

    QString cle_abscisse() const;
    QString cle_ordonnee() const;
    ParametresStats parametres() const;

    void Button1Click();
    // "Progression": the weekly mean score of the ticked classes over the school year.
    void Button_progressionClick();
    ParametresProgression parametres_progression() const;

private:
    void active_nb_el();
    void desactive_nb_el();

    Session& m_session;
    IndexEcole m_index;
    QRadioButton* m_classe = nullptr;
    QRadioButton* m_niveau = nullptr;
    QRadioButton* m_score_x = nullptr;
    QRadioButton* m_rapidite_x = nullptr;
    QRadioButton* m_score_y = nullptr;
    QRadioButton* m_rapidite_y = nullptr;
    QRadioButton* m_nb_eleves = nullptr;
    QRadioButton* m_pourcentage = nullptr;
    ChoixTestAffiche* m_test = nullptr;
    SelecteurEtablissement* m_selecteur = nullptr;
    CasesClasses* m_classes = nullptr;
    Tstats_el* m_stats_el = nullptr;
};
