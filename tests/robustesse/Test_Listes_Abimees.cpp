#include "Test_Listes_Abimees.h"

#include "app/Fichier_Texte.h"
#include "lighthouses/Phares_Francais.h"
#include "log/Clavier.h"
#include "log/Enregistrement.h"
#include "log/Prenoms.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTest>

using namespace Clavier;
using Lignes = QList<QByteArray>;

namespace {

// The lighthouse looked up in every damaged reference file, and its line in the lighthouse window.
const QByteArray Creach = "Phare du Creac'h\r\n1004\r\nLH1\r\n29\r\n\r\n";
const QString Ligne_Creach = " Phare du Creac'h                        1004   LH1    29 ";

// The callsign looked up in every damaged first-name memory, and its line there.
const QByteArray Luc = "F5XYZ        29 LUC";

// Bytes at random, line ends included, the same on each run.
QByteArray Au_Hasard(qsizetype taille, quint32 graine) {
    QRandomGenerator hasard(graine);
    QByteArray octets(taille, Qt::Uninitialized);
    hasard.fillRange(reinterpret_cast<quint32*>(octets.data()), octets.size() / 4);
    return octets;
}

constexpr qsizetype Vingt_Mo = 20 * 1024 * 1024;

// 20 MB of lighthouses, each five lines, the looked-up one last.
QByteArray Vingt_Mo_De_Phares() {
    QByteArray octets;
    octets.reserve(Vingt_Mo + Creach.size());
    for (int numero = 0; octets.size() < Vingt_Mo; ++numero)
        octets += "Phare numero " + QByteArray::number(numero) + "\r\n" + QByteArray::number(numero + 2000) +
                  "\r\n\r\n56\r\n\r\n";
    return octets + Creach;
}

Phares_Francais* Ouvre_Liste_Phares(Main& main) {
    main.Mnu_Liste_FR->trigger();
    return main.findChild<Phares_Francais*>();
}

QStringList Lignes_De(const QListWidget* liste, int nombre) {
    QStringList lignes;
    for (int i = 0; i < qMin(nombre, liste->count()); ++i)
        lignes << liste->item(i)->text();
    return lignes;
}

// Enter in that field, reached as the operator would after correcting the fields before it.
void Entree_Dans(Main& main, QWidget* champ) {
    champ->setEnabled(true);
    champ->setFocus();
    Entree(main);
}

// A whole QSO typed from the callsign on, the first name replaced, then recorded.
void Enregistre_QSO(Main& main, const QString& prenom) {
    main.Mnu_Date_Man->trigger();
    main.Ind_A->setFocus();
    for (int i = 0; i < Chaine.size(); ++i) {
        if (Chaine[i] == "Prenom_A")
            Remplace(main, prenom);
        Saisit(main, Textes_Usuels[i]);
    }
    QCOMPARE(Champ(main), main.Valide_A);
    Entree(main);
}

} // namespace

