#pragma once

#include <QObject>

class Test_Pannes : public QObject {
    Q_OBJECT

private slots:
    void Reecriture_Interrompue_data();
    void Reecriture_Interrompue();
    void Geste_Interrompu_data();
    void Geste_Interrompu();
};
