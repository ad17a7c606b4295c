#include "app/Couleurs.h"
#include "app/Main.h"
#include "app/Mode_Emploi.h"
#include "app/Station.h"
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
    void Guide();
    void Change_Station_data();
    void Change_Station();
};

namespace {

const QByteArray QSO = "F5ABC        29   JEAN            PB100414/07/06 10:05 SSB 14 Mhz  59  59  P. Phare "
                       "du Creac'h            *\r\n";
const QByteArray QSO_2 = "F6XYZ        56                   PB101215/07/06 11:00 CW  7.0 Mhz 599 579" +
                         QByteArray(33, ' ') + "\r\n";

struct Poste {
    // The station as the last run left it: its band 14 Mhz, mode CW and manual dating, and its log.
    Poste(const QString& indicatif = "F5ABC", const QByteArray& log = QSO) {
        if (indicatif.isEmpty())
            return;
        t.Ecrit_Reglage("Setup ", "Indicatif Station", indicatif);
        for (const auto& [cle, valeur] :
             {std::pair{"bande Utilisee", "4"}, {"Mode Utilise", "1"}, {"Date Auto", "Non"}})
            t.Ecrit_Reglage("Setup " + indicatif, cle, valeur);
        if (log != "<absent>")
            t.Ecrit_Fichier(indicatif + "_TORV.log", log);
    }
    Plateforme_Test t;
    Main main{t.plateforme};
};

// What the main window holds of the run: station, band, mode, dating, list lines, the row chosen and
// the start of its line, the entry mode and the callsign typed.
QString Etat(const Main& main) {
    return QStringList{main.session.Indicatif_Station(),
                       main.Bande_A->currentText(),
                       main.Mode_A->currentText(),
                       QString(main.Mnu_Date_Auto->isChecked() ? "auto" : "") +
                           (main.Mnu_Date_Man->isChecked() ? "man" : ""),
                       QString::number(main.Modele_TORV->rowCount()),
                       QString::number(main.Liste_TORV->currentIndex().row()),
                       main.session.Ligne_Selectionnee().left(14),
                       main.Mode_Aff->text(),
                       main.Ind_A->text()}
        .join('|');
}

Station* Ouvre_Station(Main& main) {
    main.Mnu_New_Indicatif->trigger();
    return main.findChild<Station*>(QStringLiteral("Station"));
}

} // namespace

// The station of the last run with its log, the last line chosen; the first-run message before the
// window shows, a log that cannot be read told over it. "%1" stands for the log's path.
void Test_Main::Demarrage_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("illisible");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("etat");
    const QByteArray absent = "<absent>";
    QTest::newRow("premier lancement")
        << "" << absent << ""
        << "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\nPour cela dans la "
           "barre des menus allez dans Station puis Nouvel Indicatif."
        << "FXXXX|1.8 Mhz|SSB|auto|0|-1||Saisie QSO|";
    QTest::newRow("derniere ligne choisie") << "F5ABC_P" << QSO + QSO_2 + QSO << ""
                                            << ""
                                            << "F5ABC_P|14 Mhz|CW|man|3|2|    3  F5ABC  |Saisie QSO|";
    QTest::newRow("log absent") << "F5ABC" << absent << ""
                                << ""
                                << "F5ABC|14 Mhz|CW|man|0|-1||Saisie QSO|";
    QTest::newRow("log illisible") << "F5ABC" << QSO << "disque absent"
                                   << "Impossible de lire le fichier %1 : disque absent"
                                   << "F5ABC|14 Mhz|CW|man|0|-1||Saisie QSO|";
}

void Test_Main::Demarrage() {
    QFETCH(QString, indicatif);
    QFETCH(QByteArray, log);
    QFETCH(QString, illisible);
    QFETCH(QString, message);
    QFETCH(QString, etat);
    Poste poste(indicatif, log);
    auto& [t, main] = poste;
    t.fichiers.lecture_refusee = illisible;
    QList<bool> visible;
    t.messages.a_l_affichage = [&](const QString&) { visible << main.isVisible(); };
    main.Form_Load();
    QCOMPARE(t.messages.textes.join('|'),
             message.replace("%1", QDir::toNativeSeparators(t.Chemin(indicatif + "_TORV.log"))));
    QCOMPARE(visible, QList<bool>(visible.size(), !indicatif.isEmpty()));
    QCOMPARE(Etat(main), etat);
    QCOMPARE(main.focusWidget(), main.Ind_A);
    QCOMPARE(t.Lit_Fichier(indicatif + "_TORV.log"), log);
    QCOMPARE(t.Reglage("Setup ", "Chemin Repertoire"), QDir::toNativeSeparators(t.repertoire.Chemin()));
    QCOMPARE(t.Reglage("Setup " + main.session.Indicatif_Station(), "Revision"), QStringLiteral(" 1.0.9"));
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
    main.Form_Load();
    for (int fois = 0; fois < 2 && !commande.isEmpty(); ++fois) {
        if (QAction* action = main.findChild<QAction*>(commande))
            action->trigger();
        else
            main.findChild<QPushButton*>(commande)->click();
    }
    const QList<QWidget*> ouvertes =
        commande.isEmpty() ? QList<QWidget*>{&main} : main.findChildren<QWidget*>(fenetre);
    QCOMPARE(ouvertes.size(), 1);
    const QWidget* ouverte = ouvertes[0];
    QCOMPARE(ouverte->objectName(), fenetre);
    // The main window stays usable beside the others.
    QVERIFY(ouverte->isWindow() && ouverte->isVisible() && !ouverte->isModal());
    QCOMPARE(ouverte->windowTitle(), titre);
    const QRect ecran = ouverte->screen()->geometry();
    QCOMPARE(ouverte->pos(), ecran.topLeft() + QPoint((ecran.width() - ouverte->width()) / 2,
                                                      (ecran.height() - ouverte->height()) / 2));
}

