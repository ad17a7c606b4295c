#include "app/Bouton.h"
#include "app/Main.h"
#include "app/Mode_Emploi.h"
#include "app/Twips.h"
#include "log/Modele_Log.h"
#include "support/Disque.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>

class Test_Main : public QObject {
    Q_OBJECT

private slots:
    void Demarrage_data();
    void Demarrage();
    void Fenetres_data();
    void Fenetres();
    void Fenetre_Principale();
    void Messages_Aide_data();
    void Messages_Aide();
    void Guide();
};

namespace {

const QByteArray QSO_1 = "F5ABC        29   JEAN            PB100414/07/06 10:05 SSB 14 Mhz  59  59  P. "
                         "Phare du Creac'h            *\r\n";
const QByteArray QSO_2 = "F6XYZ        56                   PB101215/07/06 11:00 CW  7.0 Mhz 599 579         "
                         "                        \r\n";

QString Choix_Offerts(const QComboBox* liste) {
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->itemText(i);
    return textes.join('|');
}

// The main window of station F5ABC, with one QSO in its log.
struct Poste {
    Poste()
        : main((t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC"),
                t.Ecrit_Fichier("F5ABC_TORV.log", QSO_1), t.plateforme)) {
        main.Form_Load();
    }
    Plateforme_Test t;
    Main main;
};

} // namespace

// The stored station, its band, mode and dating, and its log with the last line chosen; the
// first-run message before the window shows. "%1" stands for the log's path.
void Test_Main::Demarrage_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("illisible");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("choix"); // band, mode, dating
    QTest::addColumn<int>("lignes");
    QTest::addColumn<QString>("choisie");
    QTest::newRow("premier lancement")
        << "FXXXX" << QByteArray("<absent>") << ""
        << "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\nPour cela dans la "
           "barre des menus allez dans Station puis Nouvel Indicatif."
        << "1.8 Mhz|SSB|Oui" << 0 << "";
    QTest::newRow("derniere ligne choisie") << "F5ABC_P" << QSO_1 + QSO_2 + QSO_1 << ""
                                            << ""
                                            << "14 Mhz|CW|Non" << 3 << "    3  F5ABC  ";
    QTest::newRow("log absent") << "F5ABC" << QByteArray("<absent>") << ""
                                << ""
                                << "14 Mhz|CW|Non" << 0 << "";
    QTest::newRow("log illisible") << "F5ABC" << QSO_1 << "disque absent"
                                   << "Impossible de lire le fichier %1 : disque absent"
                                   << "14 Mhz|CW|Non" << 0 << "";
}

void Test_Main::Demarrage() {
    QFETCH(QString, indicatif);
    QFETCH(QByteArray, log);
    QFETCH(QString, illisible);
    QFETCH(QString, message);
    QFETCH(QString, choix);
    QFETCH(int, lignes);
    QFETCH(QString, choisie);
    Plateforme_Test t;
    if (indicatif != "FXXXX") {
        t.Ecrit_Reglage("Setup ", "Indicatif Station", indicatif);
        t.Ecrit_Reglage("Setup " + indicatif, "bande Utilisee", "4");
        t.Ecrit_Reglage("Setup " + indicatif, "Mode Utilise", "1");
        t.Ecrit_Reglage("Setup " + indicatif, "Date Auto", "Non");
    }
    const QString fichier = indicatif + "_TORV.log";
    if (log != "<absent>")
        t.Ecrit_Fichier(fichier, log);
    t.fichiers.lecture_refusee = illisible;
    Main main(t.plateforme);
    QList<bool> visible;
    t.messages.a_l_affichage = [&](const QString&) { visible << main.isVisible(); };
    main.Form_Load();

    QCOMPARE(t.messages.textes.join('|'),
             QString(message).replace("%1", QDir::toNativeSeparators(t.Chemin(fichier))));
    // The first-run message comes before the window; a log that cannot be read is told over it.
    QCOMPARE(visible, QList<bool>(t.messages.textes.size(), indicatif != "FXXXX"));
    QVERIFY(main.isVisible());
    QCOMPARE(Choix_Offerts(main.Bande_A),
             QStringLiteral(
                 "1.8 Mhz|3.5 Mhz|7.0 Mhz|10 Mhz|14 Mhz|18 Mhz|21 Mhz|24 Mhz|28 Mhz|50 Mhz|144 Mhz|432 Mhz"));
    QCOMPARE(Choix_Offerts(main.Mode_A), QStringLiteral("SSB|CW|FM"));
    QCOMPARE(main.Bande_A->currentText() + '|' + main.Mode_A->currentText() + '|' +
                 (main.Mnu_Date_Auto->isChecked() ? "Oui" : "Non"),
             choix);
    QCOMPARE(main.Mnu_Date_Man->isChecked(), !main.Mnu_Date_Auto->isChecked());
    QCOMPARE(main.Modele_TORV->rowCount(), lignes);
    QCOMPARE(main.Liste_TORV->currentIndex().row(), lignes - 1);
    QCOMPARE(main.session.Ligne_Selectionnee().left(14), choisie);
    if (lignes > 0)
        QCOMPARE(main.session.Ligne_Selectionnee(), main.Modele_TORV->Ligne(lignes - 1));
    QCOMPARE(main.focusWidget(), main.Ind_A);
    QCOMPARE(t.Lit_Fichier(fichier), log);
    QCOMPARE(t.Reglage("Setup ", "Chemin Repertoire"), QDir::toNativeSeparators(t.repertoire.Chemin()));
    QCOMPARE(t.Reglage("Setup " + indicatif, "Revision"), QStringLiteral(" 1.0.9"));
}

