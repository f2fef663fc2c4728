#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The one door through which the health check and the progression read a pupil's history; nullopt when the
// file cannot be read (missing, a folder, a FIFO, too large, a read error).
std::optional<QByteArray> octets_historique(const QString& chemin);
std::optional<QStringList> lignes_historique(const QString& chemin);
