#include "app/Repertoire.h"

#include <QCoreApplication>

QString Repertoire_Programme::Chemin() const {
    return QCoreApplication::applicationDirPath();
}

namespace Sous_Programmes {

QString Chemin_Fichier(const Repertoire& repertoire, const QString& nom) {
    return repertoire.Chemin() + QLatin1Char('/') + nom;
}

} // namespace Sous_Programmes