// Each window: its title, centred on its screen by the size it shows with, and one of each kind
// however many times its command is given.
void Test_Main::Fenetres_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("titre");
    QTest::newRow("principale") << ""
                                << "Main"
                                << "  KEZ_TORV    Revision  1.0.9";
    QTest::newRow("station") << "Mnu_New_Indicatif"
                             << "Station"
                             << "Selection Indicaif";
    QTest::newRow("phares contactes") << "Mnu_C_Contacte"
                                      << "Aff_Contacte"
                                      << "Phares Contactés";
    QTest::newRow("score") << "Mnu_Score"
                           << "Score_Phares"
                           << "Scores";
    QTest::newRow("carte") << "Mnu_Carte_HB"
                           << "Carte_Acti_TORV"
                           << "Carte des départements contactés";
    QTest::newRow("recherche") << "Rechercher"
                               << "Recherche_Indicatif"
                               << "Rechercher un QSO";
    QTest::newRow("phares francais") << "Mnu_Liste_FR"
                                     << "Phares_Francais"
                                     << "Liste des Phares Francais";
    QTest::newRow("mode d'emploi") << "Mnu_Mode_Emploi"
                                   << "Mode_Emploi"
                                   << "Mode d'emploi";
}

void Test_Main::Fenetres() {
    QFETCH(QString, commande);
    QFETCH(QString, fenetre);
    QFETCH(QString, titre);
    Poste poste;
    Main& main = poste.main;
    QWidget* ouverte = &main;
    if (!commande.isEmpty()) {
        for (int fois = 0; fois < 2; ++fois) {
            if (QAction* action = main.findChild<QAction*>(commande))
                action->trigger();
            else
                main.findChild<QPushButton*>(commande)->click();
        }
        const QList<QWidget*> ouvertes = main.findChildren<QWidget*>(fenetre);
        QCOMPARE(ouvertes.size(), 1);
        ouverte = ouvertes[0];
        // The main window stays usable beside it.
        QVERIFY(!ouverte->isModal());
    }
    QCOMPARE(ouverte->objectName(), fenetre);
    QVERIFY(ouverte->isWindow() && ouverte->isVisible());
    QCOMPARE(ouverte->windowTitle(), titre);
    const QRect ecran = ouverte->screen()->geometry();
    QCOMPARE(ouverte->pos(), ecran.topLeft() + QPoint((ecran.width() - ouverte->width()) / 2,
                                                      (ecran.height() - ouverte->height()) / 2));
}

