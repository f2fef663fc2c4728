#include "teacher/page_stats_eleves.h"

#include "app/logique/session.h"
#include "storage/dossiers.h"
#include "teacher/cases_classes.h"
#include "teacher/regles_exports.h"
#include "teacher/tstats_el.h"
#include "ui/boites.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
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

QDateEdit* date(QWidget* parent, const char* nom, const QString& invite, int y)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(QLatin1String(nom));
    d->setAccessibleName(invite);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    d->setGeometry(200, y, 110, 24);
    return d;
}

QComboBox* liste(QWidget* parent, const char* nom, const QString& invite, int y)
{
    auto* etiquette = new QLabel(invite, parent);
    etiquette->setGeometry(560, y, 120, 24);
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(nom));
    c->setAccessibleName(invite);
    c->setGeometry(680, y, 210, 24);
    etiquette->setBuddy(c);
    return c;
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

    auto* test = new QGroupBox(QStringLiteral("Quel test analyser:"), this);
    test->setGeometry(10, 160, 330, 84);
    m_premier = choix(test, "RadioButton1", QStringLiteral("le premier à partir du"), 22);
    m_dernier = choix(test, "RadioButton3", QStringLiteral("le dernier au"), 52);
    m_date_premier = date(test, "DateTimePicker1", m_premier->text(), 21);
    m_date_dernier = date(test, "DateTimePicker3", m_dernier->text(), 51);

    m_etablissements = liste(this, "ComboBox5", QStringLiteral("Etablissement:"), 20);
    m_annees = liste(this, "ComboBox6", QStringLiteral("Année scolaire:"), 50);
    connect(m_etablissements, &QComboBox::currentTextChanged, this, &PageStatsEleves::remplit_annees);

    m_classes = new CasesClasses(QStringLiteral("CheckBox_el_"), this);
    m_classes->move(10, 256);

    auto* calculer = new QPushButton(QStringLiteral("Calculer"), this);
    calculer->setObjectName(QStringLiteral("Button1"));
    calculer->setAccessibleName(calculer->text());
    calculer->setGeometry(780, 490, 110, 32);
    connect(calculer, &QPushButton::clicked, this, &PageStatsEleves::Button1Click);

    m_niveau->setChecked(true);
    m_rapidite_y->setChecked(true);
    m_dernier->setChecked(true);
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
    const QDate aujourdhui = m_session.horloge().date_heure().date();
    m_date_premier->setDate(rentree_scolaire(m_session.reglages().annee_scolaire, aujourdhui));
    m_date_dernier->setDate(aujourdhui);
    const QSignalBlocker bloque(m_etablissements);
    m_etablissements->clear();
    m_etablissements->addItems(sous_dossiers(m_session.reglages().dossier_eleves));
    remplit_annees();
}

void PageStatsEleves::remplit_annees()
{
    m_annees->clear();
    if (m_etablissements->currentText().isEmpty())
        return;
    m_annees->addItems(
        sous_dossiers(QDir(m_session.reglages().dossier_eleves).filePath(m_etablissements->currentText()),
            QStringLiteral("2*")));
    m_annees->setCurrentIndex(m_annees->count() - 1);
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
    p.mode = m_premier->isChecked() ? ModeChoixTest::premier : ModeChoixTest::dernier;
    p.date = (p.mode == ModeChoixTest::premier ? m_date_premier : m_date_dernier)
                 ->date()
                 .toString(QStringLiteral("dd/MM/yyyy"));
    p.masquer_incomplets = r.masquer_tests_incomplets;
    // Without a pupil identified there are no objectives to hold: a complete test is one of the tables 2
    // to 9.
    p.objectifs = m_session.eleve().objectifs.isEmpty() ? QStringLiteral("tables_classiques")
                                                        : m_session.eleve().objectifs;
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
    const DonneesStats d = genere_donnees(parametres());
    m_stats_el->montre_donnees(d.texte());
    QApplication::restoreOverrideCursor();
    if (const QString message = message_illisibles(d.illisibles); !message.isEmpty())
        boites::avertissement(this, QStringLiteral("Historiques illisibles"), message);
    m_stats_el->definit_dossier(dossier_des_exports(m_session.reglages().dossier_programme));
    m_stats_el->open();
}
