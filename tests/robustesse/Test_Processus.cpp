#include "Aide.h"
#include "app/Fichier_Texte.h"
#include "app/Fichiers.h"
#include "app/Verrou_Dossier.h"
#include "log/Journal.h"
#include "support/Doubles.h"
#include "support/Log_Genere.h"
#include "support/Principal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cerrno>
#include <cstring>

// The lock of the folder against a second copy, a rewrite killed part-way, a disk that fails to flush.
class Test_Processus : public QObject {
    Q_OBJECT

private slots:
    void Seconde_Copie_Avertie_Sans_Toucher_Aux_Fichiers();
    void Autre_Processus_Refuse_Puis_Repris_Apres_Sa_Mort();
    void Dossier_En_Lecture_Seule();
    void Log_Entier_Apres_Chaque_Coupure();
    void Disque_Qui_Refuse_De_Synchroniser_data();
    void Disque_Qui_Refuse_De_Synchroniser();
};

using Etat = Verrou_Dossier::Etat;

namespace {

QStringList Fichiers_Du_Dossier(const Plateforme_Test& t) {
    return QDir(t.repertoire.Chemin()).entryList(QDir::Files | QDir::Hidden);
}

// How long the helper takes to get going and rewrite the log a few times over, so that the kills
// fall anywhere in its turns: reading, opening the scratch file, writing, flushing, renaming.
int Duree_De_Quelques_Tours(const QString& log, const QByteArray& enregistrement, const QByteArray& ancien) {
    QProcess aide;
    QElapsedTimer chrono;
    chrono.start();
    if (Lance_Aide(aide, {"reecrit", log, enregistrement.toHex()}) != "pret")
        return -1;
    QByteArray vu = ancien;
    for (int changements = 0; changements < 4 && chrono.elapsed() < 20000; QThread::msleep(2)) {
        const QByteArray maintenant = Contenu(log);
        if (maintenant != vu) {
            ++changements;
            vu = maintenant;
        }
    }
    const int duree = static_cast<int>(chrono.elapsed());
    Tue(aide);
    return duree;
}

} // namespace

// A second copy in the folder is told and touches nothing; the lock goes with the copy that held it.
void Test_Processus::Seconde_Copie_Avertie_Sans_Toucher_Aux_Fichiers() {
    Plateforme_Test t;
    t.Ecrit_Fichier("F5ABC_TORV.log", "QSO\r\n");
    auto premiere = Sous_Programmes::Verrouille_Dossier(t.repertoire, t.messages);
    QVERIFY(premiere);
    QCOMPARE(t.messages.textes, QStringList());
    const QByteArray verrou = Contenu(t.Chemin("KEZ_TORV.lock"));
    QVERIFY(!Sous_Programmes::Verrouille_Dossier(t.repertoire, t.messages));
    QCOMPARE(t.messages.textes, QStringList{"KEZ_TORV est déjà ouvert dans ce dossier."});
    QCOMPARE(Contenu(t.Chemin("KEZ_TORV.lock")), verrou);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), QByteArray("QSO\r\n"));
    QCOMPARE(Fichiers_Du_Dossier(t), (QStringList{"F5ABC_TORV.log", "KEZ_TORV.lock"}));
    premiere.reset();
    QCOMPARE(Fichiers_Du_Dossier(t), QStringList{"F5ABC_TORV.log"});
    QVERIFY(Sous_Programmes::Verrouille_Dossier(t.repertoire, t.messages));
    QCOMPARE(t.messages.textes.size(), 1);
}

