#include "Clavier.h"
#include "app/Fichier_Texte.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "log/Journal_Station.h"
#include "log/Modele_Log.h"
#include "support/Principal.h"

#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QObject>
#include <QTest>

class Test_Journal : public QObject {
    Q_OBJECT

private slots:
    void Changements_data();
    void Changements();
    void Premiere_Date_Reference_data();
    void Premiere_Date_Reference();
    void Reecriture_Par_La_Fenetre_data();
    void Reecriture_Par_La_Fenetre();
    void Panne_Au_Milieu();
    void Suppression_Du_Dernier_QSO();
    void Ligne_Illisible_Gardee();
};

using Lignes = QList<QByteArray>;
using Clavier::Fichier;
using Clavier::Poste;

Q_DECLARE_METATYPE(Journal::QSO_Choisi)

namespace {

// A record with its date and time; the callsign tells the records apart.
QByteArray Q(const char* indicatif, const char* date, const char* heure, const char* reference = "PB1004") {
    return Enregistrement::Compose(
               {indicatif, "29", "", reference, date, heure, "SSB", "14 Mhz", "59", "59", "", " "})
        .toLatin1();
}

const QByteArray A = Q("A", "01/01/06", "10:00"), B = Q("B", "02/01/06", "10:00");
const QStringList Fichiers_Du_Dossier{"F5ABC_TORV.log", "Liste_Phare.txt"};

} // namespace

void Test_Journal::Changements_data() {
    QTest::addColumn<QString>("changement");
    QTest::addColumn<Lignes>("avant");
    QTest::addColumn<QByteArray>("nouveau");
    QTest::addColumn<Journal::QSO_Choisi>("choisi");
    QTest::addColumn<Lignes>("apres"); // "<refuse>" alone: nothing to write
    const auto ligne = [](const char* nom, const char* changement, const Lignes& avant,
                          const QByteArray& nouveau, const Lignes& apres,
                          const Journal::QSO_Choisi& choisi = {}) {
        QTest::newRow(nom) << changement << avant << nouveau << choisi << apres;
    };
    const QByteArray n = Q("N", "01/01/06", "10:00");
    const Lignes refuse{"<refuse>"};
    ligne("ajout, log vide", "ajoute", {}, n, {n});
    ligne("ajout a la fin", "ajoute", {B, A}, n, {B, A, n});
    ligne("remplace en place", "remplace", {A, B}, n, {n, B}, {0, A});
    ligne("remplace le doublon choisi seul", "remplace", {A, B, A}, n, {A, B, n}, {2, A});
    ligne("remplace une ligne deplacee: rien", "remplace", {B, A}, n, refuse, {0, A});
    ligne("remplace au-dela du log: rien", "remplace", {A, B}, n, refuse, {2, A});
    ligne("remplace sans ligne choisie: rien", "remplace", {A, B}, n, refuse);
    ligne("supprime", "supprime", {A, B}, {}, {B}, {0, A});
    ligne("supprime le doublon choisi seul", "supprime", {A, B, A}, {}, {B, A}, {0, A});
    ligne("supprime une ligne changee: rien", "supprime", {A, B}, {}, refuse, {1, A});
    ligne("insere, log vide", "insere", {}, n, {n});
    ligne("insere avant le meme moment", "insere", {A, B}, n, {n, A, B});
    const QByteArray tard = Q("T", "01/01/06", "10:01");
    ligne("insere avant la minute suivante", "insere", {B, tard}, n, {n, B, tard});
    const QByteArray n3 = Q("N", "03/01/06", "00:00");
    ligne("insere a la fin", "insere", {A, B}, n3, {A, B, n3});
    const QByteArray an49 = Q("X", "01/01/49", "00:00"), an50 = Q("Y", "01/01/50", "00:00");
    const QByteArray n48 = Q("N", "31/12/48", "23:59"), n49 = Q("N", "31/12/49", "00:00");
    ligne("49 est 2049", "insere", {an50, A, an49}, n48, {an50, A, n48, an49});
    ligne("50 est 1950", "insere", {an50, A}, n49, {an50, A, n49});
    const QByteArray x99 = Q("X", "31/12/99", "23:59"), y00 = Q("Y", "01/01/00", "00:00"),
                     n00 = Q("N", "01/01/00", "00:00");
    ligne("99 avant 00", "insere", {x99, y00}, n00, {x99, n00, y00});
    const QByteArray x = Q("X", "02/01/06", "00:00"), y = Q("Y", "01/02/06", "00:00"),
                     n31 = Q("N", "31/01/06", "00:00");
    ligne("mois avant jour", "insere", {x, y}, n31, {x, n31, y});
    const QByteArray illisible = "ligne abimee", juin = Q("N", "01/06/06", "00:00");
    ligne("ligne illisible passee", "insere", {A, illisible, B}, juin, {A, illisible, B, juin});
}

void Test_Journal::Changements() {
    QFETCH(QString, changement);
    QFETCH(Lignes, avant);
    QFETCH(QByteArray, nouveau);
    QFETCH(Journal::QSO_Choisi, choisi);
    QFETCH(Lignes, apres);
    const std::optional<Lignes> obtenu = changement == "ajoute" ? Journal::Ajoute(avant, nouveau)
                                         : changement == "remplace"
                                             ? Journal::Remplace(avant, choisi, nouveau)
                                         : changement == "supprime" ? Journal::Supprime(avant, choisi)
                                                                    : Journal::Insere(avant, nouveau);
    QCOMPARE(obtenu.value_or(Lignes{"<refuse>"}), apres);
}

