#pragma once

#include "teacher/regles_index_ecole.h"

#include "teacher/regles_liste_eleves.h"

#include <QWidget>
#include <functional>

class ArbreEleves;
class ChoixTestAffiche;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSplitter;
class SelecteurEtablissement;
class Tstats_el;
class Session;
class VueResumeEleve;

// "Suivi de classes": the pupils of a school year as a tree with the result of the chosen test, the summary
// of the selected pupil, the printing of the list.
class PageSuivi : public QWidget
{
    Q_OBJECT
public:
    explicit PageSuivi(Session& session, QWidget* parent = nullptr);

    // On opening: the establishment folders, the school years, the dates of the test choice.
    void remplit();
    // Builds the list, its files and the tree (`Button3`, "Créer liste élèves" then "Rafraîchir liste").
    void creation_liste_eleves();
    void Button_devClick();
    void Button_redClick();
    void Button_impr_listClick();
    // The selected pupil's extra time, chosen in a box and kept in his own file.
    void Button_amenagementsClick();
    // The selected pupil's progress chart in its own window, to save (PNG and CSV) or print.
    void Button_progression_eleveClick();

    OptionsListeEleves options() const;
    const ListeEleves& liste() const { return m_liste; }
    ArbreEleves* arbre() const { return m_arbre; }
    VueResumeEleve* resume() const { return m_resume; }
    SelecteurEtablissement* selecteur() const { return m_selecteur; }
    ChoixTestAffiche* test_affiche() const { return m_test; }
    // The pupil reports' export buttons ("Enregistrer", "Imprimer"), disabled until connected.
    QPushButton* bouton_enregistrer() const { return m_enregistrer; }
    QPushButton* bouton_imprimer() const { return m_imprimer; }
    QPushButton* bouton_amenagements() const { return m_amenagements; }
    Tstats_el* fenetre_progression() const { return m_progression; }
    QString chemin_liste() const;

private:
    void TreeView1Changing(int index);

    Session& m_session;
    IndexEcole m_index;
    ListeEleves m_liste;
    SelecteurEtablissement* m_selecteur = nullptr;
    ChoixTestAffiche* m_test = nullptr;
    QRadioButton* m_score = nullptr;
    QRadioButton* m_rapidite = nullptr;
    QRadioButton* m_tri_nom = nullptr;
    QRadioButton* m_tri_resultat = nullptr;
    QRadioButton* m_tri_date = nullptr;
    QPushButton* m_creer = nullptr;
    QPushButton* m_developper = nullptr;
    QPushButton* m_reduire = nullptr;
    QPushButton* m_imprimer_liste = nullptr;
    QPushButton* m_enregistrer = nullptr;
    QPushButton* m_imprimer = nullptr;
    QPushButton* m_amenagements = nullptr;
    QPushButton* m_progression_eleve = nullptr;
    Tstats_el* m_progression = nullptr;
    QString m_historique_choisi; // history of the pupil shown, empty for a class or the top line
    QString m_classe_choisie;
    ArbreEleves* m_arbre = nullptr;
    VueResumeEleve* m_resume = nullptr;
    QSplitter* m_partage = nullptr;
};

// Sends the lines to the printer in "Courier New", one printed line per line, over as many pages as needed.
bool imprime_lignes(QPrinter& imprimante, const QStringList& lignes);
