#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "log/Enregistrement.h"
#include "log/Modele_Log.h"
#include "reports/Suivi_Phares.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

class Test_Suivi_Phares : public QObject {
    Q_OBJECT

private slots:
    void Grille_data();
    void Grille();
    void Fenetre();
};

using Lignes = QList<QByteArray>;

namespace {

QByteArray Q(const char* reference, const char* bande = "14 Mhz", const char* qsl = " ",
             const char* mode = "SSB") {
    return Fichier_Texte::Encode(Enregistrement::Compose(
        {"F5XYZ", "29", "", reference, "14/07/14", "10:05", mode, bande, "59", "59", "P. Phare", qsl}));
}

// PB0012 no QSO reaches: PB12, later in the list, has the same number.
const QList<Phare> Phares{{"Phare A", "1001", "", "29"},
                          {"Phare B", "0012", "", "56"},
                          {"Phare C", "néant", "", "22"},
                          {"Phare D", "12 ", "", "2A"}};

// Each lighthouse's marked boxes, its total, the absent references and their QSOs, the counts.
QString Vu(const Suivi::Grille& grille) {
    const QStringList entetes = Suivi::Entetes_Cases();
    QStringList vu;
    for (const Suivi::Ligne& ligne : grille.lignes) {
        QStringList cases;
        for (qsizetype i = 0; i < ligne.bandes.size(); ++i) {
            if (ligne.bandes[i] != Suivi::Etat::Rien)
                cases << entetes[i] + Suivi::Marque(ligne.bandes[i]);
        }
        vu << Suivi::Reference(ligne.phare) + ' ' + cases.join(',') + '=' + Suivi::Marque(ligne.total);
    }
    for (const Suivi::Absente& absente : grille.absentes)
        vu << absente.reference + ':' + QString::number(absente.positions.size());
    return vu.join(" | ") + " | " + Suivi::Resume(grille);
}

// A double click as the operator makes it: a press and release, then the second press.
void Double_Clic(QAbstractItemView* vue, const QRect& rectangle) {
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, rectangle.center());
    QTest::mouseDClick(vue->viewport(), Qt::LeftButton, {}, rectangle.center());
}

} // namespace

// Numbers as the typed look-up reads them, C over T on a band, one mode or all, absent references in
// every mode, and band texts off the list (or lines too short or damaged to hold one) under "Autre".
void Test_Suivi_Phares::Grille_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("vu");
    const Lignes modes{Q("PB1001", "14 Mhz", "*"), Q("PB1001", "7.0 Mhz", " ", "CW"),
                       Q("PB12", "7.0 Mhz", "*", "CW")};
    QTest::newRow("numeros") << Lignes{Q("PB0012"), Q("PB012", "7.0 Mhz"), Q("PB12", "3.5 Mhz"), Q("PB1001")}
                             << ""
                             << "PB1001 14T=T | PB0012 = | PBnéant = | PB12 3.5T,7.0T,14T=T | "
                                "2 phares travaillés, 0 confirmé sur 4";
    QTest::newRow("C sur T") << Lignes{Q("PB1001", "14 Mhz", "*"), Q("PB1001"), Q("PB12"),
                                       Q("PB12", "14 Mhz", "*"), Q("PB12", "7.0 Mhz")}
                             << ""
                             << "PB1001 14C=C | PB0012 = | PBnéant = | PB12 7.0T,14C=C | "
                                "2 phares travaillés, 2 confirmés sur 4";
    QTest::newRow("tous les modes") << modes << ""
                                    << "PB1001 7.0T,14C=C | PB0012 = | PBnéant = | PB12 7.0C=C | "
                                       "2 phares travaillés, 2 confirmés sur 4";
    QTest::newRow("CW") << modes << "CW"
                        << "PB1001 7.0T=T | PB0012 = | PBnéant = | PB12 7.0C=C | "
                           "2 phares travaillés, 1 confirmé sur 4";
    QTest::newRow("absentes, en CW aussi")
        << Lignes{Q("PB999"), Q("PB"), Q("PBXY", "7.0 Mhz", "*"), Q(""), Q("PB999", "3.5 Mhz"), Q("PB0")}
        << "CW"
        << "PB1001 = | PB0012 = | PBnéant = | PB12 = | PB999:2 | PB:1 | PBXY:1 | (vide):1 | PB0:1 | "
           "0 phare travaillé, 0 confirmé sur 4";
    QTest::newRow("bandes inconnues, lignes abimees")
        << Lignes{Q("PB1001", "2 Mhz"),
                  Q("PB1001", ""),
                  Q("PB1001", "14 MHZ", "*"),
                  Q("PB12").left(40),
                  "",
                  QByteArray("\x81\x00\xff", 3)}
        << ""
        << "PB1001 AutreC=C | PB0012 = | PBnéant = | PB12 AutreT=T | (vide):2 | "
           "2 phares travaillés, 1 confirmé sur 4";
}

void Test_Suivi_Phares::Grille() {
    QFETCH(Lignes, log);
    QFETCH(QString, mode);
    QFETCH(QString, vu);
    const Suivi::Grille grille = Suivi::Calcule(log, Phares, mode);
    QCOMPARE(Vu(grille), vu);
    QCOMPARE(grille.injoignables, (QList<qsizetype>{1, 2}));
}

