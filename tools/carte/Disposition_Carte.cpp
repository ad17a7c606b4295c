#include "Disposition_Carte.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int Index_2A = 96;
constexpr int Index_2B = 97;
constexpr int Index_Ville_De_Paris = 75;
constexpr int Marge_Image = 2;        // pixels kept clear at the picture's edges
constexpr int Marge_Encart = 4;       // pixels around Paris and its boxes inside the inset frame
constexpr double Ecart_Cases = 1;     // pixels left between two boxes when room allows
constexpr double Rayon_Utile = 10;    // beyond this distance to the border a point is as good as any
constexpr double Poids_Centre = 0.15; // how much a label point prefers the département's centre

const QList<int>& Index_Paris() {
    static const QList<int> index{Index_Ville_De_Paris, 92, 93, 94};
    return index;
}

QRectF Rectangle_Case(const QPointF& centre) {
    return QRectF(centre.x() - Largeur_Case / 2.0, centre.y() - Hauteur_Case / 2.0, Largeur_Case,
                  Hauteur_Case);
}

QPointF Centre_Case(const QPoint& coin) {
    return QPointF(coin.x() + Largeur_Case / 2.0, coin.y() + Hauteur_Case / 2.0);
}

double Aire_Signee(const QPolygonF& contour) {
    double aire = 0;
    for (qsizetype i = 0; i < contour.size(); ++i) {
        const QPointF& a = contour[i];
        const QPointF& b = contour[(i + 1) % contour.size()];
        aire += a.x() * b.y() - b.x() * a.y();
    }
    return aire / 2;
}

QPointF Centre_De_Gravite(const QPolygonF& contour) {
    const double aire = Aire_Signee(contour);
    if (aire == 0) {
        return contour.boundingRect().center();
    }
    double x = 0;
    double y = 0;
    for (qsizetype i = 0; i < contour.size(); ++i) {
        const QPointF& a = contour[i];
        const QPointF& b = contour[(i + 1) % contour.size()];
        const double produit = a.x() * b.y() - b.x() * a.y();
        x += (a.x() + b.x()) * produit;
        y += (a.y() + b.y()) * produit;
    }
    return QPointF(x, y) / (6 * aire);
}

// Islands and enclaves aside, a département's body is its largest contour.
const QPolygonF& Plus_Grand_Contour(const QList<QPolygonF>& contours) {
    return *std::max_element(contours.begin(), contours.end(), [](const QPolygonF& a, const QPolygonF& b) {
        return std::abs(Aire_Signee(a)) < std::abs(Aire_Signee(b));
    });
}

QPointF Centre_Departement(const Departement_Svg& departement) {
    return Centre_De_Gravite(Plus_Grand_Contour(departement.contours));
}

double Distance_Segment(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF ab = b - a;
    const double longueur2 = QPointF::dotProduct(ab, ab);
    const double t = longueur2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, ab) / longueur2, 0.0, 1.0);
    return QLineF(p, a + t * ab).length();
}

double Distance_Au_Bord(const QList<QPolygonF>& contours, const QPointF& point) {
    double distance = std::numeric_limits<double>::max();
    for (const QPolygonF& contour : contours) {
        for (qsizetype i = 0; i < contour.size(); ++i) {
            distance =
                std::min(distance, Distance_Segment(point, contour[i], contour[(i + 1) % contour.size()]));
        }
    }
    return distance;
}

QList<QPolygonF> Transforme(const QList<QPolygonF>& contours, const QTransform& transformation) {
    QList<QPolygonF> resultat;
    for (const QPolygonF& contour : contours) {
        resultat << transformation.map(contour);
    }
    return resultat;
}

QRectF Etendue(const QList<Departement_Svg>& departements, const QList<int>& index) {
    QRectF etendue;
    for (const Departement_Svg& departement : departements) {
        if (index.contains(Index_Case(departement.code))) {
            for (const QPolygonF& contour : departement.contours) {
                etendue = etendue.united(contour.boundingRect());
            }
        }
    }
    return etendue;
}

