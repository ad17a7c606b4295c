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
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>

class Test_Main : public QObject {
    Q_OBJECT

private slots:
    void Demarrage_data();
    void Demarrage();
    void Fenetres_data();
    void Fenetres();
    void Textes_Et_Guide();
    void Change_Station_data();
    void Change_Station();
};

namespace {

const QByteArray QSO =
    "F5ABC        29   JEAN            PB100414/07/06 10:05 SSB 14 Mhz  59  59  P. Phare du "
    "Creac'h            *\r\n";
const QByteArray QSO_2 = "F6XYZ        56" + QByteArray(20, ' ') +
                         "PB101215/07/06 11:00 CW  7.0 Mhz 599 579" + QByteArray(33, ' ') + "\r\n";

// "%1" in a message: the log's path. An empty state: as it was before.
struct Cas {
    QString indicatif, texte, message, etat;
    QByteArray log;
};

// The station as the last run left it: its band 14 Mhz, mode CW and manual dating, and its log.
struct Poste {
    Poste(const QString& indicatif = "F5ABC", const QByteArray& log = QSO) {
        if (indicatif.isEmpty())
            return;
        for (const auto& [cle, valeur] :
             {std::pair{"bande Utilisee", "4"}, {"Mode Utilise", "1"}, {"Date Auto", "Non"}})
            t.Ecrit_Reglage("Setup " + indicatif, cle, valeur);
        t.Ecrit_Reglage("Setup ", "Indicatif Station", indicatif);
        if (log != "<absent>")
            t.Ecrit_Fichier(indicatif + "_TORV.log", log);
    }
    Plateforme_Test t;
    Main main{t.plateforme};
};

// Station, band, mode, dating, list lines, the row chosen and the start of its line, entry mode, callsign
// typed.
QString Etat(const Main& main) {
    return QString("%1|%2|%3|%4%5|%6|%7|%8|%9")
        .arg(main.session.Indicatif_Station(), main.Bande_A->currentText(), main.Mode_A->currentText(),
             main.Mnu_Date_Auto->isChecked() ? "auto" : "", main.Mnu_Date_Man->isChecked() ? "man" : "",
             QString::number(main.Modele_TORV->rowCount()),
             QString::number(main.Liste_TORV->currentIndex().row()),
             main.session.Ligne_Selectionnee().left(14), main.Mode_Aff->text() + '|' + main.Ind_A->text());
}

} // namespace

Q_DECLARE_METATYPE(Cas)

// The first-run message comes before the window shows, a log that cannot be read ("texte": why) is told
// over it; the last line is chosen. The clock shows the UTC date and both times.
void Test_Main::Demarrage_data() {
    QTest::addColumn<Cas>("cas");
    QTest::newRow("premier lancement")
        << Cas{"", "",
               "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\nPour cela dans "
               "la barre des menus allez dans Station puis Nouvel Indicatif.",
               "FXXXX|1.8 Mhz|SSB|auto|0|-1||Saisie QSO|", "<absent>"};
    QTest::newRow("derniere ligne choisie")
        << Cas{"F5ABC_P", "", "", "F5ABC_P|14 Mhz|CW|man|3|2|    3  F5ABC  |Saisie QSO|", QSO + QSO_2 + QSO};
    QTest::newRow("log absent") << Cas{"F5ABC", "", "", "F5ABC|14 Mhz|CW|man|0|-1||Saisie QSO|", "<absent>"};
    QTest::newRow("log illisible") << Cas{"F5ABC", "disque absent",
                                          "Impossible de lire le fichier %1 : disque absent",
                                          "F5ABC|14 Mhz|CW|man|0|-1||Saisie QSO|", QSO};
}

void Test_Main::Demarrage() {
    QFETCH(Cas, cas);
    Poste poste(cas.indicatif, cas.log);
    auto& [t, main] = poste;
    t.fichiers.lecture_refusee = cas.texte;
    QList<bool> visible;
    t.messages.a_l_affichage = [&](const QString&) { visible << main.isVisible(); };
    main.Form_Load();
    const QString log = cas.indicatif + "_TORV.log";
    QCOMPARE(t.messages.textes.join('|'), cas.message.replace("%1", QDir::toNativeSeparators(t.Chemin(log))));
    QCOMPARE(visible, QList<bool>(visible.size(), !cas.indicatif.isEmpty()));
    QCOMPARE(Etat(main), cas.etat);
    QCOMPARE(main.focusWidget(), main.Ind_A);
    QCOMPARE(t.Lit_Fichier(log), cas.log);
    QCOMPARE(t.Reglage("Setup ", "Chemin Repertoire"), QDir::toNativeSeparators(t.repertoire.Chemin()));
    QCOMPARE(t.Reglage("Setup " + main.session.Indicatif_Station(), "Revision"), QStringLiteral(" 1.0.9"));
    t.horloge.utc = QDateTime(QDate(1999, 12, 31), QTime(23, 9, 5), Qt::UTC);
    main.Timer1_Timer();
    QCOMPARE(main.Label33->text() + '|' + main.Label37->text() + '|' + main.Label34->text(),
             "31/12/99|23:09 Utc|15:05 Loc");
}

