#pragma once

#include <QLineEdit>

// The answer field of the drills: digits only, whatever the keyboard state. The keypad and the French
// digit row without Shift (&é"'(-è_çà) type 1…0 too.
class ChampReponse : public QLineEdit
{
    Q_OBJECT
public:
    explicit ChampReponse(QWidget* parent = nullptr);

    // d digit positions, 60, 90, 120 or 150 pixels wide for d = 1 to 4.
    void fixe_chiffres(int chiffres);
    int chiffres() const { return maxLength(); }

    // The digit a key stands for; a null QChar for any other key.
    static QChar chiffre_de_touche(int touche, const QString& texte, Qt::KeyboardModifiers modificateurs);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
};
