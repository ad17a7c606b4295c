#pragma once

#include <QObject>

class Test_Disque_Reel : public QObject {
    Q_OBJECT

private slots:
    void Ecriture_Impossible_data();
    void Ecriture_Impossible();
};
