#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The first-name memory, Liste_Prenom.txt: one line per callsign worked, in the order the callsigns
// were first remembered. The callsign stands in columns 1 to 12, the département in 14 and 15, and the
// first name runs from column 17 to the end of the line.
namespace Prenoms {

using Lignes = QList<QByteArray>;

inline const QString Nom_Fichier = QStringLiteral("Liste_Prenom.txt");

// The line remembering a first name for a callsign.
QString Ligne(const QString& indicatif, const QString& departement, const QString& prenom);

// The first name, in capitals, of the last line whose callsign columns, blanks trimmed, are the
// callsign (same case); nothing when no line is.
std::optional<QString> Cherche(const Lignes& lignes, const QString& indicatif);

// Every line whose callsign columns are those of the new line, blanks included, replaced by it; the
// new line also added at the end when `nouveau`. Other lines are kept byte for byte.
Lignes Memorise(Lignes lignes, const QByteArray& nouvelle, bool nouveau);
// Each new line whose callsign columns no line holds yet added at the end, the last new line of a
// callsign kept; the lines already there are kept byte for byte.
Lignes Ajoute_Nouveaux(Lignes lignes, const Lignes& nouvelles);

} // namespace Prenoms
