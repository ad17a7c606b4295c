#include "Clavier.h"
#include "log/Enregistrement.h"
#include "log/Modele_Log.h"
#include "support/Principal.h"

#include <QAction>
#include <QListView>

// Recording, modifying, inserting and deleting a QSO through the buttons of the main window.
class Test_Edition_QSO : public QObject {
    Q_OBJECT

private slots:
    void Modes_data();
    void Modes();
    void Doublons_data();
    void Doublons();
    void Sans_Ligne_Choisie();
    void Panne_Garde_La_Saisie_data();
    void Panne_Garde_La_Saisie();
};

using namespace Clavier;
using Lignes = QList<QByteArray>;

namespace {

// A QSO of the reference file: the name and department follow the reference.
QByteArray Q(const char* indicatif, const char* date, const char* heure, const char* ref,
             const char* rste = "59", const char* qsl = "", const char* bande = "14 Mhz",
             const char* prenom = "") {
    const bool kerdonis = QString::fromLatin1(ref) == "PB12";
    return Enregistrement::Compose({indicatif, kerdonis ? "56" : "29", prenom, ref, date, heure, "SSB", bande,
                                    "59", rste, kerdonis ? "P. Phare de Kerdonis" : "P. Phare du Creac'h",
                                    qsl})
        .toLatin1();
}

const QByteArray A = Q("F5AAA", "01/07/06", "10:00", "PB1004"), C = Q("F5CCC", "03/07/06", "10:00", "PB1004");
const QByteArray B = Q("F5BBB", "02/07/06", "10:00", "PB12", "59", "*");
const QByteArray B_Modifie = Q("F5BBB", "02/07/06", "10:00", "PB12", "57", "*");
const QString Question = QStringLiteral("Voulez vous enregistrer ces données ?");
const QString Question_Suppression = QStringLiteral("Voulez vous Supprimer ce QSO ?");
const QString Deja_Contacte = QStringLiteral("PB1004 Phare deja contacté le 01/07/06");

void Choisit(Main& main, int ligne) {
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(ligne));
}

} // namespace

// Each order of the buttons: the caption names what recording does, and recording does just that. A new
// QSO takes the automatic date; a QSO modified or inserted, an older one, is dated by hand.
void Test_Edition_QSO::Modes_data() {
    QTest::addColumn<QStringList>("boutons");
    QTest::addColumn<QString>("libelle"); // with Mode_Modification and Mode_Insertion
    const QString M = "Modi_Saisie", I = "Ajout_QSO", E = "Efface_A", V = "Valide_A", S = "Annule_Saisie";
    const auto lignes = [](const QList<QStringList>& ordres, const char* libelle) {
        for (const QStringList& boutons : ordres)
            QTest::newRow(qPrintable(boutons.join(' '))) << boutons << QString(libelle);
    };
    lignes({{}, {E}, {M, E}, {I, E}, {M, I, E}, {I, M, E}, {M, I, V}}, "Saisie QSO 0 0");
    lignes({{I}, {M, I}, {E, I}, {M, E, I}, {E, M, I}, {M, V, I}, {S, I}}, "Insertion QSO 0 1");
    lignes({{M}, {I, M}, {E, M}, {I, E, M}, {E, I, M}, {I, V, M}}, "Modification QSO 1 0");
}

void Test_Edition_QSO::Modes() {
    QFETCH(QStringList, boutons);
    QFETCH(QString, libelle);
    Poste poste({{"F5ABC_TORV.log", Fichier({A, B, C})}});
    auto& [t, main] = poste;
    // The QSO loaded for modification is C; typed, a QSO goes between A and B by its date.
    const QMap<QString, QString> saisie{
        {"Ind_A", "f5new"}, {"Ref_A", "PB1004"}, {"Date_A", "02/07/06"}, {"Heure_A", "09:00"}};
    for (const QString& bouton : boutons) {
        Choisit(main, 2);
        // Recording or deleting on the way is answered No: only the last recording writes.
        t.messages.reponses = {false};
        if (bouton == "Valide_A") {
            Parcourt_La_Chaine(main, saisie);
            Entree(main);
        } else {
            main.findChild<QPushButton*>(bouton)->click();
        }
    }
    QCOMPARE(Etat_Saisie(main).last(), "Mode_Aff " + libelle);
    QCOMPARE(Champ(main), main.Ind_A);
    Choisit(main, 0);
    t.messages.textes.clear();
    t.messages.reponses.clear();
    main.Bande_A->setEditText("14 Mhz");
    Parcourt_La_Chaine(main, saisie);
    Entree(main);
    const QByteArray N = Q("F5NEW", "02/07/06", "09:00", "PB1004");
    const Lignes log = libelle.startsWith("Saisie")
                           ? Lignes{A, B, C, Q("F5NEW", "06/12/26", "14:05", "PB1004")}
                       : libelle.startsWith("Insertion") ? Lignes{A, N, B, C}
                                                         : Lignes{A, B, N};
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier(log));
    // No already-contacted warning while modifying.
    QStringList avertis = libelle.startsWith("Modification") ? QStringList() : QStringList{Deja_Contacte};
    QCOMPARE(t.messages.textes, avertis << Question);
}

