#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "log/Enregistrement.h"
#include "reports/Adif.h"
#include "reports/Aff_Contacte.h"
#include "reports/Rapports.h"
#include "reports/Rapports_Station.h"
#include "reports/Score_Phares.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

class Test_Rapports : public QObject {
    Q_OBJECT

private slots:
    void Octets();
    void ADIF_data();
    void ADIF();
    void Lecteur_Independant();
    void Enregistrement();
    void Impression();
    void Liste_Et_Score();
    void Log_Absent();
};

using Lignes = QList<QByteArray>;
using Rapports::Support;

namespace {

QByteArray QSO(const QString& indicatif, const QString& reference, const QString& date, const QString& phare,
               const QString& qsl, const QString& prenom = "", const QString& bande = "14 Mhz") {
    return Fichier_Texte::Encode(Enregistrement::Compose(
        {indicatif, "29", prenom, reference, date, "10:05", "SSB", bande, "59", "57", phare, qsl}));
}

const QByteArray Credit = "Document produit par KEZ_TORV Revision 1.0.9";
const QString Annonce = QStringLiteral("Le log a été enregistré sous le nom : ");
const QString Nom_Rapport = QStringLiteral("Phares_Contacte_F5ABC_05_12_26.txt");
const QString Nom_Liste = QStringLiteral("F5ABC_Liste_alaphanumerique_Phares_05_12_26.txt");

// A short line's bytes undefined in Windows-1252 pass untouched; PB123 sorts after PB1012 as text.
const QByteArray A = "F5XYZ        29   JEAN            PB100414/07/14 09:35 SSB 14 Mhz  59  57  P. Ar-Men"
                     "                      *";
const QByteArray B = "F6\x81\x9d         56   J\xc9R\xd4ME          PB1012" + QByteArray(20, ' ');
const QByteArray C = QSO("F5ZZZ", "PB123", "01/01/06", "Phare A", " ");
const Lignes Log{C, A, B};
const QByteArray L_A = " PB1004  P. Ar-Men                       14/07/14  F5XYZ         *";
const QByteArray L_B = " PB1012" + QByteArray(44, ' ') + "F6\x81\x9d" + QByteArray(11, ' ');
const QByteArray L_C = " PB123   Phare A                         01/01/06  F5ZZZ          ";
const QByteArray A_ADIF =
    "<call:5>F5XYZ<STATE:2>29<name:4>JEAN<SIG:6>PB1004<qso_date:8>20140714<time_on:4>0935"
    "<mode:3>SSB<band:3>20m<rst_rcvd:2>59<rst_sent:2>57<SIG_INFO:9>P. Ar-Men<QSL_RCVD:1>Y<eor>";

const QByteArray Rapport_Fichier =
    QByteArray(20, ' ') + "F5ABC Phares contact\xe9s au 05/12/2026\r\n\r\n" +
    "   N\xb0 Indicatif    Dpt     Prenom        Ref    Date    QTR  Mode  QRG  RSTR RSTE       Mom du Phare"
    "           QSL\r\n\r\n    1 " +
    C + "\r\n    2 " + A + "\r\n    3 " + B + "\r\n\r\n" + Credit + "\r\n";
const QByteArray Liste_Fichier =
    "    F5ABC Liste alphanumerique des Phares contact\xe9s au 05/12/2026\r\n\r\n"
    "   N\xb0   Ref        Nom du Phare                 Date   Indicatif    QSL\r\n\r\n"
    "    1 " +
    L_A + "\r\n    2 " + L_B + "\r\n    3 " + L_C + "\r\n\r\n" + Credit + "\r\n";
const QByteArray Liste_Papier =
    "        F5ABC Liste alphanumerique des Phares contact\xe9s au 05/12/2026\r\n\r\n"
    "        N\xb0  Ref         Nom du Phare                Date   Indicatif     QSL\r\n"
    "\r\n        1 " +
    L_A + "\r\n        2 " + L_B + "\r\n        3 " + L_C + "\r\n\r\n\r\n" + Credit + "\r\n";

// What a printed page shows of these lines: neither control characters nor the blanks that end them.
QStringList Imprime(const Lignes& lignes) {
    QStringList textes = Fichier_Texte::Decode_Lignes(lignes);
    for (QString& texte : textes) {
        texte.remove(QRegularExpression(QStringLiteral("[\\x{80}-\\x{9f}]")));
        while (texte.endsWith(' '))
            texte.chop(1);
    }
    return textes;
}

// The main window of station F5ABC on its local day of 5 December 2026, the UTC day being the 6th.
struct Fenetre {
    Plateforme_Test t;
    Main main{t.plateforme};

