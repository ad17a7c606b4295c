#include "Commandes.h"
#include "support/Disque.h"
#include "support/Principal.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The Debian package built by CPack, as dpkg and the desktop tools see it.
class Test_Paquet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void Contenu();
    void Champs_data();
    void Champs();
    void Dependances();
    void Fichiers_Du_Bureau_Valides();
    void Entree_Du_Menu();

private:
    QString Extrait(const QString& fichier) const;

    QTemporaryDir dossier;
    QString paquet;
};

namespace {

// The tool must be there: ./kez.sh installs it with the other packages the tests need.
QString Outil(const QString& nom, const char* paquet_debian) {
    const QString chemin = QStandardPaths::findExecutable(nom);
    if (chemin.isEmpty())
        qWarning("%s is missing: install the Debian package %s (./kez.sh test does)", qPrintable(nom),
                 paquet_debian);
    return chemin;
}

QString Champ(const QString& paquet, const QString& champ) {
    return QString::fromUtf8(Execute(QStringLiteral("dpkg-deb"), {"-f", paquet, champ}).sortie).trimmed();
}

// The keys of a desktop entry's main group.
QMap<QString, QString> Entree_Bureau(const QString& chemin) {
    QMap<QString, QString> cles;
    for (const QByteArray& ligne : Lit_Disque(chemin).split('\n')) {
        const int egal = ligne.indexOf('=');
        if (egal > 0)
            cles[QString::fromUtf8(ligne.left(egal))] = QString::fromUtf8(ligne.mid(egal + 1));
    }
    return cles;
}

} // namespace

void Test_Paquet::initTestCase() {
    QVERIFY(dossier.isValid());
    const Resultat cpack =
        Execute(QStringLiteral(KEZ_CPACK),
                {"-G", "DEB", "--config", KEZ_CONSTRUCTION "/CPackConfig.cmake", "-B", dossier.path()});
    QVERIFY2(cpack.code == 0, cpack.sortie.constData());
    const QStringList paquets = QDir(dossier.path()).entryList({QStringLiteral("*.deb")});
    QCOMPARE(paquets.size(), 1);
    paquet = dossier.filePath(paquets.first());
    const Resultat extraction =
        Execute(QStringLiteral("dpkg-deb"), {"-x", paquet, dossier.filePath("extrait")});
    QVERIFY2(extraction.code == 0, extraction.sortie.constData());
}

QString Test_Paquet::Extrait(const QString& fichier) const {
    return dossier.filePath(QStringLiteral("extrait/usr/") + fichier);
}

void Test_Paquet::Contenu() {
    const Resultat liste = Execute(QStringLiteral("dpkg-deb"), {"-c", paquet});
    QCOMPARE(liste.code, 0);
    QStringList fichiers;
    for (const QString& ligne : QString::fromUtf8(liste.sortie).split('\n', Qt::SkipEmptyParts))
        if (ligne.startsWith('-'))
            fichiers << ligne.section(' ', -1);
    fichiers.sort();
    QStringList attendus;
    for (const QString& fichier : Fichiers_Attendus())
        attendus << QStringLiteral("./usr/") + fichier;
    QCOMPARE(fichiers, attendus);
}

void Test_Paquet::Champs_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("valeur");
    for (const auto& [champ, valeur] : {std::pair{"Package", "kez-torv"},
                                        {"Version", "1.0.9"},
                                        {"Section", "hamradio"},
                                        {"Recommends", "qt6-translations-l10n"}})
        QTest::newRow(champ) << QString(champ) << QString(valeur);
}

void Test_Paquet::Champs() {
    QFETCH(QString, champ);
    QFETCH(QString, valeur);
    QCOMPARE(Champ(paquet, champ), valeur);
}

