#include "app/Repertoire.h"

#include <utility>

Repertoire_Choisi::Repertoire_Choisi(QString chemin) : chemin(std::move(chemin)) {}

QString Repertoire_Choisi::Chemin() const {
    return chemin;
}

namespace Sous_Programmes {

QString Chemin_Fichier(const Repertoire& repertoire, const QString& nom) {
    return repertoire.Chemin() + QLatin1Char('/') + nom;
}

} // namespace Sous_Programmes
