#pragma once

#include <QObject>

class Test_Main : public QObject {
    Q_OBJECT

private slots:
    void Premier_Lancement();
    void Date_Auto_Lue_data();
    void Date_Auto_Lue();
    void Log_Charge_Derniere_Ligne_Choisie();
    void Log_Absent_Liste_Vide();
    void Bande_Et_Mode_Lus_data();
    void Bande_Et_Mode_Lus();
    void Geometrie_data();
    void Geometrie();
    void Libelles();
    void Historique_Et_A_Propos();
    void Horloge_Affichee();
    void Choix_De_La_Date_data();
    void Choix_De_La_Date();
};
