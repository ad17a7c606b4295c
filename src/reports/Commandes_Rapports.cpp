#include "reports/Commandes_Rapports.h"

#include "app/Fenetres.h"
#include "app/Main.h"
#include "reports/Adif.h"
#include "reports/Aff_Contacte.h"
#include "reports/Phares_Contactes.h"
#include "reports/Rapports_Station.h"
#include "reports/Score_Phares.h"
#include "reports/Suivi_Phares.h"

Commandes_Rapports::Commandes_Rapports(Main& main) : QObject(&main), main(main) {}

void Commandes_Rapports::Mnu_ADIF_Click() {
    const std::optional<QList<QByteArray>> log =
        main.journal.Lignes_Du_Log(Sous_Programmes::Si_Absent::Signale);
    if (!log)
        return;
    Sous_Programmes::Enregistre_Rapport(
        main, Adif::Nom_Fichier(main.session.Indicatif_Station()),
        Adif::Fichier(main.session.Indicatif_Station(), Sous_Programmes::Credit_Rapport(main), *log),
        Sous_Programmes::Annonce_Fichier);
}

void Commandes_Rapports::Mnu_Imp_Contacte_Click() {
    Sous_Programmes::Imprime_Phares_Contactes(main);
}

void Commandes_Rapports::Mnu_Enr_Contacte_Click() {
    Sous_Programmes::Enregistre_Phares_Contactes(main);
}

void Commandes_Rapports::Mnu_C_Contacte_Click() {
    Sous_Programmes::Ouvre_Fenetre(aff_contacte, [this] { return new Aff_Contacte(main); });
}

void Commandes_Rapports::Mnu_Score_Click() {
    Sous_Programmes::Ouvre_Fenetre(score_phares, [this] { return new Score_Phares(main); });
}

void Commandes_Rapports::Mnu_Suivi_Click() {
    Sous_Programmes::Ouvre_Fenetre(suivi_phares, [this] { return new Suivi_Phares(main); });
}
