#include "teacher/page_stat_produits.h"

#include "app/logique/session.h"
#include "storage/configuration.h"
#include "storage/dossiers.h"
#include "storage/niveaux.h"
#include "teacher/cases_classes.h"
#include "teacher/tstats.h"
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

const QString format_date = QStringLiteral("dd/MM/yyyy");

QLabel* etiquette(const QString& texte, QWidget* parent, const QRect& place)
{
    auto* l = new QLabel(texte, parent);
    l->setGeometry(place);
    return l;
}

} // namespace

ChoixDossiersStats::ChoixDossiersStats(
    const QString& nom_etablissements, const QString& nom_annees, QWidget* parent)
    : QWidget(parent)
{
    etiquette(QStringLiteral("Etablissement:"), this, QRect(0, 0, 200, 20));
    m_etablissements = new QComboBox(this);
    m_etablissements->setObjectName(nom_etablissements);
    m_etablissements->setAccessibleName(QStringLiteral("Etablissement:"));
    m_etablissements->setGeometry(0, 20, 200, 26);
    etiquette(QStringLiteral("Année scolaire:"), this, QRect(0, 52, 200, 20));
    m_annees = new QComboBox(this);
    m_annees->setObjectName(nom_annees);
    m_annees->setAccessibleName(QStringLiteral("Année scolaire:"));
    m_annees->setGeometry(0, 72, 200, 26);
    resize(200, 100);
    connect(m_etablissements, &QComboBox::activated, this, &ChoixDossiersStats::change_etablissement);
}

void ChoixDossiersStats::remplit(const QString& dossier_eleves)
{
    m_dossier_eleves = dossier_eleves;
    m_etablissements->clear();
    m_etablissements->addItems(sous_dossiers(dossier_eleves));
    change_etablissement();
}

void ChoixDossiersStats::change_etablissement()
{
    m_annees->clear();
    if (m_etablissements->currentText().isEmpty())
        return;
    m_annees->addItems(sous_dossiers(
        QDir(m_dossier_eleves).filePath(m_etablissements->currentText()), QStringLiteral("2*")));
    m_annees->setCurrentIndex(m_annees->count() - 1);
}

PageStatProduits::PageStatProduits(Session& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("Stat_prod"));
    m_classes = new CasesClasses(QStringLiteral("CheckBox_"), this);
    m_classes->move(10, 10);

    m_selecteurs = new ChoixDossiersStats(QStringLiteral("ComboBox3"), QStringLiteral("ComboBox4"), this);
    m_selecteurs->move(10, 330);

    auto* quel_test = new QGroupBox(QStringLiteral("Quel test analyser:"), this);
    quel_test->setObjectName(QStringLiteral("GroupBox_quel_test"));
    quel_test->setGeometry(240, 320, 330, 90);
    m_premier = new QRadioButton(QStringLiteral("le premier à partir du"), quel_test);
    m_premier->setObjectName(QStringLiteral("RadioButton15"));
    m_premier->setAccessibleName(m_premier->text());
    m_premier->setGeometry(10, 24, 180, 24);
    m_dernier = new QRadioButton(QStringLiteral("le dernier au"), quel_test);
    m_dernier->setObjectName(QStringLiteral("RadioButton17"));
    m_dernier->setAccessibleName(m_dernier->text());
    m_dernier->setGeometry(10, 54, 180, 24);
    m_dernier->setChecked(true);
    m_date_premier = new QDateEdit(quel_test);
    m_date_premier->setObjectName(QStringLiteral("DateTimePicker4"));
    m_date_premier->setAccessibleName(m_premier->text());
    m_date_dernier = new QDateEdit(quel_test);
    m_date_dernier->setObjectName(QStringLiteral("DateTimePicker6"));
    m_date_dernier->setAccessibleName(m_dernier->text());
    for (QDateEdit* d : {m_date_premier, m_date_dernier}) {
        d->setDisplayFormat(format_date);
        d->setCalendarPopup(true);
    }
    m_date_premier->setGeometry(200, 22, 120, 26);
    m_date_dernier->setGeometry(200, 52, 120, 26);

    auto* lancer = new QPushButton(QStringLiteral("Lancer calcul"), this);
    lancer->setObjectName(QStringLiteral("Button_stats"));
    lancer->setAccessibleName(lancer->text());
    lancer->setGeometry(600, 350, 150, 34);
    connect(lancer, &QPushButton::clicked, this, &PageStatProduits::Button_statsClick);

    m_stats = new TStats(this);
}

void PageStatProduits::ouvre()
{
    const Reglages& r = m_session.reglages();
    m_selecteurs->remplit(r.dossier_eleves);
    const QDate aujourdhui = m_session.horloge().date_heure().date();
    const int debut_annee = r.annee_scolaire.left(4).toInt();
    m_date_premier->setDate(debut_annee > 0 ? QDate(debut_annee, 9, 1) : aujourdhui);
    m_date_dernier->setDate(aujourdhui);
}

ChoixTestAnalyse PageStatProduits::choix() const
{
    ChoixTestAnalyse c;
    c.mode = m_premier->isChecked() ? ModeChoixTest::premier : ModeChoixTest::dernier;
    c.date = (m_premier->isChecked() ? m_date_premier : m_date_dernier)->date().toString(format_date);
    c.masquer_incomplets = m_session.reglages().masquer_tests_incomplets;
    return c;
}

Collecte PageStatProduits::collecte() const
{
    const Reglages& r = m_session.reglages();
    const QString objectifs_niveaux = m_session.configuration().lit_texte(
        cles::etablissement, cles::objectifs_classiques_niveaux, QString());
    QVector<ClasseChoisie> choisies;
    // Always the classes of the current school year, whatever the selectors show.
    for (int i = 1; i <= r.niveaux.size(); ++i) {
        const Niveau& niveau = r.niveaux.at(i - 1);
        for (int j = 1; j <= niveau.classes.size(); ++j) {
            const auto* coche
                = m_classes->findChild<QCheckBox*>(QStringLiteral("CheckBox_%1_%2").arg(i).arg(j));
            if (!coche || !coche->isChecked())
                continue;
            // An incomplete test is judged against the tables of the class's level.
            const QString objectifs = objectifs_du_niveau(objectifs_niveaux, niveau.nom)
                                          .value_or(QStringLiteral("tables_classiques"));
            choisies.append({QDir(r.dossier_annee).filePath(niveau.classes.at(j - 1)), objectifs});
        }
    }
    return collecte_reponses(choisies, r.dossier_etablissement, choix());
}

void PageStatProduits::Button_statsClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Collecte c = collecte();
    QApplication::restoreOverrideCursor();
    if (!c.illisibles.isEmpty())
        boites::avertissement(this, QStringLiteral("Statistiques produits"),
            QStringLiteral("Ces historiques n'ont pas pu être lus ; leurs élèves sont comptés sans test :\n")
                + c.illisibles.join(QLatin1Char('\n')));
    if (c.nombre_eleves <= 0) {
        boites::information(this, QStringLiteral("Statistiques produits"),
            QStringLiteral("Aucun élève dans les classes cochées."));
        return;
    }
    m_stats->prepare(c.reponses, c.nombre_eleves, m_session.reglages().temps_reponse_acceptable);
    if (m_stats->isVisible())
        m_stats->Button_calculerClick();
    else
        m_stats->open();
}
