#include "learning/tapprent.h"
#include "ui/minuteries.h"

#include "core/dates.h"
#include "core/horloge.h"
#include "learning/dessins_apprentissage.h"
#include "learning/etiquette_etape.h"
#include "seance/session.h"
#include "ui/accessibilite.h"
#include "ui/boites.h"
#include "ui/champ_reponse.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

void ecrit(QLabel* l, const QString& texte)
{
    if (l->text() == texte)
        return;
    l->setText(texte);
    l->setAccessibleName(texte.trimmed());
    l->adjustSize();
}

void ecrit(QPushButton* b, const QString& texte)
{
    b->setText(texte);
    b->setAccessibleName(texte.trimmed());
}

} // namespace

Tapprent::Tapprent(Session& session, const Horloge& horloge, quint32 graine, QWidget* parent)
    : FenetreActivite(session, horloge, graine, parent)
    , m_moteur(m_hasard)
{
    construit();
    for (QWidget* w : std::initializer_list<QWidget*> {m_label_message, m_label_pret, m_bitbtn3,
             m_label_quest1, m_champ, m_je_passe, m_effacer, m_label_rep1, m_label_rep2, m_button_ok,
             m_label_commentaire, m_label_fin_a, m_label_fin_b, m_bitbtn1, m_bitbtn2})
        w->hide();
    place_plateau();
}

Tapprent::~Tapprent() = default;

void Tapprent::ouvre()
{
    // Opening again while open would start over and lose the answers of this opening.
    if (m_ouverte) {
        raise();
        activateWindow();
        return;
    }
    const EtatEleve& e = m_session.eleve();
    const Reglages& r = m_session.reglages();
    setWindowTitle(e.identite.prenom + QLatin1Char(' ') + e.identite.nom
        + QStringLiteral(". Apprentissage des tables."));
    ParametresApprentissage p;
    p.temps_acceptable_s = r.temps_reponse_acceptable;
    p.ordre = r.ordre_rangement_items;
    p.taille_bloc = r.nombre_items_par_bloc;
    p.formule = r.formule_recursive;
    // His history exists from his first activity on: whether he is new was settled when he was identified.
    p.nouvel_eleve = e.nouvel_eleve;
    m_moteur.ouvre(e.produits_a_memoriser, p, maintenant(), heure());
    m_ouverte = true;
    m_accueil_a_montrer = p.nouvel_eleve;
    m_etapes_vues = 0;
    m_vidages_vus = m_moteur.vidages_champ();
    m_avertissements_vus = m_moteur.avertissements();
    m_armements_vus = m_moteur.timer1().armements;
    efface_etape();
    construit_panneaux();
    place_plateau();
    showMaximized();
    raise();
    activateWindow();
    synchronise();
    if (m_accueil_a_montrer)
        QMetaObject::invokeMethod(this, &Tapprent::FormActivate, Qt::QueuedConnection);
}

void Tapprent::FormActivate()
{
    if (!m_accueil_a_montrer || !m_ouverte)
        return;
    m_accueil_a_montrer = false;
    boites::information(this, QStringLiteral("Apprentissage"),
        QStringLiteral("Tu vas apprendre en répondant aux questions.\nTOUT doit passer au VERT"));
    if (m_bitbtn3->isVisible())
        m_bitbtn3->setFocus();
}

void Tapprent::synchronise()
{
    const MoteurApprentissage& m = m_moteur;
    if (m.etapes_initialisees() != m_etapes_vues) {
        m_etapes_vues = m.etapes_initialisees();
        construit_etape();
    }
    synchronise_items();
    const int largeur = m.reponses_visibles() ? m_largeur_question + m_largeur_egal + m_largeur_reponse + 10
                                              : m_largeur_question + 8;
    m_panel_etape->resize(largeur, m_panel_etape->height());
    m_panel_etape->setVisible(m.phase() != MoteurApprentissage::Phase::inactif);
    place_images(m_panel_etape->x() + largeur);
    synchronise_invite();
    synchronise_question();

    // The warning is shown before Timer1 is armed, so that the delay runs after the box.
    if (m.avertissements() != m_avertissements_vus) {
        m_avertissements_vus = m.avertissements();
        boites::information(this, QStringLiteral("PLUS VITE !!!"),
            QStringLiteral("Il faut répondre plus VITE.\npour passer au VERT"));
    }
    applique_minuterie(m_timer1, m.timer1(), m_armements_vus);
}

