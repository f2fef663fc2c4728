#pragma once

#include "teacher/regles_index_ecole.h"

#include "teacher/statistiques_collecte.h"

#include <QWidget>

class CasesClasses;
class ChoixTestAffiche;
class SelecteurEtablissement;
class Session;
class TStats;

// "Statistiques produits": which classes and which test, then "Lancer calcul" opens the per-product
// statistics of the gathered tests.
class PageStatProduits : public QWidget
{
    Q_OBJECT
public:
    explicit PageStatProduits(Session& session, QWidget* parent = nullptr);

    CasesClasses* classes() const { return m_classes; }
    TStats* stats() const { return m_stats; }
    // On the console's opening: the folder selectors and the dates (1 September of the school year, today).
    void ouvre();
    void Button_statsClick();
    // What "Lancer calcul" gathers, without the window.
    Collecte collecte() const;

private:
    ChoixTest choix() const;

    Session& m_session;
    mutable IndexEcole m_index; // a cache of the histories, filled by const reads
    CasesClasses* m_classes = nullptr;
    SelecteurEtablissement* m_selecteurs = nullptr;
    ChoixTestAffiche* m_quel_test = nullptr;
    TStats* m_stats = nullptr;
};
