#include "app/Adaptateur_Touches.h"
#include "app/Installation.h"
#include "app/Main.h"
#include "support/Disque.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTimer>

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
const char Phares[] = "Phare du Cr\xe9"
                      "ac'h\r\n1001\n\r\n29\r\n\x00\x80\r\n";
const Contenus Livres{{"FXXXX.txt", ""},
                      {"Liste_Prenom.txt", "F5ABC        29 JEAN\r\n"},
                      {"Liste_Phare.txt", QByteArray(Phares, sizeof(Phares) - 1)}};

Contenus Lit_Tous(const QString& dossier) {
    Contenus contenus;
    for (const QString& nom : QDir(dossier).entryList(QDir::Files))
        contenus[nom] = Lit_Disque(dossier + '/' + nom);
    return contenus;
}

} // namespace

// Each key as stored, read through its typed accessor ("<absent>": never written), then written.
void Test_Plateforme::Reglages_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("stocke");
    QTest::addColumn<QString>("lu");
    const auto ligne = [](const char* nom, const char* section, const char* cle, const QString& stocke,
                          const char* lu) { QTest::newRow(nom) << section << cle << stocke << lu; };
    ligne("station", "Setup ", "Indicatif Station", "F5ABC_P", "F5ABC_P");
    ligne("station de 12", "Setup ", "Indicatif Station", "ABCDEFGHIJ12", "ABCDEFGHIJ12");
    ligne("station absente", "Setup ", "Indicatif Station", "<absent>", "FXXXX");
    ligne("station de 13", "Setup ", "Indicatif Station", "ABCDEFGHIJ123", "FXXXX");
    ligne("station en chemin", "Setup ", "Indicatif Station", "../F5ABC", "FXXXX");
    ligne("station minuscule", "Setup ", "Indicatif Station", "f5abc", "FXXXX");
    ligne("station vide", "Setup ", "Indicatif Station", "", "FXXXX");
    ligne("bande", "Setup F5ABC", "bande Utilisee", "11", "11");
    ligne("bande avec blancs", "Setup F5ABC", "bande Utilisee", " 4 ", "4");
    ligne("bande aucune", "Setup F5ABC", "bande Utilisee", "-1", "-1");
    ligne("bande hors liste", "Setup F5ABC", "bande Utilisee", "12", "0");
    ligne("bande negative", "Setup F5ABC", "bande Utilisee", "-2", "0");
    ligne("bande absente", "Setup F5ABC", "bande Utilisee", "<absent>", "0");
    ligne("mode", "Setup F5ABC", "Mode Utilise", "2", "2");
    ligne("mode pas un nombre", "Setup F5ABC", "Mode Utilise", "1x", "0");
    ligne("date", "Setup F5ABC", "Date Auto", "Non", "Non");
    ligne("date absente", "Setup F5ABC", "Date Auto", "<absent>", "Oui");
    ligne("dossier", "Setup ", "Chemin Repertoire", "/home/op", "/home/op");
    ligne("revision absente", "Setup F5ABC", "Revision", "<absent>", "");
}

void Test_Plateforme::Reglages() {
    QFETCH(QString, section);
    QFETCH(QString, cle);
    QFETCH(QString, stocke);
    QFETCH(QString, lu);
    Plateforme_Test t;
    if (stocke != "<absent>")
        t.Ecrit_Reglage(section, cle, stocke);
    const Cle_Reglage* reglage = nullptr;
    for (const Cle_Reglage* r :
         {&Reglages::Indicatif_Station, &Reglages::Chemin_Repertoire, &Reglages::Bande_Utilisee,
          &Reglages::Mode_Utilise, &Reglages::Date_Auto, &Reglages::Revision})
        if (cle == r->cle)
            reglage = r;
    QVERIFY(reglage);
    Parametres& p = *t.parametres;
    if (reglage == &Reglages::Indicatif_Station)
        QCOMPARE(p.Indicatif_Station(), lu);
    else if (reglage == &Reglages::Bande_Utilisee || reglage == &Reglages::Mode_Utilise)
        QCOMPARE(p.Lit_Position(*reglage, "F5ABC", 12), lu.toInt());
    else
        QCOMPARE(p.Lit(*reglage, "F5ABC"), lu);
    p.Ecrit(*reglage, "F6XYZ", "F5ABC");
    QCOMPARE(t.Reglage(section, cle), QStringLiteral("F6XYZ"));
    QCOMPARE(t.messages.textes, QStringList());
}

// Only Enter, Backspace and characters reach the handler, which may replace or swallow them.
void Test_Plateforme::Adaptateur_Touches_data() {
    QTest::addColumn<QString>("remplacement");
    QTest::addColumn<QString>("texte");
    QTest::newRow("aucun") << ""
                           << "ab/1";
    QTest::newRow("majuscule") << "maj"
                               << "AB/1";
    QTest::newRow("avale /") << "avale /"
                             << "ab1";
    QTest::newRow("souligne /") << "souligne /"
                                << "AB_1";
}

