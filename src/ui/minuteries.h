#pragma once

#include "core/minuterie.h"

#include <QTimer>

// Brings a window's QTimer in line with what its engine asks: stopped, or restarted each time it is re-armed.
// `vu` remembers the last arming applied.
inline void applique_minuterie(QTimer& timer, const Minuterie& m, quint64& vu)
{
    if (!m.active) {
        timer.stop();
        vu = m.armements;
        return;
    }
    if (m.armements != vu) {
        vu = m.armements;
        timer.start(m.intervalle_ms);
    }
}
