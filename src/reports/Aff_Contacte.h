#pragma once

#include <QWidget>

class Main;
class QLabel;
class QListWidget;
class QPushButton;

// The contacted lighthouses in alphabetical order of their line, so that the QSOs of one lighthouse
// stand together. Built once when the window opens; saved or printed as it stands.
class Aff_Contacte : public QWidget {
    Q_OBJECT

public:
    explicit Aff_Contacte(Main& main);

    QLabel* Label3;
    QLabel* Label2;
    QListWidget* Liste_TORV_Contacte;
    QPushButton* Enregistrer;
    QPushButton* Imprimer;

    void Enregistrer_Click();
    void Imprimer_Click();

private:
    void Form_Load();
    QStringList Lignes() const;

    Main& main;
};
