#include "lighthouses/Reference_Phare.h"

#include "app/Adaptateur_Touches.h"
#include "app/Couleurs.h"
#include "app/Fichiers.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "log/Controle_Saisie.h"
#include "log/Journal_Station.h"

#include <QLineEdit>

namespace Sous_Programmes {

QList<Phare> Lecture_Liste_Phare(Main& main) {
    const std::optional<QList<QByteArray>> lignes =
        Lit_Ou_Signale(main.plateforme.fichiers, main.plateforme.messages,
                       main.session.Chemin(Liste_Phare::Nom_Fichier), Si_Absent::Signale);
    return lignes ? Liste_Phare::Phares(*lignes) : QList<Phare>{};
}

} // namespace Sous_Programmes

Reference_Phare::Reference_Phare(Main& main) : QObject(&main), main(main) {}

void Reference_Phare::Ref_A_KeyPress(int& code) {
    if (code != Sous_Programmes::Touche_Entree) {
        Sous_Programmes::Majuscule(code);
        return;
    }
    const QString reference = Sous_Programmes::Texte_Tape(main.Ref_A);
    const QString refus = Sous_Programmes::Refus_Saisie(Champ_Saisie::Reference, reference);
    if (!refus.isEmpty()) {
        main.plateforme.messages.Affiche(refus);
        return;
    }
    // A QSO being modified is already in the log: no warning for it.
    if (!main.session.Mode_Modification())
        Previent_Si_Deja_Contacte(reference);
    const Phare phare =
        Sous_Programmes::Recherche_Phare(Sous_Programmes::Lecture_Liste_Phare(main), reference);
    Couleurs::Colorie(main.Ref_A, Couleurs::Jaune);
    main.Dpt_A->setEnabled(true);
    Couleurs::Colorie(main.Dpt_A, Couleurs::Vert_Saisie);
    main.Dpt_A->setText(phare.departement.trimmed());
    main.Rem_A->setEnabled(true);
    main.Rem_A->setText(Liste_Phare::Nom_Saisi(phare));
    main.Dpt_A->setFocus();
}

void Reference_Phare::Previent_Si_Deja_Contacte(const QString& reference) {
    const std::optional<QString> date = main.journal.Cherche_Reference_Log(reference);
    if (date)
        main.plateforme.messages.Affiche(reference + QStringLiteral(" Phare deja contacté le ") + *date);
}
