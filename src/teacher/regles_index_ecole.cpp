#include "teacher/regles_index_ecole.h"

#include "storage/dossiers.h"

IndexHistoriques* IndexEcole::pour(const QString& dossier_statistiques, const Horloge& horloge)
{
    const QString fichier = chemin_normalise(dossier_statistiques) + QLatin1Char('/') + nom_index_historiques;
    if (!m_index || fichier != m_fichier) {
        m_fichier = fichier;
        m_index = std::make_unique<IndexHistoriques>(fichier, horloge);
    }
    return m_index.get();
}
