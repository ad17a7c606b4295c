#pragma once

#include <QObject>

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
