#include "log/Clavier.h"
#include "log/Enregistrement.h"
#include "support/Principal.h"

#include <QDir>
#include <QObject>

class Test_Reference_Phare : public QObject {
    Q_OBJECT

private slots:
    void Recherche_data();
    void Recherche();
    void Deja_Contacte_data();
    void Deja_Contacte();
};

using namespace Clavier;

void Test_Reference_Phare::Recherche_data() {
    QTest::addColumn<QByteArray>("fichier"); // "<absent>": no file
    QTest::addColumn<QString>("tape");       // typed after "PB", or over it when it starts with "!"
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("departement");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("message");
    const auto ligne = [](const char* cas, const QByteArray& fichier, const char* tape, const char* reference,
                          const char* departement, const char* nom, bool message = false) {
        QTest::newRow(cas) << fichier << QString(tape) << QString(reference) << QString(departement)
                           << QString::fromUtf8(nom) << message;
    };
    const QByteArray liste = Clavier::Liste_Phare;
    ligne("trouve", liste, "1004", "PB1004", "29", "P. Phare du Creac'h");
    ligne("PB0012 trouve 0012, departement sans blancs", liste, "0012", "PB0012", "56",
          "P. Phare de Kerdonis");
    ligne("pb12 tape en minuscules", liste, "!pb12", "PB12", "56", "P. Phare de Kerdonis");
    ligne("absent de la liste", liste, "9999", "PB9999", "", "P. ");
    ligne("prefixe efface: valeur 0", liste + "Phare sans numero\r\n\r\n\r\n22\r\n\r\n", "!", "", "22",
          "P. Phare sans numero");
    ligne("doubles: le dernier", liste + "Phare du Creac'h bis\r\n01004\r\n\r\n2B\r\n\r\n", "1004", "PB1004",
          "2B", "P. Phare du Creac'h bis");
    ligne("dernier phare incomplet", liste + "Phare coupe\r\n2000\r\n\r\n22\r\n", "2000", "PB2000", "",
          "P. ");
    ligne("accents windows-1252", "Phare de K\xe9r\xe9on\r\n1005\r\n\r\n29\r\n\r\n", "1005", "PB1005", "29",
          "P. Phare de Kéréon");
    ligne("fichier absent", "<absent>", "1004", "PB1004", "", "P. ", true);
}

void Test_Reference_Phare::Recherche() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, tape);
    QFETCH(QString, reference);
    QFETCH(QString, departement);
    QFETCH(QString, nom);
    QFETCH(bool, message);
    Poste poste;
    auto& [t, main] = poste;
    // Read when the reference is entered.
    if (fichier == "<absent>")
        QVERIFY(QFile::remove(t.Chemin("Liste_Phare.txt")));
    else
        t.Ecrit_Fichier("Liste_Phare.txt", fichier);
    Avance_Jusqu_A(main, "Ref_A");
    QCOMPARE(main.Ref_A->cursorPosition(), 2);
    if (tape.startsWith('!'))
        Remplace(main, tape.mid(1));
    else
        Tape(main, tape);
    QCOMPARE(main.Ref_A->text(), reference);
    Entree(main);
    const QStringList messages{QStringLiteral("Impossible de lire le fichier %1 : fichier absent")
                                   .arg(QDir::toNativeSeparators(t.Chemin("Liste_Phare.txt")))};
    QCOMPARE(t.messages.textes, message ? messages : QStringList());
    QCOMPARE(main.Dpt_A->text(), departement);
    QCOMPARE(main.Rem_A->text(), nom);
    QCOMPARE(Champ(main), main.Dpt_A);
    QCOMPARE(Couleurs::Couleur(main.Ref_A), Couleurs::Jaune);
    QCOMPARE(Couleurs::Couleur(main.Dpt_A), Couleurs::Vert_Saisie);
    QVERIFY(main.Rem_A->isEnabled());
    QCOMPARE(Couleurs::Couleur(main.Rem_A), Couleurs::Jaune);
    // The entry goes on as for a reference not in the list.
    Remplace(main, "29");
    Entree(main);
    QCOMPARE(Champ(main), main.Mode_A);
}

void Test_Reference_Phare::Deja_Contacte_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QStringList>("messages"); // after Enter pressed twice in the field
    const QString deja = "PB1004 Phare deja contacté le 14/07/14";
    QTest::newRow("nouveau QSO") << QString() << "PB1004" << QStringList{deja, deja};
    QTest::newRow("insertion") << "insertion" << QString("PB1004") << QStringList{deja, deja};
    QTest::newRow("modification") << "modification" << QString("PB1004") << QStringList();
    QTest::newRow("jamais contacte") << QString() << "PB12" << QStringList();
    // The log is searched for the reference as typed.
    const QString trop_long = "6 caracteres maxi pour la reference ex: PB1004";
    QTest::newRow("ecrit autrement") << QString() << "PB01004" << QStringList{trop_long, trop_long};
}

void Test_Reference_Phare::Deja_Contacte() {
    QFETCH(QString, mode);
    QFETCH(QString, reference);
    QFETCH(QStringList, messages);
    const auto qso = [](const char* indicatif, const char* date) {
        return Enregistrement::Compose(
                   {indicatif, "29", "", "PB1004", date, "10:00", "SSB", "14 Mhz", "59", "59", "", ""})
            .toLatin1();
    };
    Poste poste({{"F5ABC_TORV.log", Fichier({qso("F5AAA", "14/07/14"), qso("F5BBB", "01/01/06")})}});
    auto& [t, main] = poste;
    if (mode == "modification")
        main.Modi_Saisie->click();
    if (mode == "insertion")
        main.Ajout_QSO->click();
    main.Ind_A->setFocus();
    Avance_Jusqu_A(main, "Ref_A");
    Remplace(main, reference);
    Entree(main);
    main.Ref_A->setFocus();
    Entree(main);
    QCOMPARE(t.messages.textes, messages);
    QCOMPARE(Champ(main), messages.size() == 2 && messages[0].startsWith("6") ? main.Ref_A : main.Dpt_A);
}

KEZ_TEST(Test_Reference_Phare)

#include "Test_Reference_Phare.moc"