void Test_Paquet::Dependances() {
    QStringList noms;
    for (const QString& dependance : Champ(paquet, QStringLiteral("Depends")).split(',', Qt::SkipEmptyParts))
        noms << dependance.trimmed().section(' ', 0, 0);
    // Each Qt library the program links comes with its Debian package (libQt6PrintSupport.so.6 with
    // libqt6printsupport6), and nothing more than the runtime is asked for.
    QStringList necessaires{"libqt6core6", "libqt6gui6", "libqt6widgets6",
                            "libc6",       "libstdc++6", "fonts-liberation"};
    const Resultat entetes = Execute(QStringLiteral("objdump"), {"-p", Extrait(KEZ_BINDIR "/KEZ_TORV")});
    QCOMPARE(entetes.code, 0);
    static const QRegularExpression qt(QStringLiteral(R"(NEEDED\s+libQt6(\w+)\.so\.6)"));
    for (const QRegularExpressionMatch& m : qt.globalMatch(QString::fromUtf8(entetes.sortie)))
        necessaires << QStringLiteral("libqt6") + m.captured(1).toLower() + QStringLiteral("6");
    for (const QString& necessaire : necessaires)
        QVERIFY2(noms.contains(necessaire), qPrintable(necessaire + " absent de " + noms.join(", ")));
    for (const QString& nom : noms)
        QVERIFY2(!nom.endsWith(QStringLiteral("-dev")), qPrintable(nom));
}

void Test_Paquet::Fichiers_Du_Bureau_Valides() {
    const QString bureau = Outil(QStringLiteral("desktop-file-validate"), "desktop-file-utils");
    const QString appstream = Outil(QStringLiteral("appstreamcli"), "appstream");
    QVERIFY(!bureau.isEmpty());
    QVERIFY(!appstream.isEmpty());
    const Resultat entree = Execute(bureau, {Extrait("share/applications/" + Identifiant + ".desktop")});
    QCOMPARE(entree.code, 0);
    QCOMPARE(entree.sortie, QByteArray());
    const Resultat metainfo =
        Execute(appstream, {"validate", "--no-net", "--pedantic",
                            Extrait("share/metainfo/" + Identifiant + ".metainfo.xml")});
    QVERIFY2(metainfo.code == 0, metainfo.sortie.constData());
    // No remark at all, not even a pedantic one.
    QCOMPARE(QString::fromUtf8(metainfo.sortie).trimmed(), QStringLiteral("✔ Validation was successful."));
}

void Test_Paquet::Entree_Du_Menu() {
    const QMap<QString, QString> entree =
        Entree_Bureau(Extrait("share/applications/" + Identifiant + ".desktop"));
    QCOMPARE(entree.value("Name"), QStringLiteral("KEZ_TORV"));
    QCOMPARE(entree.value("Comment"),
             QStringLiteral("Carnet de trafic radioamateur pour le diplôme des phares français (TORV)"));
    QCOMPARE(entree.value("Categories"), QStringLiteral("Network;HamRadio;"));
    // The menu starts the installed program and shows the installed icon.
    QVERIFY(QFileInfo(Extrait(KEZ_BINDIR "/" + entree.value("Exec"))).isExecutable());
    QCOMPARE(entree.value("Icon"), Identifiant);
    QXmlStreamReader icone(Lit_Disque(Extrait("share/icons/hicolor/scalable/apps/" + Identifiant + ".svg")));
    QVERIFY(icone.readNextStartElement());
    QCOMPARE(icone.name(), QStringLiteral("svg"));
    while (!icone.atEnd())
        icone.readNext();
    QVERIFY2(!icone.hasError(), qPrintable(icone.errorString()));

    const QString metainfo =
        QString::fromUtf8(Lit_Disque(Extrait("share/metainfo/" + Identifiant + ".metainfo.xml")));
    QVERIFY(metainfo.contains("<id>" + Identifiant + "</id>"));
    QVERIFY(metainfo.contains("<launchable type=\"desktop-id\">" + Identifiant + ".desktop</launchable>"));
    QVERIFY(metainfo.contains("<binary>" + entree.value("Exec") + "</binary>"));
}

KEZ_TEST(Test_Paquet)

#include "Test_Paquet.moc"
