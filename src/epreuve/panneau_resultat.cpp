#include "epreuve/panneau_resultat.h"

#include "epreuve/evaluation_test.h"
#include "reports/graphique_test.h"
#include "ui/accessibilite.h"
#include "ui/controles.h"

#include <QBitmap>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {
constexpr int ecart_verdicts = 26;
} // namespace

PanneauResultat::PanneauResultat(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel3"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(236, 233, 216));
    setPalette(pal);

    m_image2 = new QLabel(this);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_label2 = etiquette("Label2", 13, true, Qt::black);
    m_label3 = etiquette("Label3", 16, true, Qt::red);
    m_label4 = etiquette("Label4", 13, true, Qt::black);
    m_label5 = etiquette("Label5", 13, true, Qt::red);
    m_label6 = etiquette("Label6", 13, true, Qt::black);
    m_label7 = etiquette("Label7", 16, true, Qt::blue);
    m_label8 = etiquette("Label8", 13, true, Qt::black);
    m_label9 = etiquette("Label9", 13, true, Qt::blue);
    m_label2->setText(QStringLiteral("Tu sais "));
    m_label3->setText(QStringLiteral("MAL"));
    m_label6->setText(QStringLiteral("Tu sais "));
    m_label7->setText(QStringLiteral("BIEN"));
    m_separateur = new QFrame(this);
    m_separateur->setObjectName(QStringLiteral("ShapeEx1"));
    m_separateur->setFrameStyle(QFrame::VLine | QFrame::Plain);
    m_separateur->setLineWidth(2);
    m_label10 = etiquette("Label10", 11, true, QColor(128, 0, 0));
    m_label12 = etiquette("Label12", 10, false, Qt::black);
    m_label12->setText(QStringLiteral("Pour suivre ce conseil, clique sur \"étape suivante\""));
    m_tu_sais = etiquette("Label_tu_sais", 13, true, Qt::black);
    m_pourcent = etiquette("label_pourcent", 22, true, Qt::blue);
    m_pourcent->setAlignment(Qt::AlignCenter);
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(petite_image());
    m_image1->setFixedSize(32, 32);
    m_apprec = etiquette("Label_apprec", 15, true, Qt::blue);
    m_shape1 = new QFrame(this);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setStyleSheet(
        QStringLiteral("QFrame#Shape1 { border: 2px dotted blue; background: transparent; }"));
    m_shape1->lower();
    m_label11 = etiquette("Label11", 10, true, Qt::black);
    m_record = etiquette("label_record", 30, true, Qt::red);
    m_record->setText(QStringLiteral("RECORD BATTU!!!"));
    m_record->hide();
}

QLabel* PanneauResultat::etiquette(const char* nom, int taille_points, bool gras, const QColor& couleur)
{
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(nom));
    l->setFont(police_activite(taille_points, gras));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, couleur);
    l->setPalette(p);
    return l;
}

QPixmap PanneauResultat::petite_image()
{
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath etoile;
    for (int i = 0; i < 10; ++i) {
        const qreal rayon = i % 2 == 0 ? 15 : 6.5;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(16 + rayon * qCos(angle), 16.5 + rayon * qSin(angle));
        if (i == 0)
            etoile.moveTo(point);
        else
            etoile.lineTo(point);
    }
    etoile.closeSubpath();
    p.setPen(QPen(QColor(200, 120, 0), 1.5));
    p.setBrush(QColor(255, 210, 0));
    p.drawPath(etoile);
    return image;
}

void PanneauResultat::place_paire(QLabel* gauche, QLabel* droite, int x, int y)
{
    gauche->adjustSize();
    droite->adjustSize();
    const int h = qMax(gauche->height(), droite->height());
    gauche->move(x, y + h - gauche->height());
    droite->move(x + gauche->width(), y + h - droite->height());
}

void PanneauResultat::centre_paire(QLabel* gauche, QLabel* droite, int y)
{
    gauche->adjustSize();
    droite->adjustSize();
    place_paire(gauche, droite, (width() - gauche->width() - droite->width()) / 2, y);
}

void PanneauResultat::aligne_paire_a_droite(QLabel* gauche, QLabel* droite, int droite_x, int y)
{
    gauche->adjustSize();
    droite->adjustSize();
    place_paire(gauche, droite, droite_x - gauche->width() - droite->width(), y);
}

