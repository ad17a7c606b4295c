#pragma once

#include <QObject>

class Test_Aide : public QObject {
    Q_OBJECT

private slots:
    void Mode_Emploi_Une_Seule_Fenetre();
    void Guide_Des_Sources();
    void Guide_Nomme_Les_Commandes();
    void Images_Du_Guide();
    void A_Propos();
};
