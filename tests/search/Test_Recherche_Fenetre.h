#pragma once

#include <QObject>

class Test_Recherche_Fenetre : public QObject {
    Q_OBJECT

private slots:
    void Ouverture();
    void Recherche_Au_Clavier_data();
    void Recherche_Au_Clavier();
    void Log_Vide_data();
    void Log_Vide();
    void Clics_Sur_Les_Options();
    void Liste_Lue_A_Chaque_Recherche();
    void Quitter_Et_Rouvrir();
};
