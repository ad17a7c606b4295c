#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "log/Enregistrement.h"
#include "reports/Adif.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <iterator>

class Test_Adif : public QObject {
    Q_OBJECT

private slots:
    void ADIF_SP_data();
    void ADIF_SP();
    void Export();
    void Lecteur_Independant();
};

namespace {

QByteArray QSO(const QString& prenom, const QString& phare, const QString& date = "14/07/14",
               const QString& bande = "14 Mhz", const QString& qsl = "*") {
    return Fichier_Texte::Encode(Enregistrement::Compose(
        {"F5XYZ", "29", prenom, "PB1004", date, "10:05", "SSB", bande, "59", "57", phare, qsl}));
}

const QByteArray Exemple =
    "F5XYZ        29   JEAN            PB100414/07/14 09:35 SSB 14 Mhz  59  57  P. Ar-Men"
    "                      *";
const QString Exemple_ADIF =
    "<call:5>F5XYZ<STATE:2>29<name:4>JEAN<SIG:6>PB1004<qso_date:8>20140714<time_on:4>0935"
    "<mode:3>SSB<band:3>20m<rst_rcvd:2>59<rst_sent:2>57<SIG_INFO:9>P. Ar-Men"
    "<QSL_RCVD:1>Y<eor>";
// From <call to <SIG_INFO of a QSO made by QSO().
QString Milieu(const QString& date, const QString& bande) {
    return "<STATE:2>29<name:0><SIG:6>PB1004<qso_date:8>" + date +
           "<time_on:4>1005<mode:3>SSB<band:" + QString::number(bande.size()) + '>' + bande +
           "<rst_rcvd:2>59<rst_sent:2>57";
}

} // namespace

// Only ASCII 32 to 126 is written, each length being that of the text written; a field starts and
// ends with what is written.
void Test_Adif::ADIF_SP_data() {
    QTest::addColumn<QByteArray>("ligne");
    QTest::addColumn<QString>("adif");
    QTest::newRow("exemple") << Exemple << Exemple_ADIF;
    QTest::newRow("1999, pas 2099; 160m; non confirme")
        << QSO("", "", "31/12/99", "1.8 Mhz", " ")
        << "<call:5>F5XYZ" + Milieu("19991231", "160m") + "<SIG_INFO:0><QSL_RCVD:1>N<eor>";
    QTest::newRow("2049; 70cm; autre marque que l'etoile")
        << QSO("", "", "31/12/49", "432 Mhz", "x")
        << "<call:5>F5XYZ" + Milieu("20491231", "70cm") + "<SIG_INFO:0><QSL_RCVD:1>N<eor>";
    QTest::newRow("1950; bande inconnue")
        << QSO("", "", "01/01/50", "14 MHZ", "*")
        << "<call:5>F5XYZ" + Milieu("19500101", "") + "<SIG_INFO:0><QSL_RCVD:1>Y<eor>";
    // A no-break space is a space; signs, control bytes and bytes Windows-1252 leaves undefined are left out.
    QTest::newRow("espace insecable, signes et octets hors ASCII")
        << QSO(Fichier_Texte::Decode("\xA0\x80JEAN\xA0\x81LUC~\xB0\xA0"),
               Fichier_Texte::Decode("P. \xAB"
                                     "Ar-Men\xBB 45\xB0\x01\x7F"))
        << "<call:5>F5XYZ<STATE:2>29<name:9>JEAN "
           "LUC~<SIG:6>PB1004<qso_date:8>20140714<time_on:4>1005<mode:3>SSB"
           "<band:3>20m<rst_rcvd:2>59<rst_sent:2>57<SIG_INFO:12>P. Ar-Men 45<QSL_RCVD:1>Y<eor>";
    QTest::newRow("departement de quatre caracteres: les deux premiers")
        << QByteArray(Exemple).replace("29  ", "9712")
        << QString(Exemple_ADIF).replace("<STATE:2>29", "<STATE:2>97");
    QTest::newRow("departement d'un chiffre") << QByteArray(Exemple).replace("29", "9 ")
                                              << QString(Exemple_ADIF).replace("<STATE:2>29", "<STATE:1>9");
    QTest::newRow("ligne vide") << QByteArray()
                                << "<call:0><STATE:0><name:0><SIG:0><qso_date:2>20<time_on:0><mode:0><band:0>"
                                   "<rst_rcvd:0><rst_sent:0><SIG_INFO:0><QSL_RCVD:1>N<eor>";
    QTest::newRow("ligne courte") << Exemple.left(45)
                                  << "<call:5>F5XYZ<STATE:2>29<name:4>JEAN<SIG:6>PB1004<qso_date:8>20070714"
                                     "<time_on:0><mode:0><band:0><rst_rcvd:0><rst_sent:0><SIG_INFO:0>"
                                     "<QSL_RCVD:1>N<eor>";
}

void Test_Adif::ADIF_SP() {
    QFETCH(QByteArray, ligne);
    QFETCH(QString, adif);
    QCOMPARE(Adif::ADIF_SP(Fichier_Texte::Decode(ligne)), adif);
}

