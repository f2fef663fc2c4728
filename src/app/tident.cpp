#include "app/tident.h"

#include "app/tident_libelle.h"
#include "core/dates.h"
#include "seance/identification.h"
#include "ui/boites.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace {

const int hauteur_client = 451;
const int largeur_client = 626;
const int gauche = 16;

QString annee_de(const Reglages& reglages, const Horloge& horloge)
{
    return reglages.annee_scolaire.isEmpty() ? annee_scolaire(horloge.date_heure().date())
                                             : reglages.annee_scolaire;
}

bool touche_entree(int touche)
{
    return touche == Qt::Key_Return || touche == Qt::Key_Enter;
}

} // namespace

Tident::Tident(
    const Reglages& reglages, const Horloge& horloge, QWidget* parent, std::function<void()> retablit_verrous)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_reglages(reglages)
    , m_horloge(horloge)
    , m_identification(reglages, annee_de(reglages, horloge))
    , m_retablit_verrous(std::move(retablit_verrous))
{
    construit();
}

QListWidget* Tident::box(int i)
{
    while (m_boxes.size() < i)
        nouvelle_box(static_cast<int>(m_boxes.size()) + 1);
    return m_boxes[i - 1];
}

void Tident::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    const QScreen* ecran = parentWidget() ? parentWidget()->screen() : screen();
    if (ecran)
        move(ecran->availableGeometry().center() - rect().center());
    initialisation();
}

void Tident::initialisation()
{
    if (m_retablit_verrous)
        m_retablit_verrous();
    m_Edit_nom->clear();
    m_Edit_prenom->clear();
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        w->hide();
    m_label_classe->move(gauche, 11);
    vide_boxes();
    m_ListBox_autre->hide();
    // The school year may have been set up since the window was made.
    m_identification.fixe_annee_scolaire(annee_de(m_reglages, m_horloge));
    m_identification.initialisation();

    if (!m_reglages.mode_ecole) {
        if (m_reglages.identification_par_code)
            demande_code();
        else
            demande_nom();
        return;
    }
    m_etat = Etat::choix_classe;
    // Every level gets its column: the classes of a ninth level must be choosable too.
    int x = 0;
    int i = 0;
    for (const Niveau& niveau : m_reglages.niveaux) {
        if (niveau.classes.isEmpty())
            continue;
        QListWidget* b = box(++i);
        remplit_box(b, niveau.classes, 11, 14);
        b->move(x, 0);
        b->setEnabled(true);
        b->setAccessibleName(QStringLiteral("Classes du niveau ") + niveau.nom);
        b->show();
        x = b->geometry().right() + 1 + 10;
    }
    m_ListBox_autre->move(i == 0 ? 0 : x - 10 + 30, 0);
    m_ListBox_autre->resize(m_ListBox_autre->width(), 22);
    m_ListBox_autre->show();
    m_label_classe->fixe_texte(QStringLiteral("Clique sur ta classe:"));
    m_label_classe->show();
    ajuste_zone_listes(43);
    (i > 0 ? box(1) : m_ListBox_autre)->setFocus();
}

void Tident::vide_boxes()
{
    for (QListWidget* b : std::as_const(m_boxes)) {
        b->clear();
        b->hide();
        b->move(0, 0);
    }
    m_zone_listes->hide();
}

void Tident::ajuste_zone_listes(int haut)
{
    int droite = 0;
    int bas = 0;
    for (QWidget* w : m_contenu_listes->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(m_contenu_listes)) {
            droite = std::max(droite, w->geometry().right() + 1);
            bas = std::max(bas, w->geometry().bottom() + 1);
        }
    }
    m_contenu_listes->resize(droite, bas);
    const int largeur = largeur_client - 2 * gauche;
    const int barre = droite > largeur ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    m_zone_listes->setGeometry(gauche, haut, largeur, bas + barre);
    m_zone_listes->horizontalScrollBar()->setValue(0);
    m_zone_listes->show();
}

