#include "Test_Verrou_Dossier.h"

#include "Aide.h"
#include "Disque_Monte.h"
#include "app/Verrou_Dossier.h"
#include "support/Doubles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Etat = Verrou_Dossier::Etat;

namespace {

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<absent>");
}

} // namespace

void Test_Verrou_Dossier::Deux_Verrous_Un_Dossier() {
    QTemporaryDir dossier;
    {
        Verrou_Dossier premier(dossier.path());
        QCOMPARE(premier.Prend(), Etat::Pris);
        Verrou_Dossier second(dossier.path());
        QCOMPARE(second.Prend(), Etat::Deja_Pris);
        QVERIFY(QFile::exists(dossier.filePath("KEZ_TORV.lock")));
    }
    // The lock goes with the program that held it.
    QVERIFY(!QFile::exists(dossier.filePath("KEZ_TORV.lock")));
    Verrou_Dossier troisieme(dossier.path());
    QCOMPARE(troisieme.Prend(), Etat::Pris);
}

void Test_Verrou_Dossier::Seconde_Copie_Avertie_Sans_Toucher_Aux_Fichiers() {
    Plateforme_Test t;
    t.Ecrit_Fichier("F5ABC_TORV.log", "QSO\r\n");
    const auto premiere = Sous_Programmes::Verrouille_Dossier(t.repertoire, t.messages);
    QVERIFY(premiere);
    QCOMPARE(t.messages.textes, QStringList());
    const QByteArray verrou = Contenu(t.Chemin("KEZ_TORV.lock"));
    const auto seconde = Sous_Programmes::Verrouille_Dossier(t.repertoire, t.messages);
    QVERIFY(!seconde);
    QCOMPARE(t.messages.textes, QStringList{"KEZ_TORV est déjà ouvert dans ce dossier."});
    QCOMPARE(Contenu(t.Chemin("KEZ_TORV.lock")), verrou);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), QByteArray("QSO\r\n"));
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"F5ABC_TORV.log", "KEZ_TORV.lock"}));
}

void Test_Verrou_Dossier::Autre_Processus_Refuse_Puis_Repris_Apres_Sa_Mort() {
    QTemporaryDir dossier;
    QProcess autre;
    QCOMPARE(Lance_Aide(autre, {"verrou", dossier.path()}), QByteArray("pris"));
    Verrou_Dossier verrou(dossier.path());
    QCOMPARE(verrou.Prend(), Etat::Deja_Pris);
    Tue(autre);
    // The dead copy could not remove its lock file; the next start takes it over.
    QVERIFY(QFile::exists(dossier.filePath("KEZ_TORV.lock")));
    QCOMPARE(verrou.Prend(), Etat::Pris);
    QProcess suivant;
    QCOMPARE(Lance_Aide(suivant, {"verrou", dossier.path()}), QByteArray("refuse"));
    Tue(suivant);
}

void Test_Verrou_Dossier::Verrou_D_Un_Processus_Disparu_Repris() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("KEZ_TORV.lock");
    QByteArray laisse;
    {
        Verrou_Dossier verrou(dossier.path());
        QCOMPARE(verrou.Prend(), Etat::Pris);
        laisse = Contenu(chemin);
    }
    // The same lock, as if written by a program whose process has ended since.
    QProcess fini;
    fini.start(QStringLiteral(KEZ_PROCESSUS), {});
    QVERIFY(fini.waitForStarted(10000));
    const qint64 mort = fini.processId();
    QVERIFY(fini.waitForFinished(10000));
    laisse.replace(0, laisse.indexOf('\n'), QByteArray::number(mort));
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(laisse);
    fichier.close();
    Verrou_Dossier verrou(dossier.path());
    QCOMPARE(verrou.Prend(), Etat::Pris);
    QVERIFY(Contenu(chemin).startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
}

void Test_Verrou_Dossier::Dossier_En_Lecture_Seule() {
    Plateforme_Test t;
    Disque_Monte disque(t.repertoire.Chemin(), 1024 * 1024);
    if (!disque.Monte())
        QSKIP(qPrintable("cannot mount a tmpfs here (" + disque.Raison() + ")"));
    t.Ecrit_Fichier("F5ABC_TORV.log", "QSO\r\n");
    QVERIFY(disque.Lecture_Seule(true));
    const auto verrou = Sous_Programmes::Verrouille_Dossier(t.repertoire, t.messages);
    QVERIFY(verrou);
    QCOMPARE(t.messages.textes, QStringList());
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"F5ABC_TORV.log"});
}
