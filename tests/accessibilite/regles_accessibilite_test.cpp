#include "regles_accessibilite.h"
#include "ui/etiquette_tournee.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A widget of ours that draws, as the charts and lights are.
class Dessin : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};

QPixmap une_image()
{
    QPixmap p(8, 8);
    p.fill(Qt::red);
    return p;
}

struct Cas
{
    const char* nom;
    std::function<void(QWidget*)> ajoute; // adds one widget named "w" to the window
    const char* faute; // part of the expected fault; nullptr: none
};

const Cas cas[] = {
    {"bouton sans texte ni nom", [](QWidget* f) { new QPushButton(f); }, "sans nom accessible"},
    {"bouton que Tab n'atteint pas",
        [](QWidget* f) { (new QPushButton(QStringLiteral("OK"), f))->setFocusPolicy(Qt::ClickFocus); },
        "Tab n'atteint pas"},
    {"bouton radio mû par les flèches",
        [](QWidget* f) { (new QRadioButton(QStringLiteral("oui"), f))->setFocusPolicy(Qt::ClickFocus); },
        nullptr},
    {"étiquette au nom resté générique",
        [](QWidget* f) {
            (new QLabel(QStringLiteral("Dupont Léa"), f))->setAccessibleName(QStringLiteral("Elève"));
        },
        "montre « Dupont Léa » mais se nomme « Elève »"},
    {"étiquette au nom qui complète son texte",
        [](QWidget* f) {
            (new QLabel(QStringLiteral("8"), f))->setAccessibleName(QStringLiteral("8 produits à apprendre"));
        },
        nullptr},
    {"image sans description",
        [](QWidget* f) {
            auto* l = new QLabel(f);
            l->setPixmap(une_image());
            l->setAccessibleName(QStringLiteral("Résultat du test"));
        },
        "image sans nom ou sans description"},
    {"dessin sans nom", [](QWidget* f) { new Dessin(f); }, "dessin sans nom accessible"},
    {"dessin sans description", [](QWidget* f) { (new Dessin(f))->setAccessibleName(QStringLiteral("Feu")); },
        "dessin sans description"},
    {"texte incliné, lu comme du texte", [](QWidget* f) { new EtiquetteTournee(QStringLiteral("Lun"), f); },
        nullptr},
};

} // namespace

TEST(ReglesAccessibilite, chaque_faute_est_trouvee_et_nommee_par_sa_fenetre_et_son_objet)
{
    for (const Cas& c : cas) {
        QWidget fenetre;
        fenetre.setWindowTitle(QStringLiteral("Essai"));
        c.ajoute(&fenetre);
        QWidget* w = fenetre.findChildren<QWidget*>().constLast();
        w->setObjectName(QStringLiteral("w"));
        fenetre.show();
        const QStringList fautes = fautes_accessibilite(&fenetre);
        if (!c.faute) {
            EXPECT_TRUE(fautes.isEmpty()) << c.nom << ": " << fautes.join(u'\n').toStdString();
            continue;
        }
        ASSERT_EQ(fautes.size(), 1) << c.nom << ": " << fautes.join(u'\n').toStdString();
        EXPECT_TRUE(fautes[0].startsWith(QStringLiteral("« Essai » (QWidget) : w (")))
            << fautes[0].toStdString();
        EXPECT_TRUE(fautes[0].contains(QString::fromUtf8(c.faute)))
            << c.nom << ": " << fautes[0].toStdString();
    }
}

TEST(ReglesAccessibilite, un_controle_cache_ou_d_une_autre_fenetre_n_est_pas_juge)
{
    QWidget fenetre;
    auto* cache = new QPushButton(&fenetre);
    cache->hide();
    auto* autre = new QWidget(&fenetre, Qt::Window);
    new QPushButton(autre);
    fenetre.show();
    autre->show();
    EXPECT_TRUE(fautes_accessibilite(&fenetre).isEmpty());
    EXPECT_EQ(fautes_accessibilite(autre).size(), 1);
}

#include "regles_accessibilite_test.moc"
