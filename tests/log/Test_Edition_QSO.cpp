#include "Clavier.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "log/Modele_Log.h"
#include "support/Principal.h"

#include <QAction>
#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QObject>
#include <QSaveFile>

class Test_Edition_QSO : public QObject {
    Q_OBJECT

private slots:
    void Modification_data();
    void Modification();
    void Insertion_data();
    void Insertion();
    void Suppression_data();
    void Suppression();
    void Sans_Ligne_Choisie();
    void Modes_data();
    void Modes();
    void Doublons_data();
    void Doublons();
    void Effacement();
    void Reponse_Non();
    void Panne_Garde_La_Saisie_data();
    void Panne_Garde_La_Saisie();
    void Caractere_Colle_Apres_Controle();
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

const QMap<QString, QByteArray> Log_ABC{{"F5ABC_TORV.log", Fichier({A, B, C})}};

// Enter in every field of the chain from `depuis` to the record button, typing over the fields
// named in `changes`, then Enter on the record button.
void Valide_La_Chaine(Main& main, const QMap<QString, QString>& changes = {},
                      const QString& depuis = QStringLiteral("Ind_A")) {
    for (const QString& nom : Chaine.mid(Chaine.indexOf(depuis))) {
        if (changes.contains(nom))
            Remplace(main, changes[nom]);
        Entree(main);
    }
    QCOMPARE(Champ(main), main.Valide_A);
    Entree(main);
}

// The disk, with the rewrites of one file made to fail.
class Fichiers_Un_Defaillant : public Fichiers_Disque {
public:
    QString cible;

protected:
    bool Ouvre(QSaveFile& brouillon) override {
        return brouillon.fileName() != cible && Fichiers_Disque::Ouvre(brouillon);
    }
};

} // namespace

void Test_Edition_QSO::Modification_data() {
    QTest::addColumn<QString>("entre_temps");
    QTest::addColumn<QByteArray>("fichier");
    QTest::newRow("en place") << "" << Fichier({A, B_Modifie, C});
    QTest::newRow("autre ligne choisie entre-temps") << "clic" << Fichier({A, B_Modifie, C});
    QTest::newRow("autre QSO supprime entre-temps") << "suppression autre" << Fichier({B_Modifie, C});
}

void Test_Edition_QSO::Modification() {
    QFETCH(QString, entre_temps);
    QFETCH(QByteArray, fichier);
    Poste poste(Log_ABC);
    auto& [t, main] = poste;
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(1));
    main.Modi_Saisie->click();
    const QString vert = " 1 " + Couleurs::Vert_Saisie.name(), jaune = " 0 " + Couleurs::Jaune.name();
    QCOMPARE(Etat_Saisie(main),
             QStringList({"Ind_A 'F5BBB'" + vert, "Prenom_A ''" + jaune, "Ref_A 'PB12'" + jaune,
                          "Dpt_A '56'" + jaune, "Date_A '02/07/06'" + jaune, "Heure_A '10:00'" + jaune,
                          "Mode_A 'SSB'" + jaune, "Bande_A '14 Mhz'" + jaune, "RST_A '59'" + jaune,
                          "RSTE_A '59'" + jaune, "Rem_A 'P. Phare de Kerdonis'" + jaune, "QSL_A '1'" + jaune,
                          "Valide_A 0", "Mode_Aff Modification QSO 1 0"}));
    QCOMPARE(Champ(main), main.Ind_A);
    if (entre_temps == "clic")
        main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(2));
    if (entre_temps == "suppression autre") {
        main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(0));
        main.Annule_Saisie->click();
    }
    main.Ind_A->setFocus();
    t.messages.textes.clear();
    Valide_La_Chaine(main, {{"RSTE_A", "57"}});
    // No already-contacted warning while modifying, only the question.
    QCOMPARE(t.messages.textes, QStringList{Question});
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), fichier);
    QCOMPARE(t.Reglage("Setup F5ABC", "Mode Utilise"), QStringLiteral("<absent>"));
    QCOMPARE(t.Reglage("Setup F5ABC", "bande Utilisee"), QStringLiteral("<absent>"));
    // The lists show the station's last choice again, not the QSO's.
    QCOMPARE(Etat_Saisie(main), Etat_Vierge("1.8 Mhz"));
}

void Test_Edition_QSO::Insertion_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("heure");
    QTest::addColumn<int>("place");
    QTest::newRow("avant tout") << "30/06/06" << QString("23:59") << 0;
    QTest::newRow("meme moment: avant") << "02/07/06" << QString("10:00") << 1;
    QTest::newRow("minute suivante") << "02/07/06" << QString("10:01") << 2;
    QTest::newRow("apres tout") << "01/01/07" << QString("00:00") << 3;
}

