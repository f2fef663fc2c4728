#pragma once

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
    // A pupil: names, class, séances, total time, then each test day, most recent first.
    void montre_eleve(const QString& chemin, const QStringList& historique, const QString& classe);
    // A class or the top line: its entry in the list of paths.
    void montre_entree(const QString& entree);
    // Test days shown with a chart, most recent first.
    const QVector<JourTeste>& jours() const { return m_jours; }

protected:
    QVariant loadResource(int type, const QUrl& nom) override;

private:
    void termine(QString html);
    QVector<JourTeste> m_jours;
    int m_temps_acceptable = 4;
};