void PanneauResultat::affiche(
    const EvaluationTest& e, const QImage& graphique, const QString& description, bool record)
{
    nomme(m_image2, QStringLiteral("Résultat du test"), description);
    QPixmap image = QPixmap::fromImage(graphique);
    image.setMask(image.createMaskFromColor(couleur_transparente_graphique()));
    m_image2->setPixmap(image);
    m_image2->setGeometry(marge_image, 10, graphique.width(), graphique.height());
    const int largeur = 2 * marge_image + graphique.width();
    const int y0 = 10 + graphique.height() + 12;

    const QList<QWidget*> verdicts {m_label2, m_label3, m_label4, m_label5, m_separateur, m_label6, m_label7,
        m_label8, m_label9, m_label10, m_label12, m_tu_sais, m_pourcent, m_image1, m_apprec, m_shape1,
        m_label11};
    m_record->setVisible(false);
    if (!e.classique) {
        for (QWidget* w : verdicts)
            w->hide();
        setFixedSize(largeur, graphique.height() + 20);
        return;
    }
    setFixedSize(largeur, y0 + 190);

    m_label4->setText(e.libelle_mal);
    m_label5->setText(e.texte_mal);
    m_label8->setText(e.libelle_bien);
    m_label9->setText(e.texte_bien);
    const bool mal = !e.tables_mal.isEmpty();
    const bool bien = !e.tables_bien.isEmpty();
    for (QWidget* w : std::initializer_list<QWidget*> {m_label2, m_label3, m_label4, m_label5})
        w->setVisible(mal);
    for (QWidget* w : std::initializer_list<QWidget*> {m_label6, m_label7, m_label8, m_label9})
        w->setVisible(bien);
    m_separateur->setVisible(mal && bien);
    m_label10->setVisible(mal);
    m_label12->setVisible(mal);
    if (mal && bien) {
        // The whole verdict block is centred, so that long lists stay inside the panel.
        for (QLabel* l : {m_label2, m_label3, m_label4, m_label5, m_label6, m_label7, m_label8, m_label9})
            l->adjustSize();
        const int gauche = qMax(m_label2->width() + m_label3->width(), m_label4->width() + m_label5->width());
        const int droite = qMax(m_label6->width() + m_label7->width(), m_label8->width() + m_label9->width());
        const int x_sep
            = qMax(gauche + 37 + 4, (largeur - (gauche + 37 + 3 + 43 + droite)) / 2 + gauche + 37);
        m_separateur->setGeometry(x_sep, y0 - 2, 3, 2 * ecart_verdicts + 4);
        aligne_paire_a_droite(m_label2, m_label3, x_sep - 37, y0);
        aligne_paire_a_droite(m_label4, m_label5, x_sep - 37, y0 + ecart_verdicts);
        place_paire(m_label6, m_label7, x_sep + 43, y0);
        place_paire(m_label8, m_label9, x_sep + 43, y0 + ecart_verdicts);
    } else if (mal) {
        centre_paire(m_label2, m_label3, y0);
        centre_paire(m_label4, m_label5, y0 + ecart_verdicts);
    } else {
        centre_paire(m_label6, m_label7, y0);
        centre_paire(m_label8, m_label9, y0 + ecart_verdicts);
    }
    m_label10->setText(e.conseil);
    m_label10->adjustSize();
    m_label10->move((largeur - m_label10->width()) / 2, y0 + 2 * ecart_verdicts + 8);
    m_label12->adjustSize();
    m_label12->move((largeur - m_label12->width()) / 2, y0 + 2 * ecart_verdicts + 30);

    // The percentage row, centred, inside its dotted frame.
    const int y_rang = y0 + 2 * ecart_verdicts + 66;
    m_tu_sais->setText(e.tu_sais);
    m_tu_sais->adjustSize();
    m_pourcent->setText(e.pourcent);
    m_pourcent->adjustSize();
    m_pourcent->setFixedWidth(e.largeur_pourcent);
    m_apprec->setText(e.niveau);
    nomme(m_image1, QStringLiteral("Niveau"), e.niveau);
    m_apprec->adjustSize();
    const int largeur_rang = m_tu_sais->width() + 5 + e.largeur_pourcent + 5 + 41 + m_apprec->width();
    const int x = (largeur - largeur_rang) / 2;
    const int h = m_pourcent->height();
    m_tu_sais->move(x, y_rang + (h - m_tu_sais->height()) / 2);
    m_pourcent->move(x + m_tu_sais->width() + 5, y_rang);
    const int x_image = m_pourcent->x() + e.largeur_pourcent + 5;
    m_image1->move(x_image, y_rang + (h - 32) / 2);
    m_apprec->move(x_image + 41, y_rang + (h - m_apprec->height()) / 2);
    m_shape1->setGeometry(x - 20, y_rang - 6, largeur_rang + 40, h + 12);
    for (QWidget* w : std::initializer_list<QWidget*> {m_tu_sais, m_pourcent, m_image1, m_apprec, m_shape1})
        w->show();
    m_shape1->lower();

    m_label11->setText(e.c_est_a_dire);
    m_label11->setVisible(!e.c_est_a_dire.isEmpty());
    m_label11->adjustSize();
    const QRect cadre = m_shape1->geometry();
    m_label11->move(cadre.x() + cadre.width() - m_label11->width(), cadre.y() + cadre.height() + 6);

    if (record) {
        m_record->adjustSize();
        m_record->move(
            (largeur - m_record->width()) / 2, 10 + graphique.height() / 2 - m_record->height() / 2);
        m_record->show();
        m_record->raise();
    }
}
