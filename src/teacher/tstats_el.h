#pragma once

#include "teacher/regles_stats_eleves.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QScrollArea;

// "Statistiques par élèves": the chart of a data text, which the teacher can save (picture and data) and
// print.
class Tstats_el : public QDialog
{
    Q_OBJECT
public:
    explicit Tstats_el(QWidget* parent = nullptr);

    // Draws the chart; false (and an empty picture) when the text is not a chart's data.
    bool montre_donnees(const QString& texte);
    // Shows a chart drawn elsewhere, its data for the spreadsheet and what a screen reader says of it.
    void montre_graphique(
        const QImage& image, const QString& titre, const QStringList& lignes_csv, const QString& description);
    // Folder the save dialog opens in.
    void definit_dossier(const QString& dossier) { m_dossier = dossier; }

    const QImage& image() const { return m_image; }
    const DonneesStats& donnees() const { return m_donnees; }
    const QStringList& lignes_csv() const { return m_csv; }

    void EnregistrerClick();
    void ImprimerClick();

private:
    void affiche(const QImage& image, const QString& titre, const QStringList& lignes_csv);
    DonneesStats m_donnees;
    QString m_titre;
    QStringList m_csv;
    QImage m_image;
    QString m_dossier;
    QScrollArea* m_defilement = nullptr;
    QLabel* m_image1 = nullptr;
    QPushButton* m_enregistrer = nullptr;
    QPushButton* m_imprimer = nullptr;
};

// Writes the picture as PNG and the data as CSV beside it (same name, ".csv"). "" when both are written,
// else why not, in French.
QString enregistre_graphique(const QString& chemin_png, const QImage& image, const QStringList& lignes_csv);
