#include "teacher/regles_lecture_historiques.h"

#include "storage/fichier_texte.h"

std::optional<QByteArray> octets_historique(const QString& chemin)
{
    return lit_fichier(chemin);
}

std::optional<QStringList> lignes_historique(const QString& chemin)
{
    return lit_lignes(chemin);
}
