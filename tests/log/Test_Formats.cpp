#include "log/Controle_Saisie.h"
#include "log/Enregistrement.h"
#include "log/Prenoms.h"
#include "support/Principal.h"

#include <QObject>
#include <QTest>

// The log record and its list line, the checks of the entry fields, the first-name memory.
class Test_Formats : public QObject {
    Q_OBJECT

private slots:
    void Compose_data();
    void Compose();
    void Ligne_Liste_data();
    void Ligne_Liste();
    void Date_Heure_data();
    void Date_Heure();
    void Refus_Saisie_data();
    void Refus_Saisie();
    void Prenoms_data();
    void Prenoms();
};

using Lignes = QList<QByteArray>;
Q_DECLARE_METATYPE(Champ_Saisie)

namespace {

const QString QSO = QStringLiteral("F5ABC        29   JEAN            PB100414/07/06 10:05 SSB 14 Mhz  59  "
                                   "59  P. Phare du Creac'h            *");

} // namespace

void Test_Formats::Compose_data() {
    QTest::addColumn<QString>("valeurs"); // separated by '|'
    QTest::addColumn<QString>("enregistrement");
    QTest::newRow("ordinaire") << "F5ABC|29|JEAN|PB1004|14/07/06|10:05|SSB|14 Mhz|59|59|P. Phare du Creac'h|*"
                               << QSO;
    QTest::newRow("12 caracteres, reference de 6 suivie de la date")
        << "DL1ABCDEFGHI|2A||PB0012|31/12/99|23:59|CW|432 Mhz|5NN|599|| "
        << "DL1ABCDEFGHI 2A                   PB001231/12/99 23:59 CW  432 Mhz 5NN 599 " + QString(32, ' ');
    QTest::newRow("valeurs trop longues coupees")
        << "ABCDEFGHIJKLMN|123456|ÉLODIE-ÉLISABETH|PB123456|01/01/00|00:00|SSTV|1296 Mhz|5999|5999|" +
               QString(31, 'N') + "|*"
        << "ABCDEFGHIJKL 1234 ÉLODIE-ÉLISABET PB123401/01/00 00:00 SST 1296 Mh 599 599 " + QString(30, 'N') +
               " *";
}

void Test_Formats::Compose() {
    QFETCH(QString, valeurs);
    QFETCH(QString, enregistrement);
    Enregistrement::Valeurs champs;
    for (int i = 0; i < Enregistrement::Nombre_Champs; ++i)
        champs[i] = valeurs.split(QLatin1Char('|')).value(i);
    QCOMPARE(Enregistrement::Compose(champs), enregistrement);
    QCOMPARE(Enregistrement::Valeur(enregistrement, Enregistrement::Champ::Reference), champs[3].left(6));
}

// The numbered line of the main list, and the record read back from it.
void Test_Formats::Ligne_Liste_data() {
    QTest::addColumn<QString>("enregistrement");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("ligne");
    const QString reste = "  F5ABC         29   JEAN            PB1004  14/07/06  10:05  SSB  14 Mhz   "
                          "59   59  P. Phare du Creac'h             *";
    for (const char* debut : {"    1", " 9999", " 10000", " 123456"})
        QTest::newRow(debut) << QSO << QString(debut).toInt() << debut + reste;
    // A callsign starting with a digit is not taken for part of the number.
    QTest::newRow("indicatif chiffre") << "9A1ABC" + QSO.mid(6) << 10000 << " 10000  9A1ABC" + reste.mid(8);
    // A damaged line gives shortened fields, never a crash.
    QTest::newRow("ligne vide") << QString() << 3 << "    3" + QString(21, ' ');
    QTest::newRow("ligne courte") << QSO.left(20) << 1 << "    1  F5ABC         29   JE" + QString(16, ' ');
}

void Test_Formats::Ligne_Liste() {
    QFETCH(QString, enregistrement);
    QFETCH(int, numero);
    QFETCH(QString, ligne);
    QCOMPARE(Enregistrement::Ligne_Liste(enregistrement, numero), ligne);
    if (enregistrement.size() == Enregistrement::Longueur)
        QCOMPARE(Enregistrement::De_Ligne_Liste(ligne), enregistrement);
}

void Test_Formats::Date_Heure_data() {
    QTest::addColumn<bool>("heure");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("erreur");
    const auto ligne = [](bool heure, const QString& texte, int erreur) {
        QTest::addRow("%s '%s'", heure ? "heure" : "date", qPrintable(texte)) << heure << texte << erreur;
    };
    // The day is not compared with the month.
    for (const char* juste : {"31/02/06", "00/00/00", "31/12/99"})
        ligne(false, juste, 0);
    for (const char* faux : {"32/01/06", "01/13/06", "1/7/06", "14-07-06", "14/07/2006", "14/07/06 ",
                             "14/07/0", "1A/07/06", " 4/07/06", ""})
        ligne(false, faux, 1);
    ligne(false, QString::fromUtf8("١٤/07/06"), 1);
    for (const char* juste : {"00:00", "23:59", "09:05"})
        ligne(true, juste, 0);
    for (const char* faux : {"24:00", "12:60", "9:05", "12h05", "12:05:00", "12.05", ""})
        ligne(true, faux, 1);
}

