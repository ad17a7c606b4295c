#include "Banc.h"
#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Main.h"
#include "log/Enregistrement.h"
#include "log/Journal_Station.h"
#include "reports/Adif.h"
#include "reports/Aff_Contacte.h"
#include "reports/Carte_Acti_TORV.h"
#include "reports/Commandes_Rapports.h"
#include "reports/Phares_Contactes.h"
#include "reports/Rapports.h"
#include "reports/Suivi.h"
#include "reports/Suivi_Phares.h"
#include "search/Recherche_Indicatif.h"
#include "support/Log_Genere.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

namespace {

const QString& Nouveau_QSO() {
    static const QString enregistrement = Fichier_Texte::Decode(Log_Genere::Enregistrement_Milieu(7));
    return enregistrement;
}

// Each change starts from the generated log, read by the store: no window is needed to write a log.
void Pret_A_Changer(Banc& banc) {
    banc.Remet_Log();
    banc.journal.Lecture_Log();
}

// The program running, its log read from the generated file: the store the window reads from holds
// what is on disk, as after any change the program made itself.
void Fenetre_A_Jour(Banc& banc) {
    banc.Remet_Log();
    banc.Demarre();
    banc.main->journal.Lecture_Log();
}

void Verifie(bool fait, const char* operation) {
    if (!fait)
        qFatal("%s failed", operation);
}

// A window of the main window, made once and kept from run to run; the main window owns it.
template <class Fenetre> Fenetre& Ouverte(Banc& banc, QPointer<Fenetre>& fenetre) {
    banc.Demarre();
    if (!fenetre)
        fenetre = new Fenetre(*banc.main);
    return *fenetre;
}

// A search as the operator makes it: the option chosen, the field of a QSO of the log typed in its
// box (a search empties the boxes), Enter.
Operation Recherche_Par(const char* nom, Recherche::Critere critere, Enregistrement::Champ champ) {
    const auto fenetre = std::make_shared<QPointer<Recherche_Indicatif>>();
    return {nom, Plancher::Aucun, "<= 20 ms a 10 000",
            [=](Banc& banc) {
                Recherche_Indicatif& recherche = Ouverte(banc, *fenetre);
                // The option clicked is checked, and its box takes the focus.
                recherche.Option1[static_cast<int>(critere) - 1]->setChecked(true);
                recherche.Option1_Click(static_cast<int>(critere));
                QLineEdit* boites[] = {recherche.Indica, recherche.Data, recherche.Depa};
                boites[static_cast<int>(critere) - 1]->setText(
                    Enregistrement::Valeur(Fichier_Texte::Decode(banc.QSO_Du_Milieu()), champ));
            },
            [=](Banc&) { (*fenetre)->Recherche_QSO(); }};
}

// The alphabetical list window opening: the log read, sorted and shown.
Operation Liste_Alphabetique() {
    const auto fenetre = std::make_shared<QPointer<Aff_Contacte>>();
    return {"liste alphabetique", Plancher::Aucun, "-",
            [=](Banc& banc) {
                Fenetre_A_Jour(banc);
                delete *fenetre;
            },
            [=](Banc& banc) { *fenetre = new Aff_Contacte(*banc.main); }};
}

// What is timed in a window of the main window, open over the log as on disk.
template <class Fenetre> Operation Dans_Fenetre(const char* nom, std::function<void(Fenetre&)> mesure) {
    const auto fenetre = std::make_shared<QPointer<Fenetre>>();
    return {nom, Plancher::Aucun, "-",
            [=](Banc& banc) {
                Fenetre_A_Jour(banc);
                Ouverte(banc, *fenetre);
            },
            [=](Banc&) { mesure(**fenetre); }};
}

QString Fichier_Phares_Contactes(const Banc& banc) {
    return Rapports::Nom_Phares_Contactes(Banc::Indicatif, Sous_Programmes::Date_Du_Jour(banc.t.horloge));
}

} // namespace

QList<Operation> Operations() {
    return {
        {"demarrage, log dans la liste", Plancher::Copie_Videe, "<= 100 ms a 10 000",
         [](Banc& banc) {
             banc.main.reset();
             banc.Remet_Log();
         },
         [](Banc& banc) {
             banc.Demarre();
             QCoreApplication::processEvents();
         }},
        {"ajout en fin de log", Plancher::Copie_Videe, "<= 3x plancher", Pret_A_Changer,
         [](Banc& banc) { Verifie(banc.journal.Ajout_Fin_Log(Nouveau_QSO()), "ajout"); }},
        {"modification", Plancher::Copie_Videe, "<= 3x plancher", Pret_A_Changer,
         [](Banc& banc) {
             Verifie(banc.journal.Remplace_QSO_Log(Nouveau_QSO(), banc.QSO_Choisi_Du_Milieu()),
                     "modification");
         }},
        {"suppression", Plancher::Copie_Videe, "<= 3x plancher", Pret_A_Changer,
         [](Banc& banc) {
             Verifie(banc.journal.Supprime_QSO_Log(banc.QSO_Choisi_Du_Milieu()), "suppression");
         }},
        {"insertion", Plancher::Copie_Videe, "<= 3x plancher", Pret_A_Changer,
         [](Banc& banc) { Verifie(banc.journal.Insere_QSO_Log(Nouveau_QSO()), "insertion"); }},
        Recherche_Par("recherche par indicatif", Recherche::Critere::Station,
                      Enregistrement::Champ::Indicatif),
        Recherche_Par("recherche par date", Recherche::Critere::Date, Enregistrement::Champ::Date),
        Recherche_Par("recherche par departement", Recherche::Critere::Dpt,
                      Enregistrement::Champ::Departement),
        {"export ADIF", Plancher::Ecriture, "<= 2x plancher", Fenetre_A_Jour,
         [](Banc& banc) { Commandes_Rapports(*banc.main).Mnu_ADIF_Click(); },
         [](const Banc&) { return Adif::Nom_Fichier(Banc::Indicatif); }},
        {"rapport des phares contactes", Plancher::Ecriture, "-", Fenetre_A_Jour,
         [](Banc& banc) { Sous_Programmes::Enregistre_Phares_Contactes(*banc.main); },
         Fichier_Phares_Contactes},
        Liste_Alphabetique(),
        // The map, coloured again for a band and a mode: the log read and its départements found.
        Dans_Fenetre<Carte_Acti_TORV>("coloriage de la carte",
                                      [](Carte_Acti_TORV& carte) {
                                          Sous_Programmes::Colorie_Departements(
                                              carte, QStringLiteral("14 Mhz"), QStringLiteral("SSB"));
                                      }),
        // The log just read or changed: its line views are made with the grid, as in the window.
        {"suivi du diplome, grille", Plancher::Aucun, "<= 50 ms a 50 000", Pret_A_Changer,
         [](Banc& banc) { Suivi::Calcule(banc.journal.Log().Vues(), banc.phares, QString()); }},
        // The window worked out and shown again, as after a change of the log: the reference file and the
        // log read, the grid made and filled in.
        Dans_Fenetre<Suivi_Phares>("suivi du diplome, fenetre", &Suivi_Phares::Charge),
    };
}
