#include "Clavier.h"
#include "app/Session.h"
#include "log/Controle_Saisie.h"
#include "log/Journal_Station.h"
#include "support/Principal.h"

#include <QSignalSpy>

// The log's data without a window: the store over its file, the checks of the entry fields.
class Test_Journal : public QObject {
    Q_OBJECT

private slots:
    void Changements_data();
    void Changements();
    void Lecture();
    void Refus_Saisie_data();
    void Refus_Saisie();
};

using Lignes = QList<QByteArray>;
using namespace Clavier;

struct Changement {
    QString geste;          // ajoute, remplace, supprime, insere or importe (records one a line)
    Lignes avant, ailleurs; // the log read, then as another program leaves it, if it does
    QByteArray nouveau;
    Journal::QSO_Choisi choisi;
    Lignes apres; // {"<refuse>"}: nothing may be written
};
Q_DECLARE_METATYPE(Changement)
Q_DECLARE_METATYPE(Champ_Saisie)

namespace {

const QByteArray A = QSO_Phare("A", "01/01/06"), B = QSO_Phare("B", "02/01/06"),
                 N = QSO_Phare("N", "01/01/06");
const Lignes Refuse{"<refuse>"};

} // namespace

void Test_Journal::Changements_data() {
    QTest::addColumn<Changement>("cas");
    const auto ligne = [](const char* nom, const Changement& cas) { QTest::newRow(nom) << cas; };
    ligne("ajout", {"ajoute", {B, A}, {}, N, {}, {B, A, N}});
    ligne("ajout, log change par ailleurs", {"ajoute", {A, B}, {B}, N, {}, {B, N}});
    ligne("remplace le doublon choisi seul", {"remplace", {A, B, A}, {}, N, {2, A}, {A, B, N}});
    ligne("remplace une ligne deplacee par ailleurs", {"remplace", {A, B}, {B, A, A}, N, {0, A}, Refuse});
    ligne("remplace au-dela du log", {"remplace", {A, B}, {}, N, {2, A}, Refuse});
    ligne("remplace sans ligne choisie", {"remplace", {A, B}, {}, N, {}, Refuse});
    ligne("supprime une ligne changee", {"supprime", {A, B}, {}, {}, {1, A}, Refuse});
    ligne("supprime le dernier QSO", {"supprime", {A}, {}, {}, {0, A}, {}});
    ligne("insere avant le meme moment", {"insere", {A, B}, {}, N, {}, {N, A, B}});
    const QByteArray M = QSO_Phare("M", "01/01/06", "09:59"), T = QSO_Phare("T", "01/01/06", "10:01"),
                     F = QSO_Phare("F", "01/02/06"), X = QSO_Phare("X", "01/01/49"),
                     Y = QSO_Phare("Y", "01/01/50"), n31 = QSO_Phare("N", "31/01/06");
    ligne("insere entre les minutes", {"insere", {M, T}, {}, N, {}, {M, N, T}});
    // Each imported QSO where an insertion puts it, those of one moment in the file's order.
    const QByteArray O = QSO_Phare("O", "01/01/06");
    ligne("importe en date",
          {"importe", {M, T}, {}, F + '\n' + O + '\n' + X + '\n' + N, {}, {M, O, N, T, F, X}});
    ligne("importe avant le meme moment", {"importe", {T, A, M}, {}, O + '\n' + N, {}, {O, N, T, A, M}});
    ligne("50 est 1950, 49 est 2049", {"insere", {Y, X}, {}, N, {}, {Y, N, X}});
    ligne("mois avant jour", {"insere", {B, F}, {}, n31, {}, {B, n31, F}});
    const QByteArray abimee("\x81\x00\x9d court\xff", 10), juin = QSO_Phare("N", "01/06/06");
    ligne("ligne illisible passee, gardee", {"insere", {A, abimee, B}, {}, juin, {}, {A, abimee, B, juin}});
    // One part of a date or time that cannot be read is enough to pass a line over, however late the
    // rest of it: the new QSO goes before the first line read.
    const Lignes illisibles{QSO_Phare("J", "xx/12/06"), QSO_Phare("M", "15/xx/07"),
                            QSO_Phare("A", "15/06/xx"), QSO_Phare("H", "15/06/06", "xx:00"),
                            QSO_Phare("I", "15/06/06", "10:xx")};
    const QByteArray n99 = QSO_Phare("N", "01/01/99");
    ligne("une partie illisible suffit",
          {"insere", illisibles + Lignes{B}, {}, n99, {}, illisibles + Lignes{n99, B}});
}

