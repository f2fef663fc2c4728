#pragma once

#include "teacher/regles_acces.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Accès réservé au professeur": the teacher's code before the console. Accepted when the code is right.
class TAcces_prof : public QDialog
{
    Q_OBJECT
public:
    TAcces_prof(const QString& code_stocke, bool& code_prof_requis, QWidget* parent = nullptr);

    void clique_Button_code();
    const AccesProfesseur& acces() const { return m_acces; }

protected:
    void showEvent(QShowEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void FormShow();

    AccesProfesseur m_acces;
    QLabel* m_label18 = nullptr;
    QLineEdit* m_edit3 = nullptr;
    QPushButton* m_button_code = nullptr;
    QLabel* m_label8 = nullptr;
    QRadioButton* m_radio2 = nullptr;
    QRadioButton* m_radio1 = nullptr;
};