// Fits the départements carrying the given fixed boxes so that each box's
// centre falls on its département's centre, the whole group staying in zone.
QTransform Ajuste_Groupe(const QList<Departement_Svg>& departements, const QList<int>& fixes,
                         const QList<int>& groupe, const QRectF& zone) {
    QList<QPointF> sources;
    QList<QPointF> cibles;
    for (const Departement_Svg& departement : departements) {
        const int index = Index_Case(departement.code);
        if (fixes.contains(index)) {
            sources << Centre_Departement(departement);
            cibles << Centre_Case(Cases_Fixes().value(index));
        }
    }
    return Ajuste_Similitude(sources, cibles, Etendue(departements, groupe), zone);
}

// Share of a box (centre and size in file units) lying over the contours,
// from a grid of sample points.
double Part_Couverte(const QList<QPolygonF>& contours, const QPointF& centre, const QSizeF& taille) {
    constexpr int Colonnes = 5;
    constexpr int Rangees = 4;
    int dedans = 0;
    for (int rangee = 0; rangee < Rangees; ++rangee) {
        for (int colonne = 0; colonne < Colonnes; ++colonne) {
            const QPointF ecart((colonne + 0.5) / Colonnes - 0.5, (rangee + 0.5) / Rangees - 0.5);
            dedans +=
                Contient(contours, centre + QPointF(ecart.x() * taille.width(), ecart.y() * taille.height()));
        }
    }
    return double(dedans) / (Colonnes * Rangees);
}

const Departement_Svg& Departement(const QList<Departement_Svg>& departements, int index) {
    return *std::find_if(
        departements.begin(), departements.end(),
        [index](const Departement_Svg& departement) { return Index_Case(departement.code) == index; });
}

// For each pixel column, the lowest point the mainland reaches there, plus a
// strip of sea: Corsica must stay below it.
QList<double> Limite_Corse(const QList<Departement_Svg>& departements, const QTransform& metropole) {
    constexpr double Mer = 6;
    QList<double> limite(Largeur_Image, 0);
    auto note = [&limite](const QPointF& point) {
        const int colonne = int(std::lround(point.x()));
        if (colonne >= 0 && colonne < Largeur_Image) {
            limite[colonne] = std::max(limite[colonne], point.y() + Mer);
        }
    };
    for (const Departement_Svg& departement : departements) {
        if (En_Corse(Index_Case(departement.code))) {
            continue;
        }
        for (const QPolygonF& contour : Transforme(departement.contours, metropole)) {
            for (qsizetype i = 0; i < contour.size(); ++i) {
                const QLineF cote(contour[i], contour[(i + 1) % contour.size()]);
                const int morceaux = int(std::ceil(cote.length() * 2)) + 1;
                for (int k = 0; k <= morceaux; ++k) {
                    note(cote.pointAt(double(k) / morceaux));
                }
            }
        }
    }
    return limite;
}

bool Sous_La_Limite(const QList<QPolygonF>& contours, const QTransform& transformation,
                    const QList<double>& limite) {
    for (const QPolygonF& contour : contours) {
        for (const QPointF& point : transformation.map(contour)) {
            const int colonne = int(std::lround(point.x()));
            if (colonne >= 0 && colonne < Largeur_Image && point.y() < limite[colonne]) {
                return false;
            }
        }
    }
    return true;
}

// What a drawing of Corsica must respect: its two départements, the room
// allowed, and the mainland's coast above it.
struct Contraintes_Corse {
    const Departement_Svg& sud;
    const Departement_Svg& nord;
    QRectF etendue;
    QRectF zone;
    QList<double> limite;
};

