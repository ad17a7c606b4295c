#include "log/Historique_Log.h"

#include <algorithm>

namespace {

// The lines of their own: a line may be a view of a log that is about to be replaced.
Journal::Lignes Copie(const Journal::Lignes& lignes, qsizetype debut, qsizetype nombre) {
    Journal::Lignes copie;
    copie.reserve(nombre);
    for (qsizetype i = debut; i < debut + nombre; ++i)
        copie.append(QByteArray(lignes[i].constData(), lignes[i].size()));
    return copie;
}

} // namespace

void Historique_Log::Note(Nature nature, const Journal::Lignes& avant, const Journal::Lignes& apres,
                          QString empreinte) {
    const qsizetype plus_court = std::min(avant.size(), apres.size());
    qsizetype debut = 0;
    while (debut < plus_court && avant[debut] == apres[debut])
        ++debut;
    qsizetype fin = 0;
    while (fin < plus_court - debut && avant[avant.size() - 1 - fin] == apres[apres.size() - 1 - fin])
        ++fin;
    if (debut == plus_court && avant.size() == apres.size())
        return;
    if (modifications.size() == Profondeur)
        modifications.removeFirst();
    modifications.append({nature, debut, avant.size(), Copie(avant, debut, avant.size() - debut - fin),
                          Copie(apres, debut, apres.size() - debut - fin), std::move(empreinte)});
}

Journal::Lignes Historique_Log::Avant(const Journal::Lignes& actuelles) const {
    const Modification& derniere = modifications.last();
    Journal::Lignes lignes = actuelles.first(derniere.debut);
    lignes.append(derniere.avant);
    lignes.append(actuelles.sliced(derniere.debut + derniere.apres.size()));
    return lignes;
}

void Historique_Log::Retire(const QString& empreinte) {
    modifications.removeLast();
    if (!modifications.isEmpty())
        modifications.last().empreinte = empreinte;
}

namespace Sous_Programmes {

QString Description(const Historique_Log::Modification& modification) {
    const auto ligne = [&](const Journal::Lignes& lignes) {
        return Journal::Ligne_Liste(lignes.value(0), modification.debut);
    };
    const qsizetype ajoutes = modification.apres.size() - modification.avant.size();
    switch (modification.nature) {
    case Historique_Log::Nature::Enregistrement:
        return QStringLiteral("l'enregistrement du QSO\r\n") + ligne(modification.apres);
    case Historique_Log::Nature::Insertion:
        return QStringLiteral("l'insertion du QSO\r\n") + ligne(modification.apres);
    case Historique_Log::Nature::Modification:
        return QStringLiteral("la modification du QSO\r\n%1\r\nqui redeviendra\r\n%2")
            .arg(ligne(modification.apres), ligne(modification.avant));
    case Historique_Log::Nature::Suppression:
        return QStringLiteral("la suppression du QSO\r\n") + ligne(modification.avant);
    case Historique_Log::Nature::Import:
        return QStringLiteral("l'import de %1 QSO").arg(ajoutes);
    case Historique_Log::Nature::Restauration:
        break;
    }
    return QStringLiteral("la restauration d'une sauvegarde (le log repassera de %1 à %2 QSO)")
        .arg(modification.total + ajoutes)
        .arg(modification.total);
}

} // namespace Sous_Programmes