// Each damaged reference file, looked up on Enter in Ref_A and shown in the lighthouse window: the
// program goes on, and the operator is told where he must correct what the file gave him.
void Test_Listes_Abimees::Liste_Phare_Abimee_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QString>("departement");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("phares");            // lines of the lighthouse window
    QTest::addColumn<QStringList>("premieres"); // its first lines
    QTest::addColumn<QStringList>("messages");  // on Enter in Dpt_A, then in Rem_A

    const QStringList trouve{Ligne_Creach};
    QTest::newRow("fiche tronquee apres le numero") << Creach + "Phare coupe\r\n2000"
                                                    << "29"
                                                    << "P. Phare du Creac'h" << 1 << trouve << QStringList();
    QTest::newRow("ligne tronquee") << Creach + "Phare co"
                                    << "29"
                                    << "P. Phare du Creac'h" << 1 << trouve << QStringList();
    const QStringList sans_departement{"Entrez un Departement"};
    QTest::newRow("fiche de trois lignes seulement") << QByteArray("Phare\r\n1004\r\n\r\n") << ""
                                                     << "P. " << 0 << QStringList() << sans_departement;
    const QByteArray long_nom(5000, 'N');
    QTest::newRow("nom trop long") << long_nom + "\r\n1004\r\n\r\n29\r\n\r\n"
                                   << "29"
                                   << "P. " + QString(long_nom) << 1
                                   << QStringList{" " + QString(40, 'N') + "1004          29 "}
                                   << QStringList{"30 caracteres maxi pour le nom du Phare"};
    QTest::newRow("numero trop long, zeros en tete")
        << "Phare du Creac'h\r\n" + QByteArray(5000, '0') + "1004\r\nLH1\r\n29\r\n\r\n"
        << "29"
        << "P. Phare du Creac'h" << 1
        << QStringList{" Phare du Creac'h                        00000  LH1    29 "} << QStringList();
    QTest::newRow("departement trop long")
        << "Phare\r\n1004\r\n\r\n  " + QByteArray(300, '2') + "  \r\n\r\n"
        << QString(300, '2') << "P. Phare" << 1
        << QStringList{" Phare                                   1004            2"}
        << QStringList{"2 caracteres maxi pour le Departement"};
    QTest::newRow("NUL et octets binaires")
        << QByteArray("Phare\x00\x01\x1b\xff\r\n1004\r\n\r\n29\r\n\r\n", 25) << "29"
        << QString::fromLatin1("P. Phare\x00\x01\x1b\xff", 12) << 1
        << QStringList{QString::fromLatin1(" Phare\x00\x01\x1b\xff", 10) + QString(31, ' ') +
                       "1004          29 "}
        << QStringList{"Caractere non autorise : code 0"};
    QTest::newRow("octets indefinis en Windows-1252")
        << QByteArray("Phare \x81\x8d\x8f\x90\x9d\r\n1004\r\n\r\n29\r\n\r\n") << "29"
        << QStringLiteral("P. Phare \u0081\u008d\u008f\u0090\u009d") << 1
        << QStringList{QStringLiteral(" Phare \u0081\u008d\u008f\u0090\u009d") + QString(29, ' ') +
                       "1004          29 "}
        << QStringList{"Caractere non autorise : code 129"};
    QByteArray lf = Creach, cr = Creach;
    QTest::newRow("fins LF seules") << lf.replace("\r\n", "\n") << "29"
                                    << "P. Phare du Creac'h" << 1 << trouve << QStringList();
    QTest::newRow("fins CR seules") << cr.replace("\r\n", "\r") << "29"
                                    << "P. Phare du Creac'h" << 1 << trouve << QStringList();
    QTest::newRow("vide") << QByteArray() << ""
                          << "P. " << 0 << QStringList() << sans_departement;
    QTest::newRow("20 Mo de phares, le dernier cherche")
        << Vingt_Mo_De_Phares() << "29"
        << "P. Phare du Creac'h"
        << static_cast<int>(Fichier_Texte::Coupe_Lignes(Vingt_Mo_De_Phares()).size() / 5)
        << QStringList{" Phare numero 0                          2000          56 "} << QStringList();
    QTest::newRow("20 Mo d'une seule ligne") << QByteArray(Vingt_Mo, 'P') << ""
                                             << "P. " << 0 << QStringList() << sans_departement;
    // The lighthouse after the garbage, on a record's first line: the garbage is read as lighthouses.
    QByteArray hasard = Au_Hasard(Vingt_Mo, 3) + "\r\n";
    const qsizetype manquent = (5 - Fichier_Texte::Coupe_Lignes(hasard).size() % 5) % 5;
    for (qsizetype i = 0; i < manquent; ++i)
        hasard += "\r\n";
    QTest::newRow("20 Mo au hasard, puis la fiche")
        << hasard + Creach << "29"
        << "P. Phare du Creac'h" << static_cast<int>(Fichier_Texte::Coupe_Lignes(hasard + Creach).size() / 5)
        << QStringList() << QStringList();
}

