#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "log/Enregistrement.h"
#include "reports/Aff_Contacte.h"
#include "reports/Rapports.h"
#include "reports/Rapports_Station.h"
#include "reports/Score_Phares.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

class Test_Rapports : public QObject {
    Q_OBJECT

private slots:
    void Octets_data();
    void Octets();
    void Liste_Alphabetique();
    void Rapport_Enregistre();
    void Rapport_Imprime();
    void Liste_Et_Score();
    void Log_Absent_data();
    void Log_Absent();
};

using Lignes = QList<QByteArray>;
using Rapports::Support;

namespace {

QByteArray QSO(const QString& indicatif, const QString& reference, const QString& date, const QString& phare,
               const QString& qsl) {
    return Fichier_Texte::Encode(Enregistrement::Compose(
        {indicatif, "29", "", reference, date, "10:05", "SSB", "14 Mhz", "59", "57", phare, qsl}));
}

const QByteArray Credit = "Document produit par KEZ_TORV Revision 1.0.9";
const QString Annonce = QStringLiteral("Le log a été enregistré sous le nom : ");
const QString Nom_Rapport = QStringLiteral("Phares_Contacte_F5ABC_05_12_26.txt");
const QString Nom_Liste = QStringLiteral("F5ABC_Liste_alaphanumerique_Phares_05_12_26.txt");

// A confirmed QSO; a short line whose bytes Windows-1252 leaves undefined, passed on untouched; and
// a QSO whose reference sorts after PB1012 as text though not as a number.
const QByteArray A = "F5XYZ        29   JEAN            PB100414/07/14 09:35 SSB 14 Mhz  59  57  P. Ar-Men"
                     "                      *";
const QByteArray B = "F6\x81\x9d         56   J\xc9R\xd4ME          PB1012" + QByteArray(20, ' ');
const QByteArray C = QSO("F5ZZZ", "PB123", "01/01/06", "Phare A", " ");
const Lignes Log{C, A, B};
// Their lines of the alphabetical list.
const QByteArray L_A = " PB1004  P. Ar-Men                       14/07/14  F5XYZ         *";
const QByteArray L_B = " PB1012" + QByteArray(44, ' ') + "F6\x81\x9d" + QByteArray(11, ' ');
const QByteArray L_C = " PB123   Phare A                         01/01/06  F5ZZZ          ";

const QByteArray Rapport_Fichier =
    QByteArray(20, ' ') + "F5ABC Phares contact\xe9s au 05/12/2026\r\n\r\n" +
    "   N\xb0 Indicatif    Dpt     Prenom        Ref    Date    QTR  Mode  QRG  RSTR RSTE       Mom du Phare"
    "           QSL\r\n\r\n    1 " +
    C + "\r\n    2 " + A + "\r\n    3 " + B + "\r\n\r\n" + Credit + "\r\n";
const QByteArray Liste_Fichier =
    "    F5ABC Liste alphanumerique des Phares contact\xe9s au 05/12/2026\r\n\r\n"
    "   N\xb0   Ref        Nom du Phare                 Date   Indicatif    QSL\r\n\r\n"
    "    1 " +
    L_A + "\r\n    2 " + L_B + "\r\n    3 " + L_C + "\r\n\r\n" + Credit + "\r\n";
const QByteArray Liste_Papier =
    "        F5ABC Liste alphanumerique des Phares contact\xe9s au 05/12/2026\r\n\r\n"
    "        N\xb0  Ref         Nom du Phare                Date   Indicatif     QSL\r\n"
    "\r\n        1 " +
    L_A + "\r\n        2 " + L_B + "\r\n        3 " + L_C + "\r\n\r\n\r\n" + Credit + "\r\n";

// What a printed page shows of these lines: neither control characters nor the blanks that end them.
QStringList Imprime(const Lignes& lignes) {
    QStringList textes = Fichier_Texte::Decode_Lignes(lignes);
    for (QString& texte : textes) {
        texte.remove(QRegularExpression(QStringLiteral("[\\x{80}-\\x{9f}]")));
        while (texte.endsWith(' '))
            texte.chop(1);
    }
    return textes;
}

// The main window of station F5ABC on its local day of 5 December 2026, the UTC day being the 6th.
struct Fenetre {
    Plateforme_Test t;
    Main main{t.plateforme};

    explicit Fenetre(const Lignes& log) {
        t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
        t.Ecrit_Fichier("F5ABC_TORV.log", Fichier_Texte::Joint_Lignes(log));
        t.horloge.utc = QDateTime(QDate(2026, 12, 6), QTime(0, 30), Qt::UTC);
        t.horloge.locale = QDateTime(QDate(2026, 12, 5), QTime(23, 30));
        main.Form_Load();
    }
    Aff_Contacte* Liste() {
        main.Mnu_C_Contacte->trigger();
        return main.findChild<Aff_Contacte*>("Aff_Contacte");
    }
};

} // namespace

Q_DECLARE_METATYPE(Rapports::Support)

