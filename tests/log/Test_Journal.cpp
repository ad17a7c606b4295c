#include "Test_Journal.h"

#include "app/Main.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "log/Journal_Station.h"
#include "support/Doubles.h"

#include <QListWidget>
#include <QTest>

using Lignes = QList<QByteArray>;
using Etape = Fichiers_Defaillants::Etape;

namespace {

// A record with its date and time; the callsign tells the records apart.
QByteArray Q(const char* indicatif, const char* date, const char* heure, const char* reference = "PB1004") {
    return Enregistrement::Compose(
               {indicatif, "29", "", reference, date, heure, "SSB", "14 Mhz", "59", "59", "", " "})
        .toLatin1();
}

QByteArray Fichier(const Lignes& lignes) {
    QByteArray octets;
    for (const QByteArray& l : lignes)
        octets += l + "\r\n";
    return octets;
}

} // namespace

void Test_Journal::Changements_data() {
    QTest::addColumn<QString>("changement");
    QTest::addColumn<Lignes>("avant");
    QTest::addColumn<QByteArray>("nouveau");
    QTest::addColumn<QByteArray>("ancien");
    QTest::addColumn<Lignes>("apres");
    const QByteArray a = Q("A", "01/01/06", "10:00"), b = Q("B", "02/01/06", "10:00"),
                     n = Q("N", "01/01/06", "10:00");
    QTest::newRow("ajout, log vide") << "ajoute" << Lignes{} << n << QByteArray() << Lignes{n};
    QTest::newRow("ajout a la fin") << "ajoute" << Lignes{b, a} << n << QByteArray() << Lignes{b, a, n};
    QTest::newRow("remplace en place") << "remplace" << Lignes{a, b} << n << a << Lignes{n, b};
    QTest::newRow("remplace les doublons") << "remplace" << Lignes{a, b, a} << n << a << Lignes{n, b, n};
    QTest::newRow("remplace un absent: ajoute")
        << "remplace" << Lignes{a, b} << n << Q("Z", "01/01/06", "10:00") << Lignes{a, b, n};
    QTest::newRow("supprime") << "supprime" << Lignes{a, b} << a << QByteArray() << Lignes{b};
    QTest::newRow("supprime les doublons") << "supprime" << Lignes{a, b, a} << a << QByteArray() << Lignes{b};
    QTest::newRow("supprime un absent") << "supprime" << Lignes{a, b} << n << QByteArray() << Lignes{a, b};
    QTest::newRow("insere, log vide") << "insere" << Lignes{} << n << QByteArray() << Lignes{n};
    QTest::newRow("insere avant le meme moment")
        << "insere" << Lignes{a, b} << n << QByteArray() << Lignes{n, a, b};
    const QByteArray tard = Q("T", "01/01/06", "10:01");
    QTest::newRow("insere avant la minute suivante")
        << "insere" << Lignes{b, tard} << n << QByteArray() << Lignes{n, b, tard};
    QTest::newRow("insere a la fin") << "insere" << Lignes{a, b} << Q("N", "03/01/06", "00:00")
                                     << QByteArray() << Lignes{a, b, Q("N", "03/01/06", "00:00")};
    const QByteArray an49 = Q("X", "01/01/49", "00:00"), an50 = Q("Y", "01/01/50", "00:00");
    QTest::newRow("49 est 2049") << "insere" << Lignes{an50, a, an49} << Q("N", "31/12/48", "23:59")
                                 << QByteArray() << Lignes{an50, a, Q("N", "31/12/48", "23:59"), an49};
    QTest::newRow("50 est 1950") << "insere" << Lignes{an50, a} << Q("N", "31/12/49", "00:00") << QByteArray()
                                 << Lignes{an50, a, Q("N", "31/12/49", "00:00")};
    QTest::newRow("99 avant 00") << "insere"
                                 << Lignes{Q("X", "31/12/99", "23:59"), Q("Y", "01/01/00", "00:00")}
                                 << Q("N", "01/01/00", "00:00") << QByteArray()
                                 << Lignes{Q("X", "31/12/99", "23:59"), Q("N", "01/01/00", "00:00"),
                                           Q("Y", "01/01/00", "00:00")};
    QTest::newRow("mois avant jour") << "insere"
                                     << Lignes{Q("X", "02/01/06", "00:00"), Q("Y", "01/02/06", "00:00")}
                                     << Q("N", "31/01/06", "00:00") << QByteArray()
                                     << Lignes{Q("X", "02/01/06", "00:00"), Q("N", "31/01/06", "00:00"),
                                               Q("Y", "01/02/06", "00:00")};
    const QByteArray illisible = "ligne abimee";
    QTest::newRow("ligne illisible passee")
        << "insere" << Lignes{a, illisible, b} << Q("N", "01/06/06", "00:00") << QByteArray()
        << Lignes{a, illisible, b, Q("N", "01/06/06", "00:00")};
}

void Test_Journal::Changements() {
    QFETCH(QString, changement);
    QFETCH(Lignes, avant);
    QFETCH(QByteArray, nouveau);
    QFETCH(QByteArray, ancien);
    QFETCH(Lignes, apres);
    Lignes obtenu;
    if (changement == "ajoute")
        obtenu = Journal::Ajoute(avant, nouveau);
    else if (changement == "remplace")
        obtenu = Journal::Remplace(avant, nouveau, ancien);
    else if (changement == "supprime")
        obtenu = Journal::Supprime(avant, nouveau);
    else
        obtenu = Journal::Insere(avant, nouveau);
    QCOMPARE(obtenu, apres);
}