void Test_Listes_Abimees::Liste_Phare_Abimee() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, departement);
    QFETCH(QString, nom);
    QFETCH(int, phares);
    QFETCH(QStringList, premieres);
    QFETCH(QStringList, messages);
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Fichier("Liste_Phare.txt", fichier);
    Main main(t.plateforme);
    Demarre(main);
    Avance_Jusqu_A(main, "Ref_A");
    Tape(main, "1004");
    QElapsedTimer chrono;
    chrono.start();
    Entree(main);
    QVERIFY2(chrono.elapsed() < 60000, "recherche sans fin");
    QCOMPARE(t.messages.textes, QStringList());
    QCOMPARE(main.Dpt_A->text(), departement);
    QCOMPARE(main.Rem_A->text(), nom);
    QCOMPARE(Champ(main), main.Dpt_A);

    Entree(main);
    Entree_Dans(main, main.Rem_A);
    QCOMPARE(t.messages.textes, messages);

    chrono.start();
    Phares_Francais* fenetre = Ouvre_Liste_Phares(main);
    QVERIFY2(chrono.elapsed() < 60000, "liste sans fin");
    QCOMPARE(fenetre->Phares_FR->count(), phares);
    QCOMPARE(Lignes_De(fenetre->Phares_FR, static_cast<int>(premieres.size())), premieres);
    for (int i = 0; i < qMin(fenetre->Phares_FR->count(), 100); ++i)
        QCOMPARE(fenetre->Phares_FR->item(i)->text().size(), 58);
    QCOMPARE(t.messages.textes, messages);
}

// Each damaged first-name memory around the line of F5XYZ: looking F5XYZ up still finds LUC, and
// recording a QSO with F5XYZ rewrites that line alone, every other line kept byte for byte.
void Test_Listes_Abimees::Prenoms_Abimes_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<Lignes>("lignes"); // the file's lines, Luc's among them
    const QByteArray nul("F5NUL\x00\x00      29 \x00\x01\xff", 19);
    QTest::newRow("lignes tronquees") << "F5A\r\nF5ABC      \r\n" + Luc + "\r\n"
                                      << Lignes{"F5A", "F5ABC      ", Luc};
    const QByteArray longue = "F5LONG       29 " + QByteArray(5000, 'A');
    QTest::newRow("ligne trop longue") << longue + "\r\n" + Luc + "\r\n" << Lignes{longue, Luc};
    QTest::newRow("NUL et octets binaires") << nul + "\r\n" + Luc + "\r\n" << Lignes{nul, Luc};
    const QByteArray indefinis = "F5UND\x81\x8d\x8f\x90\x9d  29 \x9d";
    QTest::newRow("octets indefinis en Windows-1252") << Luc + "\r\n" + indefinis << Lignes{Luc, indefinis};
    QTest::newRow("fins LF seules") << "F5AAA        29 ANNE\n" + Luc + "\nF5BBB        56 YVES\n"
                                    << Lignes{"F5AAA        29 ANNE", Luc, "F5BBB        56 YVES"};
    QTest::newRow("fins CR seules") << "F5AAA        29 ANNE\r" + Luc + "\rF5BBB        56 YVES"
                                    << Lignes{"F5AAA        29 ANNE", Luc, "F5BBB        56 YVES"};
    QTest::newRow("ligne vide") << "\r\n" + Luc << Lignes{"", Luc};
    const QByteArray hasard = Au_Hasard(Vingt_Mo, 5);
    QTest::newRow("20 Mo au hasard") << Luc + "\r\n" + hasard
                                     << Lignes{Luc} + Fichier_Texte::Coupe_Lignes(hasard);
}

void Test_Listes_Abimees::Prenoms_Abimes() {
    QFETCH(QByteArray, fichier);
    QFETCH(Lignes, lignes);
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Fichier(Prenoms::Nom_Fichier, fichier);
    Main main(t.plateforme);
    Demarre(main);
    QElapsedTimer chrono;
    chrono.start();
    Saisit(main, "f5xyz");
    QVERIFY2(chrono.elapsed() < 60000, "recherche sans fin");
    QCOMPARE(main.Prenom_A->text(), QStringLiteral("LUC"));
    QVERIFY(!main.Prenom_Nouveau);
    main.Efface_A->click();

    Enregistre_QSO(main, "paul");
    QCOMPARE(t.messages.textes, QStringList{"Voulez vous enregistrer ces données ?"});
    lignes[lignes.indexOf(Luc)] = "F5XYZ        29 PAUL";
    QVERIFY(t.Lit_Fichier(Prenoms::Nom_Fichier) == Fichier_Texte::Joint_Lignes(lignes));
    QCOMPARE(main.Liste_TORV->count(), 1);
}

