#pragma once

#include <QObject>

class Test_Adif : public QObject {
    Q_OBJECT

private slots:
    void ADIF_SP_data();
    void ADIF_SP();
    void Champs_data();
    void Champs();
    void Export_data();
    void Export();
    void Lecteur_Independant();
};

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

class Test_Fenetres_Rapports : public QObject {
    Q_OBJECT

private slots:
    void Rapport_Du_Jour();
    void Impression_Du_Rapport();
    void Impression_Annulee_data();
    void Impression_Annulee();
    void Impression_Impossible();
    void Liste_Alphabetique();
    void Liste_Imprimee();
    void Score();
    void Lecture_Impossible_data();
    void Lecture_Impossible();
    void Dix_Mille_QSO();
};
