#pragma once

#include <QString>

// The working folder: it holds the logs, the reference and first-name files, and every report.
class Repertoire {
public:
    virtual ~Repertoire() = default;
    virtual QString Chemin() const = 0;
};

// A working folder chosen once, at start-up (Installation::Repertoire_De_Travail).
class Repertoire_Choisi : public Repertoire {
public:
    explicit Repertoire_Choisi(QString chemin);
    QString Chemin() const override;

private:
    QString chemin;
};

namespace Sous_Programmes {
// The full name of a file of the working folder.
QString Chemin_Fichier(const Repertoire& repertoire, const QString& nom);
} // namespace Sous_Programmes
