#include "Clavier.h"
#include "app/Textes.h"
#include "log/Enregistrement.h"
#include "log/Modele_Log.h"
#include "support/Principal.h"

#include <QAction>
#include <QListView>

// What the operator does in the main window: the entry chain walked with Enter, and recording,
// modifying, inserting and deleting a QSO through the buttons.
class Test_Edition_QSO : public QObject {
    Q_OBJECT

private slots:
    void QSO_Complet_data();
    void QSO_Complet();
    void Refus_data();
    void Refus();
    void Sans_Station();
    void Modes_data();
    void Modes();
    void Doublons_data();
    void Doublons();
    void Panne_Garde_La_Saisie_data();
    void Panne_Garde_La_Saisie();
};

using namespace Clavier;
using Lignes = QList<QByteArray>;

struct QSO_Tape {
    bool automatique;
    QByteArray memoire; // the first-name memory before
    QStringList textes; // added to each field of the chain before Enter; '^': pasted over its text
    int bande;          // the list item picked first, -1: none
    QByteArray enregistrement, prenoms; // the record, the memory after
    QString reglages;                   // the mode's and the band's positions kept for the station
};
Q_DECLARE_METATYPE(QSO_Tape)

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
const QString Question = QStringLiteral("Voulez vous enregistrer ces données ?");
const QString Deja_Contacte = QStringLiteral("PB1004 Phare deja contacté le 01/07/06");

void Entre_Texte(Main& main, const QString& texte, bool remplace) {
    if (texte.startsWith(QLatin1Char('^')))
        Colle(main, texte.mid(1));
    else
        remplace ? Remplace(main, texte) : Tape(main, texte);
}

void Choisit(Main& main, int ligne) {
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(ligne));
}

} // namespace

void Test_Edition_QSO::QSO_Complet_data() {
    QTest::addColumn<QSO_Tape>("qso");
    const QByteArray creach = "P. Phare du Creac'h            ", paul = "F5ABC        29 PAUL\r\n";
    QTest::newRow("date automatique, prenom retrouve: le dernier double") << QSO_Tape{
        true,
        "F5ABC        29 jean\r\nF6AAA        22 ANNE\r\nF5ABC        29 paul\r\n",
        {"f5abc", "", "1004", "", "", "", "", "", "", " "},
        -1,
        "F5ABC        29   PAUL            PB100406/12/26 14:05 SSB 1.8 Mhz 59  59  " + creach + "*",
        paul + "F6AAA        22 ANNE\r\n" + paul,
        "0 0"};
    // Pasted as typed: capitals wherever typing gives them; the lighthouse name as it is.
    QTest::newRow("textes colles") << QSO_Tape{
        true,
        {},
        {"^f5abc", "^grüßgott-müller", "1004", "", "", "", "", "", "^P. Goulphar", ""},
        -1,
        "F5ABC        29   GR\xdc\xdfGOTT-M\xdcLLER PB100406/12/26 14:05 SSB 1.8 Mhz 59  59  P. Goulphar" +
            QByteArray(20, ' ') + " ",
        "F5ABC        29 GR\xdc\xdfGOTT-M\xdcLLER\r\n",
        "0 0"};
    QTest::newRow("date manuelle") << QSO_Tape{
        false,
        {},
        {"f6abc/p12345", "", "12", "", "31/12/99", "23:59", "", "", "\b\b5nn", "\b9", "\bz", ""},
        4,
        "F6ABC/P12345 56" + QByteArray(19, ' ') +
            "PB12  31/12/99 23:59 SSB 14 Mhz  5NN 59  P. Phare de KerdoniZ" + QByteArray(12, ' '),
        "F6ABC/P12345 56 \r\n",
        "0 4"};
}

void Test_Edition_QSO::QSO_Complet() {
    QFETCH(QSO_Tape, qso);
    Poste poste;
    auto& [t, main] = poste;
    if (!qso.memoire.isEmpty())
        t.Ecrit_Fichier("Liste_Prenom.txt", qso.memoire);
    (qso.automatique ? main.Mnu_Date_Auto : main.Mnu_Date_Man)->trigger();
    for (const QString& texte : qso.textes) {
        if (Champ(main) == main.Bande_A && qso.bande >= 0)
            main.Bande_A->setCurrentIndex(qso.bande);
        Entre_Texte(main, texte, false);
        Entree(main);
    }
    QCOMPARE(Champ(main), main.Valide_A);
    QCOMPARE(t.messages.textes, QStringList());
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{Question});
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), qso.enregistrement + "\r\n");
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), qso.prenoms);
    QCOMPARE(t.Reglage("Setup F5ABC", "Mode Utilise") + " " + t.Reglage("Setup F5ABC", "bande Utilisee"),
             qso.reglages);
    QCOMPARE(main.session.QSO_Selectionne().octets, qso.enregistrement);
    // Ready for the next QSO.
    QCOMPARE(Etat_Saisie(main), Etat_Vierge(main.Bande_A->itemText(qMax(qso.bande, 0))));
    QCOMPARE(Champ(main), main.Ind_A);
}

