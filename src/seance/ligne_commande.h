#pragma once

#include <QString>
#include <QStringList>

inline const QString version_tabrix = QStringLiteral("0.96.04");
// Where a school's IT puts the configuration that every new working folder starts from.
inline const QString configuration_systeme = QStringLiteral("/etc/tabrix/Tabrix.ini");

// What a launch asks for, read from its arguments alone: nothing here touches a window or the disk.
struct DemandeLancement
{
    enum class Action
    {
        Lancer,
        Aide,
        Version,
        Erreur
    };
    Action action = Action::Lancer;
    QString dossier; // the value of --dossier, empty when not given
    QString texte; // the help or version text for standard output, or the French error for standard error
};

// `arguments` starts with the program's name, as QCoreApplication::arguments() gives it.
DemandeLancement lit_ligne_commande(const QStringList& arguments);
QString texte_aide();

// The working folder, absolute: --dossier, else TABRIX_DOSSIER, else Tabrix in the user's data folder.
// A relative path is taken from `dossier_courant`.
QString dossier_de_travail(const QString& option_dossier, const QString& variable_environnement,
    const QString& dossier_donnees, const QString& dossier_courant);

// The folder made ready for a first start: created when missing, and given a copy of the school's
// configuration when it has no Tabrix.ini yet (the program writes its own default otherwise).
struct PreparationDossier
{
    bool utilisable = true; // false: the program cannot run there
    QString message; // French, for a message box; empty when all went well
};
PreparationDossier prepare_dossier_de_travail(const QString& dossier, const QString& configuration_ecole);
