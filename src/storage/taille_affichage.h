#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// "Taille de l'affichage": how much this machine enlarges the whole interface, kept in the [Apparence]
// section of its own Tabrix.ini (never taken from the server's copy: screens differ from room to room).
namespace taille_affichage {

inline const QString cle = QStringLiteral("Taille de l'affichage");
inline const QString comme_le_bureau = QStringLiteral("comme le bureau");
inline const QString adaptee_a_l_ecran = QStringLiteral("adaptée à l'écran");

// The choices in the order offered: "100 %", "125 %", "150 %", "200 %", "comme le bureau", "adaptée à
// l'écran".
const QStringList& choix();

// The stored value as one of the choices; a missing or unknown value is "comme le bureau".
QString normalise(const QString& valeur);

// The factor of a fixed size ("150 %": 1.5); nullopt for the desktop's or the screen's.
std::optional<double> facteur_fixe(const QString& choix);

} // namespace taille_affichage