void Tident::clic_liste(QListWidget* b, QListWidgetItem* item)
{
    if (!item || !b->isEnabled())
        return;
    const Etat etat = m_etat;
    QMetaObject::invokeMethod(
        this,
        [this, b, etat, texte = item->text()] {
            if (m_etat == etat && b->isVisible())
                ListBoxClick(b, texte);
        },
        Qt::QueuedConnection);
}

void Tident::ListBoxClick(QListWidget* b, const QString& texte)
{
    if (!b->isEnabled())
        return;
    if (m_etat == Etat::choix_classe) {
        m_identification.choisit_classe(texte);
        m_PanelClasse->setText(m_identification.texte_panneau_classe());
        m_PanelClasse->setAccessibleName(m_PanelClasse->text().trimmed());
        if (m_reglages.identification_par_code)
            demande_code();
        else
            demande_nom();
    } else if (m_etat == Etat::choix_nom && m_identification.choisit_nom(texte)) {
        ferme();
    }
}

void Tident::demande_nom()
{
    m_etat = Etat::choix_nom;
    m_PanelClasse->setGeometry(gauche, 11, static_cast<int>(m_PanelClasse->text().size()) * 112 / 10, 30);
    m_ButtonChangerClasse->move(m_PanelClasse->geometry().right() + 1 + 15, 9);
    m_PanelClasse->setVisible(m_reglages.mode_ecole);
    m_ButtonChangerClasse->setVisible(m_reglages.mode_ecole);
    m_label_classe->move(gauche, 55);
    m_label_classe->show();
    vide_boxes();
    m_ListBox_autre->hide();

    const QStringList formes = m_identification.formes_affichees();
    if (formes.isEmpty()) {
        Inscription();
        return;
    }
    const QVector<QStringList> colonnes = colonnes_noms(formes);
    int x = 0;
    for (int k = 0; k < colonnes.size(); ++k) {
        QListWidget* b = box(k + 1);
        remplit_box(b, colonnes[k], 12, 10);
        b->move(x, 0);
        b->setAccessibleName(QStringLiteral("Clique sur ton nom: colonne %1").arg(k + 1));
        b->setEnabled(true);
        b->show();
        x = b->geometry().right() + 1 + 10;
    }
    ajuste_zone_listes(m_label_classe->y() + 30);
    if (formes.size() > 1) {
        m_label_classe->fixe_texte(QStringLiteral("Clique sur ton nom:"));
        m_label_inscription->fixe_texte(QStringLiteral("Pas dans la liste? Clique ici:"));
        m_button_inscription->show();
        box(1)->setFocus();
    } else {
        box(1)->setEnabled(false);
        m_label_classe->hide();
        m_label_inscription->fixe_texte(QStringLiteral("Est-ce ton nom?"));
        m_Button_oui->show();
        m_Button_non->show();
        m_button_inscription->hide();
    }
    m_label_inscription->show();
    place_inscription();
    if (m_Button_oui->isVisible())
        m_Button_oui->setFocus();
}

void Tident::place_inscription()
{
    const int bas_liste = m_zone_listes->y() + box(1)->geometry().bottom() + 1;
    int haut = bas_liste + 50;
    const int hauteur_bouton = m_button_inscription->height();
    if (haut + 42 + hauteur_bouton <= hauteur_client - 8) {
        m_label_inscription->move(gauche, haut);
        m_button_inscription->move(gauche, haut + 42);
        m_Button_oui->move(gauche, haut + 42);
    } else {
        // A full column leaves no room below it: the prompt and its buttons share the last row.
        haut = std::max(m_zone_listes->geometry().bottom() + 1 + 8, hauteur_client - 8 - hauteur_bouton);
        m_label_inscription->move(gauche, haut + (hauteur_bouton - m_label_inscription->height()) / 2);
        const int x = m_label_inscription->geometry().right() + 1 + 12;
        m_button_inscription->move(x, haut);
        m_Button_oui->move(x, haut);
    }
    m_Button_non->move(m_Button_oui->geometry().right() + 1 + 10, m_Button_oui->y());
}

