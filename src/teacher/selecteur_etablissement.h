#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

// The establishment and school-year drop-down lists of a console page ("ComboBox1"/"ComboBox2" on the class
// follow-up, "ComboBox3"/"ComboBox4" and "ComboBox5"/"ComboBox6" on the statistics pages).
class SelecteurEtablissement : public QWidget
{
    Q_OBJECT
public:
    // `avec_aucun`: the first list ends with "aucun", the pupils kept directly in dossier_eleves.
    SelecteurEtablissement(const QString& nom_etablissements, const QString& nom_annees, bool avec_aucun,
        QWidget* parent = nullptr);

    // Lists the folders of dossier_eleves; shows `prefere` when it is one of them, else the first found, and
    // the most recent school year.
    void remplit(const QString& dossier_eleves, const QString& prefere = {});

    QString etablissement() const;
    QString annee() const; // empty when there is none or "aucun" is shown
    bool aucun() const;
    QComboBox* etablissements() const { return m_etablissements; }
    QComboBox* annees() const { return m_annees; }

Q_SIGNALS:
    void changement();

private:
    void ComboChange(); // refills the school years of the establishment shown
    QString m_dossier_eleves;
    bool m_avec_aucun = false;
    QComboBox* m_etablissements = nullptr;
    QComboBox* m_annees = nullptr;
    QLabel* m_libelle_annees = nullptr;
};
