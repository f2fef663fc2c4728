#pragma once

#include "core/etat.h"

#include <QGroupBox>
#include <QVector>

class QCheckBox;

// "Sur quels élèves:": one ticked box per class of the level table, levels in columns, each wide enough for a
// class name of 10 letters. The statistics pages each hold one, named "CheckBox_" or "CheckBox_el_" + level +
// "_" + class (from 1).
class CasesClasses : public QGroupBox
{
    Q_OBJECT
public:
    // The width of the console's pages, less the group's margin: more levels go on a second row of columns.
    static constexpr int largeur_maximale = 900;

    CasesClasses(const QString& prefixe, QWidget* parent = nullptr);

    // Destroys the boxes and makes one per class, ticked.
    void actualise(const QVector<Niveau>& niveaux);
    const QVector<QCheckBox*>& cases() const { return m_cases; }

private:
    QString m_prefixe;
    QVector<QCheckBox*> m_cases;
};
