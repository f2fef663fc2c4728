#pragma once

#include <QtGlobal>

// A window timer as an engine wants it: running or not, and re-armed each time `armements` grows.
struct Minuterie
{
    bool active = false;
    int intervalle_ms = 0;
    quint64 armements = 0;

    void arme(int ms)
    {
        active = true;
        intervalle_ms = ms;
        ++armements;
    }
    void arrete() { active = false; }
};
