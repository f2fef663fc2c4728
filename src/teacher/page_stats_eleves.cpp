#include "teacher/page_stats_eleves.h"

#include "seance/session.h"
#include "teacher/cases_classes.h"
#include "teacher/choix_test_affiche.h"
#include "teacher/graphique_progression.h"
#include "teacher/regles_exports.h"
#include "teacher/selecteur_etablissement.h"
#include "teacher/tstats_el.h"
#include "ui/boites.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QRadioButton* choix(QWidget* parent, const char* nom, const QString& texte, int y)
{
    auto* r = new QRadioButton(texte, parent);
    r->setObjectName(QLatin1String(nom));
    r->setAccessibleName(texte);
    r->setGeometry(12, y, 190, 22);
    return r;
}

} // namespace

PageStatsEleves::PageStatsEleves(Session& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("stat_class"));

    auto* abscisses = new QGroupBox(QStringLiteral("Comparer par (abcsisses):"), this);
    abscisses->setGeometry(10, 10, 240, 140);
    m_classe = choix(abscisses, "RadioButton4", QStringLiteral("Classe"), 24);
    m_niveau = choix(abscisses, "RadioButton5", QStringLiteral("Niveau"), 50);
    m_score_x = choix(abscisses, "RadioButton11", QStringLiteral("Score"), 76);
    m_rapidite_x = choix(abscisses, "RadioButton12", QStringLiteral("Rapidité"), 102);
    // Choices kept for a later version: never shown, never selectable.
    const char* noms_caches[]
        = {"RadioButton6", "RadioButton7", "RadioButton8", "RadioButton9", "RadioButton10"};
    const QStringList caches {QStringLiteral("Âge"), QStringLiteral("Sexe"),
        QStringLiteral("Retard scolaire"), QStringLiteral("École d'origine"),
        QStringLiteral("Moyenne de maths")};
    for (int i = 0; i < caches.size(); ++i) {
        QRadioButton* r = choix(abscisses, noms_caches[i], caches[i], 102);
        r->setEnabled(false);
        r->hide();
    }

    auto* ordonnees = new QGroupBox(QStringLiteral("Représenter (ordonnées):"), this);
    ordonnees->setGeometry(270, 10, 240, 140);
    m_score_y = choix(ordonnees, "RadioButton13", QStringLiteral("Score"), 24);
    m_rapidite_y = choix(ordonnees, "RadioButton14", QStringLiteral("Rapidité"), 50);
    m_nb_eleves = choix(ordonnees, "RadioButton18", QStringLiteral("Nb élèves"), 76);
    m_pourcentage = choix(ordonnees, "RadioButton19", QStringLiteral("% élèves"), 102);

    m_test = new ChoixTestAffiche(QStringLiteral("Quel test analyser:"),
        {QStringLiteral("RadioButton1"), QStringLiteral("DateTimePicker1"), QStringLiteral("RadioButton3"),
            QStringLiteral("DateTimePicker3")},
        this);
    m_test->setGeometry(10, 160, 360, 84);

    // The computation reads the school year in progress; these lists are there as on the other pages.
    m_selecteur
        = new SelecteurEtablissement(QStringLiteral("ComboBox5"), QStringLiteral("ComboBox6"), false, this);
    m_selecteur->setGeometry(540, 10, 360, 70);

    m_classes = new CasesClasses(QStringLiteral("CheckBox_el_"), this);
    m_classes->move(10, 256);

    auto* calculer = new QPushButton(QStringLiteral("Calculer"), this);
    calculer->setObjectName(QStringLiteral("Button1"));
    calculer->setAccessibleName(calculer->text());
    calculer->setGeometry(780, 490, 110, 32);
    connect(calculer, &QPushButton::clicked, this, &PageStatsEleves::Button1Click);
    auto* progression = new QPushButton(QStringLiteral("Progression"), this);
    progression->setObjectName(QStringLiteral("Button_progression"));
    progression->setAccessibleName(progression->text());
    progression->setToolTip(
        QStringLiteral("Score moyen des classes cochées, semaine par semaine de l'année"));
    progression->setGeometry(660, 490, 110, 32);
    connect(progression, &QPushButton::clicked, this, &PageStatsEleves::Button_progressionClick);

    m_niveau->setChecked(true);
    desactive_nb_el();
    m_rapidite_y->setChecked(true);
    for (QRadioButton* r : {m_classe, m_niveau})
        connect(r, &QRadioButton::clicked, this, &PageStatsEleves::desactive_nb_el);
    for (QRadioButton* r : {m_score_x, m_rapidite_x})
        connect(r, &QRadioButton::clicked, this, &PageStatsEleves::active_nb_el);

    m_stats_el = new Tstats_el(this);
}

