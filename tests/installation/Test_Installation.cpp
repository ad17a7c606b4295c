#include "app/Installation.h"
#include "support/Disque.h"
#include "support/Principal.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// The program installed into a staging folder and started from there, and the Debian package.
class Test_Installation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void Fichiers_Installes();
    void Lancements();
    void Paquet();
    void Paquet_RPM();
    void Lintian();

private:
    QString Installe(const QString& chemin) const { return racine.filePath("installe/usr/" + chemin); }
    QString Extrait(const QString& chemin) const { return racine.filePath("extrait/usr/" + chemin); }
    QString Maison() const { return racine.filePath(QStringLiteral("maison")); }
    QString Dossier_Utilisateur() const { return Maison() + QStringLiteral("/.local/share/KEZ_TORV"); }
    void Lance_Et_Arrete();

    QTemporaryDir racine;
    QString paquet;
};

namespace {

const QString Identifiant = QStringLiteral(KEZ_ID);

// Standard output and error of a command, mixed, after its exit code and a colon.
QString Execute(const QString& programme, const QStringList& arguments,
                const QProcessEnvironment& environnement = QProcessEnvironment::systemEnvironment()) {
    QProcess processus;
    processus.setProcessEnvironment(environnement);
    processus.setProcessChannelMode(QProcess::MergedChannels);
    processus.start(programme, arguments);
    if (!processus.waitForFinished(240000))
        processus.kill();
    const int code = processus.exitStatus() == QProcess::NormalExit ? processus.exitCode() : -1;
    return QString::number(code) + ':' + QString::fromUtf8(processus.readAll());
}

QStringList Fichiers_Sous(const QString& dossier) {
    QStringList fichiers;
    for (QDirIterator i(dossier, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); i.hasNext();)
        fichiers << QDir(dossier).relativeFilePath(i.next());
    fichiers.sort();
    return fichiers;
}

// An installed program cannot write beside itself; root still can, so the rule must not rely on it.
void Lecture_Seule(const QString& dossier, bool seule) {
    QCOMPARE(Execute("chmod", {"-R", seule ? "a-w" : "u+w", dossier}), "0:");
}

} // namespace

void Test_Installation::initTestCase() {
    QVERIFY(racine.isValid());
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("DESTDIR"), racine.filePath("installe"));
    QCOMPARE(Execute(KEZ_CMAKE, {"--install", KEZ_CONSTRUCTION, "--prefix", "/usr"}, environnement).left(2),
             "0:");
    Lecture_Seule(racine.filePath("installe"), true);
    const QString cpack = Execute(KEZ_CPACK, {"-G", "DEB", "--config", KEZ_CONSTRUCTION "/CPackConfig.cmake",
                                              "-B", racine.filePath("paquet")});
    QVERIFY2(cpack.startsWith("0:"), qPrintable(cpack));
    const QStringList paquets = QDir(racine.filePath("paquet")).entryList({QStringLiteral("*.deb")});
    QCOMPARE(paquets.size(), 1);
    paquet = racine.filePath("paquet/" + paquets[0]);
    QCOMPARE(Execute("dpkg-deb", {"-x", paquet, racine.filePath("extrait")}), "0:");
}

void Test_Installation::cleanupTestCase() {
    Lecture_Seule(racine.filePath("installe"), false);
}

// The install and the package hold the same files: the program, the desktop side, the shipped data.
void Test_Installation::Fichiers_Installes() {
    QStringList attendus{KEZ_BINDIR "/KEZ_TORV", KEZ_DATADIR "/applications/" + Identifiant + ".desktop",
                         KEZ_DATADIR "/doc/kez-torv/copyright",
                         KEZ_DATADIR "/icons/hicolor/scalable/apps/" + Identifiant + ".svg",
                         KEZ_DATADIR "/metainfo/" + Identifiant + ".metainfo.xml"};
    attendus << KEZ_DATADIR "/doc/kez-torv/changelog.gz" << KEZ_MANDIR "/man1/KEZ_TORV.1.gz"
             << KEZ_MANDIR "/fr/man1/KEZ_TORV.1.gz";
    for (const QString& nom : Installation::Fichiers_Donnees()) {
        attendus << KEZ_DONNEES "/" + nom;
        QCOMPARE(Lit_Disque(Installe(KEZ_DONNEES "/" + nom)), Lit_Disque(KEZ_SOURCES "/data/" + nom));
    }
    attendus.sort();
    QCOMPARE(Fichiers_Sous(racine.filePath("installe/usr")), attendus);
    QCOMPARE(Fichiers_Sous(racine.filePath("extrait/usr")), attendus);
    QVERIFY(QFileInfo(Installe(KEZ_BINDIR "/KEZ_TORV")).isExecutable());
}

