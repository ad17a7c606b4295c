#include "app/Main.h"

#include "Historique.h"
#include "app/Adaptateur_Touches.h"
#include "app/Bouton.h"
#include "app/Couleurs.h"
#include "app/Fenetres.h"
#include "app/Horloge.h"
#include "app/Messages.h"
#include "app/Mode_Emploi.h"
#include "app/Parametres.h"
#include "app/Repertoire.h"
#include "app/Station.h"
#include "app/Textes.h"
#include "app/Twips.h"
#include "lighthouses/Phares_Francais.h"
#include "lighthouses/Reference_Phare.h"
#include "log/Edition_QSO.h"
#include "log/Modele_Log.h"
#include "log/Restauration.h"
#include "log/Saisie_QSO.h"
#include "reports/Carte_Acti_TORV.h"
#include "reports/Commandes_Rapports.h"
#include "search/Recherche_Indicatif.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString Titre = QStringLiteral("  KEZ_TORV    Revision ");
const QString Credit = QStringLiteral("KEZ_TORV, log du diplôme des phares");
const QString Credit_Carte = QStringLiteral("Carte des départements d'après \"MapSVG\" et "
                                            "\"Victor Cazanave (svg-maps)\", licence CC BY 4.0");

const QString Entete_Liste = QStringLiteral("     N°   Indicatif           Dpt   Prenom                Ref   "
                                            "    Date       QTR  Mode   QRG  RSTR RSTE  "
                                            "      Mom du Phare                 QSL");

// Gives a field's keys to the handler of the part of the program it serves.
template <typename Classe>
void Relie_Touches(QWidget* champ, Classe* objet, void (Classe::*gestionnaire)(int&)) {
    Adaptateur_Touches::Installe(champ, [objet, gestionnaire](int& code) { (objet->*gestionnaire)(code); });
}

template <typename T> T* Cree(QWidget* parent, const char* nom) {
    auto* controle = new T(parent);
    controle->setObjectName(QLatin1String(nom));
    return controle;
}

QFrame* Cadre(QWidget* parent, const char* nom) {
    auto* cadre = Cree<QFrame>(parent, nom);
    cadre->setFrameShape(QFrame::Box);
    cadre->setFrameShadow(QFrame::Sunken);
    return cadre;
}

QFont Police_Champs() {
    QFont police(QStringLiteral("Sans Serif"), 12, QFont::Bold);
    police.setStyleHint(QFont::SansSerif);
    return police;
}

QFont Police_Liste() {
    QFont police(QStringLiteral("Terminal"), 9);
    police.setStyleHint(QFont::TypeWriter);
    police.setFixedPitch(true);
    return police;
}

QFont Gras(QFont police, int points) {
    police.setBold(true);
    police.setPointSize(points);
    return police;
}

} // namespace

Main::Main(Plateforme& plateforme)
    : QMainWindow(nullptr), plateforme(plateforme), session(plateforme.repertoire),
      journal(session, plateforme.fichiers, plateforme.messages, plateforme.horloge) {
    setObjectName(QStringLiteral("Main"));
    Cree_Controles();
    Cree_Menus();
    Place_Controles();
    edition = new Edition_QSO(*this);
    rapports = new Commandes_Rapports(*this);
    saisie = new Saisie_QSO(*this);
    reference = new Reference_Phare(*this);
    Relie_Evenements();
}

Main::~Main() = default;

