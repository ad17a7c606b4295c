#include "Outils_Rapports.h"
#include "app/Couleurs.h"
#include "app/Main.h"
#include "reports/Aff_Contacte.h"
#include "reports/Score_Phares.h"
#include "support/Principal.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <QScreen>
#include <QTest>

class Test_Fenetres_Rapports : public QObject {
    Q_OBJECT

private slots:
    void Rapport_Du_Jour();
    void Impression_Du_Rapport();
    void Impression_Annulee_data();
    void Impression_Annulee();
    void Impression_Impossible();
    void Liste_Alphabetique();
    void Liste_Imprimee();
    void Score();
    void Lecture_Impossible_data();
    void Lecture_Impossible();
    void Dix_Mille_QSO();
};

using namespace Outils_Rapports;
using Rapports::Support;

namespace {

const QString Credit = QStringLiteral("Document produit par KEZ_TORV Revision 1.0.9");
const QString Annonce = QStringLiteral("Le log a été enregistré sous le nom : ");
const QByteArray QSO_2 = QSO("F6XYZ", "PB12", "02/01/15", "Phare du Creac'h");

// What a printed page shows of these lines: not the blanks that end them.
QStringList Imprime(QStringList lignes) {
    for (QString& ligne : lignes) {
        while (ligne.endsWith(' '))
            ligne.chop(1);
    }
    return lignes;
}

QStringList Aplatit(const QList<QStringList>& pages) {
    QStringList lignes;
    for (const QStringList& page : pages)
        lignes += page;
    return lignes;
}

bool Paysage(const QString& taille) {
    const QStringList cotes = taille.split(" x ");
    return cotes.size() == 2 && cotes[0].toDouble() > cotes[1].toDouble();
}

struct Fenetre_Test {
    Plateforme_Test t;
    Main main{t.plateforme};

    explicit Fenetre_Test(const Lignes& log) {
        Prepare_Station(t, log);
        main.Form_Load();
    }
    Aff_Contacte* Liste() {
        main.Mnu_C_Contacte->trigger();
        return main.findChild<Aff_Contacte*>("Aff_Contacte");
    }
    Score_Phares* Score() {
        main.Mnu_Score->trigger();
        return main.findChild<Score_Phares*>("Score_Phares");
    }
};

// Left = (screen width - window width) / 2, top likewise.
QPoint Place_Centree(const QWidget* fenetre) {
    const QRect ecran = fenetre->screen()->geometry();
    return ecran.topLeft() +
           QPoint((ecran.width() - fenetre->width()) / 2, (ecran.height() - fenetre->height()) / 2);
}

} // namespace

// A second save the same day replaces the first; the next day makes a new file.
void Test_Fenetres_Rapports::Rapport_Du_Jour() {
    Fenetre_Test f({Exemple});
    f.main.Mnu_Enr_Contacte->trigger();
    const Lignes log{Exemple, QSO_2};
    f.t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(log));
    f.main.Mnu_Enr_Contacte->trigger();
    const QString nom = QStringLiteral("Phares_Contacte_F5ABC_05_12_26.txt");
    QCOMPARE(f.t.Lit_Fichier(nom), Fichier(Rapport(Support::Fichier, "F5ABC", log, Credit)));
    QCOMPARE(f.t.messages.textes, QStringList(2, Annonce + nom));
    f.t.horloge.locale = QDateTime(QDate(2026, 12, 6), QTime(0, 1));
    f.main.Mnu_Enr_Contacte->trigger();
    QCOMPARE(QDir(f.t.repertoire.Chemin()).entryList(QDir::Files),
             (QStringList{"F5ABC_TORV.log", nom, "Phares_Contacte_F5ABC_06_12_26.txt"}));
    QVERIFY(f.t.Lit_Fichier("Phares_Contacte_F5ABC_06_12_26.txt")
                .startsWith(Blancs(20).toLatin1() + "F5ABC Phares contact\xe9s au 06/12/2026\r\n"));
}

