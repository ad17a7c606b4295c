#include "Test_Enregistrement.h"

#include "log/Enregistrement.h"

#include <QTest>

using Enregistrement::Champ;
using Valeurs = Enregistrement::Valeurs;

Q_DECLARE_METATYPE(Valeurs)

namespace {

const QString QSO = QStringLiteral("F5ABC        29   JEAN            PB100414/07/06 10:05 SSB 14 Mhz  59  "
                                   "59  P. Phare du Creac'h            *");

} // namespace

void Test_Enregistrement::Compose_data() {
    QTest::addColumn<Valeurs>("valeurs");
    QTest::addColumn<QString>("enregistrement");
    QTest::newRow("ordinaire") << Valeurs{"F5ABC",
                                          "29",
                                          "JEAN",
                                          "PB1004",
                                          "14/07/06",
                                          "10:05",
                                          "SSB",
                                          "14 Mhz",
                                          "59",
                                          "59",
                                          "P. Phare du Creac'h",
                                          "*"}
                               << QSO;
    QTest::newRow("12 caracteres, reference de 6 suivie de la date")
        << Valeurs{"DL1ABCDEFGHI", "2A",      "",    "PB0012", "31/12/99", "23:59",
                   "CW",           "432 Mhz", "5NN", "599",    "",         " "}
        << QString("DL1ABCDEFGHI 2A                   PB001231/12/99 23:59 CW  432 Mhz 5NN 599 " +
                   QString(30, ' ') + "  ");
    QTest::newRow("departement d'un caractere, reference courte")
        << Valeurs{"F1A", "9", "ÉLODIE", "PB1", "01/01/00", "00:00", "FM", "1.8 Mhz", "5", "5", "Île", " "}
        << QString("F1A          9    ÉLODIE          PB1   01/01/00 00:00 FM  1.8 Mhz 5   5   Île" +
                   QString(27, ' ') + "  ");
    QTest::newRow("valeurs trop longues coupees")
        << Valeurs{"ABCDEFGHIJKLMN", "123456",   "X",    "PB123456", "01/01/00",       "00:00",
                   "SSTV",           "1296 Mhz", "5999", "5999",     QString(31, 'N'), "*"}
        << QString("ABCDEFGHIJKL 1234 X               PB123401/01/00 00:00 SST 1296 Mh 599 599 " +
                   QString(30, 'N') + " *");
}

void Test_Enregistrement::Compose() {
    QFETCH(Valeurs, valeurs);
    QFETCH(QString, enregistrement);
    const QString compose = Enregistrement::Compose(valeurs);
    QCOMPARE(compose, enregistrement);
    QCOMPARE(compose.size(), 107);
    QCOMPARE(Enregistrement::Valeur(compose, Champ::Indicatif), valeurs[0].left(12));
    QCOMPARE(Enregistrement::Colonnes(compose, Champ::Date), valeurs[4]);
}

void Test_Enregistrement::Ligne_Liste_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("debut");
    QTest::newRow("1") << 1 << "    1  F5ABC       ";
    QTest::newRow("42") << 42 << "   42  F5ABC       ";
    QTest::newRow("9999") << 9999 << " 9999  F5ABC       ";
    QTest::newRow("10000") << 10000 << " 10000  F5ABC       ";
}

void Test_Enregistrement::Ligne_Liste() {
    QFETCH(int, numero);
    QFETCH(QString, debut);
    const QString ligne = Enregistrement::Ligne_Liste(QSO, numero);
    const QString reste = QStringLiteral("  29   JEAN            PB1004  14/07/06  10:05  SSB  14 Mhz   59   "
                                         "59  P. Phare du Creac'h             *");
    QCOMPARE(ligne, debut + reste);
    if (numero <= 9999)
        QCOMPARE(ligne.size(), 123);
}

void Test_Enregistrement::Retour_De_La_Ligne_Liste_data() {
    QTest::addColumn<int>("numero");
    QTest::newRow("1") << 1;
    QTest::newRow("9999") << 9999;
    QTest::newRow("10000") << 10000;
    QTest::newRow("123456") << 123456;
}

void Test_Enregistrement::Retour_De_La_Ligne_Liste() {
    QFETCH(int, numero);
    const QString indicatif_chiffre = QStringLiteral("9A1ABC") + QSO.mid(6);
    for (const QString& enregistrement : {QSO, indicatif_chiffre}) {
        const QString ligne = Enregistrement::Ligne_Liste(enregistrement, numero);
        QCOMPARE(Enregistrement::De_Ligne_Liste(ligne), enregistrement);
        QCOMPARE(Enregistrement::Colonnes_Ligne_Liste(ligne, Champ::Reference), QStringLiteral("PB1004"));
        QCOMPARE(Enregistrement::Colonnes_Ligne_Liste(ligne, Champ::QSL), QStringLiteral("*"));
    }
}

void Test_Enregistrement::Ligne_Courte() {
    // A damaged line gives shortened fields, never a crash.
    const QString courte = QSO.left(20);
    QCOMPARE(Enregistrement::Valeur(courte, Champ::Departement), QStringLiteral("29"));
    QCOMPARE(Enregistrement::Valeur(courte, Champ::Date), QString());
    QCOMPARE(Enregistrement::Ligne_Liste(QString(), 3), QStringLiteral("    3") + QString(21, ' '));
    QCOMPARE(Enregistrement::Ligne_Liste(courte, 1),
             QStringLiteral("    1  F5ABC         29   JE") + QString(16, ' '));
}
