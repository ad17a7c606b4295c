#include "app/Couleurs.h"
#include "app/Main.h"
#include "log/Enregistrement.h"
#include "reports/Carte_Acti_TORV.h"
#include "reports/Carte_Departements.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

class Test_Carte_Departements : public QObject {
    Q_OBJECT

private slots:
    void Cases();
    void Positions();
    void Ouverture_data();
    void Ouverture();
    void Afficher();
};

namespace {

const QString Image = QStringLiteral("Carte_France.jpg");
const QString Places = QStringLiteral("Carte_Positions.txt");
const QString Log = QStringLiteral("F6KEZ_TORV.log");

QByteArray QSO(const char* departement, const char* bande = "14 Mhz", const char* mode = "SSB") {
    return Enregistrement::Compose(
               {"F5ABC", departement, "", "PB1004", "14/07/06", "10:05", mode, bande, "59", "59", "", " "})
        .toLatin1();
}

QByteArray Donnees(const QString& nom) {
    QFile fichier(QStringLiteral(KEZ_DONNEES "/") + nom);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

// The main window of station F6KEZ, its log, band and mode positions, and the map's files beside it.
struct Banc {
    Banc(const QList<QByteArray>& log, const QString& reglages) {
        t.Ecrit_Reglage("Setup ", "Indicatif Station", "F6KEZ");
        t.Ecrit_Reglage("Setup F6KEZ", "bande Utilisee", reglages.section(' ', 0, 0));
        t.Ecrit_Reglage("Setup F6KEZ", "Mode Utilise", reglages.section(' ', 1, 1));
        t.Ecrit_Fichier(Log, log.join("\r\n") + "\r\n");
        for (const QString& nom : {Image, Places})
            t.Ecrit_Fichier(nom, Donnees(nom));
    }

    Carte_Acti_TORV* Ouvre() {
        main = std::make_unique<Main>(t.plateforme);
        main->Form_Load();
        main->Mnu_Carte_HB->trigger();
        carte = main->findChild<Carte_Acti_TORV*>("Carte_Acti_TORV");
        return carte;
    }

    // Band and mode drawn: green boxes = the count shown, and what is missing.
    QString Vue() const {
        QStringList vertes;
        for (int i = 0; i < Carte_Departements::Nombre_Cases; ++i) {
            if (Couleurs::Couleur(carte->Dep[i]) == Couleurs::Vert_Carte)
                vertes << QString::number(i);
        }
        return carte->Bande_Carte->text() + ' ' + carte->Mode_AX->currentText() + ": " + vertes.join(' ') +
               " = " + carte->NB_Dep->text() + (carte->Picture1->pixmap().isNull() ? ", sans image" : "") +
               (carte->Dep[29]->isVisible() ? "" : ", 29 cachee");
    }

    Plateforme_Test t;
    std::unique_ptr<Main> main;
    Carte_Acti_TORV* carte = nullptr;
};

} // namespace

// The box of a département as logged (-1: none); a box's text, shown (+) or not a département (-).
void Test_Carte_Departements::Cases() {
    using namespace Carte_Departements;
    QString vu;
    for (const char* departement : {"01", "1", "0009", "00", "0", "29", "99", "2a", "2B", "100", "0971", "5X",
                                    "2C", "", "-1", "+5", "2 9", "\u0665"})
        vu += QStringLiteral("%1=%2 ").arg(departement).arg(Index_Case(departement).value_or(-1));
    for (const int index : {0, 1, 20, 29, 95, 96, 97, 98, 99, 100})
        vu += Texte_Case(index) + (Case_Visible(index) ? "+ " : "- ");
    QCOMPARE(vu,
             "01=1 1=1 0009=9 00=0 0=0 29=29 99=99 2a=96 2B=97 100=-1 0971=-1 5X=-1 2C=-1 =-1 -1=-1 +5=-1 "
             "2 9=-1 \u0665=-1 00- 01+ X- 29+ 95+ 2a+ 2b+ X- X- X- ");
}

// Unreadable lines passed over, the last of an index wins; the shipped file places every box shown.
void Test_Carte_Departements::Positions() {
    QCOMPARE(Carte_Departements::Lit_Positions({"0 1 2", "  29   360 2160 ", "99 6240 7080", "8 1 2", "8 3 4",
                                                "", "5 10", "5 10 20 30", "x 1 2", "6 a 2", "7 1 b",
                                                "100 1 2", "-1 1 2"}),
             (QMap<int, QPoint>{{0, {1, 2}}, {8, {3, 4}}, {29, {360, 2160}}, {99, {6240, 7080}}}));
    const QByteArray octets = Donnees(Places);
    QVERIFY(octets.endsWith("\r\n") && octets.count("\r\n") == octets.count('\n'));
    const QMap<int, QPoint> positions = Carte_Departements::Lit_Positions(octets.split('\n'));
    for (int index = 0; index < Carte_Departements::Nombre_Cases; ++index)
        QCOMPARE(positions.contains(index), Carte_Departements::Case_Visible(index));
}

// Opened on the main window's band and mode (exactly), FM typed in; box 0 coloured, not counted.
void Test_Carte_Departements::Ouverture_data() {
    // Band and mode stored; file missing or damaged (the log, once the map is open); map drawn; message.
    QTest::addColumn<QStringList>("cas");
    const QString s = QStringLiteral("14 Mhz SSB: 0 20 29 96 97 = 4");
    QTest::newRow("14 Mhz SSB") << QStringList{"4 0", "", s, ""};
    QTest::newRow("FM tape") << QStringList{"4 2", "", "14 Mhz FM: 35 = 1", ""};
    QTest::newRow("sans bande") << QStringList{"-1 0", "", "    Mhz SSB:  = 0", "Selectionnez une bande"};
    QTest::newRow("sans image") << QStringList{"4 0", Image, s + ", sans image", Image + " : fichier absent"};
    QTest::newRow("sans positions") << QStringList{"4 0", Places, s + ", 29 cachee",
                                                   Places + " : fichier absent"};
    QTest::newRow("image abimee") << QStringList{"4 0", "abimee", s + ", sans image",
                                                 Image + " : Unable to read image data"};
    QTest::newRow("log illisible") << QStringList{"4 0", Log, "14 Mhz SSB:  = 0",
                                                  Log + " : file to open is a directory"};
}

void Test_Carte_Departements::Ouverture() {
    QFETCH(QStringList, cas);
    Banc banc({QSO("29"), QSO("2A"), QSO("2b"), QSO("00"), QSO("20"), QSO("22", "14 Mhz", "CW"),
               QSO("23", "14 MHz"), QSO("24", "14 Mhz", "ssb"), QSO("35", "14 Mhz", "FM"), QSO("971"),
               QSO("5X"), "", QSO("44").left(20)},
              cas[0]);
    QFile::remove(banc.t.Chemin(cas[1]));
    if (cas[1] == "abimee")
        banc.t.Ecrit_Fichier(Image, QByteArrayLiteral("\xFF\xD8\xFF\xE0 pas une image"));
    Carte_Acti_TORV* carte = banc.Ouvre();
    QVERIFY(carte && carte->isVisible());
    if (cas[1] == Log && QDir(banc.t.repertoire.Chemin()).mkdir(Log))
        carte->Afficher_Click();
    QCOMPARE(banc.Vue(), cas[2]);
    if (cas[3].contains(" : "))
        cas[3] = "Impossible de lire le fichier " + QDir::toNativeSeparators(banc.t.Chemin(cas[3]));
    QCOMPARE(banc.t.messages.textes, cas[3].isEmpty() ? QStringList() : QStringList{cas[3]});
}

// A band, mode or QSO shows once the map is drawn again; boxes stand where the positions file puts them.
void Test_Carte_Departements::Afficher() {
    Banc banc({QSO("29"), QSO("56"), QSO("22", "7.0 Mhz")}, "4 0");
    Carte_Acti_TORV* carte = banc.Ouvre();
    carte->Bande_A->setCurrentIndex(2);
    carte->Mode_AX->setCurrentIndex(1);
    banc.t.Ecrit_Fichier(Log, QSO("29") + "\r\n" + QSO("35", "7.0 Mhz", "CW") + "\r\n");
    QCOMPARE(banc.Vue(), QStringLiteral("14 Mhz CW: 29 56 = 2"));
    QTest::mouseClick(carte->Afficher, Qt::LeftButton);
    QCOMPARE(banc.Vue(), QStringLiteral("7.0 Mhz CW: 35 = 1"));
    QCOMPARE(carte->Dep[29]->geometry(), QRect(24, 144, 25, 20));
    for (int index : {0, 20, 98, 99})
        QVERIFY(!carte->Dep[index]->isVisible());
}

KEZ_TEST(Test_Carte_Departements)

#include "Test_Carte_Departements.moc"
