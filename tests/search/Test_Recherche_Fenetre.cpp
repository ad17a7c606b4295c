#include "app/Couleurs.h"
#include "app/Main.h"
#include "log/Enregistrement.h"
#include "log/Journal_Station.h"
#include "log/Modele_Log.h"
#include "search/Recherche_Indicatif.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

class Test_Recherche_Fenetre : public QObject {
    Q_OBJECT

private slots:
    void Ouverture();
    void Recherche_Au_Clavier_data();
    void Recherche_Au_Clavier();
    void Clics_Sur_Les_Options();
    void Liste_Lue_A_Chaque_Recherche();
    void Quitter_Et_Rouvrir();
};

namespace {

QString QSO(const char* indicatif, const char* departement, const char* date) {
    return Enregistrement::Compose(
        {indicatif, departement, "", "PB1004", date, "10:05", "SSB", "14 Mhz", "59", "59", "Phare", "*"});
}

const QStringList Log_Test{QSO("F5ABC", "29", "14/07/06"), QSO("F6XYZ", "56", "15/07/06"),
                           QSO("TM5F5X", "29", "14/07/06"), QSO("F8AAA", "5", "14/07/06"),
                           QSO("ON4F5", "2A", "16/07/06")};

// The main window of station F6KEZ with its log shown, and the search window opened from it.
struct Banc {
    explicit Banc(const QStringList& log) {
        t.Ecrit_Reglage("Setup ", "Indicatif Station", "F6KEZ");
        QByteArray octets;
        for (const QString& ligne : log)
            octets += ligne.toLatin1() + "\r\n";
        t.Ecrit_Fichier("F6KEZ_TORV.log", octets);
        main = std::make_unique<Main>(t.plateforme);
        main->Form_Load();
        Ouvre();
    }

    void Ouvre() {
        QTest::mouseClick(main->Rechercher, Qt::LeftButton);
        recherche = main->findChild<Recherche_Indicatif*>();
    }

    QLineEdit* Boite(const QString& nom) const { return recherche->findChild<QLineEdit*>(nom); }

    QStringList Textes_Des_Boites() const {
        return {recherche->Indica->text(), recherche->Data->text(), recherche->Depa->text()};
    }

    // The result lines expected for these QSO numbers of the main list.
    QStringList Resultats(const QList<int>& numeros) const {
        QStringList lignes;
        for (int numero : numeros)
            lignes << Recherche::Ligne_Resultat(main->Modele_TORV->Ligne(numero - 1));
        return lignes;
    }

    QStringList Lignes_Affichees() const {
        QStringList lignes;
        for (int i = 0; i < recherche->QSO_Effectues->count(); ++i)
            lignes << recherche->QSO_Effectues->item(i)->text();
        return lignes;
    }

    Plateforme_Test t;
    std::unique_ptr<Main> main;
    Recherche_Indicatif* recherche = nullptr;
};

} // namespace

void Test_Recherche_Fenetre::Ouverture() {
    Banc banc(Log_Test);
    Recherche_Indicatif* r = banc.recherche;
    QVERIFY(r);
    QVERIFY(r->isVisible());
    QCOMPARE(r->objectName(), QStringLiteral("Recherche_Indicatif"));
    QCOMPARE(r->windowTitle(), QStringLiteral("Rechercher un QSO"));
    QCOMPARE(r->Label3->text(), QStringLiteral("Rechercher un QSO par ..."));
    QCOMPARE(
        r->Label13->text(),
        QStringLiteral("   N°   Indicatif          Dpt      Date    N° TORV                Nom du Phare"));
    QCOMPARE(r->Label10->text(), QStringLiteral("QSL"));
    QCOMPARE(r->Command1->text(), QStringLiteral("Quitter"));
    const QStringList options{"Station", "Date", "Dpt"};
    for (int index = 1; index <= 3; ++index) {
        auto* option = r->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(index));
        QVERIFY(option);
        QCOMPARE(option->text(), options[index - 1]);
        QCOMPARE(option->isChecked(), index == 1);
    }
    for (const char* nom : {"Indica", "Data", "Depa"}) {
        QLineEdit* boite = banc.Boite(QLatin1String(nom));
        QVERIFY(boite);
        QCOMPARE(boite->text(), QString());
        QCOMPARE(Couleurs::Couleur(boite), QColor(255, 255, 192));
    }
    QCOMPARE(Couleurs::Couleur(r->QSO_Effectues), QColor(255, 255, 192));
    QCOMPARE(r->QSO_Effectues->toolTip(), QStringLiteral("Cliquez sur le QSO pour le selectionner"));
    QCOMPARE(r->QSO_Effectues->count(), 0);
    QCOMPARE(r->QSO_Effectues->font(), banc.main->Liste_TORV->font());
    QTRY_COMPARE(QApplication::focusWidget(), r->Indica);
    QVERIFY(banc.t.messages.textes.isEmpty());
}

