#pragma once

#include <QObject>

class Test_Prenoms : public QObject {
    Q_OBJECT

private slots:
    void Ligne_data();
    void Ligne();
    void Cherche_data();
    void Cherche();
    void Memorise_data();
    void Memorise();
    void Par_La_Fenetre_data();
    void Par_La_Fenetre();
    void Panne_Ecriture_data();
    void Panne_Ecriture();
    void Fichier_Illisible();
};