void Test_Journal::Premiere_Date_Reference_data() {
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("date");
    QTest::newRow("premier dans l'ordre du fichier") << "PB1004"
                                                     << "03/03/06";
    QTest::newRow("reference courte") << "PB12"
                                      << "04/04/06";
    QTest::newRow("pas un prefixe") << "PB1"
                                    << "<absent>";
    QTest::newRow("absente") << "PB9999"
                             << "<absent>";
}

void Test_Journal::Premiere_Date_Reference() {
    QFETCH(QString, reference);
    QFETCH(QString, date);
    const Lignes log{Q("A", "03/03/06", "10:00", "PB1004"), Q("B", "04/04/06", "10:00", "PB12"),
                     Q("C", "01/01/06", "10:00", "PB1004")};
    QCOMPARE(Journal::Premiere_Date_Reference(log, reference).value_or("<absent>"), date);
}

void Test_Journal::Reecriture_Par_La_Fenetre_data() {
    QTest::addColumn<QString>("changement");
    QTest::addColumn<QByteArray>("fichier");
    const QByteArray a = Q("A", "01/01/06", "10:00"), b = Q("B", "02/01/06", "10:00"),
                     n = Q("N", "01/01/06", "09:00");
    QTest::newRow("ajout") << "ajoute" << Fichier({a, b, n});
    QTest::newRow("remplacement") << "remplace" << Fichier({n, b});
    QTest::newRow("suppression") << "supprime" << Fichier({b});
    QTest::newRow("insertion") << "insere" << Fichier({n, a, b});
}

void Test_Journal::Reecriture_Par_La_Fenetre() {
    QFETCH(QString, changement);
    QFETCH(QByteArray, fichier);
    Plateforme_Test t;
    const QByteArray a = Q("A", "01/01/06", "10:00"), b = Q("B", "02/01/06", "10:00"),
                     n = Q("N", "01/01/06", "09:00");
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("F5ABC_TORV.log", Fichier({a, b}));
    Main main(t.plateforme);
    main.Form_Load();
    main.Liste_TORV->setCurrentRow(0);
    bool fait = false;
    if (changement == "ajoute")
        fait = Sous_Programmes::Ajout_Fin_Log(main, n);
    else if (changement == "remplace")
        fait = Sous_Programmes::Remplace_QSO_Log(main, n, a);
    else if (changement == "supprime")
        fait = Sous_Programmes::Supprime_QSO_Log(main, a);
    else
        fait = Sous_Programmes::Insere_QSO_Log(main, n);
    QVERIFY(fait);
    QVERIFY(t.messages.textes.isEmpty());
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), fichier);
    const int lignes = fichier.count("\r\n");
    QCOMPARE(main.Liste_TORV->count(), lignes);
    QCOMPARE(main.Liste_TORV->currentRow(), lignes - 1);
    QCOMPARE(main.Ligne_Selectionnee, main.Liste_TORV->item(lignes - 1)->text());
    QVERIFY(main.Ligne_Selectionnee.startsWith(QStringLiteral("    %1  ").arg(lignes)));
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files), QStringList{"F5ABC_TORV.log"});
}

void Test_Journal::Panne_Au_Milieu_data() {
    QTest::addColumn<Etape>("etape");
    QTest::newRow("ouverture du brouillon") << Etape::Ouverture;
    QTest::newRow("ecriture") << Etape::Ecriture;
    QTest::newRow("vidage") << Etape::Vidage;
    QTest::newRow("renommage") << Etape::Validation;
}

void Test_Journal::Panne_Au_Milieu() {
    QFETCH(Etape, etape);
    Plateforme_Test t;
    const QByteArray a = Q("A", "01/01/06", "10:00"), b = Q("B", "02/01/06", "10:00");
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("F5ABC_TORV.log", Fichier({a, b}));
    Main main(t.plateforme);
    main.Form_Load();
    t.fichiers.panne = etape;
    QVERIFY(!Sous_Programmes::Supprime_QSO_Log(main, a));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier({a, b}));
    QCOMPARE(t.messages.textes.size(), 1);
    QVERIFY(t.messages.textes[0].startsWith(QStringLiteral("Impossible d'enregistrer le fichier %1 : ")
                                                .arg(QDir::toNativeSeparators(t.Chemin("F5ABC_TORV.log")))));
    QCOMPARE(main.Liste_TORV->count(), 2);
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files), QStringList{"F5ABC_TORV.log"});
}

void Test_Journal::Suppression_Du_Dernier_QSO() {
    Plateforme_Test t;
    const QByteArray a = Q("A", "01/01/06", "10:00");
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("F5ABC_TORV.log", Fichier({a}));
    Main main(t.plateforme);
    main.Form_Load();
    QCOMPARE(Enregistrement::De_Ligne_Liste(main.Ligne_Selectionnee).toLatin1(), a);
    QVERIFY(Sous_Programmes::Supprime_QSO_Log(main, a));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), QByteArray());
    QCOMPARE(main.Liste_TORV->count(), 0);
    QCOMPARE(main.Ligne_Selectionnee, QString());
}

void Test_Journal::Ligne_Illisible_Gardee() {
    Plateforme_Test t;
    const QByteArray a = Q("A", "01/01/06", "10:00"), b = Q("B", "02/01/06", "10:00");
    const QByteArray abimee("\x81\x00\x9d court\xff", 10);
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("F5ABC_TORV.log", a + "\r\n" + abimee + "\n\r\n" + b);
    Main main(t.plateforme);
    main.Form_Load();
    QCOMPARE(main.Liste_TORV->count(), 4);
    QVERIFY(Sous_Programmes::Supprime_QSO_Log(main, b));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), a + "\r\n" + abimee + "\r\n\r\n");
}