void Main::Cree_Controles() {
    auto* fond = new QWidget(this);
    setCentralWidget(fond);

    Line1 = Cree<QFrame>(fond, "Line1");
    Line1->setFrameShape(QFrame::HLine);
    Frame7 = Cadre(fond, "Frame7");
    Label33 = Cree<QLabel>(Frame7, "Label33");
    Frame1 = Cadre(fond, "Frame1");
    Label2 = Cree<QLabel>(Frame1, "Label2");
    I_Station = Cree<QLabel>(Frame1, "I_Station");
    Frame2 = Cadre(fond, "Frame2");
    Label34 = Cree<QLabel>(Frame2, "Label34");
    Label37 = Cree<QLabel>(Frame2, "Label37");
    Frame3 = Cree<QGroupBox>(fond, "Frame3");
    L_Communes = Cadre(fond, "L_Communes");

    Label8 = Cree<QLabel>(fond, "Label8");
    Ind_A = Cree<QLineEdit>(fond, "Ind_A");
    Label6 = Cree<QLabel>(fond, "Label6");
    Prenom_A = Cree<QLineEdit>(fond, "Prenom_A");
    Label1 = Cree<QLabel>(fond, "Label1");
    Ref_A = Cree<QLineEdit>(fond, "Ref_A");
    Label36 = Cree<QLabel>(fond, "Label36");
    Dpt_A = Cree<QLineEdit>(fond, "Dpt_A");
    Label5 = Cree<QLabel>(fond, "Label5");
    Date_A = Cree<QLineEdit>(fond, "Date_A");
    Label40 = Cree<QLabel>(fond, "Label40");
    Heure_A = Cree<QLineEdit>(fond, "Heure_A");
    Label16 = Cree<QLabel>(fond, "Label16");
    Mode_A = Cree<QComboBox>(fond, "Mode_A");
    Label26 = Cree<QLabel>(fond, "Label26");
    Bande_A = Cree<QComboBox>(fond, "Bande_A");
    Label41 = Cree<QLabel>(fond, "Label41");
    RST_A = Cree<QLineEdit>(fond, "RST_A");
    Label9 = Cree<QLabel>(fond, "Label9");
    RSTE_A = Cree<QLineEdit>(fond, "RSTE_A");
    Label4 = Cree<QLabel>(fond, "Label4");
    Rem_A = Cree<QLineEdit>(fond, "Rem_A");
    Label3 = Cree<QLabel>(fond, "Label3");
    QSL_A = Cree<QCheckBox>(fond, "QSL_A");
    Label10 = Cree<QLabel>(fond, "Label10");
    Mode_Aff = Cree<QLabel>(fond, "Mode_Aff");

    Valide_A = Cree<Bouton>(fond, "Valide_A");
    Efface_A = Cree<Bouton>(fond, "Efface_A");
    Modi_Saisie = Cree<Bouton>(fond, "Modi_Saisie");
    Ajout_QSO = Cree<Bouton>(fond, "Ajout_QSO");
    Annule_Saisie = Cree<Bouton>(fond, "Annule_Saisie");
    Rechercher = Cree<Bouton>(fond, "Rechercher");

    Label_Liste_TORV = Cree<QLabel>(fond, "Label_Liste_TORV");
    Liste_TORV = Cree<QListView>(fond, "Liste_TORV");
    Modele_TORV = new Modele_Log(journal, this);
    Liste_TORV->setModel(Modele_TORV);
    Label14 = Cree<QLabel>(fond, "Label14");
    Timer1 = Cree<QTimer>(this, "Timer1");
    Timer1->setInterval(1000);

    QFont petite = font();
    petite.setPointSize(8);
    for (QPushButton* bouton : {Valide_A, Efface_A, Modi_Saisie, Ajout_QSO, Annule_Saisie, Rechercher})
        bouton->setFont(petite);
    for (QComboBox* liste : {Mode_A, Bande_A}) {
        liste->setEditable(true);
        // A text typed by the operator is used as it is, never added to the list.
        liste->setInsertPolicy(QComboBox::NoInsert);
        // Nor completed from the list while it is typed.
        liste->setCompleter(nullptr);
    }
    const QFont champs = Police_Champs();
    for (QWidget* champ :
         {static_cast<QWidget*>(Ind_A), static_cast<QWidget*>(Prenom_A), static_cast<QWidget*>(Ref_A),
          static_cast<QWidget*>(Dpt_A), static_cast<QWidget*>(Date_A), static_cast<QWidget*>(Heure_A),
          static_cast<QWidget*>(Mode_A), static_cast<QWidget*>(Bande_A), static_cast<QWidget*>(RST_A),
          static_cast<QWidget*>(RSTE_A), static_cast<QWidget*>(Rem_A), static_cast<QWidget*>(QSL_A)}) {
        champ->setFont(champs);
        champ->setEnabled(false);
        Couleurs::Colorie(champ, Couleurs::Jaune);
    }
    Couleurs::Colorie(Ind_A, Couleurs::Vert_Saisie);
    Ind_A->setEnabled(true);
    Ref_A->setText(Textes::Reference_Vide);
    Valide_A->setEnabled(false);
    Mode_Aff->setText(Textes::Saisie_QSO);

    const QFont horloge = Gras(font(), 12);
    for (QLabel* etiquette : {Label33, Label34, Label37})
        etiquette->setFont(horloge);
    I_Station->setFont(Gras(font(), 12));
    I_Station->setStyleSheet(QStringLiteral("color: red"));
    Label14->setFont(Gras(font(), font().pointSize()));
    Label14->setText(QStringLiteral("© KEZ_TORV"));
    Label14->setWordWrap(true);

    Liste_TORV->setFont(Police_Liste());
    Label_Liste_TORV->setFont(Police_Liste());
    Couleurs::Colorie(Liste_TORV, Couleurs::Jaune);
}

