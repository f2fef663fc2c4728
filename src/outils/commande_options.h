#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The value of the option args[i], one of `avec_valeur`, with i moved onto it; nullopt and the reason
// (French) for an unknown option or a missing value.
std::optional<QString> valeur_option(
    const QStringList& args, int& i, const QStringList& avec_valeur, QString& erreur);
