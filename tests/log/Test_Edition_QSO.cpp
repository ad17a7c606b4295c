#include "Clavier.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "log/Modele_Log.h"
#include "support/Principal.h"

#include <QAction>
#include <QListView>
#include <QObject>

// Recording, modifying, inserting and deleting a QSO through the buttons of the main window.
class Test_Edition_QSO : public QObject {
    Q_OBJECT

private slots:
    void Modification_data();
    void Modification();
    void Insertion();
    void Suppression_data();
    void Suppression();
    void Sans_Ligne_Choisie();
    void Modes_data();
    void Modes();
    void Doublons_data();
    void Doublons();
    void Panne_Garde_La_Saisie_data();
    void Panne_Garde_La_Saisie();
};

using namespace Clavier;
using Lignes = QList<QByteArray>;

namespace {

// A QSO of the reference file: the name and department follow the reference.
QByteArray Q(const char* indicatif, const char* date, const char* heure, const char* reference,
             const char* rste = "59", const char* qsl = "", const char* bande = "14 Mhz",
             const char* prenom = "") {
    const bool kerdonis = QString::fromLatin1(reference) == "PB12";
    return Enregistrement::Compose({indicatif, kerdonis ? "56" : "29", prenom, reference, date, heure, "SSB",
                                    bande, "59", rste,
                                    kerdonis ? "P. Phare de Kerdonis" : "P. Phare du Creac'h", qsl})
        .toLatin1();
}

const QByteArray A = Q("F5AAA", "01/07/06", "10:00", "PB1004");
const QByteArray B = Q("F5BBB", "02/07/06", "10:00", "PB12", "59", "*");
const QByteArray C = Q("F5CCC", "03/07/06", "10:00", "PB1004");
const QByteArray B_Modifie = Q("F5BBB", "02/07/06", "10:00", "PB12", "57", "*");
const QString Question = QStringLiteral("Voulez vous enregistrer ces données ?");
const QString Question_Suppression = QStringLiteral("Voulez vous Supprimer ce QSO ?");
const QMap<QString, QByteArray> Log_ABC{{"F5ABC_TORV.log", Fichier({A, B, C})}};

void Choisit(Main& main, int ligne) {
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(ligne));
}

QStringList Debuts_Liste(Main& main) {
    QStringList debuts;
    for (int i = 0; i < main.Modele_TORV->rowCount(); ++i)
        debuts << main.Modele_TORV->Ligne(i).left(12);
    return debuts;
}

} // namespace

// The QSO being modified is rewritten at its place even when another line is chosen or deleted meanwhile.
void Test_Edition_QSO::Modification_data() {
    QTest::addColumn<QString>("entre_temps");
    QTest::addColumn<QByteArray>("fichier");
    QTest::newRow("en place") << "" << Fichier({A, B_Modifie, C});
    QTest::newRow("autre ligne choisie entre-temps") << "clic" << Fichier({A, B_Modifie, C});
    QTest::newRow("QSO d'avant supprime entre-temps") << "suppression" << Fichier({B_Modifie, C});
}

void Test_Edition_QSO::Modification() {
    QFETCH(QString, entre_temps);
    QFETCH(QByteArray, fichier);
    Poste poste(Log_ABC);
    auto& [t, main] = poste;
    Choisit(main, 1);
    main.Modi_Saisie->click();
    QCOMPARE(Etat_Saisie(main), Etat_Ouvert({"F5BBB", "", "PB12", "56", "02/07/06", "10:00", "SSB", "14 Mhz",
                                             "59", "59", "P. Phare de Kerdonis", "1"},
                                            "Modification QSO 1 0"));
    if (!entre_temps.isEmpty())
        Choisit(main, entre_temps == "clic" ? 2 : 0);
    if (entre_temps == "suppression")
        main.Annule_Saisie->click();
    main.Ind_A->setFocus();
    // Only the lighthouse's number is to be typed after "PB".
    Entree(main);
    Entree(main);
    QCOMPARE(main.Ref_A->cursorPosition(), 3);
    t.messages.textes.clear();
    // Dated by hand even with the automatic date: a modified QSO is an older one.
    Parcourt_La_Chaine(main, {{"RSTE_A", "57"}}, "Ref_A");
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{Question});
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), fichier);
    QCOMPARE(t.Reglage("Setup F5ABC", "Mode Utilise") + t.Reglage("Setup F5ABC", "bande Utilisee"),
             QStringLiteral("<absent><absent>"));
    QCOMPARE(Etat_Saisie(main), Etat_Vierge("1.8 Mhz"));
}

