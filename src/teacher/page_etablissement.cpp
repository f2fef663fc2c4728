#include "teacher/page_etablissement.h"

#include "storage/niveaux.h"
#include "teacher/bouton_enregistrer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSpinBox>

namespace {

constexpr int haut_spin = 34;
constexpr int haut_nom = 62;
constexpr int haut_classes = 92;
constexpr int largeur_champ = 68;

const QString aide_noms = QStringLiteral(
    "10 caractères au plus. Un nom sert de nom de dossier : \\ / : * ? \" < > | et la virgule sont refusés.");

QLabel* etiquette(QWidget* parent, const QString& texte, int x, int y, int largeur)
{
    auto* l = new QLabel(texte, parent);
    l->setGeometry(x, y, largeur, 22);
    return l;
}

} // namespace

PageEtablissement::PageEtablissement(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Bahut"));
    auto* label_nom = etiquette(this, QStringLiteral("Nom de l'établissement:"), 16, 14, 170);
    m_edit2 = new QLineEdit(this);
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    m_edit2->setAccessibleName(label_nom->text());
    m_edit2->setGeometry(190, 12, 300, 24);
    m_edit2->setMaxLength(longueur_nom_etablissement_maximum);
    label_nom->setBuddy(m_edit2);

    m_label_annee = etiquette(this, QString(), 16, 50, 260);
    m_label_annee->setObjectName(QStringLiteral("Label_annee_scol"));
    QFont gras = m_label_annee->font();
    gras.setBold(true);
    m_label_annee->setFont(gras);

    auto* label_niveaux = etiquette(this, QStringLiteral("Nombre de niveaux:"), 290, 50, 140);
    m_spin_niveaux = new QSpinBox(this);
    m_spin_niveaux->setObjectName(QStringLiteral("SpinEdit_niveaux"));
    m_spin_niveaux->setAccessibleName(label_niveaux->text());
    m_spin_niveaux->setRange(1, niveaux_maximum);
    m_spin_niveaux->setGeometry(435, 48, 55, 24);
    label_niveaux->setBuddy(m_spin_niveaux);
    connect(m_spin_niveaux, &QSpinBox::valueChanged, this, [this](int n) {
        if (n >= 1 && n <= niveaux_maximum)
            redimensionne_niveaux(n);
    });

    auto* defile = new QScrollArea(this);
    defile->setGeometry(10, 84, 890, 420);
    m_grille = new QWidget;
    etiquette(m_grille, QStringLiteral("Classes:"), 6, haut_spin + 2, 76);
    etiquette(m_grille, QStringLiteral("Niveau:"), 6, haut_nom + 2, 76);
    etiquette(m_grille, QStringLiteral("Noms des"), 6, haut_classes, 76);
    etiquette(m_grille, QStringLiteral("classes:"), 6, haut_classes + 16, 76);
    etiquette(m_grille, aide_noms, 6, 6, 740)->setStyleSheet(QStringLiteral("color: #404040;"));
    defile->setWidget(m_grille);

    m_enregistrer = bouton_enregistrer(this, "Button_enregistrer_etablissement");

    redimensionne_niveaux(1);
}

QLineEdit* PageEtablissement::champ_nom(
    const QString& nom_objet, const QString& texte, const QString& accessible)
{
    static const QRegularExpression permis(QStringLiteral("[^\\\\/:*?\"<>|,\\x00-\\x1F\\x7F]*"));
    auto* champ = new QLineEdit(texte, m_grille);
    champ->setObjectName(nom_objet);
    champ->setAccessibleName(accessible);
    champ->setMaxLength(longueur_nom_maximum);
    champ->setValidator(new QRegularExpressionValidator(permis, champ));
    champ->setToolTip(aide_noms);
    // Ten characters must fit in a column 70 pixels wide.
    QFont police = champ->font();
    police.setPointSizeF(police.pointSizeF() * 0.9);
    champ->setFont(police);
    champ->show();
    return champ;
}

