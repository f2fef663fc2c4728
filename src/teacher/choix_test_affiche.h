#pragma once

#include "core/choix_test.h"

#include <QDate>
#include <QGroupBox>

class QDateEdit;
class QRadioButton;

// Which test stands for each pupil: "le premier à partir du" a date or "le dernier au" a date (the default).
// The three pages that use it give their own title and control names.
class ChoixTestAffiche : public QGroupBox
{
    Q_OBJECT
public:
    struct Noms
    {
        QString premier; // radio button "le premier à partir du"
        QString date_premier;
        QString dernier; // radio button "le dernier au"
        QString date_dernier;
    };
    ChoixTestAffiche(const QString& titre, const Noms& noms, QWidget* parent = nullptr);

    // 1 September of the school year in progress and today; "le dernier au" chosen.
    void initialise(QDate aujourdhui);

    ModeChoixTest mode() const;
    QString date() const; // dd/mm/yyyy of the chosen mode
    QRadioButton* bouton_premier() const { return m_premier; }
    QRadioButton* bouton_dernier() const { return m_dernier; }
    QDateEdit* date_premier() const { return m_date_premier; }
    QDateEdit* date_dernier() const { return m_date_dernier; }

private:
    QRadioButton* m_premier = nullptr;
    QRadioButton* m_dernier = nullptr;
    QDateEdit* m_date_premier = nullptr;
    QDateEdit* m_date_dernier = nullptr;
};
