// The drawing module of tabrix-outils: the only part of it that links QtGui.
#include "outils/dessins.h"

#include "teacher/graphique_progression.h"
#include "teacher/graphique_stats_eleves.h"

#include <QGuiApplication>

namespace {

QCoreApplication* application(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

QString png_stats(const DonneesStats& d, const QString& chemin)
{
    return enregistre_png(graphique_stats_eleves(d), chemin);
}

QString png_progression(const DonneesProgression& d, const QString& chemin)
{
    return enregistre_png(graphique_progression_classes(d), chemin);
}

} // namespace

extern "C" Q_DECL_EXPORT const Dessins* tabrix_dessins()
{
    static const Dessins dessins {application, png_stats, png_progression};
    return &dessins;
}