// Begun as a new QSO, turned into an insertion half-way: what was typed stays, and the QSO goes in by its
// date and time, typed even with the automatic date.
void Test_Edition_QSO::Insertion() {
    Poste poste(Log_ABC);
    auto& [t, main] = poste;
    Saisit(main, "f5new");
    main.Ajout_QSO->click();
    QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Insertion QSO"));
    QCOMPARE(main.Ind_A->text(), QStringLiteral("F5NEW"));
    QCOMPARE(Champ(main), main.Ind_A);
    Parcourt_La_Chaine(main, {{"Ref_A", "PB1004"}, {"Date_A", "02/07/06"}, {"Heure_A", "10:00"}});
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList({"PB1004 Phare deja contacté le 01/07/06", Question}));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"),
             Fichier({A, Q("F5NEW", "02/07/06", "10:00", "PB1004", "59", "", "1.8 Mhz"), B, C}));
    QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
    QVERIFY(!main.session.Mode_Insertion());
    QCOMPARE(main.Liste_TORV->currentIndex().row(), 3);
}

void Test_Edition_QSO::Suppression_data() {
    QTest::addColumn<bool>("oui");
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QStringList>("debuts");
    QTest::newRow("oui: renumerote") << true << Fichier({B, C})
                                     << QStringList{"    1  F5BBB", "    2  F5CCC"};
    QTest::newRow("non") << false << Fichier({A, B, C})
                         << QStringList{"    1  F5AAA", "    2  F5BBB", "    3  F5CCC"};
}

void Test_Edition_QSO::Suppression() {
    QFETCH(bool, oui);
    QFETCH(QByteArray, fichier);
    QFETCH(QStringList, debuts);
    Poste poste(Log_ABC);
    auto& [t, main] = poste;
    Saisit(main, "f5new");
    Choisit(main, 0);
    t.messages.reponses = {oui};
    main.Annule_Saisie->click();
    QCOMPARE(t.messages.textes, QStringList{Question_Suppression});
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), fichier);
    QCOMPARE(Debuts_Liste(main), debuts);
    QCOMPARE(main.Liste_TORV->currentIndex().row(), oui ? 1 : 0);
    QCOMPARE(main.session.Ligne_Selectionnee(), main.Modele_TORV->Ligne(oui ? 1 : 0));
    // The entry in progress is not touched.
    QCOMPARE(main.Ind_A->text(), QStringLiteral("F5NEW"));
    QVERIFY(main.Prenom_A->isEnabled());
}

void Test_Edition_QSO::Sans_Ligne_Choisie() {
    Poste poste;
    auto& [t, main] = poste;
    main.Modi_Saisie->click();
    main.Annule_Saisie->click();
    QCOMPARE(t.messages.textes,
             QStringList({"Cliquez sur une ligne pour l'editer", "Cliquez sur une ligne pour l'effacerer"}));
    QCOMPARE(Etat_Saisie(main), Etat_Vierge("1.8 Mhz"));
}

