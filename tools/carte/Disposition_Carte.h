#pragma once

#include "Chemin_Svg.h"

#include <QByteArray>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QStringList>
#include <QTransform>

// The map window shows the picture at its natural size and lays its boxes over
// it in twips, 15 to a pixel at 96 dpi.
constexpr int Largeur_Image = 475;
constexpr int Hauteur_Image = 510;
constexpr int Largeur_Case = 25;
constexpr int Hauteur_Case = 20;
constexpr int Twips_Par_Pixel = 15;

// Box index of a département code: its number, 96 for "2A", 97 for "2B";
// -1 for anything else.
int Index_Case(const QString& code);

// The text the map window shows in a box: "01" to "95", "2a", "2b".
QString Texte_Case(int index);

// Whether the box belongs to Corsica, drawn apart at the bottom right.
bool En_Corse(int index);

// The boxes whose places the map window already fixes, top-left in pixels.
const QMap<int, QPoint>& Cases_Fixes();

// The rectangle of a box whose top-left corner is given, in pixels.
QRect Cadre_Case(const QPoint& coin);

// Where each part of the map goes in the picture and where its boxes stand.
struct Disposition_Carte {
    QTransform metropole; // mainland, file units to pixels
    QTransform corse;
    QTransform paris; // enlarged inset of Paris and its three neighbours
    QRect cadre_paris;
    QMap<int, QPoint> cases; // top-left corner in pixels, by box index
    QStringList remarques;   // boxes left off their département or touching another
};

// Fits the three parts of the map to the fixed boxes, then puts every other box
// over its own département, out of the others' way.
Disposition_Carte Calcule_Disposition(const QList<Departement_Svg>& departements);

// The transform that draws the département under the given box.
QTransform Transformation_Case(const Disposition_Carte& disposition, int index);

// Whether the département of this box is drawn in the Paris inset.
bool Dans_Encart_Paris(int index);

// Scale and shift (no rotation) bringing each source point as near as
// possible to its target, least squares, with the rectangle etendue kept
// inside zone once moved.
QTransform Ajuste_Similitude(const QList<QPointF>& sources, const QList<QPointF>& cibles,
                             const QRectF& etendue, const QRectF& zone);

// Whether the point lies inside the contours (even-odd rule, as the map draws).
bool Contient(const QList<QPolygonF>& contours, const QPointF& point);

// The positions file read with the picture: "INDEX LEFT TOP" in twips, one box
// a line in index order, CR LF.
QByteArray Texte_Positions(const QMap<int, QPoint>& cases);
