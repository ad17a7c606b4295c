#include "Dessin_Carte.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

static QString Texte(const QList<QPolygonF>& contours) {
    QStringList textes;
    for (const QPolygonF& contour : contours) {
        QStringList points;
        for (const QPointF& point : contour)
            points << QString::number(point.x()) + ',' + QString::number(point.y());
        textes << points.join(' ');
    }
    return textes.join(" | ");
}

class Test_Carte : public QObject {
    Q_OBJECT

private slots:
    // Relative pairs after "m", "z" going back to the contour's start; anything else refused, leaving none.
    void Analyse_Chemin_data() {
        QTest::addColumn<QString>("donnees");
        QTest::addColumn<QString>("contours");
        QTest::newRow("deux contours")
            << QString("m 10,20 5,0 0,5 z m 1,1 2,0 z") << "10,20 15,20 15,25 | 11,21 13,21";
        QTest::newRow("nombres") << "m\n\t1.5,-2.25 \n -0.5 ,0.25z m 1e1,2E-1 -1e+1,0 z"
                                 << "1.5,-2.25 1,-2 | 11.5,-2.05 1.5,-2.05";
        for (const char* refuse : {"M 1,2 3,4 z", "m 1,2 l 3,4 z", "m 1,2 3,4", "m 1,2 3 z",
                                   "m 1,2 3,4 z 5,6", "z", "m 1.2.3,4 z", ""})
            QTest::newRow(refuse) << refuse << "refuse ";
    }
    void Analyse_Chemin() {
        QFETCH(QString, donnees);
        QFETCH(QString, contours);
        QList<QPolygonF> lus{QPolygonF(QList<QPointF>{{99, 99}})};
        QCOMPARE(::Analyse_Chemin(donnees, lus) ? Texte(lus) : "refuse " + Texte(lus), contours);
    }

    // Each <path>'s id, aria-label and contours; on failure, none and why.
    void Lecture() {
        for (const auto& [texte, attendu] :
             {std::pair<QByteArray, QString>{
                  "<svg viewBox=\"0 0 10 10\">\n<path id=\"07\" aria-label=\"Ardèche\" d=\"m 1,1 2,0 0,2 "
                  "z\"/>\n<path\n\t"
                  "id=\"2A\"\n\taria-label=\"Corse-du-Sud\"\n\td=\"m 5,5 1,0 z m 0,1 1,1 z\"\n/>\n</svg>\n",
                  "07 Ardèche: 1,1 3,1 3,3; 2A Corse-du-Sud: 5,5 6,5 | 5,6 6,7; "},
              {"<svg><path id=\"2B\" d=\"m 1,1 L 2,2 z\"/></svg>",
               "chemin illisible pour le département \"2B\""},
              {"<svg><g/></svg>", "aucun département dans le fichier"},
              {"<svg><path id=\"01\" d=\"m 1,1 z\"/>\n</g>",
               "XML illisible, ligne 2 : Opening and ending tag mismatch."}}) {
            QBuffer tampon;
            tampon.setData(texte);
            QVERIFY(tampon.open(QIODevice::ReadOnly));
            QString erreur, lus;
            for (const Departement_Svg& departement : Lecture_Svg(tampon, erreur))
                lus += departement.code + ' ' + departement.nom + ": " + Texte(departement.contours) + "; ";
            QCOMPARE(erreur + lus, attendu);
        }
    }

    // Each département's box inside the picture, on land of its own (in the Paris inset if it belongs
    // there), overlapping none but the fixed Paris boxes; the positions file of CR LF lines in twips.
    void Disposition() {
        QFile source(QStringLiteral(CARTE_SVG));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QString erreur;
        const QList<Departement_Svg> departements = Lecture_Svg(source, erreur);
        const Disposition_Carte disposition = Calcule_Disposition(departements);
        QCOMPARE(erreur + disposition.remarques.join(' '), QString());
        QCOMPARE(Texte_Positions({{96, {416, 472}}, {5, {0, 0}}, {1, {352, 264}}, {40, {7, 31}}}),
                 QByteArray("1 5280 3960\r\n5 0 0\r\n40 105 465\r\n96 6240 7080\r\n"));
        const QImage carte = Dessine_Carte(departements, disposition);
        QCOMPARE(carte.pixelColor(Largeur_Image - 1, 0), Couleur_Mer);
        for (const Departement_Svg& departement : departements) {
            const int index = Index_Case(departement.code);
            const QRect cadre = Cadre_Case(disposition.cases.value(index, {-100, -100}));
            const QPoint centre = cadre.topLeft() + QPoint(Largeur_Case / 2, Hauteur_Case / 2);
            QList<QPolygonF> dessin;
            for (const QPolygonF& contour : departement.contours)
                dessin << Transformation_Case(disposition, index).map(contour);
            QVERIFY2(QRect(0, 0, Largeur_Image, Hauteur_Image).contains(cadre) && Contient(dessin, centre) &&
                         carte.pixelColor(centre) != Couleur_Mer &&
                         disposition.cadre_paris.contains(cadre) == Dans_Encart_Paris(index),
                     qPrintable(departement.code));
            for (auto autre = disposition.cases.cbegin(); autre != disposition.cases.cend(); ++autre)
                QVERIFY2(autre.key() == index || !cadre.intersects(Cadre_Case(autre.value())) ||
                             (Cases_Fixes().contains(index) && Cases_Fixes().contains(autre.key())),
                         qPrintable(departement.code + " / " + Texte_Case(autre.key())));
        }
    }
};

QTEST_MAIN(Test_Carte)
#include "Test_Carte.moc"