void Test_Edition_QSO::Insertion() {
    QFETCH(QString, date);
    QFETCH(QString, heure);
    QFETCH(int, place);
    Poste poste(Log_ABC);
    auto& [t, main] = poste;
    // Begun as a new QSO, turned into an insertion half-way: what was typed stays.
    Saisit(main, "f5new");
    main.Ajout_QSO->click();
    QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Insertion QSO"));
    QCOMPARE(main.Ind_A->text(), QStringLiteral("F5NEW"));
    QCOMPARE(Champ(main), main.Ind_A);
    Valide_La_Chaine(main, {{"Ref_A", "PB1004"}, {"Date_A", date}, {"Heure_A", heure}});
    QCOMPARE(t.messages.textes, QStringList({"PB1004 Phare deja contacté le 01/07/06", Question}));
    Lignes attendu{A, B, C};
    attendu.insert(place, Q("F5NEW", qPrintable(date), qPrintable(heure), "PB1004", "59", "", "1.8 Mhz"));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier(attendu));
    QVERIFY(!main.session.Mode_Insertion());
    QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
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
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(0));
    t.messages.reponses = {oui};
    main.Annule_Saisie->click();
    QCOMPARE(t.messages.textes, QStringList{"Voulez vous Supprimer ce QSO ?"});
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), fichier);
    QStringList lignes;
    for (int i = 0; i < main.Modele_TORV->rowCount(); ++i)
        lignes << main.Modele_TORV->Ligne(i).left(12);
    QCOMPARE(lignes, debuts);
    QCOMPARE(main.session.Ligne_Selectionnee(),
             main.Modele_TORV->Ligne(main.Liste_TORV->currentIndex().row()));
    QCOMPARE(main.Liste_TORV->currentIndex().row(), oui ? 1 : 0);
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
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), QByteArray("<absent>"));
}

