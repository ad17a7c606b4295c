#pragma once

#include <QObject>

class Test_Main : public QObject {
    Q_OBJECT

private slots:
    void Premier_Lancement();
    void Log_Charge_Derniere_Ligne_Choisie();
    void Log_Absent_Liste_Vide();
    void Geometrie();
    void Libelles();
    void Historique();
    void Horloge_Affichee();
    void Choix_De_La_Date_data();
    void Choix_De_La_Date();
};
