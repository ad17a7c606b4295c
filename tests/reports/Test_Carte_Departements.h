#pragma once

#include <QObject>

class Test_Carte_Departements : public QObject {
    Q_OBJECT

private slots:
    void Index_Case_data();
    void Index_Case();
    void Cases_Contactees_data();
    void Cases_Contactees();
    void Lit_Positions_data();
    void Lit_Positions();
    void Positions_Livrees();
};
