#include "Test_Entrees_Abimees.h"

#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "log/Journal_Station.h"
#include "support/Doubles.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

using Lignes = QList<QByteArray>;

namespace {

QByteArray Q(const char* indicatif, const char* date, const char* heure) {
    return Fichier_Texte::Encode(
        Enregistrement::Compose({indicatif, "29", "Yann", "PB1004", date, heure, "SSB", "14 Mhz", "59", "59",
                                 "Phare du Stiff", " "}));
}

const QByteArray A = Q("F5AAA", "01/01/99", "10:00");
const QByteArray B = Q("F5BBB", "02/01/99", "10:00");
const QByteArray N = Q("F5NNN", "01/06/00", "08:00");
// The last QSO of the log, after every other.
const QByteArray Z = Q("F5ZZZ", "31/12/49", "23:59");

// A full-length record whose callsign and name hold bytes no operator types.
QByteArray Record_Aux_Octets(const QByteArray& octets) {
    QByteArray enregistrement = Q("F5XYZ", "03/01/99", "10:00");
    enregistrement.replace(0, octets.size(), octets);
    enregistrement.replace(80, octets.size(), octets);
    return enregistrement;
}

// 20 MB of bytes at random, line ends included, the same on each run.
QByteArray Vingt_Mo_Au_Hasard() {
    QRandomGenerator hasard(8);
    QByteArray octets(20 * 1024 * 1024, Qt::Uninitialized);
    hasard.fillRange(reinterpret_cast<quint32*>(octets.data()), octets.size() / 4);
    return octets;
}

} // namespace

// Each damaged log sits between two good QSOs: it loads, and changes elsewhere keep it byte for byte.
void Test_Entrees_Abimees::Log_Abime_data() {
    QTest::addColumn<QByteArray>("abime");
    QTest::addColumn<Lignes>("lignes");
    QTest::newRow("rien") << QByteArray() << Lignes{};
    QTest::newRow("ligne tronquee") << A.left(30) + "\r\n" << Lignes{A.left(30)};
    QTest::newRow("ligne coupee au milieu d'un champ") << A.left(44) + "\r\n" << Lignes{A.left(44)};
    QTest::newRow("ligne trop longue") << A + QByteArray(5000, 'X') + "\r\n"
                                       << Lignes{A + QByteArray(5000, 'X')};
    QTest::newRow("ligne vide") << QByteArray("\r\n") << Lignes{""};
    QTest::newRow("NUL et octets binaires") << QByteArray("\x00\x01\x1b\x7f\xff\xfe\x00", 7) + "\r\n"
                                            << Lignes{QByteArray("\x00\x01\x1b\x7f\xff\xfe\x00", 7)};
    const QByteArray indefinis = Record_Aux_Octets("\x81\x8d\x8f\x90\x9d");
    QTest::newRow("octets indefinis en Windows-1252") << indefinis + "\r\n" << Lignes{indefinis};
    const QByteArray nul = Record_Aux_Octets(QByteArray("F5\x00Z\x00", 5));
    QTest::newRow("NUL dans un enregistrement complet") << nul + "\r\n" << Lignes{nul};
    QTest::newRow("fins LF seules") << A.left(20) + "\n" + B.left(20) + "\n"
                                    << Lignes{A.left(20), B.left(20)};
    QTest::newRow("fins CR seules") << A.left(20) + "\r" + B.left(20) + "\r"
                                    << Lignes{A.left(20), B.left(20)};
    QTest::newRow("fins melangees") << QByteArray("x\n\ry\r\rz\r\n") << Lignes{"x", "", "y", "", "z"};
    QTest::newRow("20 Mo sans fin de ligne") << QByteArray(20 * 1024 * 1024, 'Z') + "\r\n"
                                             << Lignes{QByteArray(20 * 1024 * 1024, 'Z')};
    const QByteArray hasard = Vingt_Mo_Au_Hasard();
    QTest::newRow("20 Mo au hasard") << hasard + "\r\n" << Fichier_Texte::Coupe_Lignes(hasard);
}

