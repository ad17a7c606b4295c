#include "log/Prenoms.h"

#include "app/Fichier_Texte.h"

#include <QHash>

namespace Prenoms {

namespace {
constexpr int Largeur_Indicatif = 12;
constexpr int Debut_Departement = 13;
constexpr int Debut_Prenom = 16;
} // namespace

QString Ligne(const QString& indicatif, const QString& departement, const QString& prenom) {
    return indicatif.leftJustified(Debut_Departement) +
           departement.leftJustified(Debut_Prenom - Debut_Departement) + prenom;
}

std::optional<QString> Cherche(const Lignes& lignes, const QString& indicatif) {
    std::optional<QString> prenom;
    for (const QString& ligne : Fichier_Texte::Decode_Lignes(lignes)) {
        if (ligne.left(Largeur_Indicatif).trimmed() == indicatif)
            prenom = Fichier_Texte::Capitales(ligne.mid(Debut_Prenom));
    }
    return prenom;
}

Lignes Memorise(Lignes lignes, const QByteArray& nouvelle, bool nouveau) {
    const QByteArray cle = nouvelle.left(Largeur_Indicatif);
    for (QByteArray& ligne : lignes) {
        if (ligne.left(Largeur_Indicatif) == cle)
            ligne = nouvelle;
    }
    if (nouveau)
        lignes.append(nouvelle);
    return lignes;
}

Lignes Ajoute_Nouveaux(Lignes lignes, const Lignes& nouvelles) {
    // Where each callsign's new line went; -1 for a callsign already remembered.
    QHash<QByteArray, qsizetype> places;
    for (const QByteArray& ligne : lignes)
        places.insert(ligne.left(Largeur_Indicatif), -1);
    for (const QByteArray& nouvelle : nouvelles) {
        const QByteArray cle = nouvelle.left(Largeur_Indicatif);
        const qsizetype place = places.value(cle, lignes.size());
        if (place == lignes.size()) {
            places.insert(cle, place);
            lignes.append(nouvelle);
        } else if (place >= 0) {
            lignes[place] = nouvelle;
        }
    }
    return lignes;
}

} // namespace Prenoms