// In its own font on landscape pages, each full but the last, the printer's font given back after.
void Test_Fenetres_Rapports::Impression_Du_Rapport() {
    Lignes log;
    for (int i = 0; i < 120; ++i)
        log.append(QSO(QStringLiteral("F%1ABC").arg(i), "PB1004", "14/07/14"));
    Fenetre_Test f(log);
    const QFont avant(QStringLiteral("DejaVu Sans"), 12);
    f.t.imprimante.Change_Police(avant);
    f.main.Mnu_Imp_Contacte->trigger();
    QCOMPARE(f.t.imprimante.dialogues, 1);
    QCOMPARE(f.t.imprimante.police_au_dialogue.family(), QStringLiteral("Courier New"));
    QCOMPARE(f.t.imprimante.police_au_dialogue.pointSize(), 9);
    QVERIFY(f.t.imprimante.police_au_dialogue.bold());
    QCOMPARE(f.t.imprimante.Police(), avant);
    const QList<QStringList> pages = f.t.imprimante.Pages();
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    for (qsizetype i = 0; i + 1 < pages.size(); ++i)
        QCOMPARE(pages[i].size(), pages[0].size());
    QVERIFY(pages.last().size() <= pages[0].size());
    QCOMPARE(Aplatit(pages), Imprime(Rapport(Support::Papier, "F5ABC", log, Credit)));
    // A whole log line is too wide for a portrait page.
    QVERIFY2(Paysage(f.t.imprimante.Taille_Page()), qPrintable(f.t.imprimante.Taille_Page()));
    QCOMPARE(f.t.imprimante.Polices(), QStringList{"LiberationMono-Bold"});
    QVERIFY(f.t.messages.textes.isEmpty());
}

void Test_Fenetres_Rapports::Impression_Annulee_data() {
    QTest::addColumn<QString>("commande");
    QTest::newRow("rapport") << "rapport";
    QTest::newRow("liste alphabetique") << "liste";
}

void Test_Fenetres_Rapports::Impression_Annulee() {
    QFETCH(QString, commande);
    Fenetre_Test f({Exemple});
    const QFont avant(QStringLiteral("DejaVu Sans"), 12);
    f.t.imprimante.Change_Police(avant);
    f.t.imprimante.annule = true;
    if (commande == "rapport")
        f.main.Mnu_Imp_Contacte->trigger();
    else
        QTest::mouseClick(f.Liste()->Imprimer, Qt::LeftButton);
    QCOMPARE(f.t.imprimante.dialogues, 1);
    QVERIFY(!f.t.imprimante.Imprime_Quelque_Chose());
    QCOMPARE(f.t.imprimante.Police(), avant);
    QVERIFY(f.t.messages.textes.isEmpty());
}

void Test_Fenetres_Rapports::Impression_Impossible() {
    Fenetre_Test f({Exemple});
    f.t.imprimante.chemin_force = f.t.Chemin("dossier absent/rapport.pdf");
    f.main.Mnu_Imp_Contacte->trigger();
    QCOMPARE(f.t.messages.textes, QStringList{"Impossible d'imprimer sur " + f.t.imprimante.chemin_force +
                                              " : l'impression n'a pas pu commencer."});
    QCOMPARE(f.t.imprimante.Police(), QFont());
}

// One window, which keeps its list until it is opened anew, and saves the list as it stands.
void Test_Fenetres_Rapports::Liste_Alphabetique() {
    Fenetre_Test f({QSO("F5ZZZ", "PB123", "01/01/06", "Phare A", " "),
                    QSO("F6AAA", "PB0045", "03/03/06", "Phare B"), Exemple});
    QPointer<Aff_Contacte> fenetre = f.Liste();
    QVERIFY(fenetre);
    QVERIFY(fenetre->isVisible());
    QVERIFY(fenetre->isWindow());
    QCOMPARE(fenetre->pos(), Place_Centree(fenetre));
    QCOMPARE(fenetre->windowTitle(), QStringLiteral("Phares Contactés"));
    QCOMPARE(fenetre->Label3->text(), QStringLiteral("Liste alphanumérique des Phares contactés"));
    QCOMPARE(fenetre->Label2->text(),
             QStringLiteral("  Ref             Nom du Phare                        Date "
                            "     Indicatif         QSL"));
    QCOMPARE(fenetre->Enregistrer->text(), QStringLiteral("Enregistrer"));
    QCOMPARE(fenetre->Imprimer->text(), QStringLiteral("Imprimer"));
    QCOMPARE(Couleurs::Couleur(fenetre->Liste_TORV_Contacte), Couleurs::Jaune);
    QVERIFY(QFontInfo(fenetre->Liste_TORV_Contacte->font()).fixedPitch());
    const QStringList lignes{" PB0045  Phare B                         03/03/06  F6AAA          ",
                             " PB1004  P. Ar-Men                       14/07/14  F5XYZ         *",
                             " PB123   Phare A                         01/01/06  F5ZZZ          "};
    QCOMPARE(fenetre->Lignes(), QStringList{""} + lignes);

    f.t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(Lignes{QSO_2}));
    QCOMPARE(f.Liste(), fenetre.data());
    QCOMPARE(f.main.findChildren<Aff_Contacte*>().size(), 1);
    QTest::mouseClick(fenetre->Enregistrer, Qt::LeftButton);
    const QString nom = QStringLiteral("F5ABC_Liste_alaphanumerique_Phares_05_12_26.txt");
    QCOMPARE(f.t.Lit_Fichier(nom), Fichier(Liste(Support::Fichier, "F5ABC", lignes, Credit)));
    QCOMPARE(f.t.messages.textes, QStringList{Annonce + nom});
    fenetre->close();
    QTRY_VERIFY(!fenetre);
    QCOMPARE(f.Liste()->Lignes().size(), 2);
}