void Main::Cree_Menus() {
    auto menu = [this](const char* nom, const QString& titre) {
        QMenu* m = menuBar()->addMenu(titre);
        m->setObjectName(QLatin1String(nom));
        return m;
    };
    auto action = [this](auto* parent, const char* nom) {
        auto* a = new QAction(this);
        a->setObjectName(QLatin1String(nom));
        parent->addAction(a);
        return a;
    };
    Mnu_Fichier = menu("Mnu_Fichier", QStringLiteral("Fichier"));
    Mnu_Quitter = action(Mnu_Fichier, "Mnu_Quitter");
    Mnu_Import_ADIF = action(Mnu_Fichier, "Mnu_Import_ADIF");
    Mnu_ADIF = action(Mnu_Fichier, "Mnu_ADIF");
    Mnu_Annuler = action(Mnu_Fichier, "Mnu_Annuler");
    Mnu_Restaurer = action(Mnu_Fichier, "Mnu_Restaurer");
    Mnu_Date = menu("Mnu_Date", QStringLiteral("Date"));
    Mnu_Date_Auto = action(Mnu_Date, "Mnu_Date_Auto");
    Mnu_Date_Man = action(Mnu_Date, "Mnu_Date_Man");
    Mnu_Station = menu("Mnu_Station", QStringLiteral("Station"));
    Mnu_New_Indicatif = action(Mnu_Station, "Mnu_New_Indicatif");
    Mnu_Imprimer = menu("Mnu_Imprimer", QStringLiteral("Imprimer"));
    Mnu_Imp_Contacte = action(Mnu_Imprimer, "Mnu_Imp_Contacte");
    Mnu_Enregistre = menu("Mnu_Enregistre", QStringLiteral("Enregistrer"));
    Mnu_Enr_Contacte = action(Mnu_Enregistre, "Mnu_Enr_Contacte");
    Mnu_Affichage = menu("Mnu_Affichage", QStringLiteral("Afficher"));
    Mnu_C_Contacte = action(Mnu_Affichage, "Mnu_C_Contacte");
    Mnu_Suivi = action(Mnu_Affichage, "Mnu_Suivi");
    Mnu_Carte = menu("Mnu_Carte", QStringLiteral("Carte"));
    Mnu_Carte_HB = action(Mnu_Carte, "Mnu_Carte_HB");
    Mnu_Liste = menu("Mnu_Liste", QStringLiteral("Liste"));
    Mnu_Liste_FR = action(Mnu_Liste, "Mnu_Liste_FR");
    Mnu_Score = action(menuBar(), "Mnu_Score");
    Mnu_aide = menu("Mnu_aide", QStringLiteral("Aide"));
    Mnu_Historique = action(Mnu_aide, "Mnu_Historique");
    Mnu_Mode_Emploi = action(Mnu_aide, "Mnu_Mode_Emploi");
    Mnu_Apropos = action(Mnu_aide, "Mnu_Apropos");

    for (QAction* coche : {Mnu_Date_Auto, Mnu_Date_Man})
        coche->setCheckable(true);
    Mnu_Date_Auto->setChecked(true);
    // A text field keeps its own Ctrl+Z while it has the focus.
    Mnu_Annuler->setShortcut(QKeySequence::Undo);
}

