#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

class Messages;
class Repertoire;

// One program per working folder: two copies rewriting the same log in turn would each write back
// a log without the other's QSOs. The lock is a file of the folder, held while the program runs.
class Verrou_Dossier {
public:
    enum class Etat { Pris, Deja_Pris, Impossible };

    explicit Verrou_Dossier(const QString& dossier);

    // Takes the lock at once, or says why not. A lock left by a copy that no longer runs (a crash,
    // a power cut) is taken over.
    Etat Prend();

    static const QString Nom_Fichier;

private:
    QLockFile verrou;
};

namespace Sous_Programmes {
inline const QString Message_Deja_Ouvert = QStringLiteral("KEZ_TORV est déjà ouvert dans ce dossier.");

// The lock of the working folder, held until it is destroyed; empty when another copy holds it, and
// the operator has been told. A folder where no lock can be written (read-only) runs without one:
// no rewrite can happen there to be interleaved, and each one that fails says so.
std::unique_ptr<Verrou_Dossier> Verrouille_Dossier(const Repertoire& repertoire, Messages& messages);
} // namespace Sous_Programmes
