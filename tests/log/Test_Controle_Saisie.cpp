#include "log/Controle_Saisie.h"
#include "support/Principal.h"

#include <QObject>
#include <QTest>

class Test_Controle_Saisie : public QObject {
    Q_OBJECT

private slots:
    void Formats_data();
    void Formats();
    void Refus_Saisie_data();
    void Refus_Saisie();
};

Q_DECLARE_METATYPE(Champ_Saisie)

void Test_Controle_Saisie::Formats_data() {
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

void Test_Controle_Saisie::Formats() {
    QFETCH(bool, heure);
    QFETCH(QString, texte);
    QFETCH(int, erreur);
    QCOMPARE((heure ? Sous_Programmes::Controle_Heure : Sous_Programmes::Controle_Date)(texte), erreur);
}

// The limits of each rule and the order of its checks; each message is also met through the keyboard
// in Test_Saisie_QSO, with the accepted texts that are not repeated here.
void Test_Controle_Saisie::Refus_Saisie_data() {
    QTest::addColumn<Champ_Saisie>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("refus");
    using C = Champ_Saisie;
    const auto ligne = [](const char* nom, C champ, const char* texte, const char* refus = "") {
        QTest::newRow(nom) << champ << QString::fromUtf8(texte) << QString::fromUtf8(refus);
    };
    ligne("indicatif avec L barre", C::Indicatif, "F5ŁAB", "Caractere non autorise : Ł");
    ligne("prenom 15", C::Prenom, "ABCDEFGHIJKLMNO");
    ligne("prenom accentue", C::Prenom, "HÉLÈNE");
    ligne("prenom emoji", C::Prenom, "JO😀", "Caractere non autorise : 😀");
    ligne("reference vide", C::Reference, "");
    ligne("reference pb", C::Reference, "pb");
    ligne("mode 6", C::Mode, "PACTOR", "3 caracteres maxi pour le Mode");
    ligne("bande 7", C::Bande, "432 Mhz");
    ligne("report 0", C::Report, "0");
    ligne("report 6999: longueur d'abord", C::Report, "6999", "3 caracteres maxi pour le Report");
    ligne("nom 30", C::Nom_Phare, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA");
    ligne("nom avec euro et oe", C::Nom_Phare, "P. Œ €");
    ligne("nom avec ideogramme", C::Nom_Phare, "P. 灯台", "Caractere non autorise : 灯");
}

void Test_Controle_Saisie::Refus_Saisie() {
    QFETCH(Champ_Saisie, champ);
    QFETCH(QString, texte);
    QFETCH(QString, refus);
    QCOMPARE(Sous_Programmes::Refus_Saisie(champ, texte), refus);
}

KEZ_TEST(Test_Controle_Saisie)

#include "Test_Controle_Saisie.moc"