// Each window has its title, opens centred on its screen by the size it shows with, leaves the main
// window usable, and is one of its kind however many times its command is given.
void Test_Main::Fenetres_data() {
    QTest::addColumn<QStringList>("fenetre"); // command, window, title
    for (const QStringList& fenetre :
         QList<QStringList>{{"", "Main", "  KEZ_TORV    Revision  1.0.9"},
                            {"Mnu_New_Indicatif", "Station", "Selection Indicaif"},
                            {"Mnu_C_Contacte", "Aff_Contacte", "Phares Contactés"},
                            {"Mnu_Score", "Score_Phares", "Scores"},
                            {"Mnu_Carte_HB", "Carte_Acti_TORV", "Carte des départements contactés"},
                            {"Rechercher", "Recherche_Indicatif", "Rechercher un QSO"},
                            {"Mnu_Liste_FR", "Phares_Francais", "Liste des Phares Francais"},
                            {"Mnu_Mode_Emploi", "Mode_Emploi", "Mode d'emploi"}})
        QTest::newRow(qPrintable(fenetre[1])) << fenetre;
}

void Test_Main::Fenetres() {
    QFETCH(QStringList, fenetre);
    Poste poste;
    Main& main = poste.main;
    main.Form_Load();
    for (int fois = 0; fois < 2 && !fenetre[0].isEmpty(); ++fois) {
        if (QAction* action = main.findChild<QAction*>(fenetre[0]))
            action->trigger();
        else
            main.findChild<QPushButton*>(fenetre[0])->click();
    }
    const auto ouvertes =
        fenetre[0].isEmpty() ? QList<QWidget*>{&main} : main.findChildren<QWidget*>(fenetre[1]);
    QCOMPARE(ouvertes.size(), 1);
    const QWidget* f = ouvertes[0];
    QVERIFY(f->objectName() == fenetre[1] && f->isWindow() && f->isVisible() && !f->isModal());
    QCOMPARE(f->windowTitle(), fenetre[2]);
    const QRect ecran = f->screen()->geometry();
    QCOMPARE(f->pos(),
             ecran.topLeft() + QPoint((ecran.width() - f->width()) / 2, (ecran.height() - f->height()) / 2));
}

// The guide in the program is docs/Mode_emploi.md, and names each caption of the menus,
// buttons and entry fields; "A propos" credits the map.
void Test_Main::Textes_Et_Guide() {
    Poste poste;
    Main& main = poste.main;
    main.Form_Load();
    QCOMPARE(main.Label2->text(), QStringLiteral("INDICATIF DE LA STATION  : "));
    QVERIFY(main.Label_Liste_TORV->text().startsWith(
        QStringLiteral("     N°   Indicatif           Dpt   Prenom")));
    QCOMPARE(main.Liste_TORV->toolTip(), QStringLiteral("Cliquez sur une ligne pour l'editer ou l'annuler"));
    QCOMPARE(main.Ind_A->geometry(), Twips::Rectangle(480, 1440, 1815, 405, main.logicalDpiY()));
    QCOMPARE(main.Liste_TORV->geometry(), Twips::Rectangle(360, 3240, 9615, 4020, main.logicalDpiY()));
    const QString docs = QStringLiteral(KEZ_SOURCES "/docs/");
    QCOMPARE(Mode_Emploi::Source, QStringLiteral("qrc:/docs/Mode_emploi.md"));
    QCOMPARE(Lit_Disque(":/docs/Mode_emploi.md"), Lit_Disque(docs + "Mode_emploi.md"));
    main.Mnu_Mode_Emploi->trigger();
    QTextBrowser* guide = main.findChild<Mode_Emploi*>()->Guide;
    QVERIFY(guide->isReadOnly() &&
            guide->toPlainText().startsWith(QStringLiteral("KEZ_TORV — Mode d'emploi")));
    QStringList libelles;
    for (const QAction* action : main.findChildren<QAction*>())
        libelles << action->text();
    for (const QPushButton* bouton : main.findChildren<QPushButton*>())
        libelles << bouton->text();
    for (const QLabel* libelle :
         {main.Label8, main.Label6, main.Label1, main.Label36, main.Label5, main.Label40, main.Label16,
          main.Label26, main.Label41, main.Label9, main.Label4, main.Label3})
        libelles << libelle->text();
    libelles.removeAll(QString());
    QCOMPARE(libelles.size(), 23 + 6 + 12);
    for (const QString& libelle : libelles)
        QVERIFY2(guide->toPlainText().contains("« " + libelle + " »"), qPrintable(libelle));
    main.Mnu_Apropos->trigger();
    QCOMPARE(
        poste.t.messages.textes,
        QStringList{"   KEZ_TORV  Revision  1.0.9\r\n\r\nKEZ_TORV, log du diplôme des phares\r\nCarte des "
                    "départements d'après \"MapSVG\" et \"Victor Cazanave (svg-maps)\", licence CC BY 4.0"});
}