void Test_Entrees_Abimees::Log_Abime() {
    QFETCH(QByteArray, abime);
    QFETCH(Lignes, lignes);
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("F5ABC_TORV.log", A + "\r\n" + B + "\r\n" + abime + Z + "\r\n");
    Main main(t.plateforme);
    main.Form_Load();
    QCOMPARE(main.Liste_TORV->count(), lignes.size() + 3);
    QCOMPARE(t.messages.textes, QStringList());

    const QByteArray M = Q("F5MMM", "01/01/99", "10:00");
    QVERIFY(Sous_Programmes::Remplace_QSO_Log(main, Fichier_Texte::Decode(M), Fichier_Texte::Decode(A)));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier_Texte::Joint_Lignes(Lignes{M, B} + lignes + Lignes{Z}));
    QVERIFY(Sous_Programmes::Supprime_QSO_Log(main, Fichier_Texte::Decode(B)));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier_Texte::Joint_Lignes(Lignes{M} + lignes + Lignes{Z}));
    // Lines whose date cannot be read are passed over.
    QVERIFY(Sous_Programmes::Insere_QSO_Log(main, Fichier_Texte::Decode(N)));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"),
             Fichier_Texte::Joint_Lignes(Journal::Insere(Lignes{M} + lignes + Lignes{Z}, N)));
    QCOMPARE(main.Liste_TORV->count(), lignes.size() + 3);
    QCOMPARE(t.messages.textes, QStringList());
}

// A log the program cannot open at all: the operator is told which file, and nothing is written
// over it.
void Test_Entrees_Abimees::Log_Illisible() {
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    QVERIFY(QDir(t.repertoire.Chemin()).mkdir("F5ABC_TORV.log"));
    Main main(t.plateforme);
    main.Form_Load();
    QCOMPARE(main.Liste_TORV->count(), 0);
    QCOMPARE(t.messages.textes.size(), 1);
    const QString debut = QStringLiteral("Impossible de lire le fichier %1 : ")
                              .arg(QDir::toNativeSeparators(t.Chemin("F5ABC_TORV.log")));
    QVERIFY2(t.messages.textes[0].startsWith(debut) && t.messages.textes[0].size() > debut.size(),
             qPrintable(t.messages.textes[0]));
    QVERIFY(!Sous_Programmes::Ajout_Fin_Log(main, Fichier_Texte::Decode(N)));
    QCOMPARE(t.messages.textes.size(), 2);
    QCOMPARE(t.messages.textes[1], t.messages.textes[0]);
    QVERIFY(QFileInfo(t.Chemin("F5ABC_TORV.log")).isDir());
}

// Every line of the list is shown whole, however long the others are: a list told that its lines
// are all alike sizes them all as its last one.
void Test_Entrees_Abimees::Lignes_De_La_Liste_Entieres_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<QString>("changement");
    QTest::newRow("log du programme") << Lignes{A, B, Z} << "";
    QTest::newRow("derniere ligne tronquee") << Lignes{A, B, Z.left(20)} << "";
    QTest::newRow("derniere ligne vide") << Lignes{A, B, ""} << "";
    QTest::newRow("ligne tronquee au milieu") << Lignes{A, B.left(20), Z} << "";
    QTest::newRow("octets indefinis a la fin") << Lignes{A, Record_Aux_Octets("\x81\x8d\x8f\x90\x9d")} << "";
    QTest::newRow("ajout apres une ligne tronquee") << Lignes{A, B, Z.left(20)} << "ajout";
    QTest::newRow("suppression d'une ligne tronquee") << Lignes{A, B, Z.left(20)} << "suppression";
    // The 10,000th line has a wider number than every line before it.
    const Lignes log_9999(9999, A);
    QTest::newRow("ajout du QSO 10 000") << log_9999 << "ajout";
    QTest::newRow("suppression du QSO 10 000") << log_9999 + Lignes{B} << "suppression";
}

void Test_Entrees_Abimees::Lignes_De_La_Liste_Entieres() {
    QFETCH(Lignes, log);
    QFETCH(QString, changement);
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("F5ABC_TORV.log", Fichier_Texte::Joint_Lignes(log));
    Main main(t.plateforme);
    main.Form_Load();
    Lignes apres = log;
    if (changement == "ajout") {
        QVERIFY(Sous_Programmes::Ajout_Fin_Log(main, Fichier_Texte::Decode(N)));
        apres.append(N);
    } else if (changement == "suppression") {
        QVERIFY(Sous_Programmes::Supprime_QSO_Log(main, Fichier_Texte::Decode(log.constLast())));
        apres.removeLast();
    }
    QListWidget* liste = main.Liste_TORV;
    QCOMPARE(liste->count(), apres.size());
    QCOMPARE(liste->currentRow(), apres.size() - 1);
    const QStringList attendues = Journal::Lignes_Liste(apres);
    const QFontMetrics mesure(liste->font());
    for (int i = 0; i < liste->count(); ++i) {
        const QString texte = liste->item(i)->text();
        QCOMPARE(texte, attendues[i]);
        QVERIFY2(liste->visualItemRect(liste->item(i)).width() >= mesure.horizontalAdvance(texte),
                 qPrintable(QStringLiteral("ligne %1 coupee").arg(i + 1)));
    }
}

