#include "app/Installation.h"
#include "support/Disque.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>

class Test_Repertoire : public QObject {
    Q_OBJECT

private slots:
    void Choix_data();
    void Choix();
    void Choix_Sur_Le_Disque_data();
    void Choix_Sur_Le_Disque();
    void Prepare_Dossier_data();
    void Prepare_Dossier();
    void Modele_Absent();
    void Dossier_Impossible();
    void Donnees_Introuvables();
    void Fichiers_Livres();
};

namespace {

using Contenus = QMap<QString, QByteArray>;

// Shipped files with bytes that a text conversion would change: CR LF, bare LF, Windows-1252, NUL.
const char Phares[] = "Phare du Cr\xe9"
                      "ac'h\r\n1001\n\r\n29\r\n\x00\x80\r\n";
const Contenus Livres{
    {"FXXXX.txt", QByteArray()},
    {"Liste_Prenom.txt", QByteArray("F5ABC        29 JEAN\r\n")},
    {"Liste_Phare.txt", QByteArray(Phares, sizeof(Phares) - 1)},
};

void Ecrit_Tous(const QString& dossier, const Contenus& contenus) {
    for (auto i = contenus.cbegin(); i != contenus.cend(); ++i)
        Ecrit_Disque(dossier + '/' + i.key(), i.value());
}

Contenus Lit_Tous(const QString& dossier) {
    Contenus contenus;
    for (const QString& nom : QDir(dossier).entryList(QDir::Files))
        contenus[nom] = Lit_Disque(dossier + '/' + nom);
    return contenus;
}

} // namespace

void Test_Repertoire::Choix_data() {
    QTest::addColumn<bool>("a_cote");
    QTest::addColumn<bool>("inscriptible");
    QTest::addColumn<QString>("travail");
    QTest::addColumn<QString>("modeles");
    const QString programme = "/opt/kez/bin", donnees = "/opt/kez/share/kez-torv",
                  utilisateur = "/home/op/KEZ";
    QTest::newRow("portable") << true << true << programme << QString();
    QTest::newRow("portable en lecture seule") << true << false << utilisateur << programme;
    QTest::newRow("installé") << false << false << utilisateur << donnees;
    QTest::newRow("installé, dossier du programme inscriptible") << false << true << utilisateur << donnees;
}

void Test_Repertoire::Choix() {
    QFETCH(bool, a_cote);
    QFETCH(bool, inscriptible);
    QFETCH(QString, travail);
    QFETCH(QString, modeles);
    const Installation::Emplacement choix = Installation::Choisit(
        {"/opt/kez/bin", "/opt/kez/share/kez-torv", "/home/op/KEZ"}, a_cote, inscriptible);
    QCOMPARE(choix.travail, travail);
    QCOMPARE(choix.modeles, modeles);
}

void Test_Repertoire::Choix_Sur_Le_Disque_data() {
    QTest::addColumn<QStringList>("a_cote");
    QTest::addColumn<bool>("portable");
    QTest::newRow("construction") << QStringList{"KEZ_TORV", "FXXXX.txt", "Liste_Phare.txt",
                                                 "Liste_Prenom.txt"}
                                  << true;
    // The operator removed the first names: the copy is still the portable one it was.
    QTest::newRow("prénoms effacés") << QStringList{"KEZ_TORV", "FXXXX.txt", "Liste_Phare.txt"} << true;
    QTest::newRow("installé") << QStringList{"KEZ_TORV"} << false;
    QTest::newRow("autre fichier à côté") << QStringList{"KEZ_TORV", "F5ABC_TORV.log"} << false;
}

void Test_Repertoire::Choix_Sur_Le_Disque() {
    QFETCH(QStringList, a_cote);
    QFETCH(bool, portable);
    QTemporaryDir racine;
    const QString programme = racine.filePath("bin");
    for (const QString& nom : a_cote)
        Ecrit_Disque(programme + '/' + nom, "x");
    const Installation::Lieux lieux{programme, racine.filePath("share/kez-torv"), racine.filePath("maison")};
    const Installation::Emplacement choix = Installation::Choisit(lieux);
    QCOMPARE(choix.travail, portable ? lieux.programme : lieux.utilisateur);
    QCOMPARE(choix.modeles, portable ? QString() : lieux.donnees);
}

