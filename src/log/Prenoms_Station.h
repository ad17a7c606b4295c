#pragma once

#include <QString>

class Main;

// The first-name memory as the entry uses it. A missing file is an empty memory, created by the first
// update. A file that cannot be read or written is reported to the operator and left as it was.
namespace Sous_Programmes {

// Puts the remembered first name of the callsign into Prenom_A; Prenom_Nouveau tells whether the
// callsign was unknown.
void Recherche_Prenom(Main& main, const QString& indicatif);

// Remembers a line made by Prenoms::Ligne. False when the file could not be read or rewritten.
bool Memorise_Prenom(Main& main, const QString& ligne);

} // namespace Sous_Programmes
