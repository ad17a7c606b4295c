#pragma once

#include <QObject>

class Test_Enregistrement : public QObject {
    Q_OBJECT

private slots:
    void Compose_data();
    void Compose();
    void Ligne_Liste_data();
    void Ligne_Liste();
    void Retour_De_La_Ligne_Liste_data();
    void Retour_De_La_Ligne_Liste();
    void Ligne_Courte();
};