    explicit Fenetre(const Lignes& log) {
        t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
        t.Ecrit_Fichier("F5ABC_TORV.log", Fichier_Texte::Joint_Lignes(log));
        t.horloge.utc = QDateTime(QDate(2026, 12, 6), QTime(0, 30), Qt::UTC);
        t.horloge.locale = QDateTime(QDate(2026, 12, 5), QTime(23, 30));
        main.Form_Load();
    }
};

} // namespace

// Each report in a file and on paper; the list sorted as text regardless of case, else in log order.
void Test_Rapports::Octets() {
    const QDate jour(2026, 12, 5);
    const auto rapport = [&](Support support, bool liste) {
        return Fichier_Texte::Joint_Lignes(
            liste ? Rapports::Liste_Phares_Contactes(support, "F5ABC", jour, Credit,
                                                     Rapports::Liste_Alphabetique(Log))
                  : Rapports::Phares_Contactes(support, "F5ABC", jour, Credit, Log));
    };
    QCOMPARE(rapport(Support::Fichier, false), Rapport_Fichier);
    QCOMPARE(rapport(Support::Papier, false),
             QByteArray(31, ' ') +
                 "F5ABC  Phares contact\xe9s au 05/12/2026\r\n\r\n       N\xb0 Indicatif    Dpt     "
                 "Prenom        Ref    Date    QTR  Mode  QRG  RSTR RSTE  Mom du Phare           QSL"
                 "\r\n\r\n        1 " +
                 C + "\r\n        2 " + A + "\r\n        3 " + B + "\r\n\r\n\r\n" + Credit + "\r\n");
    QCOMPARE(rapport(Support::Fichier, true), Liste_Fichier);
    QCOMPARE(rapport(Support::Papier, true), Liste_Papier);
    QCOMPARE(Rapports::Liste_Alphabetique({}), QStringList{""});
    QCOMPARE(Rapports::Liste_Alphabetique({QSO("F1", "PB1", "01/01/06", "abc", " "),
                                           QSO("F1", "PB1", "01/01/06", "Abd", " "),
                                           QSO("F1", "PB1", "01/01/06", "ABC", " ")}),
             (QStringList{"", " PB1     abc                             01/01/06  F1             ",
                          " PB1     ABC                             01/01/06  F1             ",
                          " PB1     Abd                             01/01/06  F1             "}));
}

