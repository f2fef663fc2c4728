#pragma once

#include <QString>
#include <QStringList>

// Which test of a history stands for a pupil at a date: the first qualifying test of the latest day on or
// before the date ("dernier"), or of the earliest day on or after it ("premier"). The choice itself is made
// by the history reader (storage/lecture_historique.h).
enum class ModeChoixTest
{
    premier,
    dernier
};

struct TestChoisi
{
    QString ligne; // the whole "TEST" line, records from character 30; empty when no test qualifies
    QString date; // dd/mm/yyyy of its séance
    QString seance; // the header line of its séance
    bool trouve() const { return !ligne.isEmpty(); }
    QString enregistrements() const { return vue_enregistrements().toString(); }
    QStringView vue_enregistrements() const
    {
        return ligne.size() > 29 ? QStringView(ligne).sliced(29) : QStringView();
    }
};

// "Mardi 03/12/2024" for "03/12/2024"; the date alone when it is not a valid date.
QString titre_date_test(const QString& date);
