#include "log/Edition_QSO.h"

#include "app/Couleurs.h"
#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "app/Textes.h"
#include "log/Controle_Saisie.h"
#include "log/Enregistrement.h"
#include "log/Historique_Log.h"
#include "log/Modele_Log.h"
#include "log/Prenoms.h"
#include "log/Prenoms_Station.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Enregistrement::Champ;

Edition_QSO::Edition_QSO(Main& main) : QObject(&main), main(main) {}

void Edition_QSO::Liste_TORV_Click(int ligne) {
    // Emptying the list deselects without a click: the remembered line stays.
    if (ligne < 0)
        return;
    main.session.Choisit_Ligne(main.Modele_TORV->Ligne(ligne), {ligne, main.journal.Log().Ligne(ligne)});
}

QString Edition_QSO::Compose_QSO() const {
    return Enregistrement::Compose({
        main.Ind_A->text(),
        main.Dpt_A->text(),
        Fichier_Texte::Capitales(main.Prenom_A->text()),
        main.Ref_A->text(),
        main.Date_A->text(),
        main.Heure_A->text(),
        main.Mode_A->currentText(),
        main.Bande_A->currentText(),
        main.RST_A->text(),
        main.RSTE_A->text(),
        main.Rem_A->text(),
        main.QSL_A->isChecked() ? Enregistrement::Marque_QSL : QString(),
    });
}

bool Edition_QSO::Ecrit_QSO(const QString& enregistrement) {
    if (main.session.Mode_Modification())
        return main.journal.Remplace_QSO_Log(enregistrement, qso_modifie);
    if (main.session.Mode_Insertion())
        return main.journal.Insere_QSO_Log(enregistrement);
    return main.journal.Ajout_Fin_Log(enregistrement);
}

void Edition_QSO::Valide_A_Click() {
    Messages& messages = main.plateforme.messages;
    const QString enregistrement = Compose_QSO();
    // A field edited after its check could still hold a pasted character the log cannot store.
    const QString refus = Sous_Programmes::Refus_Caracteres(enregistrement);
    if (!refus.isEmpty()) {
        messages.Affiche(refus);
        return;
    }
    if (messages.Demande(QStringLiteral("Voulez vous enregistrer ces données ?"))) {
        main.Prenom_A->setText(Fichier_Texte::Capitales(main.Prenom_A->text()));
        const QString prenom = Prenoms::Ligne(main.Ind_A->text(), main.Dpt_A->text(), main.Prenom_A->text());
        // Nothing typed is lost and no file changes: when a file cannot be written the entry stays,
        // ready to record again, and the first name goes only with its QSO.
        const std::optional<Prenoms_Avant> avant = Sous_Programmes::Memorise_Prenom(main, prenom);
        if (!avant)
            return;
        if (!Ecrit_QSO(enregistrement)) {
            Sous_Programmes::Retablit_Prenoms(main, *avant);
            return;
        }
    }
    main.Selectionne_Derniere_Ligne();
    Remet_A_Zero();
    main.Selectionne_Bande_Mode();
}

void Edition_QSO::Efface_A_Click() {
    Remet_A_Zero();
}

void Edition_QSO::Remet_A_Zero() {
    Choisit_Mode(false, false, Textes::Saisie_QSO);
    // Without its date and time the entry must not be recordable.
    main.Valide_A->setEnabled(false);
    main.Valide_A->setPalette(QPalette());
    const std::pair<QLineEdit*, QString> textes[] = {
        {main.Ind_A, QString()},
        {main.Dpt_A, QString()},
        {main.Prenom_A, QString()},
        {main.Ref_A, Textes::Reference_Vide},
        {main.Date_A, QString()},
        {main.Heure_A, QString()},
        {main.RST_A, Textes::Report_Defaut},
        {main.RSTE_A, Textes::Report_Defaut},
        {main.Rem_A, QString()},
    };
    for (const auto& [champ, texte] : textes)
        champ->setText(texte);
    main.QSL_A->setChecked(false);
    const QList<QWidget*> fermes{main.Dpt_A,   main.Prenom_A, main.Ref_A,   main.Date_A,
                                 main.Heure_A, main.Mode_A,   main.Bande_A, main.RST_A,
                                 main.RSTE_A,  main.Rem_A,    main.QSL_A};
    for (QWidget* champ : fermes) {
        champ->setEnabled(false);
        Couleurs::Colorie(champ, Couleurs::Jaune);
    }
    Couleurs::Colorie(main.Ind_A, Couleurs::Vert_Saisie);
    main.Ind_A->setEnabled(true);
    main.Ind_A->setFocus();
}

