#include "app/Adaptateur_Touches.h"
#include "app/Installation.h"
#include "app/Main.h"
#include "support/Disque.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QLabel>
#include <QLineEdit>
#include <QMap>

class Test_Plateforme : public QObject {
    Q_OBJECT

private slots:
    void Reglages_data();
    void Reglages();
    void Adaptateur_Touches_data();
    void Adaptateur_Touches();
    void Horloge_data();
    void Horloge();
    void Choix_Dossier_data();
    void Choix_Dossier();
    void Prepare_Dossier_data();
    void Prepare_Dossier();
    void Donnees_Introuvables();
};

namespace {

using Contenus = QMap<QString, QByteArray>;

// Shipped files with bytes that a text conversion would change: CR LF, bare LF, Windows-1252, NUL.
const Contenus Livres{{"FXXXX.txt", ""},
                      {"Liste_Prenom.txt", "F5ABC        29 JEAN\r\n"},
                      {"Liste_Phare.txt", QByteArray("Phare du Cr\xe9"
                                                     "ac'h\r\n1001\n\r\n\x00\x80\r\n",
                                                     29)}};

Contenus Lit_Tous(const QString& dossier) {
    Contenus contenus;
    for (const QString& nom : QDir(dossier).entryList(QDir::Files))
        contenus[nom] = Lit_Disque(dossier + '/' + nom);
    return contenus;
}

} // namespace

// A key as stored ("-": never written) and as its accessor reads it for station F5ABC, then written.
void Test_Plateforme::Reglages_data() {
    QTest::addColumn<QStringList>("cle"); // section, key, stored, read
    for (const QStringList& cle :
         QList<QStringList>{{"Setup ", "Indicatif Station", "F5ABC_P", "F5ABC_P"},
                            {"Setup ", "Indicatif Station", "ABCDEFGHIJ12", "ABCDEFGHIJ12"},
                            {"Setup ", "Indicatif Station", "-", "FXXXX"},
                            {"Setup ", "Indicatif Station", "ABCDEFGHIJ123", "FXXXX"},
                            {"Setup ", "Indicatif Station", "../F5ABC", "FXXXX"},
                            {"Setup ", "Indicatif Station", "f5abc", "FXXXX"},
                            {"Setup F5ABC", "bande Utilisee", " 11 ", "11"},
                            {"Setup F5ABC", "bande Utilisee", "-1", "-1"},
                            {"Setup F5ABC", "bande Utilisee", "12", "0"},
                            {"Setup F5ABC", "bande Utilisee", "-2", "0"},
                            {"Setup F5ABC", "Mode Utilise", "1x", "0"},
                            {"Setup F5ABC", "Mode Utilise", "-", "0"},
                            {"Setup F5ABC", "Date Auto", "-", "Oui"},
                            {"Setup ", "Chemin Repertoire", "/home/op", "/home/op"},
                            {"Setup F5ABC", "Revision", "-", ""}})
        QTest::addRow("%s '%s'", qPrintable(cle[1]), qPrintable(cle[2])) << cle;
}

void Test_Plateforme::Reglages() {
    QFETCH(QStringList, cle);
    Plateforme_Test t;
    if (cle[2] != "-")
        t.Ecrit_Reglage(cle[0], cle[1], cle[2]);
    Parametres& p = *t.parametres;
    for (const Cle_Reglage* r :
         {&Reglages::Indicatif_Station, &Reglages::Chemin_Repertoire, &Reglages::Bande_Utilisee,
          &Reglages::Mode_Utilise, &Reglages::Date_Auto, &Reglages::Revision}) {
        if (cle[1] != r->cle)
            continue;
        QCOMPARE(r == &Reglages::Indicatif_Station ? p.Indicatif_Station()
                 : QString(r->defaut) == "0"       ? QString::number(p.Lit_Position(*r, "F5ABC", 12))
                                                   : p.Lit(*r, "F5ABC"),
                 cle[3]);
        p.Ecrit(*r, "F6XYZ", "F5ABC");
        QCOMPARE(t.Reglage(cle[0], cle[1]), QStringLiteral("F6XYZ"));
        return;
    }
    QFAIL("no such key");
}