// ASCII 32 to 126 only: a no-break space is a space; signs, control and undefined bytes are left out.
void Test_Rapports::ADIF_data() {
    QTest::addColumn<QByteArray>("ligne");
    QTest::addColumn<QString>("adif");
    const QString milieu =
        "<SIG:3>PB1<qso_date:8>%1<time_on:4>1005<mode:3>SSB<band:%2<rst_rcvd:2>59<rst_sent:2>57";
    QTest::newRow("exemple") << A << QString(A_ADIF);
    QTest::newRow("1999, pas 2099; 160m")
        << QSO("F1A", "PB1", "31/12/99", "", " ", "", "1.8 Mhz")
        << "<call:3>F1A<STATE:2>29<name:0>" + milieu.arg("19991231", "4>160m") +
               "<SIG_INFO:0><QSL_RCVD:1>N<eor>";
    QTest::newRow("espace insecable, signes, octets hors ASCII")
        << QSO("F1A", "PB1", "01/01/50",
               Fichier_Texte::Decode("P. \xAB"
                                     "Ar-Men\xBB 45\xB0\x01\x7F"),
               "*", Fichier_Texte::Decode("\xA0\x80JEAN\xA0\x81LUC~\xB0\xA0"), "432 Mhz")
        << "<call:3>F1A<STATE:2>29<name:9>JEAN LUC~" + milieu.arg("19500101", "4>70cm") +
               "<SIG_INFO:12>P. Ar-Men 45<QSL_RCVD:1>Y<eor>";
    QTest::newRow("departement de quatre caracteres")
        << QByteArray(A).replace("29  ", "9712") << QString(A_ADIF).replace("<STATE:2>29", "<STATE:2>97");
    QTest::newRow("ligne vide, bande inconnue comprise")
        << QByteArray()
        << "<call:0><STATE:0><name:0><SIG:0><qso_date:2>20<time_on:0><mode:0><band:0>"
           "<rst_rcvd:0><rst_sent:0><SIG_INFO:0><QSL_RCVD:1>N<eor>";
}

void Test_Rapports::ADIF() {
    QFETCH(QByteArray, ligne);
    QFETCH(QString, adif);
    QCOMPARE(Adif::ADIF_SP(Fichier_Texte::Decode(ligne)), adif);
}

// Letters lose their accent or become two; the file reads back with adif-parser-ts (./kez.sh test).
void Test_Rapports::Lecteur_Independant() {
    const char* const cas[][4]{
        {"ÀÁÂÃÄÅÆÇ", "P. ÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØ", "AAAAAAAEC", "P. EEEEIIIIDNOOOOOO"},
        {"ÙÚÛÜÝÞß", "P. àáâãäåæçèéêëìíîïð", "UUUUYTHSS", "P. aaaaaaaeceeeeiiiid"},
        {"ñòóôõöøùúûü", "P. ýþÿ ŠšŒœŽžŸ ƒ ª º µ", "noooooouuuu", "P. ythy SsOEoeZzY f a o u"}};
    Lignes log;
    QStringList attendus;
    for (const auto& [prenom, phare, name, sig_info] : cas) {
        log << QSO("F5XYZ", "PB1004", "14/07/14", QString::fromUtf8(phare), "*", QString::fromUtf8(prenom));
        attendus << QStringLiteral("F5XYZ|29|%1|PB1004|20140714|1005|SSB|20m|59|57|%2|Y").arg(name, sig_info);
        const QString adif = Adif::ADIF_SP(Fichier_Texte::Decode(log.last()));
        QVERIFY2(
            adif.contains(QStringLiteral("<name:%1>%2<").arg(QString(name).size()).arg(name)) &&
                adif.contains(QStringLiteral("<SIG_INFO:%1>%2<").arg(QString(sig_info).size()).arg(sig_info)),
            qPrintable(adif));
    }
    const QByteArray adi = Adif::Fichier("F5ABC", "Document produit par KEZ_TORV", log);
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty() || !QFile::exists(QStringLiteral(KEZ_LECTEUR_ADIF "/package.json")))
        QSKIP("node ou adif-parser-ts absent de " KEZ_LECTEUR_ADIF " : ./kez.sh test les installe");
    Plateforme_Test t;
    t.Ecrit_Fichier("F5ABC_TORV.adi", adi);
    // Strict UTF-8, as a reader expecting ASCII: a byte beyond ASCII stops it.
    QProcess lecteur;
    lecteur.start(node,
                  {"-e",
                   "const { AdifParser } = require(process.argv[1]); const texte = new TextDecoder('utf-8', "
                   "{ fatal: true }).decode(require('fs').readFileSync(process.argv[2])); "
                   "process.stdout.write(JSON.stringify(AdifParser.parseAdi(texte)));",
                   KEZ_LECTEUR_ADIF, t.Chemin("F5ABC_TORV.adi")});
    QVERIFY(lecteur.waitForFinished(60000) && lecteur.exitCode() == 0);
    const QJsonObject lu = QJsonDocument::fromJson(lecteur.readAllStandardOutput()).object();
    QCOMPARE(lu["header"].toObject()["text"].toString(),
             "Exportation du log de la station F5ABC au format ADIF\r\n\r\nDocument produit par KEZ_TORV");
    QStringList records;
    for (const QJsonValue record : lu["records"].toArray()) {
        QStringList valeurs;
        for (const char* cle : {"call", "state", "name", "sig", "qso_date", "time_on", "mode", "band",
                                "rst_rcvd", "rst_sent", "sig_info", "qsl_rcvd"})
            valeurs << record[cle].toString();
        records << valeurs.join('|') + (record.toObject().size() == 12 ? "" : " et d'autres champs");
    }
    QCOMPARE(records, attendus);
}

