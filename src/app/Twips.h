#pragma once

#include <QRect>

// Window designs are measured in twips (1/1440 inch); the screen's logical DPI turns them into pixels.
namespace Twips {
inline constexpr int Par_Pouce = 1440;
int Pixels(int twips, int dpi);
QRect Rectangle(int gauche, int haut, int largeur, int hauteur, int dpi);
} // namespace Twips
