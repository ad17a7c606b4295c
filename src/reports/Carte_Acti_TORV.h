#pragma once

#include "reports/Carte_Departements.h"

#include <QWidget>
#include <array>

class Main;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The map of the départements worked on one band in one mode: each worked département's box is
// coloured and the top line counts them.
class Carte_Acti_TORV : public QWidget {
    Q_OBJECT

public:
    explicit Carte_Acti_TORV(Main& main);

    QLabel* NB_Dep;
    QLabel* Label1;
    QLabel* Bande_Carte;
    QLabel* Picture1;
    std::array<QLineEdit*, Carte_Departements::Nombre_Cases> Dep;
    QLabel* Label2;
    QComboBox* Bande_A;
    QLabel* Label3;
    QComboBox* Mode_AX;
    QPushButton* Afficher;

    Main& main;

    void Afficher_Click();
    // Colours the boxes for the band and mode shown and counts them.
    void Affiche_Carte();

private:
    void Cree_Controles();
    void Cree_Cases();
    void Place_Controles();
    void Charge_Image();
    void Place_Cases();
    void Form_Load();
    void Selectionne_Bande_Mode();
};

namespace Sous_Programmes {
// Colours the boxes of the départements that the station's log holds on that band in that mode, clears
// every other box, and returns how many of boxes 1 to 99 are coloured.
int Colorie_Departements(Carte_Acti_TORV& carte, const QString& bande, const QString& mode);
} // namespace Sous_Programmes
