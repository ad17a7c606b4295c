#include "Test_Coupure.h"

#include "Aide.h"
#include "app/Fichier_Texte.h"
#include "app/Fichiers.h"
#include "log/Journal.h"
#include "support/Log_Genere.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

constexpr int Coupures = 30;
constexpr int QSO = 50000;

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<absent>");
}

void Ecrit(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size())
        qFatal("cannot write %s", qPrintable(chemin));
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
    int changements = 0;
    while (changements < 4 && chrono.elapsed() < 20000) {
        const QByteArray maintenant = Contenu(log);
        if (maintenant != vu) {
            ++changements;
            vu = maintenant;
        }
        QThread::msleep(2);
    }
    const int duree = static_cast<int>(chrono.elapsed());
    Tue(aide);
    return duree;
}

} // namespace

void Test_Coupure::Log_Entier_Apres_Chaque_Coupure() {
    QTemporaryDir dossier;
    const QString log = dossier.filePath("F5ABC_TORV.log");
    const Journal::Lignes lignes = Log_Genere::Lignes(QSO);
    const QByteArray enregistrement = Log_Genere::Enregistrement_Milieu();
    const QByteArray ancien = Fichier_Texte::Joint_Lignes(lignes);
    const QByteArray nouveau = Fichier_Texte::Joint_Lignes(Journal::Insere(lignes, enregistrement));
    QVERIFY(ancien != nouveau);
    Ecrit(log, ancien);
    // A scratch file left by an earlier crash, half written, under the name a rewrite would give it.
    Ecrit(log + QStringLiteral(".aB3xYz"), nouveau.left(nouveau.size() / 2));

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
    const QStringList restes =
        QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("F5ABC_TORV.log."));
    qInfo("%d coupures: %d fois l'ancien log, %d fois le nouveau, brouillons restes: %s", Coupures, anciens,
          nouveaux, qPrintable(restes.join(QStringLiteral(", "))));
    // Kills that all fell between two turns would prove nothing.
    QVERIFY(anciens > 0 && nouveaux > 0);
}
