#include "Banc.h"
#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Main.h"
#include "log/Enregistrement.h"
#include "log/Journal_Station.h"
#include "log/Prenoms.h"
#include "reports/Adif.h"
#include "reports/Aff_Contacte.h"
#include "reports/Apercu_Import.h"
#include "reports/Carte_Acti_TORV.h"
#include "reports/Commandes_Rapports.h"
#include "reports/Phares_Contactes.h"
#include "reports/Rapports.h"
#include "reports/Suivi.h"
#include "reports/Suivi_Phares.h"
#include "search/Recherche_Indicatif.h"
#include "support/Log_Genere.h"

#include <QCoreApplication>
#include <QDir>
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

// Another station's 10,000 QSOs with the shipped lighthouses, as an ADIF file, imported as the operator
// does it: the menu, the file chosen, the preview made and shown, "Importer" (first names remembered,
// the log rewritten once).
Operation Import_ADIF() {
    return {"import ADIF de 10 000 QSO", Plancher::Aucun, "<= 1 s a 10 000",
            [](Banc& banc) {
                static const QByteArray adif = Adif::Fichier(QStringLiteral("F6XYZ"), QString(),
                                                             Log_Genere::Lignes(10000, 3, banc.phares));
                Fenetre_A_Jour(banc);
                banc.t.Ecrit_Fichier(Prenoms::Nom_Fichier, QByteArray());
                banc.t.Ecrit_Fichier(QStringLiteral("import.adi"), adif);
                banc.t.choix_fichier.reponse = banc.t.Chemin(QStringLiteral("import.adi"));
            },
            [](Banc& banc) {
                banc.main->Mnu_Import_ADIF->trigger();
                QCoreApplication::processEvents();
                for (Apercu_Import* apercu : banc.main->findChildren<Apercu_Import*>()) {
                    if (apercu->isVisible())
                        apercu->Importer_Click();
                }
                Verifie(banc.main->journal.Log().Nombre_Lignes() == banc.qso + 10000, "import");
            }};
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
        {"copie du jour (sauvegarde)", Plancher::Copie_Videe, "<= 1x plancher",
         [](Banc& banc) {
             Pret_A_Changer(banc);
             QDir(banc.t.Chemin(QStringLiteral("Sauvegardes"))).removeRecursively();
         },
         [](Banc& banc) { banc.journal.Copies().Avant_Changement(banc.journal.Log().Octets()); }},
        {"annulation d'une modification", Plancher::Copie_Videe, "<= plancher + 50 ms",
         [](Banc& banc) {
             Pret_A_Changer(banc);
             Verifie(banc.journal.Remplace_QSO_Log(Nouveau_QSO(), banc.QSO_Choisi_Du_Milieu()),
                     "modification");
         },
         [](Banc& banc) { Verifie(banc.journal.Annule_Derniere_Modification(), "annulation"); }},
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
        Import_ADIF(),
    };
}