// A change rewrites the file whole and is signalled; a chosen line no longer at its place with its
// bytes is refused with a message, nothing is written and the log is read again.
void Test_Journal::Changements() {
    QFETCH(Changement, cas);
    Banc_Journal b(cas.avant);
    if (!cas.ailleurs.isEmpty())
        b.t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(cas.ailleurs));
    QSignalSpy lu(&b.journal, &Journal_Station::Log_Lu), change(&b.journal, &Journal_Station::Log_Change);
    const QString texte = QString::fromLatin1(cas.nouveau);
    const bool fait = cas.geste == "ajoute"     ? b.journal.Ajout_Fin_Log(texte)
                      : cas.geste == "remplace" ? b.journal.Remplace_QSO_Log(texte, cas.choisi)
                      : cas.geste == "supprime" ? b.journal.Supprime_QSO_Log(cas.choisi)
                      : cas.geste == "importe"  ? b.journal.Importe_QSO_Log(texte.split('\n'))
                                                : b.journal.Insere_QSO_Log(texte);
    const bool refuse = cas.apres == Refuse;
    const Lignes log = !refuse ? cas.apres : cas.ailleurs.isEmpty() ? cas.avant : cas.ailleurs;
    QCOMPARE(fait, !refuse);
    QCOMPARE(b.t.Lit_Fichier("F5ABC_TORV.log"), Fichier(log));
    QCOMPARE(b.journal.Log().Vues(), log);
    QCOMPARE(b.t.messages.textes, refuse ? QStringList{QSO_Deplace(b.t)} : QStringList());
    QCOMPARE(QList<qsizetype>({lu.size(), change.size()}), QList<qsizetype>({refuse, !refuse}));
}

// The date of the first QSO of a reference in file order, a longer one not matched by its beginning. The
// log held is used while its file keeps its state; a log that could not be read is never taken for empty.
void Test_Journal::Lecture() {
    const QByteArray C = QSO_Phare("C", "04/04/06", "10:00", "PB12"),
                     D = QSO_Phare("D", "03/03/06", "10:00", "PB12");
    Banc_Journal b({A, B, C, D});
    QStringList dates;
    for (const char* reference : {"PB1004", "PB12", "PB1", "PB9999"})
        dates << b.journal.Cherche_Reference_Log(reference).value_or("<absent>");
    QCOMPARE(dates, QStringList({"01/01/06", "04/04/06", "<absent>", "<absent>"}));
    b.t.fichiers.lecture_refusee = QStringLiteral("disque absent");
    QVERIFY(b.journal.Ajout_Fin_Log(QString::fromLatin1(N)));
    b.journal.Lecture_Log();
    QCOMPARE(b.journal.Log().Nombre_Lignes(), 0);
    QVERIFY(!b.journal.Ajout_Fin_Log(QString::fromLatin1(N)));
    QCOMPARE(b.t.messages.textes,
             QStringList(2, QStringLiteral("Impossible de lire le fichier %1 : disque absent")
                                .arg(QDir::toNativeSeparators(b.t.Chemin("F5ABC_TORV.log")))));
    b.t.fichiers.lecture_refusee.clear();
    QVERIFY(b.journal.Insere_QSO_Log(QString::fromLatin1(B)));
    QCOMPARE(b.t.Lit_Fichier("F5ABC_TORV.log"), Fichier({A, B, B, C, D, N}));
}

// The limits of each rule and the order of its checks (each message is met once through the keyboard).
void Test_Journal::Refus_Saisie_data() {
    QTest::addColumn<Champ_Saisie>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("refus");
    using C = Champ_Saisie;
    const auto lignes = [](C champ, const QStringList& justes, const QStringList& faux, const char* refus) {
        for (const QString& texte : justes + faux)
            QTest::addRow("%d '%s'", int(champ), qPrintable(texte))
                << champ << texte << QString(faux.contains(texte) ? refus : "");
    };
    lignes(C::Indicatif, {}, {"F5ŁAB"}, "Caractere non autorise : Ł");
    lignes(C::Prenom, {"HÉLÈNE"}, {"JO😀"}, "Caractere non autorise : 😀");
    lignes(C::Mode, {}, {"PACTOR"}, "3 caracteres maxi pour le Mode");
    lignes(C::Report, {"0"}, {"6999"}, "3 caracteres maxi pour le Report");
    lignes(C::Nom_Phare, {"P. Œ € AAAAAAAAAAAAAAAAAAAAAAA"}, {}, "");
    // The day is not compared with the month.
    lignes(C::Date, {"31/02/06", "00/00/00", "31/12/99"},
           {"32/01/06", "01/13/06", "1/7/06", "14-07-06", "14/07/2006", "14/07/06 ", "14/07/0", "1A/07/06",
            " 4/07/06", "١٤/07/06"},
           "Le format de la date doit etre JJ/MM/AA");
    lignes(C::Heure, {"00:00", "23:59", "09:05"}, {"24:00", "12:60", "9:05", "12h05", "12:05:00", "12.05"},
           "Le format de l'heure doit etre HH:MM");
}

void Test_Journal::Refus_Saisie() {
    QFETCH(Champ_Saisie, champ);
    QFETCH(QString, texte);
    QFETCH(QString, refus);
    QCOMPARE(Sous_Programmes::Refus_Saisie(champ, texte), refus);
}

KEZ_TEST(Test_Journal)

#include "Test_Journal.moc"
