#include "app/Textes.h"
#include "log/Clavier.h"
#include "log/Modele_Log.h"
#include "reports/Apercu_Import.h"
#include "support/Principal.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

// The import as the operator makes it: the menu, the file dialog, the preview, then Importer or Annuler.
class Test_Import_Adif : public QObject {
    Q_OBJECT

private slots:
    void Import();
    void Aller_Retour();
    void Entrees_Abimees_data();
    void Entrees_Abimees();
};

using Lignes = QList<QByteArray>;
using Clavier::Fichier;

namespace {

const QString Modele = QStringLiteral(KEZ_FIXTURES "/entete_minuscules.adi");

QByteArray QSO(const QString& valeurs) {
    const QStringList v = valeurs.split('|');
    return Enregistrement::Compose({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]})
        .toLatin1();
}

// The preview the menu opens on the file, or none (one closed may wait to be deleted).
QPointer<Apercu_Import> Ouvre(Clavier::Poste& p, const QString& fichier) {
    p.t.choix_fichier.reponse = fichier;
    p.main.Mnu_Import_ADIF->trigger();
    for (Apercu_Import* apercu : p.main.findChildren<Apercu_Import*>()) {
        if (apercu->isVisible())
            return apercu;
    }
    return nullptr;
}

} // namespace

// Same-moment QSOs go before the log's; duplicates, refusals and QSOs without a lighthouse stay out; new
// callsigns' first names are remembered (the last of the file), a known one is kept. Annuler writes nothing.
void Test_Import_Adif::Import() {
    const Lignes log{QSO("F1AAA|29||PB1004|01/01/24|10:00|CW|7.0 Mhz|599|599||"),
                     QSO("F8AAA|29||PB1004|15/07/24|08:00|SSB|21 Mhz|59|59|P. Phare du Creac'h|"),
                     QSO("F9ZZZ|56||PB12|01/08/24|10:00|SSB|14 Mhz|59|59||*")};
    const QByteArray prenoms = "F6ABC        29 PIERRE\r\n";
    Clavier::Poste p({{"F5ABC_TORV.log", Fichier(log)}, {"Liste_Prenom.txt", prenoms}});
    QCOMPARE(p.main.Mnu_Fichier->actions()[1]->text() + '|' + p.main.Mnu_Fichier->actions()[2]->text(),
             "Importer un fichier ADIF|Exporter le log au format ADIF");
    QTest::mouseClick(Ouvre(p, Modele)->Annuler, Qt::LeftButton);
    QCOMPARE(p.t.Lit_Fichier("F5ABC_TORV.log") + p.t.Lit_Fichier("Liste_Prenom.txt"), Fichier(log) + prenoms);

    const QPointer<Apercu_Import> apercu = Ouvre(p, Modele);
    const QByteArray un = QSO("F5XYZ|29|JEAN|PB1004|14/07/24|09:35|SSB|14 Mhz|59|57|P. Phare du Creac'h|*"),
                     trois = QSO("F6ABC|56|LUC|PB12|15/07/24|08:00|SSB|21 Mhz|58|59|P. Phare de Kerdonis|"),
                     six = QSO(
                         "F5XYZ|56|JEAN-LOUIS|PB12|17/07/24|07:00|SSB|3.5 Mhz|59|59|P. Phare de Kerdonis|");
    const auto ligne = [](const QByteArray& qso, int numero) {
        return Enregistrement::Ligne_Liste(Fichier_Texte::Decode(qso), numero);
    };
    const QStringList apercu_attendu{
        "QSO à importer : 3",
        ligne(un, 1),
        ligne(trois, 3),
        ligne(six, 6),
        "",
        "Doublons, déjà dans le log, non importés : 2",
        ligne(QSO("F5XYZ|29||PB1004|14/07/24|09:35|SSB|14 Mhz|55|55|P. Phare du Creac'h|"), 4),
        ligne(QSO("F8AAA|29||PB1004|15/07/24|08:00|SSB|21 Mhz|59|59|P. Phare du Creac'h|"), 7),
        "",
        "Refusés : 1",
        "Enregistrement 5, RST_RCVD : R (de RST)doit etre compris entre 0 et 5",
        "",
        "Sans référence de phare, non importés : 1"};
    QCOMPARE(apercu->Lignes(), apercu_attendu);
    QCOMPARE(apercu->windowTitle(), "Importer le fichier ADIF entete_minuscules.adi");
    QTest::mouseClick(apercu->Enregistrer, Qt::LeftButton);
    QCOMPARE(p.t.Lit_Fichier("Import_ADIF_F5ABC_06_12_26.txt"),
             "F5ABC Import du fichier ADIF entete_minuscules.adi au 06/12/2026\r\n\r\n"
             "   N\xb0  Indicatif     Dpt  Prenom          Ref     Date      QTR    Mode QRG      RSTR RSTE "
             "Nom du Phare                   QSL\r\n\r\n" +
                 Fichier(Fichier_Texte::Encode_Lignes(apercu_attendu)) +
                 "\r\nDocument produit par KEZ_TORV Revision 1.0.9\r\n");

    // The log refused by the disk: the first names are put back, the preview stays for another try.
    p.t.fichiers.cible = p.t.Chemin("F5ABC_TORV.log");
    p.t.fichiers.panne = Fichiers_Defaillants::Etape::Validation;
    QTest::mouseClick(apercu->Importer, Qt::LeftButton);
    QCOMPARE(p.t.Lit_Fichier("F5ABC_TORV.log") + p.t.Lit_Fichier("Liste_Prenom.txt"), Fichier(log) + prenoms);
    QVERIFY(apercu->isVisible() &&
            p.t.messages.textes.takeLast().startsWith("Impossible d'enregistrer le fichier"));
    p.t.fichiers.panne = Fichiers_Defaillants::Etape::Aucune;
    QTest::mouseClick(apercu->Importer, Qt::LeftButton);
    QCOMPARE(p.t.Lit_Fichier("F5ABC_TORV.log"), Fichier({log[0], un, trois, log[1], six, log[2]}));
    QCOMPARE(p.t.Lit_Fichier("Liste_Prenom.txt"), prenoms + "F5XYZ        56 JEAN-LOUIS\r\n");
    QCOMPARE(p.main.Modele_TORV->rowCount(), 6);
    QVERIFY(!apercu || !apercu->isVisible());
    QCOMPARE(p.t.messages.textes,
             (QStringList{"Le fichier a été enregistré sous le nom : Import_ADIF_F5ABC_06_12_26.txt",
                          "Import du fichier " + QDir::toNativeSeparators(Modele) +
                              " terminé.\r\nQSO importés : 3    Doublons : 2    Refusés : 1    "
                              "Sans référence de phare : 1"}));
    QCOMPARE(p.t.choix_fichier.demandes,
             QStringList(2, "Importer un fichier ADIF|Fichiers ADIF (*.adi *.adif)"));
}

