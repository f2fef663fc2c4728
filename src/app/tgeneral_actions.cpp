#include "app/graphique_jours.h"
#include "app/tgeneral.h"
#include "epreuve/evaluation_test.h"
#include "epreuve/lancement.h"
#include "epreuve/ttest.h"
#include "learning/tapprent.h"
#include "perfecting/tperfect.h"
#include "platform/fenetre_aide.h"
#include "reports/bilan_impression.h"
#include "reports/description_graphique.h"
#include "reports/graphique_test.h"
#include "settings/treglages.h"
#include "storage/records.h"
#include "teacher/tacces_prof.h"
#include "teacher/tprofesseur.h"
#include "ui/accessibilite.h"
#include "ui/apropos.h"
#include "ui/boite_message.h"
#include "ui/boites.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

namespace {

// Chance for an activity window, seeded from the clock.
quint32 graine_du_moment(const Horloge& horloge)
{
    return static_cast<quint32>(horloge.date_heure().toMSecsSinceEpoch() ^ horloge.maintenant_ms());
}

} // namespace

void Tgeneral::affiche_boutons_tables()
{
    const QScopedValueRollback affichage(m_affichage_en_cours, true);
    const BoutonsTables& b = tableau().boutons();
    for (int n = 2; n < m_boutons_tables.size(); ++n) {
        if (m_boutons_tables[n])
            m_boutons_tables[n]->setChecked(b.enfonce(n));
    }
    // The panel shown follows the pressed group, also when the objectives pressed it.
    (b.classiques ? m_groupe_2_9 : m_groupe_12_19)->setChecked(true);
    m_panel_2_9->setVisible(b.classiques);
    m_panel_12_19->setVisible(!b.classiques);
}

void Tgeneral::affiche_choix_apprentissage()
{
    const QScopedValueRollback affichage(m_affichage_en_cours, true);
    const EtatEleve& e = m_session->eleve();
    (e.memorisation.tables_entieres ? m_bouton_tables_entieres : m_bouton_trous)->setChecked(true);
    const int nombre = e.produits_a_memoriser.size();
    m_label2->setText(TableauDeBord::texte_label2(nombre));
    m_label2->setToolTip(TableauDeBord::bulle_label2(nombre));
    m_label2->setAccessibleName(TableauDeBord::bulle_label2(nombre));
}

void Tgeneral::change_produits_etudies()
{
    tableau().change_produits_etudies();
    affiche_boutons_tables();
    affiche_choix_apprentissage();
}

void Tgeneral::change_produits_a_memoriser()
{
    tableau().change_produits_a_memoriser();
    affiche_choix_apprentissage();
}

void Tgeneral::actualise_boutons_tables(const QString& objectifs)
{
    tableau().actualise_boutons_tables(objectifs);
    affiche_boutons_tables();
}

void Tgeneral::SpeedButton_2_9Click()
{
    tableau().choisit_groupe(true);
    affiche_boutons_tables();
    affiche_choix_apprentissage();
}

void Tgeneral::SpeedButton_12_19Click()
{
    tableau().choisit_groupe(false);
    affiche_boutons_tables();
    affiche_choix_apprentissage();
}

void Tgeneral::SpeedButton_tablesClick()
{
    tableau().etudier_tables_entieres();
    affiche_choix_apprentissage();
}

void Tgeneral::SpeedButton_trousClick()
{
    tableau().etudier_trous();
    affiche_choix_apprentissage();
}

void Tgeneral::SpeedButton1Click()
{
    tableau().plus();
    affiche_choix_apprentissage();
}

void Tgeneral::SpeedButton10Click()
{
    tableau().moins();
    affiche_choix_apprentissage();
}

