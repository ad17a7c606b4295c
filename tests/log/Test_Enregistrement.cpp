#include "log/Enregistrement.h"
#include "support/Principal.h"

#include <QObject>
#include <QTest>

class Test_Enregistrement : public QObject {
    Q_OBJECT

private slots:
    void Compose_data();
    void Compose();
    void Ligne_Liste_data();
    void Ligne_Liste();
    void Ligne_Courte();
};

using Enregistrement::Champ;
using Valeurs = Enregistrement::Valeurs;

Q_DECLARE_METATYPE(Valeurs)

namespace {

const QString QSO = QStringLiteral("F5ABC        29   JEAN            PB100414/07/06 10:05 SSB 14 Mhz  59  "
                                   "59  P. Phare du Creac'h            *");

// The values of a record, separated by '|'.
Valeurs Champs(const QString& texte) {
    const QStringList liste = texte.split(QLatin1Char('|'));
    Valeurs valeurs;
    for (int i = 0; i < Enregistrement::Nombre_Champs; ++i)
        valeurs[i] = liste.value(i);
    return valeurs;
}

} // namespace

void Test_Enregistrement::Compose_data() {
    QTest::addColumn<Valeurs>("valeurs");
    QTest::addColumn<QString>("enregistrement");
    QTest::newRow("ordinaire")
        << Champs("F5ABC|29|JEAN|PB1004|14/07/06|10:05|SSB|14 Mhz|59|59|P. Phare du Creac'h|*") << QSO;
    QTest::newRow("12 caracteres, reference de 6 suivie de la date")
        << Champs("DL1ABCDEFGHI|2A||PB0012|31/12/99|23:59|CW|432 Mhz|5NN|599|| ")
        << QString("DL1ABCDEFGHI 2A                   PB001231/12/99 23:59 CW  432 Mhz 5NN 599 " +
                   QString(30, ' ') + "  ");
    QTest::newRow("departement d'un caractere, reference courte")
        << Champs("F1A|9|ÉLODIE|PB1|01/01/00|00:00|FM|1.8 Mhz|5|5|Île| ")
        << QString("F1A          9    ÉLODIE          PB1   01/01/00 00:00 FM  1.8 Mhz 5   5   Île" +
                   QString(27, ' ') + "  ");
    QTest::newRow("valeurs trop longues coupees")
        << Champs("ABCDEFGHIJKLMN|123456|X|PB123456|01/01/00|00:00|SSTV|1296 Mhz|5999|5999|" +
                  QString(31, 'N') + "|*")
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

// The numbered line of the main list, and the record read back from it.
void Test_Enregistrement::Ligne_Liste_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("debut");
    for (const char* debut : {"    1", "   42", " 9999", " 10000", " 123456"})
        QTest::newRow(debut) << QString::fromLatin1(debut).toInt() << QString::fromLatin1(debut);
}

void Test_Enregistrement::Ligne_Liste() {
    QFETCH(int, numero);
    QFETCH(QString, debut);
    const QString reste =
        QStringLiteral("  F5ABC         29   JEAN            PB1004  14/07/06  10:05  SSB  14 Mhz   "
                       "59   59  P. Phare du Creac'h             *");
    QCOMPARE(Enregistrement::Ligne_Liste(QSO, numero), debut + reste);
    // A callsign starting with a digit is not taken for part of the number.
    for (const QString& enregistrement : {QSO, QStringLiteral("9A1ABC") + QSO.mid(6)}) {
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

KEZ_TEST(Test_Enregistrement)

#include "Test_Enregistrement.moc"