// Opened, filtered, a box double-clicked to its QSOs and one of them to the main list; kept up to date
// with the log, changed or read again; saved and printed as it stands. A lighthouse without a number is told
// once, and so is a missing reference file.
void Test_Suivi_Phares::Fenetre() {
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("Liste_Phare.txt",
                    "Phare de Calais\r\n1002\r\n\r\n62\r\n\r\nAr-Men\r\n1004\r\n\r\n29\r\n\r\n"
                    "Sans numero\r\nPB\r\n\r\n56\r\n\r\n");
    t.Ecrit_Fichier("F5ABC_TORV.log",
                    Fichier_Texte::Joint_Lignes({Q("PB1004", "7.0 Mhz"), Q("PB1002", "14 Mhz", "*"),
                                                 Q("PB999"), Q("PB1004", "7.0 Mhz", " ", "CW")}));
    t.horloge.locale = QDateTime(QDate(2026, 12, 5), QTime(23, 30));
    Main main(t.plateforme);
    main.Form_Load();
    main.Mnu_Suivi->trigger();
    Suivi_Phares* suivi = main.findChild<Suivi_Phares*>("Suivi_Phares");
    QTest::mouseClick(suivi->Filtre[2], Qt::LeftButton);
    QTableWidget* grille = suivi->Grille;
    QCOMPARE(grille->item(0, 1)->text() + grille->item(0, 2)->text() + ' ' + suivi->Compte->text(),
             "Ar-Men29 2 phares travaillés, 1 confirmé sur 3");
    Double_Clic(grille, grille->visualItemRect(grille->item(0, 5)));
    QListWidget* qso = suivi->QSO_Phare;
    QCOMPARE(qso->windowTitle() + ' ' + QString::number(qso->count()), "QSO de PB1004 sur 7.0 Mhz 2");
    Double_Clic(qso, qso->visualItemRect(qso->item(1)));
    QCOMPARE(main.Liste_TORV->currentIndex().row(), 3);
    QCOMPARE(main.session.Ligne_Selectionnee(), main.Modele_TORV->Ligne(3));
    QVERIFY(main.journal.Ajout_Fin_Log(Fichier_Texte::Decode(Q("PB1004", "7.0 Mhz", "*"))));
    QVERIFY(!qso->isVisible());
    QCOMPARE(suivi->Compte->text() + ' ' + QString::number(grille->rowCount()),
             "2 phares travaillés, 2 confirmés sur 3 4");
    suivi->Mode_Suivi->setCurrentIndex(2);
    QTest::mouseClick(suivi->Enregistrer, Qt::LeftButton);
    const QByteArray zeros = "   0   0   0   0   0   0   0   0   0     0     ";
    QCOMPARE(
        t.Lit_Fichier("F5ABC_Suivi_Phares_05_12_26.txt"),
        Fichier_Texte::Joint_Lignes({
            QByteArray(20, ' ') + "F5ABC Suivi du dipl\xf4me au 05/12/2026 : Non confirm\xe9s, CW",
            "",
            "   N\xb0 Ref    Nom du Phare                   Dpt  1.8 3.5 7.0  10  14  18  21  24  28  50 "
            "144 432 Autre Total",
            "",
            "    1 PB1004 Ar-Men                         29             T" + QByteArray(47, ' ') + "T",
            "",
            "             Phares travaill\xe9s                     0   0   1" + zeros + "1",
            "             Phares confirm\xe9s                      0   0   0" + zeros + "0",
            "      1 phare travaill\xe9, 0 confirm\xe9 sur 3",
            "",
            "      R\xe9\x66\xe9rences absentes de la liste",
            "      PB999  1 QSO",
            "",
            "Document produit par KEZ_TORV Revision 1.0.9",
        }));
    QTest::mouseClick(suivi->Imprimer, Qt::LeftButton);
    QCOMPARE(t.imprimante.Pages().value(0).value(0),
             QString(24, ' ') + "F5ABC Suivi du diplôme au 05/12/2026 : Non confirmés, CW");
    // Reopened without its reference file: told, and every QSO under the absent references.
    const QString liste = t.Chemin("Liste_Phare.txt");
    delete suivi;
    QVERIFY(QFile::remove(liste));
    main.Mnu_Suivi->trigger();
    suivi = main.findChild<Suivi_Phares*>("Suivi_Phares");
    QCOMPARE(suivi->Compte->text() + ' ' + QString::number(suivi->Grille->rowCount()),
             "0 phare travaillé, 0 confirmé sur 0 6");
    t.Ecrit_Fichier("F5ABC_TORV.log", Q("PB777"));
    main.journal.Lecture_Log();
    QCOMPARE(suivi->Grille->item(3, 0)->text() + ' ' + QString::number(suivi->Grille->rowCount()), "PB777 4");
    QCOMPARE(t.messages.textes,
             (QStringList{
                 "Liste des phares " + liste +
                     " : 1 phare(s) sans numéro PB utilisable (sans chiffres, "
                     "ou le même qu'un phare plus loin dans la liste) : aucun QSO ne peut leur être compté."
                     "\r\nLe premier : Sans numero (numéro \"PB\").",
                 "Le fichier a été enregistré sous le nom : F5ABC_Suivi_Phares_05_12_26.txt",
                 "Impossible de lire le fichier " + liste + " : fichier absent"}));
}

KEZ_TEST(Test_Suivi_Phares)

#include "Test_Suivi_Phares.moc"
