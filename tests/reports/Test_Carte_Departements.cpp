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
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QTest>
#include <memory>

class Test_Carte_Departements : public QObject {
    Q_OBJECT

private slots:
    void Cases();
    void Cases_Contactees();
    void Lit_Positions();
    void Positions_Livrees();
    void Ouverture_data();
    void Ouverture();
    void Afficher();
};

using Lignes = QList<QByteArray>;
using Positions = QMap<int, QPoint>;

namespace {

const QString Image = QStringLiteral("Carte_France.jpg");
const QString Positions_Cases = QStringLiteral("Carte_Positions.txt");
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

QList<int> Indices(const Carte_Departements::Cases& cases) {
    QList<int> indices;
    for (int i = 0; i < Carte_Departements::Nombre_Cases; ++i) {
        if (cases.test(i))
            indices.append(i);
    }
    return indices;
}

// The main window of station F6KEZ with its log, the band and mode positions it stored, and the
// map's files beside it.
struct Banc {
    Banc(const Lignes& log, const QString& reglages) {
        t.Ecrit_Reglage("Setup ", "Indicatif Station", "F6KEZ");
        t.Ecrit_Reglage("Setup F6KEZ", "bande Utilisee", reglages.section(' ', 0, 0));
        t.Ecrit_Reglage("Setup F6KEZ", "Mode Utilise", reglages.section(' ', 1, 1));
        t.Ecrit_Fichier(Log, log.join("\r\n") + "\r\n");
        for (const QString& nom : {Image, Positions_Cases})
            t.Ecrit_Fichier(nom, Donnees(nom));
    }

    Carte_Acti_TORV* Ouvre() {
        main = std::make_unique<Main>(t.plateforme);
        main->Form_Load();
        main->Mnu_Carte_HB->trigger();
        carte = main->findChild<Carte_Acti_TORV*>("Carte_Acti_TORV");
        return carte;
    }