void Tgeneral::button_testClick()
{
    if (!m_test) {
        const Horloge& horloge = m_session->horloge();
        m_test = std::make_unique<Ttest>(*m_session, horloge, graine_du_moment(horloge));
        connect(m_test.get(), &Ttest::cache, this, &Tgeneral::etape_session_3);
        connect(m_test.get(), &Ttest::tableau_de_bord_change, this, [this] {
            affiche_graphique();
            affiche_choix_apprentissage();
        });
        connect(m_test.get(), &Ttest::records_modifies, this, &Tgeneral::actualise_affichage_records);
        connect(m_test.get(), &Ttest::etape_suivante, this, [this](int table) {
            if (table == 0) {
                perfectionnementClick(QStringLiteral("facile"));
                return;
            }
            tableau().etudie_seulement(table);
            affiche_boutons_tables();
            affiche_choix_apprentissage();
            apprentissage1Click();
        });
        m_test->definit_impression([this](const QString& ligne) { imprime_test(ligne); });
    }
    lance_test(*m_session, this, *m_test);
}

void Tgeneral::apprentissage1Click()
{
    if (m_session->eleve().produits_a_memoriser.isEmpty()) {
        if (!m_boite)
            m_boite = new Tboite_message(this);
        m_boite->prepare(QStringLiteral("Apprentissage inutile"), QStringLiteral("Tu sais déjà tes tables!!"),
            QStringLiteral("OK"));
        m_boite->montre();
        return;
    }
    if (!m_apprent) {
        const Horloge& horloge = m_session->horloge();
        const auto graine
            = static_cast<quint32>(horloge.date_heure().toMSecsSinceEpoch() ^ (horloge.maintenant_ms() << 8));
        m_apprent = std::make_unique<Tapprent>(*m_session, horloge, graine);
        connect(m_apprent.get(), &Tapprent::etape_suivante, this,
            [this] { perfectionnementClick(QStringLiteral("facile")); });
    }
    m_apprent->ouvre();
}

void Tgeneral::perfectionnementClick(const QString& niveau)
{
    if (!m_perfect) {
        const Horloge& horloge = m_session->horloge();
        m_perfect = std::make_unique<Tperfect>(*m_session, horloge, graine_du_moment(horloge), this);
    }
    m_perfect->demarre(niveau_de_texte(niveau).value_or(NiveauPerfectionnement::facile));
}

TProfesseur& Tgeneral::console()
{
    if (!m_professeur)
        m_professeur = new TProfesseur(*m_session, this);
    return *m_professeur;
}

void Tgeneral::Professeur1Click()
{
    Reglages& r = m_session->reglages();
    // A change of pupil reads the configuration again: the access granted until closing must survive it.
    if (r.code_prof_requis && !m_acces_jusqua_fermeture) {
        TAcces_prof acces(r.code_acces_professeur, r.code_prof_requis, this);
        if (acces.exec() != QDialog::Accepted)
            return;
        m_acces_jusqua_fermeture = !r.code_prof_requis;
    }
    console().exec();
    // The console may have rebuilt the records list.
    if (m_memo1->isVisible())
        actualise_affichage_records();
}

void Tgeneral::ouvre_console_rentree()
{
    TProfesseur& c = console();
    c.definit_nouvelle_annee_scolaire(true);
    c.exec();
    close();
}

void Tgeneral::Configuration1Click()
{
    if (!m_fenetre_reglages)
        m_fenetre_reglages = new Treglages(
            QDir(m_session->reglages().dossier_programme).filePath(cles::fichier),
            [this] { m_session->restaure_verrous_clavier(); }, this);
    m_fenetre_reglages->exec();
}

void Tgeneral::aide1Click()
{
    montre_aide(this);
}

void Tgeneral::N1Click()
{
    Apropos apropos(this);
    apropos.exec();
}

void Tgeneral::actualise_affichage_records()
{
    m_memo1->setPlainText(decode_liste_records(m_session->liste_records()).join(QLatin1Char('\n')));
}

