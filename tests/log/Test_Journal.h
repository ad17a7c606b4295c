#pragma once

#include <QObject>

class Test_Journal : public QObject {
    Q_OBJECT

private slots:
    void Changements_data();
    void Changements();
    void Premiere_Date_Reference_data();
    void Premiere_Date_Reference();
    void Reecriture_Par_La_Fenetre_data();
    void Reecriture_Par_La_Fenetre();
    void Panne_Au_Milieu_data();
    void Panne_Au_Milieu();
    void Suppression_Du_Dernier_QSO();
    void Ligne_Illisible_Gardee();
};
