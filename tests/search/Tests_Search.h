#pragma once

#include <QObject>

class Test_Recherche : public QObject {
    Q_OBJECT

private slots:
    void Controles_data();
    void Controles();
    void Ligne_Resultat_data();
    void Ligne_Resultat();
    void Cherche_data();
    void Cherche();
};

class Test_Recherche_Fenetre : public QObject {
    Q_OBJECT

private slots:
    void Ouverture();
    void Recherche_Au_Clavier_data();
    void Recherche_Au_Clavier();
    void Clics_Sur_Les_Options();
    void Liste_Lue_A_Chaque_Recherche();
    void Quitter_Et_Rouvrir();
};
