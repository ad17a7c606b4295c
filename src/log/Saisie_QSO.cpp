#include "log/Saisie_QSO.h"

#include "app/Adaptateur_Touches.h"
#include "app/Couleurs.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "app/Parametres.h"
#include "app/Textes.h"
#include "log/Controle_Saisie.h"
#include "log/Prenoms_Station.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Sous_Programmes {

void Passe_Au_Champ(QWidget* quitte, QWidget* suivant) {
    Couleurs::Colorie(quitte, Couleurs::Jaune);
    suivant->setEnabled(true);
    Couleurs::Colorie(suivant, Couleurs::Vert_Saisie);
    suivant->setFocus();
}

int Position_Choisie(const QComboBox* liste) {
    const int position = liste->currentIndex();
    if (position < 0 || liste->currentText() != liste->itemText(position))
        return -1;
    return position;
}

} // namespace Sous_Programmes

using Sous_Programmes::Touche_Entree;

namespace {
// The caret stands after "PB" so that only the lighthouse's number is typed.
constexpr int Curseur_Reference = 3;
// The clock label shows HH:MM followed by " Utc".
constexpr int Longueur_Heure = 5;
} // namespace

Saisie_QSO::Saisie_QSO(Main& main) : QObject(&main), main(main) {}

bool Saisie_QSO::Refuse(Champ_Saisie champ, QLineEdit* champ_texte) {
    const QString texte = Sous_Programmes::Suit_Regle_Des_Lettres(champ)
                              ? Sous_Programmes::Texte_Tape(champ_texte)
                              : champ_texte->text();
    const QString refus = Sous_Programmes::Refus_Saisie(champ, texte);
    if (refus.isEmpty())
        return false;
    main.plateforme.messages.Affiche(refus);
    return true;
}

void Saisie_QSO::Champ_Texte(int& code, Champ_Saisie champ, QLineEdit* champ_texte, QWidget* suivant) {
    if (code == Touche_Entree) {
        if (Refuse(champ, champ_texte))
            return;
        Sous_Programmes::Passe_Au_Champ(champ_texte, suivant);
    }
    Sous_Programmes::Majuscule(code);
}

void Saisie_QSO::Liste(int& code, Champ_Saisie champ, QComboBox* liste, QWidget* suivant,
                       const Cle_Reglage& cle) {
    if (code == Touche_Entree) {
        if (Refuse(champ, liste->lineEdit()))
            return;
        Sous_Programmes::Passe_Au_Champ(liste, suivant);
    }
    Sous_Programmes::Majuscule(code);
    // The key has not reached the list yet: the position saved is the one before it.
    if (!main.session.Mode_Modification())
        main.plateforme.parametres.Ecrit(cle, QString::number(Sous_Programmes::Position_Choisie(liste)),
                                         main.session.Indicatif_Station());
}

void Saisie_QSO::Ind_A_KeyPress(int& code) {
    if (main.session.Indicatif_Station() == Sous_Programmes::Indicatif_Absent) {
        main.plateforme.messages.Affiche(Textes::Premiere_Installation);
        return;
    }
    if (code == Touche_Entree) {
        if (Refuse(Champ_Saisie::Indicatif, main.Ind_A))
            return;
        Sous_Programmes::Recherche_Prenom(main, main.Ind_A->text());
        Sous_Programmes::Passe_Au_Champ(main.Ind_A, main.Prenom_A);
    }
    Sous_Programmes::Majuscule(code);
}

void Saisie_QSO::Prenom_A_KeyPress(int& code) {
    if (code == Touche_Entree) {
        if (Refuse(Champ_Saisie::Prenom, main.Prenom_A))
            return;
        Sous_Programmes::Passe_Au_Champ(main.Prenom_A, main.Ref_A);
        main.Ref_A->setCursorPosition(qMin(Curseur_Reference, static_cast<int>(main.Ref_A->text().size())));
    }
    Sous_Programmes::Majuscule(code);
}

void Saisie_QSO::Dpt_A_KeyPress(int& code) {
    if (code == Touche_Entree) {
        if (Refuse(Champ_Saisie::Departement, main.Dpt_A))
            return;
        // A QSO modified or inserted is an older one: its date and time are typed.
        if (main.Mnu_Date_Auto->isChecked() && !main.session.Mode_Modification() &&
            !main.session.Mode_Insertion())
            Date_Automatique();
        else
            Sous_Programmes::Passe_Au_Champ(main.Dpt_A, main.Date_A);
    }
    Sous_Programmes::Majuscule(code);
}

void Saisie_QSO::Date_Automatique() {
    Couleurs::Colorie(main.Dpt_A, Couleurs::Jaune);
    main.Mode_A->setEnabled(true);
    Couleurs::Colorie(main.Mode_A, Couleurs::Vert_Saisie);
    main.Date_A->setText(main.Label33->text());
    main.Heure_A->setText(main.Label37->text().left(Longueur_Heure));
    main.Mode_A->setFocus();
}

void Saisie_QSO::Date_A_KeyPress(int& code) {
    Champ_Texte(code, Champ_Saisie::Date, main.Date_A, main.Heure_A);
}

void Saisie_QSO::Heure_A_KeyPress(int& code) {
    Champ_Texte(code, Champ_Saisie::Heure, main.Heure_A, main.Mode_A);
}

void Saisie_QSO::Mode_A_KeyPress(int& code) {
    Liste(code, Champ_Saisie::Mode, main.Mode_A, main.Bande_A, Reglages::Mode_Utilise);
}

void Saisie_QSO::Bande_A_KeyPress(int& code) {
    Liste(code, Champ_Saisie::Bande, main.Bande_A, main.RST_A, Reglages::Bande_Utilisee);
}

void Saisie_QSO::RST_A_KeyPress(int& code) {
    Champ_Texte(code, Champ_Saisie::Report, main.RST_A, main.RSTE_A);
}

void Saisie_QSO::RSTE_A_KeyPress(int& code) {
    Champ_Texte(code, Champ_Saisie::Report, main.RSTE_A, main.Rem_A);
}

void Saisie_QSO::Rem_A_KeyPress(int& code) {
    Champ_Texte(code, Champ_Saisie::Nom_Phare, main.Rem_A, main.QSL_A);
}

void Saisie_QSO::QSL_A_KeyPress(int& code) {
    if (code != Touche_Entree)
        return;
    Sous_Programmes::Passe_Au_Champ(main.QSL_A, main.Valide_A);
}
