#include "Commandes.h"
#include "app/Installation.h"
#include "app/Main.h"
#include "app/Repertoire.h"
#include "log/Journal_Station.h"
#include "log/Modele_Log.h"
#include "support/Disque.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QDir>
#include <QFile>
#include <QListView>
#include <QListWidget>
#include <QObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The program installed into a staging folder and started from there, as an operator would.
class Test_Installation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void Fichiers_Installes();
    void Premier_Lancement();
    void QSO_Dans_Le_Dossier_Utilisateur();
    void Second_Lancement();

private:
    QString Prefixe() const { return racine.filePath(QStringLiteral("installe/usr")); }
    QString Donnees() const { return Prefixe() + QStringLiteral("/" KEZ_DONNEES); }
    QString Maison() const { return racine.filePath(QStringLiteral("maison")); }
    QString Dossier_Utilisateur() const { return Maison() + QStringLiteral("/.local/share/KEZ_TORV"); }
    QProcessEnvironment Environnement() const;
    // The working folder that the started program notes in its settings, once it has got that far.
    QString Dossier_Note() const;
    // Starts the installed program, waits until it has chosen and prepared its folder, stops it.
    void Lance_Et_Arrete();

    QTemporaryDir racine;
};

namespace {

const QString QSO =
    QStringLiteral("F5ABC        29   JEAN            PB100414/07/06 10:05 SSB 14 Mhz  59  59  "
                   "P. Phare du Creac'h            *");

// The files of the working folder that this test follows.
QMap<QString, QByteArray> Contenu_Suivi(const QString& dossier) {
    QMap<QString, QByteArray> contenu;
    for (const QString& nom : Installation::Fichiers_Donnees() + QStringList{"F5ABC_TORV.log"})
        contenu[nom] = Lit_Disque(dossier + '/' + nom);
    return contenu;
}

} // namespace

void Test_Installation::initTestCase() {
    QVERIFY(racine.isValid());
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("DESTDIR"), racine.filePath("installe"));
    const Resultat installation = Execute(QStringLiteral(KEZ_CMAKE),
                                          {"--install", KEZ_CONSTRUCTION, "--prefix", "/usr"}, environnement);
    QVERIFY2(installation.code == 0, installation.sortie.constData());
    // An installed program cannot write beside itself (root still can: the rule must not rely on it).
    Lecture_Seule(racine.filePath("installe"), true);
}

void Test_Installation::cleanupTestCase() {
    Lecture_Seule(racine.filePath("installe"), false);
}

QProcessEnvironment Test_Installation::Environnement() const {
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    for (const auto& [nom, valeur] : {std::pair{"HOME", ""},
                                      {"XDG_DATA_HOME", "/.local/share"},
                                      {"XDG_CONFIG_HOME", "/.config"},
                                      {"XDG_CACHE_HOME", "/.cache"}})
        environnement.insert(nom, Maison() + valeur);
    environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environnement;
}

QString Test_Installation::Dossier_Note() const {
    const QSettings reglages(Maison() + QStringLiteral("/.config/KEZ_TORV/TORV.conf"), QSettings::IniFormat);
    return reglages.value(QStringLiteral("Setup /Chemin Repertoire")).toString();
}

void Test_Installation::Lance_Et_Arrete() {
    QFile::remove(Maison() + QStringLiteral("/.config/KEZ_TORV/TORV.conf"));
    QProcess kez;
    kez.setProcessEnvironment(Environnement());
    kez.setProcessChannelMode(QProcess::ForwardedChannels);
    kez.start(Prefixe() + QStringLiteral("/" KEZ_BINDIR "/KEZ_TORV"), {});
    QVERIFY2(kez.waitForStarted(), qPrintable(kez.errorString()));
    // The folder is prepared before the main window loads, and the window notes it in the settings
    // before its first-run message, which then waits for an operator: the test stops it there.
    QTRY_COMPARE_WITH_TIMEOUT(Dossier_Note(), Dossier_Utilisateur(), 30000);
    QCOMPARE(kez.state(), QProcess::Running);
    kez.kill();
    kez.waitForFinished();
}

