#include "Aide.h"
#include "app/Verrou_Dossier.h"
#include "log/Journal.h"
#include "support/Log_Genere.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

// The lock of the folder against a second copy, a rewrite killed part-way, a disk that fails to flush.
class Test_Processus : public QObject {
    Q_OBJECT

private slots:
    void Verrou_Du_Dossier();
    void Log_Entier_Apres_Chaque_Coupure();
    void Disque_Qui_Refuse_De_Synchroniser_data();
    void Disque_Qui_Refuse_De_Synchroniser();
};

// Starts kez_processus and gives its first line.
static QByteArray Lance_Aide(QProcess& aide, const QStringList& arguments) {
    aide.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    aide.start(QStringLiteral(KEZ_PROCESSUS), arguments);
    aide.waitForReadyRead(20000);
    return aide.readLine().trimmed();
}

// A second copy is told and touches nothing; the lock of a copy that died is taken over.
void Test_Processus::Verrou_Du_Dossier() {
    Plateforme_Test t;
    QProcess autre;
    QCOMPARE(Lance_Aide(autre, {"verrou", t.repertoire.Chemin()}), QByteArray("pris"));
    const QByteArray verrou = t.Lit_Fichier("KEZ_TORV.lock");
    QVERIFY(!Sous_Programmes::Verrouille_Dossier(t.repertoire, t.messages));
    QCOMPARE(t.Lit_Fichier("KEZ_TORV.lock"), verrou);
    autre.kill();
    autre.waitForFinished();
    auto le_mien = Sous_Programmes::Verrouille_Dossier(t.repertoire, t.messages);
    QVERIFY(le_mien);
    QVERIFY(!Sous_Programmes::Verrouille_Dossier(t.repertoire, t.messages));
    QCOMPARE(t.messages.textes, QStringList(2, "KEZ_TORV est déjà ouvert dans ce dossier."));
}

// A log rewritten in a loop, killed 30 times at random: always the old one or the new one.
void Test_Processus::Log_Entier_Apres_Chaque_Coupure() {
    Plateforme_Test t;
    const QString log = t.Chemin("F5ABC_TORV.log");
    const Lignes lignes = Log_Genere::Lignes(50000);
    const QByteArray enregistrement = Log_Genere::Enregistrement_Milieu();
    const QByteArray ancien = Joint_Lignes(lignes),
                     nouveau = Joint_Lignes(Journal::Insere(lignes, enregistrement));
    t.Ecrit_Fichier("F5ABC_TORV.log", ancien);
    t.Ecrit_Fichier("F5ABC_TORV.log.aB3xYz", nouveau.left(nouveau.size() / 2));
    // The kills fall over the helper's first few turns, each a read and a rewrite.
    Fichiers_Disque fichiers;
    QElapsedTimer tour;
    tour.start();
    QVERIFY(fichiers.Remplace(log, fichiers.Lit(log).lignes).raison.isEmpty());
    const int fenetre = static_cast<int>(tour.elapsed()) * 6 + 10;
    const quint32 graine = QRandomGenerator::global()->generate();
    qInfo("graine %u, coupures entre 0 et %d ms", graine, fenetre);
    QRandomGenerator hasard(graine);
    int nouveaux = 0;
    for (int coupure = 1; coupure <= 30; ++coupure) {
        QProcess aide;
        QCOMPARE(Lance_Aide(aide, {"reecrit", log, enregistrement.toHex()}), QByteArray("pret"));
        QThread::msleep(hasard.bounded(fenetre));
        QCOMPARE(aide.state(), QProcess::Running);
        aide.kill();
        aide.waitForFinished();
        const QByteArray apres = t.Lit_Fichier("F5ABC_TORV.log");
        QVERIFY2(apres == ancien || apres == nouveau, qPrintable(QStringLiteral("coupure %1").arg(coupure)));
        nouveaux += apres == nouveau;
    }
    // Kills that all fell between two turns would prove nothing.
    QVERIFY2(nouveaux > 0 && nouveaux < 30, qPrintable(QString::number(nouveaux)));
}

// Flushes failing with the kernel's own EIO: the scratch file's leaves the log as it was, the folder's
// the new log; no scratch file either way.
void Test_Processus::Disque_Qui_Refuse_De_Synchroniser_data() {
    QTest::addColumn<QString>("panne");
    QTest::newRow("fichier") << "fichier";
    QTest::newRow("dossier") << "dossier";
}

void Test_Processus::Disque_Qui_Refuse_De_Synchroniser() {
    QFETCH(QString, panne);
    Plateforme_Test t;
    const Lignes lignes = Log_Genere::Lignes(1000);
    const QByteArray enregistrement = Log_Genere::Enregistrement_Milieu();
    t.Ecrit_Fichier("F5ABC_TORV.log", Joint_Lignes(lignes));
    QProcess aide;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert("LD_PRELOAD", KEZ_DISQUE_DEFAILLANT);
    environnement.insert("KEZ_DISQUE_DEFAILLANT", panne);
    // Under AddressSanitizer, whose library then no longer comes first.
    environnement.insert("ASAN_OPTIONS", environnement.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    aide.setProcessEnvironment(environnement);
    QCOMPARE(Lance_Aide(aide, {"reecrit", t.Chemin("F5ABC_TORV.log"), enregistrement.toHex()}),
             QByteArray("pret"));
    QVERIFY(aide.waitForFinished(30000));
    const bool dossier = panne == "dossier";
    const QString eio = qt_error_string(EIO);
    QCOMPARE(QString::fromLocal8Bit(aide.readAllStandardOutput()), dossier ? '|' + eio + '\n' : eio + "|\n");
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"),
             Joint_Lignes(dossier ? Journal::Insere(lignes, enregistrement) : lignes));
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"F5ABC_TORV.log"});
}

KEZ_TEST(Test_Processus)

#include "Test_Processus.moc"