// On portrait pages.
void Test_Fenetres_Rapports::Liste_Imprimee() {
    Fenetre_Test f({QSO("F5ZZZ", "PB123", "01/01/06", "Phare A"), Exemple});
    QTest::mouseClick(f.Liste()->Imprimer, Qt::LeftButton);
    const QStringList lignes{" PB1004  P. Ar-Men                       14/07/14  F5XYZ         *",
                             " PB123   Phare A                         01/01/06  F5ZZZ"};
    QCOMPARE(f.t.imprimante.Pages(), QList<QStringList>{Liste(Support::Papier, "F5ABC", lignes, Credit)});
    QVERIFY2(!Paysage(f.t.imprimante.Taille_Page()), qPrintable(f.t.imprimante.Taille_Page()));
    QVERIFY(f.t.messages.textes.isEmpty());
}

// One window, which keeps its counts until it is opened anew.
void Test_Fenetres_Rapports::Score() {
    Fenetre_Test f({});
    QPointer<Score_Phares> fenetre = f.Score();
    QVERIFY(fenetre);
    QVERIFY(fenetre->isVisible());
    QCOMPARE(fenetre->pos(), Place_Centree(fenetre));
    QCOMPARE(fenetre->windowTitle(), QStringLiteral("Scores"));
    QCOMPARE(fenetre->Label1->text(), QStringLiteral("Score des Phares contactés"));
    QCOMPARE(fenetre->Label2->text(), QStringLiteral("Nombre de Phares contactés"));
    QCOMPARE(fenetre->Label3->text(), QStringLiteral("Nombre de Phares confirmés"));
    QCOMPARE(fenetre->QSO_NB->text(), QStringLiteral("0"));
    QCOMPARE(fenetre->QSL_NB->text(), QStringLiteral("0"));
    for (QLineEdit* boite : {fenetre->QSO_NB, fenetre->QSL_NB})
        QCOMPARE(Couleurs::Couleur(boite), Couleurs::Jaune);
    f.t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(Lignes{Exemple, QSO_2, Exemple}));
    QCOMPARE(f.Score(), fenetre.data());
    QCOMPARE(f.main.findChildren<Score_Phares*>().size(), 1);
    QCOMPARE(fenetre->QSO_NB->text(), QStringLiteral("0"));
    fenetre->close();
    QTRY_VERIFY(!fenetre);
    Score_Phares* seconde = f.Score();
    QCOMPARE(seconde->QSO_NB->text(), QStringLiteral("3"));
    QCOMPARE(seconde->QSL_NB->text(), QStringLiteral("2"));
    QVERIFY(f.t.messages.textes.isEmpty());
}

void Test_Fenetres_Rapports::Lecture_Impossible_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<bool>("absent");
    for (const char* commande : {"adif", "rapport", "impression", "liste", "score"}) {
        QTest::addRow("%s, log absent", commande) << commande << true;
        QTest::addRow("%s, log illisible", commande) << commande << false;
    }
}

