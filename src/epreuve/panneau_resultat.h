#pragma once

#include <QFrame>
#include <QImage>

class QLabel;
struct EvaluationTest;

// Panel3: the result chart, the two verdicts, the advice and the percentage row of a finished test.
class PanneauResultat : public QFrame
{
    Q_OBJECT
public:
    static constexpr int marge_image = 20;

    explicit PanneauResultat(QWidget* parent = nullptr);

    // Lays the panel out for this test; its width follows the chart's.
    // `description` says in words what the chart shows.
    void affiche(
        const EvaluationTest& evaluation, const QImage& graphique, const QString& description, bool record);

    // The small picture beside the level word.
    static QPixmap petite_image();

private:
    QLabel* etiquette(const char* nom, int taille_points, bool gras, const QColor& couleur);
    void place_paire(QLabel* gauche, QLabel* droite, int x, int y);
    void centre_paire(QLabel* gauche, QLabel* droite, int y);
    void aligne_paire_a_droite(QLabel* gauche, QLabel* droite, int droite_x, int y);

    QLabel* m_image2;
    QLabel* m_label2;
    QLabel* m_label3;
    QLabel* m_label4;
    QLabel* m_label5;
    QFrame* m_separateur;
    QLabel* m_label6;
    QLabel* m_label7;
    QLabel* m_label8;
    QLabel* m_label9;
    QLabel* m_label10;
    QLabel* m_label12;
    QLabel* m_tu_sais;
    QLabel* m_pourcent;
    QLabel* m_image1;
    QLabel* m_apprec;
    QFrame* m_shape1;
    QLabel* m_label11;
    QLabel* m_record;
};