// Saving replaces the day's report, even a longer one, and returns whether it did.
void Test_Rapports::Enregistrement() {
    Fenetre f(Log);
    f.t.Ecrit_Fichier(Nom_Rapport, QByteArray(5000, 'x'));
    f.main.Mnu_Enr_Contacte->trigger();
    QCOMPARE(f.t.Lit_Fichier(Nom_Rapport), Rapport_Fichier);
    f.main.Mnu_ADIF->trigger();
    QCOMPARE(f.t.Lit_Fichier("F5ABC_TORV.adi"),
             "Exportation du log de la station F5ABC au format ADIF\r\n\r\n" + Credit +
                 "\r\n\r\n\r\n<eoh>\r\n" + Adif::ADIF_SP(Fichier_Texte::Decode(C)).toLatin1() + "\r\n" +
                 A_ADIF + "\r\n" + Adif::ADIF_SP(Fichier_Texte::Decode(B)).toLatin1() + "\r\n");
    QVERIFY(Sous_Programmes::Enregistre_Rapport(f.main, "a.txt", "1\r\n", "Fait : "));
    QCOMPARE(f.t.messages.textes,
             (QStringList{Annonce + Nom_Rapport, "Le fichier a été enregistré sous le nom : F5ABC_TORV.adi",
                          "Fait : a.txt"}));
    // A failed write says so, and nothing more (the failure's own message is tested with the disk's).
    f.t.fichiers.panne = Fichiers_Defaillants::Etape::Validation;
    QVERIFY(!Sous_Programmes::Enregistre_Rapport(f.main, "a.txt", "2\r\n", "Fait : "));
    QCOMPARE(f.t.Lit_Fichier("a.txt") + QByteArray::number(f.t.messages.textes.size()), "1\r\n4");
}

// In bold Courier New 9 on landscape pages, each full but the last; the printer's font given back after.
void Test_Rapports::Impression() {
    Lignes log;
    for (int i = 0; i < 120; ++i)
        log.append(QSO(QStringLiteral("F%1ABC").arg(i), "PB1004", "14/07/14", "", "*"));
    Fenetre f(log);
    f.t.imprimante.Change_Police(QFont("DejaVu Sans", 12));
    f.main.Mnu_Imp_Contacte->trigger();
    QCOMPARE(f.t.imprimante.police_au_dialogue.toString().section(',', 0, 1), "Courier New,9");
    QCOMPARE(f.t.imprimante.Police(), QFont("DejaVu Sans", 12));
    const QList<QStringList> pages = f.t.imprimante.Pages();
    QVERIFY(pages.size() >= 2);
    QStringList lignes;
    for (const QStringList& page : pages) {
        QVERIFY(page.size() == pages[0].size() || (&page == &pages.last() && page.size() < pages[0].size()));
        lignes += page;
    }
    QCOMPARE(lignes,
             Imprime(Rapports::Phares_Contactes(Support::Papier, "F5ABC", QDate(2026, 12, 5), Credit, log)));
    const QStringList cotes = f.t.imprimante.Taille_Page().split(" x ");
    QVERIFY2(cotes.size() == 2 && cotes[0].toDouble() > cotes[1].toDouble(), qPrintable(cotes.join('x')));
    QCOMPARE(f.t.imprimante.Polices(), QStringList{"LiberationMono-Bold"});
}

