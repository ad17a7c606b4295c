#pragma once

#include <QObject>
#include <QPointer>

class Aff_Contacte;
class Main;
class Score_Phares;
class Suivi_Phares;

// The menu commands of the main window that import QSOs from an ADIF file, export the log, save or print
// its reports, and open the alphabetical list, the score and the award's progress.
class Commandes_Rapports : public QObject {
    Q_OBJECT

public:
    explicit Commandes_Rapports(Main& main);

    void Mnu_Import_ADIF_Click();
    void Mnu_ADIF_Click();
    void Mnu_Imp_Contacte_Click();
    void Mnu_Enr_Contacte_Click();
    void Mnu_C_Contacte_Click();
    void Mnu_Score_Click();
    void Mnu_Suivi_Click();

private:
    Main& main;
    QPointer<Aff_Contacte> aff_contacte;
    QPointer<Score_Phares> score_phares;
    QPointer<Suivi_Phares> suivi_phares;
};