void Test_Rapports::Octets_data() {
    QTest::addColumn<Support>("support");
    QTest::addColumn<bool>("liste");
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("rapport, fichier") << Support::Fichier << false << Rapport_Fichier;
    QTest::newRow("rapport, papier") << Support::Papier << false
                                     << QByteArray(31, ' ') +
                                            "F5ABC  Phares contact\xe9s au 05/12/2026\r\n\r\n" +
                                            "       N\xb0 Indicatif    Dpt     Prenom        Ref    Date    "
                                            "QTR  Mode  QRG  RSTR RSTE  Mom du "
                                            "Phare           QSL\r\n\r\n        1 " +
                                            C + "\r\n        2 " + A + "\r\n        3 " + B + "\r\n\r\n\r\n" +
                                            Credit + "\r\n";
    QTest::newRow("liste, fichier") << Support::Fichier << true << Liste_Fichier;
    QTest::newRow("liste, papier") << Support::Papier << true << Liste_Papier;
}

void Test_Rapports::Octets() {
    QFETCH(Support, support);
    QFETCH(bool, liste);
    QFETCH(QByteArray, octets);
    const QDate jour(2026, 12, 5);
    QCOMPARE(Fichier_Texte::Joint_Lignes(
                 liste ? Rapports::Liste_Phares_Contactes(support, "F5ABC", jour, Credit,
                                                          Rapports::Liste_Alphabetique(Log))
                       : Rapports::Phares_Contactes(support, "F5ABC", jour, Credit, Log)),
             octets);
}

// Sorted as text without regard to case, lines equal but for case kept in log order.
void Test_Rapports::Liste_Alphabetique() {
    QCOMPARE(Rapports::Liste_Alphabetique({}), QStringList{""});
    QCOMPARE(Rapports::Liste_Alphabetique(
                 {QSO("F1A", "PB1", "14/07/14", "abc", " "), QSO("F1B", "PB1", "02/01/15", "Abd", "*"),
                  QSO("F1C", "PB1", "02/01/15", "ABC", " "), QSO("F1C", "PB1", "02/01/15", "abc", " ")}),
             (QStringList{"", " PB1     ABC                             02/01/15  F1C            ",
                          " PB1     abc                             02/01/15  F1C            ",
                          " PB1     abc                             14/07/14  F1A            ",
                          " PB1     Abd                             02/01/15  F1B           *"}));
}

// Saving replaces the day's report, even a longer one; the next day makes a new file.
void Test_Rapports::Rapport_Enregistre() {
    Fenetre f(Log);
    f.t.Ecrit_Fichier(Nom_Rapport, QByteArray(5000, 'x'));
    f.main.Mnu_Enr_Contacte->trigger();
    QCOMPARE(f.t.Lit_Fichier(Nom_Rapport), Rapport_Fichier);
    f.t.horloge.locale = QDateTime(QDate(2026, 12, 6), QTime(0, 1));
    f.main.Mnu_Enr_Contacte->trigger();
    const QString lendemain = QStringLiteral("Phares_Contacte_F5ABC_06_12_26.txt");
    QCOMPARE(f.t.Lit_Fichier(lendemain), QByteArray(Rapport_Fichier).replace("05/12/2026", "06/12/2026"));
    QCOMPARE(f.t.messages.textes, (QStringList{Annonce + Nom_Rapport, Annonce + lendemain}));
    // Whether the file was written.
    QVERIFY(Sous_Programmes::Enregistre_Rapport(f.main, "a.txt", "1\r\n", "Fait : "));
    f.t.fichiers.panne = Fichiers_Defaillants::Etape::Validation;
    QVERIFY(!Sous_Programmes::Enregistre_Rapport(f.main, "a.txt", "2\r\n", "Fait : "));
    QCOMPARE(f.t.Lit_Fichier("a.txt"), QByteArray("1\r\n"));
    QCOMPARE(f.t.messages.textes.filter("Fait : "), QStringList{"Fait : a.txt"});
}

// In bold Courier New 9 on landscape pages, each full but the last; the printer's font given back after.
void Test_Rapports::Rapport_Imprime() {
    Lignes log;
    for (int i = 0; i < 120; ++i)
        log.append(QSO(QStringLiteral("F%1ABC").arg(i), "PB1004", "14/07/14", "", "*"));
    Fenetre f(log);
    const QFont avant(QStringLiteral("DejaVu Sans"), 12);
    f.t.imprimante.Change_Police(avant);
    f.main.Mnu_Imp_Contacte->trigger();
    const QFont& police = f.t.imprimante.police_au_dialogue;
    QCOMPARE(
        QStringList({police.family(), QString::number(police.pointSize()), QString::number(police.bold())}),
        QStringList({"Courier New", "9", "1"}));
    QCOMPARE(f.t.imprimante.Police(), avant);
    const QList<QStringList> pages = f.t.imprimante.Pages();
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    QStringList lignes;
    for (const QStringList& page : pages) {
        QVERIFY(page.size() == pages[0].size() || (&page == &pages.last() && page.size() < pages[0].size()));
        lignes += page;
    }
    QCOMPARE(lignes,
             Imprime(Rapports::Phares_Contactes(Support::Papier, "F5ABC", QDate(2026, 12, 5), Credit, log)));
    const QStringList cotes = f.t.imprimante.Taille_Page().split(" x ");
    QVERIFY2(cotes.size() == 2 && cotes[0].toDouble() > cotes[1].toDouble(), qPrintable(cotes.join('x')));
    QCOMPARE(f.t.imprimante.Polices(), QStringList{"LiberationMono-Bold"});
    QCOMPARE(f.t.imprimante.dialogues, 1);
    QCOMPARE(f.t.messages.textes, QStringList());
}

