#pragma once

#include <QObject>

class Test_Phares_Francais : public QObject {
    Q_OBJECT

private slots:
    void Lignes_data();
    void Lignes();
    void Fenetre();
    void Une_Seule_Fenetre();
};
