#pragma once

#include <QObject>

class Test_Edition_QSO : public QObject {
    Q_OBJECT

private slots:
    void Modification_data();
    void Modification();
    void Insertion_data();
    void Insertion();
    void Suppression_data();
    void Suppression();
    void Sans_Ligne_Choisie();
    void Modes_data();
    void Modes();
    void Effacement();
    void Reponse_Non();
    void Panne_Garde_La_Saisie_data();
    void Panne_Garde_La_Saisie();
    void Caractere_Colle_Apres_Controle();
};