void Tapprent::synchronise_items()
{
    for (int i = 0; i < m_panneaux.size(); ++i) {
        const int niveau = m_moteur.dans_etape(i) ? int(m_moteur.niveau(i)) : -1;
        if (niveau == m_niveaux_panneaux[i])
            continue;
        m_niveaux_panneaux[i] = niveau;
        QPalette p = m_panneaux[i]->palette();
        p.setColor(QPalette::Window, niveau < 0 ? QColor(128, 128, 128) : fond_niveau(NiveauItem(niveau)));
        p.setColor(QPalette::WindowText, niveau < 0 ? QColor(Qt::white) : texte_niveau(NiveauItem(niveau)));
        m_panneaux[i]->setPalette(p);
    }
    const bool reponses = m_moteur.reponses_visibles();
    for (LigneEtape& l : m_lignes) {
        const ItemApprentissage& item = m_moteur.item(l.item);
        const NiveauItem niveau = m_moteur.niveau(l.item);
        l.egal->setVisible(reponses);
        l.reponse->setVisible(reponses);
        const int cle_niveau = int(niveau) + (item.reponse_noire ? 10 : 0);
        if (cle_niveau != l.niveau_vu) {
            l.niveau_vu = cle_niveau;
            for (EtiquetteEtape* e : {l.question, l.egal})
                e->colore(fond_niveau(niveau), texte_niveau(niveau));
            l.reponse->colore(
                item.reponse_noire ? QColor(Qt::black) : fond_niveau(niveau), texte_niveau(niveau));
            if (l.feu) {
                l.feu->setPixmap(feu(niveau));
                const char* const noms[] = {"feu rouge", "feu orange", "feu vert"};
                nomme(l.feu, QStringLiteral("Feu"), QString::fromLatin1(noms[int(niveau)]));
            }
        }
        if (!l.batons)
            continue;
        if (item.serie != l.serie_vue) {
            l.serie_vue = item.serie;
            l.batons->setPixmap(batons(item.serie));
            nomme(l.batons, QStringLiteral("Jauge"),
                QString::number(qMin<qint64>(item.serie, 5)) + QStringLiteral(" sur 5 réponses de suite"));
        }
        if (int(item.icone) != l.icone_vue) {
            l.icone_vue = int(item.icone);
            l.icone->setPixmap(icone(item.icone));
            l.icone->setVisible(item.icone != IconeItem::aucune);
            nomme(l.icone, QStringLiteral("Dernière réponse"),
                item.icone == IconeItem::croix ? QStringLiteral("erreur") : QStringLiteral("juste"));
        }
    }
}

void Tapprent::place_images(int droite_panneau)
{
    for (const LigneEtape& l : m_lignes) {
        if (!l.batons)
            continue;
        l.batons->move(droite_panneau + 10, l.batons->y());
        l.icone->move(droite_panneau + 10 + 23 + 6, l.icone->y());
    }
}

void Tapprent::synchronise_invite()
{
    const bool visible = m_moteur.phase() == MoteurApprentissage::Phase::invite;
    m_label_message->setVisible(visible && !m_moteur.invite().message.isEmpty());
    m_label_pret->setVisible(visible);
    m_bitbtn3->setVisible(visible);
    if (!visible)
        return;
    const Invite& inv = m_moteur.invite();
    ecrit(m_label_message, inv.message);
    ecrit(m_label_pret, inv.invite);
    ecrit(m_bitbtn3, inv.bouton);
    QFont f = m_label_pret->font();
    f.setPointSize(inv.pause ? 12 : 20);
    m_label_pret->setFont(f);
    m_label_pret->adjustSize();
    const int x = m_panel_etape->geometry().right() + 1 + 60;
    const int y = m_panel_etape->y();
    m_label_message->move(x, y);
    const int sous_message = y + m_label_message->height() + 8;
    if (inv.pause) {
        QFont fm = m_label_message->font();
        fm.setPointSize(16);
        m_label_message->setFont(fm);
        m_label_message->adjustSize();
        m_label_pret->move(x, y + m_label_message->height() + 8);
        m_bitbtn3->move(
            x + (m_label_pret->width() - m_bitbtn3->width()) / 2, m_label_pret->geometry().bottom() + 1 + 30);
    } else {
        m_label_pret->move(x, inv.message.isEmpty() ? y : sous_message);
        m_bitbtn3->move(m_label_pret->x() + qMax(100, m_label_pret->width() + 16), m_label_pret->y() + 3);
    }
    if (isVisible() && !m_bitbtn3->hasFocus())
        m_bitbtn3->setFocus();
}

