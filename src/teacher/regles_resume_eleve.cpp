#include "teacher/regles_resume_eleve.h"

QString classe_de_ligne(const QString& ligne)
{
    return ligne.section(QLatin1Char(':'), 0, 0).trimmed();
}