void Test_Plateforme::Adaptateur_Touches() {
    QFETCH(QString, remplacement);
    QFETCH(QString, texte);
    QLineEdit champ;
    QStringList recus;
    Adaptateur_Touches::Installe(&champ, [&](int& code) {
        recus << QString::number(code);
        if (remplacement == "maj" || remplacement == "souligne /")
            Sous_Programmes::Majuscule(code);
        if (code == '/' && remplacement != "maj" && !remplacement.isEmpty())
            code = remplacement == "avale /" ? 0 : '_';
    });
    QTest::keyClicks(&champ, "ab/1");
    QCOMPARE(champ.text(), texte);
    for (const Qt::Key touche : {Qt::Key_Return, Qt::Key_Left, Qt::Key_Tab, Qt::Key_Delete, Qt::Key_Escape,
                                 Qt::Key_Backspace, Qt::Key_Home, Qt::Key_F1, Qt::Key_End})
        QTest::keyClick(&champ, touche);
    QTest::keyClick(&champ, 'c', Qt::ControlModifier);
    QTest::keyClick(&champ, 'v', Qt::ControlModifier);
    // AltGr, which Windows gives as Ctrl and Alt, types.
    QTest::keyClick(&champ, '@', Qt::ControlModifier | Qt::AltModifier);
    // The handler is given the key typed, whatever it made of it.
    QCOMPARE(recus.join(','), QStringLiteral("97,98,47,49,13,8,64"));
}

void Test_Plateforme::Horloge_data() {
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<QTime>("locale");
    QTest::addColumn<QString>("textes");
    QTest::newRow("zeros gardes") << QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7), Qt::UTC) << QTime(10, 5, 7)
                                  << "05/12/26|09:05 Utc|10:05 Loc|09:05:07";
    QTest::newRow("2030") << QDateTime(QDate(2030, 1, 1), QTime(0, 0), Qt::UTC) << QTime(23, 59, 59)
                          << "01/01/30|00:00 Utc|23:59 Loc|00:00:00";
    QTest::newRow("fin de siecle") << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59), Qt::UTC)
                                   << QTime(0, 59, 59) << "31/12/99|23:59 Utc|00:59 Loc|23:59:59";
}

void Test_Plateforme::Horloge() {
    QFETCH(QDateTime, utc);
    QFETCH(QTime, locale);
    QFETCH(QString, textes);
    Plateforme_Test t;
    t.horloge.utc = utc;
    t.horloge.locale = QDateTime(QDate(2000, 1, 1), locale);
    Main main(t.plateforme);
    QVERIFY(main.Timer1->isActive());
    main.Timer1_Timer();
    QCOMPARE(QStringList({main.Label33->text(), main.Label37->text(), main.Label34->text(),
                          Sous_Programmes::Heure_Utc_Texte(t.horloge)})
                 .join('|'),
             textes);
}

// The working folder: the program's own for a portable copy, otherwise the operator's, started
// from the shipped files.
void Test_Plateforme::Choix_Dossier_data() {
    QTest::addColumn<QStringList>("a_cote"); // the files beside the program, on the disk
    QTest::addColumn<int>("inscriptible");   // -1: the program's folder looked at on the disk
    QTest::addColumn<QString>("choix");
    const QStringList livres{"KEZ_TORV", "FXXXX.txt", "Liste_Phare.txt", "Liste_Prenom.txt"};
    QTest::newRow("construction") << livres << -1 << "bin|";
    QTest::newRow("prénoms effacés") << livres.mid(0, 3) << -1 << "bin|";
    QTest::newRow("installé") << QStringList{"KEZ_TORV"} << -1 << "maison|share";
    QTest::newRow("autre fichier à côté")
        << QStringList{"KEZ_TORV", "F5ABC_TORV.log"} << -1 << "maison|share";
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

void Test_Plateforme::Prepare_Dossier_data() {
    QTest::addColumn<Contenus>("modeles");
    QTest::addColumn<Contenus>("avant");
    QTest::addColumn<Contenus>("apres");
    QTest::addColumn<QString>("erreur");
    Contenus operateur = Livres;
    operateur["Liste_Prenom.txt"] = "F6XYZ        56 PAUL\r\n";
    operateur["F6XYZ_TORV.log"] = "un log";
    Contenus sans_modele = operateur, sans_phares = Livres;
    sans_modele.remove("FXXXX.txt");
    sans_phares.remove("Liste_Phare.txt");
    QTest::newRow("premier lancement") << Livres << Contenus{} << Livres << "";
    QTest::newRow("fichiers de l'opérateur gardés") << Livres << operateur << operateur << "";
    QTest::newRow("fichier manquant recopié") << Livres << sans_modele << operateur << "";
    QTest::newRow("modèle absent")
        << sans_phares << Contenus{} << sans_phares
        << "Impossible de copier le fichier %1/Liste_Phare.txt dans le dossier %2 : "
           "fichier absent";
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
        // Installed files are read-only; their copies must not be.
        QFile::setPermissions(share + '/' + nom, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    for (const QString& nom : avant.keys())
        Ecrit_Disque(nom == ".." ? racine.filePath("maison") : dossier + '/' + nom, avant[nom]);
    const QStringList erreurs =
        erreur.isEmpty() ? QStringList() : QStringList{erreur.replace("%1", share).replace("%2", dossier)};
    QCOMPARE(Installation::Prepare_Dossier(share, dossier, Livres.keys()), erreurs);
    QCOMPARE(Lit_Tous(dossier), apres);
    for (const QString& nom : apres.keys())
        QVERIFY2(QFile::permissions(dossier + '/' + nom) & QFile::WriteOwner, qPrintable(nom));
    // A later start changes nothing.
    QCOMPARE(Installation::Prepare_Dossier(share, dossier, Livres.keys()), erreurs);
    QCOMPARE(Lit_Tous(dossier), apres);
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
