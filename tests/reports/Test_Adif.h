#pragma once

#include <QObject>

class Test_Adif : public QObject {
    Q_OBJECT

private slots:
    void ADIF_SP_data();
    void ADIF_SP();
    void Bandes_data();
    void Bandes();
    void Export_data();
    void Export();
    void Second_Export_Remplace_Le_Premier();
};
