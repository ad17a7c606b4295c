#include "Outils_Rapports.h"
#include "app/Main.h"
#include "reports/Adif.h"
#include "support/Principal.h"

#include <QAction>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <iterator>

class Test_Adif : public QObject {
    Q_OBJECT

private slots:
    void ADIF_SP_data();
    void ADIF_SP();
    void Champs_data();
    void Champs();
    void Export_data();
    void Export();
    void Lecteur_Independant();
};

using namespace Outils_Rapports;

namespace {

const QString Exemple_ADIF = QStringLiteral(
    "<call:5>F5XYZ<STATE:2>29<name:4>JEAN<SIG:6>PB1004<qso_date:8>20140714<time_on:4>0935"
    "<mode:3>SSB<band:3>20m<rst_rcvd:2>59<rst_sent:2>57<SIG_INFO:9>P. Ar-Men<QSL_RCVD:1>Y<eor>");

} // namespace

void Test_Adif::ADIF_SP_data() {
    QTest::addColumn<QByteArray>("ligne");
    QTest::addColumn<QString>("adif");
    QTest::newRow("exemple") << Exemple << Exemple_ADIF;
    QTest::newRow("sans prenom ni nom de phare")
        << QSO("F6XYZ", "PB12", "02/01/15", "", " ")
        << "<call:5>F6XYZ<STATE:2>29<name:0><SIG:4>PB12<qso_date:8>20150102<time_on:4>1005<mode:3>SSB"
           "<band:3>20m<rst_rcvd:2>59<rst_sent:2>57<SIG_INFO:0><QSL_RCVD:1>N<eor>";
    // Only ASCII 32 to 126 is written, and each length is that of the text written: a letter loses
    // its accent, Œ and ß become two letters.
    QTest::newRow("accents otes")
        << QSO("F6XYZ", "PB1", "02/01/15", QStringLiteral("P. Île Vierge"), " ", "7.0 Mhz",
               QStringLiteral("JÉRÔME"))
        << "<call:5>F6XYZ<STATE:2>29<name:6>JEROME<SIG:3>PB1<qso_date:8>20150102<time_on:4>1005"
           "<mode:3>SSB<band:3>40m<rst_rcvd:2>59<rst_sent:2>57<SIG_INFO:13>P. Ile Vierge<QSL_RCVD:1>N<eor>";
    QTest::newRow("lettres en deux")
        << QSO("F6XYZ", "PB1", "02/01/15", QStringLiteral("P. Cœur æ Þorn"), " ", "7.0 Mhz",
               QStringLiteral("GRÜß ŒDIPE"))
        << "<call:5>F6XYZ<STATE:2>29<name:12>GRUSS OEDIPE<SIG:3>PB1<qso_date:8>20150102<time_on:4>1005"
           "<mode:3>SSB<band:3>40m<rst_rcvd:2>59<rst_sent:2>57<SIG_INFO:17>P. Coeur ae "
           "THorn<QSL_RCVD:1>N<eor>";
    // A no-break space is a space; signs, control bytes and bytes Windows-1252 leaves undefined are
    // left out, and a field starts and ends with what is written.
    QTest::newRow("espace insecable, signes et octets hors ASCII")
        << QSO("F6XYZ", "PB1", "02/01/15",
               Fichier_Texte::Decode("P. \xAB"
                                     "Ar-Men\xBB 45\xB0\x01\x7F"),
               " ", "7.0 Mhz", Fichier_Texte::Decode("\xA0\x80JEAN\xA0\x81LUC\xB0\xA0"))
        << "<call:5>F6XYZ<STATE:2>29<name:8>JEAN LUC<SIG:3>PB1<qso_date:8>20150102<time_on:4>1005<mode:3>SSB"
           "<band:3>40m<rst_rcvd:2>59<rst_sent:2>57<SIG_INFO:12>P. Ar-Men 45<QSL_RCVD:1>N<eor>";
    QTest::newRow("departement de quatre caracteres: les deux premiers")
        << QByteArray("F5XYZ        9712 JEAN            PB100414/07/14 09:35 SSB 14 Mhz  59  57  "
                      "P. Ar-Men                      *")
        << QString(Exemple_ADIF).replace("<STATE:2>29", "<STATE:2>97");
    QTest::newRow("departement d'un chiffre")
        << QByteArray("F5XYZ        9                    PB1   01/02/03 04:05 CW  1.8 Mhz 599 599      "
                      "                          *")
        << "<call:5>F5XYZ<STATE:1>9<name:0><SIG:3>PB1<qso_date:8>20030201<time_on:4>0405<mode:2>CW"
           "<band:4>160m<rst_rcvd:3>599<rst_sent:3>599<SIG_INFO:0><QSL_RCVD:1>Y<eor>";
    QTest::newRow("ligne vide") << QByteArray()
                                << "<call:0><STATE:0><name:0><SIG:0><qso_date:2>20<time_on:0><mode:0><band:0>"
                                   "<rst_rcvd:0><rst_sent:0><SIG_INFO:0><QSL_RCVD:1>N<eor>";
    QTest::newRow("ligne courte") << QByteArray("F5XYZ        29   JEAN            PB100414/07")
                                  << "<call:5>F5XYZ<STATE:2>29<name:4>JEAN<SIG:6>PB1004<qso_date:8>20070714"
                                     "<time_on:0><mode:0><band:0><rst_rcvd:0><rst_sent:0><SIG_INFO:0>"
                                     "<QSL_RCVD:1>N<eor>";
}

