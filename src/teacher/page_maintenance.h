#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class Session;

// "Maintenance": merges two copies of one pupil's history into both files; checks the school's share.
class PageMaintenance : public QWidget
{
    Q_OBJECT
public:
    explicit PageMaintenance(Session& session, QWidget* parent = nullptr);

    void Button_ChoixFichier1Click();
    void Button_ChoixFichier2Click();
    void Button_fusionneClick();
    // The health check of the school's share, its report shown below; `reparer` after confirmation.
    void Button_verifierClick(bool reparer = false);
    QString rapport_affiche() const;

private:
    void choisit(QLineEdit* champ);
    Session& m_session;
    QLineEdit* m_fichier1 = nullptr;
    QLineEdit* m_fichier2 = nullptr;
    QPlainTextEdit* m_rapport = nullptr;
};
