#include "Test_Prenoms.h"

#include "Clavier.h"
#include "app/Main.h"
#include "log/Prenoms.h"
#include "log/Prenoms_Station.h"
#include "support/Doubles.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

using Lignes = QList<QByteArray>;
using Etape = Fichiers_Defaillants::Etape;
using Clavier::Fichier;

namespace {

const QByteArray Jean = "F5ABC        29 JEAN";
const QByteArray Paul = "F5ABC        29 PAUL";
const QByteArray Marie = "F6XYZ        2A MARIE";

} // namespace

void Test_Prenoms::Ligne_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("departement");
    QTest::addColumn<QString>("prenom");
    QTest::addColumn<QString>("ligne");
    QTest::newRow("5 caracteres, 2 chiffres") << "F5ABC"
                                              << "29"
                                              << "JEAN"
                                              << "F5ABC        29 JEAN";
    QTest::newRow("12 caracteres, 1 chiffre") << "F5ABC/P12345"
                                              << "6"
                                              << "LUC"
                                              << "F5ABC/P12345 6  LUC";
    QTest::newRow("sans prenom: 16 caracteres") << "F5ABC"
                                                << "29"
                                                << ""
                                                << "F5ABC        29 ";
    QTest::newRow("prenom de 15") << "F5ABC"
                                  << "2B"
                                  << "JEAN-CHRISTOPHE"
                                  << "F5ABC        2B JEAN-CHRISTOPHE";
}

void Test_Prenoms::Ligne() {
    QFETCH(QString, indicatif);
    QFETCH(QString, departement);
    QFETCH(QString, prenom);
    QFETCH(QString, ligne);
    QCOMPARE(Prenoms::Ligne(indicatif, departement, prenom), ligne);
}

void Test_Prenoms::Cherche_data() {
    QTest::addColumn<Lignes>("lignes");
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("prenom"); // "<absent>" when not found
    QTest::newRow("trouve") << Lignes{Marie, Jean} << "F5ABC"
                            << "JEAN";
    QTest::newRow("le dernier double decide") << Lignes{Jean, Marie, Paul} << "F5ABC"
                                              << "PAUL";
    QTest::newRow("casse differente: absent") << Lignes{"f5abc        29 JEAN"} << "F5ABC"
                                              << "<absent>";
    QTest::newRow("prefixe: absent") << Lignes{Jean} << "F5AB"
                                     << "<absent>";
    QTest::newRow("prenom en minuscules rendu en capitales") << Lignes{"F5ABC        29 jeanne"} << "F5ABC"
                                                             << "JEANNE";
    QTest::newRow("ligne de 16: prenom vide") << Lignes{"F5ABC        29 "} << "F5ABC"
                                              << "";
    QTest::newRow("ligne courte") << Lignes{"F5ABC"} << "F5ABC"
                                  << "";
    QTest::newRow("blancs en tete de ligne") << Lignes{"  F5ABC      29 JEAN"} << "F5ABC"
                                             << "JEAN";
    QTest::newRow("accent windows-1252")
        << Lignes{"F5ABC        29 h\xe9l\xe8ne"} << "F5ABC" << QString::fromUtf8("HÉLÈNE");
    QTest::newRow("fichier vide") << Lignes{} << "F5ABC"
                                  << "<absent>";
}

void Test_Prenoms::Cherche() {
    QFETCH(Lignes, lignes);
    QFETCH(QString, indicatif);
    QFETCH(QString, prenom);
    QCOMPARE(Prenoms::Cherche(lignes, indicatif).value_or("<absent>"), prenom);
}

void Test_Prenoms::Memorise_data() {
    QTest::addColumn<Lignes>("avant");
    QTest::addColumn<QByteArray>("nouvelle");
    QTest::addColumn<bool>("nouveau");
    QTest::addColumn<Lignes>("apres");
    QTest::newRow("nouveau: a la fin") << Lignes{Marie} << Jean << true << Lignes{Marie, Jean};
    QTest::newRow("fichier vide") << Lignes{} << Jean << true << Lignes{Jean};
    QTest::newRow("remplace en place") << Lignes{Jean, Marie} << Paul << false << Lignes{Paul, Marie};
    QTest::newRow("remplace les doublons")
        << Lignes{Jean, Marie, Jean} << Paul << false << Lignes{Paul, Marie, Paul};
    QTest::newRow("compare les blancs")
        << Lignes{" F5ABC       29 JEAN"} << Paul << false << Lignes{" F5ABC       29 JEAN"};
    QTest::newRow("compare la casse")
        << Lignes{"f5abc        29 JEAN"} << Paul << false << Lignes{"f5abc        29 JEAN"};
    QTest::newRow("nouveau et deja la: remplace et ajoute")
        << Lignes{Jean} << Paul << true << Lignes{Paul, Paul};
    QTest::newRow("autres lignes intactes")
        << Lignes{"abime\xff", Marie} << Jean << true << Lignes{"abime\xff", Marie, Jean};
}