void Test_Adif::ADIF_SP() {
    QFETCH(QByteArray, ligne);
    QFETCH(QString, adif);
    QCOMPARE(Adif::ADIF_SP(Fichier_Texte::Decode(ligne)), adif);
}

// One field of the record: the band of each text the band list offers, the century of a two-digit year,
// the QSL marker.
void Test_Adif::Champs_data() {
    QTest::addColumn<QByteArray>("ligne");
    QTest::addColumn<QString>("champ");
    const std::pair<const char*, const char*> bandes[]{
        {"1.8 Mhz", "<band:4>160m"}, {"3.5 Mhz", "<band:3>80m"}, {"7.0 Mhz", "<band:3>40m"},
        {"10 Mhz", "<band:3>30m"},   {"14 Mhz", "<band:3>20m"},  {"18 Mhz", "<band:3>17m"},
        {"21 Mhz", "<band:3>15m"},   {"24 Mhz", "<band:3>12m"},  {"28 Mhz", "<band:3>10m"},
        {"50 Mhz", "<band:2>6m"},    {"144 Mhz", "<band:2>2m"},  {"432 Mhz", "<band:4>70cm"},
        {"7 Mhz", "<band:0><"},      {"14 MHZ", "<band:0><"},    {"", "<band:0><"}};
    for (const auto& [bande, champ] : bandes)
        QTest::addRow("bande '%s'", bande) << QSO("F5XYZ", "PB1004", "14/07/14", "", " ", bande) << champ;
    const std::pair<const char*, const char*> dates[]{{"31/12/99", "<qso_date:8>19991231"},
                                                      {"31/12/49", "<qso_date:8>20491231"},
                                                      {"01/01/50", "<qso_date:8>19500101"}};
    for (const auto& [date, champ] : dates)
        QTest::addRow("date %s", date) << QSO("F6XYZ", "PB12", date) << champ;
    QTest::newRow("QSL autre que l'etoile")
        << QSO("F6XYZ", "PB12", "02/01/15", "", "x") << "<QSL_RCVD:1>N<eor>";
}

void Test_Adif::Champs() {
    QFETCH(QByteArray, ligne);
    QFETCH(QString, champ);
    const QString adif = Adif::ADIF_SP(Fichier_Texte::Decode(ligne));
    QVERIFY2(adif.contains(champ), qPrintable(adif));
}

void Test_Adif::Export_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<QStringList>("enregistrements");
    QTest::newRow("log vide") << Lignes{} << QStringList{};
    QTest::newRow("deux QSO dans l'ordre du log")
        << Lignes{Exemple, QSO("F6XYZ", "PB12", "02/01/15", "", " ", "10 Mhz")}
        << QStringList{Exemple_ADIF,
                       "<call:5>F6XYZ<STATE:2>29<name:0><SIG:4>PB12<qso_date:8>20150102<time_on:4>1005"
                       "<mode:3>SSB<band:3>30m<rst_rcvd:2>59<rst_sent:2>57<SIG_INFO:0><QSL_RCVD:1>N<eor>"};
}

