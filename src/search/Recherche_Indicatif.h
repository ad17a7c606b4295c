#pragma once

#include "search/Recherche.h"

#include <QWidget>
#include <array>

class Main;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// Finds the QSOs of the main window's list by callsign, date or département. It only shows: nothing
// here changes the log or the main window.
class Recherche_Indicatif : public QWidget {
    Q_OBJECT

public:
    explicit Recherche_Indicatif(Main& main);

    QLabel* Label3;
    // Option1[i - 1] is option button i: 1 "Station", 2 "Date", 3 "Dpt".
    std::array<QRadioButton*, 3> Option1;
    QLineEdit* Indica;
    QLineEdit* Data;
    QLineEdit* Depa;
    QLabel* Label13;
    QLabel* Label10;
    QListWidget* QSO_Effectues;
    QPushButton* Command1;

    void Option1_Click(int index);
    void Indica_Click();
    void Data_Click();
    void Depa_Click();
    void Indica_KeyPress(int& code);
    void Data_KeyPress(int& code);
    void Depa_KeyPress(int& code);
    void Command1_Click();
    void Recherche_QSO();

private:
    void Cree_Controles();
    void Place_Controles();
    void Relie_Evenements();
    void Form_Load();
    // Enter in a criterion box: its check, then the search if the check lets it run.
    void Entree(QLineEdit* boite, const Recherche::Controle& controle);
    Recherche::Critere Critere_Choisi() const;
    QLineEdit* Case_Du_Critere(Recherche::Critere critere) const;

    Main& main;
};
