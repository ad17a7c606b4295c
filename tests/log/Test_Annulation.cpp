#include "Clavier.h"
#include "log/Historique_Log.h"
#include "log/Modele_Log.h"
#include "log/Restauration.h"
#include "support/Principal.h"

#include <QAction>
#include <QListView>
#include <QListWidget>
#include <QRegularExpression>

// Changes taken back, the copies of the day and a copy restored.
class Test_Annulation : public QObject {
    Q_OBJECT

private slots:
    void Annulations_data();
    void Annulations();
    void Copies_Du_Jour();
    void Restauration_Fenetre();
};

using namespace Clavier;
using Lignes = QList<QByteArray>;

namespace {

const QByteArray A = QSO_Phare("A", "01/01/06"), B = QSO_Phare("B", "02/01/06"),
                 N = QSO_Phare("N", "01/01/06");
const QString Log = "F5ABC_TORV.log";

qsizetype Place(Main& main, const QByteArray& ligne) {
    return main.journal.Log().Vues().indexOf(ligne);
}

// Shortcuts go to the active window only.
void Active(Main& main) {
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
}

QString Question(const QString& description) {
    return "Dernière modification du log : " + description + "\r\n\r\nL'annuler ?";
}

} // namespace

void Test_Annulation::Annulations_data() {
    QTest::addColumn<QStringList>("gestes");
    QTest::addColumn<int>("annulations");
    QTest::addColumn<QString>("description"); // of the last change, before any is taken back
    QTest::addColumn<Lignes>("apres");
    QTest::addColumn<QStringList>("messages"); // besides the questions
    const QString n = Journal::Ligne_Liste(N, 2), a = Journal::Ligne_Liste(A, 0);
    const QString ailleurs = "Le log %1 a été modifié par un autre programme depuis la dernière modification "
                             "faite ici.\r\nRien n'a été annulé, pour ne pas perdre ce changement ; les "
                             "modifications précédentes ne peuvent plus être annulées.";
    const auto ligne = [](const char* nom, QStringList gestes, int annulations, QString description,
                          Lignes apres, QStringList messages = {}) {
        QTest::newRow(nom) << gestes << annulations << description << apres << messages;
    };
    const QString aucune =
        "Aucune modification du log à annuler : le programme ne l'a pas modifié depuis son "
        "ouverture ou le changement de station (ou en a déjà annulé les 20 dernières "
        "modifications).";
    ligne("enregistrement", {"ajoute"}, 1, "l'enregistrement du QSO\r\n" + n, {A, B});
    ligne("insertion", {"insere"}, 1, "l'insertion du QSO\r\n" + Journal::Ligne_Liste(N, 0), {A, B});
    ligne("modification", {"remplace"}, 1,
          "la modification du QSO\r\n" + Journal::Ligne_Liste(N, 1) + "\r\nqui redeviendra\r\n" +
              Journal::Ligne_Liste(B, 1),
          {A, B});
    ligne("suppression", {"supprime"}, 1, "la suppression du QSO\r\n" + a, {A, B});
    ligne("import", {"importe"}, 1, "l'import de 2 QSO", {A, B});
    ligne("restauration", {"restaure"}, 1, "la restauration d'une sauvegarde (le log repassera de 1 à 2 QSO)",
          {A, B});
    const QString a1 = "la suppression du QSO\r\n" + Journal::Ligne_Liste(A, 1);
    ligne("trois sur trois", {"ajoute", "insere", "supprime"}, 3, a1, {A, B});
    ligne("deux sur trois", {"ajoute", "insere", "supprime"}, 2, a1, {A, B, N});
    ligne("apres un echec", {"ajoute", "panne"}, 1, "l'enregistrement du QSO\r\n" + n, {A, B});
    ligne("log change ailleurs", {"ajoute", "ailleurs"}, 2, "l'enregistrement du QSO\r\n" + n, {B},
          {ailleurs, aucune});
    ligne("vingt au plus", QStringList(21, "ajoute"), 21,
          "l'enregistrement du QSO\r\n" + Journal::Ligne_Liste(N, 22), {A, B, N}, {aucune});
    ligne("changement de station", {"ajoute", "station"}, 1, "", {A, B, N}, {aucune});
}

