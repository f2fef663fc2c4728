#pragma once

#include <QFileInfo>
#include <QString>

// What a file left by an interrupted write is: the copy a write set aside (named after its file), or one of
// our temporaries (only QSaveFile's beside a file we write, and our own named ones).
enum class RestePanne
{
    aucun,
    mis_de_cote,
    temporaire
};
RestePanne reste_de_panne(const QFileInfo& f);
// The file a set-aside copy stands for.
QString fichier_mis_de_cote(const QString& chemin_copie);
