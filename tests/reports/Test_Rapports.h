#pragma once

#include <QObject>

class Test_Rapports : public QObject {
    Q_OBJECT

private slots:
    void Numero_data();
    void Numero();
    void Noms_De_Fichier_data();
    void Noms_De_Fichier();
    void Phares_Contactes_data();
    void Phares_Contactes();
    void Liste_Alphabetique_data();
    void Liste_Alphabetique();
    void Liste_Phares_Contactes_data();
    void Liste_Phares_Contactes();
    void Score_data();
    void Score();
};
