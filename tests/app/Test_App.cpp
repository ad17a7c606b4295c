#include "app/Adaptateur_Touches.h"
#include "app/Bouton.h"
#include "app/Couleurs.h"
#include "app/Main.h"
#include "app/Station.h"
#include "app/Twips.h"
#include "log/Modele_Log.h"
#include "support/Disque.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

class Test_App : public QObject {
    Q_OBJECT

private slots:
    void Reglages_data();
    void Reglages();
    void Touches();
    void Demarrage_data();
    void Demarrage();
    void Fenetres_data();
    void Fenetres();
    void Textes_Et_Guide();
    void Change_Station_data();
    void Change_Station();
    void Session_Oublie();
    void Boutons();
};

namespace {

const QByteArray QSO =
    "F5ABC        29   JEAN            PB100414/07/06 10:05 SSB 14 Mhz  59  59  P. Phare du "
    "Creac'h            *\r\n";
const QByteArray QSO_2 = "F6XYZ        56" + QByteArray(20, ' ') +
                         "PB101215/07/06 11:00 CW  7.0 Mhz 599 579" + QByteArray(33, ' ') + "\r\n";
struct Cas {
    QString indicatif, texte, message, etat; // "%1" in a message: the log's path
    QByteArray log;
};

// A station as the last run left it (band, mode, manual dating), and its log.
void Station_Connue(Plateforme_Test& t, const QString& indicatif, const char* bande, const char* mode,
                    const QByteArray& log) {
    for (const auto& [cle, valeur] :
         {std::pair{"bande Utilisee", bande}, {"Mode Utilise", mode}, {"Date Auto", "Non"}})
        t.Ecrit_Reglage("Setup " + indicatif, cle, valeur);
    if (log != "<absent>")
        t.Ecrit_Fichier(indicatif + "_TORV.log", log);
}

struct Poste {
    Poste(const QString& indicatif = "F5ABC", const QByteArray& log = QSO) {
        if (!indicatif.isEmpty()) {
            t.Ecrit_Reglage("Setup ", "Indicatif Station", indicatif);
            Station_Connue(t, indicatif, "4", "1", log);
        }
    }
    Plateforme_Test t;
    Main main{t.plateforme};
};

// Station, band, mode, dating, list lines, row chosen and its line's start, entry mode, callsign typed.
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

// Each key read through its accessor for station F5ABC, then written, at its exact place.
void Test_App::Reglages_data() {
    QTest::addColumn<QStringList>("cle"); // section, key, stored ("-": never written), read
    for (const QStringList& cle :
         QList<QStringList>{{"Setup ", "Indicatif Station", "F5ABCDEFGH_1", "F5ABCDEFGH_1"},
                            {"Setup ", "Indicatif Station", "-", "FXXXX"},

                            {"Setup ", "Indicatif Station", "f5abc", "FXXXX"},
                            {"Setup F5ABC", "bande Utilisee", " 11 ", "11"},

                            {"Setup F5ABC", "bande Utilisee", "12", "0"},
                            {"Setup F5ABC", "Mode Utilise", "-2", "0"},
                            {"Setup F5ABC", "Date Auto", "-", "Oui"}})
        QTest::addRow("%s '%s'", qPrintable(cle[1]), qPrintable(cle[2])) << cle;
}

void Test_App::Reglages() {
    QFETCH(QStringList, cle);
    Plateforme_Test t;
    if (cle[2] != "-")
        t.Ecrit_Reglage(cle[0], cle[1], cle[2]);
    const Cle_Reglage& r =
        *QMap<QString, const Cle_Reglage*>{{"Indicatif Station", &Reglages::Indicatif_Station},
                                           {"bande Utilisee", &Reglages::Bande_Utilisee},
                                           {"Mode Utilise", &Reglages::Mode_Utilise},
                                           {"Date Auto", &Reglages::Date_Auto}}[cle[1]];
    Parametres& p = *t.parametres;
    QCOMPARE(&r == &Reglages::Indicatif_Station ? p.Indicatif_Station()
             : &r == &Reglages::Date_Auto       ? p.Lit(r, "F5ABC")
                                                : QString::number(p.Lit_Position(r, "F5ABC", 12)),
             cle[3]);
    p.Ecrit(r, "F6XYZ", "F5ABC");
    QCOMPARE(t.Reglage(cle[0], cle[1]), QStringLiteral("F6XYZ"));
}

// Only Enter, Backspace and characters reach a field's handler, which may replace or swallow them; no
// shortcut (Ctrl), but AltGr, which Windows gives as Ctrl and Alt, types.
void Test_App::Touches() {
    QLineEdit champ;
    QStringList recus;
    Adaptateur_Touches::Installe(&champ, [&](int& code) {
        recus << QString::number(code);
        Sous_Programmes::Majuscule(code);
        code = code == '/' ? '_' : code == 'X' ? 0 : code;
    });
    QTest::keyClicks(&champ, "ab/x1");
    QTest::keyClick(&champ, '@', Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(champ.text(), QStringLiteral("AB_1@"));
    for (const Qt::Key touche : {Qt::Key_Return, Qt::Key_Left, Qt::Key_Tab, Qt::Key_Delete, Qt::Key_Escape,
                                 Qt::Key_Backspace, Qt::Key_F1})
        QTest::keyClick(&champ, touche);
    QTest::keyClick(&champ, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(recus.join(','), QStringLiteral("97,98,47,120,49,64,13,8"));
}

// The first-run message comes before the window shows, a log that cannot be read ("texte": why) is told
// over it; the last line is chosen. The clock shows the UTC date and both times.
void Test_App::Demarrage_data() {
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

void Test_App::Demarrage() {
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
    // Without a station no QSO can be begun, so none goes into the placeholder's log.
    if (cas.indicatif.isEmpty()) {
        QTest::keyClicks(main.Ind_A, "f5");
        QTest::keyClick(main.Ind_A, Qt::Key_Return);
        QCOMPARE(t.messages.textes, QStringList(4, cas.message));
        QVERIFY(!main.Prenom_A->isEnabled());
    }
}

// Each window has its title, opens centred on its screen by the size it shows with, leaves the main
// window usable, and is one of its kind however many times its command is given.
void Test_App::Fenetres_data() {
    QTest::addColumn<QStringList>("fenetre"); // command, window, title
    for (const QStringList& fenetre :
         QList<QStringList>{{"", "Main", "  KEZ_TORV    Revision  1.0.9"},
                            {"Mnu_New_Indicatif", "Station", "Selection Indicaif"},
                            {"Mnu_C_Contacte", "Aff_Contacte", "Phares Contactés"},
                            {"Mnu_Score", "Score_Phares", "Scores"},
                            {"Mnu_Suivi", "Suivi_Phares", "Suivi du diplôme"},
                            {"Mnu_Carte_HB", "Carte_Acti_TORV", "Carte des départements contactés"},
                            {"Rechercher", "Recherche_Indicatif", "Rechercher un QSO"},
                            {"Mnu_Liste_FR", "Phares_Francais", "Liste des Phares Francais"},
                            {"Mnu_Mode_Emploi", "Mode_Emploi", "Mode d'emploi"}})
        QTest::newRow(qPrintable(fenetre[1])) << fenetre;
}

void Test_App::Fenetres() {
    QFETCH(QStringList, fenetre);
    Poste poste;
    Main& main = poste.main;
    main.Form_Load();
    for (int fois = 0; fois < 2 && !fenetre[0].isEmpty(); ++fois)
        QMetaObject::invokeMethod(main.findChild<QObject*>(fenetre[0]),
                                  main.findChild<QAction*>(fenetre[0]) ? "trigger" : "click");
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

// The guide in the program is docs/Mode_emploi.md; "A propos" credits the map.
void Test_App::Textes_Et_Guide() {
    Poste poste;
    Main& main = poste.main;
    main.Form_Load();
    QCOMPARE(Lit_Disque(":/docs/Mode_emploi.md"), Lit_Disque(KEZ_SOURCES "/docs/Mode_emploi.md"));
    main.Mnu_Apropos->trigger();
    QCOMPARE(
        poste.t.messages.textes,
        QStringList{"   KEZ_TORV  Revision  1.0.9\r\n\r\nKEZ_TORV, log du diplôme des phares\r\nCarte des "
                    "départements d'après \"MapSVG\" et \"Victor Cazanave (svg-maps)\", licence CC BY 4.0"});
}

// From station F6OLD, a line chosen for change and a callsign typed, another callsign typed or pasted:
// refused, all stays and so does the window, "texte" left in its field; new, its log starts from the
// template, its band and mode "0"; existing, its log is read. Nothing chosen, loaded or typed survives
// the change; no log but the new one is written.
void Test_App::Change_Station_data() {
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

void Test_App::Change_Station() {
    QFETCH(Cas, cas);
    Poste poste("F6OLD");
    auto& [t, main] = poste;
    const QByteArray log = QSO + QSO.chopped(2) + "\n";
    Station_Connue(t, "F5ABC", "2", "2", log);
    t.Ecrit_Fichier("FXXXX.txt", QSO_2);
    main.Form_Load();
    QTest::keyClicks(main.Ind_A, "f6abc");
    main.Modi_Saisie->click();
    const QString avant = Etat(main);
    main.Mnu_New_Indicatif->trigger();
    Station* station = main.findChild<Station*>();
    cas.indicatif.startsWith("collé ") ? station->New_Indicatif->setText(cas.indicatif.mid(6))
                                       : QTest::keyClicks(station->New_Indicatif, cas.indicatif);
    QTest::keyClick(station->New_Indicatif, Qt::Key_Return);
    QCOMPARE(Couleurs::Couleur(station->New_Indicatif), Couleurs::Blanc);
    QTest::keyClick(station->focusWidget(), Qt::Key_Return);
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

// The session forgets the line and the mode before anything hears of the change.
void Test_App::Session_Oublie() {
    Repertoire_Test repertoire;
    Session session(repertoire);
    session.Choisit_Ligne("    1  F5ABC", {0, QSO});
    session.Choisit_Mode(true, true);
    QStringList vu;
    QObject::connect(&session, &Session::Station_Changee, [&] {
        vu << session.Indicatif_Station() + '|' + session.Ligne_Selectionnee() + '|' +
                  QString::number(session.QSO_Selectionne().position) + '|' +
                  QString::number(session.Mode_Modification() + session.Mode_Insertion());
    });
    session.Change_Station("F5ABC");
    QCOMPARE(vu, QStringList{"F5ABC||-1|0"});
}

// The command buttons stand in their column at the foot of the list, the credit under them; a caption
// too long for its button is drawn once, wrapped, in the smaller font that fits: the button as painted
// is the bare button with that caption drawn over it.
void Test_App::Boutons() {
    Poste poste;
    Main& main = poste.main;
    main.Form_Load();
    const int dpi = main.logicalDpiY();
    for (const auto& [controle, gauche, haut, largeur, hauteur] :
         {std::tuple<QWidget*, int, int, int, int>{main.Valide_A, 10320, 2880, 1095, 495},
          {main.Rechercher, 10320, 6480, 1095, 495},
          {main.Label14, 10320, 7080, 1215, 375},
          {main.Liste_TORV, 360, 3240, 9615, 4020}})
        QCOMPARE(controle->geometry(), Twips::Rectangle(gauche, haut, largeur, hauteur, dpi));
    auto* bouton = static_cast<Bouton*>(main.Efface_A);
    const QFont police = bouton->Police_Legende();
    QVERIFY(police.pointSizeF() < bouton->font().pointSizeF());
    const QRect zone = bouton->Zone_Legende();
    QVERIFY(QFontMetrics(police)
                .boundingRect(zone, Qt::AlignCenter | Qt::TextWordWrap, bouton->text())
                .height() <= zone.height());
    QImage peint(bouton->size(), QImage::Format_ARGB32), attendu = peint;
    peint.fill(Qt::white);
    attendu.fill(Qt::white);
    bouton->render(&peint);
    QPushButton nu;
    nu.setFont(bouton->font());
    nu.resize(bouton->size());
    nu.render(&attendu);
    QPainter peintre(&attendu);
    peintre.setFont(police);
    nu.style()->drawItemText(&peintre, zone, Qt::AlignCenter | Qt::TextWordWrap, bouton->palette(), true,
                             bouton->text(), QPalette::ButtonText);
    peintre.end();
    QCOMPARE(peint, attendu);
}

KEZ_TEST(Test_App)

#include "Test_App.moc"
