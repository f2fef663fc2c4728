#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class Session;

// "Maintenance": merges two copies of one pupil's history into both files.
class PageMaintenance : public QWidget
{
    Q_OBJECT
public:
    explicit PageMaintenance(Session& session, QWidget* parent = nullptr);

    void Button_ChoixFichier1Click();
    void Button_ChoixFichier2Click();
    void Button_fusionneClick();

private:
    void choisit(QLineEdit* champ);
    Session& m_session;
    QLineEdit* m_fichier1 = nullptr;
    QLineEdit* m_fichier2 = nullptr;
};
