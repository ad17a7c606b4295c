#pragma once

#include <QWidget>

class Main;
class QGroupBox;
class QLabel;
class QLineEdit;

// How many lighthouse QSOs the log holds and how many are confirmed, counted when the window opens.
class Score_Phares : public QWidget {
    Q_OBJECT

public:
    explicit Score_Phares(Main& main);

    QGroupBox* Frame1;
    QLabel* Label1;
    QGroupBox* Frame2;
    QLabel* Label2;
    QLineEdit* QSO_NB;
    QLabel* Label3;
    QLineEdit* QSL_NB;

private:
    void Form_Load();

    Main& main;
};