// Each change taken back through the window, latest first, after the question that names it. Once the log
// was changed by another program, nothing is taken back; another station's changes are not its own.
void Test_Annulation::Annulations() {
    QFETCH(QStringList, gestes);
    QFETCH(int, annulations);
    QFETCH(QString, description);
    QFETCH(Lignes, apres);
    QFETCH(QStringList, messages);
    Plateforme_Test t;
    Prepare(t, {{Log, Fichier({A, B})}});
    Main main(t.plateforme);
    Demarre(main);
    for (const QString& geste : gestes) {
        t.fichiers.panne = geste == "panne" ? Fichiers_Defaillants::Etape::Synchronisation
                                            : Fichiers_Defaillants::Etape::Aucune;
        if (geste == "ailleurs")
            t.Ecrit_Fichier(Log, Fichier({B}));
        else if (geste == "station")
            main.session.Change_Station("F5ABC");
        else if (geste == "importe")
            main.journal.Importe_QSO_Log(
                {QString::fromLatin1(N), QString::fromLatin1(QSO_Phare("M", "03/01/06"))});
        else if (geste == "restaure")
            main.journal.Restaure_Log(Fichier({N}));
        else if (geste == "remplace" || geste == "supprime")
            (geste == "remplace" ? main.journal.Remplace_QSO_Log(QString::fromLatin1(N), {Place(main, B), B})
                                 : main.journal.Supprime_QSO_Log({Place(main, A), A}));
        else
            (geste == "insere" ? main.journal.Insere_QSO_Log(QString::fromLatin1(N))
                               : main.journal.Ajout_Fin_Log(QString::fromLatin1(N)));
    }
    t.fichiers.panne = Fichiers_Defaillants::Etape::Aucune;
    const Historique_Log::Modification* derniere = main.journal.Modifications().Derniere();
    QCOMPARE(derniere ? Sous_Programmes::Description(*derniere) : QString(), description);
    t.messages.textes.clear();
    Active(main);
    main.Liste_TORV->setFocus();
    for (int i = 0; i < annulations; ++i)
        QTest::keyClick(main.Liste_TORV, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(t.Lit_Fichier(Log), Fichier(apres));
    QCOMPARE(main.Modele_TORV->rowCount(), apres.size());
    if (!description.isEmpty())
        QCOMPARE(t.messages.textes.first(), Question(description));
    const QStringList autres = t.messages.textes.filter(QRegularExpression("^(?!Dernière modification)"));
    QCOMPARE(autres, messages.replaceInStrings("%1", QDir::toNativeSeparators(t.Chemin(Log))));
}

// Before the first change of each day the log is copied as it was; 30 copies of the day are kept, and no
// other file is ever removed. A clock set back never overwrites a copy. A copy that cannot be written is
// told once a day, and the change is made all the same.
void Test_Annulation::Copies_Du_Jour() {
    Banc_Journal b({A, B});
    QStringList noms{"F5ABC_TORV_2026-10-01.log.bak", "F5ABC_P_TORV_2026-10-01.log",
                     "F5ABC_TORV_2026-02-30.log", "F5ABC_TORV_2026-10-01_10-00-00.log", "notes.txt"};
    for (int jour = 1; jour <= 30; ++jour)
        noms << QString("F5ABC_TORV_2026-11-%1.log").arg(jour, 2, 10, QChar('0'));
    for (const QString& nom : noms)
        b.t.Ecrit_Fichier("Sauvegardes/" + nom, "x\r\n");
    for (int jour : {0, 0, 1, -1}) {
        b.t.horloge.locale = b.t.horloge.locale.addDays(jour);
        QVERIFY(b.journal.Ajout_Fin_Log(QString::fromLatin1(N)));
    }
    QCOMPARE(b.t.Lit_Fichier("Sauvegardes/F5ABC_TORV_2026-12-06.log"), Fichier({A, B}));
    QCOMPARE(b.t.Lit_Fichier("Sauvegardes/F5ABC_TORV_2026-12-07.log"), Fichier({A, B, N, N}));
    noms =
        noms.mid(7) + noms.first(5) + QStringList{"F5ABC_TORV_2026-12-06.log", "F5ABC_TORV_2026-12-07.log"};
    noms.sort();
    QCOMPARE(QDir(b.t.Chemin("Sauvegardes")).entryList(QDir::Files), noms);
    QCOMPARE(b.t.messages.textes, QStringList());

    Banc_Journal c({A});
    c.t.Ecrit_Fichier("Sauvegardes", "x");
    for (int jour : {0, 0, 1}) {
        c.t.horloge.locale = c.t.horloge.locale.addDays(jour);
        QVERIFY(c.journal.Ajout_Fin_Log(QString::fromLatin1(N)));
    }
    QStringList refus;
    for (const char* jour : {"06", "07"})
        refus
            << QString(
                   "La sauvegarde %1 n'a pas pu être écrite : dossier %2 : un fichier porte déjà ce nom\r\n"
                   "La modification du log n'en est pas empêchée ; ce message ne reviendra pas aujourd'hui.")
                   .arg(QDir::toNativeSeparators(
                            c.t.Chemin("Sauvegardes/F5ABC_TORV_2026-12-%1.log").arg(jour)),
                        QDir::toNativeSeparators(c.t.Chemin("Sauvegardes")));
    QCOMPARE(c.t.messages.textes, refus);
    QCOMPARE(c.t.Lit_Fichier(Log), Fichier({A, N, N, N}));
}

// The station's copies listed, most recent first; a damaged or empty one cannot be restored. Restoring
// copies the log first, and can be taken back like any change.
void Test_Annulation::Restauration_Fenetre() {
    Plateforme_Test t;
    Prepare(t, {{Log, Fichier({A, B})},
                {"Sauvegardes/F5ABC_TORV_2026-12-01.log", Fichier({A})},
                {"Sauvegardes/F5ABC_TORV_2026-12-02.log", ""},
                {"Sauvegardes/F5ABC_TORV_2026-12-01_18-30-00.log", QByteArray("\0\0\0", 3)}});
    Main main(t.plateforme);
    Demarre(main);
    main.Mnu_Restaurer->trigger();
    auto* fenetre = main.findChild<Restauration*>("Restauration");
    QVERIFY(fenetre);
    QStringList lignes;
    for (int i = 0; i < fenetre->Liste_Sauvegardes->count(); ++i)
        lignes << fenetre->Liste_Sauvegardes->item(i)->text();
    QCOMPARE(lignes, QStringList({"02/12/2026              illisible", "01/12/2026 à 18:30:00   illisible",
                                  "01/12/2026              1 QSO"}));
    fenetre->Liste_Sauvegardes->setCurrentRow(1);
    fenetre->Restaurer->click();
    fenetre->Liste_Sauvegardes->setCurrentRow(2);
    fenetre->Restaurer->click();
    const QString copies = QDir::toNativeSeparators(t.Chemin("Sauvegardes"));
    QCOMPARE(
        t.messages.textes,
        QStringList({"La sauvegarde " + copies + QDir::separator() +
                         "F5ABC_TORV_2026-12-01_18-30-00.log est illisible (vide ou abîmée) : elle ne "
                         "peut pas être restaurée.",
                     "Remplacer le log F5ABC_TORV.log (2 QSO) par la sauvegarde du 01/12/2026 (1 QSO) ?\r\n"
                     "Le log actuel est d'abord copié dans le dossier " +
                         copies + "."}));
    QCOMPARE(t.Lit_Fichier(Log), Fichier({A}));
    QCOMPARE(t.Lit_Fichier("Sauvegardes/F5ABC_TORV_2026-12-06_15-05-09.log"), Fichier({A, B}));
    QCOMPARE(t.Lit_Fichier("Sauvegardes/F5ABC_TORV_2026-12-06.log"), Fichier({A, B}));
    QCOMPARE(fenetre->Liste_Sauvegardes->count(), 5);
    // A text field keeps its own Ctrl+Z; the list's goes to the log.
    Active(main);
    QTest::keyClicks(main.Ind_A, "f5");
    QTest::keyClick(main.Ind_A, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(main.Ind_A->text(), "");
    QCOMPARE(t.messages.textes.size(), 2);
    main.Liste_TORV->setFocus();
    QTest::keyClick(main.Liste_TORV, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(t.Lit_Fichier(Log), Fichier({A, B}));
}

KEZ_TEST(Test_Annulation)
#include "Test_Annulation.moc"
