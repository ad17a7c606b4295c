#include "Test_Controle_Saisie.h"

#include "log/Controle_Saisie.h"

#include <QTest>

Q_DECLARE_METATYPE(Champ_Saisie)

void Test_Controle_Saisie::Controle_Date_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("erreur");
    QTest::newRow("14/07/06") << "14/07/06" << 0;
    QTest::newRow("31/02/06: jour non compare au mois") << "31/02/06" << 0;
    QTest::newRow("00/00/00") << "00/00/00" << 0;
    QTest::newRow("31/12/99") << "31/12/99" << 0;
    QTest::newRow("32/01/06") << "32/01/06" << 1;
    QTest::newRow("01/13/06") << "01/13/06" << 1;
    QTest::newRow("1/7/06") << "1/7/06" << 1;
    QTest::newRow("14-07-06") << "14-07-06" << 1;
    QTest::newRow("14/07/2006") << "14/07/2006" << 1;
    QTest::newRow("14/07/06 et un blanc") << "14/07/06 " << 1;
    QTest::newRow("14/07/0") << "14/07/0" << 1;
    QTest::newRow("lettre") << "1A/07/06" << 1;
    QTest::newRow("blanc pour chiffre") << " 4/07/06" << 1;
    QTest::newRow("chiffre arabe-indien") << QString::fromUtf8("١٤/07/06") << 1;
    QTest::newRow("vide") << "" << 1;
}

void Test_Controle_Saisie::Controle_Date() {
    QFETCH(QString, texte);
    QFETCH(int, erreur);
    QCOMPARE(Sous_Programmes::Controle_Date(texte), erreur);
}

void Test_Controle_Saisie::Controle_Heure_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("erreur");
    QTest::newRow("00:00") << "00:00" << 0;
    QTest::newRow("23:59") << "23:59" << 0;
    QTest::newRow("09:05") << "09:05" << 0;
    QTest::newRow("24:00") << "24:00" << 1;
    QTest::newRow("12:60") << "12:60" << 1;
    QTest::newRow("9:05") << "9:05" << 1;
    QTest::newRow("12h05") << "12h05" << 1;
    QTest::newRow("12:05:00") << "12:05:00" << 1;
    QTest::newRow("12.05") << "12.05" << 1;
    QTest::newRow("vide") << "" << 1;
}

void Test_Controle_Saisie::Controle_Heure() {
    QFETCH(QString, texte);
    QFETCH(int, erreur);
    QCOMPARE(Sous_Programmes::Controle_Heure(texte), erreur);
}

void Test_Controle_Saisie::Refus_Saisie_data() {
    QTest::addColumn<Champ_Saisie>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("refus");
    // The limits of each rule and the order of its checks; each message is also met through the
    // keyboard in Test_Saisie_QSO.
    using C = Champ_Saisie;
    QTest::newRow("indicatif 12") << C::Indicatif << "ABCDEFGHIJ12"
                                  << "";
    QTest::newRow("indicatif avec /") << C::Indicatif << "F5ABC/P"
                                      << "";
    QTest::newRow("indicatif avec L barre")
        << C::Indicatif << QString::fromUtf8("F5ŁAB") << QString::fromUtf8("Caractere non autorise : Ł");
    QTest::newRow("prenom vide") << C::Prenom << ""
                                 << "";
    QTest::newRow("prenom 15") << C::Prenom << "ABCDEFGHIJKLMNO"
                               << "";
    QTest::newRow("prenom accentue") << C::Prenom << QString::fromUtf8("HÉLÈNE") << "";
    QTest::newRow("prenom emoji") << C::Prenom << QString::fromUtf8("JO😀")
                                  << QString::fromUtf8("Caractere non autorise : 😀");
    QTest::newRow("reference vide") << C::Reference << ""
                                    << "";
    QTest::newRow("reference pb") << C::Reference << "pb"
                                  << "";
    QTest::newRow("reference 6") << C::Reference << "PB1004"
                                 << "";
    QTest::newRow("departement 2A") << C::Departement << "2A"
                                    << "";
    QTest::newRow("date juste") << C::Date << "14/07/06"
                                << "";
    QTest::newRow("heure juste") << C::Heure << "23:59"
                                 << "";
    QTest::newRow("mode 3") << C::Mode << "SSB"
                            << "";
    QTest::newRow("mode 6") << C::Mode << "PACTOR"
                            << "3 caracteres maxi pour le Mode";
    QTest::newRow("bande 7") << C::Bande << "432 Mhz"
                             << "";
    QTest::newRow("report 5") << C::Report << "5"
                              << "";
    QTest::newRow("report 59") << C::Report << "59"
                               << "";
    QTest::newRow("report 599") << C::Report << "599"
                                << "";
    QTest::newRow("report 5NN") << C::Report << "5NN"
                                << "";
    QTest::newRow("report 0") << C::Report << "0"
                              << "";
    QTest::newRow("report 6999: longueur d'abord") << C::Report << "6999"
                                                   << "3 caracteres maxi pour le Report";
    QTest::newRow("nom vide") << C::Nom_Phare << ""
                              << "";
    QTest::newRow("nom 30") << C::Nom_Phare << QString(30, 'A') << "";
    QTest::newRow("nom avec euro et oe") << C::Nom_Phare << QString::fromUtf8("P. Œ €") << "";
    QTest::newRow("nom avec ideogramme")
        << C::Nom_Phare << QString::fromUtf8("P. 灯台") << QString::fromUtf8("Caractere non autorise : 灯");
}

void Test_Controle_Saisie::Refus_Saisie() {
    QFETCH(Champ_Saisie, champ);
    QFETCH(QString, texte);
    QFETCH(QString, refus);
    QCOMPARE(Sous_Programmes::Refus_Saisie(champ, texte), refus);
}