// The list saved and printed (portrait) as it stands; the score counts the QSOs and the QSL column's stars.
void Test_Rapports::Liste_Et_Score() {
    Fenetre f(Log);
    f.main.Mnu_C_Contacte->trigger();
    Aff_Contacte* liste = f.main.findChild<Aff_Contacte*>("Aff_Contacte");
    QVERIFY(liste->Label3->font().bold());
    f.t.Ecrit_Fichier("F5ABC_TORV.log", A);
    QTest::mouseClick(liste->Enregistrer, Qt::LeftButton);
    QCOMPARE(f.t.Lit_Fichier(Nom_Liste), Liste_Fichier);
    f.t.imprimante.annule = true;
    QTest::mouseClick(liste->Imprimer, Qt::LeftButton);
    QVERIFY(!f.t.imprimante.Imprime_Quelque_Chose());
    f.t.imprimante.annule = false;
    QTest::mouseClick(liste->Imprimer, Qt::LeftButton);
    QCOMPARE(f.t.imprimante.Pages(), QList<QStringList>{Imprime(Fichier_Texte::Coupe_Lignes(Liste_Papier))});
    const QStringList cotes = f.t.imprimante.Taille_Page().split(" x ");
    QVERIFY2(cotes.size() == 2 && cotes[0].toDouble() < cotes[1].toDouble(), qPrintable(cotes.join('x')));
    f.t.imprimante.chemin_force = f.t.Chemin("dossier absent/liste.pdf");
    QTest::mouseClick(liste->Imprimer, Qt::LeftButton);
    QCOMPARE(f.t.imprimante.dialogues, 3);
    f.t.Ecrit_Fichier("F5ABC_TORV.log", Fichier_Texte::Joint_Lignes(Log));
    f.main.Mnu_Score->trigger();
    Score_Phares* score = f.main.findChild<Score_Phares*>("Score_Phares");
    QCOMPARE(score->windowTitle() + ' ' + score->QSO_NB->text() + ' ' + score->QSL_NB->text(), "Scores 3 1");
    QCOMPARE(f.t.messages.textes,
             (QStringList{Annonce + Nom_Liste, "Impossible d'imprimer sur " + f.t.imprimante.chemin_force +
                                                   " : l'impression n'a pas pu commencer."}));
}

// Without a log nothing is written or printed, an earlier file is kept, and the operator is told.
void Test_Rapports::Log_Absent() {
    Fenetre f({A});
    f.t.Ecrit_Fichier("F5ABC_TORV.adi", "version precedente\r\n");
    f.t.Ecrit_Fichier(Nom_Rapport, "version precedente\r\n");
    QVERIFY(QFile::remove(f.t.Chemin("F5ABC_TORV.log")));
    for (QAction* commande : {f.main.Mnu_ADIF, f.main.Mnu_Enr_Contacte, f.main.Mnu_Imp_Contacte})
        commande->trigger();
    QCOMPARE(f.t.Lit_Fichier("F5ABC_TORV.adi") + f.t.Lit_Fichier(Nom_Rapport),
             "version precedente\r\nversion precedente\r\n");
    QCOMPARE(f.t.imprimante.dialogues, 0);
    QCOMPARE(f.t.messages.textes, QStringList(3, "Impossible de lire le fichier " +
                                                     QDir::toNativeSeparators(f.t.Chemin("F5ABC_TORV.log")) +
                                                     " : fichier absent"));
}

KEZ_TEST(Test_Rapports)

#include "Test_Rapports.moc"
