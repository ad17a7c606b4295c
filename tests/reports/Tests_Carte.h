#pragma once

#include <QObject>

class Test_Carte_Departements : public QObject {
    Q_OBJECT

private slots:
    void Index_Case_data();
    void Index_Case();
    void Cases_Contactees_data();
    void Cases_Contactees();
    void Lit_Positions_data();
    void Lit_Positions();
    void Positions_Livrees();
};

class Test_Carte_Fenetre : public QObject {
    Q_OBJECT

private slots:
    void Ouverture();
    void Cases_Placees();
    void Comptes_data();
    void Comptes();
    void Afficher();
    void Colorie_Compte_Les_Cases();
    void Bande_Vide();
    void Mode_Stocke_data();
    void Mode_Stocke();
    void Fichiers_De_La_Carte_Absents_data();
    void Fichiers_De_La_Carte_Absents();
    void Image_Illisible();
    void Log_Absent_Ou_Illisible_data();
    void Log_Absent_Ou_Illisible();
    void Une_Seule_Fenetre();
};
