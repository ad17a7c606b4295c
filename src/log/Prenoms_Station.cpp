#include "log/Prenoms_Station.h"

#include "app/Fichier_Texte.h"
#include "app/Fichiers.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "log/Prenoms.h"

#include <QLineEdit>

namespace Sous_Programmes {

namespace {

std::optional<Prenoms::Lignes> Lit_Prenoms(Main& main) {
    const QString chemin = main.Chemin(Prenoms::Nom_Fichier);
    const Lecture_Fichier lecture = main.plateforme.fichiers.Lit(chemin);
    if (lecture.etat == Lecture_Fichier::Etat::Illisible) {
        main.plateforme.messages.Affiche(Message_Lecture_Impossible(chemin, lecture.raison));
        return std::nullopt;
    }
    return lecture.lignes;
}

} // namespace

void Recherche_Prenom(Main& main, const QString& indicatif) {
    main.Prenom_Nouveau = true;
    const std::optional<QString> prenom =
        Prenoms::Cherche(Lit_Prenoms(main).value_or(Prenoms::Lignes{}), indicatif);
    if (!prenom)
        return;
    main.Prenom_A->setEnabled(true);
    main.Prenom_A->setText(*prenom);
    main.Prenom_Nouveau = false;
}

bool Memorise_Prenom(Main& main, const QString& ligne) {
    // Rewriting a memory that could not be read would lose every name in it.
    const std::optional<Prenoms::Lignes> lignes = Lit_Prenoms(main);
    if (!lignes)
        return false;
    const QString chemin = main.Chemin(Prenoms::Nom_Fichier);
    const QString raison = main.plateforme.fichiers.Remplace(
        chemin, Prenoms::Memorise(*lignes, Fichier_Texte::Encode(ligne), main.Prenom_Nouveau));
    if (!raison.isEmpty()) {
        main.plateforme.messages.Affiche(Message_Ecriture_Impossible(chemin, raison));
        return false;
    }
    // The callsign is in the file now: recording again after a failed log write must not add it twice.
    main.Prenom_Nouveau = false;
    return true;
}

} // namespace Sous_Programmes
