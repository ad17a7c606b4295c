#pragma once

#include <QWidget>

class Main;
class QLabel;
class QListWidget;

// The whole lighthouse reference file, one line per lighthouse in file order, for finding a
// reference before typing it. It reads the file when it opens and changes nothing.
class Phares_Francais : public QWidget {
    Q_OBJECT

public:
    explicit Phares_Francais(Main& main);

    QLabel* Label1;
    QLabel* Entete;
    QListWidget* Phares_FR;

private:
    void Form_Load();

    Main& main;
};