void Main::Place_Controles() {
    const int dpi = logicalDpiY();
    auto place = [dpi](QWidget* controle, int gauche, int haut, int largeur, int hauteur) {
        controle->setGeometry(Twips::Rectangle(gauche, haut, largeur, hauteur, dpi));
    };
    // Captions stand 240 twips above their fields; a little wider, so that "Heure UTC" over its
    // narrow field is not cut.
    auto place_champ = [&](QLabel* libelle, QWidget* champ, int gauche, int haut, int largeur, int hauteur) {
        place(champ, gauche, haut, largeur, hauteur);
        place(libelle, gauche, haut - 240, largeur + 240, 240);
    };
    centralWidget()->setFixedSize(Twips::Pixels(11550, dpi), Twips::Pixels(7575, dpi));
    place(Line1, 0, 0, 11550, 30);
    place(Frame7, 480, 120, 1455, 735);
    place(Frame1, 1920, 120, 7575, 735);
    place(Frame2, 9480, 120, 1575, 735);
    place(Frame3, 120, 960, 11295, 1815);
    place_champ(Label8, Ind_A, 480, 1440, 1815, 405);
    place_champ(Label6, Prenom_A, 2520, 1440, 2535, 375);
    place_champ(Label1, Ref_A, 5280, 1440, 1215, 405);
    place_champ(Label36, Dpt_A, 6720, 1440, 495, 375);
    place_champ(Label5, Date_A, 7440, 1440, 1215, 420);
    place_champ(Label40, Heure_A, 8880, 1440, 855, 405);
    place_champ(Label16, Mode_A, 9960, 1440, 1095, 420);
    place_champ(Label26, Bande_A, 480, 2160, 1335, 420);
    place_champ(Label41, RST_A, 2040, 2160, 615, 375);
    place_champ(Label9, RSTE_A, 2880, 2160, 615, 375);
    place_champ(Label4, Rem_A, 3720, 2160, 5295, 375);
    place_champ(Label3, QSL_A, 9360, 2280, 255, 255);
    place_champ(Label10, Mode_Aff, 9840, 2280, 1335, 255);
    place(L_Communes, 120, 2760, 10095, 4695);
    place(Label_Liste_TORV, 360, 3000, 9495, 255);
    place(Liste_TORV, 360, 3240, 9615, 4020);
    int haut = 2880;
    for (QPushButton* bouton : {Valide_A, Efface_A, Modi_Saisie, Ajout_QSO, Annule_Saisie, Rechercher}) {
        place(bouton, 10320, haut, 1095, 495);
        haut += 720;
    }
    place(Label14, 10320, 7080, 1215, 375);

    for (QFrame* cadre : {Frame7, Frame1, Frame2}) {
        auto* rangee = new QHBoxLayout(cadre);
        rangee->setContentsMargins(4, 2, 4, 2);
    }
    Frame7->layout()->addWidget(Label33);
    Frame1->layout()->addWidget(Label2);
    Frame1->layout()->addWidget(I_Station);
    static_cast<QHBoxLayout*>(Frame1->layout())->addStretch();
    delete Frame2->layout();
    auto* heures = new QVBoxLayout(Frame2);
    heures->setContentsMargins(4, 0, 4, 0);
    heures->setSpacing(0);
    heures->addWidget(Label34);
    heures->addWidget(Label37);
    Label_Liste_TORV->setWordWrap(false);
    for (QLabel* etiquette : {Label_Liste_TORV, Mode_Aff, Label10})
        etiquette->setMinimumWidth(0);
}

