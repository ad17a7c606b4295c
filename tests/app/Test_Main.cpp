#include "app/Bouton.h"
#include "app/Couleurs.h"
#include "app/Main.h"
#include "app/Textes.h"
#include "app/Twips.h"
#include "log/Modele_Log.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

class Test_Main : public QObject {
    Q_OBJECT

private slots:
    void Premier_Lancement();
    void Log_Charge_Derniere_Ligne_Choisie();
    void Log_Absent_Liste_Vide();
    void Geometrie();
    void Libelles();
    void Historique();
    void Horloge_Affichee();
    void Choix_De_La_Date_data();
    void Choix_De_La_Date();
};

namespace {

const QByteArray QSO_1 = "F5ABC        29   JEAN            PB100414/07/06 10:05 SSB 14 Mhz  59  59  P. "
                         "Phare du Creac'h            *";
const QByteArray QSO_2 = "F6XYZ        56                   PB101215/07/06 11:00 CW  7.0 Mhz 599 579         "
                         "                        ";

// The texts a list offers, each after a '|'.
QString Choix_Offerts(const QComboBox* liste) {
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->itemText(i);
    return textes.join('|');
}

} // namespace

void Test_Main::Premier_Lancement() {
    Plateforme_Test t;
    Main main(t.plateforme);
    bool visible_au_message = true;
    t.messages.a_l_affichage = [&](const QString&) { visible_au_message = main.isVisible(); };
    main.Form_Load();

    QCOMPARE(t.messages.textes, QStringList{Textes::Premiere_Installation});
    QVERIFY(!visible_au_message);
    QVERIFY(main.isVisible());
    QCOMPARE(main.Modele_TORV->rowCount(), 0);
    QCOMPARE(Choix_Offerts(main.Bande_A),
             QStringLiteral("1.8 Mhz|3.5 Mhz|7.0 Mhz|10 Mhz|14 Mhz|18 Mhz|21 Mhz|24 Mhz|"
                            "28 Mhz|50 Mhz|144 Mhz|432 Mhz"));
    QCOMPARE(Choix_Offerts(main.Mode_A), QStringLiteral("SSB|CW|FM"));
    QCOMPARE(main.Bande_A->currentIndex(), 0);
    QCOMPARE(main.Mode_A->currentIndex(), 0);
    QVERIFY(main.Mnu_Date_Auto->isChecked());
    QVERIFY(!main.Mnu_Date_Man->isChecked());
    QCOMPARE(main.I_Station->text(), QStringLiteral("FXXXX"));
    QCOMPARE(main.windowTitle(), QStringLiteral("  KEZ_TORV    Revision  1.0.9"));
    QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
    QCOMPARE(t.Reglage("Setup ", "Chemin Repertoire"), QDir::toNativeSeparators(t.repertoire.Chemin()));
    QCOMPARE(t.Reglage("Setup FXXXX", "Revision"), QStringLiteral(" 1.0.9"));
    QVERIFY(main.Ind_A->isEnabled());
    QCOMPARE(Couleurs::Couleur(main.Ind_A), Couleurs::Vert_Saisie);
    QCOMPARE(main.focusWidget(), main.Ind_A);
    for (QWidget* champ : {static_cast<QWidget*>(main.Prenom_A), static_cast<QWidget*>(main.Date_A),
                           static_cast<QWidget*>(main.Mode_A), static_cast<QWidget*>(main.Bande_A)}) {
        QVERIFY(!champ->isEnabled());
        QCOMPARE(Couleurs::Couleur(champ), Couleurs::Jaune);
    }
    QVERIFY(!main.Valide_A->isEnabled());
    QCOMPARE(main.Ref_A->text(), QStringLiteral("PB"));
    QCOMPARE(main.RST_A->text(), QStringLiteral("59"));
    QCOMPARE(main.RSTE_A->text(), QStringLiteral("59"));
}