// Only Enter, Backspace and characters reach the handler, which may replace or swallow them; no
// shortcut (Ctrl), but AltGr, which Windows gives as Ctrl and Alt, types.
void Test_Plateforme::Adaptateur_Touches_data() {
    QTest::addColumn<QString>("remplacement");
    QTest::addColumn<QString>("texte");
    QTest::newRow("aucun") << ""
                           << "ab/1@";
    QTest::newRow("majuscule") << "maj"
                               << "AB/1@";
    QTest::newRow("avale /") << "avale /"
                             << "ab1@";
    QTest::newRow("souligne /") << "souligne /"
                                << "ab_1@";
}

void Test_Plateforme::Adaptateur_Touches() {
    QFETCH(QString, remplacement);
    QFETCH(QString, texte);
    QLineEdit champ;
    QStringList recus;
    Adaptateur_Touches::Installe(&champ, [&](int& code) {
        recus << QString::number(code);
        if (remplacement == "maj")
            Sous_Programmes::Majuscule(code);
        else if (code == '/' && !remplacement.isEmpty())
            code = remplacement == "avale /" ? 0 : '_';
    });
    QTest::keyClicks(&champ, "ab/1");
    QTest::keyClick(&champ, '@', Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(champ.text(), texte);
    for (const Qt::Key touche : {Qt::Key_Return, Qt::Key_Left, Qt::Key_Tab, Qt::Key_Delete, Qt::Key_Escape,
                                 Qt::Key_Backspace, Qt::Key_F1})
        QTest::keyClick(&champ, touche);
    QTest::keyClick(&champ, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(recus.join(','), QStringLiteral("97,98,47,49,64,13,8"));
}

void Test_Plateforme::Horloge_data() {
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<QString>("textes"); // the date, the UTC and local times shown, the UTC time in full
    QTest::newRow("zeros gardes") << QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7), Qt::UTC)
                                  << "05/12/26|09:05 Utc|10:05 Loc|09:05:07";
    QTest::newRow("fin de siecle") << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59), Qt::UTC)
                                   << "31/12/99|23:59 Utc|00:59 Loc|23:59:59";
}

void Test_Plateforme::Horloge() {
    QFETCH(QDateTime, utc);
    QFETCH(QString, textes);
    Plateforme_Test t;
    t.horloge.utc = utc;
    t.horloge.locale = QDateTime(QDate(2000, 1, 1), utc.time().addSecs(3600));
    Main main(t.plateforme);
    main.Timer1_Timer();
    QCOMPARE(QStringList({main.Label33->text(), main.Label37->text(), main.Label34->text(),
                          Sous_Programmes::Heure_Utc_Texte(t.horloge)})
                 .join('|'),
             textes);
}

// The program's own folder for a portable copy, otherwise the operator's, started from the shipped
// files found beside the program or installed.
void Test_Plateforme::Choix_Dossier_data() {
    QTest::addColumn<QStringList>("a_cote");
    QTest::addColumn<int>("inscriptible"); // -1: the program's folder as it is on the disk
    QTest::addColumn<QString>("choix");
    const QStringList livres{"KEZ_TORV", "FXXXX.txt", "Liste_Phare.txt", "Liste_Prenom.txt"};
    QTest::newRow("construction") << livres << -1 << "bin|";
    QTest::newRow("prénoms effacés") << livres.mid(0, 3) << -1 << "bin|";
    QTest::newRow("installé") << QStringList{"KEZ_TORV", "F5ABC_TORV.log"} << -1 << "maison|share";
    QTest::newRow("portable en lecture seule") << livres << 0 << "maison|bin";
    QTest::newRow("installé, inscriptible") << QStringList{"KEZ_TORV"} << 1 << "maison|share";
}

void Test_Plateforme::Choix_Dossier() {
    QFETCH(QStringList, a_cote);
    QFETCH(int, inscriptible);
    QFETCH(QString, choix);
    QTemporaryDir racine;
    for (const QString& nom : a_cote)
        Ecrit_Disque(racine.filePath("bin/") + nom, "x");
    const Installation::Lieux lieux{racine.filePath("bin"), racine.filePath("share"),
                                    racine.filePath("maison")};
    const Installation::Emplacement emplacement =
        inscriptible < 0 ? Installation::Choisit(lieux)
                         : Installation::Choisit(lieux, a_cote.contains("FXXXX.txt"), inscriptible == 1);
    QCOMPARE(QString(emplacement.travail + '|' + emplacement.modeles).remove(racine.path() + '/'), choix);
}