// The export of a log in date order, imported into an empty log, gives it back byte for byte: every band,
// every mode, both centuries, three QSOs of one moment in their order.
void Test_Import_Adif::Aller_Retour() {
    const char* const dates[]{"01/01/50", "31/12/62", "15/06/75", "14/07/88", "31/12/99", "01/01/00",
                              "29/02/04", "14/07/14", "14/07/14", "01/08/24", "31/12/37", "31/12/49"};
    Lignes log;
    for (int i = 0; i < Textes::Bandes.size(); ++i) {
        const bool creach = i % 2 == 0;
        log << QSO(QStringList{"F" + QString::number(i) + "ABC", creach ? "29" : "56", i % 4 ? "JEAN" : "",
                               creach ? "PB1004" : "PB12", dates[i], "10:05", Textes::Modes[i % 3],
                               Textes::Bandes[i], "59", i % 3 ? "599" : "5NN",
                               creach ? "P. Phare du Creac'h" : "", creach ? "" : "*"}
                       .join('|'));
    }
    // The same station worked for two lighthouses at once: two QSOs, not a duplicate.
    log.insert(9, QByteArray(log[8]).replace("PB1004", "PB12  "));
    Clavier::Poste p({{"F5ABC_TORV.log", Fichier(log)}});
    p.main.Mnu_ADIF->trigger();
    p.t.Ecrit_Fichier("F5ABC_TORV.log", "");
    p.main.journal.Lecture_Log();
    QTest::mouseClick(Ouvre(p, p.t.Chemin("F5ABC_TORV.adi"))->Importer, Qt::LeftButton);
    QCOMPARE(p.t.Lit_Fichier("F5ABC_TORV.log"), Fichier(log));
}

void Test_Import_Adif::Entrees_Abimees_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("vu"); // the message, or the preview's first and last lines
    const QString aucun = "Le fichier %1 ne contient aucun QSO au format ADIF.";
    QTest::newRow("disparu") << QByteArray("<absent>") << "Impossible de lire le fichier %1 : fichier absent";
    QTest::newRow("pas de l'ADIF") << QByteArray("Ceci n'est pas un fichier ADIF.\r\n") << aucun;
    QTest::newRow("longueur negative") << QByteArray("<call:-5>F5ABC<eor>")
                                       << aucun + "\r\nFichier abîmé : lecture arrêtée à l'enregistrement 1 "
                                                  "(longueur illisible), la suite n'est pas lue.";
    QTest::newRow("100 000 enregistrements")
        << QByteArray("<call:5>F5ABC<qso_date:8>20240101<time_on:4>1200<band:3>20m<mode:2>CW<eor>\r\n")
               .repeated(100000)
        << "QSO à importer : 0 / Sans référence de phare, non importés : 100000";
    QTest::newRow("50 Mo")
        << "<call:5>F5ABC<qso_date:8>20240101<time_on:4>1200<band:3>20m<mode:2>CW<state:2>29"
           "<rst_rcvd:2>59<rst_sent:2>59<notes:50000007>" +
               QByteArray(50000000, 'x') + " PB1004<eor>"
        << "QSO à importer : 1 / Sans référence de phare, non importés : 0";
}

// A file gone, not ADIF, damaged, huge: a message or a preview, never a crash, and nothing written.
void Test_Import_Adif::Entrees_Abimees() {
    QFETCH(QByteArray, octets);
    QFETCH(QString, vu);
    const Lignes log{Clavier::QSO_Phare("F1AAA", "01/01/24")};
    Clavier::Poste p({{"F5ABC_TORV.log", Fichier(log)}});
    if (octets != "<absent>")
        p.t.Ecrit_Fichier("import.adi", octets);
    const QPointer<Apercu_Import> apercu = Ouvre(p, p.t.Chemin("import.adi"));
    const bool montre = apercu;
    if (montre) {
        QCOMPARE(apercu->Lignes().first() + " / " + apercu->Lignes().last(), vu);
        QCOMPARE(apercu->Importer->isEnabled(), !vu.startsWith("QSO à importer : 0"));
        QTest::mouseClick(apercu->Annuler, Qt::LeftButton);
    }
    QCOMPARE(p.t.messages.textes,
             montre ? QStringList()
                    : QStringList{vu.arg(QDir::toNativeSeparators(p.t.Chemin("import.adi")))});
    QCOMPARE(p.t.Lit_Fichier("F5ABC_TORV.log"), Fichier(log));
    QVERIFY(!QFile::exists(p.t.Chemin("Liste_Prenom.txt")));
}

KEZ_TEST(Test_Import_Adif)

#include "Test_Import_Adif.moc"
