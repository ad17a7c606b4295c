#include "app/Session.h"

#include "app/Repertoire.h"

Session::Session(const Repertoire& repertoire) : repertoire(repertoire) {}

void Session::Change_Station(const QString& nouvel_indicatif) {
    indicatif = nouvel_indicatif;
    Efface_Selection();
    Choisit_Mode(false, false);
    emit Station_Changee();
}

void Session::Choisit_Ligne(const QString& nouvelle_ligne, const Journal::QSO_Choisi& nouveau_qso) {
    ligne = nouvelle_ligne;
    qso = nouveau_qso;
}

void Session::Efface_Selection() {
    ligne.clear();
    qso = {};
}

void Session::Choisit_Mode(bool en_modification, bool en_insertion) {
    modification = en_modification;
    insertion = en_insertion;
}

void Session::Note_Prenom_Nouveau(bool nouveau) {
    prenom_nouveau = nouveau;
}

QString Session::Chemin(const QString& nom) const {
    return Sous_Programmes::Chemin_Fichier(repertoire, nom);
}

QString Session::Chemin_Log() const {
    return Chemin_Log(indicatif);
}

QString Session::Chemin_Log(const QString& station) const {
    return Chemin(Journal::Nom_Fichier(station));
}