void Main::Relie_Evenements() {
    connect(Timer1, &QTimer::timeout, this, &Main::Timer1_Timer);
    connect(Mnu_Quitter, &QAction::triggered, this, &Main::Mnu_Quitter_Click);
    connect(Mnu_Date_Auto, &QAction::triggered, this, &Main::Mnu_Date_Auto_Click);
    connect(Mnu_Date_Man, &QAction::triggered, this, &Main::Mnu_Date_Man_Click);
    connect(Mnu_Historique, &QAction::triggered, this, &Main::Mnu_Historique_Click);
    connect(Mnu_Mode_Emploi, &QAction::triggered, this, &Main::Mnu_Mode_Emploi_Click);
    connect(Mnu_Apropos, &QAction::triggered, this, &Main::Mnu_Apropos_Click);
    connect(Mnu_New_Indicatif, &QAction::triggered, this, &Main::Mnu_New_Indicatif_Click);
    connect(Mnu_Carte_HB, &QAction::triggered, this, &Main::Mnu_Carte_HB_Click);
    connect(Rechercher, &QPushButton::clicked, this, &Main::Rechercher_Click);
    connect(Liste_TORV->selectionModel(), &QItemSelectionModel::currentRowChanged, edition,
            [this](const QModelIndex& ligne) { edition->Liste_TORV_Click(ligne.row()); });
    connect(&journal, &Journal_Station::Log_Lu, this, &Main::Log_Lu);
    connect(&journal, &Journal_Station::Log_Change, this, &Main::Log_Change);
    connect(&session, &Session::Station_Changee, this, &Main::Station_Changee);
    connect(Mnu_Import_ADIF, &QAction::triggered, rapports, &Commandes_Rapports::Mnu_Import_ADIF_Click);
    connect(Mnu_ADIF, &QAction::triggered, rapports, &Commandes_Rapports::Mnu_ADIF_Click);
    connect(Mnu_Imp_Contacte, &QAction::triggered, rapports, &Commandes_Rapports::Mnu_Imp_Contacte_Click);
    connect(Mnu_Enr_Contacte, &QAction::triggered, rapports, &Commandes_Rapports::Mnu_Enr_Contacte_Click);
    connect(Mnu_C_Contacte, &QAction::triggered, rapports, &Commandes_Rapports::Mnu_C_Contacte_Click);
    connect(Mnu_Score, &QAction::triggered, rapports, &Commandes_Rapports::Mnu_Score_Click);
    connect(Mnu_Suivi, &QAction::triggered, rapports, &Commandes_Rapports::Mnu_Suivi_Click);
    connect(Mnu_Liste_FR, &QAction::triggered, this, &Main::Mnu_Liste_FR_Click);
    connect(Mnu_Annuler, &QAction::triggered, edition, &Edition_QSO::Mnu_Annuler_Click);
    connect(Mnu_Restaurer, &QAction::triggered, this, &Main::Mnu_Restaurer_Click);
    connect(Valide_A, &QPushButton::clicked, edition, &Edition_QSO::Valide_A_Click);
    connect(Efface_A, &QPushButton::clicked, edition, &Edition_QSO::Efface_A_Click);
    connect(Modi_Saisie, &QPushButton::clicked, edition, &Edition_QSO::Modi_Saisie_Click);
    connect(Annule_Saisie, &QPushButton::clicked, edition, &Edition_QSO::Annule_Saisie_Click);
    connect(Ajout_QSO, &QPushButton::clicked, edition, &Edition_QSO::Ajout_QSO_Click);
    Sous_Programmes::Entree_Presse(Valide_A);
    Relie_Touches(Ind_A, saisie, &Saisie_QSO::Ind_A_KeyPress);
    Relie_Touches(Prenom_A, saisie, &Saisie_QSO::Prenom_A_KeyPress);
    Relie_Touches(Ref_A, reference, &Reference_Phare::Ref_A_KeyPress);
    Relie_Touches(Dpt_A, saisie, &Saisie_QSO::Dpt_A_KeyPress);
    Relie_Touches(Date_A, saisie, &Saisie_QSO::Date_A_KeyPress);
    Relie_Touches(Heure_A, saisie, &Saisie_QSO::Heure_A_KeyPress);
    Relie_Touches(Mode_A, saisie, &Saisie_QSO::Mode_A_KeyPress);
    Relie_Touches(Bande_A, saisie, &Saisie_QSO::Bande_A_KeyPress);
    Relie_Touches(RST_A, saisie, &Saisie_QSO::RST_A_KeyPress);
    Relie_Touches(RSTE_A, saisie, &Saisie_QSO::RSTE_A_KeyPress);
    Relie_Touches(Rem_A, saisie, &Saisie_QSO::Rem_A_KeyPress);
    Relie_Touches(QSL_A, saisie, &Saisie_QSO::QSL_A_KeyPress);
    Timer1->start();
}