// How well Corsica drawn by this transform sits under its two boxes: the
// smaller share of a box lying over its own département; -1 when the drawing
// is not allowed (or cannot beat seuil, to spare the slower checks).
double Note_Corse(const Contraintes_Corse& corse, const QTransform& transformation, double seuil) {
    constexpr double Refus = -1;
    const QTransform inverse = transformation.inverted();
    const QPointF point_sud = inverse.map(Centre_Case(Cases_Fixes().value(Index_2A)));
    const QPointF point_nord = inverse.map(Centre_Case(Cases_Fixes().value(Index_2B)));
    const QSizeF taille = QSizeF(Largeur_Case, Hauteur_Case) / transformation.m11();
    if (!corse.zone.contains(transformation.mapRect(corse.etendue)) ||
        !Contient(corse.sud.contours, point_sud) || !Contient(corse.nord.contours, point_nord)) {
        return Refus;
    }
    const double part_sud = Part_Couverte(corse.sud.contours, point_sud, taille);
    if (part_sud <= seuil) {
        return Refus;
    }
    const double note = std::min(part_sud, Part_Couverte(corse.nord.contours, point_nord, taille));
    if (note <= seuil || !Sous_La_Limite(corse.sud.contours, transformation, corse.limite) ||
        !Sous_La_Limite(corse.nord.contours, transformation, corse.limite)) {
        return Refus;
    }
    return note;
}

// The two Corsican boxes lie side by side while the island is tall and
// narrow, so their centres cannot match the départements' centres: the
// island is scaled and placed so that each box stands on its own département
// and covers as much of it as it can, at a scale near the mainland's. The
// search puts the 2a box's centre on every pixel of its département in turn.
QTransform Ajuste_Corse(const Contraintes_Corse& corse, double echelle_metropole) {
    constexpr double Poids_Echelle = 0.1;
    const QPointF centre_sud = Centre_Case(Cases_Fixes().value(Index_2A));
    const QRectF cadre_sud = Plus_Grand_Contour(corse.sud.contours).boundingRect();
    QTransform meilleure;
    double meilleure_note = -std::numeric_limits<double>::max();
    for (double facteur = 0.7; facteur <= 2; facteur += 0.02) {
        const double echelle = echelle_metropole * facteur;
        const double penalite = Poids_Echelle * std::abs(std::log(facteur));
        const double pas = 1 / echelle; // one pixel
        for (double y = cadre_sud.top(); y <= cadre_sud.bottom(); y += pas) {
            for (double x = cadre_sud.left(); x <= cadre_sud.right(); x += pas) {
                const QPointF decalage = centre_sud - echelle * QPointF(x, y);
                const QTransform transformation(echelle, 0, 0, echelle, decalage.x(), decalage.y());
                const double note = Note_Corse(corse, transformation, meilleure_note + penalite);
                if (note >= 0 && note - penalite > meilleure_note) {
                    meilleure_note = note - penalite;
                    meilleure = transformation;
                }
            }
        }
    }
    return meilleure;
}

// Best place for a box centre over the département as drawn: well inside its
// borders, and near its centre when the shape leaves a choice.
QPointF Point_D_Etiquette(const QList<QPolygonF>& contours) {
    const QPolygonF& corps = Plus_Grand_Contour(contours);
    const QPointF centre = Centre_De_Gravite(corps);
    const QRect cadre = corps.boundingRect().toAlignedRect();
    QPointF meilleur = centre;
    double meilleure_note = -std::numeric_limits<double>::max();
    for (int y = cadre.top(); y <= cadre.bottom(); ++y) {
        for (int x = cadre.left(); x <= cadre.right(); ++x) {
            const QPointF point(x, y);
            if (!Contient(contours, point)) {
                continue;
            }
            const double note = std::min(Distance_Au_Bord(contours, point), Rayon_Utile) -
                                Poids_Centre * QLineF(point, centre).length();
            if (note > meilleure_note) {
                meilleure_note = note;
                meilleur = point;
            }
        }
    }
    return meilleur;
}

struct Case_A_Placer {
    int index;
    QPointF centre;
    bool fixe;
};