void Edition_QSO::Choisit_Mode(bool modification, bool insertion, const QString& libelle) {
    main.session.Choisit_Mode(modification, insertion);
    main.Mode_Aff->setText(libelle);
    qso_modifie = modification ? main.session.QSO_Selectionne() : Journal::QSO_Choisi{};
}

void Edition_QSO::Modi_Saisie_Click() {
    if (main.session.Ligne_Selectionnee().isEmpty()) {
        main.plateforme.messages.Affiche(QStringLiteral("Cliquez sur une ligne pour l'editer"));
        return;
    }
    Choisit_Mode(true, false, Textes::Modification_QSO);
    const QString qso = Enregistrement::De_Ligne_Liste(main.session.Ligne_Selectionnee());
    auto valeur = [&qso](Champ champ) { return Enregistrement::Valeur(qso, champ); };
    main.Ind_A->setText(valeur(Champ::Indicatif));
    main.Dpt_A->setText(valeur(Champ::Departement));
    main.Prenom_A->setText(valeur(Champ::Prenom));
    main.Ref_A->setText(valeur(Champ::Reference));
    main.Date_A->setText(Enregistrement::Colonnes(qso, Champ::Date));
    main.Heure_A->setText(Enregistrement::Colonnes(qso, Champ::Heure));
    main.Mode_A->setEditText(valeur(Champ::Mode));
    main.Bande_A->setEditText(valeur(Champ::Bande));
    main.RST_A->setText(valeur(Champ::Report_Recu));
    main.RSTE_A->setText(valeur(Champ::Report_Envoye));
    main.Rem_A->setText(valeur(Champ::Nom_Phare));
    main.QSL_A->setChecked(Enregistrement::Colonnes(qso, Champ::QSL) == Enregistrement::Marque_QSL);
    main.Ind_A->setEnabled(true);
    Couleurs::Colorie(main.Ind_A, Couleurs::Vert_Saisie);
    main.Ind_A->setFocus();
}

void Edition_QSO::Annule_Saisie_Click() {
    Messages& messages = main.plateforme.messages;
    if (main.session.Ligne_Selectionnee().isEmpty()) {
        messages.Affiche(QStringLiteral("Cliquez sur une ligne pour l'effacerer"));
        return;
    }
    const Journal::QSO_Choisi choisi = main.session.QSO_Selectionne();
    if (!messages.Demande(QStringLiteral("Voulez vous Supprimer ce QSO ?")) ||
        !main.journal.Supprime_QSO_Log(choisi))
        return;
    // The QSO being modified follows its line; once deleted it can no longer be replaced.
    if (qso_modifie.position == choisi.position)
        qso_modifie = {};
    else if (qso_modifie.position > choisi.position)
        --qso_modifie.position;
}

void Edition_QSO::Ajout_QSO_Click() {
    // The entry typed so far, even a QSO loaded for modification, goes in by its date and time: the
    // loaded QSO stays as it is.
    Choisit_Mode(false, true, Textes::Insertion_QSO);
    main.Ind_A->setFocus();
}

void Edition_QSO::Mnu_Annuler_Click() {
    Messages& messages = main.plateforme.messages;
    const Historique_Log::Modification* derniere = main.journal.Modifications().Derniere();
    if (!derniere) {
        messages.Affiche(QStringLiteral("Aucune modification du log à annuler : le programme ne l'a pas "
                                        "modifié depuis son ouverture ou le changement de station (ou en a "
                                        "déjà annulé les %1 dernières modifications).")
                             .arg(Historique_Log::Profondeur));
        return;
    }
    if (messages.Demande(QStringLiteral("Dernière modification du log : %1\r\n\r\nL'annuler ?")
                             .arg(Sous_Programmes::Description(*derniere))))
        main.journal.Annule_Derniere_Modification();
}