void Main::Form_Load() {
    // Centred by the size the window takes with its menu bar, not by the one it has before being laid out.
    adjustSize();
    Sous_Programmes::Centre(this);
    Bande_A->addItems(Textes::Bandes);
    Mode_A->addItems(Textes::Modes);
    {
        // The station of the last run, taken as it is: nothing to forget yet, no log to read yet.
        const QSignalBlocker silence(session);
        session.Change_Station(plateforme.parametres.Indicatif_Station());
    }
    const QString& Indicatif_Station = session.Indicatif_Station();
    I_Station->setText(Indicatif_Station);
    Selectionne_Bande_Mode();
    Lit_Date_Auto();
    Init_Libelles();
    plateforme.parametres.Ecrit(Reglages::Chemin_Repertoire,
                                QDir::toNativeSeparators(plateforme.repertoire.Chemin()));
    if (Indicatif_Station == Sous_Programmes::Indicatif_Absent)
        plateforme.messages.Affiche(Textes::Premiere_Installation);
    show();
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
    Mode_Aff->setText(Textes::Saisie_QSO);
    Historique_Versions.clear();
    for (const QString& version : Historique::Versions)
        Historique_Versions += version + QStringLiteral("\r\n");
    Revision_Programme = QLatin1Char(' ') + Historique::Version;
    setWindowTitle(Titre + Revision_Programme);
    if (Indicatif_Station != Sous_Programmes::Indicatif_Absent)
        journal.Lecture_Log();
    Selectionne_Derniere_Ligne();
    plateforme.parametres.Ecrit(Reglages::Revision, Revision_Programme, Indicatif_Station);
}

void Main::Selectionne_Bande_Mode() {
    Parametres& parametres = plateforme.parametres;
    Bande_A->setCurrentIndex(
        parametres.Lit_Position(Reglages::Bande_Utilisee, session.Indicatif_Station(), Bande_A->count()));
    Mode_A->setCurrentIndex(
        parametres.Lit_Position(Reglages::Mode_Utilise, session.Indicatif_Station(), Mode_A->count()));
}

void Main::Lit_Date_Auto() {
    const QString choix = plateforme.parametres.Lit(Reglages::Date_Auto, session.Indicatif_Station());
    if (choix == QLatin1String("Oui") || choix == QLatin1String("Non")) {
        Mnu_Date_Auto->setChecked(choix == QLatin1String("Oui"));
        Mnu_Date_Man->setChecked(choix == QLatin1String("Non"));
    }
}

void Main::Init_Libelles() {
    Liste_TORV->setToolTip(QStringLiteral("Cliquez sur une ligne pour l'editer ou l'annuler"));
    Frame3->setTitle(QStringLiteral("Saisie ou modification d'un QSO"));
    Label2->setText(QStringLiteral("INDICATIF DE LA STATION  : "));
    Label8->setText(QStringLiteral("Indicatif"));
    Label36->setText(QStringLiteral("Dpt"));
    Label6->setText(QStringLiteral("Prenom (optionel)"));
    Label1->setText(QStringLiteral("Ref Phare"));
    Label5->setText(QStringLiteral("Date"));
    Label40->setText(QStringLiteral("Heure UTC"));
    Label16->setText(QStringLiteral("Mode"));
    Label4->setText(QStringLiteral("Mom du Phare (optionel)"));
    Label26->setText(QStringLiteral("QRG"));
    Label41->setText(QStringLiteral("RST R"));
    Label9->setText(QStringLiteral("RST E"));
    Label3->setText(QStringLiteral("QSL"));
    Label10->setText(QStringLiteral("Mode de saisie"));
    Label_Liste_TORV->setText(Entete_Liste);
    RST_A->setText(Textes::Report_Defaut);
    RSTE_A->setText(Textes::Report_Defaut);

    Mnu_Quitter->setText(QStringLiteral("Quitter KEZ_TORV"));
    Mnu_Import_ADIF->setText(QStringLiteral("Importer un fichier ADIF"));
    Mnu_ADIF->setText(QStringLiteral("Exporter le log au format ADIF"));
    Mnu_Annuler->setText(QStringLiteral("Annuler la dernière modification"));
    Mnu_Restaurer->setText(QStringLiteral("Restaurer une sauvegarde"));
    Mnu_Date_Auto->setText(QStringLiteral("Automatique"));
    Mnu_Date_Man->setText(QStringLiteral("Manuelle"));
    Mnu_New_Indicatif->setText(QStringLiteral("Nouvel Indicatif"));
    Mnu_Imp_Contacte->setText(QStringLiteral("les Phares contactés"));
    Mnu_Enr_Contacte->setText(QStringLiteral("les Phares contactes"));
    Mnu_C_Contacte->setText(QStringLiteral("les Phares contactes"));
    Mnu_Suivi->setText(QStringLiteral("Suivi du diplôme"));
    Mnu_Carte_HB->setText(QStringLiteral("des Phares contactés"));
    Mnu_Liste_FR->setText(QStringLiteral("des Phares Francais"));
    Mnu_Score->setText(QStringLiteral("Score"));
    Mnu_Historique->setText(QStringLiteral("Historique"));
    Mnu_Mode_Emploi->setText(QStringLiteral("Mode d'emploi"));
    Mnu_Apropos->setText(QStringLiteral("A propos"));

    Valide_A->setText(QStringLiteral("Valider le QSO"));
    Efface_A->setText(QStringLiteral("Effacer saisie en cours"));
    Modi_Saisie->setText(QStringLiteral("Modifier un QS0"));
    Modi_Saisie->setToolTip(QStringLiteral("Permet de modifier la saisie d'un Code Postal contacté"));
    Ajout_QSO->setText(QStringLiteral("Inserer un QSO"));
    Annule_Saisie->setText(QStringLiteral("Supprimer un QSO"));
    Annule_Saisie->setToolTip(QStringLiteral("Permet d'annuler la saisie d'un Code Postal contacté"));
    Rechercher->setText(QStringLiteral("Rechercher un QSO"));
}

