#pragma once

#include <QObject>

class Test_Entrees_Abimees : public QObject {
    Q_OBJECT

private slots:
    void Log_Abime_data();
    void Log_Abime();
    void Log_Illisible();
    void Lignes_De_La_Liste_Entieres_data();
    void Lignes_De_La_Liste_Entieres();
    void Ligne_Abimee_Choisie_Par_L_Operateur_data();
    void Ligne_Abimee_Choisie_Par_L_Operateur();
    void Reglages_Hors_Limites_data();
    void Reglages_Hors_Limites();
    void Fichier_De_Reglages_Abime_data();
    void Fichier_De_Reglages_Abime();
};
