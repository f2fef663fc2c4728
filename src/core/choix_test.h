#pragma once

#include <QString>
#include <QStringList>

// Which test of a history stands for a pupil at a date: the first qualifying test of the latest day on or
// before the date ("dernier"), or of the earliest day on or after it ("premier").
enum class ModeChoixTest
{
    premier,
    dernier
};

struct TestChoisi
{
    QString ligne; // the whole "TEST" line, records from character 30; empty when no test qualifies
    QString date; // dd/mm/yyyy of its séance
    bool trouve() const { return !ligne.isEmpty(); }
    QString enregistrements() const { return ligne.mid(29); }
};

// `date` is dd/mm/yyyy. With `masquer_incomplets`, a test qualifies only when it holds every product of
// `objectifs`.
TestChoisi choix_test(const QStringList& historique, ModeChoixTest mode, const QString& date,
    bool masquer_incomplets = false, const QString& objectifs = {});

// "Mardi 03/12/2024" for "03/12/2024"; the date alone when it is not a valid date.
QString titre_date_test(const QString& date);
