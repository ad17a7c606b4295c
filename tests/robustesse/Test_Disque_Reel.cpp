#include "Test_Disque_Reel.h"

#include "Disque_Monte.h"
#include "Etat_Programme.h"
#include "Gestes.h"
#include "app/Main.h"
#include "log/Clavier.h"
#include "log/Prenoms.h"
#include "support/Doubles.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTest>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#endif

namespace {

constexpr qint64 Taille_Disque = 4 * 1024 * 1024;

// What a full disk leaves free: room for the first-name memory's rewrite, not for a log's.
constexpr qint64 Reste_Libre = 64 * 1024;
constexpr int Prenoms_Peu = 1000;

enum class Panne { Lecture_Seule, Disque_Plein, Disque_Comble };

// Fills the disk of that folder until `reste` bytes are left.
bool Remplit(const QString& dossier, qint64 reste) {
    QFile bourre(QDir(dossier).filePath(QStringLiteral("bourre.bin")));
    if (!bourre.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bloc(64 * 1024, '\0');
    while (QStorageInfo(dossier).bytesAvailable() > reste + bloc.size()) {
        if (bourre.write(bloc) != bloc.size() || !bourre.flush())
            break;
    }
    const qint64 dernier = QStorageInfo(dossier).bytesAvailable() - reste;
    if (dernier > 0)
        bourre.write(QByteArray(dernier, '\0'));
    bourre.close();
    return QStorageInfo(dossier).bytesAvailable() <= reste;
}

QString Raison(Panne panne) {
#ifdef Q_OS_LINUX
    return QString::fromLocal8Bit(std::strerror(panne == Panne::Lecture_Seule ? EROFS : ENOSPC));
#else
    Q_UNUSED(panne);
    return {};
#endif
}

} // namespace

void Test_Disque_Reel::Ecriture_Impossible_data() {
    QTest::addColumn<int>("geste");
    QTest::addColumn<Panne>("panne");
    QTest::addColumn<int>("fichier"); // of the gesture's files, the one refused
    const QList<std::tuple<const char*, Panne, bool>> pannes{
        {"dossier en lecture seule", Panne::Lecture_Seule, false},
        {"disque plein", Panne::Disque_Plein, true},
    };
    for (int g = 0; g < Gestes::Table().size(); ++g) {
        for (const auto& [nom, panne, dernier] : pannes) {
            // A recording writes the first-name memory, then the log: on a disk with room for the small
            // memory only, the log is refused and the memory is put back.
            QTest::addRow("%s, %s", Gestes::Table()[g].nom, nom) << g << panne << (dernier ? -1 : 0);
        }
    }
    QTest::addRow("nouveau QSO, disque comble") << 0 << Panne::Disque_Comble << 0;
}

// The working folder made read-only or full for real: each gesture that writes tells the operator
// which file could not be written and why, leaves every file as it was and keeps what was typed; the
// same gesture then succeeds once the folder can be written again.
void Test_Disque_Reel::Ecriture_Impossible() {
    QFETCH(int, geste);
    QFETCH(Panne, panne);
    QFETCH(int, fichier);
    const Gestes::Geste& g = Gestes::Table()[geste];
    Plateforme_Test t;
    Disque_Monte disque(t.repertoire.Chemin(), Taille_Disque);
    if (!disque.Monte())
        QSKIP(qPrintable("cannot mount a tmpfs here (" + disque.Raison() + ")"));
    Gestes::Prepare_Dossier(t, Prenoms_Peu);
    Main main(t.plateforme);
    Clavier::Demarre(main);
    g.prepare(main);
    t.messages.textes.clear();
    if (panne == Panne::Lecture_Seule)
        QVERIFY(disque.Lecture_Seule(true));
    else
        QVERIFY(Remplit(t.repertoire.Chemin(), panne == Panne::Disque_Plein ? Reste_Libre : 0));
    const Etat_Programme::Fichiers avant = Etat_Programme::Fichiers_Du_Dossier(t);
    const QStringList vue = Etat_Programme::Vue(main, t);

    g.fait(main);
    const QStringList fichiers = g.fichiers(main);
    const QString refuse = fichiers[fichier < 0 ? fichiers.size() - 1 : fichier];
    const QStringList questions = g.question.isEmpty() ? QStringList() : QStringList{g.question};
    QCOMPARE(t.messages.textes.size(), questions.size() + 1);
    QCOMPARE(t.messages.textes.first(questions.size()), questions);
    const QString message = t.messages.textes.last();
    const QString debut = QStringLiteral("Impossible d'enregistrer le fichier %1 : ")
                              .arg(QDir::toNativeSeparators(t.Chemin(refuse)));
    QVERIFY2(message.startsWith(debut), qPrintable(message));
    QVERIFY2(message.contains(Raison(panne)), qPrintable(message));
    QVERIFY2(message.endsWith(QStringLiteral("\r\nLe fichier est resté tel qu'il était.")),
             qPrintable(message));
    QCOMPARE(Etat_Programme::Resume(Etat_Programme::Fichiers_Du_Dossier(t)), Etat_Programme::Resume(avant));
    QCOMPARE(Etat_Programme::Vue(main, t), vue);

    if (panne == Panne::Lecture_Seule)
        QVERIFY(disque.Lecture_Seule(false));
    else
        QVERIFY(QFile::remove(t.Chemin(QStringLiteral("bourre.bin"))));
    t.messages.textes.clear();
    g.fait(main);
    const QString annonce = g.annonce(main);
    QCOMPARE(t.messages.textes, questions + (annonce.isEmpty() ? QStringList() : QStringList{annonce}));
    Etat_Programme::Fichiers attendus = avant;
    attendus.remove(QStringLiteral("bourre.bin"));
    g.apres(main, attendus);
    QCOMPARE(Etat_Programme::Resume(Etat_Programme::Fichiers_Du_Dossier(t)),
             Etat_Programme::Resume(attendus));
}