void Tapprent::synchronise_question()
{
    using Phase = MoteurApprentissage::Phase;
    const MoteurApprentissage& m = m_moteur;
    const Phase phase = m.phase();
    const bool questions = phase == Phase::question || phase == Phase::correction || phase == Phase::retour;
    m_label_quest1->setVisible(questions);
    m_champ->setVisible(questions);
    m_je_passe->setVisible(phase == Phase::question);
    m_effacer->setVisible(phase == Phase::question);
    m_label_rep1->setVisible(phase == Phase::correction && m.erreur_visible());
    m_label_rep2->setVisible(phase == Phase::correction);
    m_button_ok->setVisible(phase == Phase::correction);
    m_button_ok->setEnabled(phase == Phase::correction);
    m_label_commentaire->setVisible(phase == Phase::retour && m.commentaire_visible());
    for (QWidget* w : std::initializer_list<QWidget*> {m_label_fin_a, m_label_fin_b, m_bitbtn1, m_bitbtn2})
        w->setVisible(phase == Phase::fin);

    if (questions) {
        ecrit(m_label_quest1, m.libelle_question());
        m_champ->setAccessibleName(m_label_quest1->accessibleName());
        if (m.vidages_champ() != m_vidages_vus) {
            m_vidages_vus = m.vidages_champ();
            const QSignalBlocker bloque(m_champ);
            m_champ->clear();
        }
        m_champ->fixe_chiffres(m.chiffres_reponse());
        m_champ->setReadOnly(phase != Phase::question);
        const QRect q = m_label_quest1->geometry();
        m_champ->move(q.right() + 1 + 4, q.y() + (q.height() - m_champ->height()) / 2);
        const int x = m_champ->geometry().right() + 1 + 27;
        m_je_passe->move(x, m_champ->y() - 10);
        m_effacer->move(x, m_je_passe->y() + m_je_passe->height() + 6);
    }
    if (phase == Phase::correction) {
        ecrit(m_label_rep2, m.texte_correction());
        m_button_ok->move(m_label_rep2->geometry().right() + 1 + 15,
            m_label_rep2->y() + (m_label_rep2->height() - m_button_ok->height()) / 2);
        if (isVisible())
            m_button_ok->setFocus();
    }
    if (phase == Phase::retour)
        ecrit(m_label_commentaire, m.commentaire());
    if (phase == Phase::question && isVisible() && !m_champ->hasFocus())
        m_champ->setFocus();
    if (phase == Phase::fin && isVisible() && !m_bitbtn2->hasFocus())
        m_bitbtn2->setFocus();
}

void Tapprent::BitBtn3Click()
{
    m_moteur.reprend(maintenant());
    synchronise();
}

void Tapprent::MaskEdit1Change(const QString& texte)
{
    m_moteur.saisie_change(texte, maintenant());
    synchronise();
}

void Tapprent::Button_je_passeClick()
{
    m_moteur.je_ne_sais_pas(m_champ->text(), maintenant());
    synchronise();
}

void Tapprent::Button_effacerClick()
{
    const QSignalBlocker bloque(m_champ);
    m_champ->clear();
    m_champ->setFocus();
}

void Tapprent::ButtonOKClick()
{
    m_moteur.correction_vue(maintenant());
    synchronise();
}

void Tapprent::Timer1Timer()
{
    m_moteur.delai_ecoule(maintenant());
    synchronise();
}

void Tapprent::BitBtn1Click()
{
    close();
}

void Tapprent::BitBtn2Click()
{
    close();
    Q_EMIT etape_suivante();
}

void Tapprent::FormClose()
{
    if (!m_ouverte)
        return;
    m_ouverte = false;
    m_timer1.stop();
    const QString ligne = m_moteur.termine(heure());
    efface_etape();
    qDeleteAll(m_panneaux);
    m_panneaux.clear();
    m_niveaux_panneaux.clear();
    if (!ligne.isEmpty())
        m_session.ajoute_activite(ligne);
}

void Tapprent::closeEvent(QCloseEvent* evenement)
{
    FormClose();
    QWidget::closeEvent(evenement);
}

void Tapprent::hideEvent(QHideEvent* evenement)
{
    FenetreActivite::hideEvent(evenement);
    if (!evenement->spontaneous())
        m_timer1.stop();
}

void Tapprent::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        // The focused button first ("Etape suivante" at the end), else the one the drill waits for.
        auto* focalise = qobject_cast<QPushButton*>(focusWidget());
        for (QPushButton* b : {focalise, m_je_passe, m_button_ok, m_bitbtn3}) {
            if (b && b->isVisible() && b->isEnabled()) {
                b->click();
                return;
            }
        }
    }
    if (evenement->key() == Qt::Key_Escape && m_effacer->isVisible()) {
        Button_effacerClick();
        return;
    }
    FenetreActivite::keyPressEvent(evenement);
}
