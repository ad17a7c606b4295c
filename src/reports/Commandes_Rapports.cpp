#include "reports/Commandes_Rapports.h"

#include "app/Choix_Fichier.h"
#include "app/Fenetres.h"
#include "app/Fichiers.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "app/Parametres.h"
#include "app/Textes.h"
#include "lighthouses/Reference_Phare.h"
#include "reports/Adif.h"
#include "reports/Aff_Contacte.h"
#include "reports/Apercu_Import.h"
#include "reports/Import_Adif.h"
#include "reports/Phares_Contactes.h"
#include "reports/Rapports_Station.h"
#include "reports/Score_Phares.h"
#include "reports/Suivi_Phares.h"

Commandes_Rapports::Commandes_Rapports(Main& main) : QObject(&main), main(main) {}

void Commandes_Rapports::Mnu_Import_ADIF_Click() {
    Messages& messages = main.plateforme.messages;
    if (main.session.Indicatif_Station() == Sous_Programmes::Indicatif_Absent) {
        messages.Affiche(Textes::Premiere_Installation);
        return;
    }
    const QString chemin = main.plateforme.choix_fichier.Fichier_A_Lire(
        &main, QStringLiteral("Importer un fichier ADIF"), QStringLiteral("Fichiers ADIF (*.adi *.adif)"));
    if (chemin.isEmpty())
        return;
    // The file may have gone since it was chosen: it is read once, and the operator told if it cannot be.
    const Lecture_Fichier lecture = main.plateforme.fichiers.Lit_Octets(chemin);
    if (!lecture.Lu()) {
        messages.Affiche(Sous_Programmes::Message_Lecture_Impossible(chemin, lecture.raison));
        return;
    }
    const std::optional<Journal::Lignes> log =
        main.journal.Lignes_Du_Log(Sous_Programmes::Si_Absent::Signale);
    if (!log)
        return;
    Import_Adif::Import apport =
        Import_Adif::Prepare(lecture.octets, *log, Sous_Programmes::Lecture_Liste_Phare(main));
    if (apport.lecture.records == 0) {
        messages.Affiche(Import_Adif::Message_Sans_QSO(chemin, apport));
        return;
    }
    auto* apercu = new Apercu_Import(main, chemin, std::move(apport));
    apercu->setAttribute(Qt::WA_DeleteOnClose);
    apercu->open();
}

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
