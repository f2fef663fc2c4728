#include "teacher/page_suivi.h"

#include "seance/session.h"
#include "storage/config_perso.h"
#include "storage/dossiers.h"
#include "storage/records.h"
#include "teacher/arbre_eleves.h"
#include "teacher/choix_test_affiche.h"
#include "teacher/enregistrement_liste_eleves.h"
#include "teacher/graphique_progression.h"
#include "teacher/regles_exports.h"
#include "teacher/selecteur_etablissement.h"
#include "teacher/tstats_el.h"
#include "teacher/vue_resume_eleve.h"
#include "ui/boites.h"
#include "ui/controles.h"

#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QVBoxLayout>

PageSuivi::PageSuivi(Session& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("Bilans"));
    auto* colonne = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    colonne->addLayout(haut);

    m_selecteur = new SelecteurEtablissement(QStringLiteral("ComboBox1"), QStringLiteral("ComboBox2"), true);
    haut->addWidget(m_selecteur, 0, Qt::AlignTop);
    m_test = new ChoixTestAffiche(QStringLiteral("Test affiché"),
        {QStringLiteral("RadioButton2"), QStringLiteral("DateTimePicker2"), QStringLiteral("RadioButton16"),
            QStringLiteral("DateTimePicker5")});
    haut->addWidget(m_test, 0, Qt::AlignTop);

    auto* affiche = new QGroupBox(QStringLiteral("Résultat affiché:"));
    auto* la = new QVBoxLayout(affiche);
    m_score = bouton_nomme<QRadioButton>("RadioButton7", QStringLiteral("Score"));
    m_rapidite = bouton_nomme<QRadioButton>("RadioButton9", QStringLiteral("Rapidité"));
    la->addWidget(m_score);
    la->addWidget(m_rapidite);
    m_score->setChecked(true);
    haut->addWidget(affiche, 0, Qt::AlignTop);

    auto* tri = new QGroupBox(QStringLiteral("Trier par:"));
    auto* lt = new QVBoxLayout(tri);
    m_tri_nom = bouton_nomme<QRadioButton>("RadioButton25", QStringLiteral("Nom"));
    m_tri_resultat = bouton_nomme<QRadioButton>("RadioButton26", QStringLiteral("Résultat"));
    m_tri_date = bouton_nomme<QRadioButton>("RadioButton37", QStringLiteral("Date"));
    for (QRadioButton* b : {m_tri_nom, m_tri_resultat, m_tri_date})
        lt->addWidget(b);
    m_tri_resultat->setChecked(true);
    haut->addWidget(tri, 0, Qt::AlignTop);
    haut->addStretch(1);

    auto* boutons = new QHBoxLayout;
    colonne->addLayout(boutons);
    m_creer = bouton_nomme("Button3", QStringLiteral("Créer liste élèves"));
    m_developper = bouton_nomme("Button_dev", QStringLiteral("Développer"));
    m_reduire = bouton_nomme("Button_red", QStringLiteral("Réduire"));
    m_imprimer_liste = bouton_nomme("Button_impr_list", QStringLiteral("Imprimer liste"));
    m_enregistrer = bouton_nomme("ButtonEnregistrer", QStringLiteral("Enregistrer"));
    m_imprimer = bouton_nomme("ButtonImprimer", QStringLiteral("Imprimer"));
    m_amenagements = bouton_nomme("Button_amenagements", QStringLiteral("Aménagements…"));
    m_amenagements->setToolTip(QStringLiteral("Temps supplémentaire de l'élève choisi (PAP, PPS)"));
    m_enregistrer->setEnabled(false);
    m_imprimer->setEnabled(false);
    m_amenagements->setEnabled(false);
    m_progression_eleve = bouton_nomme("Button_progression_eleve", QStringLiteral("Progression…"));
    m_progression_eleve->setToolTip(
        QStringLiteral("Graphique de l'année de l'élève choisi, à enregistrer ou imprimer"));
    m_progression_eleve->setEnabled(false);
    for (QPushButton* b :
        {m_creer, m_developper, m_reduire, m_imprimer_liste, m_amenagements, m_progression_eleve})
        boutons->addWidget(b);
    boutons->addStretch(1);
    boutons->addWidget(m_enregistrer);
    boutons->addWidget(m_imprimer);
    for (QPushButton* b : {m_developper, m_reduire, m_imprimer_liste})
        b->hide();

    m_partage = new QSplitter(Qt::Horizontal);
    m_arbre = new ArbreEleves;
    m_resume = new VueResumeEleve;
    m_partage->addWidget(m_arbre);
    m_partage->addWidget(m_resume);
    // The pupil's charts are 503 pixels wide: the summary gets the larger part.
    m_partage->setSizes({350, 560});
    colonne->addWidget(m_partage, 1);

    connect(m_creer, &QPushButton::clicked, this, &PageSuivi::creation_liste_eleves);
    connect(m_developper, &QPushButton::clicked, this, &PageSuivi::Button_devClick);
    connect(m_reduire, &QPushButton::clicked, this, &PageSuivi::Button_redClick);
    connect(m_imprimer_liste, &QPushButton::clicked, this, &PageSuivi::Button_impr_listClick);
    connect(m_amenagements, &QPushButton::clicked, this, &PageSuivi::Button_amenagementsClick);
    connect(m_progression_eleve, &QPushButton::clicked, this, &PageSuivi::Button_progression_eleveClick);
    m_progression = new Tstats_el(this);
    m_progression->setWindowTitle(QStringLiteral("Progression de l'élève"));
    connect(m_arbre, &ArbreEleves::selection, this, &PageSuivi::TreeView1Changing);
}