    // Band and mode drawn, green boxes (any other not at the window's background marked "?") = the
    // count shown; then what is missing.
    QString Vue() const {
        QStringList vertes;
        for (int i = 0; i < Carte_Departements::Nombre_Cases; ++i) {
            const QColor couleur = Couleurs::Couleur(carte->Dep[i]);
            if (couleur == Couleurs::Vert_Carte || couleur != carte->palette().color(QPalette::Base))
                vertes << (couleur == Couleurs::Vert_Carte ? "" : "?") + QString::number(i);
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

// The box of a département as the log holds it (-1: none); the text of a box, and whether it is
// shown (+) or stands for no département (-).
void Test_Carte_Departements::Cases() {
    QString boites;
    for (const char* departement : {"01", "1",   "0009", "00", "0",  "29", "99", "2A", "2a",  "2B",
                                    "2b", "100", "0971", "5X", "2C", "",   "-1", "+5", "2 9", "\u0665"})
        boites += QStringLiteral("%1=%2 ")
                      .arg(departement)
                      .arg(Carte_Departements::Index_Case(departement).value_or(-1));
    QCOMPARE(boites, "01=1 1=1 0009=9 00=0 0=0 29=29 99=99 2A=96 2a=96 2B=97 2b=97 100=-1 0971=-1 5X=-1 "
                     "2C=-1 =-1 -1=-1 +5=-1 2 9=-1 \u0665=-1 ");
    QString textes;
    for (const int index : {0, 1, 20, 29, 95, 96, 97, 98, 99, 100})
        textes +=
            Carte_Departements::Texte_Case(index) + (Carte_Departements::Case_Visible(index) ? "+ " : "- ");
    QCOMPARE(textes, QStringLiteral("00- 01+ X- 29+ 95+ 2a+ 2b+ X- X- X- "));
}

// Band and mode compared exactly; départements off the map, empty and short lines passed over.
void Test_Carte_Departements::Cases_Contactees() {
    QByteArray decale = QSO("");
    decale.replace(13, 4, " 35 ");
    const Lignes log{QSO("29"),
                     QSO("29"),
                     QSO("22", "7.0 Mhz"),
                     QSO("23", "14 Mhz", "CW"),
                     QSO("24", "14 MHz"),
                     QSO("25", "14 Mhz", "ssb"),
                     QSO("971"),
                     QSO("5X"),
                     QSO("2C"),
                     QByteArray(),
                     QSO("44").left(20),
                     decale,
                     QSO("2a"),
                     QSO("56", "2m", "FM")};
    QCOMPARE(Indices(Carte_Departements::Cases_Contactees(log, "14 Mhz", "SSB")), (QList<int>{29, 35, 96}));
    QCOMPARE(Indices(Carte_Departements::Cases_Contactees(log, "2m", "FM")), QList<int>{56});
}

// "INDEX LEFT TOP"; unreadable lines passed over, the last of an index wins.
void Test_Carte_Departements::Lit_Positions() {
    QCOMPARE(Carte_Departements::Lit_Positions({"0 1 2", "  29   360 2160 ", "99 6240 7080", "8 1 2", "8 3 4",
                                                "", "5 10", "5 10 20 30", "x 1 2", "6 a 2", "7 1 b",
                                                "100 1 2", "-1 1 2"}),
             (Positions{{0, {1, 2}}, {8, {3, 4}}, {29, {360, 2160}}, {99, {6240, 7080}}}));
}

// The file shipped beside the program places every box shown, in CR LF lines.
void Test_Carte_Departements::Positions_Livrees() {
    const QByteArray octets = Donnees(Positions_Cases);
    QVERIFY(octets.endsWith("\r\n") && octets.count("\r\n") == octets.count('\n'));
    const Positions positions = Carte_Departements::Lit_Positions(octets.split('\n'));
    QCOMPARE(positions.size(), 96);
    for (int index = 0; index < Carte_Departements::Nombre_Cases; ++index)
        QCOMPARE(positions.contains(index), Carte_Departements::Case_Visible(index));
}

// The map opens on the band and mode of the main window, FM (which its list lacks) typed in; box 0
// is coloured but not counted. Without a band the operator is asked for one. A file the map cannot
// read is named to him, and the map still opens, counts and colours.
void Test_Carte_Departements::Ouverture_data() {
    QTest::addColumn<QString>("reglages"); // band and mode positions
    QTest::addColumn<QString>("abime");    // the file missing or damaged
    QTest::addColumn<QString>("vue");
    QTest::addColumn<QString>("message");
    const QString ssb = QStringLiteral("14 Mhz SSB: 0 20 29 96 97 = 4");
    QTest::newRow("14 Mhz SSB") << "4 0"
                                << "" << ssb << "";
    QTest::newRow("FM tape") << "4 2"
                             << ""
                             << "14 Mhz FM: 35 = 1"
                             << "";
    QTest::newRow("sans bande") << "-1 0"
                                << ""
                                << "    Mhz SSB:  = 0"
                                << "Selectionnez une bande";
    QTest::newRow("image absente") << "4 0" << Image << ssb + ", sans image" << Image + " : fichier absent";
    QTest::newRow("positions absentes")
        << "4 0" << Positions_Cases << ssb + ", 29 cachee" << Positions_Cases + " : fichier absent";
    QTest::newRow("image abimee") << "4 0"
                                  << "image abimee" << ssb + ", sans image"
                                  << Image + " : Unable to read image data";
    QTest::newRow("log illisible") << "4 0" << Log << "14 Mhz SSB:  = 0"
                                   << Log + " : file to open is a directory";
}

void Test_Carte_Departements::Ouverture() {
    QFETCH(QString, reglages);
    QFETCH(QString, abime);
    QFETCH(QString, vue);
    QFETCH(QString, message);
    Banc banc({QSO("29"), QSO("2A"), QSO("2b"), QSO("00"), QSO("20"), QSO("22", "14 Mhz", "CW"),
               QSO("35", "14 Mhz", "FM")},
              reglages);
    QFile::remove(banc.t.Chemin(abime));
    if (abime == "image abimee")
        banc.t.Ecrit_Fichier(Image, QByteArrayLiteral("\xFF\xD8\xFF\xE0 pas une image"));
    Carte_Acti_TORV* carte = banc.Ouvre();
    QVERIFY(carte && carte->isVisible());
    QCOMPARE(carte->windowTitle(), QStringLiteral("Carte des départements contactés"));
    if (abime == Log) {
        QVERIFY(QDir(banc.t.repertoire.Chemin()).mkdir(Log));
        carte->Afficher_Click();
    }
    QCOMPARE(banc.Vue(), vue);
    if (message.contains(" : "))
        message = "Impossible de lire le fichier " + QDir::toNativeSeparators(banc.t.Chemin(message));
    QCOMPARE(banc.t.messages.textes, message.isEmpty() ? QStringList() : QStringList{message});
}

// A band or mode chosen, or a QSO logged, shows once the map is drawn again; the boxes stand where the
// positions file puts them, those of no département hidden.
void Test_Carte_Departements::Afficher() {
    Banc banc({QSO("29"), QSO("56"), QSO("22", "7.0 Mhz")}, "4 0");
    Carte_Acti_TORV* carte = banc.Ouvre();
    carte->Bande_A->setCurrentIndex(2);
    carte->Mode_AX->setCurrentIndex(1);
    banc.t.Ecrit_Fichier(Log, QSO("29") + "\r\n" + QSO("35", "7.0 Mhz", "CW") + "\r\n");
    QCOMPARE(banc.Vue(), QStringLiteral("14 Mhz CW: 29 56 = 2"));
    QTest::mouseClick(carte->Afficher, Qt::LeftButton);
    QCOMPARE(banc.Vue(), QStringLiteral("7.0 Mhz CW: 35 = 1"));
    carte->Bande_A->setEditText(QString());
    carte->Afficher_Click();
    QCOMPARE(banc.Vue(), QStringLiteral("7.0 Mhz CW: 35 = 1"));
    QCOMPARE(banc.t.messages.textes, QStringList{"Selectionnez une bande"});
    QCOMPARE(carte->Dep[29]->geometry(), QRect(24, 144, 25, 20));
    QCOMPARE(carte->Dep[96]->geometry(), QRect(416, 472, 25, 20));
    for (int index : {0, 20, 98, 99})
        QVERIFY(!carte->Dep[index]->isVisible());
}

KEZ_TEST(Test_Carte_Departements)

#include "Test_Carte_Departements.moc"
