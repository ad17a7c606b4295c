#pragma once

#include <QObject>

class Test_Controle_Saisie : public QObject {
    Q_OBJECT

private slots:
    void Controle_Date_data();
    void Controle_Date();
    void Controle_Heure_data();
    void Controle_Heure();
    void Refus_Saisie_data();
    void Refus_Saisie();
};