void PageSuivi::remplit()
{
    const Reglages& r = m_session.reglages();
    m_selecteur->remplit(r.dossier_eleves, r.nom_etablissement);
    m_test->initialise(m_session.horloge().date_heure().date());
    m_resume->definit_temps_acceptable(r.temps_reponse_acceptable);
}

OptionsListeEleves PageSuivi::options() const
{
    const Reglages& r = m_session.reglages();
    OptionsListeEleves o;
    o.dossier_eleves = r.dossier_eleves;
    o.etablissement = m_selecteur->etablissement();
    o.annee = m_selecteur->annee();
    o.mode = m_test->mode();
    o.date = m_test->date();
    o.rapidite = m_rapidite->isChecked();
    o.tri = m_tri_nom->isChecked() ? TriListe::nom
        : m_tri_date->isChecked()  ? TriListe::date
                                   : TriListe::resultat;
    o.masquer_incomplets = r.masquer_tests_incomplets;
    o.objectifs = ObjectifsTestsComplets::de_la_configuration(m_session.configuration(), r, o.annee);
    o.temps_acceptable = r.temps_reponse_acceptable;
    return o;
}

QString PageSuivi::chemin_liste() const
{
    return chemin_normalise(m_session.reglages().dossier_statistiques_local) + QLatin1Char('/')
        + nom_liste_eleves;
}

void PageSuivi::creation_liste_eleves()
{
    const OptionsListeEleves o = options();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_creer->setEnabled(false);
    // A large school takes a few seconds: the window stays alive and shows how far the reading is.
    QProgressDialog progression(QStringLiteral("Lecture des historiques…"), QString(), 0, 0, this);
    progression.setWindowTitle(QStringLiteral("Liste des élèves"));
    progression.setWindowModality(Qt::WindowModal);
    progression.setMinimumDuration(500);
    QElapsedTimer depuis;
    depuis.start();
    m_liste = ::creation_liste_eleves(
        o, m_session.horloge().date_heure(),
        [&](int faits, int total) {
            if (depuis.elapsed() < 50)
                return;
            depuis.restart();
            progression.setMaximum(total);
            progression.setValue(faits);
            QCoreApplication::processEvents();
        },
        m_index.pour(m_session.reglages().dossier_statistiques_local, m_session.horloge()));
    progression.reset();
    m_arbre->charge(m_liste.lignes, m_liste.chemins);
    // The top line shows whole, the tree taking at most 45 % of the width; the pupil's charts shrink to the
    // rest.
    const QList<int> tailles = m_partage->sizes();
    const int total = tailles.value(0) + tailles.value(1);
    const int arbre = std::clamp(
        m_arbre->largeur_ligne_du_haut(), tailles.value(0), std::max(tailles.value(0), total * 45 / 100));
    m_partage->setSizes({arbre, total - arbre});
    m_resume->clear();
    m_historique_choisi.clear();
    m_amenagements->setEnabled(false);
    m_progression_eleve->setEnabled(false);
    for (QPushButton* b : {m_developper, m_reduire, m_imprimer_liste})
        b->show();
    m_creer->setText(QStringLiteral("Rafraîchir liste"));
    m_creer->setAccessibleName(m_creer->text());
    // The list is painted before its files are written: on a busy disk their syncs take longer than the tree.
    m_arbre->viewport()->repaint();
    const EnregistrementListe e = enregistre_liste_eleves(m_liste, o.ecole(),
        m_session.reglages().dossier_statistiques_local, chemins_records(m_session.reglages()));
    // "Voir les records" shows the list this build has just written.
    m_session.recharge_records();
    m_creer->setEnabled(true);
    QApplication::restoreOverrideCursor();

    QStringList problemes;
    if (const QString message = message_illisibles(m_liste.illisibles); !message.isEmpty())
        problemes << message;
    if (!e.liste)
        problemes << QStringLiteral("La liste des élèves n'a pas été enregistrée : ") + e.liste.erreur;
    if (!e.records)
        problemes << QStringLiteral("La liste des records n'a pas été enregistrée : ") + e.records.erreur;
    if (!problemes.isEmpty())
        boites::avertissement(
            this, QStringLiteral("Liste des élèves"), problemes.join(QStringLiteral("\n\n")));
}