// Starts the installed program, waits until it has chosen and prepared its folder, stops it.
void Test_Installation::Lance_Et_Arrete() {
    const QString reglages = Maison() + "/.config/KEZ_TORV/TORV.conf";
    QFile::remove(reglages);
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert("HOME", Maison());
    environnement.insert("XDG_DATA_HOME", Maison() + "/.local/share");
    environnement.insert("XDG_CONFIG_HOME", Maison() + "/.config");
    environnement.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess kez;
    kez.setProcessEnvironment(environnement);
    kez.start(Installe(KEZ_BINDIR "/KEZ_TORV"), {});
    QVERIFY2(kez.waitForStarted(), qPrintable(kez.errorString()));
    // The folder is noted in the settings before the first-run message, which waits for an operator.
    QTRY_COMPARE_WITH_TIMEOUT(
        QSettings(reglages, QSettings::IniFormat).value("Setup /Chemin Repertoire").toString(),
        Dossier_Utilisateur(), 30000);
    QCOMPARE(kez.state(), QProcess::Running);
    kez.kill();
    kez.waitForFinished();
}

// An installed copy works in the operator's own folder, started from the shipped files and never
// replaced afterwards: the operator's log, first names and lighthouse list survive a new version.
void Test_Installation::Lancements() {
    QVERIFY(!QFileInfo::exists(Dossier_Utilisateur()));
    Lance_Et_Arrete();
    QMap<QString, QByteArray> attendu;
    for (const QString& nom : Installation::Fichiers_Donnees())
        attendu[nom] = Lit_Disque(Installe(KEZ_DONNEES "/" + nom));
    const auto contenu = [this, &attendu] {
        QMap<QString, QByteArray> fichiers;
        for (const QString& nom : attendu.keys())
            fichiers[nom] = Lit_Disque(Dossier_Utilisateur() + '/' + nom);
        return fichiers;
    };
    QCOMPARE(contenu(), attendu);
    attendu["F5ABC_TORV.log"] = "F5ABC        29   JEAN            PB100414/07/06\r\n";
    attendu["Liste_Prenom.txt"] = "F6XYZ        56 PAUL\r\n";
    attendu["Liste_Phare.txt"] = "Liste officielle\r\n";
    for (const char* nom : {"F5ABC_TORV.log", "Liste_Prenom.txt", "Liste_Phare.txt"})
        Ecrit_Disque(Dossier_Utilisateur() + '/' + nom, attendu[nom]);
    QVERIFY(QFile::remove(Dossier_Utilisateur() + "/FXXXX.txt"));
    Lecture_Seule(racine.filePath("installe"), false);
    Ecrit_Disque(Installe(KEZ_DONNEES "/Liste_Phare.txt"), "Nouvelle version\r\n");
    Lecture_Seule(racine.filePath("installe"), true);
    Lance_Et_Arrete();
    QCOMPARE(contenu(), attendu);
    QCOMPARE(Fichiers_Sous(racine.filePath("installe")), Fichiers_Sous(racine.filePath("extrait")));
}

