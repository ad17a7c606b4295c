#include "reports/Rapports_Station.h"

#include "app/Adaptateur_Touches.h"
#include "app/Fichier_Texte.h"
#include "app/Fichiers.h"
#include "app/Imprimante.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "reports/Rapports.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace Sous_Programmes {

bool Enregistre_Rapport(Main& main, const QString& nom, const QByteArray& octets, const QString& annonce) {
    const QString chemin = main.session.Chemin(nom);
    if (!Ecriture_Faite(main.plateforme.messages, chemin, main.plateforme.fichiers.Remplace(chemin, octets)))
        return false;
    main.plateforme.messages.Affiche(annonce + nom);
    return true;
}

void Imprime_Rapport(Main& main, const QString& document, const QList<QByteArray>& lignes) {
    Imprimante& imprimante = main.plateforme.imprimante;
    if (imprimante.Imprime(document, Fichier_Texte::Decode_Lignes(lignes)) ==
        Imprimante::Impression::Impossible)
        main.plateforme.messages.Affiche(Message_Impression_Impossible(imprimante.Destination()));
}

QString Credit_Rapport(const Main& main) {
    return Rapports::Credit(main.Revision_Programme);
}

QHBoxLayout* Boutons_Rapport(QWidget* fenetre, QPushButton*& enregistrer, QPushButton*& imprimer) {
    auto* rangee = new QHBoxLayout;
    rangee->addStretch();
    for (const auto& [bouton, nom] : {std::pair{&enregistrer, "Enregistrer"}, {&imprimer, "Imprimer"}}) {
        *bouton = new QPushButton(QLatin1String(nom), fenetre);
        (*bouton)->setObjectName(QLatin1String(nom));
        Entree_Presse(*bouton);
        rangee->addWidget(*bouton);
    }
    rangee->addStretch();
    return rangee;
}

} // namespace Sous_Programmes