void PageSuivi::Button_devClick()
{
    m_arbre->expandAll();
}

void PageSuivi::Button_redClick()
{
    m_arbre->collapseAll();
}

void PageSuivi::TreeView1Changing(int index)
{
    const QString entree = m_arbre->entree(index);
    m_historique_choisi.clear();
    m_amenagements->setEnabled(false);
    m_progression_eleve->setEnabled(false);
    if (!entree.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
        m_resume->montre_entree(entree);
        return;
    }
    m_historique_choisi = entree;
    m_amenagements->setEnabled(true);
    const std::optional<QByteArray> octets = lit_fichier(entree);
    if (!octets) {
        m_resume->montre_entree(phrase_historique_illisible(entree));
        return;
    }
    const QTreeWidgetItem* noeud = m_arbre->noeud(index);
    const QTreeWidgetItem* parent = noeud ? noeud->parent() : nullptr;
    // Only a class line names a class: the top line of the list of dossier_eleves does not.
    const QString classe = parent && profondeur_ligne(m_liste.lignes.value(m_arbre->index_de(parent))) == 1
        ? classe_de_ligne(parent->text(0))
        : QString();
    m_classe_choisie = classe;
    m_progression_eleve->setEnabled(true);
    m_resume->montre_eleve(entree, resume_historique(*octets), classe,
        lit_amenagement(chemin_config_perso_de_historique(entree)));
}

void PageSuivi::Button_amenagementsClick()
{
    if (m_historique_choisi.isEmpty())
        return;
    const QString chemin = chemin_config_perso_de_historique(m_historique_choisi);
    QStringList libelles;
    int index = 0;
    const Amenagement actuel = lit_amenagement(chemin);
    for (const Amenagement a : amenagements) {
        if (a == actuel)
            index = int(libelles.size());
        libelles << libelle_amenagement(a);
    }
    const QStringList noms = nom_et_prenom(m_historique_choisi);
    if (!boites::choix(this, QStringLiteral("Aménagements"),
            QStringLiteral("Temps de réponse de %1 %2 :").arg(noms.value(1), noms.value(0)), libelles, index))
        return;
    const Amenagement choisi = amenagements[index];
    if (choisi == actuel)
        return;
    const Ecriture e = ecrit_amenagement(chemin, choisi);
    if (!e) {
        boites::avertissement(this, QStringLiteral("Aménagements"),
            QStringLiteral("L'aménagement n'a pas pu être enregistré.\n") + e.erreur);
        return;
    }
    if (const std::optional<QByteArray> octets = lit_fichier(m_historique_choisi))
        m_resume->montre_eleve(m_historique_choisi, resume_historique(*octets), m_classe_choisie, choisi);
}

void PageSuivi::Button_impr_listClick()
{
    const auto lignes = fichier_present(chemin_liste()) ? lit_lignes(chemin_liste()) : std::nullopt;
    if (!lignes) {
        boites::avertissement(
            this, QStringLiteral("Fichier non trouvé"), QStringLiteral("Impossible d'imprimer!"));
        return;
    }
    QPrinter imprimante;
    if (!boites::choisit_imprimante(this, imprimante, QStringLiteral("Imprimer la liste des élèves")))
        return;
    if (!imprime_lignes(imprimante, *lignes))
        boites::avertissement(
            this, QStringLiteral("Imprimer liste"), QStringLiteral("L'imprimante a refusé le travail."));
}

bool imprime_lignes(QPrinter& imprimante, const QStringList& lignes)
{
    QPainter p;
    if (!p.begin(&imprimante))
        return false;
    QFont police(QStringLiteral("Courier New"), 10);
    police.setStyleHint(QFont::Monospace);
    p.setFont(police);
    const QFontMetrics m(police, &imprimante);
    const QRect page = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
    const int hauteur = m.lineSpacing();
    int y = m.ascent();
    for (const QString& ligne : lignes) {
        if (y > page.height() && y > m.ascent()) {
            imprimante.newPage();
            y = m.ascent();
        }
        QString texte = ligne;
        texte.replace(QLatin1Char('\t'), QStringLiteral("    "));
        p.drawText(0, y, texte);
        y += hauteur;
    }
    return p.end();
}

void PageSuivi::Button_progression_eleveClick()
{
    const QVector<PointProgression>& points = m_resume->progression();
    if (points.isEmpty()) {
        boites::information(this, QStringLiteral("Progression"), QStringLiteral("Aucun jour de test."));
        return;
    }
    const QStringList noms = nom_et_prenom(m_historique_choisi);
    const QString annee = annee_scolaire_de(points.last().jour);
    m_progression->montre_graphique(graphique_progression_eleve(points, annee),
        QStringLiteral("Progression de %1 %2").arg(noms.value(1), noms.value(0)), lignes_csv_eleve(points),
        m_resume->description_progression());
    m_progression->definit_dossier(dossier_des_exports(m_session.reglages().dossier_programme));
    m_progression->open();
}
