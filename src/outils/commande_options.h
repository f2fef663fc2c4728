#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

// The value of the option args[i], one of `avec_valeur`, with i moved onto it; nullopt and the reason
// (French) for an unknown option or a missing value.
std::optional<QString> valeur_option(
    const QStringList& args, int& i, const QStringList& avec_valeur, QString& erreur);

// Says why the arguments of a command were refused and where its help is; returns the exit code 2.
int arguments_refuses(QTextStream& erreurs, const QString& commande, const QString& erreur);
// Writes a command's help; returns the exit code 0.
int aide_ecrite(QTextStream& sortie, const QString& aide);
