#include "app/Couleurs.h"
#include "app/Main.h"
#include "lighthouses/Phares_Francais.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QObject>
#include <QTest>

class Test_Phares_Francais : public QObject {
    Q_OBJECT

private slots:
    void Lignes_data();
    void Lignes();
    void Fenetre();
    void Une_Seule_Fenetre();
};

namespace {

Phares_Francais* Ouvre(Main& main) {
    main.Mnu_Liste_FR->trigger();
    return main.findChild<Phares_Francais*>(QStringLiteral("Phares_Francais"));
}

QStringList Lignes_De(const QListWidget* liste) {
    QStringList lignes;
    for (int i = 0; i < liste->count(); ++i)
        lignes << liste->item(i)->text();
    return lignes;
}

const QByteArray Creach = "Phare du Creac'h\r\n1004\r\nLH123\r\n29\r\nnon lu\r\n";
const QString Ligne_Creach = " Phare du Creac'h                        1004   LH123  29 ";

} // namespace

void Test_Phares_Francais::Lignes_data() {
    QTest::addColumn<QByteArray>("fichier"); // "<absent>": no file
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<bool>("message");
    QTest::newRow("deux phares, ordre du fichier")
        << "Phare de K\xe9r\xe9on\r\n12\r\n\r\n 29\r\n\r\n" + Creach
        << QStringList{QString::fromUtf8(" Phare de Kéréon                         12             29"),
                       Ligne_Creach}
        << false;
    QTest::newRow("dernier incomplet") << Creach + "Phare coupe\r\n2000\r\n\r\n22\r\n"
                                       << QStringList{Ligne_Creach} << false;
    QTest::newRow("sans fin de ligne finale") << Creach.chopped(2) << QStringList{Ligne_Creach} << false;
    QTest::newRow("vide") << QByteArray() << QStringList() << false;
    QTest::newRow("absent") << QByteArray("<absent>") << QStringList() << true;
}

void Test_Phares_Francais::Lignes() {
    QFETCH(QByteArray, fichier);
    QFETCH(QStringList, lignes);
    QFETCH(bool, message);
    Plateforme_Test t;
    if (fichier != "<absent>")
        t.Ecrit_Fichier("Liste_Phare.txt", fichier);
    Main main(t.plateforme);
    Phares_Francais* fenetre = Ouvre(main);
    QVERIFY(fenetre);
    QCOMPARE(Lignes_De(fenetre->Phares_FR), lignes);
    const QStringList absent{QStringLiteral("Impossible de lire le fichier %1 : fichier absent")
                                 .arg(QDir::toNativeSeparators(t.Chemin("Liste_Phare.txt")))};
    QCOMPARE(t.messages.textes, message ? absent : QStringList());
    QVERIFY(fenetre->isVisible());
}

void Test_Phares_Francais::Fenetre() {
    Plateforme_Test t;
    t.Ecrit_Fichier("Liste_Phare.txt", Creach);
    Main main(t.plateforme);
    main.Form_Load();
    Phares_Francais* fenetre = Ouvre(main);
    QCOMPARE(fenetre->windowTitle(), QStringLiteral("Liste des Phares Francais"));
    QCOMPARE(fenetre->Label1->text(), QStringLiteral("Liste des Phares Français"));
    QCOMPARE(
        fenetre->Entete->text(),
        QStringLiteral("                     Nom du Phare                            PB       LH      Dpt"));
    QCOMPARE(Couleurs::Couleur(fenetre->Phares_FR), Couleurs::Jaune);
    QVERIFY(QFontInfo(fenetre->Phares_FR->font()).fixedPitch());
    QVERIFY(!fenetre->Phares_FR->isSortingEnabled());
    QVERIFY(fenetre->isWindow());
    QVERIFY(!fenetre->isModal());
    // A whole line shows without scrolling sideways.
    const QFontMetrics mesure(fenetre->Phares_FR->font());
    QVERIFY(fenetre->Phares_FR->viewport()->width() >= mesure.horizontalAdvance(Ligne_Creach));
}

void Test_Phares_Francais::Une_Seule_Fenetre() {
    Plateforme_Test t;
    t.Ecrit_Fichier("Liste_Phare.txt", Creach);
    Main main(t.plateforme);
    main.Form_Load();
    Phares_Francais* premiere = Ouvre(main);
    // Opened again, the window is brought to the front without reading the file again.
    t.Ecrit_Fichier("Liste_Phare.txt", Creach + Creach);
    QCOMPARE(Ouvre(main), premiere);
    QCOMPARE(main.findChildren<Phares_Francais*>().size(), 1);
    QCOMPARE(premiere->Phares_FR->count(), 1);
    premiere->close();
    QTRY_VERIFY(!main.findChild<Phares_Francais*>());
    QCOMPARE(Ouvre(main)->Phares_FR->count(), 2);
}

KEZ_TEST(Test_Phares_Francais)

#include "Test_Phares_Francais.moc"