// A line and its twin: only the line the operator chose is changed, and only while it is still at its
// place, whatever is chosen or deleted meanwhile. Otherwise the operator is told, nothing is written, the
// list shows the log as it is and the entry stays as typed. Gestures: a line chosen, M modify, S delete
// (N: answered No), X another program writes `ailleurs`, V the chain walked with RSTE 57 and recorded.
void Test_Edition_QSO::Doublons_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<QString>("gestes");
    QTest::addColumn<Lignes>("ailleurs");
    QTest::addColumn<Lignes>("fichier");
    QTest::addColumn<bool>("refuse");
    const auto ligne = [](const char* nom, const Lignes& log, const char* gestes, const Lignes& ailleurs,
                          const Lignes& fichier, bool refuse = false) {
        QTest::newRow(nom) << log << QString(gestes) << ailleurs << fichier << refuse;
    };
    const Lignes ABBC{A, B, B, C}, ABCB{A, B, C, B}, raccourci{A, B.left(60), B, C};
    ligne("suppression du second", ABBC, "2S", {}, {A, B, C});
    ligne("suppression, reponse non", ABBC, "2NS", {}, ABBC);
    ligne("modification du premier", ABBC, "1MV", {}, {A, B_Modifie, B, C});
    ligne("modification du second", ABBC, "2MV", {}, {A, B, B_Modifie, C});
    ligne("modification, autre ligne choisie", {A, B, C}, "1M2V", {}, {A, B_Modifie, C});
    ligne("modification, QSO d'avant supprime", {A, B, C}, "1M0SV", {}, {B_Modifie, C});
    ligne("suppression, log change par ailleurs", ABBC, "2XS", ABCB, ABCB, true);
    ligne("modification, log change par ailleurs", ABBC, "2MXV", ABCB, ABCB, true);
    ligne("modification, ligne raccourcie par ailleurs", ABBC, "1MXV", raccourci, raccourci, true);
    ligne("modification du QSO supprime", {A, B, C}, "1MSV", {}, {A, C}, true);
}

void Test_Edition_QSO::Doublons() {
    QFETCH(Lignes, log);
    QFETCH(QString, gestes);
    QFETCH(Lignes, ailleurs);
    QFETCH(Lignes, fichier);
    QFETCH(bool, refuse);
    Poste poste({{"F5ABC_TORV.log", Fichier(log)}});
    auto& [t, main] = poste;
    QStringList messages;
    for (const QChar geste : gestes) {
        if (geste.isDigit())
            Choisit(main, geste.digitValue());
        if (geste == 'N')
            t.messages.reponses = {false};
        if (geste == 'M')
            main.Modi_Saisie->click();
        if (geste == 'S')
            main.Annule_Saisie->click();
        if (geste == 'X')
            t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(ailleurs));
        if (geste == 'V') {
            main.Ind_A->setFocus();
            Parcourt_La_Chaine(main, {{"RSTE_A", "57"}});
            Entree(main);
        }
        if (geste == 'S' || geste == 'V')
            messages << (geste == 'S' ? Question_Suppression : Question);
    }
    QCOMPARE(t.messages.textes, refuse ? messages << QSO_Deplace(t) : messages);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier(fichier));
    QStringList montrees, attendues;
    for (int i = 0; i < fichier.size(); ++i) {
        montrees << main.Modele_TORV->Ligne(i).left(12);
        attendues << QStringLiteral("%1  %2").arg(i + 1, 5).arg(QString::fromLatin1(fichier[i].left(5)));
    }
    QCOMPARE(montrees, attendues);
    QCOMPARE(main.Modele_TORV->rowCount(), fichier.size());
    QCOMPARE(main.session.Ligne_Selectionnee().isEmpty(), refuse);
    const bool garde = refuse && gestes.endsWith('V');
    QCOMPARE(main.Mode_Aff->text() + " " + main.RSTE_A->text(),
             QString(garde ? "Modification QSO 57" : "Saisie QSO 59"));
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

// The rewrite of one file fails (each step of each rewrite is in tests/robustesse): both files stay as
// they were, so does the entry, and the same Enter records the QSO once the disk is back, the first name
// once.
void Test_Edition_QSO::Panne_Garde_La_Saisie_data() {
    QTest::addColumn<QString>("fichier");
    QTest::newRow("prenoms") << "Liste_Prenom.txt";
    QTest::newRow("log") << "F5ABC_TORV.log";
}

void Test_Edition_QSO::Panne_Garde_La_Saisie() {
    QFETCH(QString, fichier);
    Poste poste({{"F5ABC_TORV.log", Fichier({A, B, C})}});
    auto& [t, main] = poste;
    t.fichiers.cible = t.Chemin(fichier);
    t.fichiers.panne = Fichiers_Defaillants::Etape::Ouverture;
    Parcourt_La_Chaine(main, {{"Ind_A", "f5xyz"}, {"Prenom_A", "luc"}, {"Ref_A", "PB1004"}});
    const QStringList avant = Etat_Saisie(main);
    Entree(main);
    QCOMPARE(t.messages.textes.size(), 3);
    QCOMPARE(t.messages.textes.first(2), QStringList({Deja_Contacte, Question}));
    QVERIFY(t.messages.textes[2].startsWith(QStringLiteral("Impossible d'enregistrer le fichier %1 : ")
                                                .arg(QDir::toNativeSeparators(t.fichiers.cible))));
    QCOMPARE(Etat_Saisie(main), avant);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log") + t.Lit_Fichier("Liste_Prenom.txt"),
             Fichier({A, B, C}) + "<absent>");
    t.fichiers.panne = Fichiers_Defaillants::Etape::Aucune;
    Entree(main);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"),
             Fichier({A, B, C, Q("F5XYZ", "06/12/26", "14:05", "PB1004", "59", "", "1.8 Mhz", "LUC")}));
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), QByteArray("F5XYZ        29 LUC\r\n"));
}

KEZ_TEST(Test_Edition_QSO)

#include "Test_Edition_QSO.moc"
