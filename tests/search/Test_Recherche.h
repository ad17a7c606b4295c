#pragma once

#include <QObject>

class Test_Recherche : public QObject {
    Q_OBJECT

private slots:
    void Controles_data();
    void Controles();
    void Message_Critere_Absent_data();
    void Message_Critere_Absent();
    void Entete();
    void Ligne_Resultat_data();
    void Ligne_Resultat();
    void Cherche_data();
    void Cherche();
};
