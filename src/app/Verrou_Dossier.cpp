#include "app/Verrou_Dossier.h"

#include "app/Messages.h"
#include "app/Repertoire.h"

const QString Verrou_Dossier::Nom_Fichier = QStringLiteral("KEZ_TORV.lock");

Verrou_Dossier::Verrou_Dossier(const QString& dossier) : verrou(dossier + QLatin1Char('/') + Nom_Fichier) {
    // Only a lock whose program is gone is stale. An age limit would let a second copy take the
    // lock of a first one that has simply been open for a while.
    verrou.setStaleLockTime(0);
}

Verrou_Dossier::Etat Verrou_Dossier::Prend() {
    if (verrou.tryLock(0))
        return Etat::Pris;
    return verrou.error() == QLockFile::LockFailedError ? Etat::Deja_Pris : Etat::Impossible;
}

namespace Sous_Programmes {

std::unique_ptr<Verrou_Dossier> Verrouille_Dossier(const Repertoire& repertoire, Messages& messages) {
    auto verrou = std::make_unique<Verrou_Dossier>(repertoire.Chemin());
    if (verrou->Prend() == Verrou_Dossier::Etat::Deja_Pris) {
        messages.Affiche(Message_Deja_Ouvert);
        return nullptr;
    }
    return verrou;
}

} // namespace Sous_Programmes