void Test_Recherche_Fenetre::Recherche_Au_Clavier_data() {
    QTest::addColumn<QStringList>("avant"); // Indica, Data, Depa before typing
    QTest::addColumn<int>("option");        // option button clicked first, 0 for none
    QTest::addColumn<QString>("boite");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QList<int>>("trouves");
    QTest::addColumn<QStringList>("apres");
    QTest::addColumn<bool>("log_vide");
    const QStringList vides{"", "", ""};
    const auto ligne = [&vides](const char* nom, int option, const char* boite, const char* tape,
                                const QStringList& messages, const QList<int>& trouves,
                                const QStringList& apres = {}, const QStringList& avant = {},
                                bool log_vide = false) {
        QTest::newRow(nom) << (avant.isEmpty() ? vides : avant) << option << QString(boite) << QString(tape)
                           << messages << trouves << (apres.isEmpty() ? vides : apres) << log_vide;
    };
    // Each check is met in full in Test_Recherche: these show what the window does with its outcome.
    const QString aucun = QStringLiteral("Pas de QSO trouvé"),
                  format = "Le format de la date doit etre JJ/MM/AA";
    ligne("f5 en minuscules", 0, "Indica", "f5", {}, {1, 3, 5});
    ligne("indicatif de 13", 1, "Indica", "F5ABCDEFGHIJK", {"12 caracteres maxi pour l'indicatif", aucun},
          {});
    ligne("indicatif vide", 1, "Indica", "", {"Entrez un indicatif"}, {});
    ligne("date", 2, "Data", "14/07/06", {}, {1, 3, 4});
    ligne("14/7/06", 2, "Data", "14/7/06", {format}, {}, {"", "14/7/06", ""});
    ligne("14/07/2006", 2, "Data", "14/07/2006", {"8 caracteres maxi pour la Date"}, {},
          {"", "14/07/2006", ""});
    ligne("date sans majuscules", 2, "Data", "ab", {format}, {}, {"", "ab", ""});
    ligne("departement 2a", 3, "Depa", "2a", {}, {5});
    ligne("departement 5", 3, "Depa", "5", {aucun}, {});
    ligne("departement de 3", 3, "Depa", "29x", {"2 caracteres maxi pour le Canton"}, {}, {"", "", "29X"});
    ligne("departement vide", 3, "Depa", "", {"Entrez un Canton"}, {});
    // Enter in another box than the selected option's runs the selected option's search.
    ligne("Station choisie, Entree dans Data", 0, "Data", "14/07/06", {}, {2}, {}, {"F6", "", "29"});
    ligne("Station choisie vide, Entree dans Data", 0, "Data", "14/07/06", {"Entrez un indicatif"}, {},
          {"", "14/07/06", "29"}, {"", "", "29"});
    ligne("Date choisie vide, Entree dans Depa", 2, "Depa", "29", {"Entrez une date"}, {}, {"F5", "", "29"},
          {"F5", "", ""});
    ligne("Dpt choisi vide, Entree dans Indica", 3, "Indica", "F5", {"Entrez un departement"}, {},
          {"F5", "14/07/06", ""}, {"", "14/07/06", ""});
    // Without a line to look at, the empty criterion is never noticed.
    ligne("log vide", 1, "Indica", "F5", {aucun}, {}, {}, {}, true);
    ligne("log vide, Station choisie vide", 0, "Data", "14/07/06", {aucun}, {}, {}, {}, true);
    ligne("log vide, Dpt choisi vide", 3, "Indica", "F5", {aucun}, {}, {}, {}, true);
}

