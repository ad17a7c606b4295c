#include "Test_Plateforme.h"

#include "app/Adaptateur_Touches.h"
#include "app/Fichier_Texte.h"
#include "support/Doubles.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

using Lignes = QList<QByteArray>;
using Etape = Fichiers_Defaillants::Etape;

void Test_Plateforme::Coupe_Lignes_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<Lignes>("lignes");
    QTest::newRow("vide") << QByteArray() << Lignes{};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << Lignes{"a", "b"};
    QTest::newRow("sans fin de ligne finale") << QByteArray("a\r\nb") << Lignes{"a", "b"};
    QTest::newRow("LF seuls") << QByteArray("a\nb\n") << Lignes{"a", "b"};
    QTest::newRow("CR seuls") << QByteArray("a\rb\r") << Lignes{"a", "b"};
    QTest::newRow("ligne vide gardee") << QByteArray("a\r\n\r\nb\r\n") << Lignes{"a", "", "b"};
    QTest::newRow("une ligne vide") << QByteArray("\r\n") << Lignes{""};
    QTest::newRow("LF CR fait deux fins") << QByteArray("a\n\rb") << Lignes{"a", "", "b"};
}

void Test_Plateforme::Coupe_Lignes() {
    QFETCH(QByteArray, octets);
    QFETCH(Lignes, lignes);
    QCOMPARE(Fichier_Texte::Coupe_Lignes(octets), lignes);
}

void Test_Plateforme::Codage_Aller_Retour_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("ascii") << QStringLiteral("F5ABC") << QByteArray("F5ABC");
    QTest::newRow("accents") << QStringLiteral("Créac'h é à")
                             << QByteArray("Cr\xe9"
                                           "ac'h \xe9 \xe0");
    QTest::newRow("euro et oe") << QStringLiteral("€œŸ") << QByteArray("\x80\x9c\x9f");
    // Bytes Windows-1252 leaves undefined come back as they were.
    QTest::newRow("octets indefinis")
        << QStringLiteral("\u0081\u008d\u008f\u0090\u009d") << QByteArray("\x81\x8d\x8f\x90\x9d");
}

void Test_Plateforme::Codage_Aller_Retour() {
    QFETCH(QString, texte);
    QFETCH(QByteArray, octets);
    QCOMPARE(Fichier_Texte::Encode(texte), octets);
    QCOMPARE(Fichier_Texte::Decode(octets), texte);
}

void Test_Plateforme::Caractere_Non_Encodable_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("refuse");
    QTest::newRow("ascii") << QStringLiteral("PB1004") << QString();
    QTest::newRow("latin") << QStringLiteral("Île d'Yeu €") << QString();
    QTest::newRow("L barre") << QStringLiteral("SP5Ł") << QStringLiteral("Ł");
    QTest::newRow("emoji") << QStringLiteral("A😀B") << QStringLiteral("😀");
    QTest::newRow("premier des deux") << QStringLiteral("ЖŁ") << QStringLiteral("Ж");
}

void Test_Plateforme::Caractere_Non_Encodable() {
    QFETCH(QString, texte);
    QFETCH(QString, refuse);
    QCOMPARE(Fichier_Texte::Caractere_Non_Encodable(texte), refuse);
}

void Test_Plateforme::Remplace_Ecrit_CR_LF() {
    Plateforme_Test t;
    QCOMPARE(t.fichiers.Remplace(t.Chemin("f.txt"), Lignes{"un", "", "trois"}), QString());
    QCOMPARE(t.Lit_Fichier("f.txt"), QByteArray("un\r\n\r\ntrois\r\n"));
    QCOMPARE(t.fichiers.Remplace(t.Chemin("f.txt"), Lignes{}), QString());
    QCOMPARE(t.Lit_Fichier("f.txt"), QByteArray());
}

void Test_Plateforme::Panne_Laisse_Le_Fichier_data() {
    QTest::addColumn<Etape>("etape");
    QTest::newRow("ouverture du brouillon") << Etape::Ouverture;
    QTest::newRow("ecriture") << Etape::Ecriture;
    QTest::newRow("vidage sur disque") << Etape::Vidage;
    QTest::newRow("renommage") << Etape::Validation;
}

void Test_Plateforme::Panne_Laisse_Le_Fichier() {
    QFETCH(Etape, etape);
    Plateforme_Test t;
    t.Ecrit_Fichier("f.txt", "ancien\r\n");
    t.fichiers.panne = etape;
    QVERIFY(!t.fichiers.Remplace(t.Chemin("f.txt"), Lignes{"nouveau", "contenu"}).isEmpty());
    QCOMPARE(t.Lit_Fichier("f.txt"), QByteArray("ancien\r\n"));
    // No scratch file is left behind beside it.
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files), QStringList{"f.txt"});
}

void Test_Plateforme::Lit_Fichier_Absent() {
    Plateforme_Test t;
    const Lecture_Fichier lecture = t.fichiers.Lit(t.Chemin("absent.txt"));
    QCOMPARE(lecture.etat, Lecture_Fichier::Etat::Absent);
    QVERIFY(lecture.lignes.isEmpty());
}

void Test_Plateforme::Position_Lue_data() {
    QTest::addColumn<QString>("stocke");
    QTest::addColumn<int>("position");
    QTest::newRow("premiere") << "0" << 0;
    QTest::newRow("derniere") << "11" << 11;
    QTest::newRow("aucune") << "-1" << -1;
    QTest::newRow("hors liste") << "12" << 0;
    QTest::newRow("99") << "99" << 0;
    QTest::newRow("-2") << "-2" << 0;
    QTest::newRow("pas un nombre") << "abc" << 0;
    QTest::newRow("vide") << "" << 0;
}

