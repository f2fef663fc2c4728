#include "teacher/tprofesseur.h"

#include "seance/session.h"
#include "storage/configuration.h"
#include "teacher/arbre_eleves.h"
#include "teacher/cases_classes.h"
#include "teacher/enregistrement_configuration.h"
#include "teacher/export_bilans.h"
#include "teacher/page_etablissement.h"
#include "teacher/page_maintenance.h"
#include "teacher/page_objectifs.h"
#include "teacher/page_parametres.h"
#include "teacher/page_stat_produits.h"
#include "teacher/page_stats_eleves.h"
#include "teacher/page_suivi.h"
#include "ui/boites.h"

#include <QTabWidget>
#include <QTimer>
#include <QTreeWidgetItem>
#include <iterator>

namespace {

const QString texte_redemarrage
    = QStringLiteral("Le logiciel doit être redémarré\npour prendre en compte les changements");

// What each page holds, said by a screen reader when the page opens: Qt does not mark the current tab.
const QString descriptions_pages[] = {
    QStringLiteral("Nom de l'établissement, niveaux et classes de l'année scolaire."),
    QStringLiteral("Temps de réponse, apprentissage, affichage, dossiers et codes."),
    QStringLiteral("Tables que les élèves de chaque niveau doivent connaître."),
    QStringLiteral("Classes et élèves ; résumé et graphiques de l'élève choisi ; bilans à imprimer ou à "
                   "enregistrer."),
    QStringLiteral("Réussite des classes cochées sur chaque produit, et leurs confusions."),
    QStringLiteral("Classes ou niveaux comparés sur un test, en graphique."),
    QStringLiteral("Fusion de deux copies de l'historique d'un même élève."),
};

// The first control of the page that Tab reaches, in the window's Tab order.
QWidget* premier_controle(QWidget* page)
{
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w))
            continue;
        if (w->isVisibleTo(page) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}
} // namespace

TProfesseur::TProfesseur(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("TProfesseur"));
    setWindowTitle(QStringLiteral("Enseignant"));
    setFixedSize(largeur, hauteur);
    m_classeur = new QTabWidget(this);
    m_classeur->setObjectName(QStringLiteral("Classeur"));
    m_classeur->setGeometry(6, 6, largeur - 12, hauteur - 12);

    m_bahut = new PageEtablissement;
    m_parametres = new PageParametres;
    m_objectifs = new PageObjectifs;
    m_classeur->addTab(m_bahut, QStringLiteral("Etablissement"));
    m_classeur->addTab(m_parametres, QStringLiteral("Paramètres"));
    m_classeur->addTab(m_objectifs, QStringLiteral("Objectifs à atteindre"));
    m_suivi = new PageSuivi(m_session);
    m_classeur->addTab(m_suivi, QStringLiteral("Suivi de classes"));
    m_stat_prod = new PageStatProduits(session);
    m_classeur->addTab(m_stat_prod, QStringLiteral("Statistiques produits"));
    m_stats_eleves = new PageStatsEleves(session);
    m_classeur->addTab(m_stats_eleves, QStringLiteral("Statistiques élèves"));
    m_maintenance = new PageMaintenance(m_session);
    m_classeur->addTab(m_maintenance, QStringLiteral("Maintenance"));
    for (int i = 0; i < m_classeur->count() && i < int(std::size(descriptions_pages)); ++i) {
        m_classeur->widget(i)->setAccessibleName(m_classeur->tabText(i));
        m_classeur->widget(i)->setAccessibleDescription(descriptions_pages[i]);
    }
    connect(m_classeur, &QTabWidget::currentChanged, this, [this](int i) {
        QWidget* page = m_classeur->widget(i);
        if (!page || !isVisible())
            return;
        if (QWidget* w = premier_controle(page))
            w->setFocus(Qt::TabFocusReason);
    });
    m_classes_produits = m_stat_prod->classes();
    m_classes_eleves = m_stats_eleves->cases_classes();
    branche_exports(*m_suivi, m_session);

    connect(m_bahut, &PageEtablissement::enregistrement_demande, this,
        &TProfesseur::Button_enregistrer_etablissementClick);
    connect(m_objectifs, &PageObjectifs::enregistrement_demande, this,
        &TProfesseur::Button_enregistrer_objectifsClick);
    connect(m_parametres, &PageParametres::enregistrement_demande, this,
        &TProfesseur::Button_enregistrer_parametresClick);
}

QString TProfesseur::chemin_configuration() const
{
    return m_session.configuration().chemin();
}

void TProfesseur::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    FormShow();
    // Once the console is on screen, so that its box shows over it.
    QTimer::singleShot(0, this, &TProfesseur::FormActivate);
}

void TProfesseur::FormShow()
{
    m_session.restaure_verrous_clavier();
    const Reglages& r = m_session.reglages();
    const FichierIni ini(chemin_configuration());
    const OuvertureEtablissement o = etablissement_a_l_ouverture(ini, r.annee_scolaire);
    m_bahut->montre(o.etablissement, r.annee_scolaire);
    if (!o.remarques.isEmpty())
        boites::avertissement(
            this, cles::niveaux_et_classes(o.annee_trouvee), o.remarques.join(QLatin1Char('\n')));

    m_parametres->charge(ini);

    m_objectifs->Redimensionne_objectifs(noms_des_niveaux(o.etablissement.niveaux));
    m_objectifs->charge(ini.lit_texte(cles::etablissement, cles::objectifs_classiques_niveaux, QString()),
        ini.lit_texte(cles::etablissement, cles::objectifs_etendus_niveaux, QString()));
    Actualise_CheckBox_classes();
    m_stat_prod->ouvre();
    m_suivi->remplit();
    m_stats_eleves->montre();
}

