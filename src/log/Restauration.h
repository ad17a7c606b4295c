#pragma once

#include "log/Sauvegardes.h"

#include <QList>
#include <QWidget>

class Main;
class QListWidget;
class QPushButton;

// The current station's dated copies, with their QSO counts, any one of which can be put back over the
// log after the log itself is copied.
class Restauration : public QWidget {
    Q_OBJECT

public:
    explicit Restauration(Main& main);

    QListWidget* Liste_Sauvegardes;
    QPushButton* Restaurer;
    QPushButton* Fermer;

    void Restaurer_Click();

private:
    void Form_Load();

    Main& main;
    QList<Sauvegardes::Sauvegarde> sauvegardes;
};
