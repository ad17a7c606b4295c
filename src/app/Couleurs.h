#pragma once

#include <QColor>

class QWidget;

namespace Couleurs {
inline const QColor Vert_Saisie(192, 255, 192); // the field expecting input
inline const QColor Jaune(255, 255, 192);       // fields passed or not reached, read-only lists
inline const QColor Vert_Carte(128, 255, 128);  // a worked département on the map
inline const QColor Blanc(255, 255, 255);
inline const QColor Vert_Confirme(128, 224, 128);    // award progress: a lighthouse confirmed on a band
inline const QColor Orange_Travaille(255, 192, 112); // worked there, never confirmed

// The background of a field, enabled or not.
void Colorie(QWidget* champ, const QColor& couleur);
QColor Couleur(const QWidget* champ);
} // namespace Couleurs
