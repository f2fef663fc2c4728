#pragma once

#include "core/amenagement.h"
#include "teacher/regles_progression.h"
#include "teacher/regles_resume_eleve.h"

#include <QTextBrowser>

// "RichView1": the summary of the selected pupil with the chart of each test day, or the entry of a class or
// of the top line. A chart is drawn only when it comes into view, so a history of hundreds of test days opens
// at once.
class VueResumeEleve : public QTextBrowser
{
    Q_OBJECT
public:
    explicit VueResumeEleve(QWidget* parent = nullptr);

    void definit_temps_acceptable(int T) { m_temps_acceptable = T; }
    // A pupil: names, class, extra time, séances, total time, then each test day, most recent first.
    void montre_eleve(const QString& chemin, const ResumeEleve& resume, const QString& classe,
        Amenagement amenagement = Amenagement::aucun);
    // A class or the top line: its entry in the list of paths.
    void montre_entree(const QString& entree);
    // Test days shown with a chart, most recent first.
    const QVector<JourTeste>& jours() const { return m_jours; }
    // The progress chart's points and what a screen reader says of it (also written under it).
    const QVector<PointProgression>& progression() const { return m_progression; }
    QString description_progression() const;

protected:
    QVariant loadResource(int type, const QUrl& nom) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    // The pupil's page again, its charts no wider than the pane.
    void compose();
    int largeur_utile() const;
    QSize taille_affichee(QSize naturelle) const; // a chart's size in the pane: its own, or narrower
    QImage ajustee(const QImage& image) const; // scaled to taille_affichee
    void termine(QString html);
    QString m_en_tete; // names, class, séances and total time of the pupil shown; empty for an entry
    QVector<JourTeste> m_jours;
    int m_largeur_composee = 0;
    bool m_recomposition_prevue = false;
    int m_temps_acceptable = 4;
    QVector<PointProgression> m_progression; // test days of the school year of the last one
    QString m_annee_progression;
};