void PageEtablissement::redimensionne_niveaux(int n)
{
    while (m_colonnes.size() > n) {
        Colonne c = m_colonnes.takeLast();
        delete c.spin;
        delete c.nom;
        qDeleteAll(c.classes);
    }
    while (m_colonnes.size() < n) {
        const int i = int(m_colonnes.size()) + 1;
        const int x = gauche_grille + ecart_colonnes * (i - 1);
        Colonne c;
        c.spin = new QSpinBox(m_grille);
        c.spin->setObjectName(i == 1 ? QStringLiteral("SpinEdit1") : QStringLiteral("spinedit%1").arg(i));
        c.spin->setAccessibleName(QStringLiteral("Nombre de classes du niveau %1").arg(i));
        c.spin->setRange(1, classes_maximum);
        c.spin->setGeometry(x, haut_spin, largeur_champ, 24);
        c.spin->show();
        connect(c.spin, &QSpinBox::valueChanged, this, [this, i](int m) { SpinEdit_classes_Change(i, m); });
        c.nom = champ_nom(i == 1 ? QStringLiteral("Edit1_1") : QStringLiteral("edit1_%1").arg(i),
            QStringLiteral("niveau"), QStringLiteral("Nom du niveau %1").arg(i));
        c.nom->setGeometry(x, haut_nom, largeur_champ, 24);
        m_colonnes.append(c);
        redimensionne_classes(i, 1);
    }
    if (m_spin_niveaux->value() != n) {
        const QSignalBlocker bloque(m_spin_niveaux);
        m_spin_niveaux->setValue(n);
    }
    ajuste_grille();
}

void PageEtablissement::redimensionne_classes(int niveau, int m)
{
    if (niveau < 1 || niveau > m_colonnes.size())
        return;
    Colonne& c = m_colonnes[niveau - 1];
    while (c.classes.size() > m)
        delete c.classes.takeLast();
    const int x = gauche_grille + ecart_colonnes * (niveau - 1);
    while (c.classes.size() < m) {
        const int k = int(c.classes.size()) + 1;
        QLineEdit* champ
            = champ_nom(niveau == 1 && k == 1 ? QStringLiteral("Edit2_1")
                                              : QStringLiteral("edit%1_%2").arg(k + 1).arg(niveau),
                QStringLiteral("classe"), QStringLiteral("Classe %1 du niveau %2").arg(k).arg(niveau));
        champ->setGeometry(x, haut_classes + ecart_classes * (k - 1), largeur_champ, 20);
        c.classes.append(champ);
    }
    if (c.spin->value() != m) {
        const QSignalBlocker bloque(c.spin);
        c.spin->setValue(m);
    }
    ajuste_grille();
}

void PageEtablissement::SpinEdit_classes_Change(int niveau, int valeur)
{
    if (valeur >= 1 && valeur <= classes_maximum)
        redimensionne_classes(niveau, valeur);
}

void PageEtablissement::ajuste_grille()
{
    int classes = 1;
    for (const Colonne& c : m_colonnes)
        classes = std::max(classes, int(c.classes.size()));
    m_grille->resize(std::max(870, gauche_grille + ecart_colonnes * int(m_colonnes.size())),
        haut_classes + ecart_classes * classes + 10);
}

void PageEtablissement::montre(const Etablissement& e, const QString& annee_scolaire)
{
    m_edit2->setText(e.nom);
    m_label_annee->setText(QStringLiteral("Année scolaire ") + annee_scolaire + QLatin1Char(':'));
    redimensionne_niveaux(std::clamp(int(e.niveaux.size()), 1, niveaux_maximum));
    for (int i = 0; i < m_colonnes.size() && i < e.niveaux.size(); ++i) {
        const Niveau& n = e.niveaux.at(i);
        redimensionne_classes(i + 1, std::clamp(int(n.classes.size()), 1, classes_maximum));
        Colonne& c = m_colonnes[i];
        c.nom->setText(n.nom);
        for (int k = 0; k < c.classes.size() && k < n.classes.size(); ++k)
            c.classes[k]->setText(n.classes.at(k));
    }
}

Etablissement PageEtablissement::saisie() const
{
    Etablissement e;
    e.nom = m_edit2->text();
    for (const Colonne& c : m_colonnes) {
        Niveau n {c.nom->text(), {}};
        for (const QLineEdit* champ : c.classes)
            n.classes.append(champ->text());
        e.niveaux.append(n);
    }
    return e;
}