void TProfesseur::FormActivate()
{
    if (!isVisible())
        return;
    if (m_nouvelle_annee_scolaire) {
        m_classeur->setCurrentIndex(Bahut);
        boites::information(this, QStringLiteral("Nouvelle année scolaire"),
            QStringLiteral("Vous devez effectuer la répartition\ndes classes pour l'année ")
                + m_session.reglages().annee_scolaire);
        return;
    }
    m_classeur->setCurrentIndex(Bilans);
    m_suivi->creation_liste_eleves();
    if (QTreeWidgetItem* premier = m_suivi->arbre()->topLevelItem(0))
        premier->setExpanded(true);
}

void TProfesseur::done(int resultat)
{
    FormClose();
    QDialog::done(resultat);
}

void TProfesseur::FormClose()
{
    if (m_nouvelle_annee_scolaire)
        boites::information(this, QStringLiteral("Fermeture du programme"), texte_redemarrage);
}

void TProfesseur::Actualise_CheckBox_classes()
{
    m_classes_produits->actualise(m_session.reglages().niveaux);
    m_classes_eleves->actualise(m_session.reglages().niveaux);
}

bool TProfesseur::enregistre(const std::function<void(FichierIni&)>& ecrit)
{
    const BilanEnregistrement bilan = enregistre_configuration(
        chemin_configuration(), ecrit, m_session.plateforme(), [this](const QString& q) {
            return boites::question(this, QStringLiteral("Première installation"), q,
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                == QMessageBox::Yes;
        });
    if (!bilan.message.isEmpty())
        boites::avertissement(this, cles::fichier, bilan.message);
    // Written on the server only, the change still reaches this machine at the next start.
    return bilan.local || bilan.serveur;
}

void TProfesseur::annonce_redemarrage()
{
    boites::avertissement(this, QStringLiteral("ATTENTION!"), QStringLiteral("OK.\n") + texte_redemarrage);
}

void TProfesseur::Button_enregistrer_etablissementClick()
{
    const Etablissement e = etablissement_coupe(m_bahut->saisie());
    if (const QStringList erreurs = erreurs_etablissement(e); !erreurs.isEmpty()) {
        boites::avertissement(this, QStringLiteral("Etablissement"),
            QStringLiteral("L'établissement n'est pas enregistré :\n") + erreurs.join(QLatin1Char('\n')));
        return;
    }
    const QString ancien_nom
        = FichierIni(chemin_configuration()).lit_texte(cles::etablissement, cles::nom, QString());
    if (const int n = historiques_laisses(m_session.reglages().dossier_eleves, ancien_nom, e.nom); n > 0) {
        const auto reponse = boites::question(this, QStringLiteral("Nom de l'établissement"),
            QStringLiteral("Les historiques de %1 élève(s) sont dans le dossier « %2 ».\nAvec le nom « %3 », "
                           "Tabrix cherchera les élèves dans un autre dossier et ne les trouvera plus.\n"
                           "Changer le nom quand même ?")
                .arg(n)
                .arg(ancien_nom, e.nom));
        if (reponse != QMessageBox::Ok)
            return;
    }
    const QStringList noms = noms_des_niveaux(e.niveaux);
    // The objectives of the family shown go back to their starting states for the new levels.
    GrilleObjectifs grille;
    grille.redimensionne(noms);
    const Famille famille = m_objectifs->famille();
    const QString annee = m_session.reglages().annee_scolaire;
    const bool ok = enregistre([&](FichierIni& ini) {
        ecrit_etablissement(ini, annee, e);
        ini.ecrit_texte(cles::etablissement, m_objectifs->cle(), grille.valeur(famille));
    });
    if (!ok)
        return;
    m_session.reglages().niveaux = e.niveaux;
    m_bahut->montre(e, annee);
    m_objectifs->Redimensionne_objectifs(noms);
    Actualise_CheckBox_classes();
    annonce_redemarrage();
    m_classeur->setCurrentIndex(Obj_niveaux);
}

void TProfesseur::Button_enregistrer_objectifsClick()
{
    const QString cle = m_objectifs->cle();
    const QString valeur = m_objectifs->valeur();
    if (enregistre([&](FichierIni& ini) { ini.ecrit_texte(cles::etablissement, cle, valeur); }))
        annonce_redemarrage();
}

void TProfesseur::Button_enregistrer_parametresClick()
{
    if (const QString refus = m_parametres->refus(); !refus.isEmpty()) {
        boites::avertissement(this, QStringLiteral("Paramètres"), refus);
        m_parametres->montre_refus();
        return;
    }
    m_parametres->corrige_chemin_serveur();
    if (enregistre([this](FichierIni& ini) { m_parametres->ecrit(ini); }))
        annonce_redemarrage();
}