void Test_Recherche_Fenetre::Recherche_Au_Clavier() {
    QFETCH(QStringList, avant);
    QFETCH(int, option);
    QFETCH(QString, boite);
    QFETCH(QString, tape);
    QFETCH(QStringList, messages);
    QFETCH(QList<int>, trouves);
    QFETCH(QStringList, apres);
    QFETCH(bool, log_vide);
    Banc banc(log_vide ? QStringList() : Log_Test);
    Recherche_Indicatif* r = banc.recherche;
    r->Indica->setText(avant[0]);
    r->Data->setText(avant[1]);
    r->Depa->setText(avant[2]);
    if (option > 0)
        QTest::mouseClick(r->Option1[option - 1], Qt::LeftButton);
    QLineEdit* cible = banc.Boite(boite);
    QTest::keyClicks(cible, tape);
    QTest::keyClick(cible, Qt::Key_Return);
    QCOMPARE(banc.t.messages.textes, messages);
    QCOMPARE(banc.Lignes_Affichees(), banc.Resultats(trouves));
    QCOMPARE(banc.Textes_Des_Boites(), apres);
}

void Test_Recherche_Fenetre::Clics_Sur_Les_Options() {
    Banc banc(Log_Test);
    Recherche_Indicatif* r = banc.recherche;
    QTest::mouseClick(r->Option1[2], Qt::LeftButton);
    QVERIFY(r->Option1[2]->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), r->Depa);
    QTest::mouseClick(r->Data, Qt::LeftButton);
    QVERIFY(r->Option1[1]->isChecked());
    QVERIFY(!r->Option1[2]->isChecked());
    QTest::mouseClick(r->Indica, Qt::LeftButton);
    QVERIFY(r->Option1[0]->isChecked());
    // Typing alone, without a click, leaves the option as it is.
    QTest::keyClicks(r->Depa, "29");
    QVERIFY(r->Option1[0]->isChecked());
    QTest::mouseClick(r->Option1[1], Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), r->Data);
    // A result line only highlights when clicked.
    QTest::keyClicks(r->Data, "14/07/06");
    QTest::keyClick(r->Data, Qt::Key_Return);
    QCOMPARE(r->QSO_Effectues->count(), 3);
    r->QSO_Effectues->setCurrentRow(1);
    QCOMPARE(r->QSO_Effectues->count(), 3);
    QCOMPARE(banc.main->Liste_TORV->currentIndex().row(), 4);
    QVERIFY(banc.t.messages.textes.isEmpty());
}

void Test_Recherche_Fenetre::Liste_Lue_A_Chaque_Recherche() {
    Banc banc(Log_Test);
    QVERIFY(banc.main->journal.Ajout_Fin_Log(QSO("F5ZZZ", "29", "17/07/06")));
    QTest::keyClicks(banc.recherche->Indica, "F5Z");
    QTest::keyClick(banc.recherche->Indica, Qt::Key_Return);
    QCOMPARE(banc.Lignes_Affichees(), banc.Resultats({6}));
    QVERIFY(banc.Lignes_Affichees()[0].startsWith(QStringLiteral("    6  F5ZZZ  ")));
}

void Test_Recherche_Fenetre::Quitter_Et_Rouvrir() {
    Banc banc(Log_Test);
    QPointer<Recherche_Indicatif> premiere = banc.recherche;
    QTest::keyClicks(premiere->Indica, "F6");
    QTest::keyClick(premiere->Indica, Qt::Key_Return);
    QTest::mouseClick(premiere->Option1[2], Qt::LeftButton);
    premiere->Depa->setText(QStringLiteral("29"));
    banc.Ouvre();
    QCOMPARE(banc.recherche, premiere.data());
    QCOMPARE(banc.main->findChildren<Recherche_Indicatif*>().size(), 1);
    QCOMPARE(premiere->QSO_Effectues->count(), 1);
    QTest::mouseClick(premiere->Command1, Qt::LeftButton);
    QTRY_VERIFY(!premiere);
    banc.Ouvre();
    QVERIFY(banc.recherche);
    QCOMPARE(banc.recherche->QSO_Effectues->count(), 0);
    QCOMPARE(banc.Textes_Des_Boites(), (QStringList{"", "", ""}));
    QVERIFY(banc.recherche->Option1[0]->isChecked());
}

KEZ_TEST(Test_Recherche_Fenetre)

#include "Test_Recherche_Fenetre.moc"