void Test_Repertoire::Prepare_Dossier_data() {
    QTest::addColumn<Contenus>("avant");
    QTest::addColumn<Contenus>("apres");
    Contenus operateur = Livres;
    operateur["Liste_Prenom.txt"] = "F6XYZ        56 PAUL\r\n";
    operateur["Liste_Phare.txt"] = "Liste officielle\r\n";
    operateur["F6XYZ_TORV.log"] = "un log";
    Contenus sans_modele = operateur;
    sans_modele.remove("FXXXX.txt");
    Contenus modele_rendu = sans_modele;
    modele_rendu["FXXXX.txt"] = Livres["FXXXX.txt"];
    QTest::newRow("premier lancement") << Contenus{} << Livres;
    QTest::newRow("fichiers de l'opérateur gardés") << operateur << operateur;
    QTest::newRow("fichier manquant recopié") << sans_modele << modele_rendu;
}

void Test_Repertoire::Prepare_Dossier() {
    QFETCH(Contenus, avant);
    QFETCH(Contenus, apres);
    QTemporaryDir racine;
    const QString modeles = racine.filePath("share/kez-torv");
    const QString dossier = racine.filePath("maison/.local/share/KEZ_TORV");
    Ecrit_Tous(modeles, Livres);
    // Installed files are read-only; their copies must not be.
    for (const QString& nom : Livres.keys())
        QFile::setPermissions(modeles + '/' + nom, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    Ecrit_Tous(dossier, avant);
    QCOMPARE(Installation::Prepare_Dossier(modeles, dossier, Livres.keys()), QStringList());
    QCOMPARE(Lit_Tous(dossier), apres);
    for (const QString& nom : apres.keys())
        QVERIFY2(QFile::permissions(dossier + '/' + nom) & QFile::WriteOwner, qPrintable(nom));
    // A later start changes nothing.
    QCOMPARE(Installation::Prepare_Dossier(modeles, dossier, Livres.keys()), QStringList());
    QCOMPARE(Lit_Tous(dossier), apres);
    QCOMPARE(Lit_Tous(modeles), Livres);
}

void Test_Repertoire::Modele_Absent() {
    QTemporaryDir racine;
    const QString modeles = racine.filePath("share");
    const QString dossier = racine.filePath("maison");
    Contenus incomplet = Livres;
    incomplet.remove("Liste_Phare.txt");
    Ecrit_Tous(modeles, incomplet);
    QCOMPARE(Installation::Prepare_Dossier(modeles, dossier, Livres.keys()),
             QStringList{"Impossible de copier le fichier " + modeles + "/Liste_Phare.txt dans le dossier " +
                         dossier + " : fichier absent"});
    QCOMPARE(Lit_Tous(dossier), incomplet);
}

void Test_Repertoire::Dossier_Impossible() {
    QTemporaryDir racine;
    Ecrit_Tous(racine.filePath("share"), Livres);
    Ecrit_Disque(racine.filePath("fichier"), "pas un dossier");
    const QString dossier = racine.filePath("fichier/KEZ_TORV");
    QCOMPARE(Installation::Prepare_Dossier(racine.filePath("share"), dossier, Livres.keys()),
             QStringList{"Impossible de créer le dossier " + dossier + "."});
}

void Test_Repertoire::Donnees_Introuvables() {
    // This test program has no data files beside it and none installed: it is taken for an installed
    // copy whose data went missing, and says so once, naming each file, then goes on.
    QTemporaryDir maison;
    qputenv("XDG_DATA_HOME", maison.path().toLocal8Bit());
    Messages_Test messages;
    const QString dossier = Installation::Repertoire_De_Travail(messages);
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(dossier, maison.filePath(QCoreApplication::applicationName()));
    QVERIFY(QFileInfo(dossier).isDir());
    const QString donnees =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" KEZ_DONNEES_RELATIVES));
    QStringList lignes;
    for (const QString& nom : Installation::Fichiers_Donnees())
        lignes << "Impossible de copier le fichier " + donnees + '/' + nom + " dans le dossier " + dossier +
                      " : fichier absent";
    QCOMPARE(messages.textes, QStringList{lignes.join("\r\n")});
}

void Test_Repertoire::Fichiers_Livres() {
    // What a new working folder needs; the build may ship more.
    for (const char* nom : {"FXXXX.txt", "Liste_Prenom.txt", "Liste_Phare.txt"})
        QVERIFY2(Installation::Fichiers_Donnees().contains(QLatin1String(nom)), nom);
}

KEZ_TEST(Test_Repertoire)

#include "Test_Repertoire.moc"
