#pragma once

#include "core/horloge.h"
#include "storage/index_historiques.h"

#include <QString>
#include <memory>

// The school index a console page reads the histories through: the one of this machine's statistics folder,
// kept in memory between builds and made again when the folder changes in the settings.
class IndexEcole
{
public:
    IndexHistoriques* pour(const QString& dossier_statistiques, const Horloge& horloge);

private:
    QString m_fichier;
    std::unique_ptr<IndexHistoriques> m_index;
};
