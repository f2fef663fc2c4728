#pragma once

#include "storage/lecture_historique.h"

#include <QString>

// The class of a class line of the follow-up list ("\t61: 2 élèves.....67%" → "61").
QString classe_de_ligne(const QString& ligne);