void Tident::demande_code()
{
    m_etat = Etat::saisie_code;
    m_label_classe->hide();
    vide_boxes();
    m_ListBox_autre->hide();
    m_Button_oui->hide();
    m_Button_non->hide();
    // The class stays shown with its button, so that a pupil in the wrong class can go back.
    m_PanelClasse->setGeometry(gauche, 11, static_cast<int>(m_PanelClasse->text().size()) * 112 / 10, 30);
    m_ButtonChangerClasse->move(m_PanelClasse->geometry().right() + 1 + 15, 9);
    m_PanelClasse->setVisible(m_reglages.mode_ecole);
    m_ButtonChangerClasse->setVisible(m_reglages.mode_ecole);
    m_label_tape_code->show();
    m_Edit_code->setEnabled(true);
    m_Edit_code->clear();
    m_Edit_code->show();
    m_Edit_code->setFocus();
    m_label_inscription->fixe_texte(QStringLiteral("Si tu ne sais pas ton code, clique ici:"));
    m_label_inscription->move(40, 250);
    m_label_inscription->show();
    m_button_inscription->move(40, 292);
    m_button_inscription->show();
    m_label_code_inconnu->hide();
    m_Button_code_inconnu->hide();
}

void Tident::Edit_codeChange()
{
    const SaisieFiltree s = filtre_saisie_code(m_Edit_code->text(), m_Edit_code->cursorPosition());
    if (s.change) {
        const QSignalBlocker pas_deux_fois(m_Edit_code);
        m_Edit_code->setText(s.texte);
        m_Edit_code->setCursorPosition(s.curseur);
    }
    if (m_Edit_code->text().size() == 4)
        verifie_code();
}

void Tident::verifie_code()
{
    if (m_identification.verifie_code(m_Edit_code->text()))
        ferme();
    else
        code_inconnu();
}

void Tident::code_inconnu()
{
    m_etat = Etat::code_inconnu;
    m_label_inscription->hide();
    m_button_inscription->hide();
    m_label_tape_code->hide();
    m_label_code_inconnu->show();
    m_Button_code_inconnu->show();
    m_Edit_code->setEnabled(false);
    m_Button_code_inconnu->setFocus();
}

void Tident::Button_code_inconnuClick()
{
    demande_code();
}

void Tident::Inscription()
{
    m_etat = Etat::inscription;
    m_label_classe->hide();
    m_label_tape_code->hide();
    m_Edit_code->hide();
    m_label_inscription->hide();
    m_button_inscription->hide();
    m_label_code_inconnu->hide();
    m_Button_code_inconnu->hide();
    vide_boxes();
    m_ListBox_autre->hide();
    m_Label_nom->show();
    m_label_prenom->show();
    m_Edit_nom->setReadOnly(false);
    m_Edit_prenom->setReadOnly(false);
    m_Edit_nom->clear();
    m_Edit_prenom->clear();
    m_Edit_nom->show();
    m_Edit_prenom->show();
    m_Edit_nom->setFocus();
    m_Button_id->setEnabled(false);
    m_Button_id->show();
}

void Tident::button_inscriptionClick()
{
    m_Button_oui->hide();
    m_Button_non->hide();
    Inscription();
}

void Tident::Edit_nom_prenomChange(QLineEdit* champ)
{
    const SaisieFiltree s = filtre_saisie_nom(champ->text(), champ->cursorPosition());
    if (s.change) {
        const QSignalBlocker pas_deux_fois(champ);
        champ->setText(s.texte);
        champ->setCursorPosition(s.curseur);
    }
    m_Button_id->setEnabled(inscription_possible(m_Edit_nom->text(), m_Edit_prenom->text()));
}

