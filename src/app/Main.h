#pragma once

#include "app/Plateforme.h"
#include "app/Session.h"
#include "log/Journal_Station.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QTimer;
class Carte_Acti_TORV;
class Commandes_Rapports;
class Edition_QSO;
class Mode_Emploi;
class Modele_Log;
class Recherche_Indicatif;
class Phares_Francais;
class Reference_Phare;
class Restauration;
class Saisie_QSO;
class Station;

// The main window: the entry fields, the log list, the buttons, the clock and the menu bar, wired to
// their handlers, which live with the part of the program they serve. The state of the run is the
// session's, the log the store's; the window shows them.
class Main : public QMainWindow {
    Q_OBJECT

public:
    explicit Main(Plateforme& plateforme);
    ~Main() override;

    // The start-up sequence: settings, first-run message, the window shown, the log loaded.
    void Form_Load();

    Plateforme& plateforme;
    Session session;
    Journal_Station journal;

    QString Revision_Programme;
    QString Historique_Versions;

    void Selectionne_Derniere_Ligne();
    // Selects the stored band and mode of the current station.
    void Selectionne_Bande_Mode();

    // Controls.
    QFrame* Line1;
    QFrame* Frame7;
    QLabel* Label33;
    QFrame* Frame1;
    QLabel* Label2;
    QLabel* I_Station;
    QFrame* Frame2;
    QLabel* Label34;
    QLabel* Label37;
    QGroupBox* Frame3;
    QLabel* Label8;
    QLineEdit* Ind_A;
    QLabel* Label6;
    QLineEdit* Prenom_A;
    QLabel* Label1;
    QLineEdit* Ref_A;
    QLabel* Label36;
    QLineEdit* Dpt_A;
    QLabel* Label5;
    QLineEdit* Date_A;
    QLabel* Label40;
    QLineEdit* Heure_A;
    QLabel* Label16;
    QComboBox* Mode_A;
    QLabel* Label26;
    QComboBox* Bande_A;
    QLabel* Label41;
    QLineEdit* RST_A;
    QLabel* Label9;
    QLineEdit* RSTE_A;
    QLabel* Label4;
    QLineEdit* Rem_A;
    QLabel* Label3;
    QCheckBox* QSL_A;
    QLabel* Label10;
    QLabel* Mode_Aff;
    QPushButton* Valide_A;
    QPushButton* Efface_A;
    QPushButton* Modi_Saisie;
    QPushButton* Ajout_QSO;
    QPushButton* Annule_Saisie;
    QPushButton* Rechercher;
    QFrame* L_Communes;
    QLabel* Label_Liste_TORV;
    QListView* Liste_TORV;
    Modele_Log* Modele_TORV;
    QLabel* Label14;
    QTimer* Timer1;

    // Menus.
    QMenu* Mnu_Fichier;
    QAction* Mnu_Quitter;
    QAction* Mnu_Import_ADIF;
    QAction* Mnu_ADIF;
    QAction* Mnu_Annuler;
    QAction* Mnu_Restaurer;
    QMenu* Mnu_Date;
    QAction* Mnu_Date_Auto;
    QAction* Mnu_Date_Man;
    QMenu* Mnu_Station;
    QAction* Mnu_New_Indicatif;
    QMenu* Mnu_Imprimer;
    QAction* Mnu_Imp_Contacte;
    QMenu* Mnu_Enregistre;
    QAction* Mnu_Enr_Contacte;
    QMenu* Mnu_Affichage;
    QAction* Mnu_C_Contacte;
    QAction* Mnu_Suivi;
    QMenu* Mnu_Carte;
    QAction* Mnu_Carte_HB;
    QMenu* Mnu_Liste;
    QAction* Mnu_Liste_FR;
    QAction* Mnu_Score;
    QMenu* Mnu_aide;
    QAction* Mnu_Historique;
    QAction* Mnu_Mode_Emploi;
    QAction* Mnu_Apropos;

    // Handlers of the shell.
    void Timer1_Timer();
    void Mnu_Quitter_Click();
    void Mnu_Date_Auto_Click();
    void Mnu_Date_Man_Click();
    void Mnu_Historique_Click();
    void Mnu_Mode_Emploi_Click();
    void Mnu_Apropos_Click();
    void Mnu_New_Indicatif_Click();
    void Mnu_Carte_HB_Click();
    void Rechercher_Click();
    void Mnu_Liste_FR_Click();
    void Mnu_Restaurer_Click();

private:
    void Cree_Controles();
    void Cree_Menus();
    void Place_Controles();
    void Relie_Evenements();
    void Init_Libelles();
    void Lit_Date_Auto();
    // The log shown, read or changed; and another station's.
    void Log_Lu();
    void Log_Change();
    void Station_Changee();

    Edition_QSO* edition;
    Commandes_Rapports* rapports;
    QPointer<Station> station;
    QPointer<Carte_Acti_TORV> carte;
    QPointer<Recherche_Indicatif> recherche;
    Saisie_QSO* saisie;
    Reference_Phare* reference;
    QPointer<Phares_Francais> phares_francais;
    QPointer<Mode_Emploi> mode_emploi;
    QPointer<Restauration> restauration;
};
