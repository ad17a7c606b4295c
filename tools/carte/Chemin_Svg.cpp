#include "Chemin_Svg.h"

#include <QIODevice>
#include <QXmlStreamReader>

namespace {

// Walks the path text: separators are blanks and commas; a token is either a
// single command letter or a number.
class Lecteur_Chemin {
public:
    explicit Lecteur_Chemin(const QString& texte) : texte_(texte) {}

    bool fini() {
        saute_separateurs();
        return position_ >= texte_.size();
    }

    bool commande_suivante(QChar& commande) {
        saute_separateurs();
        if (position_ >= texte_.size() || !texte_[position_].isLetter()) {
            return false;
        }
        commande = texte_[position_++];
        return true;
    }

    bool nombre_suivant(double& valeur) {
        saute_separateurs();
        const qsizetype debut = position_;
        if (position_ < texte_.size() && (texte_[position_] == '-' || texte_[position_] == '+')) {
            ++position_;
        }
        while (position_ < texte_.size() && est_chiffre_de_nombre(position_)) {
            ++position_;
        }
        bool ok = false;
        valeur = texte_.mid(debut, position_ - debut).toDouble(&ok);
        return ok;
    }

    bool nombre_a_venir() {
        saute_separateurs();
        return position_ < texte_.size() && !texte_[position_].isLetter();
    }

private:
    void saute_separateurs() {
        while (position_ < texte_.size() && (texte_[position_].isSpace() || texte_[position_] == ',')) {
            ++position_;
        }
    }

    bool est_chiffre_de_nombre(qsizetype i) const {
        const QChar c = texte_[i];
        if (c.isDigit() || c == '.') {
            return true;
        }
        if (c == 'e' || c == 'E') {
            return true;
        }
        // A sign belongs to the number only right after its exponent mark.
        return (c == '-' || c == '+') && i > 0 && (texte_[i - 1] == 'e' || texte_[i - 1] == 'E');
    }

    const QString& texte_;
    qsizetype position_ = 0;
};

bool Lit_Paire(Lecteur_Chemin& lecteur, QPointF& deplacement) {
    double x = 0;
    double y = 0;
    if (!lecteur.nombre_suivant(x) || !lecteur.nombre_suivant(y)) {
        return false;
    }
    deplacement = QPointF(x, y);
    return true;
}

// Reads "m" and its pairs up to the closing "z"; point is the pen position,
// left at the contour's start as "z" requires.
bool Lit_Contour(Lecteur_Chemin& lecteur, QPointF& point, QPolygonF& contour) {
    QPointF deplacement;
    if (!Lit_Paire(lecteur, deplacement)) {
        return false;
    }
    point += deplacement;
    const QPointF depart = point;
    contour << point;
    while (lecteur.nombre_a_venir()) {
        if (!Lit_Paire(lecteur, deplacement)) {
            return false;
        }
        point += deplacement;
        contour << point;
    }
    QChar fin;
    if (!lecteur.commande_suivante(fin) || fin != 'z') {
        return false;
    }
    point = depart;
    return true;
}

} // namespace

bool Analyse_Chemin(const QString& donnees, QList<QPolygonF>& contours) {
    contours.clear();
    Lecteur_Chemin lecteur(donnees);
    QPointF point(0, 0);
    while (!lecteur.fini()) {
        QChar commande;
        QPolygonF contour;
        if (!lecteur.commande_suivante(commande) || commande != 'm' ||
            !Lit_Contour(lecteur, point, contour)) {
            contours.clear();
            return false;
        }
        contours << contour;
    }
    return !contours.isEmpty();
}

QList<Departement_Svg> Lecture_Svg(QIODevice& source, QString& erreur) {
    QList<Departement_Svg> departements;
    QXmlStreamReader xml(&source);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("path")) {
            continue;
        }
        const QXmlStreamAttributes attributs = xml.attributes();
        Departement_Svg departement{
            attributs.value("id").toString(), attributs.value("aria-label").toString(), {}};
        if (!Analyse_Chemin(attributs.value("d").toString(), departement.contours)) {
            erreur = QStringLiteral("chemin illisible pour le département \"%1\"").arg(departement.code);
            return {};
        }
        departements << departement;
    }
    if (xml.hasError()) {
        erreur = QStringLiteral("XML illisible, ligne %1 : %2").arg(xml.lineNumber()).arg(xml.errorString());
        return {};
    }
    if (departements.isEmpty()) {
        erreur = QStringLiteral("aucun département dans le fichier");
    }
    return departements;
}