void Main::Selectionne_Derniere_Ligne() {
    const int lignes = Modele_TORV->rowCount();
    if (lignes > 0)
        Liste_TORV->setCurrentIndex(Modele_TORV->index(lignes - 1));
}

void Main::Log_Lu() {
    session.Efface_Selection();
    Liste_TORV->setUniformItemSizes(Modele_TORV->Lignes_Egales());
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
}

void Main::Log_Change() {
    Log_Lu();
    Selectionne_Derniere_Ligne();
}

void Main::Station_Changee() {
    edition->Efface_A_Click();
    QString affiche = session.Indicatif_Station();
    I_Station->setText(affiche.replace(QLatin1Char('_'), QLatin1Char('/')));
    Selectionne_Bande_Mode();
    journal.Lecture_Log();
}

void Main::Timer1_Timer() {
    const Horloge& horloge = plateforme.horloge;
    Label37->setText(Sous_Programmes::Heure_Utc_Texte(horloge).left(5) + QStringLiteral(" Utc"));
    Label34->setText(Sous_Programmes::Heure_Locale_Texte(horloge).left(5) + QStringLiteral(" Loc"));
    Label33->setText(Sous_Programmes::Date_Utc_Texte(horloge));
}

void Main::Mnu_Quitter_Click() {
    // Every other window is a child of this one and closes with it.
    close();
    QApplication::quit();
}

void Main::Mnu_Date_Auto_Click() {
    Mnu_Date_Auto->setChecked(true);
    Mnu_Date_Man->setChecked(false);
    plateforme.parametres.Ecrit(Reglages::Date_Auto, QStringLiteral("Oui"), session.Indicatif_Station());
}

void Main::Mnu_Date_Man_Click() {
    Mnu_Date_Auto->setChecked(false);
    Mnu_Date_Man->setChecked(true);
    plateforme.parametres.Ecrit(Reglages::Date_Auto, QStringLiteral("Non"), session.Indicatif_Station());
}

void Main::Mnu_Historique_Click() {
    plateforme.messages.Affiche(Historique_Versions);
}

void Main::Mnu_Mode_Emploi_Click() {
    Sous_Programmes::Ouvre_Fenetre(mode_emploi, [this] { return new Mode_Emploi(*this); });
}

void Main::Mnu_Apropos_Click() {
    plateforme.messages.Affiche(QStringLiteral("   KEZ_TORV  Revision ") + Revision_Programme +
                                QStringLiteral("\r\n\r\n") + Credit + QStringLiteral("\r\n") + Credit_Carte);
}

void Main::Mnu_New_Indicatif_Click() {
    Sous_Programmes::Ouvre_Fenetre(station, [this] { return new Station(*this); });
}

void Main::Mnu_Carte_HB_Click() {
    Sous_Programmes::Ouvre_Fenetre(carte, [this] { return new Carte_Acti_TORV(*this); });
}

void Main::Rechercher_Click() {
    Sous_Programmes::Ouvre_Fenetre(recherche, [this] { return new Recherche_Indicatif(*this); });
}

void Main::Mnu_Liste_FR_Click() {
    Sous_Programmes::Ouvre_Fenetre(phares_francais, [this] { return new Phares_Francais(*this); });
}

void Main::Mnu_Restaurer_Click() {
    Sous_Programmes::Ouvre_Fenetre(restauration, [this] { return new Restauration(*this); });
}
