#include "teacher/page_maintenance.h"

#include "seance/session.h"
#include "storage/fusion.h"
#include "teacher/regles_verification.h"
#include "ui/boites.h"
#include "ui/controles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

PageMaintenance::PageMaintenance(Session& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("maintenance_fichiers"));
    auto* grille = new QGridLayout(this);
    grille->addWidget(
        new QLabel(QStringLiteral("Deux copies de l'historique d'un même élève : leurs séances sont "
                                  "réunies, sans doublon, dans l'une et l'autre.")),
        0, 0, 1, 2);
    auto* choix1 = bouton_nomme("Button_ChoixFichier1", QStringLiteral("Choix fichier1"));
    auto* choix2 = bouton_nomme("Button_ChoixFichier2", QStringLiteral("Choix fichier2"));
    m_fichier1 = new QLineEdit;
    m_fichier1->setObjectName(QStringLiteral("Edit_fichier1"));
    m_fichier1->setAccessibleName(QStringLiteral("fichier1"));
    m_fichier2 = new QLineEdit;
    m_fichier2->setObjectName(QStringLiteral("Edit_fichier2"));
    m_fichier2->setAccessibleName(QStringLiteral("fichier2"));
    auto* fusionne
        = bouton_nomme("Button_fusionne", QStringLiteral("fusionner contenus fichier1 et fichier2"));
    grille->addWidget(choix1, 1, 0);
    grille->addWidget(m_fichier1, 1, 1);
    grille->addWidget(choix2, 2, 0);
    grille->addWidget(m_fichier2, 2, 1);
    grille->addWidget(fusionne, 3, 0, 1, 2, Qt::AlignLeft);

    grille->addWidget(
        new QLabel(QStringLiteral("Vérification du partage de l'école : historiques illisibles, "
                                  "copies, classes, dates, fichiers inconnus.")),
        4, 0, 1, 2);
    auto* verifier = bouton_nomme("Button_verifier", QStringLiteral("Vérifier"));
    auto* reparer = bouton_nomme("Button_reparer", QStringLiteral("Vérifier et réparer…"));
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(verifier);
    ligne->addWidget(reparer);
    ligne->addStretch(1);
    grille->addLayout(ligne, 5, 0, 1, 2);
    m_rapport = new QPlainTextEdit;
    m_rapport->setObjectName(QStringLiteral("Memo_verification"));
    m_rapport->setAccessibleName(QStringLiteral("Rapport de vérification"));
    m_rapport->setReadOnly(true);
    m_rapport->setLineWrapMode(QPlainTextEdit::NoWrap);
    grille->addWidget(m_rapport, 6, 0, 1, 2);
    grille->setRowStretch(6, 1);
    grille->setColumnStretch(1, 1);
    connect(choix1, &QPushButton::clicked, this, &PageMaintenance::Button_ChoixFichier1Click);
    connect(choix2, &QPushButton::clicked, this, &PageMaintenance::Button_ChoixFichier2Click);
    connect(fusionne, &QPushButton::clicked, this, &PageMaintenance::Button_fusionneClick);
    connect(verifier, &QPushButton::clicked, this, [this] { Button_verifierClick(false); });
    connect(reparer, &QPushButton::clicked, this, [this] { Button_verifierClick(true); });
}

void PageMaintenance::choisit(QLineEdit* champ)
{
    const Reglages& r = m_session.reglages();
    boites::DemandeFichier demande;
    demande.titre = QStringLiteral("Choisir un historique");
    demande.dossier = r.mode_ecole ? r.dossier_etablissement : r.dossier_eleves;
    demande.filtre = QStringLiteral("Historiques (*.txt)");
    const QString choisi = boites::fichier_a_ouvrir(this, demande);
    if (!choisi.isEmpty())
        champ->setText(QDir::toNativeSeparators(choisi));
}

void PageMaintenance::Button_ChoixFichier1Click()
{
    choisit(m_fichier1);
}

void PageMaintenance::Button_ChoixFichier2Click()
{
    choisit(m_fichier2);
}

void PageMaintenance::Button_fusionneClick()
{
    const QString titre = QStringLiteral("Maintenance");
    const QString f1 = QDir::fromNativeSeparators(m_fichier1->text().trimmed());
    const QString f2 = QDir::fromNativeSeparators(m_fichier2->text().trimmed());
    if (f1.isEmpty() || f2.isEmpty()) {
        boites::avertissement(
            this, titre, QStringLiteral("Choisissez d'abord les deux fichiers à fusionner."));
        return;
    }
    if (QFileInfo(f1).canonicalFilePath() == QFileInfo(f2).canonicalFilePath() && QFileInfo::exists(f1)) {
        boites::avertissement(this, titre, QStringLiteral("fichier1 et fichier2 sont le même fichier."));
        return;
    }
    for (const QString& f : {f1, f2})
        if (!QFileInfo(f).isFile()) {
            boites::avertissement(this, titre,
                QStringLiteral("Le fichier « %1 » n'existe pas.").arg(QDir::toNativeSeparators(f)));
            return;
        }
    const Ecriture e = fusionne_historiques(f1, f2);
    if (!e) {
        boites::avertissement(this, titre, QStringLiteral("La fusion n'a pas été faite : ") + e.erreur);
        return;
    }
    boites::information(this, titre,
        QStringLiteral("Les contenus de\n%1\net de\n%2\nsont fusionnés : chacun des deux fichiers contient "
                       "maintenant toutes les séances, sans doublon.")
            .arg(QDir::toNativeSeparators(f1), QDir::toNativeSeparators(f2)));
}

QString PageMaintenance::rapport_affiche() const
{
    return m_rapport->toPlainText();
}

void PageMaintenance::Button_verifierClick(bool reparer)
{
    const Reglages& r = m_session.reglages();
    const QString titre = QStringLiteral("Vérification");
    if (!r.mode_ecole) {
        boites::information(
            this, titre, QStringLiteral("La vérification porte sur le partage d'une école (mode École)."));
        return;
    }
    if (reparer
        && boites::question(this, titre,
               QStringLiteral(
                   "Fusionner les copies d'un même historique et ranger les fichiers laissés par des "
                   "écritures interrompues dans un dossier daté du dossier statistiques ?\n"
                   "Rien n'est effacé."))
            != QMessageBox::Ok)
        return;
    OptionsVerification o;
    o.dossier_eleves = r.dossier_eleves;
    o.etablissement = r.nom_etablissement;
    o.dossier_statistiques = r.dossier_statistiques_serveur.isEmpty() ? r.dossier_statistiques_local
                                                                      : r.dossier_statistiques_serveur;
    o.classes_par_annee = classes_de_la_configuration(m_session.configuration());
    o.reparer = reparer;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RapportVerification rapport = verifie_partage(o, m_session.horloge().date_heure());
    QApplication::restoreOverrideCursor();
    m_rapport->setPlainText(texte_rapport(rapport, o).join(QLatin1Char('\n')));
}