// A refusal in each field, typed over its text ('^': pasted, refused just as typed; the detail of each
// rule is in Test_Journal): the field keeps the focus and its text, the next one stays closed.
void Test_Edition_QSO::Refus_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("reste");
    QTest::addColumn<QString>("message");
    const auto ligne = [](const char* champ, const char* texte, const char* reste, const char* message) {
        QTest::addRow("%s %s", champ, texte) << champ << QString(texte) << QString(reste) << QString(message);
    };
    ligne("Ind_A", "^F5ŁAB", "F5ŁAB", "Caractere non autorise : Ł");
    ligne("Prenom_A", "jean-christophe1", "JEAN-CHRISTOPHE1", "15 caracteres maxi pour le Prenom");
    ligne("Ref_A", "PB", "PB", "Entrez une Reference");
    ligne("Dpt_A", "291", "291", "2 caracteres maxi pour le Departement");
    ligne("Date_A", "14/07/2006", "14/07/2006", "Le format de la date doit etre JJ/MM/AA");
    ligne("Heure_A", "12h05", "12H05", "Le format de l'heure doit etre HH:MM");
    ligne("Mode_A", "^mfsk", "MFSK", "3 caracteres maxi pour le Mode");
    ligne("Bande_A", "1296 Mhz", "1296 MHZ", "7 caracteres maxi pour la QRG");
    ligne("RST_A", "s9", "S9", "R (de RST)doit etre compris entre 0 et 5");
    ligne("RSTE_A", "", "", "Entrez un Report");
    ligne("Rem_A", "p. phare de la pointe saint-mat", "P. PHARE DE LA POINTE SAINT-MAT",
          "30 caracteres maxi pour le nom du Phare");
}

void Test_Edition_QSO::Refus() {
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(QString, reste);
    QFETCH(QString, message);
    Poste poste;
    auto& [t, main] = poste;
    main.Mnu_Date_Man->trigger();
    Avance_Jusqu_A(main, champ);
    QWidget* suivant = main.findChild<QWidget*>(Chaine[Chaine.indexOf(champ) + 1]);
    Entre_Texte(main, texte, true);
    t.messages.textes.clear();
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{message});
    QCOMPARE(Champ(main)->objectName() + " " + Texte(Champ(main))->text(), champ + " " + reste);
    // The lighthouse name is opened early by the reference look-up.
    QCOMPARE(Couleurs::Couleur(Champ(main)).name() + Couleurs::Couleur(suivant).name(),
             Couleurs::Vert_Saisie.name() + Couleurs::Jaune.name());
    QCOMPARE(suivant->isEnabled(), suivant == main.Rem_A);
}

// Without a station, typing a callsign only repeats the first-run message: no QSO can be begun.
void Test_Edition_QSO::Sans_Station() {
    Plateforme_Test t;
    Main main(t.plateforme);
    Demarre(main);
    Saisit(main, "f5");
    QCOMPARE(t.messages.textes, QStringList(4, Textes::Premiere_Installation));
    QCOMPARE(main.Ind_A->text(), QStringLiteral("f5"));
    QVERIFY(!main.Prenom_A->isEnabled());
}

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
    const auto enregistre = [&] {
        main.Bande_A->setEditText("14 Mhz");
        Parcourt_La_Chaine(main, saisie);
        Entree(main);
    };
    for (const QString& bouton : boutons) {
        Choisit(main, 2);
        // Recording or deleting on the way is answered No: only the last recording writes.
        t.messages.reponses = {false};
        if (bouton == "Valide_A")
            enregistre();
        else
            main.findChild<QPushButton*>(bouton)->click();
    }
    QCOMPARE(Etat_Saisie(main).last(), "Mode_Aff " + libelle);
    QCOMPARE(Champ(main), main.Ind_A);
    Choisit(main, 0);
    t.messages.textes.clear();
    t.messages.reponses.clear();
    enregistre();
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
    const QByteArray B57 = Q("F5BBB", "02/07/06", "10:00", "PB12", "57", "*");
    const Lignes ABBC{A, B, B, C}, ABCB{A, B, C, B}, raccourci{A, B.left(60), B, C};
    ligne("suppression du second", ABBC, "2S", {}, {A, B, C});
    ligne("suppression, reponse non", ABBC, "2NS", {}, ABBC);
    ligne("modification du premier", ABBC, "1MV", {}, {A, B57, B, C});
    ligne("modification du second", ABBC, "2MV", {}, {A, B, B57, C});
    ligne("modification, autre ligne choisie", {A, B, C}, "1M2V", {}, {A, B57, C});
    ligne("modification, QSO d'avant supprime", {A, B, C}, "1M0SV", {}, {B57, C});
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
        if (geste == 'X')
            t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(ailleurs));
        if (geste == 'S') {
            main.Annule_Saisie->click();
            messages << QStringLiteral("Voulez vous Supprimer ce QSO ?");
        }
        if (geste == 'V') {
            main.Ind_A->setFocus();
            Parcourt_La_Chaine(main, {{"RSTE_A", "57"}});
            Entree(main);
            messages << Question;
        }
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

// The rewrite of one file fails (each step of each rewrite is in tests/robustesse): both files and the
// entry stay as they were, and the same Enter records the QSO once the disk is back, the first name once.
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
