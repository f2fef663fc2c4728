#include "teacher/page_objectifs.h"

#include "storage/configuration.h"
#include "teacher/bouton_enregistrer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

namespace {

constexpr int gauche_cases = 110;

QString legende(int table)
{
    if (table <= 9)
        return QStringLiteral("%1×").arg(table);
    return table == 11 ? QStringLiteral("Carrés") : QString::number(table);
}

QRadioButton* bouton_radio(QWidget* parent, const char* nom, const QString& texte, const QRect& place)
{
    auto* r = new QRadioButton(texte, parent);
    r->setObjectName(QLatin1String(nom));
    r->setAccessibleName(texte);
    r->setGeometry(place);
    return r;
}

} // namespace

PageObjectifs::PageObjectifs(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Obj_niveaux"));

    auto* familles = new QGroupBox(QStringLiteral("Tables"), this);
    familles->setGeometry(10, 8, 420, 56);
    m_classiques
        = bouton_radio(familles, "RadioButton42", QStringLiteral("Tables classiques"), {10, 24, 130, 24});
    m_etendues
        = bouton_radio(familles, "RadioButton43", QStringLiteral("Tables étendues"), {145, 24, 125, 24});
    auto* raisonnees
        = bouton_radio(familles, "RadioButton44", QStringLiteral("Tables raisonnées"), {275, 24, 140, 24});
    raisonnees->setEnabled(false);
    m_classiques->setChecked(true);
    // States are followed however they change: mouse, keyboard or screen reader.
    for (QRadioButton* r : {m_classiques, m_etendues})
        connect(r, &QRadioButton::toggled, this, &PageObjectifs::RadioButton42Click);

    auto* memes = new QGroupBox(QStringLiteral("Les objectifs sont les mêmes pour toutes les classes"), this);
    memes->setGeometry(440, 8, 460, 56);
    m_oui = bouton_radio(memes, "RadioButton45", QStringLiteral("oui"), {20, 24, 60, 24});
    m_non = bouton_radio(memes, "RadioButton46", QStringLiteral("non"), {100, 24, 60, 24});
    m_oui->setChecked(true);

    auto* defile = new QScrollArea(this);
    defile->setGeometry(10, 74, 890, 430);
    m_lignes = new QWidget;
    defile->setWidget(m_lignes);

    m_enregistrer = bouton_enregistrer(this, "Button_enregistrer_objectifs");
}

void PageObjectifs::Redimensionne_objectifs(const QStringList& niveaux)
{
    qDeleteAll(m_noms);
    m_noms.clear();
    for (const auto& ligne : m_cases)
        qDeleteAll(ligne);
    m_cases.clear();
    m_grille.redimensionne(niveaux);

    QFont police = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    police.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono")});
    police.setPointSize(12);
    police.setBold(true);
    for (int i = 1; i <= niveaux.size(); ++i) {
        const int y = 8 + ecart_lignes * (i - 1);
        auto* nom = new QLineEdit(niveaux.at(i - 1), m_lignes);
        nom->setObjectName(QStringLiteral("Edit_obj_%1").arg(i));
        nom->setAccessibleName(QStringLiteral("Niveau %1").arg(i));
        nom->setReadOnly(true);
        nom->setGeometry(8, y, 92, 22);
        nom->show();
        m_noms.append(nom);
        QVector<QCheckBox*> cases(20, nullptr);
        for (const Famille f : {Famille::classiques, Famille::etendues}) {
            const QVector<int> tables = GrilleObjectifs::tables(f);
            for (int c = 0; c < tables.size(); ++c) {
                const int t = tables.at(c);
                auto* boite = new QCheckBox(legende(t), m_lignes);
                boite->setObjectName(QStringLiteral("CheckBox_obj_%1_%2").arg(i).arg(t));
                boite->setAccessibleName(niveaux.at(i - 1) + QLatin1Char(' ') + legende(t));
                boite->setFont(police);
                boite->setGeometry(
                    gauche_cases + ecart_colonnes * c, y, ecart_colonnes + (t == 11 ? 40 : 0), 22);
                connect(boite, &QCheckBox::toggled, this, [this, i, t, boite](bool coche) {
                    if (m_grille.lignes().at(i - 1).coches[t] != coche) // not the grid being shown
                        coche_colonne(i - 1, boite);
                });
                cases[t] = boite;
            }
        }
        m_cases.append(cases);
    }
    m_lignes->resize(870, 16 + ecart_lignes * int(niveaux.size()));
    affiche_cases();
}

void PageObjectifs::charge(const QString& valeur_classiques, const QString& valeur_etendues)
{
    const bool memes = m_grille.charge(valeur_classiques, valeur_etendues);
    (memes ? m_oui : m_non)->setChecked(true);
    affiche_cases();
}

Famille PageObjectifs::famille() const
{
    return m_etendues->isChecked() ? Famille::etendues : Famille::classiques;
}

QString PageObjectifs::cle() const
{
    return famille() == Famille::classiques ? cles::objectifs_classiques_niveaux
                                            : cles::objectifs_etendus_niveaux;
}

void PageObjectifs::RadioButton42Click()
{
    affiche_cases();
}

void PageObjectifs::coche_colonne(int ligne, QCheckBox* boite)
{
    m_grille.coche(
        ligne, GrilleObjectifs::table_du_nom(boite->objectName()), boite->isChecked(), m_oui->isChecked());
    affiche_cases();
}

void PageObjectifs::affiche_cases()
{
    const Famille montree = famille();
    for (int i = 0; i < m_cases.size(); ++i) {
        for (int t = 2; t <= 19; ++t) {
            QCheckBox* boite = m_cases[i][t];
            if (!boite)
                continue;
            boite->setChecked(m_grille.lignes().at(i).coches[t]);
            boite->setVisible(GrilleObjectifs::famille_de(t) == montree);
        }
    }
}