// Each Qt library linked comes with its package (libQt6PrintSupport.so.6: libqt6printsupport6), no -dev one;
// the desktop entry and metainfo pass their validators without a remark and name the program and icon.
void Test_Installation::Paquet() {
    QCOMPARE(Execute("dpkg-deb", {"-f", paquet, "Package", "Version", "Section", "Recommends"}),
             "0:Package: kez-torv\nVersion: 1.0.9\nSection: hamradio\nRecommends: qt6-translations-l10n\n");
    QStringList dependances;
    for (const QString& d :
         Execute("dpkg-deb", {"-f", paquet, "Depends"}).mid(2).split(',', Qt::SkipEmptyParts))
        dependances << d.trimmed().section(' ', 0, 0);
    QStringList necessaires{"libqt6core6", "libqt6gui6", "libqt6widgets6",
                            "libc6",       "libstdc++6", "fonts-liberation"};
    static const QRegularExpression qt(QStringLiteral(R"(NEEDED\s+libQt6(\w+)\.so\.6)"));
    for (const auto& m : qt.globalMatch(Execute("objdump", {"-p", Extrait(KEZ_BINDIR "/KEZ_TORV")})))
        necessaires << "libqt6" + m.captured(1).toLower() + "6";
    for (const QString& necessaire : necessaires)
        QVERIFY2(dependances.contains(necessaire), qPrintable(necessaire));
    QVERIFY2(!dependances.join(' ').contains("-dev"), qPrintable(dependances.join(", ")));

    const QString bureau = Extrait("share/applications/" + Identifiant + ".desktop");
    const QString metainfo = Extrait("share/metainfo/" + Identifiant + ".metainfo.xml");
    QCOMPARE(Execute("desktop-file-validate", {bureau}), "0:");
    QCOMPARE(Execute("appstreamcli", {"validate", "--no-net", "--pedantic", metainfo}).trimmed(),
             QStringLiteral("0:✔ Validation was successful."));
    const QString entree = QString::fromUtf8(Lit_Disque(bureau));
    for (const QString& ligne :
         QStringList{"Name=KEZ_TORV", "Exec=KEZ_TORV", "Icon=" + Identifiant, "Categories=Network;HamRadio;",
                     "Comment=Carnet de trafic radioamateur pour le diplôme des phares français (TORV)"})
        QVERIFY2(entree.split('\n').contains(ligne), qPrintable(ligne));
    QVERIFY(Lit_Disque(metainfo).contains("<launchable type=\"desktop-id\">" + Identifiant.toUtf8() +
                                          ".desktop<"));
    QVERIFY(
        Lit_Disque(Extrait("share/icons/hicolor/scalable/apps/" + Identifiant + ".svg")).contains("<svg"));
}

// The RPM holds the Debian package's files in the same places (its regular files: the "ls -l" lines with
// "-"), and needs the Qt libraries, which rpmbuild finds, and the font of the reports.
void Test_Installation::Paquet_RPM() {
    if (QStandardPaths::findExecutable(QStringLiteral("rpmbuild")).isEmpty())
        QSKIP("rpmbuild is not installed (Debian package rpm): no RPM package to check");
    const QString cpack = Execute(KEZ_CPACK, {"-G", "RPM", "--config", KEZ_CONSTRUCTION "/CPackConfig.cmake",
                                              "-B", racine.filePath("rpm")});
    QVERIFY2(cpack.startsWith("0:"), qPrintable(cpack));
    const QString rpm = racine.filePath("rpm/" + QDir(racine.filePath("rpm")).entryList({"*.rpm"}).value(0));
    QStringList fichiers;
    for (const QString& ligne : Execute("rpm", {"-qlvp", rpm}).mid(2).split('\n'))
        if (ligne.startsWith('-'))
            fichiers << ligne.section(' ', -1).mid(1);
    QCOMPARE(fichiers, Fichiers_Sous(racine.filePath("extrait")));
    const QStringList requis = Execute("rpm", {"-qpR", rpm}).mid(2).split('\n');
    for (const char* requis_attendu : {"libQt6Widgets.so.6()(64bit)", "font(liberationmono)"})
        QVERIFY2(requis.contains(QLatin1String(requis_attendu)), qPrintable(requis.join(", ")));
}

// lintian has nothing to say on the Debian package but, while KEZ_MAINTAINER is left at its
// placeholder, that the maintainer's address (Maintainer, changelog) is on a host that cannot exist.
void Test_Installation::Lintian() {
    if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
        QSKIP("lintian is not installed (Debian package lintian): the Debian package is not checked");
    QCOMPARE(Execute("lintian", {"--allow-root", "--suppress-tags",
                                 "bogus-mail-host,bogus-mail-host-in-debian-changelog", paquet}),
             "0:");
}

KEZ_TEST(Test_Installation)

#include "Test_Installation.moc"
