#include "Banc.h"
#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "log/Journal_Station.h"
#include "support/Log_Genere.h"

#include <QCoreApplication>

namespace {

const QString& Nouveau_QSO() {
    static const QString enregistrement = Fichier_Texte::Decode(Log_Genere::Enregistrement_Milieu(7));
    return enregistrement;
}

// Each change starts from the generated log, with the program already running.
void Pret_A_Changer(Banc& banc) {
    banc.Demarre();
    banc.Remet_Log();
}

void Verifie(bool fait, const char* operation) {
    if (!fait)
        qFatal("%s failed", operation);
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
         [](Banc& banc) { Verifie(Sous_Programmes::Ajout_Fin_Log(*banc.main, Nouveau_QSO()), "ajout"); }},
        {"modification", Plancher::Copie_Videe, "<= 3x plancher", Pret_A_Changer,
         [](Banc& banc) {
             Verifie(Sous_Programmes::Remplace_QSO_Log(*banc.main, Nouveau_QSO(),
                                                       Fichier_Texte::Decode(banc.QSO_Du_Milieu())),
                     "modification");
         }},
        {"suppression", Plancher::Copie_Videe, "<= 3x plancher", Pret_A_Changer,
         [](Banc& banc) {
             Verifie(
                 Sous_Programmes::Supprime_QSO_Log(*banc.main, Fichier_Texte::Decode(banc.QSO_Du_Milieu())),
                 "suppression");
         }},
        {"insertion", Plancher::Copie_Videe, "<= 3x plancher", Pret_A_Changer,
         [](Banc& banc) {
             Verifie(Sous_Programmes::Insere_QSO_Log(*banc.main, Nouveau_QSO()), "insertion");
         }},
    };
}
