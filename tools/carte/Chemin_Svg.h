#pragma once

#include <QList>
#include <QPolygonF>
#include <QString>

class QIODevice;

// One département as the SVG file gives it, in the file's own units.
struct Departement_Svg {
    QString code; // "01" to "95", "2A", "2B"
    QString nom;
    QList<QPolygonF> contours;
};

// Reads the path data of the map file. It knows only what that file uses:
// "m" followed by relative pairs (the first moves, the others draw lines) and
// "z", after which the pen is back at the start of the contour just closed, so
// the next "m" is relative to that point. Anything else is refused (false),
// rather than drawn wrong.
bool Analyse_Chemin(const QString& donnees, QList<QPolygonF>& contours);

// Reads every <path> element (id, aria-label, d). On failure returns an empty
// list and says why in erreur.
QList<Departement_Svg> Lecture_Svg(QIODevice& source, QString& erreur);