void Test_Installation::Fichiers_Installes() {
    QStringList attendus;
    for (const QString& fichier : Fichiers_Attendus())
        attendus << QStringLiteral("usr/") + fichier;
    QCOMPARE(Fichiers_Sous(racine.filePath("installe")), attendus);
    QVERIFY(QFileInfo(Prefixe() + QStringLiteral("/" KEZ_BINDIR "/KEZ_TORV")).isExecutable());
    for (const QString& nom : Installation::Fichiers_Donnees())
        QCOMPARE(Lit_Disque(Donnees() + '/' + nom), Lit_Disque(QStringLiteral(KEZ_SOURCES "/data/") + nom));
}

void Test_Installation::Premier_Lancement() {
    QVERIFY(!QFileInfo::exists(Dossier_Utilisateur()));
    Lance_Et_Arrete();
    for (const QString& nom : Installation::Fichiers_Donnees())
        QCOMPARE(Lit_Disque(Dossier_Utilisateur() + '/' + nom), Lit_Disque(Donnees() + '/' + nom));
    QCOMPARE(Fichiers_Sous(racine.filePath("installe")).size(), Fichiers_Attendus().size());
}

void Test_Installation::QSO_Dans_Le_Dossier_Utilisateur() {
    const Installation::Emplacement choix =
        Installation::Choisit({Prefixe() + QStringLiteral("/" KEZ_BINDIR), Donnees(), Dossier_Utilisateur()});
    QCOMPARE(choix.travail, Dossier_Utilisateur());
    QCOMPARE(choix.modeles, Donnees());

    Repertoire_Choisi repertoire(choix.travail);
    Plateforme_Test t;
    Plateforme plateforme{t.messages, t.horloge, repertoire, *t.parametres, t.fichiers, t.imprimante};
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    Main main(plateforme);
    QVERIFY(main.journal.Creer_Log_Station(QStringLiteral("F5ABC")));
    main.Form_Load();
    QVERIFY(main.journal.Ajout_Fin_Log(QSO));
    QCOMPARE(t.messages.textes, QStringList());
    QCOMPARE(Lit_Disque(Dossier_Utilisateur() + QStringLiteral("/F5ABC_TORV.log")), QSO.toLatin1() + "\r\n");
    QCOMPARE(main.Modele_TORV->rowCount(), 1);
    QCOMPARE(t.Reglage("Setup ", "Chemin Repertoire"), Dossier_Utilisateur());
    QCOMPARE(Fichiers_Sous(racine.filePath("installe")).size(), Fichiers_Attendus().size());
}

void Test_Installation::Second_Lancement() {
    // The operator's own files, one shipped file lost, and a new version that ships another list.
    Ecrit_Disque(Dossier_Utilisateur() + QStringLiteral("/Liste_Prenom.txt"), "F6XYZ        56 PAUL\r\n");
    Ecrit_Disque(Dossier_Utilisateur() + QStringLiteral("/Liste_Phare.txt"), "Liste officielle\r\n");
    QVERIFY(QFile::remove(Dossier_Utilisateur() + QStringLiteral("/FXXXX.txt")));
    Lecture_Seule(racine.filePath("installe"), false);
    Ecrit_Disque(Donnees() + QStringLiteral("/Liste_Phare.txt"), "Nouvelle version\r\n");
    Lecture_Seule(racine.filePath("installe"), true);
    QMap<QString, QByteArray> attendu = Contenu_Suivi(Dossier_Utilisateur());
    attendu[QStringLiteral("FXXXX.txt")] = Lit_Disque(Donnees() + QStringLiteral("/FXXXX.txt"));
    QCOMPARE(attendu[QStringLiteral("F5ABC_TORV.log")], QSO.toLatin1() + "\r\n");

    Lance_Et_Arrete();
    QCOMPARE(Contenu_Suivi(Dossier_Utilisateur()), attendu);
}

KEZ_TEST(Test_Installation)

#include "Test_Installation.moc"