// Each order of the buttons: the caption names what recording does, and recording does just that.
void Test_Edition_QSO::Modes_data() {
    QTest::addColumn<QStringList>("boutons");
    QTest::addColumn<QString>("libelle"); // with Mode_Modification and Mode_Insertion
    const auto ligne = [](const QStringList& boutons, const char* libelle) {
        QTest::newRow(qPrintable(boutons.join(QLatin1Char(' ')))) << boutons << QString(libelle);
    };
    const QString M = "Modi_Saisie", I = "Ajout_QSO", E = "Efface_A", V = "Valide_A", S = "Annule_Saisie";
    const char *saisie = "Saisie QSO 0 0", *insertion = "Insertion QSO 0 1",
               *modification = "Modification QSO 1 0";
    for (const QStringList& boutons : {QStringList{}, {E}, {M, E}, {I, E}, {M, I, E}, {I, M, E}, {M, I, V}})
        ligne(boutons, saisie);
    for (const QStringList& boutons :
         {QStringList{I}, {M, I}, {E, I}, {M, E, I}, {E, M, I}, {M, V, I}, {S, I}})
        ligne(boutons, insertion);
    for (const QStringList& boutons : {QStringList{M}, {I, M}, {E, M}, {I, E, M}, {E, I, M}, {I, V, M}})
        ligne(boutons, modification);
}

void Test_Edition_QSO::Modes() {
    QFETCH(QStringList, boutons);
    QFETCH(QString, libelle);
    Poste poste(Log_ABC);
    auto& [t, main] = poste;
    main.Mnu_Date_Man->trigger();
    // The QSO loaded for modification is C; what is typed goes between A and B by its date.
    const QByteArray N = Q("F5NEW", "02/07/06", "09:00", "PB1004");
    const QMap<QString, QString> saisie{
        {"Ind_A", "f5new"}, {"Ref_A", "PB1004"}, {"Date_A", "02/07/06"}, {"Heure_A", "09:00"}};
    for (const QString& bouton : boutons) {
        Choisit(main, 2);
        // Recording or deleting on the way is answered No: only the last recording writes.
        t.messages.reponses = {false};
        if (bouton == "Valide_A") {
            main.Bande_A->setEditText("14 Mhz");
            Parcourt_La_Chaine(main, saisie);
            Entree(main);
        } else {
            main.findChild<QPushButton*>(bouton)->click();
        }
    }
    QCOMPARE(Etat_Saisie(main).last(), "Mode_Aff " + libelle);
    QCOMPARE(Champ(main), main.Ind_A);
    Choisit(main, 0);
    t.messages.reponses.clear();
    main.Bande_A->setEditText("14 Mhz");
    Parcourt_La_Chaine(main, saisie);
    Entree(main);
    const Lignes log = libelle.startsWith("Saisie")      ? Lignes{A, B, C, N}
                       : libelle.startsWith("Insertion") ? Lignes{A, N, B, C}
                                                         : Lignes{A, B, N};
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier(log));
}

// A line and its twin: only the line the operator chose is changed, and only while it is still at its
// place. Otherwise the operator is told, nothing is written and the list shows the log as it is.
void Test_Edition_QSO::Doublons_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("geste");
    QTest::addColumn<Lignes>("ailleurs"); // the log as another program leaves it meanwhile, if it does
    QTest::addColumn<Lignes>("fichier");
    QTest::addColumn<bool>("refuse");
    const auto ligne = [](const char* nom, const Lignes& log, int choisie, const char* geste,
                          const Lignes& ailleurs, const Lignes& fichier, bool refuse) {
        QTest::newRow(nom) << log << choisie << QString(geste) << ailleurs << fichier << refuse;
    };
    const Lignes ABBC{A, B, B, C}, ABCB{A, B, C, B}, raccourci{A, B.left(60), B, C};
    ligne("suppression du second", ABBC, 2, "suppression", {}, {A, B, C}, false);
    ligne("modification du premier", ABBC, 1, "modification", {}, {A, B_Modifie, B, C}, false);
    ligne("modification du second", ABBC, 2, "modification", {}, {A, B, B_Modifie, C}, false);
    ligne("suppression, log change par ailleurs", ABBC, 2, "suppression", ABCB, ABCB, true);
    ligne("modification, log change par ailleurs", ABBC, 2, "modification", ABCB, ABCB, true);
    ligne("modification, ligne raccourcie par ailleurs", ABBC, 1, "modification", raccourci, raccourci, true);
    ligne("modification d'un QSO supprime entre-temps", {A, B, C}, 1, "modification, suppression", {}, {A, C},
          true);
}