void Test_Journal::Premiere_Date_Reference_data() {
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("date");
    QTest::newRow("premier dans l'ordre du fichier") << "PB1004" << QString("03/03/06");
    QTest::newRow("reference courte") << "PB12" << QString("04/04/06");
    QTest::newRow("pas un prefixe") << "PB1" << QString("<absent>");
    QTest::newRow("absente") << "PB9999" << QString("<absent>");
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
    QTest::addColumn<QByteArray>("avant"); // the log when the change is made
    QTest::addColumn<QByteArray>("fichier");
    const QByteArray n = Q("N", "01/01/06", "09:00");
    QTest::newRow("ajout") << "ajoute" << Fichier({A, B}) << Fichier({A, B, n});
    QTest::newRow("remplacement") << "remplace" << Fichier({A, B}) << Fichier({n, B});
    QTest::newRow("suppression") << "supprime" << Fichier({A, B}) << Fichier({B});
    QTest::newRow("insertion") << "insere" << Fichier({A, B}) << Fichier({n, A, B});
    // The list shows the log as it is on disk after the change, not only the line changed.
    QTest::newRow("log change par ailleurs") << "ajoute" << Fichier({B, A, B}) << Fichier({B, A, B, n});
    QTest::newRow("log de meme taille change par ailleurs")
        << "ajoute" << Fichier({B, A}) << Fichier({B, A, n});
}

void Test_Journal::Reecriture_Par_La_Fenetre() {
    QFETCH(QString, changement);
    QFETCH(QByteArray, avant);
    QFETCH(QByteArray, fichier);
    Poste poste({{"F5ABC_TORV.log", Fichier({A, B})}});
    auto& [t, main] = poste;
    const QByteArray n = Q("N", "01/01/06", "09:00");
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(0));
    t.Ecrit_Fichier("F5ABC_TORV.log", avant);
    QVERIFY(changement == "ajoute"     ? main.journal.Ajout_Fin_Log(n)
            : changement == "remplace" ? main.journal.Remplace_QSO_Log(n, {0, A})
            : changement == "supprime" ? main.journal.Supprime_QSO_Log({0, A})
                                       : main.journal.Insere_QSO_Log(n));
    QVERIFY(t.messages.textes.isEmpty());
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), fichier);
    const int lignes = fichier.count("\r\n");
    QCOMPARE(main.Modele_TORV->rowCount(), lignes);
    for (int i = 0; i < lignes; ++i)
        QCOMPARE(main.Modele_TORV->Ligne(i), Journal::Ligne_Liste(Fichier_Texte::Coupe_Lignes(fichier), i));
    QCOMPARE(main.Liste_TORV->currentIndex().row(), lignes - 1);
    QCOMPARE(main.session.Ligne_Selectionnee(), main.Modele_TORV->Ligne(lignes - 1));
    QVERIFY(main.session.Ligne_Selectionnee().startsWith(QStringLiteral("    %1  ").arg(lignes)));
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files), Fichiers_Du_Dossier);
}

// Each step of a failed rewrite leaves the file as it was (Test_Plateforme): the log and its list stay.
void Test_Journal::Panne_Au_Milieu() {
    Poste poste({{"F5ABC_TORV.log", Fichier({A, B})}});
    auto& [t, main] = poste;
    t.fichiers.panne = Fichiers_Defaillants::Etape::Ecriture;
    QVERIFY(!main.journal.Supprime_QSO_Log({0, A}));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier({A, B}));
    QCOMPARE(t.messages.textes.size(), 1);
    QVERIFY(t.messages.textes[0].startsWith(QStringLiteral("Impossible d'enregistrer le fichier %1 : ")
                                                .arg(QDir::toNativeSeparators(t.Chemin("F5ABC_TORV.log")))));
    QCOMPARE(main.Modele_TORV->rowCount(), 2);
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files), Fichiers_Du_Dossier);
}

void Test_Journal::Suppression_Du_Dernier_QSO() {
    Poste poste({{"F5ABC_TORV.log", Fichier({A})}});
    auto& [t, main] = poste;
    QCOMPARE(Enregistrement::De_Ligne_Liste(main.session.Ligne_Selectionnee()).toLatin1(), A);
    QVERIFY(main.journal.Supprime_QSO_Log({0, A}));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), QByteArray());
    QCOMPARE(main.Modele_TORV->rowCount(), 0);
    QCOMPARE(main.session.Ligne_Selectionnee(), QString());
}

void Test_Journal::Ligne_Illisible_Gardee() {
    const QByteArray abimee("\x81\x00\x9d court\xff", 10);
    Poste poste({{"F5ABC_TORV.log", A + "\r\n" + abimee + "\n\r\n" + B}});
    auto& [t, main] = poste;
    QCOMPARE(main.Modele_TORV->rowCount(), 4);
    QVERIFY(main.journal.Supprime_QSO_Log({3, B}));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), A + "\r\n" + abimee + "\r\n\r\n");
}

KEZ_TEST(Test_Journal)

#include "Test_Journal.moc"
