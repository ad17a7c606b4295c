#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QString>
#include <bitset>
#include <optional>

// The map of the départements: one box per index 0 to 99, the index being the département's number;
// Corsica's 2A and 2B take the free indices 96 and 97.
namespace Carte_Departements {

inline constexpr int Nombre_Cases = 100;
inline constexpr int Index_2A = 96;
inline constexpr int Index_2B = 97;

// The picture is shown pixel for pixel; box sizes and places are in twips over it, 15 twips to a
// picture pixel whatever the screen.
inline constexpr int Largeur_Image = 475;
inline constexpr int Hauteur_Image = 510;
inline constexpr int Twips_Par_Pixel = 15;
inline constexpr int Largeur_Case_Twips = 375;
inline constexpr int Hauteur_Case_Twips = 300;

// What box `index` shows: "01" to "95", "2a", "2b"; the placeholders 0, 20, 98 and 99 hold "00" and "X".
QString Texte_Case(int index);
// Boxes 0, 20, 98 and 99 stand for no département of the map and are never shown.
bool Case_Visible(int index);

// The box of a département as the log holds it, blanks removed: 2A and 2B (either case) are 96 and
// 97; otherwise it must be a whole number from 0 to 99 written in digits alone. Anything else has no box.
std::optional<int> Index_Case(const QString& departement);

using Cases = std::bitset<Nombre_Cases>;

// The boxes that the log's lines colour: those of the départements worked on that band in that
// mode, both compared exactly.
Cases Cases_Contactees(const QList<QByteArray>& lignes, const QString& bande, const QString& mode);

// The positions file: one "INDEX LEFT TOP" line per box, the top-left corner in twips over the
// picture. Lines that do not read so are passed over; the last line of an index wins.
QMap<int, QPoint> Lit_Positions(const QList<QByteArray>& lignes);

} // namespace Carte_Departements