// The list window shows the log sorted, saves and prints the list as it stands (on portrait pages);
// printing cancelled, or a printer that does not start, prints nothing. The score counts the QSOs,
// and those whose QSL column holds the star.
void Test_Rapports::Liste_Et_Score() {
    Fenetre f(Log);
    Aff_Contacte* liste = f.Liste();
    QVERIFY(liste && liste->isVisible());
    QStringList lignes;
    for (int i = 0; i < liste->Liste_TORV_Contacte->count(); ++i)
        lignes << liste->Liste_TORV_Contacte->item(i)->text();
    QCOMPARE(lignes, Fichier_Texte::Decode_Lignes({"", L_A, L_B, L_C}));
    f.t.Ecrit_Fichier("F5ABC_TORV.log", A);
    QTest::mouseClick(liste->Enregistrer, Qt::LeftButton);
    QCOMPARE(f.t.Lit_Fichier(Nom_Liste), Liste_Fichier);
    f.t.imprimante.annule = true;
    QTest::mouseClick(liste->Imprimer, Qt::LeftButton);
    QVERIFY(!f.t.imprimante.Imprime_Quelque_Chose());
    f.t.imprimante.annule = false;
    QTest::mouseClick(liste->Imprimer, Qt::LeftButton);
    QCOMPARE(f.t.imprimante.Pages(), QList<QStringList>{Imprime(Fichier_Texte::Coupe_Lignes(Liste_Papier))});
    const QStringList cotes = f.t.imprimante.Taille_Page().split(" x ");
    QVERIFY2(cotes.size() == 2 && cotes[0].toDouble() < cotes[1].toDouble(), qPrintable(cotes.join('x')));
    f.t.imprimante.chemin_force = f.t.Chemin("dossier absent/liste.pdf");
    QTest::mouseClick(liste->Imprimer, Qt::LeftButton);
    QCOMPARE(f.t.imprimante.dialogues, 3);
    f.t.Ecrit_Fichier("F5ABC_TORV.log", Fichier_Texte::Joint_Lignes({A, B, C, A}));
    f.main.Mnu_Score->trigger();
    Score_Phares* score = f.main.findChild<Score_Phares*>("Score_Phares");
    QVERIFY(score && score->isVisible());
    QCOMPARE(score->windowTitle() + ' ' + score->QSO_NB->text() + ' ' + score->QSL_NB->text(), "Scores 4 2");
    QCOMPARE(f.t.messages.textes,
             (QStringList{Annonce + Nom_Liste, "Impossible d'imprimer sur " + f.t.imprimante.chemin_force +
                                                   " : l'impression n'a pas pu commencer."}));
}

void Test_Rapports::Log_Absent_data() {
    QTest::addColumn<QString>("commande");
    for (const char* commande : {"adif", "rapport", "impression"})
        QTest::newRow(commande) << commande;
}

// Without a log nothing is written or printed, an earlier file is kept, and the operator is told.
void Test_Rapports::Log_Absent() {
    QFETCH(QString, commande);
    Fenetre f({A});
    const QStringList sorties{"F5ABC_TORV.adi", Nom_Rapport};
    for (const QString& sortie : sorties)
        f.t.Ecrit_Fichier(sortie, "version precedente\r\n");
    QVERIFY(QFile::remove(f.t.Chemin("F5ABC_TORV.log")));
    if (commande == "adif") {
        f.main.Mnu_ADIF->trigger();
    } else if (commande == "rapport") {
        f.main.Mnu_Enr_Contacte->trigger();
    } else {
        f.main.Mnu_Imp_Contacte->trigger();
        QCOMPARE(f.t.imprimante.dialogues, 0);
    }
    for (const QString& sortie : sorties)
        QCOMPARE(f.t.Lit_Fichier(sortie), QByteArray("version precedente\r\n"));
    QCOMPARE(QDir(f.t.repertoire.Chemin()).entryList(QDir::Files), sorties);
    QCOMPARE(f.t.messages.textes,
             QStringList{"Impossible de lire le fichier " +
                         QDir::toNativeSeparators(f.t.Chemin("F5ABC_TORV.log")) + " : fichier absent"});
}

KEZ_TEST(Test_Rapports)

#include "Test_Rapports.moc"
