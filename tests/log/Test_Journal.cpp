#include "Clavier.h"
#include "app/Session.h"
#include "log/Enregistrement.h"
#include "log/Journal_Station.h"
#include "log/Modele_Log.h"
#include "support/Principal.h"

#include <QFile>
#include <QSignalSpy>

// The log store of station F5ABC over its file, without a window.
class Test_Journal : public QObject {
    Q_OBJECT

private slots:
    void Changements_data();
    void Changements();
    void Log_Illisible();
    void Reference();
};

using Lignes = QList<QByteArray>;
using Clavier::Fichier;

Q_DECLARE_METATYPE(Journal::QSO_Choisi)

namespace {

// A record with its date and time; the callsign tells the records apart.
QByteArray Q(const char* indicatif, const char* date, const char* heure = "10:00",
             const char* reference = "PB1004") {
    return Enregistrement::Compose(
               {indicatif, "29", "", reference, date, heure, "SSB", "14 Mhz", "59", "59", "", " "})
        .toLatin1();
}

const QByteArray A = Q("A", "01/01/06"), B = Q("B", "02/01/06"), N = Q("N", "01/01/06");
const Lignes Refuse{"<refuse>"};

// The store and its list over a folder holding `log`, read once.
struct Banc {
    explicit Banc(const Lignes& log) {
        t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(log));
        session.Change_Station("F5ABC");
        journal.Lecture_Log();
    }

    Plateforme_Test t;
    Session session{t.repertoire};
    Journal_Station journal{session, t.fichiers, t.messages};
    Modele_Log modele{journal};
};

} // namespace

void Test_Journal::Changements_data() {
    QTest::addColumn<QString>("changement");
    QTest::addColumn<Lignes>("avant");
    QTest::addColumn<Lignes>("ailleurs"); // the log as another program leaves it once read, if it does
    QTest::addColumn<QByteArray>("nouveau");
    QTest::addColumn<Journal::QSO_Choisi>("choisi");
    QTest::addColumn<Lignes>("apres");
    const auto ligne = [](const char* nom, const char* changement, const Lignes& avant,
                          const Lignes& ailleurs, const QByteArray& nouveau,
                          const Journal::QSO_Choisi& choisi, const Lignes& apres) {
        QTest::newRow(nom) << QString(changement) << avant << ailleurs << nouveau << choisi << apres;
    };
    ligne("ajout", "ajoute", {B, A}, {}, N, {}, {B, A, N});
    ligne("ajout, log de meme taille change par ailleurs", "ajoute", {A, B}, {B, A}, N, {}, {B, A, N});
    ligne("remplace en place", "remplace", {A, B}, {}, N, {0, A}, {N, B});
    ligne("remplace le doublon choisi seul", "remplace", {A, B, A}, {}, N, {2, A}, {A, B, N});
    ligne("remplace une ligne deplacee par ailleurs", "remplace", {A, B}, {B, A}, N, {0, A}, Refuse);
    ligne("remplace une ligne raccourcie par ailleurs", "remplace", {A, B}, {A.left(60), B}, N, {0, A},
          Refuse);
    ligne("remplace au-dela du log", "remplace", {A, B}, {}, N, {2, A}, Refuse);
    ligne("remplace sans ligne choisie", "remplace", {A, B}, {}, N, {}, Refuse);
    ligne("supprime le doublon choisi seul", "supprime", {A, B, A}, {}, {}, {0, A}, {B, A});
    ligne("supprime une ligne changee", "supprime", {A, B}, {}, {}, {1, A}, Refuse);
    ligne("supprime le dernier QSO", "supprime", {A}, {}, {}, {0, A}, {});
    ligne("insere avant le meme moment", "insere", {A, B}, {}, N, {}, {N, A, B});
    const QByteArray tard = Q("T", "01/01/06", "10:01");
    ligne("insere avant la minute suivante", "insere", {B, tard}, {}, N, {}, {N, B, tard});
    ligne("insere a la fin", "insere", {A, B}, {}, Q("N", "03/01/06", "00:00"), {},
          {A, B, Q("N", "03/01/06", "00:00")});
    const QByteArray an49 = Q("X", "01/01/49"), an50 = Q("Y", "01/01/50"), n48 = Q("N", "31/12/48", "23:59");
    ligne("49 est 2049", "insere", {an50, A, an49}, {}, n48, {}, {an50, A, n48, an49});
    ligne("50 est 1950", "insere", {an50, A}, {}, Q("N", "31/12/49"), {}, {an50, A, Q("N", "31/12/49")});
    const QByteArray x99 = Q("X", "31/12/99", "23:59"), y00 = Q("Y", "01/01/00", "00:00");
    ligne("99 avant 00", "insere", {x99, y00}, {}, Q("N", "01/01/00", "00:00"), {},
          {x99, Q("N", "01/01/00", "00:00"), y00});
    const QByteArray fevrier = Q("Y", "01/02/06"), n31 = Q("N", "31/01/06");
    ligne("mois avant jour", "insere", {B, fevrier}, {}, n31, {}, {B, n31, fevrier});
    const QByteArray abimee("\x81\x00\x9d court\xff", 10), juin = Q("N", "01/06/06");
    ligne("ligne illisible passee, gardee", "insere", {A, abimee, B}, {}, juin, {}, {A, abimee, B, juin});
}