// A few texts the operator reads, and where the entry field and the list stand.
void Test_Main::Fenetre_Principale() {
    Poste poste;
    Main& main = poste.main;
    main.Form_Load();
    QStringList menus;
    for (QAction* action : main.menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus.join('|'),
             QStringLiteral("Fichier|Date|Station|Imprimer|Enregistrer|Afficher|Carte|Liste|Score|Aide"));
    QCOMPARE(main.Label2->text(), QStringLiteral("INDICATIF DE LA STATION  : "));
    QVERIFY(main.Label_Liste_TORV->text().startsWith(
        QStringLiteral("     N°   Indicatif           Dpt   Prenom")));
    QCOMPARE(main.Liste_TORV->toolTip(), QStringLiteral("Cliquez sur une ligne pour l'editer ou l'annuler"));
    const int dpi = main.logicalDpiY();
    QCOMPARE(main.Ind_A->geometry(), Twips::Rectangle(480, 1440, 1815, 405, dpi));
    QCOMPARE(main.Liste_TORV->geometry(), Twips::Rectangle(360, 3240, 9615, 4020, dpi));
}

// The guide in the program is docs/Mode_emploi.md with its pictures, and names every caption of the
// menus, the buttons and the entry fields; "A propos" credits the map.
void Test_Main::Guide() {
    const QString docs = QStringLiteral(KEZ_SOURCES "/docs/");
    QCOMPARE(Mode_Emploi::Source, QStringLiteral("qrc:/docs/Mode_emploi.md"));
    QCOMPARE(Lit_Disque(":/docs/Mode_emploi.md"), Lit_Disque(docs + "Mode_emploi.md"));
    Poste poste;
    Main& main = poste.main;
    main.Form_Load();
    main.Mnu_Mode_Emploi->trigger();
    QTextBrowser* guide = main.findChild<Mode_Emploi*>()->Guide;
    QVERIFY(guide->isReadOnly());
    QVERIFY(guide->toPlainText().startsWith(QStringLiteral("KEZ_TORV — Mode d'emploi")));
    QStringList images;
    static const QRegularExpression image(QStringLiteral(R"(!\[[^\]]*\]\(([^)]+)\))"));
    for (const auto& m : image.globalMatch(QString::fromUtf8(Lit_Disque(docs + "Mode_emploi.md"))))
        images << m.captured(1);
    QCOMPARE(images, (QStringList{"captures/Fenetre_Principale.png", "captures/Carte.png"}));
    for (const QString& image : images) {
        QCOMPARE(Lit_Disque(":/docs/" + image), Lit_Disque(docs + image));
        const QVariant montree = guide->loadResource(QTextDocument::ImageResource, QUrl(image));
        QVERIFY(!montree.value<QByteArray>().isEmpty() || !montree.value<QImage>().isNull());
    }
    QStringList libelles;
    for (const QAction* titre : main.menuBar()->actions()) {
        libelles << titre->text();
        for (const QAction* commande : titre->menu() ? titre->menu()->actions() : QList<QAction*>())
            libelles << commande->text();
    }
    for (const QPushButton* bouton : main.findChildren<QPushButton*>())
        libelles << bouton->text();
    for (const QLabel* libelle :
         {main.Label8, main.Label6, main.Label1, main.Label36, main.Label5, main.Label40, main.Label16,
          main.Label26, main.Label41, main.Label9, main.Label4, main.Label3})
        libelles << libelle->text();
    QCOMPARE(libelles.size(), 23 + 6 + 12);
    for (const QString& libelle : libelles)
        QVERIFY2(guide->toPlainText().contains("« " + libelle + " »"), qPrintable(libelle));
    main.Mnu_Apropos->trigger();
    QCOMPARE(
        poste.t.messages.textes,
        QStringList{"   KEZ_TORV  Revision  1.0.9\r\n\r\nKEZ_TORV, log du diplôme des phares\r\nCarte des "
                    "départements d'après \"MapSVG\" et \"Victor Cazanave (svg-maps)\", licence CC BY 4.0"});
}