// Each order of the buttons: the caption names what recording does, and recording does just that.
void Test_Edition_QSO::Modes_data() {
    QTest::addColumn<QStringList>("boutons");
    QTest::addColumn<QString>("libelle"); // with Mode_Modification and Mode_Insertion
    const auto ligne = [](const QStringList& boutons, const char* libelle) {
        QTest::newRow(qPrintable(boutons.join(QLatin1Char(' ')))) << boutons << QString(libelle);
    };
    const QString M = "Modi_Saisie", I = "Ajout_QSO", E = "Efface_A", V = "Valide_A";
    ligne({}, "Saisie QSO 0 0");
    ligne({I}, "Insertion QSO 0 1");
    ligne({M}, "Modification QSO 1 0");
    ligne({E}, "Saisie QSO 0 0");
    ligne({I, M}, "Modification QSO 1 0");
    ligne({M, I}, "Insertion QSO 0 1");
    ligne({M, E}, "Saisie QSO 0 0");
    ligne({E, M}, "Modification QSO 1 0");
    ligne({I, E}, "Saisie QSO 0 0");
    ligne({E, I}, "Insertion QSO 0 1");
    ligne({M, I, E}, "Saisie QSO 0 0");
    ligne({I, M, E}, "Saisie QSO 0 0");
    ligne({M, E, I}, "Insertion QSO 0 1");
    ligne({I, E, M}, "Modification QSO 1 0");
    ligne({E, M, I}, "Insertion QSO 0 1");
    ligne({E, I, M}, "Modification QSO 1 0");
    ligne({M, V, I}, "Insertion QSO 0 1");
    ligne({I, V, M}, "Modification QSO 1 0");
    ligne({M, I, V}, "Saisie QSO 0 0");
    ligne({"Annule_Saisie", I}, "Insertion QSO 0 1");
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
    Lignes log{A, B, C};
    for (const QString& bouton : boutons) {
        main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(log.size() - 1));
        // Recording or deleting on the way is answered No: only the last recording writes.
        t.messages.reponses = {false};
        if (bouton == "Valide_A") {
            main.Bande_A->setEditText("14 Mhz");
            Valide_La_Chaine(main, saisie);
            continue;
        }
        main.findChild<QPushButton*>(bouton)->click();
    }
    QCOMPARE(Etat_Saisie(main).last(), "Mode_Aff " + libelle);
    QCOMPARE(Champ(main), main.Ind_A);
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(0));
    t.messages.reponses.clear();
    main.Bande_A->setEditText("14 Mhz");
    Valide_La_Chaine(main, saisie);
    if (libelle.startsWith("Saisie"))
        log.append(N);
    else if (libelle.startsWith("Insertion"))
        log.insert(1, N);
    else
        log.last() = N;
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
    const Lignes ABBC{A, B, B, C};
    QTest::newRow("suppression du second")
        << ABBC << 2 << "suppression" << Lignes{} << Lignes{A, B, C} << false;
    QTest::newRow("modification du premier")
        << ABBC << 1 << "modification" << Lignes{} << Lignes{A, B_Modifie, B, C} << false;
    QTest::newRow("modification du second")
        << ABBC << 2 << "modification" << Lignes{} << Lignes{A, B, B_Modifie, C} << false;
    const Lignes deplaces{A, B, C, B};
    QTest::newRow("suppression, log change par ailleurs")
        << ABBC << 2 << "suppression" << deplaces << deplaces << true;
    QTest::newRow("modification, log change par ailleurs")
        << ABBC << 2 << "modification" << deplaces << deplaces << true;
    QTest::newRow("modification, ligne raccourcie par ailleurs")
        << ABBC << 1 << "modification" << Lignes{A, B.left(60), B, C} << Lignes{A, B.left(60), B, C} << true;
    QTest::newRow("modification d'un QSO supprime entre-temps")
        << Lignes{A, B, C} << 1 << "modification, suppression" << Lignes{} << Lignes{A, C} << true;
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
    main.Mnu_Date_Man->trigger();
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(ligne));
    if (geste.startsWith("modification"))
        main.Modi_Saisie->click();
    if (geste == "modification, suppression")
        main.Annule_Saisie->click();
    if (!ailleurs.isEmpty())
        t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(ailleurs));
    t.messages.textes.clear();
    if (geste.startsWith("modification")) {
        main.Ind_A->setFocus();
        Valide_La_Chaine(main, {{"RSTE_A", "57"}});
    } else {
        main.Annule_Saisie->click();
    }
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier(fichier));
    QStringList lignes;
    for (int i = 0; i < main.Modele_TORV->rowCount(); ++i)
        lignes << main.Modele_TORV->Ligne(i);
    QStringList attendues;
    for (int i = 0; i < fichier.size(); ++i)
        attendues << Journal::Ligne_Liste(fichier, i);
    QCOMPARE(lignes, attendues);
    const QString question = geste == "suppression" ? "Voulez vous Supprimer ce QSO ?" : Question;
    if (!refuse) {
        QCOMPARE(t.messages.textes, QStringList{question});
        QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
        return;
    }
    QCOMPARE(t.messages.textes,
             QStringList({question,
                          QStringLiteral("Le QSO choisi n'est plus à sa place dans le log %1.\r\n"
                                         "Rien n'a été écrit : cliquez à nouveau sur la ligne dans la liste.")
                              .arg(QDir::toNativeSeparators(t.Chemin("F5ABC_TORV.log")))}));
    // The line is to be chosen again; an entry in progress is kept as it was typed.
    QCOMPARE(main.session.Ligne_Selectionnee(), QString());
    if (geste.startsWith("modification")) {
        QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Modification QSO"));
        QCOMPARE(main.RSTE_A->text(), QStringLiteral("57"));
        QVERIFY(main.Valide_A->isEnabled());
    }
}

void Test_Edition_QSO::Effacement() {
    Poste poste(Log_ABC);
    auto& [t, main] = poste;
    const QString choisie = main.session.Ligne_Selectionnee();
    main.Ajout_QSO->click();
    Avance_Jusqu_A(main, "QSL_A");
    QTest::keyClick(main.QSL_A, Qt::Key_Space);
    Entree(main);
    QVERIFY(main.Valide_A->isEnabled());
    main.Bande_A->setCurrentIndex(5);
    t.messages.textes.clear();
    main.Efface_A->click();
    QCOMPARE(Etat_Saisie(main), Etat_Vierge("18 Mhz"));
    QCOMPARE(Champ(main), main.Ind_A);
    // The list and the lists' choices stay as they were.
    QCOMPARE(main.session.Ligne_Selectionnee(), choisie);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier({A, B, C}));
    QVERIFY(t.messages.textes.isEmpty());
}