// The operator clicks the damaged line and deletes or changes it: the list line gives back the
// record when the line was a whole one; otherwise the log keeps the line as it was.
void Test_Entrees_Abimees::Ligne_Abimee_Choisie_Par_L_Operateur_data() {
    QTest::addColumn<QByteArray>("abime");
    QTest::addColumn<bool>("relue");
    QTest::newRow("octets indefinis") << Record_Aux_Octets("\x81\x8d\x8f\x90\x9d") << true;
    QTest::newRow("NUL et binaire") << Record_Aux_Octets(QByteArray("\x00\x01\xff\x1b\x7f", 5)) << true;
    QTest::newRow("tronquee") << A.left(50) << false;
    QTest::newRow("trop longue") << B + "suite" << false;
}

void Test_Entrees_Abimees::Ligne_Abimee_Choisie_Par_L_Operateur() {
    QFETCH(QByteArray, abime);
    QFETCH(bool, relue);
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("F5ABC_TORV.log", Fichier_Texte::Joint_Lignes({A, abime, N}));
    Main main(t.plateforme);
    main.Form_Load();
    main.Liste_TORV->setCurrentRow(1);
    const QString choisi = Enregistrement::De_Ligne_Liste(main.Ligne_Selectionnee);
    QCOMPARE(Fichier_Texte::Encode(choisi) == abime, relue);

    QVERIFY(Sous_Programmes::Remplace_QSO_Log(main, Fichier_Texte::Decode(B), choisi));
    const Lignes remplace = relue ? Lignes{A, B, N} : Lignes{A, abime, N, B};
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier_Texte::Joint_Lignes(remplace));

    t.Ecrit_Fichier("F5ABC_TORV.log", Fichier_Texte::Joint_Lignes({A, abime, N}));
    QVERIFY(Sous_Programmes::Supprime_QSO_Log(main, choisi));
    const Lignes supprime = relue ? Lignes{A, N} : Lignes{A, abime, N};
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier_Texte::Joint_Lignes(supprime));
    QCOMPARE(t.messages.textes, QStringList());
}

void Test_Entrees_Abimees::Reglages_Hors_Limites_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<QString>("station");
    QTest::addColumn<int>("bande");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("date_auto");
    QTest::newRow("bande 99") << "Setup F5ABC"
                              << "bande Utilisee"
                              << "99"
                              << "F5ABC" << 0 << 0 << true;
    QTest::newRow("bande -1") << "Setup F5ABC"
                              << "bande Utilisee"
                              << "-1"
                              << "F5ABC" << -1 << 0 << true;
    QTest::newRow("bande abc") << "Setup F5ABC"
                               << "bande Utilisee"
                               << "abc"
                               << "F5ABC" << 0 << 0 << true;
    QTest::newRow("bande 3.5") << "Setup F5ABC"
                               << "bande Utilisee"
                               << "3.5"
                               << "F5ABC" << 0 << 0 << true;
    QTest::newRow("bande enorme") << "Setup F5ABC"
                                  << "bande Utilisee"
                                  << "99999999999999999999"
                                  << "F5ABC" << 0 << 0 << true;
    QTest::newRow("bande 11") << "Setup F5ABC"
                              << "bande Utilisee"
                              << "11"
                              << "F5ABC" << 11 << 0 << true;
    QTest::newRow("mode 3") << "Setup F5ABC"
                            << "Mode Utilise"
                            << "3"
                            << "F5ABC" << 0 << 0 << true;
    QTest::newRow("mode -2") << "Setup F5ABC"
                             << "Mode Utilise"
                             << "-2"
                             << "F5ABC" << 0 << 0 << true;
    QTest::newRow("mode 2") << "Setup F5ABC"
                            << "Mode Utilise"
                            << "2"
                            << "F5ABC" << 0 << 2 << true;
    QTest::newRow("Date Auto oui") << "Setup F5ABC"
                                   << "Date Auto"
                                   << "oui"
                                   << "F5ABC" << 0 << 0 << true;
    QTest::newRow("Date Auto vide") << "Setup F5ABC"
                                    << "Date Auto"
                                    << ""
                                    << "F5ABC" << 0 << 0 << true;
    QTest::newRow("Date Auto Non") << "Setup F5ABC"
                                   << "Date Auto"
                                   << "Non"
                                   << "F5ABC" << 0 << 0 << false;
    QTest::newRow("indicatif de 40 caracteres")
        << "Setup "
        << "Indicatif Station" << QString(40, 'F') << "FXXXX" << 0 << 0 << true;
    QTest::newRow("indicatif avec /") << "Setup "
                                      << "Indicatif Station"
                                      << "F5ABC/P"
                                      << "FXXXX" << 0 << 0 << true;
    QTest::newRow("indicatif vers un autre dossier") << "Setup "
                                                     << "Indicatif Station"
                                                     << "../../F5ABC"
                                                     << "FXXXX" << 0 << 0 << true;
    QTest::newRow("indicatif avec NUL")
        << "Setup "
        << "Indicatif Station" << QStringLiteral("F5ABC\u0000") << "FXXXX" << 0 << 0 << true;
}