void Test_Plateforme::Position_Lue() {
    QFETCH(QString, stocke);
    QFETCH(int, position);
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup F5ABC", "bande Utilisee", stocke);
    QCOMPARE(t.parametres->Lit_Position(Reglages::Bande_Utilisee, "F5ABC", 12), position);
}

void Test_Plateforme::Indicatif_Station_Lu_data() {
    QTest::addColumn<QString>("stocke");
    QTest::addColumn<QString>("lu");
    QTest::newRow("simple") << "F5ABC"
                            << "F5ABC";
    QTest::newRow("portable") << "F5ABC_P"
                              << "F5ABC_P";
    QTest::newRow("12 caracteres") << "ABCDEFGHIJ12"
                                   << "ABCDEFGHIJ12";
    QTest::newRow("40 caracteres") << QString(40, 'A') << "FXXXX";
    QTest::newRow("barre oblique") << "../F5ABC"
                                   << "FXXXX";
    QTest::newRow("minuscules") << "f5abc"
                                << "FXXXX";
    QTest::newRow("vide") << ""
                          << "FXXXX";
}

void Test_Plateforme::Indicatif_Station_Lu() {
    QFETCH(QString, stocke);
    QFETCH(QString, lu);
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", stocke);
    QCOMPARE(t.parametres->Indicatif_Station(), lu);
}

void Test_Plateforme::Sections_Et_Cles() {
    Plateforme_Test t;
    QCOMPARE(t.parametres->Indicatif_Station(), QStringLiteral("FXXXX"));
    QCOMPARE(t.parametres->Lit(Reglages::Date_Auto, "F5ABC"), QStringLiteral("Oui"));
    t.parametres->Ecrit(Reglages::Indicatif_Station, "F5ABC");
    t.parametres->Ecrit(Reglages::Mode_Utilise, "2", "F5ABC");
    t.parametres->Ecrit(Reglages::Date_Auto, "Non", "F5ABC");
    QCOMPARE(t.Reglage("Setup ", "Indicatif Station"), QStringLiteral("F5ABC"));
    QCOMPARE(t.Reglage("Setup F5ABC", "Mode Utilise"), QStringLiteral("2"));
    QCOMPARE(t.Reglage("Setup F5ABC", "Date Auto"), QStringLiteral("Non"));
    QCOMPARE(t.Reglage("Setup", "Indicatif Station"), QStringLiteral("<absent>"));
}

void Test_Plateforme::Textes_Horloge_data() {
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("heure");
    QTest::newRow("zeros gardes") << QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7), Qt::UTC) << "05/12/26"
                                  << "09:05:07";
    QTest::newRow("2030") << QDateTime(QDate(2030, 1, 1), QTime(0, 0, 0), Qt::UTC) << "01/01/30"
                          << "00:00:00";
    QTest::newRow("fin de journee") << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59), Qt::UTC)
                                    << "31/12/99"
                                    << "23:59:59";
}

void Test_Plateforme::Textes_Horloge() {
    QFETCH(QDateTime, utc);
    QFETCH(QString, date);
    QFETCH(QString, heure);
    Horloge_Test horloge;
    horloge.utc = utc;
    horloge.locale = utc.addSecs(3600 + 60).toLocalTime();
    horloge.locale.setTimeSpec(Qt::LocalTime);
    QCOMPARE(Sous_Programmes::Date_Utc_Texte(horloge), date);
    QCOMPARE(Sous_Programmes::Heure_Utc_Texte(horloge), heure);
    QCOMPARE(Sous_Programmes::Heure_Locale_Texte(horloge), horloge.locale.time().toString("HH:mm:ss"));
}

void Test_Plateforme::Adaptateur_Touches_data() {
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("remplacement");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("codes");
    QTest::newRow("inchange") << "ab1"
                              << ""
                              << "ab1"
                              << "97,98,49";
    QTest::newRow("majuscules") << "ab1"
                                << "maj"
                                << "AB1"
                                << "97,98,49";
    QTest::newRow("avale") << "a/b"
                           << "avale /"
                           << "ab"
                           << "97,47,98";
    QTest::newRow("remplace") << "a/b"
                              << "souligne /"
                              << "a_b"
                              << "97,47,98";
}

void Test_Plateforme::Adaptateur_Touches() {
    QFETCH(QString, tape);
    QFETCH(QString, remplacement);
    QFETCH(QString, texte);
    QFETCH(QString, codes);
    QLineEdit champ;
    QStringList recus;
    Adaptateur_Touches::Installe(&champ, [&](int& code) {
        recus << QString::number(code);
        if (remplacement == "maj")
            Sous_Programmes::Majuscule(code);
        else if (remplacement == "avale /" && code == '/')
            code = 0;
        else if (remplacement == "souligne /" && code == '/')
            code = '_';
    });
    QTest::keyClicks(&champ, tape);
    QCOMPARE(champ.text(), texte);
    QCOMPARE(recus.join(','), codes);
    recus.clear();
    QTest::keyClick(&champ, Qt::Key_Return);
    QTest::keyClick(&champ, Qt::Key_Left);
    QCOMPARE(recus.join(','), QStringLiteral("13"));
}