void Test_Formats::Date_Heure() {
    QFETCH(bool, heure);
    QFETCH(QString, texte);
    QFETCH(int, erreur);
    QCOMPARE((heure ? Sous_Programmes::Controle_Heure : Sous_Programmes::Controle_Date)(texte), erreur);
}

// The limits of each rule and the order of its checks.
void Test_Formats::Refus_Saisie_data() {
    QTest::addColumn<Champ_Saisie>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("refus");
    using C = Champ_Saisie;
    const auto ligne = [](const char* nom, C champ, const char* texte, const char* refus = "") {
        QTest::newRow(nom) << champ << QString::fromUtf8(texte) << QString::fromUtf8(refus);
    };
    ligne("indicatif 12", C::Indicatif, "F5ABC/P12345");
    ligne("indicatif avec L barre", C::Indicatif, "F5ŁAB", "Caractere non autorise : Ł");
    ligne("prenom vide", C::Prenom, "");
    ligne("prenom 15 accentue", C::Prenom, "HÉLÈNE-MARIE-JO");
    ligne("prenom emoji", C::Prenom, "JO😀", "Caractere non autorise : 😀");
    ligne("reference vide", C::Reference, "");
    ligne("reference pb", C::Reference, "pb");
    ligne("departement 2", C::Departement, "2A");
    ligne("mode 3", C::Mode, "RTT");
    ligne("mode 6", C::Mode, "PACTOR", "3 caracteres maxi pour le Mode");
    ligne("bande 7", C::Bande, "432 Mhz");
    ligne("report 0", C::Report, "0");
    ligne("report 599", C::Report, "599");
    ligne("report 6999: longueur d'abord", C::Report, "6999", "3 caracteres maxi pour le Report");
    ligne("nom vide", C::Nom_Phare, "");
    ligne("nom 30 avec euro et oe", C::Nom_Phare, "P. Œ € AAAAAAAAAAAAAAAAAAAAAAA");
    ligne("nom avec ideogramme", C::Nom_Phare, "P. 灯台", "Caractere non autorise : 灯");
}

void Test_Formats::Refus_Saisie() {
    QFETCH(Champ_Saisie, champ);
    QFETCH(QString, texte);
    QFETCH(QString, refus);
    QCOMPARE(Sous_Programmes::Refus_Saisie(champ, texte), refus);
}

// A first name looked up, then the memory as recording leaves it: a callsign not found is added.
void Test_Formats::Prenoms_data() {
    QTest::addColumn<Lignes>("avant");
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("prenom"); // "<absent>" when not found
    QTest::addColumn<Lignes>("apres");   // once F5ABC's line is recorded with LUC
    const QByteArray jean = "F5ABC        29 JEAN", marie = "F6XYZ        2A MARIE",
                     luc = "F5ABC        29 LUC";
    const auto ligne = [&](const char* nom, const Lignes& avant, const char* prenom, const Lignes& apres,
                           const char* indicatif = "F5ABC") {
        QTest::newRow(nom) << avant << QString(indicatif) << QString::fromUtf8(prenom) << apres;
    };
    ligne("trouve", {marie, jean}, "JEAN", {marie, luc});
    ligne("doublons: le dernier decide, tous remplaces", {jean, marie, "F5ABC        29 PAUL"}, "PAUL",
          {luc, marie, luc});
    ligne("casse differente: absent", {"f5abc        29 JEAN"}, "<absent>", {"f5abc        29 JEAN", luc});
    ligne("prefixe: absent", {jean}, "<absent>", {jean, "F5AB         29 LUC"}, "F5AB");
    ligne("ligne de 16: prenom vide", {"F5ABC        29 "}, "", {luc});
    ligne("minuscules windows-1252 rendues en capitales", {"F5ABC        29 h\xe9l\xe8ne"}, "HÉLÈNE", {luc});
    ligne("autres lignes intactes", {"abime\xff", marie}, "<absent>", {"abime\xff", marie, luc});
    ligne("memoire vide", {}, "<absent>", {luc});
}

void Test_Formats::Prenoms() {
    QFETCH(Lignes, avant);
    QFETCH(QString, indicatif);
    QFETCH(QString, prenom);
    QFETCH(Lignes, apres);
    const std::optional<QString> trouve = Prenoms::Cherche(avant, indicatif);
    QCOMPARE(trouve.value_or("<absent>"), prenom);
    const QString nouvelle = Prenoms::Ligne(indicatif, "29", "LUC");
    QCOMPARE(Prenoms::Memorise(avant, nouvelle.toLatin1(), !trouve), apres);
}

KEZ_TEST(Test_Formats)

#include "Test_Formats.moc"