// Moves box a (and b, unless fixed) apart along the axis that needs the
// shorter move; true if they overlapped.
bool Separe(Case_A_Placer& a, Case_A_Placer& b) {
    const double dx = a.centre.x() - b.centre.x();
    const double dy = a.centre.y() - b.centre.y();
    const double recouvrement_x = Largeur_Case + Ecart_Cases - std::abs(dx);
    const double recouvrement_y = Hauteur_Case + Ecart_Cases - std::abs(dy);
    if (recouvrement_x <= 0 || recouvrement_y <= 0) {
        return false;
    }
    QPointF poussee = recouvrement_x < recouvrement_y ? QPointF(dx < 0 ? -recouvrement_x : recouvrement_x, 0)
                                                      : QPointF(0, dy < 0 ? -recouvrement_y : recouvrement_y);
    if (a.fixe == b.fixe) {
        poussee /= 2;
    }
    if (!a.fixe) {
        a.centre += poussee;
    }
    if (!b.fixe) {
        b.centre -= poussee;
    }
    return true;
}

// Pushes a box out of a rectangle kept clear (the inset frame, and the city
// of Paris on the mainland so that the reader sees what the inset enlarges)
// by the shortest way.
bool Sort_De(Case_A_Placer& boite, const QRectF& obstacle) {
    const QRectF zone = obstacle.adjusted(-Ecart_Cases, -Ecart_Cases, Ecart_Cases, Ecart_Cases);
    const QRectF rectangle = Rectangle_Case(boite.centre);
    if (!rectangle.intersects(zone)) {
        return false;
    }
    const QList<QPointF> sorties{{zone.right() - rectangle.left(), 0},
                                 {zone.left() - rectangle.right(), 0},
                                 {0, zone.bottom() - rectangle.top()},
                                 {0, zone.top() - rectangle.bottom()}};
    boite.centre += *std::min_element(sorties.begin(), sorties.end(), [](const QPointF& a, const QPointF& b) {
        return a.manhattanLength() < b.manhattanLength();
    });
    return true;
}

void Garde_Dans_Image(Case_A_Placer& boite) {
    const double demi_largeur = Largeur_Case / 2.0;
    const double demi_hauteur = Hauteur_Case / 2.0;
    boite.centre.setX(std::clamp(boite.centre.x(), demi_largeur, Largeur_Image - demi_largeur));
    boite.centre.setY(std::clamp(boite.centre.y(), demi_hauteur, Hauteur_Image - demi_hauteur));
}

// Spreads the boxes until none overlaps another; each keeps pulling back
// towards its label point for a while so that it stays over its département.
void Ecarte_Cases(QList<Case_A_Placer>& boites, const QMap<int, QPointF>& cibles,
                  const QList<QRectF>& obstacles) {
    constexpr int Tours_Avec_Rappel = 400;
    constexpr int Tours_Maximum = 3000;
    for (int tour = 0; tour < Tours_Maximum; ++tour) {
        bool recouvrement = false;
        for (qsizetype i = 0; i < boites.size(); ++i) {
            for (qsizetype j = i + 1; j < boites.size(); ++j) {
                recouvrement |= Separe(boites[i], boites[j]);
            }
        }
        for (Case_A_Placer& boite : boites) {
            if (boite.fixe) {
                continue;
            }
            for (const QRectF& obstacle : obstacles) {
                recouvrement |= Sort_De(boite, obstacle);
            }
            if (tour < Tours_Avec_Rappel) {
                const double rappel = 0.1 * (1 - double(tour) / Tours_Avec_Rappel);
                boite.centre += rappel * (cibles.value(boite.index) - boite.centre);
            }
            Garde_Dans_Image(boite);
        }
        if (!recouvrement && tour >= Tours_Avec_Rappel) {
            return;
        }
    }
}

QRect Cadre_Encart(const QList<Departement_Svg>& departements, const QTransform& paris) {
    QRectF contenu = paris.mapRect(Etendue(departements, Index_Paris()));
    for (int index : Index_Paris()) {
        contenu = contenu.united(Rectangle_Case(Centre_Case(Cases_Fixes().value(index))));
    }
    const QRect cadre = contenu.adjusted(0, 0, Marge_Encart, Marge_Encart).toAlignedRect();
    return QRect(QPoint(0, 0), cadre.bottomRight());
}

