#pragma once

#include <QString>

// The working folder: it holds the logs, the reference and first-name files, and every report.
class Repertoire {
public:
    virtual ~Repertoire() = default;
    virtual QString Chemin() const = 0;
};

// The folder that holds the program itself.
class Repertoire_Programme : public Repertoire {
public:
    QString Chemin() const override;
};

namespace Sous_Programmes {
// The full name of a file of the working folder.
QString Chemin_Fichier(const Repertoire& repertoire, const QString& nom);
} // namespace Sous_Programmes
