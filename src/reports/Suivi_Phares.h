#pragma once

#include "reports/Suivi.h"

#include <QPointer>
#include <QWidget>
#include <array>

class Main;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The award's progress: every lighthouse of the reference file by band, worked or confirmed, for the
// mode and filter chosen, over the log the main list shows. Read when the window opens and again at
// every change of the log; saved or printed as it stands.
class Suivi_Phares : public QWidget {
    Q_OBJECT

public:
    explicit Suivi_Phares(Main& main);

    QComboBox* Mode_Suivi;
    // Filtre[i] shows Suivi::Noms_Filtres[i].
    std::array<QRadioButton*, 3> Filtre;
    QLabel* Compte;
    // The lighthouses kept, the counts, then the absent references.
    QTableWidget* Grille;
    QPushButton* Enregistrer;
    QPushButton* Imprimer;
    // The QSOs of the box last double-clicked, in a window of their own.
    QPointer<QListWidget> QSO_Phare;

    void Enregistrer_Click();
    void Imprimer_Click();
    // The reference file and the log read again, the grid worked out and shown.
    void Charge();

private:
    void Calcule();
    void Affiche();
    void Grille_DblClick(int rangee, int colonne);
    void QSO_Phare_DblClick(QListWidgetItem* qso);
    Suivi::Filtre Filtre_Choisi() const;
    QString Mode_Choisi() const; // empty: every mode
    Rapports::Lignes Rapport(Rapports::Support support) const;

    Main& main;
    QList<Phare> phares;
    Suivi::Grille grille;
    bool ouverte = false;
};
