#pragma once

#include <QObject>

class Test_Station : public QObject {
    Q_OBJECT

private slots:
    void Refus_data();
    void Refus();
    void Nouvelle_Station();
    void Station_Existante();
    void Une_Seule_Fenetre();
};