// A change rewrites the file whole and is signalled; a chosen line that is no longer at its place with
// its bytes is refused with a message, nothing is written and the log is read again.
void Test_Journal::Changements() {
    QFETCH(QString, changement);
    QFETCH(Lignes, avant);
    QFETCH(Lignes, ailleurs);
    QFETCH(QByteArray, nouveau);
    QFETCH(Journal::QSO_Choisi, choisi);
    QFETCH(Lignes, apres);
    Banc b(avant);
    if (!ailleurs.isEmpty()) {
        b.t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(ailleurs));
        // Another program's write is seen by the file's time even when its size stays.
        QFile fichier(b.t.Chemin("F5ABC_TORV.log"));
        QVERIFY(fichier.open(QIODevice::ReadWrite));
        QVERIFY(fichier.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFile::FileModificationTime));
    }
    QSignalSpy lu(&b.journal, &Journal_Station::Log_Lu), change(&b.journal, &Journal_Station::Log_Change);
    const QString texte = QString::fromLatin1(nouveau);
    const bool fait = changement == "ajoute"     ? b.journal.Ajout_Fin_Log(texte)
                      : changement == "remplace" ? b.journal.Remplace_QSO_Log(texte, choisi)
                      : changement == "supprime" ? b.journal.Supprime_QSO_Log(choisi)
                                                 : b.journal.Insere_QSO_Log(texte);
    const bool refuse = apres == Refuse;
    const Lignes log = refuse ? (ailleurs.isEmpty() ? avant : ailleurs) : apres;
    QCOMPARE(fait, !refuse);
    QCOMPARE(b.t.Lit_Fichier("F5ABC_TORV.log"), Fichier(log));
    QCOMPARE(b.journal.Log().Vues(), log);
    QCOMPARE(b.modele.rowCount(), log.size());
    QCOMPARE(b.t.messages.textes, refuse ? QStringList{Clavier::QSO_Deplace(b.t)} : QStringList());
    QCOMPARE(QList<int>({int(lu.size()), int(change.size())}), QList<int>({refuse, !refuse}));
}

// The log held is used while its file keeps its state; a log that could not be read is never taken
// for an empty one.
void Test_Journal::Log_Illisible() {
    Banc b({A, B});
    b.t.fichiers.lecture_refusee = QStringLiteral("disque absent");
    QVERIFY(b.journal.Ajout_Fin_Log(QString::fromLatin1(N)));
    QCOMPARE(b.t.messages.textes, QStringList());

    QSignalSpy lu(&b.journal, &Journal_Station::Log_Lu);
    b.journal.Lecture_Log();
    QCOMPARE(lu.size(), 1);
    QCOMPARE(b.modele.rowCount(), 0);
    QVERIFY(!b.journal.Ajout_Fin_Log(QString::fromLatin1(N)));
    QVERIFY(!b.journal.Cherche_Reference_Log("PB1004"));
    const QString refus = QStringLiteral("Impossible de lire le fichier %1 : disque absent")
                              .arg(QDir::toNativeSeparators(b.t.Chemin("F5ABC_TORV.log")));
    QCOMPARE(b.t.messages.textes, QStringList(3, refus));
    QCOMPARE(b.t.Lit_Fichier("F5ABC_TORV.log"), Fichier({A, B, N}));

    b.t.fichiers.lecture_refusee.clear();
    QVERIFY(b.journal.Insere_QSO_Log(QString::fromLatin1(B)));
    QCOMPARE(b.t.Lit_Fichier("F5ABC_TORV.log"), Fichier({A, B, B, N}));
    QCOMPARE(b.modele.rowCount(), 4);
}

// The date of the first QSO of a reference, in file order; a longer reference is not matched by its
// beginning.
void Test_Journal::Reference() {
    Banc b({Q("A", "03/03/06", "10:00", "PB1004"), Q("B", "04/04/06", "10:00", "PB12"),
            Q("C", "01/01/06", "10:00", "PB1004")});
    QStringList dates;
    for (const char* reference : {"PB1004", "PB12", "PB1", "PB9999"})
        dates << b.journal.Cherche_Reference_Log(reference).value_or("<absent>");
    QCOMPARE(dates, QStringList({"03/03/06", "04/04/06", "<absent>", "<absent>"}));
}

KEZ_TEST(Test_Journal)

#include "Test_Journal.moc"