// From station F6OLD, a line chosen for change and a callsign typed: a refused callsign leaves all as
// it was and the window open; a new station's log starts from the template, its band and mode "0";
// an existing station's log is read. Nothing chosen, loaded or typed survives the change, and no
// log but the new one is written.
void Test_Main::Change_Station_data() {
    QTest::addColumn<QString>("texte"); // typed, or pasted after "collé "
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reste"); // in the window's field
    QTest::addColumn<QString>("etat");
    QTest::addColumn<QByteArray>("nouveau"); // the new station's log
    const QString caracteres = "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ";
    const QByteArray absent = "<absent>";
    QTest::newRow("vide") << ""
                          << "Vous devez entrer un indicatif"
                          << ""
                          << "" << absent;
    QTest::newRow("13 caracteres") << "abcdefghij123"
                                   << "12 caracteres maximum pour l'indicatif"
                                   << "ABCDEFGHIJ123"
                                   << "" << absent;
    QTest::newRow("tiret") << "f5-abc" << caracteres << ""
                           << "" << absent;
    QTest::newRow("accent") << "collé F5ÉABC" << caracteres << ""
                            << "" << absent;
    QTest::newRow("eszett, pas SS") << "collé f5ß" << caracteres << ""
                                    << "" << absent;
    QTest::newRow("nouvelle") << "f5abc/p"
                              << ""
                              << ""
                              << "F5ABC_P|1.8 Mhz|SSB|man|1|-1||Saisie QSO||F5ABC_P|0|0" << QSO_2;
    QTest::newRow("existante") << "collé f5abc"
                               << ""
                               << ""
                               << "F5ABC|7.0 Mhz|FM|man|2|-1||Saisie QSO||F5ABC|2|2" << absent;
}

void Test_Main::Change_Station() {
    QFETCH(QString, texte);
    QFETCH(QString, message);
    QFETCH(QString, reste);
    QFETCH(QString, etat);
    QFETCH(QByteArray, nouveau);
    Poste poste("F6OLD");
    auto& [t, main] = poste;
    const QByteArray log = QSO + QSO.chopped(2) + "\n";
    t.Ecrit_Fichier("F5ABC_TORV.log", log);
    t.Ecrit_Fichier("FXXXX.txt", QSO_2);
    for (const auto& [cle, valeur] :
         {std::pair{"bande Utilisee", "2"}, {"Mode Utilise", "2"}, {"Date Auto", "Non"}})
        t.Ecrit_Reglage("Setup F5ABC", cle, valeur);
    main.Form_Load();
    QTest::keyClicks(main.Ind_A, "f6abc");
    main.Modi_Saisie->click();
    const QString avant = Etat(main);
    QVERIFY(avant.contains("|Modification QSO|"));
    Station* station = Ouvre_Station(main);
    QCOMPARE(Couleurs::Couleur(station->New_Indicatif), Couleurs::Vert_Saisie);
    if (texte.startsWith("collé "))
        station->New_Indicatif->setText(texte.mid(6));
    else
        QTest::keyClicks(station->New_Indicatif, texte);
    QTest::keyClick(station->New_Indicatif, Qt::Key_Return);
    QCOMPARE(Couleurs::Couleur(station->New_Indicatif), Couleurs::Blanc);
    QCOMPARE(station->focusWidget(), station->Validation);
    QTest::keyClick(station->Validation, Qt::Key_Return);
    QCOMPARE(t.messages.textes, message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(station->New_Indicatif->text(), reste);
        QVERIFY(station->isVisible());
        station->close();
    }
    const QString station_choisie = t.Reglage("Setup ", "Indicatif Station");
    QCOMPARE(Etat(main) + '|' + station_choisie + '|' +
                 t.Reglage("Setup " + station_choisie, "bande Utilisee") + '|' +
                 t.Reglage("Setup " + station_choisie, "Mode Utilise"),
             etat.isEmpty() ? avant + "|F6OLD|4|1" : etat);
    QCOMPARE(main.I_Station->text(), QString(station_choisie).replace('_', '/'));
    QCOMPARE(t.Lit_Fichier("F5ABC_P_TORV.log"), nouveau);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), log);
    QCOMPARE(t.Lit_Fichier("F6OLD_TORV.log"), QSO);
    if (message.isEmpty()) {
        QTRY_VERIFY(!main.findChild<Station*>());
        QVERIFY(!main.session.Mode_Modification() && !main.session.Mode_Insertion() &&
                !main.Valide_A->isEnabled());
        main.Modi_Saisie->click();
        main.Annule_Saisie->click();
        QCOMPARE(t.messages.textes, QStringList({"Cliquez sur une ligne pour l'editer",
                                                 "Cliquez sur une ligne pour l'effacerer"}));
        QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), log);
    }
}

KEZ_TEST(Test_Main)

#include "Test_Main.moc"
