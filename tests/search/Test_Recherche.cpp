#include "Test_Recherche.h"

#include "log/Enregistrement.h"
#include "search/Recherche.h"

#include <QTest>

using Recherche::Critere;

Q_DECLARE_METATYPE(Recherche::Critere)

namespace {

QString QSO(const QString& indicatif, const QString& departement, const QString& date,
            const QString& reference = QStringLiteral("PB1004"), const QString& phare = QString(),
            const QString& qsl = QStringLiteral(" ")) {
    return Enregistrement::Compose(
        {indicatif, departement, "JEAN", reference, date, "10:05", "SSB", "14 Mhz", "59", "59", phare, qsl});
}

// The main window's list for these records, numbered from 1.
QStringList Liste(const QStringList& enregistrements) {
    QStringList lignes;
    for (int i = 0; i < enregistrements.size(); ++i)
        lignes << Enregistrement::Ligne_Liste(enregistrements[i], i + 1);
    return lignes;
}

QString Blancs(int nombre) {
    return QString(nombre, QLatin1Char(' '));
}

} // namespace

void Test_Recherche::Controles_data() {
    QTest::addColumn<QString>("boite");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("vide");
    QTest::addColumn<bool>("cherche");
    QTest::newRow("indicatif") << "Indica"
                               << "F5ABC"
                               << "" << false << true;
    QTest::newRow("indicatif de 12") << "Indica"
                                     << "F5ABCDEFGHIJ"
                                     << "" << false << true;
    QTest::newRow("indicatif de 13, cherche quand meme")
        << "Indica"
        << "F5ABCDEFGHIJK"
        << "12 caracteres maxi pour l'indicatif" << false << true;
    QTest::newRow("indicatif vide") << "Indica"
                                    << ""
                                    << "Entrez un indicatif" << true << false;
    QTest::newRow("date") << "Data"
                          << "14/07/06"
                          << "" << false << true;
    QTest::newRow("chiffres non verifies") << "Data"
                                           << "ab/cd/ef"
                                           << "" << false << true;
    QTest::newRow("date courte aux barres") << "Data"
                                            << "14/07/"
                                            << "" << false << true;
    QTest::newRow("14/7/06") << "Data"
                             << "14/7/06"
                             << "Le format de la date doit etre JJ/MM/AA" << false << false;
    QTest::newRow("date vide") << "Data"
                               << ""
                               << "Le format de la date doit etre JJ/MM/AA" << false << false;
    QTest::newRow("14/07") << "Data"
                           << "14/07"
                           << "Le format de la date doit etre JJ/MM/AA" << false << false;
    QTest::newRow("tirets") << "Data"
                            << "14-07-06"
                            << "Le format de la date doit etre JJ/MM/AA" << false << false;
    QTest::newRow("14/07/2006") << "Data"
                                << "14/07/2006"
                                << "8 caracteres maxi pour la Date" << false << false;
    QTest::newRow("departement") << "Depa"
                                 << "29"
                                 << "" << false << true;
    QTest::newRow("departement d'un chiffre") << "Depa"
                                              << "5"
                                              << "" << false << true;
    QTest::newRow("departement de 3") << "Depa"
                                      << "971"
                                      << "2 caracteres maxi pour le Canton" << false << false;
    QTest::newRow("departement vide") << "Depa"
                                      << ""
                                      << "Entrez un Canton" << true << false;
}

void Test_Recherche::Controles() {
    QFETCH(QString, boite);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    QFETCH(bool, vide);
    QFETCH(bool, cherche);
    const Recherche::Controle controle =
        boite == QLatin1String("Indica") ? Recherche::Controle_Indicatif(texte)
        : boite == QLatin1String("Data") ? Recherche::Controle_Date(texte)
                                         : Recherche::Controle_Departement(texte);
    QCOMPARE(controle.message, message);
    QCOMPARE(controle.vide_la_case, vide);
    QCOMPARE(controle.cherche, cherche);
}

void Test_Recherche::Message_Critere_Absent_data() {
    QTest::addColumn<Critere>("critere");
    QTest::addColumn<QString>("message");
    QTest::newRow("Station") << Critere::Station << "Entrez un indicatif";
    QTest::newRow("Date") << Critere::Date << "Entrez une date";
    QTest::newRow("Dpt") << Critere::Dpt << "Entrez un departement";
}

void Test_Recherche::Message_Critere_Absent() {
    QFETCH(Critere, critere);
    QFETCH(QString, message);
    QCOMPARE(Recherche::Message_Critere_Absent(critere), message);
}