void Test_Main::Log_Charge_Derniere_Ligne_Choisie() {
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC_P");
    t.Ecrit_Fichier("F5ABC_P_TORV.log", QSO_1 + "\r\n" + QSO_2 + "\r\n" + QSO_1 + "\r\n");
    Main main(t.plateforme);
    main.Form_Load();
    QVERIFY(t.messages.textes.isEmpty());
    QCOMPARE(main.I_Station->text(), QStringLiteral("F5ABC_P"));
    QCOMPARE(main.Modele_TORV->rowCount(), 3);
    QCOMPARE(main.Liste_TORV->currentIndex().row(), 2);
    QCOMPARE(main.Modele_TORV->Ligne(1),
             QString("    2  F6XYZ         56   " + QString(15, ' ') +
                     " PB1012  15/07/06  11:00  CW   7.0 Mhz  599  579 " + QString(30, ' ') + "   "));
    QCOMPARE(main.session.Ligne_Selectionnee(), main.Modele_TORV->Ligne(2));
    QVERIFY(main.session.Ligne_Selectionnee().startsWith(QStringLiteral("    3  F5ABC  ")));
    QCOMPARE(t.Reglage("Setup F5ABC_P", "Revision"), QStringLiteral(" 1.0.9"));
}

void Test_Main::Log_Absent_Liste_Vide() {
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    Main main(t.plateforme);
    main.Form_Load();
    QVERIFY(t.messages.textes.isEmpty());
    QCOMPARE(main.Modele_TORV->rowCount(), 0);
    QCOMPARE(main.session.Ligne_Selectionnee(), QString());
    QVERIFY(!QFile::exists(t.Chemin("F5ABC_TORV.log")));
}

// Where the window's design has the controls, in twips; the window centred on its screen as shown.
void Test_Main::Geometrie() {
    Plateforme_Test t;
    Main main(t.plateforme);
    main.Form_Load();
    const QRect ecran = main.screen()->geometry();
    QCOMPARE(main.pos(), ecran.topLeft() + QPoint((ecran.width() - main.width()) / 2,
                                                  (ecran.height() - main.height()) / 2));
    const int dpi = main.logicalDpiY();
    QCOMPARE(main.centralWidget()->size(), QSize(Twips::Pixels(11550, dpi), Twips::Pixels(7575, dpi)));
    const std::pair<const char*, QRect> controles[]{
        {"Ind_A", {480, 1440, 1815, 405}},        {"Mode_A", {9960, 1440, 1095, 420}},
        {"Bande_A", {480, 2160, 1335, 420}},      {"Rem_A", {3720, 2160, 5295, 375}},
        {"Liste_TORV", {360, 3240, 9615, 4020}},  {"Valide_A", {10320, 2880, 1095, 495}},
        {"Rechercher", {10320, 6480, 1095, 495}}, {"Label5", {7440, 1200, 1455, 240}}};
    for (const auto& [nom, twips] : controles) {
        const QWidget* controle = main.findChild<QWidget*>(nom);
        QVERIFY2(controle, nom);
        QCOMPARE(controle->geometry(),
                 Twips::Rectangle(twips.x(), twips.y(), twips.width(), twips.height(), dpi));
    }
}

void Test_Main::Libelles() {
    Plateforme_Test t;
    Main main(t.plateforme);
    main.Form_Load();
    QCOMPARE(main.Label_Liste_TORV->text().size(), 145);
    QVERIFY(main.Label_Liste_TORV->text().startsWith(
        QStringLiteral("     N°   Indicatif           Dpt   Prenom")));
    QVERIFY(main.Label_Liste_TORV->text().endsWith(
        QStringLiteral("RSTE        Mom du Phare                 QSL")));
    QCOMPARE(main.Label2->text(), QStringLiteral("INDICATIF DE LA STATION  : "));
    QCOMPARE(main.Modi_Saisie->text(), QStringLiteral("Modifier un QS0"));
    QCOMPARE(main.Annule_Saisie->toolTip(),
             QStringLiteral("Permet d'annuler la saisie d'un Code Postal contacté"));
    QCOMPARE(main.Liste_TORV->toolTip(), QStringLiteral("Cliquez sur une ligne pour l'editer ou l'annuler"));
    QStringList menus;
    for (QAction* action : main.menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus.join('|'),
             QStringLiteral("Fichier|Date|Station|Imprimer|Enregistrer|Afficher|Carte|Liste|Score|Aide"));
    QStringList aide;
    for (QAction* action : main.Mnu_aide->actions())
        aide << action->text();
    QCOMPARE(aide.join('|'), QStringLiteral("Historique|Mode d'emploi|A propos"));
    QCOMPARE(main.Mnu_Imp_Contacte->text(), QStringLiteral("les Phares contactés"));
    QCOMPARE(main.Mnu_Enr_Contacte->text(), QStringLiteral("les Phares contactes"));
    // Every button caption is whole inside its button, in a smaller font where, and only where, it
    // must be.
    for (const Bouton* bouton : main.findChildren<Bouton*>()) {
        const QRect zone = bouton->Zone_Legende();
        const auto hauteur = [&](const QFont& police) {
            return QFontMetrics(police)
                .boundingRect(zone, Qt::AlignCenter | Qt::TextWordWrap, bouton->text())
                .height();
        };
        QVERIFY2(hauteur(bouton->Police_Legende()) <= zone.height(), qPrintable(bouton->text()));
        QCOMPARE(bouton->Police_Legende() == bouton->font(), hauteur(bouton->font()) <= zone.height());
    }
}