// What the operator reads on the main window, where the list and the entry field stand, and every
// button caption whole inside its button, in a smaller font where, and only where, it must be.
void Test_Main::Fenetre_Principale() {
    Poste poste;
    Main& main = poste.main;
    QStringList menus;
    for (QAction* action : main.menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus.join('|'),
             QStringLiteral("Fichier|Date|Station|Imprimer|Enregistrer|Afficher|Carte|Liste|Score|Aide"));
    QCOMPARE(main.Label2->text(), QStringLiteral("INDICATIF DE LA STATION  : "));
    QCOMPARE(main.Liste_TORV->toolTip(), QStringLiteral("Cliquez sur une ligne pour l'editer ou l'annuler"));
    QVERIFY(main.Label_Liste_TORV->text().startsWith(
        QStringLiteral("     N°   Indicatif           Dpt   Prenom")));
    const int dpi = main.logicalDpiY();
    QCOMPARE(main.Ind_A->geometry(), Twips::Rectangle(480, 1440, 1815, 405, dpi));
    QCOMPARE(main.Liste_TORV->geometry(), Twips::Rectangle(360, 3240, 9615, 4020, dpi));
    for (const Bouton* bouton : main.findChildren<Bouton*>()) {
        const QRect zone = bouton->Zone_Legende();
        const auto hauteur = [&](const QFont& police) {
            return QFontMetrics(police)
                .boundingRect(zone, Qt::AlignCenter | Qt::TextWordWrap, bouton->text())
                .height();
        };
        QVERIFY2(hauteur(bouton->Police_Legende()) <= zone.height(), qPrintable(bouton->text()));
        QCOMPARE(bouton->Police_Legende() == bouton->font(), hauteur(bouton->font()) <= zone.height());
    }
}

void Test_Main::Messages_Aide_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("debut");
    QTest::addColumn<QString>("fin");
    QTest::addColumn<int>("lignes");
    QTest::newRow("historique")
        << "Mnu_Historique"
        << "V1.0.0   le 12/08/2006 creation\r\nV1.0.1   le 21/08/2006 "
        << "V1.0.9   le 01/12/2014 Sauvegarde adif Utilisant <STATE>, <SIG> et <SIG_INFO>\r\n"
        << 11;
    const QString a_propos = "   KEZ_TORV  Revision  1.0.9\r\n\r\nKEZ_TORV, log du diplôme des phares\r\n"
                             "Carte des départements d'après \"MapSVG\" et \"Victor Cazanave (svg-maps)\", "
                             "licence CC BY 4.0";
    QTest::newRow("a propos") << "Mnu_Apropos" << a_propos << a_propos << 4;
}

void Test_Main::Messages_Aide() {
    QFETCH(QString, commande);
    QFETCH(QString, debut);
    QFETCH(QString, fin);
    QFETCH(int, lignes);
    Poste poste;
    poste.main.findChild<QAction*>(commande)->trigger();
    QCOMPARE(poste.t.messages.textes.size(), 1);
    const QString texte = poste.t.messages.textes[0];
    QVERIFY2(texte.startsWith(debut) && texte.endsWith(fin), qPrintable(texte));
    QCOMPARE(texte.split("\r\n").size(), lignes);
}

// The guide built into the program is docs/Mode_emploi.md with its pictures, and names every
// caption the operator reads in the menus, on the buttons and above the entry fields.
void Test_Main::Guide() {
    const QString docs = QStringLiteral(KEZ_SOURCES "/docs/");
    QCOMPARE(Mode_Emploi::Source, QStringLiteral("qrc:/docs/Mode_emploi.md"));
    QCOMPARE(Lit_Disque(":/docs/Mode_emploi.md"), Lit_Disque(docs + "Mode_emploi.md"));
    Poste poste;
    Main& main = poste.main;
    main.Mnu_Mode_Emploi->trigger();
    QTextBrowser* guide = main.findChild<Mode_Emploi*>()->Guide;
    QVERIFY(guide->isReadOnly());
    QVERIFY(guide->toPlainText().startsWith(QStringLiteral("KEZ_TORV — Mode d'emploi")));
    QStringList images;
    static const QRegularExpression image(QStringLiteral(R"(!\[[^\]]*\]\(([^)]+)\))"));
    for (const QRegularExpressionMatch& m :
         image.globalMatch(QString::fromUtf8(Lit_Disque(docs + "Mode_emploi.md"))))
        images << m.captured(1);
    QCOMPARE(images, (QStringList{"captures/Fenetre_Principale.png", "captures/Carte.png"}));
    for (const QString& image : images) {
        QCOMPARE(Lit_Disque(":/docs/" + image), Lit_Disque(docs + image));
        const QVariant montree = guide->loadResource(QTextDocument::ImageResource, QUrl(image));
        QVERIFY2(!montree.value<QByteArray>().isEmpty() || !montree.value<QImage>().isNull(),
                 qPrintable(image));
    }

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
    QCOMPARE(libelles.size(), 23 + 6 + 12);
    QStringList absents;
    for (const QString& libelle : libelles)
        if (!guide->toPlainText().contains("« " + libelle + " »"))
            absents << libelle;
    QCOMPARE(absents, QStringList());
}

KEZ_TEST(Test_Main)

#include "Test_Main.moc"