// A damaged line of the memory, looked up: what it gives reaches the first-name field, and the
// operator is told on Enter when it cannot go into the log.
void Test_Listes_Abimees::Prenom_Abime_Trouve_data() {
    QTest::addColumn<QByteArray>("ligne");
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("prenom");
    QTest::addColumn<QStringList>("messages"); // on Enter in Prenom_A
    QTest::newRow("tronquee avant le prenom") << QByteArray("F5A") << "F5A"
                                              << "" << QStringList();
    QTest::newRow("prenom trop long")
        << "F5LONG       29 " + QByteArray(5000, 'a') << "F5LONG" << QString(5000, 'A')
        << QStringList{"15 caracteres maxi pour le Prenom"};
    QTest::newRow("NUL dans le prenom")
        << QByteArray("F5NUL        29 JO\x00", 19) << "F5NUL" << QString::fromLatin1("JO\x00", 3)
        << QStringList{"Caractere non autorise : code 0"};
    QTest::newRow("octets indefinis dans le prenom")
        << QByteArray("F5UND        29 \x81\x8d") << "F5UND" << QStringLiteral("\u0081\u008d")
        << QStringList{"Caractere non autorise : code 129"};
    QTest::newRow("NUL dans l'indicatif: pas trouve") << QByteArray("F5N\x00L        29 JO", 19) << "F5N"
                                                      << "" << QStringList();
}

void Test_Listes_Abimees::Prenom_Abime_Trouve() {
    QFETCH(QByteArray, ligne);
    QFETCH(QString, indicatif);
    QFETCH(QString, prenom);
    QFETCH(QStringList, messages);
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Fichier(Prenoms::Nom_Fichier, Luc + "\r\n" + ligne + "\r\n");
    Main main(t.plateforme);
    Demarre(main);
    Saisit(main, indicatif);
    QCOMPARE(main.Prenom_A->text(), prenom);
    QCOMPARE(Champ(main), main.Prenom_A);
    Entree(main);
    QCOMPARE(t.messages.textes, messages);
    QCOMPARE(Champ(main), messages.isEmpty() ? main.Ref_A : main.Prenom_A);
}

// Pasted into a field after its check, a line end would cut the log's line in two: the record
// button refuses it, and both files stay as they were.
void Test_Listes_Abimees::Fin_De_Ligne_Collee_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    QTest::newRow("LF dans le nom du phare") << "Rem_A"
                                             << "P. Phare\ndu Stiff"
                                             << "Caractere non autorise : code 10";
    QTest::newRow("CR dans le prenom") << "Prenom_A"
                                       << "JEAN\rLUC"
                                       << "Caractere non autorise : code 13";
    QTest::newRow("tabulation dans l'indicatif") << "Ind_A"
                                                 << "F5\tXYZ"
                                                 << "Caractere non autorise : code 9";
    QTest::newRow("caractere non encodable avant un controle")
        << "Rem_A" << QString::fromUtf8("P. Ł\n") << QString::fromUtf8("Caractere non autorise : Ł");
}

void Test_Listes_Abimees::Fin_De_Ligne_Collee() {
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Fichier("F5ABC_TORV.log", "");
    Main main(t.plateforme);
    Demarre(main);
    main.Mnu_Date_Man->trigger();
    Avance_Jusqu_A(main, "QSL_A");
    Entree(main);
    main.findChild<QLineEdit*>(champ)->setText(texte);
    const QStringList avant = Etat_Saisie(main);
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{message});
    QCOMPARE(Etat_Saisie(main), avant);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), QByteArray());
    QCOMPARE(t.Lit_Fichier(Prenoms::Nom_Fichier), QByteArray("<absent>"));
}