void Test_Recherche::Entete() {
    const QString attendu = Blancs(3) + "N°" + Blancs(3) + "Indicatif" + Blancs(10) + "Dpt" + Blancs(6) +
                            "Date" + Blancs(4) + "N°" + Blancs(1) + "TORV" + Blancs(16) + "Nom du Phare";
    QCOMPARE(Recherche::Entete, attendu);
    QCOMPARE(Recherche::Entete.size(), 79);
}

void Test_Recherche::Ligne_Resultat_data() {
    QTest::addColumn<QString>("enregistrement");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("resultat");
    const QString phare = QStringLiteral("Phare du Creac'h");
    QTest::newRow("QSO 7, QSL recue")
        << QSO("F5ABC", "29", "14/07/06", "PB1004", phare, "*") << 7
        << Blancs(4) + "7" + Blancs(2) + "F5ABC" + Blancs(7) + Blancs(2) + "29 " + Blancs(2) + "14/07/06" +
               Blancs(2) + "PB1004" + Blancs(2) + phare + Blancs(30 - phare.size()) + Blancs(2) + "*";
    QTest::newRow("QSO 9999, sans QSL")
        << QSO("TM5ABCDEFGHI", "2A", "01/01/07", "PB12", "") << 9999
        << " 9999  TM5ABCDEFGHI  2A   01/01/07  PB12    " + Blancs(30) + Blancs(2) + " ";
    QTest::newRow("departement de 4") << QSO("F5ABC", "9710", "14/07/06") << 1
                                      << "    1  F5ABC         971  14/07/06  PB1004  " + Blancs(32) + " ";
    QTest::newRow("QSO 10000") << QSO("F5ABC", "29", "14/07/06", "PB1004", "", "*") << 10000
                               << " 10000  F5ABC         29   14/07/06  PB1004  " + Blancs(32) + "*";
}

void Test_Recherche::Ligne_Resultat() {
    QFETCH(QString, enregistrement);
    QFETCH(int, numero);
    QFETCH(QString, resultat);
    const QString ligne = Recherche::Ligne_Resultat(Enregistrement::Ligne_Liste(enregistrement, numero));
    QCOMPARE(ligne, resultat);
    if (numero < 10000)
        QCOMPARE(ligne.size(), 77);
}

void Test_Recherche::Cherche_data() {
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<Critere>("critere");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QList<int>>("numeros");
    QTest::addColumn<bool>("absent");
    const QStringList log = Liste({QSO("F5ABC", "29", "14/07/06"), QSO("F6XYZ", "56", "15/07/06"),
                                   QSO("TM5F5X", "29", "14/07/06"), QSO("F8AAA", "5", "14/07/06"),
                                   QSO("ON4F5", "2A", "16/07/06")});
    QTest::newRow("f5 n'importe ou") << log << Critere::Station << "f5" << QList<int>{1, 3, 5} << false;
    QTest::newRow("indicatif entier") << log << Critere::Station << "F6XYZ" << QList<int>{2} << false;
    QTest::newRow("indicatif de 13") << log << Critere::Station << "F5ABCDEFGHIJK" << QList<int>{} << false;
    QTest::newRow("date") << log << Critere::Date << "14/07/06" << QList<int>{1, 3, 4} << false;
    QTest::newRow("date absente du log") << log << Critere::Date << "14/07/07" << QList<int>{} << false;
    QTest::newRow("departement 29") << log << Critere::Dpt << "29" << QList<int>{1, 3} << false;
    QTest::newRow("departement 5: rien") << log << Critere::Dpt << "5" << QList<int>{} << false;
    QTest::newRow("departement 2a") << log << Critere::Dpt << "2a" << QList<int>{5} << false;
    QTest::newRow("critere vide") << log << Critere::Station << "" << QList<int>{} << true;
    QTest::newRow("date vide") << log << Critere::Date << "" << QList<int>{} << true;
    QTest::newRow("saut de ligne seul") << log << Critere::Dpt << "\r\n" << QList<int>{} << true;
    // The first line is compared with the break still there.
    QTest::newRow("saut de ligne devant") << log << Critere::Station << "\r\nF5" << QList<int>{3, 5} << false;
    QTest::newRow("log vide, critere vide")
        << QStringList{} << Critere::Station << "" << QList<int>{} << false;
}

void Test_Recherche::Cherche() {
    QFETCH(QStringList, lignes);
    QFETCH(Critere, critere);
    QFETCH(QString, texte);
    QFETCH(QList<int>, numeros);
    QFETCH(bool, absent);
    const Recherche::Resultat resultat = Recherche::Cherche(lignes, critere, texte);
    QStringList attendues;
    for (int numero : numeros)
        attendues << Recherche::Ligne_Resultat(lignes[numero - 1]);
    QCOMPARE(resultat.lignes, attendues);
    QCOMPARE(resultat.critere_absent, absent);
}