void Test_Prenoms::Memorise() {
    QFETCH(Lignes, avant);
    QFETCH(QByteArray, nouvelle);
    QFETCH(bool, nouveau);
    QFETCH(Lignes, apres);
    QCOMPARE(Prenoms::Memorise(avant, nouvelle, nouveau), apres);
}

void Test_Prenoms::Par_La_Fenetre_data() {
    QTest::addColumn<QByteArray>("fichier"); // "<absent>": no file
    QTest::addColumn<QString>("prenom_a");
    QTest::addColumn<bool>("prenom_nouveau");
    QTest::addColumn<QByteArray>("apres");
    QTest::newRow("fichier absent: cree")
        << QByteArray("<absent>") << "DEJA" << true << Fichier({"F5ABC        29 LUC"});
    QTest::newRow("inconnu: ajoute") << Fichier({Marie}) << "DEJA" << true
                                     << Fichier({Marie, "F5ABC        29 LUC"});
    QTest::newRow("connu: remplace en place")
        << Fichier({Jean, Marie}) << "JEAN" << false << Fichier({"F5ABC        29 LUC", Marie});
    QTest::newRow("connu sans prenom")
        << Fichier({"F5ABC        29 "}) << "" << false << Fichier({"F5ABC        29 LUC"});
    QTest::newRow("doublons") << Fichier({Jean, Marie, Paul}) << "PAUL" << false
                              << Fichier({"F5ABC        29 LUC", Marie, "F5ABC        29 LUC"});
}

void Test_Prenoms::Par_La_Fenetre() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, prenom_a);
    QFETCH(bool, prenom_nouveau);
    QFETCH(QByteArray, apres);
    Plateforme_Test t;
    if (fichier != "<absent>")
        t.Ecrit_Fichier("Liste_Prenom.txt", fichier);
    Main main(t.plateforme);
    main.Prenom_A->setText("DEJA");
    Sous_Programmes::Recherche_Prenom(main, "F5ABC");
    QCOMPARE(main.Prenom_A->text(), prenom_a);
    QCOMPARE(main.Prenom_A->isEnabled(), !prenom_nouveau);
    QCOMPARE(main.Prenom_Nouveau, prenom_nouveau);
    QVERIFY(Sous_Programmes::Memorise_Prenom(main, "F5ABC        29 LUC"));
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), apres);
    QVERIFY(t.messages.textes.isEmpty());
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files), QStringList{"Liste_Prenom.txt"});
    // Recorded once more, as after a failed log write: the line is not added twice.
    QVERIFY(Sous_Programmes::Memorise_Prenom(main, "F5ABC        29 LUC"));
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), apres);
}

void Test_Prenoms::Panne_Ecriture_data() {
    QTest::addColumn<Etape>("etape");
    QTest::newRow("ouverture") << Etape::Ouverture;
    QTest::newRow("ecriture") << Etape::Ecriture;
    QTest::newRow("vidage") << Etape::Vidage;
    QTest::newRow("renommage") << Etape::Validation;
}

void Test_Prenoms::Panne_Ecriture() {
    QFETCH(Etape, etape);
    Plateforme_Test t;
    t.Ecrit_Fichier("Liste_Prenom.txt", Fichier({Marie}));
    Main main(t.plateforme);
    Sous_Programmes::Recherche_Prenom(main, "F5ABC");
    t.fichiers.panne = etape;
    QVERIFY(!Sous_Programmes::Memorise_Prenom(main, QString::fromLatin1(Jean)));
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), Fichier({Marie}));
    QCOMPARE(t.messages.textes.size(), 1);
    QVERIFY(
        t.messages.textes[0].startsWith(QStringLiteral("Impossible d'enregistrer le fichier %1 : ")
                                            .arg(QDir::toNativeSeparators(t.Chemin("Liste_Prenom.txt")))));
    QVERIFY(main.Prenom_Nouveau);
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files), QStringList{"Liste_Prenom.txt"});
}

void Test_Prenoms::Fichier_Illisible() {
    Plateforme_Test t;
    // A folder in the file's place cannot be read as a file.
    QVERIFY(QDir(t.repertoire.Chemin()).mkdir("Liste_Prenom.txt"));
    Main main(t.plateforme);
    main.Prenom_A->setText("DEJA");
    Sous_Programmes::Recherche_Prenom(main, "F5ABC");
    QCOMPARE(main.Prenom_A->text(), QStringLiteral("DEJA"));
    QVERIFY(!Sous_Programmes::Memorise_Prenom(main, QString::fromLatin1(Jean)));
    const QString debut = QStringLiteral("Impossible de lire le fichier %1 : ")
                              .arg(QDir::toNativeSeparators(t.Chemin("Liste_Prenom.txt")));
    QCOMPARE(t.messages.textes.size(), 2);
    QVERIFY(t.messages.textes[0].startsWith(debut));
    QVERIFY(t.messages.textes[1].startsWith(debut));
    QVERIFY(QFileInfo(t.Chemin("Liste_Prenom.txt")).isDir());
}
