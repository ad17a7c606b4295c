#pragma once

#include <QObject>

class Test_Coupure : public QObject {
    Q_OBJECT

private slots:
    void Log_Entier_Apres_Chaque_Coupure();
};
