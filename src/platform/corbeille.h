#pragma once

#include <QString>

// Sends a file or folder to the user's trash; where there is no trash, removes it. Returns whether it is gone
// from its place. A path that does not exist counts as gone.
bool envoie_a_la_corbeille(const QString& chemin);