void Test_Edition_QSO::Doublons() {
    QFETCH(Lignes, log);
    QFETCH(int, ligne);
    QFETCH(QString, geste);
    QFETCH(Lignes, ailleurs);
    QFETCH(Lignes, fichier);
    QFETCH(bool, refuse);
    Poste poste({{"F5ABC_TORV.log", Fichier(log)}});
    auto& [t, main] = poste;
    Choisit(main, ligne);
    const bool modification = geste.startsWith("modification");
    if (modification)
        main.Modi_Saisie->click();
    if (geste == "modification, suppression")
        main.Annule_Saisie->click();
    if (!ailleurs.isEmpty())
        t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(ailleurs));
    t.messages.textes.clear();
    if (modification) {
        main.Ind_A->setFocus();
        Parcourt_La_Chaine(main, {{"RSTE_A", "57"}});
        Entree(main);
    } else {
        main.Annule_Saisie->click();
    }
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier(fichier));
    QStringList attendus;
    for (const QByteArray& qso : fichier)
        attendus
            << QStringLiteral("%1  %2").arg(attendus.size() + 1, 5).arg(QString::fromLatin1(qso.left(5)));
    QCOMPARE(Debuts_Liste(main), attendus);
    const QString question = modification ? Question : Question_Suppression;
    QCOMPARE(t.messages.textes, refuse ? QStringList({question, QSO_Deplace(t)}) : QStringList{question});
    // Refused, the line is to be chosen again and an entry in progress is kept as it was typed.
    QCOMPARE(main.session.Ligne_Selectionnee().isEmpty(), refuse);
    QCOMPARE(main.Mode_Aff->text(), QString(refuse && modification ? "Modification QSO" : "Saisie QSO"));
    QCOMPARE(main.RSTE_A->text(), QString(refuse && modification ? "57" : "59"));
}

// The rewrite of one file fails (every step of it is in tests/robustesse): both files stay as they were,
// the entry stays as typed, and the same Enter records the QSO once the disk is back, the first name once.
void Test_Edition_QSO::Panne_Garde_La_Saisie_data() {
    QTest::addColumn<QString>("fichier");
    QTest::newRow("prenoms") << "Liste_Prenom.txt";
    QTest::newRow("log") << "F5ABC_TORV.log";
}

void Test_Edition_QSO::Panne_Garde_La_Saisie() {
    QFETCH(QString, fichier);
    Poste poste(Log_ABC);
    auto& [t, main] = poste;
    main.Mnu_Date_Man->trigger();
    t.fichiers.cible = t.Chemin(fichier);
    t.fichiers.panne = Fichiers_Defaillants::Etape::Ouverture;
    Parcourt_La_Chaine(main, {{"Ind_A", "f5xyz"},
                              {"Prenom_A", "luc"},
                              {"Ref_A", "PB1004"},
                              {"Date_A", "02/07/06"},
                              {"Heure_A", "12:00"}});
    const QStringList avant = Etat_Saisie(main);
    Entree(main);
    QCOMPARE(t.messages.textes.size(), 3);
    QCOMPARE(t.messages.textes.first(2), QStringList({"PB1004 Phare deja contacté le 01/07/06", Question}));
    QVERIFY2(t.messages.textes[2].startsWith(QStringLiteral("Impossible d'enregistrer le fichier %1 : ")
                                                 .arg(QDir::toNativeSeparators(t.fichiers.cible))),
             qPrintable(t.messages.textes[2]));
    QCOMPARE(Etat_Saisie(main), avant);
    QCOMPARE(Champ(main), main.Valide_A);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log") + t.Lit_Fichier("Liste_Prenom.txt"),
             Fichier({A, B, C}) + "<absent>");

    t.fichiers.panne = Fichiers_Defaillants::Etape::Aucune;
    Entree(main);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"),
             Fichier({A, B, C, Q("F5XYZ", "02/07/06", "12:00", "PB1004", "59", "", "1.8 Mhz", "LUC")}));
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), QByteArray("F5XYZ        29 LUC\r\n"));
    QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
}

KEZ_TEST(Test_Edition_QSO)

#include "Test_Edition_QSO.moc"
