#include "app/Couleurs.h"
#include "app/Main.h"
#include "app/Station.h"
#include "log/Modele_Log.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

class Test_Station : public QObject {
    Q_OBJECT

private slots:
    void Refus_data();
    void Refus();
    void Nouvelle_Station();
    void Station_Existante();
};

namespace {

const QByteArray QSO = "F5ABC        29   JEAN            PB100414/07/06 10:05 SSB 14 Mhz  59  59  P. Phare "
                       "du Creac'h            *";

Station* Ouvre_Station(Main& main) {
    main.Mnu_New_Indicatif->trigger();
    return main.findChild<Station*>(QStringLiteral("Station"));
}

} // namespace

void Test_Station::Refus_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reste");
    const QString caracteres =
        QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");
    QTest::newRow("vide") << QString() << QStringLiteral("Vous devez entrer un indicatif") << "";
    QTest::newRow("13 caracteres") << "ABCDEFGHIJ123"
                                   << QStringLiteral("12 caracteres maximum pour l'indicatif")
                                   << "ABCDEFGHIJ123";
    QTest::newRow("tiret") << "F5-ABC" << caracteres << "";
    QTest::newRow("accent") << "F5ÉABC" << caracteres << "";
    QTest::newRow("eszett, pas SS") << "f5ß" << caracteres << "";
}

// The window stays open, the station as it was, also once the window is closed.
void Test_Station::Refus() {
    QFETCH(QString, texte);
    QFETCH(QString, message);
    QFETCH(QString, reste);
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F6OLD");
    t.Ecrit_Fichier("F6OLD_TORV.log", QSO + "\r\n");
    Main main(t.plateforme);
    main.Form_Load();
    Station* station = Ouvre_Station(main);
    QVERIFY(station);
    // Pasted: typing it gives the same text.
    station->New_Indicatif->setText(texte);
    station->Validation->click();
    QCOMPARE(t.messages.textes, QStringList{message});
    QCOMPARE(station->New_Indicatif->text(), reste);
    QVERIFY(station->isVisible());
    station->close();
    QCOMPARE(main.session.Indicatif_Station(), QStringLiteral("F6OLD"));
    QCOMPARE(main.Modele_TORV->rowCount(), 1);
    QCOMPARE(t.Reglage("Setup ", "Indicatif Station"), QStringLiteral("F6OLD"));
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files), QStringList{"F6OLD_TORV.log"});
}

void Test_Station::Nouvelle_Station() {
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F6OLD");
    t.Ecrit_Reglage("Setup F6OLD", "bande Utilisee", "4");
    t.Ecrit_Fichier("FXXXX.txt", QSO + "\r\n");
    Main main(t.plateforme);
    main.Form_Load();
    QCOMPARE(main.Bande_A->currentText(), QStringLiteral("14 Mhz"));
    Station* station = Ouvre_Station(main);
    QCOMPARE(Couleurs::Couleur(station->New_Indicatif), Couleurs::Vert_Saisie);
    QTest::keyClicks(station->New_Indicatif, "f5abc/p");
    QCOMPARE(station->New_Indicatif->text(), QStringLiteral("F5ABC_P"));
    QTest::keyClick(station->New_Indicatif, Qt::Key_Return);
    QCOMPARE(Couleurs::Couleur(station->New_Indicatif), Couleurs::Blanc);
    QCOMPARE(station->focusWidget(), station->Validation);
    QVERIFY(station->isVisible());
    QTest::keyClick(station->Validation, Qt::Key_Return);

    QVERIFY(t.messages.textes.isEmpty());
    QCOMPARE(t.Lit_Fichier("F5ABC_P_TORV.log"), QSO + "\r\n");
    QCOMPARE(t.Reglage("Setup ", "Indicatif Station"), QStringLiteral("F5ABC_P"));
    QCOMPARE(t.Reglage("Setup F5ABC_P", "bande Utilisee"), QStringLiteral("0"));
    QCOMPARE(t.Reglage("Setup F5ABC_P", "Mode Utilise"), QStringLiteral("0"));
    QCOMPARE(main.session.Indicatif_Station(), QStringLiteral("F5ABC_P"));
    QCOMPARE(main.I_Station->text(), QStringLiteral("F5ABC/P"));
    QCOMPARE(main.Bande_A->currentText(), QStringLiteral("1.8 Mhz"));
    QCOMPARE(main.Mode_A->currentText(), QStringLiteral("SSB"));
    QCOMPARE(main.Modele_TORV->rowCount(), 1);
    QTRY_VERIFY(!main.findChild<Station*>());
}

// Nothing chosen, loaded or typed in one station's log can reach another's.
void Test_Station::Station_Existante() {
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F6OLD");
    t.Ecrit_Reglage("Setup F5ABC", "bande Utilisee", "4");
    t.Ecrit_Reglage("Setup F5ABC", "Mode Utilise", "1");
    const QByteArray log = QSO + "\r\n" + QSO + "\n";
    t.Ecrit_Fichier("F5ABC_TORV.log", log);
    t.Ecrit_Fichier("F6OLD_TORV.log", QSO + "\r\n");
    Main main(t.plateforme);
    main.Form_Load();
    main.Modi_Saisie->click();
    QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Modification QSO"));
    Station* station = Ouvre_Station(main);
    QTest::keyClicks(station->New_Indicatif, "F5ABC");
    station->Validation->click();

    QCOMPARE(t.Reglage("Setup F5ABC", "bande Utilisee"), QStringLiteral("4"));
    QCOMPARE(main.Bande_A->currentText(), QStringLiteral("14 Mhz"));
    QCOMPARE(main.Mode_A->currentText(), QStringLiteral("CW"));
    QCOMPARE(main.Modele_TORV->rowCount(), 2);
    QCOMPARE(main.Liste_TORV->currentIndex().row(), -1);
    QCOMPARE(main.session.Ligne_Selectionnee(), QString());
    QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
    QVERIFY(!main.session.Mode_Modification() && !main.session.Mode_Insertion());
    QCOMPARE(main.Ind_A->text(), QString());
    QVERIFY(!main.Valide_A->isEnabled());
    main.Modi_Saisie->click();
    main.Annule_Saisie->click();
    QCOMPARE(t.messages.textes,
             QStringList({"Cliquez sur une ligne pour l'editer", "Cliquez sur une ligne pour l'effacerer"}));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), log);
    QCOMPARE(t.Lit_Fichier("F6OLD_TORV.log"), QSO + "\r\n");
}

KEZ_TEST(Test_Station)

#include "Test_Station.moc"
