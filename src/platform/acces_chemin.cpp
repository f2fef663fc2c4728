#include "platform/acces_chemin.h"

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

static bool dossier_lisible(const QString& chemin)
{
    const QFileInfo info(chemin);
    return info.isDir() && info.isReadable() && QDir(chemin).isReadable();
}

bool chemin_accessible_dans_le_delai(
    const QString& chemin, int delai_ms, std::function<bool(const QString&)> sonde)
{
    if (chemin.trimmed().isEmpty())
        return false;
    if (!sonde)
        sonde = dossier_lisible;
    auto promesse = std::make_shared<std::promise<bool>>();
    std::future<bool> reponse = promesse->get_future();
    try {
        // Detached: a probe stuck in the kernel on a dead share must not hold the caller (std::async would).
        std::thread([promesse, chemin, sonde = std::move(sonde)]() {
            bool ok = false;
            try {
                ok = sonde(chemin);
            } catch (...) {
                ok = false;
            }
            promesse->set_value(ok);
        }).detach();
    } catch (const std::system_error&) {
        return dossier_lisible(chemin);
    }
    if (reponse.wait_for(std::chrono::milliseconds(qMax(0, delai_ms))) != std::future_status::ready)
        return false;
    return reponse.get();
}