void Test_Processus::Autre_Processus_Refuse_Puis_Repris_Apres_Sa_Mort() {
    QTemporaryDir dossier;
    QProcess autre;
    QCOMPARE(Lance_Aide(autre, {"verrou", dossier.path()}), QByteArray("pris"));
    Verrou_Dossier verrou(dossier.path());
    QCOMPARE(verrou.Prend(), Etat::Deja_Pris);
    Tue(autre);
    // The dead copy could not remove its lock file; the next start takes it over.
    QVERIFY(QFile::exists(dossier.filePath("KEZ_TORV.lock")));
    QCOMPARE(verrou.Prend(), Etat::Pris);
    QVERIFY(Contenu(dossier.filePath("KEZ_TORV.lock"))
                .startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    QProcess suivant;
    QCOMPARE(Lance_Aide(suivant, {"verrou", dossier.path()}), QByteArray("refuse"));
    Tue(suivant);
}

void Test_Processus::Dossier_En_Lecture_Seule() {
    Plateforme_Test t;
    Disque_Monte disque(t.repertoire.Chemin(), 1024 * 1024);
    if (!disque.Monte())
        QSKIP(qPrintable("cannot mount a tmpfs here (" + disque.Raison() + ")"));
    t.Ecrit_Fichier("F5ABC_TORV.log", "QSO\r\n");
    QVERIFY(disque.Lecture_Seule(true));
    QVERIFY(Sous_Programmes::Verrouille_Dossier(t.repertoire, t.messages));
    QCOMPARE(t.messages.textes, QStringList());
    QCOMPARE(Fichiers_Du_Dossier(t), QStringList{"F5ABC_TORV.log"});
}

// A log of 50,000 QSOs rewritten in a loop by another process, killed 30 times at random: the log is
// always the old one or the new one, whole, never a scratch file left by a kill.
void Test_Processus::Log_Entier_Apres_Chaque_Coupure() {
    constexpr int Coupures = 30, QSO = 50000;
    Plateforme_Test t;
    const QString log = t.Chemin("F5ABC_TORV.log");
    const Journal::Lignes lignes = Log_Genere::Lignes(QSO);
    const QByteArray enregistrement = Log_Genere::Enregistrement_Milieu();
    const QByteArray ancien = Fichier_Texte::Joint_Lignes(lignes);
    const QByteArray nouveau = Fichier_Texte::Joint_Lignes(Journal::Insere(lignes, enregistrement));
    QVERIFY(ancien != nouveau);
    t.Ecrit_Fichier("F5ABC_TORV.log", ancien);
    // A scratch file left by an earlier crash, half written, under the name a rewrite would give it.
    t.Ecrit_Fichier("F5ABC_TORV.log.aB3xYz", nouveau.left(nouveau.size() / 2));

    const int fenetre = Duree_De_Quelques_Tours(log, enregistrement, ancien);
    QVERIFY2(fenetre > 0, "the helper did not rewrite the log");
    const quint32 graine = QRandomGenerator::global()->generate();
    qInfo("graine %u, coupures entre 0 et %d ms", graine, fenetre);
    QRandomGenerator hasard(graine);

    int anciens = 0, nouveaux = 0;
    for (int coupure = 1; coupure <= Coupures; ++coupure) {
        QProcess aide;
        // Restarting over whatever the last kill left in the folder must work.
        QCOMPARE(Lance_Aide(aide, {"reecrit", log, enregistrement.toHex()}), QByteArray("pret"));
        QThread::msleep(hasard.bounded(fenetre));
        QCOMPARE(aide.state(), QProcess::Running);
        Tue(aide);
        const QByteArray apres = Contenu(log);
        QVERIFY2(apres == ancien || apres == nouveau,
                 qPrintable(QStringLiteral("coupure %1: log de %2 octets, ni l'ancien ni le nouveau")
                                .arg(coupure)
                                .arg(apres.size())));
        (apres == ancien ? anciens : nouveaux) += 1;
        // The log read back through the program's own reader is whole, whatever else lies around.
        Fichiers_Disque fichiers;
        const Lecture_Fichier lecture = fichiers.Lit(log);
        QVERIFY(lecture.Lu());
        QCOMPARE(lecture.lignes.size(), apres == ancien ? QSO : QSO + 1);
    }
    const QStringList restes = Fichiers_Du_Dossier(t).filter(QStringLiteral("F5ABC_TORV.log."));
    qInfo("%d coupures: %d fois l'ancien log, %d fois le nouveau, brouillons restes: %s", Coupures, anciens,
          nouveaux, qPrintable(restes.join(QStringLiteral(", "))));
    // Kills that all fell between two turns would prove nothing.
    QVERIFY(anciens > 0 && nouveaux > 0);
}

// A QSO recorded through the program's own code, in another process, on a disk whose flushes fail in the
// kernel's own answer (EIO, the disk giving up): when the scratch file cannot be flushed the log stays
// byte for byte and the QSO is not taken as recorded; when only the folder cannot, the log holds the QSO,
// which is taken as recorded. Either way no scratch file is left and the operator is told exactly that.
void Test_Processus::Disque_Qui_Refuse_De_Synchroniser_data() {
    QTest::addColumn<QString>("panne");
    QTest::newRow("fichier") << "fichier";
    QTest::newRow("dossier") << "dossier";
}

void Test_Processus::Disque_Qui_Refuse_De_Synchroniser() {
#ifndef KEZ_DISQUE_DEFAILLANT
    QSKIP("the failing disk is loaded with LD_PRELOAD, Linux only");
#else
    QFETCH(QString, panne);
    Plateforme_Test t;
    const QString log = t.Chemin("F5ABC_TORV.log");
    const Journal::Lignes lignes = Log_Genere::Lignes(1000);
    const QByteArray enregistrement = Log_Genere::Enregistrement_Milieu();
    const QByteArray ancien = Fichier_Texte::Joint_Lignes(lignes);
    t.Ecrit_Fichier("F5ABC_TORV.log", ancien);

    QProcess aide;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert("LD_PRELOAD", KEZ_DISQUE_DEFAILLANT);
    environnement.insert("KEZ_DISQUE_DEFAILLANT", panne);
    // Under AddressSanitizer, whose library then no longer comes first.
    environnement.insert("ASAN_OPTIONS", environnement.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    aide.setProcessEnvironment(environnement);
    aide.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    aide.start(KEZ_PROCESSUS, {"ajoute", log, enregistrement.toHex()});
    QVERIFY(aide.waitForFinished(30000));
    QCOMPARE(aide.exitCode(), 0);

    const QString chemin = QDir::toNativeSeparators(log);
    const QString raison = QString::fromLocal8Bit(std::strerror(EIO));
    const bool enregistre = panne == "dossier";
    const QString message =
        enregistre
            ? QStringLiteral("Le fichier %1 a été enregistré, mais le disque n'a pas confirmé l'écriture "
                             "du dossier : %2\r\nVérifiez le disque ; inutile d'enregistrer à nouveau.")
                  .arg(chemin, raison)
            : QStringLiteral("Impossible d'enregistrer le fichier %1 : %2\r\nLe fichier est resté tel "
                             "qu'il était.")
                  .arg(chemin, raison);
    QList<QByteArray> sortie = aide.readAllStandardOutput().split('\n');
    QCOMPARE(sortie.takeLast(), QByteArray());
    QCOMPARE(sortie.takeLast(), QByteArray(enregistre ? "enregistre" : "non enregistre"));
    QStringList messages;
    for (const QByteArray& ligne : sortie)
        messages << QString::fromUtf8(QByteArray::fromHex(ligne));
    QCOMPARE(messages, QStringList{message});
    QCOMPARE(Contenu(log),
             enregistre ? Fichier_Texte::Joint_Lignes(Journal::Ajoute(lignes, enregistrement)) : ancien);
    QCOMPARE(Fichiers_Du_Dossier(t), QStringList{"F5ABC_TORV.log"});
#endif
}

KEZ_TEST(Test_Processus)

#include "Test_Processus.moc"