// A file of the operator's is never replaced; a missing one is copied, writable. "%1": the shipped
// files' folder, "%2": the operator's.
void Test_Plateforme::Prepare_Dossier_data() {
    QTest::addColumn<Contenus>("modeles");
    QTest::addColumn<Contenus>("avant");
    QTest::addColumn<Contenus>("apres");
    QTest::addColumn<QString>("erreur");
    const Contenus operateur{{"Liste_Prenom.txt", "F6XYZ        56 PAUL\r\n"}, {"F6XYZ_TORV.log", "un log"}};
    Contenus garde = Livres, sans_phares = Livres;
    garde.insert(operateur);
    sans_phares.remove("Liste_Phare.txt");
    QTest::newRow("premier lancement") << Livres << Contenus{} << Livres << "";
    QTest::newRow("fichiers de l'opérateur gardés") << Livres << operateur << garde << "";
    QTest::newRow("modèle absent")
        << sans_phares << Contenus{} << sans_phares
        << "Impossible de copier le fichier %1/Liste_Phare.txt dans le dossier %2 : fichier absent";
    QTest::newRow("dossier impossible")
        << Livres << Contenus{{"..", ""}} << Contenus{} << "Impossible de créer le dossier %2.";
}

void Test_Plateforme::Prepare_Dossier() {
    QFETCH(Contenus, modeles);
    QFETCH(Contenus, avant);
    QFETCH(Contenus, apres);
    QFETCH(QString, erreur);
    QTemporaryDir racine;
    const QString share = racine.filePath("share"), dossier = racine.filePath("maison/KEZ_TORV");
    for (const QString& nom : modeles.keys()) {
        Ecrit_Disque(share + '/' + nom, modeles[nom]);
        QFile::setPermissions(share + '/' + nom, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    // "..": the operator's folder cannot be made, a file stands where its parent should.
    for (const QString& nom : avant.keys())
        Ecrit_Disque(nom == ".." ? racine.filePath("maison") : dossier + '/' + nom, avant[nom]);
    const QStringList erreurs =
        erreur.isEmpty() ? QStringList() : QStringList{erreur.replace("%1", share).replace("%2", dossier)};
    for (int fois = 0; fois < 2; ++fois) {
        QCOMPARE(Installation::Prepare_Dossier(share, dossier, Livres.keys()), erreurs);
        QCOMPARE(Lit_Tous(dossier), apres);
    }
    for (const QString& nom : apres.keys())
        QVERIFY2(QFile::permissions(dossier + '/' + nom) & QFile::WriteOwner, qPrintable(nom));
    QCOMPARE(Lit_Tous(share), modeles);
}

// This test program has no data files beside it and none installed: it is taken for an installed
// copy whose data went missing, and says so once, naming each file, then goes on.
void Test_Plateforme::Donnees_Introuvables() {
    QTemporaryDir maison;
    qputenv("XDG_DATA_HOME", maison.path().toLocal8Bit());
    Messages_Test messages;
    const QString dossier = Installation::Repertoire_De_Travail(messages);
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(dossier, maison.filePath(QCoreApplication::applicationName()));
    QVERIFY(QFileInfo(dossier).isDir());
    const QString donnees =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" KEZ_DONNEES_RELATIVES);
    QStringList lignes;
    for (const QString& nom : Installation::Fichiers_Donnees())
        lignes << "Impossible de copier le fichier " + donnees + '/' + nom + " dans le dossier " + dossier +
                      " : fichier absent";
    QCOMPARE(messages.textes, QStringList{lignes.join("\r\n")});
    // What a new working folder needs; the build may ship more.
    for (const QString& nom : Livres.keys())
        QVERIFY2(Installation::Fichiers_Donnees().contains(nom), qPrintable(nom));
}

KEZ_TEST(Test_Plateforme)

#include "Test_Plateforme.moc"