bool Tident::choisit_ancien_eleve(QString& nom_fichier)
{
    for (const AncienEleve& a : m_identification.anciens_eleves(nom_fichier)) {
        const auto reponse = boites::question(this, QStringLiteral("Ancien élève?"),
            question_ancien_eleve(a.classe, a.annees), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (reponse == QMessageBox::Yes) {
            nom_fichier = a.nom_fichier;
            return true;
        }
    }
    return false;
}

void Tident::Button_idClick()
{
    if (m_etat != Etat::inscription || !m_Button_id->isEnabled())
        return;
    QString nom_fichier
        = IdentificationEleve::nom_fichier_inscription(m_Edit_nom->text(), m_Edit_prenom->text());
    if (nom_fichier.isEmpty()) {
        boites::avertissement(this, QStringLiteral("Inscription"),
            QStringLiteral("Ton nom de famille et ton prénom doivent contenir des lettres."));
        return;
    }
    if (m_identification.recherche_ancien_eleve_utile(nom_fichier))
        choisit_ancien_eleve(nom_fichier);
    const Ecriture marque = m_identification.inscrit(nom_fichier);
    if (!marque) {
        boites::avertissement(this, QStringLiteral("Inscription"),
            QStringLiteral("Ton nom n'a pas pu être ajouté à la liste « Hors classe » :\n") + marque.erreur
                + QStringLiteral("\nTu pourras te réinscrire avec le même nom : ton travail sera retrouvé."));
    }
    if (!m_reglages.identification_par_code) {
        ferme();
        return;
    }
    m_etat = Etat::affichage_code;
    m_Button_id->hide();
    m_Edit_nom->setReadOnly(true);
    m_Edit_prenom->setReadOnly(true);
    m_ButtonChangerClasse->hide();
    m_label_code->show();
    m_Panel_code->setText(m_identification.identite().code);
    m_Panel_code->setAccessibleName(QStringLiteral("Ton code est: ") + m_identification.identite().code);
    m_Panel_code->show();
    m_label_cahier->show();
    m_Button_code->show();
    m_Button_code->setFocus();
}

void Tident::Button_ouiClick()
{
    m_Button_oui->hide();
    m_Button_non->hide();
    QListWidget* b = box(1);
    if (b->count() > 0 && m_identification.choisit_nom(b->item(0)->text()))
        ferme();
}

void Tident::Button_codeClick()
{
    ferme();
}

void Tident::ButtonChangerClasseClick()
{
    initialisation();
}

void Tident::ferme()
{
    accept();
}

void Tident::done(int resultat)
{
    m_identification.oublie_liste();
    QDialog::done(resultat);
}

void Tident::keyPressEvent(QKeyEvent* evenement)
{
    // A pupil's stray Escape must not leave the program without a pupil; the title bar still closes.
    if (evenement->key() == Qt::Key_Escape) {
        evenement->accept();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

bool Tident::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objet, evenement);
    const int touche = static_cast<QKeyEvent*>(evenement)->key();
    if (objet == m_Edit_nom) {
        if (touche_entree(touche) || touche == Qt::Key_Down || touche == Qt::Key_Tab
            || touche == Qt::Key_Backtab) {
            m_Edit_prenom->setFocus(Qt::TabFocusReason);
            return true;
        }
    } else if (objet == m_Edit_prenom) {
        // Tab goes on to "OK" once it can be pressed.
        if (touche == Qt::Key_Tab && m_Button_id->isEnabled() && m_Button_id->isVisible())
            return QDialog::eventFilter(objet, evenement);
        if (touche == Qt::Key_Up || touche == Qt::Key_Tab || touche == Qt::Key_Backtab) {
            m_Edit_nom->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (touche_entree(touche)) {
            Button_idClick();
            return true;
        }
    } else if (auto* b = qobject_cast<QListWidget*>(objet)) {
        if (touche_entree(touche)) {
            clic_liste(b, b->currentItem());
            return true;
        }
        if (touche == Qt::Key_Left || touche == Qt::Key_Right) {
            // Columns follow each other: the arrows move between them on the same row.
            QList<QListWidget*> visibles;
            for (QListWidget* c : std::as_const(m_boxes)) {
                if (c->isVisible() && c->isEnabled())
                    visibles.append(c);
            }
            if (m_ListBox_autre->isVisible())
                visibles.append(m_ListBox_autre);
            const qsizetype i = visibles.indexOf(b) + (touche == Qt::Key_Right ? 1 : -1);
            if (i >= 0 && i < visibles.size()) {
                QListWidget* voisine = visibles[i];
                voisine->setCurrentRow(std::clamp(b->currentRow(), 0, voisine->count() - 1));
                voisine->setFocus(Qt::TabFocusReason);
                m_zone_listes->ensureWidgetVisible(voisine, 0, 0);
            }
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}
