#pragma once

#include <QObject>

class Test_Reference_Phare : public QObject {
    Q_OBJECT

private slots:
    void Recherche_data();
    void Recherche();
    void Deja_Contacte_data();
    void Deja_Contacte();
};
