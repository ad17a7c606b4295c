#pragma once

#include <QWidget>

class Main;
class QLabel;
class QListView;
class QStringListModel;
class QPushButton;

// The contacted lighthouses in alphabetical order of their line, so that the QSOs of one lighthouse
// stand together. Built once when the window opens; saved or printed as it stands.
class Aff_Contacte : public QWidget {
    Q_OBJECT

public:
    explicit Aff_Contacte(Main& main);

    QLabel* Label3;
    QLabel* Label2;
    QListView* Liste_TORV_Contacte;
    QPushButton* Enregistrer;
    QPushButton* Imprimer;

    void Enregistrer_Click();
    void Imprimer_Click();
    // The lines shown, the first one empty.
    QStringList Lignes() const;

private:
    void Form_Load();

    Main& main;
    QStringListModel* contenu;
};
