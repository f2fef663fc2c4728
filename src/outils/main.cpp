#include "outils/commande_bilan.h"
#include "outils/commande_confusions.h"
#include "outils/commande_liste.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    if (arguments.isEmpty()) {
        erreurs << aide_generale();
        return 2;
    }
    const QString commande = arguments.takeFirst();
    if (commande == QLatin1String("-h") || commande == QLatin1String("--help")
        || commande == QLatin1String("aide")) {
        sortie << aide_generale();
        return 0;
    }
    if (commande == QLatin1String("bilan")) {
        const HorlogeSysteme horloge;
        return commande_bilan(arguments, sortie, erreurs, horloge);
    }
    if (commande == QLatin1String("confusions")) {
        const HorlogeSysteme horloge;
        return commande_confusions(arguments, sortie, erreurs, horloge);
    }
    if (commande == QLatin1String("liste")) {
        const HorlogeSysteme horloge;
        return commande_liste(arguments, sortie, erreurs, horloge);
    }
    erreurs << "tabrix-outils : commande inconnue : " << commande << "\n" << aide_generale();
    return 2;
}