void Test_Entrees_Abimees::Reglages_Hors_Limites() {
    QFETCH(QString, section);
    QFETCH(QString, cle);
    QFETCH(QString, valeur);
    QFETCH(QString, station);
    QFETCH(int, bande);
    QFETCH(int, mode);
    QFETCH(bool, date_auto);
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Reglage("Setup F5ABC", "Date Auto", "Oui");
    t.Ecrit_Reglage(section, cle, valeur);
    Main main(t.plateforme);
    main.Form_Load();
    QCOMPARE(main.I_Station->text(), station);
    QCOMPARE(main.Bande_A->currentIndex(), bande);
    QCOMPARE(main.Mode_A->currentIndex(), mode);
    QCOMPARE(main.Mnu_Date_Auto->isChecked(), date_auto);
    QCOMPARE(main.Mnu_Date_Man->isChecked(), !date_auto);
    // Only a station without a usable callsign gets the first-run message.
    QCOMPARE(t.messages.textes.size(), station == "FXXXX" ? 1 : 0);
    QCOMPARE(t.Lit_Fichier("F5ABC/P_TORV.log"), QByteArray("<absent>"));
}

void Test_Entrees_Abimees::Fichier_De_Reglages_Abime_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("station");
    QTest::newRow("vide") << QByteArray() << "FXXXX";
    QTest::newRow("binaire") << QByteArray("\x00\x01\xff\xfe[\x00]\r\n\x81\x8d=\x8f\x90\x9d", 16) << "FXXXX";
    // What can still be read is used, when it is a usable callsign.
    QTest::newRow("section tronquee") << QByteArray("[Setup%20\r\nIndicatif%20Station=F5A") << "F5A";
    QTest::newRow("ligne enorme") << "[Setup%20]\nIndicatif%20Station=" + QByteArray(5 * 1024 * 1024, 'A')
                                  << "FXXXX";
    QTest::newRow("CR seuls")
        << QByteArray("[Setup%20]\rIndicatif%20Station=F5/ABC\r[Setup%20F5ABC]\rbande%20Utilisee=x\r")
        << "FXXXX";
    QTest::newRow("valeurs hors limites")
        << QByteArray("[Setup%20]\r\nIndicatif%20Station=F5ABC\r\n"
                      "[Setup%20F5ABC]\r\nbande%20Utilisee=\x00\x81\r\n"
                      "Mode%20Utilise=@ByteArray(\xff)\r\nDate%20Auto=\x9d\r\n")
        << "F5ABC";
}

void Test_Entrees_Abimees::Fichier_De_Reglages_Abime() {
    QFETCH(QByteArray, octets);
    QFETCH(QString, station);
    Plateforme_Test t;
    QFile fichier(t.Fichier_Reglages());
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(octets);
    fichier.close();
    // Read afresh from the damaged file, as the program does when it starts.
    Parametres parametres(std::make_unique<QSettings>(t.Fichier_Reglages(), QSettings::IniFormat));
    Plateforme plateforme{t.messages, t.horloge, t.repertoire, parametres, t.fichiers, t.imprimante};
    Main main(plateforme);
    main.Form_Load();
    QCOMPARE(main.I_Station->text(), station);
    QCOMPARE(main.Bande_A->currentIndex(), 0);
    QCOMPARE(main.Mode_A->currentIndex(), 0);
    QVERIFY(main.Mnu_Date_Auto->isChecked());
    QVERIFY(!main.Mnu_Date_Man->isChecked());
    QCOMPARE(t.messages.textes.size(), station == "FXXXX" ? 1 : 0);
}
