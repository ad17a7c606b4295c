#include "log/Enregistrement.h"
#include "reports/Carte_Departements.h"
#include "support/Principal.h"

#include <QFile>
#include <QObject>
#include <QTest>

class Test_Carte_Departements : public QObject {
    Q_OBJECT

private slots:
    void Index_Case_data();
    void Index_Case();
    void Cases_Contactees_data();
    void Cases_Contactees();
    void Lit_Positions_data();
    void Lit_Positions();
    void Positions_Livrees();
};

using Lignes = QList<QByteArray>;
using Positions = QMap<int, QPoint>;

namespace {

QByteArray QSO(const QString& departement, const QString& bande = QStringLiteral("14 Mhz"),
               const QString& mode = QStringLiteral("SSB")) {
    return Enregistrement::Compose({"F5ABC", departement, "JEAN", "PB1004", "14/07/06", "10:05", mode, bande,
                                    "59", "59", "", "*"})
        .toLatin1();
}

QList<int> Indices(const Carte_Departements::Cases& cases) {
    QList<int> indices;
    for (int i = 0; i < Carte_Departements::Nombre_Cases; ++i) {
        if (cases.test(i))
            indices.append(i);
    }
    return indices;
}

} // namespace

void Test_Carte_Departements::Index_Case_data() {
    QTest::addColumn<QString>("departement");
    QTest::addColumn<int>("index"); // -1: no box
    const std::pair<const char*, int> cases[]{
        {"01", 1},  {"1", 1},    {"9", 9},    {"09", 9},    {"0009", 9}, {"00", 0},  {"0", 0},
        {"20", 20}, {"29", 29},  {"95", 95},  {"99", 99},   {"2A", 96},  {"2a", 96}, {"2B", 97},
        {"2b", 97}, {"100", -1}, {"971", -1}, {"0971", -1}, {"5X", -1},  {"2C", -1}, {"", -1},
        {"X", -1},  {"-1", -1},  {"+5", -1},  {"2 9", -1}};
    for (const auto& [departement, index] : cases)
        QTest::addRow("'%s'", departement) << QString(departement) << index;
    QTest::newRow("chiffre arabe-indien") << QString(QChar(0x0665)) << -1;
}

void Test_Carte_Departements::Index_Case() {
    QFETCH(QString, departement);
    QFETCH(int, index);
    const std::optional<int> trouve = Carte_Departements::Index_Case(departement);
    QCOMPARE(trouve.value_or(-1), index);
}

void Test_Carte_Departements::Cases_Contactees_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<QString>("bande");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QList<int>>("indices");
    const QString b14 = QStringLiteral("14 Mhz"), ssb = QStringLiteral("SSB");
    QTest::newRow("log vide") << Lignes{} << b14 << ssb << QList<int>{};
    QTest::newRow("deux QSO du 29, une case") << Lignes{QSO("29"), QSO("29")} << b14 << ssb << QList<int>{29};
    QTest::newRow("hors carte") << Lignes{QSO("971"), QSO("5X"), QSO(""), QSO("100"), QSO("2C")} << b14 << ssb
                                << QList<int>{};
    QTest::newRow("autre bande, autre mode")
        << Lignes{QSO("29", "7.0 Mhz"), QSO("22", b14, "CW"), QSO("56")} << b14 << ssb << QList<int>{56};
    QTest::newRow("bande et mode exacts")
        << Lignes{QSO("29", "14 MHz"), QSO("22", b14, "ssb")} << b14 << ssb << QList<int>{};
    QTest::newRow("FM demande") << Lignes{QSO("29", b14, "FM"), QSO("56")} << b14 << "FM" << QList<int>{29};
    QTest::newRow("bande tapee") << Lignes{QSO("29", "2m"), QSO("56")} << "2m" << ssb << QList<int>{29};
    // Blanks around the département in its four columns.
    QByteArray decale = QSO("");
    decale.replace(13, 4, " 35 ");
    QTest::newRow("blancs autour") << Lignes{decale} << b14 << ssb << QList<int>{35};
    QTest::newRow("lignes vides ou courtes")
        << Lignes{QByteArray(), QSO("29").left(20), QSO("22")} << b14 << ssb << QList<int>{22};
}

void Test_Carte_Departements::Cases_Contactees() {
    QFETCH(Lignes, log);
    QFETCH(QString, bande);
    QFETCH(QString, mode);
    QFETCH(QList<int>, indices);
    QCOMPARE(Indices(Carte_Departements::Cases_Contactees(log, bande, mode)), indices);
}

void Test_Carte_Departements::Lit_Positions_data() {
    QTest::addColumn<Lignes>("lignes");
    QTest::addColumn<Positions>("positions");
    QTest::newRow("vide") << Lignes{} << Positions{};
    QTest::newRow("deux cases") << Lignes{"1 5280 3960", "96 6240 7080"}
                                << Positions{{1, {5280, 3960}}, {96, {6240, 7080}}};
    QTest::newRow("blancs en trop") << Lignes{"  29   360 2160 "} << Positions{{29, {360, 2160}}};
    QTest::newRow("lignes illisibles ignorees")
        << Lignes{"", "5 10", "5 10 20 30", "x 1 2", "6 a 2", "100 1 2", "-1 1 2", "7 15 30"}
        << Positions{{7, {15, 30}}};
    QTest::newRow("la derniere l'emporte") << Lignes{"8 1 2", "8 3 4"} << Positions{{8, {3, 4}}};
}

void Test_Carte_Departements::Lit_Positions() {
    QFETCH(Lignes, lignes);
    QFETCH(Positions, positions);
    QCOMPARE(Carte_Departements::Lit_Positions(lignes), positions);
}

// The file shipped beside the program places every box of the map (where: see the window's test).
void Test_Carte_Departements::Positions_Livrees() {
    QFile fichier(QStringLiteral(KEZ_DONNEES "/Carte_Positions.txt"));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QByteArray octets = fichier.readAll();
    QVERIFY(octets.endsWith("\r\n"));
    const Lignes lignes = octets.chopped(1).split('\n');
    for (const QByteArray& ligne : lignes)
        QVERIFY2(ligne.endsWith('\r'), ligne.constData());
    const Positions positions = Carte_Departements::Lit_Positions(lignes);
    QCOMPARE(positions.size(), 96);
    for (int index = 0; index < Carte_Departements::Nombre_Cases; ++index)
        QCOMPARE(positions.contains(index), Carte_Departements::Case_Visible(index));
}

KEZ_TEST(Test_Carte_Departements)

#include "Test_Carte_Departements.moc"