void Test_Main::Historique() {
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    Main main(t.plateforme);
    main.Form_Load();
    main.Mnu_Historique->trigger();
    QCOMPARE(t.messages.textes.size(), 1);
    const QStringList lignes = t.messages.textes[0].split("\r\n");
    QCOMPARE(lignes.size(), 11);
    QCOMPARE(lignes[0], QStringLiteral("V1.0.0   le 12/08/2006 creation"));
    QCOMPARE(lignes[5], QStringLiteral("V1.0.5   le 31/08/2006 Ajout Dpt et nom reference auto et Score "));
    QCOMPARE(lignes[9],
             QStringLiteral("V1.0.9   le 01/12/2014 Sauvegarde adif Utilisant <STATE>, <SIG> et <SIG_INFO>"));
    QCOMPARE(lignes[10], QString());
}

void Test_Main::Horloge_Affichee() {
    Plateforme_Test t;
    t.horloge.utc = QDateTime(QDate(2030, 1, 1), QTime(9, 5, 7), Qt::UTC);
    t.horloge.locale = QDateTime(QDate(2030, 1, 1), QTime(10, 5, 7));
    Main main(t.plateforme);
    QCOMPARE(main.Label37->text(), QString());
    main.Timer1_Timer();
    QCOMPARE(main.Label37->text(), QStringLiteral("09:05 Utc"));
    QCOMPARE(main.Label34->text(), QStringLiteral("10:05 Loc"));
    QCOMPARE(main.Label33->text(), QStringLiteral("01/01/30"));
    QCOMPARE(main.Timer1->interval(), 1000);
    QVERIFY(main.Timer1->isActive());
}

void Test_Main::Choix_De_La_Date_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::newRow("station choisie") << "F5ABC";
    QTest::newRow("premiere installation") << "FXXXX";
}

void Test_Main::Choix_De_La_Date() {
    QFETCH(QString, indicatif);
    Plateforme_Test t;
    if (indicatif != "FXXXX")
        t.Ecrit_Reglage("Setup ", "Indicatif Station", indicatif);
    Main main(t.plateforme);
    main.Form_Load();
    main.Mnu_Date_Man->trigger();
    QVERIFY(!main.Mnu_Date_Auto->isChecked());
    QVERIFY(main.Mnu_Date_Man->isChecked());
    QCOMPARE(t.Reglage("Setup " + indicatif, "Date Auto"), QStringLiteral("Non"));
    main.Mnu_Date_Auto->trigger();
    QVERIFY(main.Mnu_Date_Auto->isChecked());
    QVERIFY(!main.Mnu_Date_Man->isChecked());
    QCOMPARE(t.Reglage("Setup " + indicatif, "Date Auto"), QStringLiteral("Oui"));
    // A restart reads the choice back.
    main.Mnu_Date_Man->trigger();
    Main relance(t.plateforme);
    relance.Form_Load();
    QVERIFY(relance.Mnu_Date_Man->isChecked());
}

KEZ_TEST(Test_Main)

#include "Test_Main.moc"