void Note_Remarques(Disposition_Carte& disposition, const QList<Departement_Svg>& departements) {
    for (const Departement_Svg& departement : departements) {
        const int index = Index_Case(departement.code);
        const QList<QPolygonF> dessin =
            Transforme(departement.contours, Transformation_Case(disposition, index));
        if (!Contient(dessin, Centre_Case(disposition.cases.value(index)))) {
            disposition.remarques << QStringLiteral("case %1 hors de son département").arg(departement.code);
        }
    }
    for (auto a = disposition.cases.cbegin(); a != disposition.cases.cend(); ++a) {
        for (auto b = std::next(a); b != disposition.cases.cend(); ++b) {
            if (!(Cases_Fixes().contains(a.key()) && Cases_Fixes().contains(b.key())) &&
                Cadre_Case(a.value()).intersects(Cadre_Case(b.value()))) {
                disposition.remarques
                    << QStringLiteral("cases %1 et %2 se recouvrent").arg(a.key()).arg(b.key());
            }
        }
    }
}

} // namespace

int Index_Case(const QString& code) {
    if (code.compare(QLatin1String("2A"), Qt::CaseInsensitive) == 0) {
        return Index_2A;
    }
    if (code.compare(QLatin1String("2B"), Qt::CaseInsensitive) == 0) {
        return Index_2B;
    }
    bool ok = false;
    const int numero = code.toInt(&ok);
    return ok && code.size() == 2 && numero >= 1 && numero <= 95 && numero != 20 ? numero : -1;
}