// Each export replaces the previous one, even a longer one.
void Test_Adif::Export() {
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("F5ABC_TORV.log", Exemple + "\r\n" + QSO("", "", "02/01/15", "10 Mhz", " ") + "\r\n");
    t.Ecrit_Fichier("F5ABC_TORV.adi", "export precedent\r\n" + QByteArray(5000, 'x'));
    Main main(t.plateforme);
    main.Form_Load();
    main.Mnu_ADIF->trigger();
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.adi"),
             "Exportation du log de la station F5ABC au format ADIF\r\n\r\nDocument produit par KEZ_TORV "
             "Revision 1.0.9\r\n\r\n\r\n<eoh>\r\n" +
                 Exemple_ADIF.toLatin1() + "\r\n<call:5>F5XYZ" + Milieu("20150102", "30m").toLatin1() +
                 "<SIG_INFO:0><QSL_RCVD:1>N<eor>\r\n");
    QCOMPARE(t.messages.textes, QStringList{"Le fichier a été enregistré sous le nom : F5ABC_TORV.adi"});
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files),
             (QStringList{"F5ABC_TORV.adi", "F5ABC_TORV.log"}));
}

// Every letter of Windows-1252 beyond ASCII loses its accent, or becomes two letters; the file, of
// ASCII lines, reads back with an independent reader: adif-parser-ts 0.7.7 (npm), which ./kez.sh test
// installs into the build folder.
void Test_Adif::Lecteur_Independant() {
    const char* const cas[][4]{
        {"ÀÁÂÃÄÅÆÇ", "P. ÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØ", "AAAAAAAEC", "P. EEEEIIIIDNOOOOOO"},
        {"ÙÚÛÜÝÞß", "P. àáâãäåæçèéêëìíîïð", "UUUUYTHSS", "P. aaaaaaaeceeeeiiiid"},
        {"ñòóôõöøùúûü", "P. ýþÿ ŠšŒœŽžŸ ƒ ª º µ", "noooooouuuu", "P. ythy SsOEoeZzY f a o u"},
        {"€JEAN°", "P. «Kéréon» ±1", "JEAN", "P. Kereon 1"},
    };
    QList<QByteArray> log;
    for (const auto& [prenom, phare, name, sig_info] : cas) {
        log << QSO(QString::fromUtf8(prenom), QString::fromUtf8(phare));
        const QString adif = Adif::ADIF_SP(Fichier_Texte::Decode(log.last()));
        for (const QString& champ : {QStringLiteral("<name:%1>%2<").arg(strlen(name)).arg(name),
                                     QStringLiteral("<SIG_INFO:%1>%2<").arg(strlen(sig_info)).arg(sig_info)})
            QVERIFY2(adif.contains(champ), qPrintable(adif + " / " + champ));
    }
    const QByteArray adi = Adif::Fichier("F5ABC", "Document produit par KEZ_TORV", log);
    for (const char octet : adi)
        QVERIFY2((octet >= ' ' && octet <= '~') || octet == '\r' || octet == '\n', adi.constData());

    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty() || !QFileInfo::exists(QStringLiteral(KEZ_LECTEUR_ADIF "/package.json")))
        QSKIP("node ou adif-parser-ts absent de " KEZ_LECTEUR_ADIF " : ./kez.sh test les installe");
    QTemporaryDir dossier;
    QFile fichier(dossier.filePath("F5ABC_TORV.adi"));
    QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(adi) == adi.size());
    fichier.close();
    // Decoded as strict UTF-8, as a reader expecting ASCII would: a byte beyond ASCII stops it.
    QProcess lecteur;
    lecteur.start(
        node, {"-e",
               "const { AdifParser } = require(process.argv[1]); const texte = new "
               "TextDecoder('utf-8', { fatal: true }).decode(require('fs').readFileSync(process.argv[2]));"
               "process.stdout.write(JSON.stringify(AdifParser.parseAdi(texte)));",
               KEZ_LECTEUR_ADIF, fichier.fileName()});
    QVERIFY(lecteur.waitForFinished(60000));
    QVERIFY2(lecteur.exitStatus() == QProcess::NormalExit && lecteur.exitCode() == 0,
             lecteur.readAllStandardError().constData());
    const QJsonObject lu = QJsonDocument::fromJson(lecteur.readAllStandardOutput()).object();
    QCOMPARE(lu["header"].toObject()["text"].toString(),
             "Exportation du log de la station F5ABC au format ADIF\r\n\r\nDocument produit par KEZ_TORV");
    const QJsonArray records = lu["records"].toArray();
    QCOMPARE(records.size(), qsizetype(std::size(cas)));
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QJsonObject attendu{{"call", "F5XYZ"},  {"state", "29"},          {"name", cas[i][2]},
                                  {"sig", "PB1004"},  {"qso_date", "20140714"}, {"time_on", "1005"},
                                  {"mode", "SSB"},    {"band", "20m"},          {"rst_rcvd", "59"},
                                  {"rst_sent", "57"}, {"sig_info", cas[i][3]},  {"qsl_rcvd", "Y"}};
        QCOMPARE(records[i].toObject(), attendu);
    }
}

KEZ_TEST(Test_Adif)

#include "Test_Adif.moc"