void Test_Fenetres_Rapports::Lecture_Impossible() {
    QFETCH(QString, commande);
    QFETCH(bool, absent);
    Fenetre_Test f({Exemple});
    const QStringList sorties{"F5ABC_TORV.adi", "Phares_Contacte_F5ABC_05_12_26.txt"};
    for (const QString& sortie : sorties)
        f.t.Ecrit_Fichier(sortie, "version precedente\r\n");
    QDir dossier(f.t.repertoire.Chemin());
    QVERIFY(dossier.remove("F5ABC_TORV.log"));
    // A folder where the log should be cannot be read, even by root.
    if (!absent)
        QVERIFY(dossier.mkdir("F5ABC_TORV.log"));

    if (commande == "adif") {
        f.main.Mnu_ADIF->trigger();
    } else if (commande == "rapport") {
        f.main.Mnu_Enr_Contacte->trigger();
    } else if (commande == "impression") {
        f.main.Mnu_Imp_Contacte->trigger();
        QCOMPARE(f.t.imprimante.dialogues, 0);
        QVERIFY(!f.t.imprimante.Imprime_Quelque_Chose());
    } else if (commande == "liste") {
        QCOMPARE(f.Liste()->Lignes(), QStringList{""});
    } else {
        Score_Phares* score = f.Score();
        QCOMPARE(score->QSO_NB->text(), QString());
        QCOMPARE(score->QSL_NB->text(), QString());
    }
    for (const QString& sortie : sorties)
        QCOMPARE(f.t.Lit_Fichier(sortie), QByteArray("version precedente\r\n"));
    QCOMPARE(dossier.entryList(QDir::Files), sorties);
    QCOMPARE(f.t.messages.textes.size(), 1);
    const QString debut =
        "Impossible de lire le fichier " + QDir::toNativeSeparators(f.t.Chemin("F5ABC_TORV.log")) + " : ";
    QVERIFY2(f.t.messages.textes[0].startsWith(debut), qPrintable(f.t.messages.textes[0]));
    if (absent)
        QCOMPARE(f.t.messages.textes[0], debut + "fichier absent");
    else
        QVERIFY(f.t.messages.textes[0].size() > debut.size());
}

// The whole log is read, turned and written in memory, in one write: no pause the operator would see.
void Test_Fenetres_Rapports::Dix_Mille_QSO() {
    Lignes log;
    for (int i = 0; i < 10000; ++i)
        log.append(QSO(QStringLiteral("F%1").arg(i), QStringLiteral("PB%1").arg(i % 997), "14/07/14",
                       QStringLiteral("Phare %1").arg(i), i % 3 == 0 ? "*" : " "));
    Fenetre_Test f(log);
    QElapsedTimer chrono;
    auto mesure = [&](const char* quoi, auto&& action) {
        chrono.start();
        action();
        const qint64 ms = chrono.elapsed();
        qInfo("%s: %lld ms", quoi, ms);
        QVERIFY2(ms < 1500, quoi);
    };
    mesure("ADIF", [&] { f.main.Mnu_ADIF->trigger(); });
    mesure("rapport", [&] { f.main.Mnu_Enr_Contacte->trigger(); });
    Aff_Contacte* liste = nullptr;
    mesure("liste", [&] { liste = f.Liste(); });
    mesure("liste enregistree", [&] { QTest::mouseClick(liste->Enregistrer, Qt::LeftButton); });
    Score_Phares* score = nullptr;
    mesure("score", [&] { score = f.Score(); });
    QCOMPARE(f.t.messages.textes.size(), 3);
    QCOMPARE(f.t.Lit_Fichier("F5ABC_TORV.adi").count("<eor>\r\n"), 10000);
    QCOMPARE(f.t.Lit_Fichier("Phares_Contacte_F5ABC_05_12_26.txt").count("\r\n"), 10006);
    QVERIFY(
        f.t.Lit_Fichier("Phares_Contacte_F5ABC_05_12_26.txt").contains("\r\n10000 " + log.last() + "\r\n"));
    QCOMPARE(liste->Lignes().size(), 10001);
    QCOMPARE(score->QSO_NB->text(), QStringLiteral("10000"));
    QCOMPARE(score->QSL_NB->text(), QStringLiteral("3334"));
}

KEZ_TEST(Test_Fenetres_Rapports)

#include "Test_Fenetres_Rapports.moc"