QString Texte_Case(int index) {
    if (index == Index_2A) {
        return QStringLiteral("2a");
    }
    if (index == Index_2B) {
        return QStringLiteral("2b");
    }
    return QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

bool En_Corse(int index) {
    return index == Index_2A || index == Index_2B;
}

const QMap<int, QPoint>& Cases_Fixes() {
    static const QMap<int, QPoint> cases = [] {
        const QMap<int, QPoint> twips{{1, {5280, 3960}},        {29, {360, 2160}},       {75, {360, 480}},
                                      {92, {0, 600}},           {93, {720, 240}},        {94, {720, 720}},
                                      {Index_2A, {6240, 7080}}, {Index_2B, {6720, 6720}}};
        QMap<int, QPoint> pixels;
        for (auto i = twips.cbegin(); i != twips.cend(); ++i) {
            pixels.insert(i.key(), i.value() / Twips_Par_Pixel);
        }
        return pixels;
    }();
    return cases;
}

QRect Cadre_Case(const QPoint& coin) {
    return QRect(coin, QSize(Largeur_Case, Hauteur_Case));
}

bool Dans_Encart_Paris(int index) {
    return Index_Paris().contains(index);
}

QTransform Transformation_Case(const Disposition_Carte& disposition, int index) {
    if (En_Corse(index)) {
        return disposition.corse;
    }
    return Dans_Encart_Paris(index) ? disposition.paris : disposition.metropole;
}

QTransform Ajuste_Similitude(const QList<QPointF>& sources, const QList<QPointF>& cibles,
                             const QRectF& etendue, const QRectF& zone) {
    QPointF moyenne_source;
    QPointF moyenne_cible;
    for (qsizetype i = 0; i < sources.size(); ++i) {
        moyenne_source += sources[i] / double(sources.size());
        moyenne_cible += cibles[i] / double(sources.size());
    }
    double produit = 0;
    double norme = 0;
    for (qsizetype i = 0; i < sources.size(); ++i) {
        produit += QPointF::dotProduct(sources[i] - moyenne_source, cibles[i] - moyenne_cible);
        norme += QPointF::dotProduct(sources[i] - moyenne_source, sources[i] - moyenne_source);
    }
    const double echelle_libre = norme > 0 ? produit / norme : 1;
    // For a given scale the best shift is the mean one, held back inside the
    // zone; a fine sweep of scales around the free optimum finds the best pair.
    constexpr int Pas = 4000;
    QTransform meilleure(echelle_libre, 0, 0, echelle_libre,
                         moyenne_cible.x() - echelle_libre * moyenne_source.x(),
                         moyenne_cible.y() - echelle_libre * moyenne_source.y());
    double meilleur_cout = std::numeric_limits<double>::max();
    for (int pas = 1; pas <= Pas; ++pas) {
        const double echelle = echelle_libre * pas / (Pas / 2.0);
        const double min_x = zone.left() - echelle * etendue.left();
        const double max_x = zone.right() - echelle * etendue.right();
        const double min_y = zone.top() - echelle * etendue.top();
        const double max_y = zone.bottom() - echelle * etendue.bottom();
        if (min_x > max_x || min_y > max_y) {
            continue;
        }
        const QPointF decalage(std::clamp(moyenne_cible.x() - echelle * moyenne_source.x(), min_x, max_x),
                               std::clamp(moyenne_cible.y() - echelle * moyenne_source.y(), min_y, max_y));
        double cout = 0;
        for (qsizetype i = 0; i < sources.size(); ++i) {
            const QPointF ecart = echelle * sources[i] + decalage - cibles[i];
            cout += QPointF::dotProduct(ecart, ecart);
        }
        if (cout < meilleur_cout) {
            meilleur_cout = cout;
            meilleure = QTransform(echelle, 0, 0, echelle, decalage.x(), decalage.y());
        }
    }
    return meilleure;
}

bool Contient(const QList<QPolygonF>& contours, const QPointF& point) {
    bool dedans = false;
    for (const QPolygonF& contour : contours) {
        dedans ^= contour.containsPoint(point, Qt::OddEvenFill);
    }
    return dedans;
}

Disposition_Carte Calcule_Disposition(const QList<Departement_Svg>& departements) {
    Disposition_Carte disposition;
    const QRectF image = QRectF(0, 0, Largeur_Image, Hauteur_Image)
                             .adjusted(Marge_Image, Marge_Image, -Marge_Image, -Marge_Image);
    QList<int> metropole;
    for (const Departement_Svg& departement : departements) {
        const int index = Index_Case(departement.code);
        if (!En_Corse(index)) {
            metropole << index;
        }
    }
    QList<int> fixes_metropole;
    for (int index : Cases_Fixes().keys()) {
        if (!En_Corse(index) && !Dans_Encart_Paris(index)) {
            fixes_metropole << index;
        }
    }
    disposition.metropole = Ajuste_Groupe(departements, fixes_metropole, metropole, image);
    const Contraintes_Corse corse{Departement(departements, Index_2A), Departement(departements, Index_2B),
                                  Etendue(departements, {Index_2A, Index_2B}), image,
                                  Limite_Corse(departements, disposition.metropole)};
    disposition.corse = Ajuste_Corse(corse, disposition.metropole.m11());
    disposition.paris = Ajuste_Groupe(departements, Index_Paris(), Index_Paris(), image);
    disposition.cadre_paris = Cadre_Encart(departements, disposition.paris);

    QList<Case_A_Placer> boites;
    QMap<int, QPointF> cibles;
    for (const Departement_Svg& departement : departements) {
        const int index = Index_Case(departement.code);
        if (Cases_Fixes().contains(index)) {
            boites << Case_A_Placer{index, Centre_Case(Cases_Fixes().value(index)), true};
            continue;
        }
        const QPointF cible = Point_D_Etiquette(Transforme(departement.contours, disposition.metropole));
        cibles.insert(index, cible);
        boites << Case_A_Placer{index, cible, false};
    }
    const QRectF petit_paris = disposition.metropole.mapRect(Etendue(departements, {Index_Ville_De_Paris}));
    Ecarte_Cases(boites, cibles, {disposition.cadre_paris, petit_paris});
    for (const Case_A_Placer& boite : boites) {
        disposition.cases.insert(boite.index, Rectangle_Case(boite.centre).topLeft().toPoint());
    }
    Note_Remarques(disposition, departements);
    return disposition;
}

QByteArray Texte_Positions(const QMap<int, QPoint>& cases) {
    QByteArray texte;
    for (auto i = cases.cbegin(); i != cases.cend(); ++i) {
        texte += QStringLiteral("%1 %2 %3\r\n")
                     .arg(i.key())
                     .arg(i.value().x() * Twips_Par_Pixel)
                     .arg(i.value().y() * Twips_Par_Pixel)
                     .toLatin1();
    }
    return texte;
}
