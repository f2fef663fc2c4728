#include "platform/plateforme_systeme.h"

#include "platform/acces_chemin.h"
#include "storage/dossiers.h"

#include <QSysInfo>

QString PlateformeSysteme::nom_ordinateur() const
{
    return QSysInfo::machineHostName();
}

bool PlateformeSysteme::chemin_accessible(const QString& chemin, int delai_ms)
{
    return chemin_accessible_dans_le_delai(chemin, delai_ms);
}

bool PlateformeSysteme::met_a_la_corbeille(const QString& chemin)
{
    return envoie_a_la_corbeille(chemin);
}
