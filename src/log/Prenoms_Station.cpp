#include "log/Prenoms_Station.h"

#include "app/Fichier_Texte.h"
#include "app/Fichiers.h"
#include "app/Main.h"
#include "app/Messages.h"

#include <QLineEdit>
#include <functional>

namespace Sous_Programmes {

namespace {

// The memory as it stands; nothing, after telling the operator, when the file cannot be read.
std::optional<Prenoms_Avant> Lit_Prenoms(Main& main) {
    const QString chemin = main.session.Chemin(Prenoms::Nom_Fichier);
    const bool existait = main.plateforme.fichiers.Existe(chemin);
    std::optional<QList<QByteArray>> lignes =
        Lit_Ou_Signale(main.plateforme.fichiers, main.plateforme.messages, chemin, Si_Absent::Vide);
    if (!lignes)
        return std::nullopt;
    return Prenoms_Avant{existait, std::move(*lignes), main.session.Prenom_Nouveau()};
}

// The memory rewritten with the lines a change makes of it; what it held before, or nothing when it
// could not be read or written. Rewriting a memory that could not be read would lose every name in it.
std::optional<Prenoms_Avant>
Change_Prenoms(Main& main, const std::function<Prenoms::Lignes(const Prenoms::Lignes&)>& change) {
    std::optional<Prenoms_Avant> avant = Lit_Prenoms(main);
    if (!avant)
        return std::nullopt;
    const QString chemin = main.session.Chemin(Prenoms::Nom_Fichier);
    if (!Ecriture_Faite(main.plateforme.messages, chemin,
                        main.plateforme.fichiers.Remplace(chemin, change(avant->lignes))))
        return std::nullopt;
    return avant;
}

} // namespace

void Recherche_Prenom(Main& main, const QString& indicatif) {
    main.session.Note_Prenom_Nouveau(true);
    const std::optional<Prenoms_Avant> memoire = Lit_Prenoms(main);
    const std::optional<QString> prenom =
        Prenoms::Cherche(memoire ? memoire->lignes : Prenoms::Lignes{}, indicatif);
    if (!prenom)
        return;
    main.Prenom_A->setEnabled(true);
    main.Prenom_A->setText(*prenom);
    main.session.Note_Prenom_Nouveau(false);
}

std::optional<Prenoms_Avant> Memorise_Prenom(Main& main, const QString& ligne) {
    std::optional<Prenoms_Avant> avant = Change_Prenoms(main, [&](const Prenoms::Lignes& lignes) {
        return Prenoms::Memorise(lignes, Fichier_Texte::Encode(ligne), main.session.Prenom_Nouveau());
    });
    // The callsign is in the file now: recording again must not add it twice.
    if (avant)
        main.session.Note_Prenom_Nouveau(false);
    return avant;
}

std::optional<Prenoms_Avant> Memorise_Prenoms_Nouveaux(Main& main, const QStringList& lignes) {
    return Change_Prenoms(main, [&](const Prenoms::Lignes& memoire) {
        return Prenoms::Ajoute_Nouveaux(memoire, Fichier_Texte::Encode_Lignes(lignes));
    });
}

void Retablit_Prenoms(Main& main, const Prenoms_Avant& avant) {
    const QString chemin = main.session.Chemin(Prenoms::Nom_Fichier);
    Fichiers& fichiers = main.plateforme.fichiers;
    const bool retablis = avant.existait ? Ecriture_Faite(main.plateforme.messages, chemin,
                                                          fichiers.Remplace(chemin, avant.lignes))
                                         : fichiers.Supprime(chemin).isEmpty();
    // Should that fail too, the memory keeps the name being recorded, which does no harm: the operator,
    // already told that the QSO was not written, records it again and the name is not added twice.
    if (retablis)
        main.session.Note_Prenom_Nouveau(avant.nouveau);
}

} // namespace Sous_Programmes
