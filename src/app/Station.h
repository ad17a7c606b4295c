#pragma once

#include <QWidget>

class Main;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Chooses the callsign of the station that is logging: a new one, whose log starts from the
// template, or one that already has a log in the working folder.
class Station : public QWidget {
    Q_OBJECT

public:
    explicit Station(Main& main);

    QFrame* Frame1;
    QLabel* Label2;
    QLineEdit* New_Indicatif;
    QPushButton* Validation;
    QFrame* Frame2;
    QLabel* Label3;
    QLabel* Label5;

    void New_Indicatif_KeyPress(int& code);
    void Validation_Click();

private:
    void Form_Load();
    // The callsign typed, or an empty text after telling the operator why it is refused.
    QString Candidat_Accepte();

    Main& main;
};