void Tgeneral::Button_recordsClick()
{
    // The button widens to the left, so that it stays inside the panel.
    if (m_button_records->text() == QLatin1String("Voir les records")) {
        actualise_affichage_records();
        m_memo1->show();
        m_memo1->raise();
        m_button_records->setText(QStringLiteral("Cacher les records"));
        m_button_records->setGeometry(
            bord_droit_records - 137, m_button_records->y(), 137, m_button_records->height());
    } else {
        m_memo1->hide();
        m_button_records->setText(QStringLiteral("Voir les records"));
        m_button_records->setGeometry(
            bord_droit_records - 121, m_button_records->y(), 121, m_button_records->height());
    }
    m_button_records->setAccessibleName(m_button_records->text());
}

void Tgeneral::barre_pressee(int jour, Qt::MouseButton bouton, const QPoint& position)
{
    const EtatEleve& e = m_session->eleve();
    if (bouton == Qt::RightButton) {
        if (jour == e.jours_tests.size())
            m_menu_graphique->popup(m_graphique->mapToGlobal(position + QPoint(0, 20)));
        return;
    }
    if (bouton != Qt::LeftButton || jour < 1 || jour > e.lignes_tests_retenues.size())
        return;
    const QImage image = image_du_test(e.lignes_tests_retenues.at(jour - 1));
    if (image.isNull())
        return;
    const int x_zone = position.x() - m_scrollbox->horizontalScrollBar()->value();
    const int gauche = x_zone > 340 ? x_zone - 330 : 10;
    // Kept inside the panel: a large chart would otherwise be cut at the bottom.
    const QSize taille(image.width() + 2, image.height() + 2);
    const int x = std::clamp(m_scrollbox->x() + gauche, 0, std::max(0, largeur_client - taille.width()));
    const int y = std::clamp(m_scrollbox->y() + 20, 0, std::max(0, hauteur_client - taille.height()));
    m_image1->setPixmap(QPixmap::fromImage(image));
    nomme(m_image1, QStringLiteral("Résultat du test"),
        description_graphique_test(
            e.lignes_tests_retenues.at(jour - 1), m_session->reglages().temps_reponse_acceptable));
    m_image1->setGeometry(QRect(QPoint(x, y), taille));
    m_image1->raise();
    m_image1->show();
}

void Tgeneral::barre_relachee()
{
    m_image1->hide();
}

QImage Tgeneral::image_du_test(const QString& ligne_test) const
{
    const int T = m_session->reglages().temps_reponse_acceptable;
    // The compact grid only knows the tables 2 to 9: a test of the extended tables gets its large chart.
    if (!donnees_graphique(ligne_test, T).classique)
        return graphique_test(ligne_test, T);
    return graphique_test_compact(ligne_test, m_session->eleve().objectifs, T);
}

void Tgeneral::Imprimer1Click()
{
    const QStringList& lignes = m_session->eleve().lignes_tests_retenues;
    // The printed page knows the classic tables only.
    if (!lignes.isEmpty() && est_test_classique(lignes.last().mid(29)))
        imprime_test(lignes.last());
}

void Tgeneral::imprime_test(const QString& ligne_test)
{
    const Reglages& r = m_session->reglages();
    const EtatEleve& e = m_session->eleve();
    DonneesBilan donnees;
    donnees.nom = e.identite.nom;
    donnees.prenom = e.identite.prenom;
    donnees.classe = r.mode_ecole ? e.identite.classe : QString();
    donnees.etablissement = r.mode_ecole ? r.nom_etablissement : QString();
    donnees.enregistrements = ligne_test.mid(29);
    donnees.titre_date = e.jour_seance + QLatin1Char(' ') + e.date_seance;
    donnees.temps_acceptable = r.temps_reponse_acceptable;
    donnees.amenagement = e.amenagement;
    QPrinter imprimante(QPrinter::HighResolution);
    if (boites::choisit_imprimante(this, imprimante, QStringLiteral("Imprimer le bilan")))
        imprime_bilan(imprimante, donnees);
}
