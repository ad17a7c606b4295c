#include "Dessin_Carte.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Couleur_Voisins(0xE4, 0xE1, 0xD8); // départements around Paris in the inset
const QColor Couleur_Bord(0x4A, 0x4A, 0x4A);
const QColor Couleur_Credit(0x60, 0x60, 0x60);
constexpr double Epaisseur_Bord = 0.7;
const char* const Texte_Credit = "Fond : MapSVG, Victor Cazanave (svg-maps), CC BY 4.0";

QPainterPath Chemin(const Departement_Svg& departement, const QTransform& transformation) {
    QPainterPath chemin;
    chemin.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF& contour : departement.contours) {
        chemin.addPolygon(transformation.map(contour));
        chemin.closeSubpath();
    }
    return chemin;
}

void Dessine_Departement(QPainter& peintre, const Departement_Svg& departement,
                         const QTransform& transformation, const QColor& fond) {
    peintre.setBrush(fond);
    peintre.drawPath(Chemin(departement, transformation));
}

void Dessine_Encart(QPainter& peintre, const QList<Departement_Svg>& departements,
                    const Disposition_Carte& disposition) {
    const QRect cadre = disposition.cadre_paris;
    peintre.save();
    peintre.setClipRect(cadre);
    peintre.fillRect(cadre, Couleur_Mer);
    for (const Departement_Svg& departement : departements) {
        const int index = Index_Case(departement.code);
        if (!En_Corse(index)) {
            Dessine_Departement(peintre, departement, disposition.paris,
                                Dans_Encart_Paris(index) ? Couleur_Terre : Couleur_Voisins);
        }
    }
    peintre.restore();
    peintre.setBrush(Qt::NoBrush);
    peintre.setPen(QPen(Couleur_Bord, 1));
    peintre.drawRect(QRectF(cadre).adjusted(0.5, 0.5, -0.5, -0.5));
}

void Dessine_Credit(QPainter& peintre) {
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(9);
    peintre.setFont(police);
    peintre.setPen(Couleur_Credit);
    peintre.drawText(QRect(4, 0, Largeur_Image, Hauteur_Image - 3), Qt::AlignLeft | Qt::AlignBottom,
                     QString::fromUtf8(Texte_Credit));
}

} // namespace

QImage Dessine_Carte(const QList<Departement_Svg>& departements, const Disposition_Carte& disposition) {
    QImage image(Largeur_Image, Hauteur_Image, QImage::Format_RGB32);
    image.fill(Couleur_Mer);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(Couleur_Bord, Epaisseur_Bord));
    for (const Departement_Svg& departement : departements) {
        const bool corse = En_Corse(Index_Case(departement.code));
        Dessine_Departement(peintre, departement, corse ? disposition.corse : disposition.metropole,
                            Couleur_Terre);
    }
    Dessine_Encart(peintre, departements, disposition);
    Dessine_Credit(peintre);
    return image;
}

QImage Dessine_Apercu(const QImage& carte, const Disposition_Carte& disposition) {
    QImage apercu = carte.convertToFormat(QImage::Format_RGB32);
    QPainter peintre(&apercu);
    QFont police(QStringLiteral("Liberation Sans"));
    police.setBold(true);
    police.setPixelSize(13);
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    peintre.setBrush(Qt::white);
    for (auto i = disposition.cases.cbegin(); i != disposition.cases.cend(); ++i) {
        const QRect rectangle = Cadre_Case(i.value());
        peintre.drawRect(rectangle.adjusted(0, 0, -1, -1));
        peintre.drawText(rectangle, Qt::AlignCenter, Texte_Case(i.key()));
    }
    return apercu;
}
