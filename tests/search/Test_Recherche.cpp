#include "log/Enregistrement.h"
#include "search/Recherche.h"
#include "support/Principal.h"

#include <QObject>
#include <QTest>

class Test_Recherche : public QObject {
    Q_OBJECT

private slots:
    void Controles_data();
    void Controles();
    void Ligne_Resultat_data();
    void Ligne_Resultat();
    void Cherche_data();
    void Cherche();
};

using Recherche::Critere;

Q_DECLARE_METATYPE(Recherche::Critere)

namespace {

QString QSO(const QString& indicatif, const QString& departement, const QString& date,
            const QString& reference = QStringLiteral("PB1004"), const QString& phare = QString(),
            const QString& qsl = QStringLiteral(" ")) {
    return Enregistrement::Compose(
        {indicatif, departement, "JEAN", reference, date, "10:05", "SSB", "14 Mhz", "59", "59", phare, qsl});
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
    const auto ligne = [](const char* nom, const char* boite, const char* texte, const char* message,
                          bool vide, bool cherche) {
        QTest::newRow(nom) << QString(boite) << QString(texte) << QString(message) << vide << cherche;
    };
    const char* format = "Le format de la date doit etre JJ/MM/AA";
    ligne("indicatif", "Indica", "F5ABC", "", false, true);
    ligne("indicatif de 12", "Indica", "F5ABCDEFGHIJ", "", false, true);
    ligne("indicatif de 13, cherche quand meme", "Indica", "F5ABCDEFGHIJK",
          "12 caracteres maxi pour l'indicatif", false, true);
    ligne("indicatif vide", "Indica", "", "Entrez un indicatif", true, false);
    ligne("date", "Data", "14/07/06", "", false, true);
    ligne("chiffres non verifies", "Data", "ab/cd/ef", "", false, true);
    ligne("date courte aux barres", "Data", "14/07/", "", false, true);
    ligne("14/7/06", "Data", "14/7/06", format, false, false);
    ligne("date vide", "Data", "", format, false, false);
    ligne("14/07", "Data", "14/07", format, false, false);
    ligne("tirets", "Data", "14-07-06", format, false, false);
    ligne("14/07/2006", "Data", "14/07/2006", "8 caracteres maxi pour la Date", false, false);
    ligne("departement", "Depa", "29", "", false, true);
    ligne("departement d'un chiffre", "Depa", "5", "", false, true);
    ligne("departement de 3", "Depa", "971", "2 caracteres maxi pour le Canton", false, false);
    ligne("departement vide", "Depa", "", "Entrez un Canton", true, false);
}

void Test_Recherche::Controles() {
    QFETCH(QString, boite);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    QFETCH(bool, vide);
    QFETCH(bool, cherche);
    const Recherche::Controle controle = boite == "Indica" ? Recherche::Controle_Indicatif(texte)
                                         : boite == "Data" ? Recherche::Controle_Date(texte)
                                                           : Recherche::Controle_Departement(texte);
    QCOMPARE(controle.message, message);
    QCOMPARE(controle.vide_la_case, vide);
    QCOMPARE(controle.cherche, cherche);
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
    QCOMPARE(Recherche::Ligne_Resultat(Enregistrement::Ligne_Liste(enregistrement, numero)), resultat);
}

void Test_Recherche::Cherche_data() {
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<Critere>("critere");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QList<int>>("numeros");
    QTest::addColumn<bool>("absent");
    QStringList log;
    for (const QString& qso :
         {QSO("F5ABC", "29", "14/07/06"), QSO("F6XYZ", "56", "15/07/06"), QSO("TM5F5X", "29", "14/07/06"),
          QSO("F8AAA", "5", "14/07/06"), QSO("ON4F5", "2A", "16/07/06")})
        log << Enregistrement::Ligne_Liste(qso, log.size() + 1);
    const auto ligne = [&log](const char* nom, Critere critere, const char* texte, const QList<int>& numeros,
                              bool absent = false) {
        QTest::newRow(nom) << log << critere << QString(texte) << numeros << absent;
    };
    ligne("f5 n'importe ou", Critere::Station, "f5", {1, 3, 5});
    ligne("indicatif entier", Critere::Station, "F6XYZ", {2});
    ligne("indicatif de 13", Critere::Station, "F5ABCDEFGHIJK", {});
    ligne("date", Critere::Date, "14/07/06", {1, 3, 4});
    ligne("date absente du log", Critere::Date, "14/07/07", {});
    ligne("departement 29", Critere::Dpt, "29", {1, 3});
    ligne("departement 5: rien", Critere::Dpt, "5", {});
    ligne("departement 2a", Critere::Dpt, "2a", {5});
    ligne("critere vide", Critere::Station, "", {}, true);
    ligne("date vide", Critere::Date, "", {}, true);
    ligne("saut de ligne seul", Critere::Dpt, "\r\n", {}, true);
    // The first line is compared with the break still there.
    ligne("saut de ligne devant", Critere::Station, "\r\nF5", {3, 5});
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

KEZ_TEST(Test_Recherche)

#include "Test_Recherche.moc"
