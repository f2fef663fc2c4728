#include "teacher/page_stat_produits.h"

#include "seance/session.h"
#include "storage/objectifs_tests_complets.h"
#include "teacher/cases_classes.h"
#include "teacher/choix_test_affiche.h"
#include "teacher/selecteur_etablissement.h"
#include "teacher/tstats.h"
#include "ui/boites.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>

PageStatProduits::PageStatProduits(Session& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("Stat_prod"));
    m_classes = new CasesClasses(QStringLiteral("CheckBox_"), this);
    // Room below for 20 classes a level.
    m_classes->move(10, 10);

    m_selecteurs
        = new SelecteurEtablissement(QStringLiteral("ComboBox3"), QStringLiteral("ComboBox4"), false, this);
    m_selecteurs->setGeometry(10, 455, 260, 80);
    m_quel_test = new ChoixTestAffiche(QStringLiteral("Quel test analyser:"),
        {QStringLiteral("RadioButton15"), QStringLiteral("DateTimePicker4"), QStringLiteral("RadioButton17"),
            QStringLiteral("DateTimePicker6")},
        this);
    m_quel_test->setGeometry(290, 445, 320, 90);

    auto* lancer = new QPushButton(QStringLiteral("Lancer calcul"), this);
    lancer->setObjectName(QStringLiteral("Button_stats"));
    lancer->setAccessibleName(lancer->text());
    lancer->setGeometry(640, 475, 150, 34);
    connect(lancer, &QPushButton::clicked, this, &PageStatProduits::Button_statsClick);

    m_stats = new TStats(this);
}

void PageStatProduits::ouvre()
{
    m_selecteurs->remplit(m_session.reglages().dossier_eleves, m_session.reglages().nom_etablissement);
    m_quel_test->initialise(m_session.horloge().date_heure().date());
}

ChoixTest PageStatProduits::choix() const
{
    return {m_quel_test->mode(), m_quel_test->date(), m_session.reglages().masquer_tests_incomplets, {}};
}

Collecte PageStatProduits::collecte() const
{
    const Reglages& r = m_session.reglages();
    const ObjectifsTestsComplets complets
        = ObjectifsTestsComplets::de_la_configuration(m_session.configuration(), r, r.annee_scolaire);
    QVector<ClasseChoisie> choisies;
    // Always the classes of the current school year, whatever the selectors show.
    for (int i = 1; i <= r.niveaux.size(); ++i) {
        const Niveau& niveau = r.niveaux.at(i - 1);
        for (int j = 1; j <= niveau.classes.size(); ++j) {
            const auto* coche
                = m_classes->findChild<QCheckBox*>(QStringLiteral("CheckBox_%1_%2").arg(i).arg(j));
            if (!coche || !coche->isChecked())
                continue;
            choisies.append(
                {QDir(r.dossier_annee).filePath(niveau.classes.at(j - 1)), complets.du_niveau(niveau.nom)});
        }
    }
    return collecte_reponses(choisies, r.dossier_etablissement, choix(),
        m_index.pour(r.dossier_statistiques_local, m_session.horloge()));
}

void PageStatProduits::Button_statsClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Collecte c = collecte();
    QApplication::restoreOverrideCursor();
    if (const QString message = message_illisibles(c.illisibles); !message.isEmpty())
        boites::avertissement(this, QStringLiteral("Statistiques produits"), message);
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
