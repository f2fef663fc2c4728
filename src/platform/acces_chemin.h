#pragma once

#include <QString>
#include <functional>

// Whether `sonde(chemin)` answers true within `delai_ms`. The probe runs on a thread of its own, so that a
// share that hangs (an absent server) costs at most the delay; a late answer is dropped.
// The default probe: the path is a readable folder.
bool chemin_accessible_dans_le_delai(
    const QString& chemin, int delai_ms, std::function<bool(const QString&)> sonde = {});
