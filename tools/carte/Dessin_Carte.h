#pragma once

#include "Disposition_Carte.h"

#include <QColor>
#include <QImage>

inline const QColor Couleur_Mer(0xDD, 0xEB, 0xF6);
inline const QColor Couleur_Terre(0xF3, 0xEF, 0xE2);

// The picture the map window shows: départements, Corsica and the Paris
// inset, no boxes (the window lays its own over it).
QImage Dessine_Carte(const QList<Departement_Svg>& departements, const Disposition_Carte& disposition);

// The same picture with the boxes and their numbers, to check the layout by eye.
QImage Dessine_Apercu(const QImage& carte, const Disposition_Carte& disposition);