void Test_Edition_QSO::Reponse_Non() {
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Reglage("Setup F5ABC", "bande Utilisee", "4");
    Main main(t.plateforme);
    Demarre(main);
    main.Ajout_QSO->click();
    t.messages.reponses = {false};
    Avance_Jusqu_A(main, "Bande_A");
    main.Bande_A->setCurrentIndex(7);
    Valide_La_Chaine(main, {}, "Bande_A");
    QCOMPARE(t.messages.textes, QStringList{Question});
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), QByteArray("<absent>"));
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), QByteArray("<absent>"));
    // The band saved when Enter was pressed in it comes back.
    QCOMPARE(Etat_Saisie(main), Etat_Vierge("24 Mhz"));
}

void Test_Edition_QSO::Panne_Garde_La_Saisie_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QByteArray>("log_final");
    const QByteArray nouveau = Q("F5XYZ", "02/07/06", "12:00", "PB1004", "59", "", "14 Mhz", "LUC");
    QTest::newRow("prenoms, saisie") << "Liste_Prenom.txt" << QString() << Fichier({A, B, C, nouveau});
    QTest::newRow("log, saisie") << "F5ABC_TORV.log" << QString() << Fichier({A, B, C, nouveau});
    QTest::newRow("log, insertion") << "F5ABC_TORV.log" << QString("insertion")
                                    << Fichier({A, B, nouveau, C});
    QTest::newRow("prenoms, modification")
        << "Liste_Prenom.txt" << QString("modification") << Fichier({A, B, nouveau});
    QTest::newRow("log, modification")
        << "F5ABC_TORV.log" << QString("modification") << Fichier({A, B, nouveau});
}

void Test_Edition_QSO::Panne_Garde_La_Saisie() {
    QFETCH(QString, fichier);
    QFETCH(QString, mode);
    QFETCH(QByteArray, log_final);
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Fichier("F5ABC_TORV.log", Log_ABC.first());
    Fichiers_Un_Defaillant disque;
    disque.cible = t.Chemin(fichier);
    Plateforme plateforme{t.messages, t.horloge, t.repertoire, *t.parametres, disque, t.imprimante};
    Main main(plateforme);
    Demarre(main);
    main.Mnu_Date_Man->trigger();
    if (mode == "modification")
        main.Modi_Saisie->click();
    if (mode == "insertion")
        main.Ajout_QSO->click();
    main.Ind_A->setFocus();
    const QMap<QString, QString> saisie{{"Ind_A", "f5xyz"},
                                        {"Prenom_A", "luc"},
                                        {"Ref_A", "PB1004"},
                                        {"Date_A", "02/07/06"},
                                        {"Heure_A", "12:00"}};
    for (const QString& nom : Chaine) {
        if (saisie.contains(nom))
            Remplace(main, saisie[nom]);
        if (nom == "Bande_A")
            main.Bande_A->setCurrentIndex(4);
        Entree(main);
    }
    const QStringList avant = Etat_Saisie(main);
    t.messages.textes.clear();
    Entree(main);
    QCOMPARE(t.messages.textes.size(), 2);
    QCOMPARE(t.messages.textes[0], Question);
    QVERIFY2(t.messages.textes[1].startsWith(QStringLiteral("Impossible d'enregistrer le fichier %1 : ")
                                                 .arg(QDir::toNativeSeparators(disque.cible))),
             qPrintable(t.messages.textes[1]));
    QCOMPARE(Etat_Saisie(main), avant);
    QCOMPARE(Champ(main), main.Valide_A);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier({A, B, C}));

    // Once the disk is back, the same Enter records the QSO, and the first name only once.
    disque.cible.clear();
    Entree(main);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), log_final);
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), QByteArray("F5XYZ        29 LUC\r\n"));
    QCOMPARE(main.Mode_Aff->text(), QStringLiteral("Saisie QSO"));
    QCOMPARE(QDir(t.repertoire.Chemin()).entryList(QDir::Files),
             QStringList({"F5ABC_TORV.log", "Liste_Phare.txt", "Liste_Prenom.txt"}));
}

void Test_Edition_QSO::Caractere_Colle_Apres_Controle() {
    Poste poste;
    auto& [t, main] = poste;
    main.Mnu_Date_Man->trigger();
    Avance_Jusqu_A(main, "QSL_A");
    // Pasted into a field already passed, which is not checked again.
    main.Prenom_A->setText(QString::fromUtf8("JOŁ"));
    Entree(main);
    const QStringList avant = Etat_Saisie(main);
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{QString::fromUtf8("Caractere non autorise : Ł")});
    QCOMPARE(Etat_Saisie(main), avant);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), QByteArray("<absent>"));
}

KEZ_TEST(Test_Edition_QSO)

#include "Test_Edition_QSO.moc"
