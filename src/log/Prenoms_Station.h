#pragma once

#include "log/Prenoms.h"

#include <QString>
#include <QStringList>
#include <optional>

class Main;

// What the first-name memory held before an update, to put back when the QSO recorded with it could
// not be written: a recording that fails leaves every file as it was.
struct Prenoms_Avant {
    bool existait = false;
    Prenoms::Lignes lignes;
    bool nouveau = false; // Prenom_Nouveau before the update
};

// The first-name memory as the entry uses it. A missing file is an empty memory, created by the first
// update. A file that cannot be read or written is reported to the operator and left as it was.
namespace Sous_Programmes {

// Puts the remembered first name of the callsign into Prenom_A; Prenom_Nouveau tells whether the
// callsign was unknown.
void Recherche_Prenom(Main& main, const QString& indicatif);

// Remembers a line made by Prenoms::Ligne and gives what the memory held before; nothing when the
// file could not be read or rewritten.
std::optional<Prenoms_Avant> Memorise_Prenom(Main& main, const QString& ligne);

// Remembers the first names of imported QSOs whose callsign the memory does not hold yet
// (Prenoms::Ajoute_Nouveaux), in one rewrite; gives what the memory held before, or nothing.
std::optional<Prenoms_Avant> Memorise_Prenoms_Nouveaux(Main& main, const QStringList& lignes);

// The memory as it was before that update, the file gone again if there was none.
void Retablit_Prenoms(Main& main, const Prenoms_Avant& avant);

} // namespace Sous_Programmes