// The export as a reader of its own reads it: adif-parser-ts 0.7.7 (npm), which ./kez.sh test installs
// into the build folder. Every letter of Windows-1252 beyond ASCII, in first names and lighthouse
// names, gives a file of ASCII 32 to 126 lines whose records all read back with the values expected.
void Test_Adif::Lecteur_Independant() {
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty())
        QSKIP("node absent : ./kez.sh test installe nodejs");
    if (!QFileInfo::exists(QStringLiteral(KEZ_LECTEUR_ADIF "/package.json")))
        QSKIP("adif-parser-ts absent de " KEZ_LECTEUR_ADIF " : ./kez.sh test l'installe");
    struct Cas {
        const char* prenom;
        const char* nom_phare;
        const char* name;
        const char* sig_info;
    };
    const Cas cas[]{
        {"ÀÁÂÃÄÅÆÇ", "P. ÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØ", "AAAAAAAEC", "P. EEEEIIIIDNOOOOOO"},
        {"ÙÚÛÜÝÞß", "P. àáâãäåæçèéêëìíîïð", "UUUUYTHSS", "P. aaaaaaaeceeeeiiiid"},
        {"ñòóôõöøùúûü", "P. ýþÿ ŠšŒœŽžŸ ƒ ª º µ", "noooooouuuu", "P. ythy SsOEoeZzY f a o u"},
        {"ÉLODIE", "P. Goulphar (Belle-Île)", "ELODIE", "P. Goulphar (Belle-Ile)"},
        {"€JEAN°", "P. «Kéréon» ±1", "JEAN", "P. Kereon 1"},
    };
    Lignes log;
    for (const Cas& c : cas)
        log << QSO("F5XYZ", "PB1004", "14/07/14", QString::fromUtf8(c.nom_phare), "*", "14 Mhz",
                   QString::fromUtf8(c.prenom));
    const QByteArray adi = Adif::Fichier("F5ABC", "Document produit par KEZ_TORV", log);
    for (const char octet : adi)
        QVERIFY2((octet >= ' ' && octet <= '~') || octet == '\r' || octet == '\n', adi.constData());

    QTemporaryDir dossier;
    QFile fichier(dossier.filePath("F5ABC_TORV.adi"));
    QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(adi) == adi.size());
    fichier.close();
    // The file is decoded as strict UTF-8, as a reader expecting ASCII would: a byte beyond ASCII stops it.
    const QString script =
        QStringLiteral("const { AdifParser } = require(process.argv[1]);"
                       "const texte = new TextDecoder('utf-8', { fatal: true "
                       "}).decode(require('fs').readFileSync(process.argv[2]));"
                       "process.stdout.write(JSON.stringify(AdifParser.parseAdi(texte)));");
    QProcess lecteur;
    lecteur.start(node, {"-e", script, KEZ_LECTEUR_ADIF, fichier.fileName()});
    QVERIFY(lecteur.waitForFinished(60000));
    QVERIFY2(lecteur.exitStatus() == QProcess::NormalExit && lecteur.exitCode() == 0,
             lecteur.readAllStandardError().constData());
    const QJsonObject lu = QJsonDocument::fromJson(lecteur.readAllStandardOutput()).object();
    QCOMPARE(lu["header"].toObject(),
             (QJsonObject{{"text", "Exportation du log de la station F5ABC au format ADIF\r\n\r\n"
                                   "Document produit par KEZ_TORV"}}));
    const QJsonArray records = lu["records"].toArray();
    QCOMPARE(records.size(), qsizetype(std::size(cas)));
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QJsonObject attendu{{"call", "F5XYZ"},
                                  {"state", "29"},
                                  {"name", cas[i].name},
                                  {"sig", "PB1004"},
                                  {"qso_date", "20140714"},
                                  {"time_on", "1005"},
                                  {"mode", "SSB"},
                                  {"band", "20m"},
                                  {"rst_rcvd", "59"},
                                  {"rst_sent", "57"},
                                  {"sig_info", cas[i].sig_info},
                                  {"qsl_rcvd", "Y"}};
        QCOMPARE(QJsonDocument(records[i].toObject()).toJson(QJsonDocument::Compact),
                 QJsonDocument(attendu).toJson(QJsonDocument::Compact));
    }
}

// Each export replaces the previous one, even a longer one.
void Test_Adif::Export() {
    QFETCH(Lignes, log);
    QFETCH(QStringList, enregistrements);
    Plateforme_Test t;
    Prepare_Station(t, log);
    t.Ecrit_Fichier("F5ABC_TORV.adi",
                    "export precedent, bien plus long que le nouveau\r\n" + QByteArray(5000, 'x'));
    Main main(t.plateforme);
    main.Form_Load();
    main.Mnu_ADIF->trigger();
    main.Mnu_ADIF->trigger();
    const QStringList entete{"Exportation du log de la station F5ABC au format ADIF",
                             "",
                             "Document produit par KEZ_TORV Revision 1.0.9",
                             "",
                             "",
                             "<eoh>"};
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.adi"), Fichier(entete + enregistrements));
    QCOMPARE(t.messages.textes, QStringList(2, "Le fichier a été enregistré sous le nom : F5ABC_TORV.adi"));
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files),
             (QStringList{"F5ABC_TORV.adi", "F5ABC_TORV.log"}));
}

KEZ_TEST(Test_Adif)

#include "Test_Adif.moc"
