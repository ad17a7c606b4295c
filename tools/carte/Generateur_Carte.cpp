// Draws the map picture of the map window and the positions of its boxes from
// the départements' outlines:
//   generateur_carte <svg> <out.jpg> <out_positions.txt> [preview.png]

#include "Dessin_Carte.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

constexpr int Qualite_Jpeg = 90;

QTextStream& Erreurs() {
    static QTextStream flux(stderr);
    return flux;
}

bool Ecrit_Fichier(const QString& chemin, const QByteArray& contenu) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(contenu) != contenu.size() ||
        !fichier.commit()) {
        Erreurs() << "generateur_carte: écriture impossible de " << chemin << ": " << fichier.errorString()
                  << Qt::endl;
        return false;
    }
    return true;
}

bool Ecrit_Image(const QImage& image, const QString& chemin, const char* format, int qualite) {
    if (!image.save(chemin, format, qualite)) {
        Erreurs() << "generateur_carte: écriture impossible de " << chemin << Qt::endl;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // Fonts need a platform, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4 || arguments.size() > 5) {
        Erreurs() << "usage: generateur_carte <svg> <out.jpg> <out_positions.txt> [preview.png]" << Qt::endl;
        return 2;
    }
    QFile source(arguments[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        Erreurs() << "generateur_carte: lecture impossible de " << arguments[1] << ": "
                  << source.errorString() << Qt::endl;
        return 1;
    }
    QString erreur;
    const QList<Departement_Svg> departements = Lecture_Svg(source, erreur);
    if (departements.isEmpty()) {
        Erreurs() << "generateur_carte: " << arguments[1] << ": " << erreur << Qt::endl;
        return 1;
    }
    const Disposition_Carte disposition = Calcule_Disposition(departements);
    for (const QString& remarque : disposition.remarques) {
        Erreurs() << "attention: " << remarque << Qt::endl;
    }
    const QImage carte = Dessine_Carte(departements, disposition);
    bool ok = Ecrit_Image(carte, arguments[2], "JPG", Qualite_Jpeg) &&
              Ecrit_Fichier(arguments[3], Texte_Positions(disposition.cases));
    if (ok && arguments.size() == 5) {
        ok = Ecrit_Image(Dessine_Apercu(carte, disposition), arguments[4], "PNG", -1);
    }
    return ok ? 0 : 1;
}
