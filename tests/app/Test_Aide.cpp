#include "app/Main.h"
#include "app/Mode_Emploi.h"
#include "support/Disque.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

class Test_Aide : public QObject {
    Q_OBJECT

private slots:
    void Mode_Emploi_Une_Seule_Fenetre();
    void Guide_Des_Sources();
    void Guide_Nomme_Les_Commandes();
    void Images_Du_Guide();
    void A_Propos();
};

namespace {

const QString Guide_Sources = QStringLiteral(KEZ_SOURCES "/docs/Mode_emploi.md");

// The pictures the guide shows, as written in it (relative to docs/).
QStringList Images(const QString& guide) {
    QStringList images;
    static const QRegularExpression image(QStringLiteral(R"(!\[[^\]]*\]\(([^)]+)\))"));
    for (const QRegularExpressionMatch& m : image.globalMatch(guide))
        images << m.captured(1);
    return images;
}

// Every caption the operator reads in the menus, on the buttons and above the entry fields.
QStringList Libelles(const Main& main) {
    QStringList libelles;
    for (const QAction* titre : main.menuBar()->actions()) {
        libelles << titre->text();
        if (titre->menu())
            for (const QAction* commande : titre->menu()->actions())
                libelles << commande->text();
    }
    for (const QPushButton* bouton : main.findChildren<QPushButton*>())
        libelles << bouton->text();
    for (const QLabel* libelle :
         {main.Label8, main.Label6, main.Label1, main.Label36, main.Label5, main.Label40, main.Label16,
          main.Label26, main.Label41, main.Label9, main.Label4, main.Label3})
        libelles << libelle->text();
    return libelles;
}

// The main window of station F5ABC, loaded.
struct Station_Chargee {
    Station_Chargee() : main((t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC"), t.plateforme)) {
        main.Form_Load();
    }

    Plateforme_Test t;
    Main main;
};

} // namespace

void Test_Aide::Mode_Emploi_Une_Seule_Fenetre() {
    Station_Chargee station;
    Main& main = station.main;
    main.Mnu_Mode_Emploi->trigger();
    main.Mnu_Mode_Emploi->trigger();
    QCOMPARE(main.findChildren<Mode_Emploi*>().size(), 1);
    QPointer<Mode_Emploi> fenetre = main.findChild<Mode_Emploi*>(QStringLiteral("Mode_Emploi"));
    QVERIFY(fenetre);
    QVERIFY(fenetre->isVisible());
    QVERIFY(fenetre->isWindow());
    QCOMPARE(fenetre->windowTitle(), QStringLiteral("Mode d'emploi"));
    QVERIFY(fenetre->Guide->isReadOnly());
    QVERIFY(fenetre->Guide->toPlainText().startsWith(QStringLiteral("KEZ_TORV — Mode d'emploi")));
    QVERIFY(station.t.messages.textes.isEmpty());
    // The main window stays usable beside it.
    QVERIFY(!fenetre->isModal());

    fenetre->close();
    QTRY_VERIFY(fenetre.isNull());
    main.Mnu_Mode_Emploi->trigger();
    QCOMPARE(main.findChildren<Mode_Emploi*>().size(), 1);
}

void Test_Aide::Guide_Des_Sources() {
    QCOMPARE(QUrl(Mode_Emploi::Source).scheme(), QStringLiteral("qrc"));
    QCOMPARE(Lit_Disque(QLatin1Char(':') + QUrl(Mode_Emploi::Source).path()), Lit_Disque(Guide_Sources));
}

void Test_Aide::Guide_Nomme_Les_Commandes() {
    Station_Chargee station;
    Main& main = station.main;
    main.Mnu_Mode_Emploi->trigger();
    const QString guide = main.findChild<Mode_Emploi*>()->Guide->toPlainText();
    QStringList absents;
    for (const QString& libelle : Libelles(main))
        if (!guide.contains(QStringLiteral("« ") + libelle + QStringLiteral(" »")))
            absents << libelle;
    QCOMPARE(absents, QStringList());
    QCOMPARE(Libelles(main).size(), 23 + 6 + 12);
}

void Test_Aide::Images_Du_Guide() {
    const QStringList images = Images(QString::fromUtf8(Lit_Disque(Guide_Sources)));
    QCOMPARE(images, (QStringList{"captures/Fenetre_Principale.png", "captures/Carte.png"}));
    // The map's picture is taken once the map window is built (tools/captures/captures.sh).
    QVERIFY(QFile::exists(QStringLiteral(KEZ_SOURCES "/docs/captures/Fenetre_Principale.png")));
    Plateforme_Test t;
    Main main(t.plateforme);
    Mode_Emploi fenetre(main);
    for (const QString& image : images) {
        const QString fichier = QStringLiteral(KEZ_SOURCES "/docs/") + image;
        if (!QFile::exists(fichier))
            continue;
        QCOMPARE(Lit_Disque(":/docs/" + image), Lit_Disque(fichier));
        const QVariant montree = fenetre.Guide->loadResource(QTextDocument::ImageResource, QUrl(image));
        QVERIFY2(!montree.value<QByteArray>().isEmpty() || !montree.value<QImage>().isNull(),
                 qPrintable(image));
    }
}

void Test_Aide::A_Propos() {
    Station_Chargee station;
    Main& main = station.main;
    main.Mnu_Apropos->trigger();
    QCOMPARE(station.t.messages.textes,
             QStringList{"   KEZ_TORV  Revision  1.0.9\r\n\r\nKEZ_TORV, log du diplôme des phares\r\n"
                         "Carte des départements d'après \"MapSVG\" et \"Victor Cazanave (svg-maps)\", "
                         "licence CC BY 4.0"});
}

KEZ_TEST(Test_Aide)

#include "Test_Aide.moc"
