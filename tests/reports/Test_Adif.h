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
};