// From station F6OLD, with a line chosen for change and a callsign typed, a callsign typed or pasted
// ("indicatif"): refused, all stays and the window too, with what is left in its field ("texte"); new,
// its log starts from the template, its band and mode "0"; existing, its log is read. Nothing chosen,
// loaded or typed survives the change; no log but the new one is written.
void Test_Main::Change_Station_data() {
    QTest::addColumn<Cas>("cas");
    const QString caracteres = "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ";
    QTest::newRow("vide") << Cas{"", "", "Vous devez entrer un indicatif", "", "<absent>"};
    QTest::newRow("13 caracteres") << Cas{"abcdefghij123", "ABCDEFGHIJ123",
                                          "12 caracteres maximum pour l'indicatif", "", "<absent>"};
    QTest::newRow("tiret") << Cas{"f5-abc", "", caracteres, "", "<absent>"};
    QTest::newRow("accent collé") << Cas{"collé F5ÉABC", "", caracteres, "", "<absent>"};
    QTest::newRow("eszett collé, pas SS") << Cas{"collé f5ß", "", caracteres, "", "<absent>"};
    QTest::newRow("nouvelle") << Cas{"f5abc/p", "", "",
                                     "F5ABC_P|1.8 Mhz|SSB|man|1|-1||Saisie QSO||F5ABC_P|0|0", QSO_2};
    QTest::newRow("existante collée")
        << Cas{"collé f5abc", "", "", "F5ABC|7.0 Mhz|FM|man|2|-1||Saisie QSO||F5ABC|2|2", "<absent>"};
}

void Test_Main::Change_Station() {
    QFETCH(Cas, cas);
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
    main.Mnu_New_Indicatif->trigger();
    Station* station = main.findChild<Station*>();
    QCOMPARE(Couleurs::Couleur(station->New_Indicatif), Couleurs::Vert_Saisie);
    if (cas.indicatif.startsWith("collé "))
        station->New_Indicatif->setText(cas.indicatif.mid(6));
    else
        QTest::keyClicks(station->New_Indicatif, cas.indicatif);
    QTest::keyClick(station->New_Indicatif, Qt::Key_Return);
    QCOMPARE(Couleurs::Couleur(station->New_Indicatif), Couleurs::Blanc);
    QCOMPARE(station->focusWidget(), station->Validation);
    QTest::keyClick(station->Validation, Qt::Key_Return);
    QCOMPARE(t.messages.textes, cas.message.isEmpty() ? QStringList() : QStringList{cas.message});
    if (!cas.message.isEmpty()) {
        QVERIFY(station->isVisible() && station->New_Indicatif->text() == cas.texte);
        station->close();
    }
    const QString choisie = t.Reglage("Setup ", "Indicatif Station");
    QCOMPARE(Etat(main) + '|' + choisie + '|' + t.Reglage("Setup " + choisie, "bande Utilisee") + '|' +
                 t.Reglage("Setup " + choisie, "Mode Utilise"),
             cas.etat.isEmpty() ? avant + "|F6OLD|4|1" : cas.etat);
    QCOMPARE(main.I_Station->text(), QString(choisie).replace('_', '/'));
    QCOMPARE(t.Lit_Fichier("F5ABC_P_TORV.log"), cas.log);
    QCOMPARE(t.Lit_Fichier("F6OLD_TORV.log"), QSO);
    if (cas.message.isEmpty()) {
        QTRY_VERIFY(!main.findChild<Station*>());
        QVERIFY(!main.session.Mode_Modification() && !main.session.Mode_Insertion() &&
                !main.Valide_A->isEnabled());
        main.Modi_Saisie->click();
        main.Annule_Saisie->click();
        QCOMPARE(t.messages.textes, QStringList({"Cliquez sur une ligne pour l'editer",
                                                 "Cliquez sur une ligne pour l'effacerer"}));
    }
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), log);
}

KEZ_TEST(Test_Main)

#include "Test_Main.moc"
