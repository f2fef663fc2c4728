#pragma once

#include <QString>
#include <QStringList>

// Extra time a pupil with an individual plan is given. It stretches the limits he meets while he works
// (the time allowed per test question, the level-3 perfecting limit); his answers keep their real times,
// so his scores, speeds and "trop lent" stay those of his class.
enum class Amenagement
{
    aucun,
    tiers, // a third more
    moitie, // half more
    double_temps,
    sans_limite
};

// Every choice, in the order the teacher is offered them.
inline constexpr Amenagement amenagements[] = {Amenagement::aucun, Amenagement::tiers, Amenagement::moitie,
    Amenagement::double_temps, Amenagement::sans_limite};

// The value kept in the pupil's file and shown to the teacher: "aucun", "+1/3", "+1/2", "x2",
// "sans limite".
QString texte_amenagement(Amenagement a);
// "temps aménagé : +1/3", as the pupil's summary and report say it.
QString ligne_amenagement(Amenagement a);
// The teacher's words for the choice ("Aucun", "Un tiers de temps en plus", …).
QString libelle_amenagement(Amenagement a);
// The file's value back; anything unknown (a hand edit, a later version) is none, the time everyone has.
Amenagement lit_texte_amenagement(const QString& texte);

// A limit in milliseconds stretched for the pupil, rounded up; 0 for no limit at all.
qint64 limite_amenagee_ms(qint64 limite_ms, Amenagement a);
// The time allowed per test question, in whole seconds. A test answer stores at most 99.9 s, so every
// stretched limit, "sans limite" included, stops at 99 s.
int temps_maximum_amenage_s(int secondes, Amenagement a);
