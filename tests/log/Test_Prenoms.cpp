#include "Clavier.h"
#include "app/Main.h"
#include "log/Prenoms.h"
#include "log/Prenoms_Station.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QDir>
#include <QLineEdit>
#include <QObject>
#include <QTest>

class Test_Prenoms : public QObject {
    Q_OBJECT

private slots:
    void Ligne_data();
    void Ligne();
    void Cherche_data();
    void Cherche();
    void Memorise_data();
    void Memorise();
    void Par_La_Fenetre_data();
    void Par_La_Fenetre();
    void Panne_Ecriture();
    void Fichier_Illisible();
};

using Lignes = QList<QByteArray>;
using Clavier::Fichier;

namespace {

const QByteArray Jean = "F5ABC        29 JEAN";
const QByteArray Paul = "F5ABC        29 PAUL";
const QByteArray Marie = "F6XYZ        2A MARIE";
const QByteArray Luc = "F5ABC        29 LUC";

} // namespace

void Test_Prenoms::Ligne_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("departement");
    QTest::addColumn<QString>("prenom");
    QTest::addColumn<QString>("ligne");
    const auto ligne = [](const char* nom, const char* indicatif, const char* departement, const char* prenom,
                          const char* resultat) {
        QTest::newRow(nom) << QString(indicatif) << QString(departement) << QString(prenom)
                           << QString(resultat);
    };
    ligne("5 caracteres, 2 chiffres", "F5ABC", "29", "JEAN", "F5ABC        29 JEAN");
    ligne("12 caracteres, 1 chiffre", "F5ABC/P12345", "6", "LUC", "F5ABC/P12345 6  LUC");
    ligne("sans prenom: 16 caracteres", "F5ABC", "29", "", "F5ABC        29 ");
    ligne("prenom de 15", "F5ABC", "2B", "JEAN-CHRISTOPHE", "F5ABC        2B JEAN-CHRISTOPHE");
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
    const auto ligne = [](const char* nom, const Lignes& lignes, const char* prenom,
                          const char* indicatif = "F5ABC") {
        QTest::newRow(nom) << lignes << QString(indicatif) << QString::fromUtf8(prenom);
    };
    ligne("trouve", {Marie, Jean}, "JEAN");
    ligne("le dernier double decide", {Jean, Marie, Paul}, "PAUL");
    ligne("casse differente: absent", {"f5abc        29 JEAN"}, "<absent>");
    ligne("prefixe: absent", {Jean}, "<absent>", "F5AB");
    ligne("prenom en minuscules rendu en capitales", {"F5ABC        29 jeanne"}, "JEANNE");
    ligne("ligne de 16: prenom vide", {"F5ABC        29 "}, "");
    ligne("ligne courte", {"F5ABC"}, "");
    ligne("blancs en tete de ligne", {"  F5ABC      29 JEAN"}, "JEAN");
    ligne("accent windows-1252", {"F5ABC        29 h\xe9l\xe8ne"}, "HÉLÈNE");
    ligne("fichier vide", {}, "<absent>");
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
    const auto ligne = [](const char* nom, const Lignes& avant, const QByteArray& nouvelle, bool nouveau,
                          const Lignes& apres) {
        QTest::newRow(nom) << avant << nouvelle << nouveau << apres;
    };
    ligne("nouveau: a la fin", {Marie}, Jean, true, {Marie, Jean});
    ligne("fichier vide", {}, Jean, true, {Jean});
    ligne("remplace en place", {Jean, Marie}, Paul, false, {Paul, Marie});
    ligne("remplace les doublons", {Jean, Marie, Jean}, Paul, false, {Paul, Marie, Paul});
    ligne("compare les blancs", {" F5ABC       29 JEAN"}, Paul, false, {" F5ABC       29 JEAN"});
    ligne("compare la casse", {"f5abc        29 JEAN"}, Paul, false, {"f5abc        29 JEAN"});
    ligne("nouveau et deja la: remplace et ajoute", {Jean}, Paul, true, {Paul, Paul});
    ligne("autres lignes intactes", {"abime\xff", Marie}, Jean, true, {"abime\xff", Marie, Jean});
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
    QTest::newRow("fichier absent: cree") << QByteArray("<absent>") << "DEJA" << true << Fichier({Luc});
    QTest::newRow("inconnu: ajoute") << Fichier({Marie}) << "DEJA" << true << Fichier({Marie, Luc});
    QTest::newRow("connu sans prenom") << Fichier({"F5ABC        29 "}) << "" << false << Fichier({Luc});
    QTest::newRow("doublons: remplaces en place")
        << Fichier({Jean, Marie, Paul}) << "PAUL" << false << Fichier({Luc, Marie, Luc});
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
    QCOMPARE(main.session.Prenom_Nouveau(), prenom_nouveau);
    // Recorded twice, as after a failed log write: the line is not added twice.
    for (int fois = 0; fois < 2; ++fois) {
        QVERIFY(Sous_Programmes::Memorise_Prenom(main, QString::fromLatin1(Luc)));
        QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), apres);
    }
    QVERIFY(t.messages.textes.isEmpty());
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files), QStringList{"Liste_Prenom.txt"});
}

// Each step of a failed rewrite leaves the file as it was (Test_Plateforme): the name stays to record.
void Test_Prenoms::Panne_Ecriture() {
    Plateforme_Test t;
    t.Ecrit_Fichier("Liste_Prenom.txt", Fichier({Marie}));
    Main main(t.plateforme);
    Sous_Programmes::Recherche_Prenom(main, "F5ABC");
    t.fichiers.panne = Fichiers_Defaillants::Etape::Ecriture;
    QVERIFY(!Sous_Programmes::Memorise_Prenom(main, QString::fromLatin1(Jean)));
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), Fichier({Marie}));
    QCOMPARE(t.messages.textes.size(), 1);
    QVERIFY(
        t.messages.textes[0].startsWith(QStringLiteral("Impossible d'enregistrer le fichier %1 : ")
                                            .arg(QDir::toNativeSeparators(t.Chemin("Liste_Prenom.txt")))));
    QVERIFY(main.session.Prenom_Nouveau());
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

KEZ_TEST(Test_Prenoms)

#include "Test_Prenoms.moc"