void PageStatsEleves::active_nb_el()
{
    m_score_y->setEnabled(false);
    m_rapidite_y->setEnabled(false);
    m_nb_eleves->setEnabled(true);
    m_pourcentage->setEnabled(true);
    m_nb_eleves->setChecked(true);
}

void PageStatsEleves::desactive_nb_el()
{
    m_score_y->setEnabled(true);
    m_score_y->setChecked(true);
    m_rapidite_y->setEnabled(true);
    m_nb_eleves->setEnabled(false);
    m_pourcentage->setEnabled(false);
}

void PageStatsEleves::montre()
{
    m_test->initialise(m_session.horloge().date_heure().date());
    m_selecteur->remplit(m_session.reglages().dossier_eleves, m_session.reglages().nom_etablissement);
}

QString PageStatsEleves::cle_abscisse() const
{
    if (m_classe->isChecked())
        return axes_stats::classe;
    if (m_score_x->isChecked())
        return axes_stats::score;
    if (m_rapidite_x->isChecked())
        return axes_stats::rapidite;
    return axes_stats::niveau;
}

QString PageStatsEleves::cle_ordonnee() const
{
    if (m_score_y->isChecked())
        return axes_stats::score;
    if (m_nb_eleves->isChecked())
        return axes_stats::nb_eleves;
    if (m_pourcentage->isChecked())
        return axes_stats::pourcentage_eleves;
    return axes_stats::rapidite;
}

ParametresStats PageStatsEleves::parametres() const
{
    const Reglages& r = m_session.reglages();
    ParametresStats p;
    p.abscisse = cle_abscisse();
    p.ordonnee = cle_ordonnee();
    p.mode = m_test->mode();
    p.date = m_test->date();
    p.masquer_incomplets = r.masquer_tests_incomplets;
    p.objectifs = ObjectifsTestsComplets::de_la_configuration(m_session.configuration(), r, r.annee_scolaire);
    p.temps_acceptable = r.temps_reponse_acceptable;
    p.niveaux = r.niveaux;
    for (const QCheckBox* c : m_classes->cases())
        p.classes_cochees.append(c->isChecked());
    p.dossier_annee = r.dossier_annee;
    p.dossier_etablissement = r.dossier_etablissement;
    return p;
}

void PageStatsEleves::Button1Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DonneesStats d = genere_donnees(
        parametres(), m_index.pour(m_session.reglages().dossier_statistiques_local, m_session.horloge()));
    m_stats_el->montre_donnees(d.texte());
    QApplication::restoreOverrideCursor();
    if (const QString message = message_illisibles(d.illisibles); !message.isEmpty())
        boites::avertissement(this, QStringLiteral("Historiques illisibles"), message);
    m_stats_el->definit_dossier(dossier_des_exports(m_session.reglages().dossier_programme));
    m_stats_el->open();
}

ParametresProgression PageStatsEleves::parametres_progression() const
{
    const Reglages& r = m_session.reglages();
    ParametresProgression p;
    p.dossier_etablissement = r.dossier_etablissement;
    p.annee = r.annee_scolaire;
    p.temps_acceptable = r.temps_reponse_acceptable;
    const QVector<QCheckBox*>& cases = m_classes->cases();
    int i = 0;
    for (const Niveau& n : r.niveaux)
        for (const QString& c : n.classes)
            if (i < cases.size() && cases[i++]->isChecked())
                p.classes << c;
    return p;
}

void PageStatsEleves::Button_progressionClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DonneesProgression d = progression_classes(parametres_progression());
    QApplication::restoreOverrideCursor();
    m_stats_el->montre_graphique(graphique_progression_classes(d),
        QStringLiteral("Progression %1").arg(d.annee), d.lignes_csv(), description_progression_classes(d));
    if (const QString message = message_illisibles(d.illisibles); !message.isEmpty())
        boites::avertissement(this, QStringLiteral("Historiques illisibles"), message);
    m_stats_el->definit_dossier(dossier_des_exports(m_session.reglages().dossier_programme));
    m_stats_el->open();
}
