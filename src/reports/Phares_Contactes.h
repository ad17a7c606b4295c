#pragma once

class Main;

// The contacted-lighthouses report of the current station: the whole log, numbered, saved to a dated
// text file of the working folder or printed.
namespace Sous_Programmes {
void Enregistre_Phares_Contactes(Main& main);
void Imprime_Phares_Contactes(Main& main);
} // namespace Sous_Programmes
