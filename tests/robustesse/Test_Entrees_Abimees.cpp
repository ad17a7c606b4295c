#include "Aide.h"
#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "app/Textes.h"
#include "lighthouses/Phares_Francais.h"
#include "log/Clavier.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "log/Journal_Station.h"
#include "log/Modele_Log.h"
#include "log/Prenoms.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QObject>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

// Damaged or hostile files for each reader: the log, the lighthouse list, the first names, the settings.
class Test_Entrees_Abimees : public QObject {
    Q_OBJECT

private slots:
    void Log_Abime_data();
    void Log_Abime();
    void Log_Illisible();
    void Log_Illisible_Un_Moment();
    void Lignes_De_La_Liste_Entieres_data();
    void Lignes_De_La_Liste_Entieres();
    void Ligne_Abimee_Choisie_Par_L_Operateur_data();
    void Ligne_Abimee_Choisie_Par_L_Operateur();
    void Reglages_Abimes_data();
    void Reglages_Abimes();
    void Liste_Phare_Abimee_data();
    void Liste_Phare_Abimee();
    void Prenoms_Abimes_data();
    void Prenoms_Abimes();
    void Prenom_Abime_Trouve_data();
    void Prenom_Abime_Trouve();
    void Fin_De_Ligne_Collee_data();
    void Fin_De_Ligne_Collee();
};

using namespace Clavier;
using Fichier_Texte::Joint_Lignes;
using Lignes = QList<QByteArray>;

namespace {

QByteArray Q(const char* indicatif, const char* date, const char* heure) {
    return Fichier_Texte::Encode(
        Enregistrement::Compose({indicatif, "29", "Yann", "PB1004", date, heure, "SSB", "14 Mhz", "59", "59",
                                 "Phare du Stiff", " "}));
}

const QByteArray A = Q("F5AAA", "01/01/99", "10:00");
const QByteArray B = Q("F5BBB", "02/01/99", "10:00");
const QByteArray N = Q("F5NNN", "01/06/00", "08:00");
// The last QSO of the log, after every other.
const QByteArray Z = Q("F5ZZZ", "31/12/49", "23:59");

const QByteArray Indefinis = "\x81\x8d\x8f\x90\x9d"; // bytes Windows-1252 leaves undefined
constexpr qsizetype Vingt_Mo = 20 * 1024 * 1024;

// A full-length record whose callsign and name hold bytes no operator types.
QByteArray Record_Aux_Octets(const QByteArray& octets) {
    QByteArray enregistrement = Q("F5XYZ", "03/01/99", "10:00");
    enregistrement.replace(0, octets.size(), octets);
    enregistrement.replace(80, octets.size(), octets);
    return enregistrement;
}

// Bytes at random, line ends included, the same on each run.
QByteArray Au_Hasard(qsizetype taille, quint32 graine) {
    QRandomGenerator hasard(graine);
    QByteArray octets(taille, Qt::Uninitialized);
    hasard.fillRange(reinterpret_cast<quint32*>(octets.data()), octets.size() / 4);
    return octets;
}

// The main window of station F5ABC, loaded over this log.
void Charge_Log(Plateforme_Test& t, Main& main, const QByteArray& log) {
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("F5ABC_TORV.log", log);
    main.Form_Load();
}

// The lighthouse looked up in every damaged reference file, and its line in the lighthouse window.
const QByteArray Creach = "Phare du Creac'h\r\n1004\r\nLH1\r\n29\r\n\r\n";
const QString Ligne_Creach = " Phare du Creac'h                        1004   LH1    29 ";

// The callsign looked up in every damaged first-name memory, and its line there.
const QByteArray Luc = "F5XYZ        29 LUC";

// 20 MB of lighthouses, each five lines, the looked-up one last.
QByteArray Vingt_Mo_De_Phares() {
    QByteArray octets;
    octets.reserve(Vingt_Mo + Creach.size());
    for (int numero = 0; octets.size() < Vingt_Mo; ++numero)
        octets += "Phare numero " + QByteArray::number(numero) + "\r\n" + QByteArray::number(numero + 2000) +
                  "\r\n\r\n56\r\n\r\n";
    return octets + Creach;
}

// Enter in that field, reached as the operator would after correcting the fields before it.
void Entree_Dans(Main& main, QWidget* champ) {
    champ->setEnabled(true);
    champ->setFocus();
    Entree(main);
}

// A whole QSO typed from the callsign on, the first name replaced, then recorded.
void Enregistre_QSO(Main& main, const QString& prenom) {
    main.Mnu_Date_Man->trigger();
    main.Ind_A->setFocus();
    for (int i = 0; i < Chaine.size(); ++i) {
        if (Chaine[i] == "Prenom_A")
            Remplace(main, prenom);
        Saisit(main, Textes_Usuels[i]);
    }
    QCOMPARE(Champ(main), main.Valide_A);
    Entree(main);
}

} // namespace

// Each damaged log sits between two good QSOs: it loads, and changes elsewhere keep it byte for byte.
void Test_Entrees_Abimees::Log_Abime_data() {
    QTest::addColumn<QByteArray>("abime");
    QTest::addColumn<Lignes>("lignes");
    QTest::newRow("rien") << QByteArray() << Lignes{};
    QTest::newRow("ligne tronquee") << A.left(30) + "\r\n" << Lignes{A.left(30)};
    QTest::newRow("ligne coupee au milieu d'un champ") << A.left(44) + "\r\n" << Lignes{A.left(44)};
    const QByteArray longue = A + QByteArray(5000, 'X');
    QTest::newRow("ligne trop longue") << longue + "\r\n" << Lignes{longue};
    QTest::newRow("ligne vide") << QByteArray("\r\n") << Lignes{""};
    const QByteArray binaire("\x00\x01\x1b\x7f\xff\xfe\x00", 7);
    QTest::newRow("NUL et octets binaires") << binaire + "\r\n" << Lignes{binaire};
    const QByteArray indefinis = Record_Aux_Octets(Indefinis);
    QTest::newRow("octets indefinis en Windows-1252") << indefinis + "\r\n" << Lignes{indefinis};
    const QByteArray nul = Record_Aux_Octets(QByteArray("F5\x00Z\x00", 5));
    QTest::newRow("NUL dans un enregistrement complet") << nul + "\r\n" << Lignes{nul};
    QTest::newRow("fins LF seules") << A.left(20) + "\n" + B.left(20) + "\n"
                                    << Lignes{A.left(20), B.left(20)};
    QTest::newRow("fins CR seules") << A.left(20) + "\r" + B.left(20) + "\r"
                                    << Lignes{A.left(20), B.left(20)};
    QTest::newRow("fins melangees") << QByteArray("x\n\ry\r\rz\r\n") << Lignes{"x", "", "y", "", "z"};
    const QByteArray sans_fin(Vingt_Mo, 'Z');
    QTest::newRow("20 Mo sans fin de ligne") << sans_fin + "\r\n" << Lignes{sans_fin};
    const QByteArray hasard = Au_Hasard(Vingt_Mo, 8);
    QTest::newRow("20 Mo au hasard") << hasard + "\r\n" << Fichier_Texte::Coupe_Lignes(hasard);
}

void Test_Entrees_Abimees::Log_Abime() {
    QFETCH(QByteArray, abime);
    QFETCH(Lignes, lignes);
    Plateforme_Test t;
    Main main(t.plateforme);
    Charge_Log(t, main, A + "\r\n" + B + "\r\n" + abime + Z + "\r\n");
    QCOMPARE(main.Modele_TORV->rowCount(), lignes.size() + 3);

    const QByteArray M = Q("F5MMM", "01/01/99", "10:00");
    QVERIFY(main.journal.Remplace_QSO_Log(Fichier_Texte::Decode(M), {0, A}));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Joint_Lignes(Lignes{M, B} + lignes + Lignes{Z}));
    QVERIFY(main.journal.Supprime_QSO_Log({1, B}));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Joint_Lignes(Lignes{M} + lignes + Lignes{Z}));
    // Lines whose date cannot be read are passed over.
    QVERIFY(main.journal.Insere_QSO_Log(Fichier_Texte::Decode(N)));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"),
             Joint_Lignes(Journal::Insere(Lignes{M} + lignes + Lignes{Z}, N)));
    QCOMPARE(main.Modele_TORV->rowCount(), lignes.size() + 3);
    QCOMPARE(t.messages.textes, QStringList());
}

// A log the program cannot open at all: the operator is told which file, and nothing is written
// over it.
void Test_Entrees_Abimees::Log_Illisible() {
    Plateforme_Test t;
    QVERIFY(QDir(t.repertoire.Chemin()).mkdir("F5ABC_TORV.log"));
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    Main main(t.plateforme);
    main.Form_Load();
    QCOMPARE(main.Modele_TORV->rowCount(), 0);
    QCOMPARE(t.messages.textes.size(), 1);
    const QString debut = QStringLiteral("Impossible de lire le fichier %1 : ")
                              .arg(QDir::toNativeSeparators(t.Chemin("F5ABC_TORV.log")));
    QVERIFY2(t.messages.textes[0].startsWith(debut) && t.messages.textes[0].size() > debut.size(),
             qPrintable(t.messages.textes[0]));
    QVERIFY(!main.journal.Ajout_Fin_Log(Fichier_Texte::Decode(N)));
    QCOMPARE(t.messages.textes, QStringList(2, t.messages.textes[0]));
    QVERIFY(QFileInfo(t.Chemin("F5ABC_TORV.log")).isDir());
}

// A log that could not be read at start-up and can be later (a disk slow to come back): the empty
// list shown meanwhile is never taken for the log, so recording keeps every QSO already there.
void Test_Entrees_Abimees::Log_Illisible_Un_Moment() {
    Plateforme_Test t;
    Main main(t.plateforme);
    t.fichiers.lecture_refusee = QStringLiteral("disque absent");
    Charge_Log(t, main, Joint_Lignes({A, B}));
    QCOMPARE(main.Modele_TORV->rowCount(), 0);
    QCOMPARE(t.messages.textes, QStringList{QStringLiteral("Impossible de lire le fichier %1 : disque absent")
                                                .arg(QDir::toNativeSeparators(t.Chemin("F5ABC_TORV.log")))});
    t.fichiers.lecture_refusee.clear();
    QVERIFY(main.journal.Ajout_Fin_Log(Fichier_Texte::Decode(N)));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Joint_Lignes({A, B, N}));
    QCOMPARE(main.Modele_TORV->rowCount(), 3);
}

// Every line of the list is shown whole, however long the others are: a list told that its lines
// are all alike sizes them all as its last one.
void Test_Entrees_Abimees::Lignes_De_La_Liste_Entieres_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<QString>("changement");
    QTest::newRow("log du programme") << Lignes{A, B, Z} << "";
    QTest::newRow("derniere ligne tronquee") << Lignes{A, B, Z.left(20)} << "";
    QTest::newRow("derniere ligne vide") << Lignes{A, B, ""} << "";
    QTest::newRow("ligne tronquee au milieu") << Lignes{A, B.left(20), Z} << "";
    QTest::newRow("octets indefinis a la fin") << Lignes{A, Record_Aux_Octets(Indefinis)} << "";
    QTest::newRow("ajout apres une ligne tronquee") << Lignes{A, B, Z.left(20)} << "ajout";
    QTest::newRow("suppression d'une ligne tronquee") << Lignes{A, B, Z.left(20)} << "suppression";
    // The 10,000th line has a wider number than every line before it.
    const Lignes log_9999(9999, A);
    QTest::newRow("ajout du QSO 10 000") << log_9999 << "ajout";
    QTest::newRow("suppression du QSO 10 000") << log_9999 + Lignes{B} << "suppression";
}

void Test_Entrees_Abimees::Lignes_De_La_Liste_Entieres() {
    QFETCH(Lignes, log);
    QFETCH(QString, changement);
    Plateforme_Test t;
    Main main(t.plateforme);
    Charge_Log(t, main, Joint_Lignes(log));
    Lignes apres = log;
    if (changement == "ajout") {
        QVERIFY(main.journal.Ajout_Fin_Log(Fichier_Texte::Decode(N)));
        apres.append(N);
    } else if (changement == "suppression") {
        QVERIFY(main.journal.Supprime_QSO_Log({log.size() - 1, log.constLast()}));
        apres.removeLast();
    }
    QListView* liste = main.Liste_TORV;
    QCOMPARE(main.Modele_TORV->rowCount(), apres.size());
    QCOMPARE(liste->currentIndex().row(), apres.size() - 1);
    const QFontMetrics mesure(liste->font());
    for (int i = 0; i < main.Modele_TORV->rowCount(); ++i) {
        const QString texte = main.Modele_TORV->Ligne(i);
        QCOMPARE(texte, Journal::Ligne_Liste(apres, i));
        QVERIFY2(liste->visualRect(main.Modele_TORV->index(i)).width() >= mesure.horizontalAdvance(texte),
                 qPrintable(QStringLiteral("ligne %1 coupee").arg(i + 1)));
    }
}

// The operator clicks the damaged line and deletes or changes it: the list line gives back the
// record when the line was a whole one, and whatever its bytes the change acts on that line alone.
void Test_Entrees_Abimees::Ligne_Abimee_Choisie_Par_L_Operateur_data() {
    QTest::addColumn<QByteArray>("abime");
    QTest::addColumn<bool>("relue");
    QTest::newRow("octets indefinis") << Record_Aux_Octets(Indefinis) << true;
    QTest::newRow("NUL et binaire") << Record_Aux_Octets(QByteArray("\x00\x01\xff\x1b\x7f", 5)) << true;
    QTest::newRow("tronquee") << A.left(50) << false;
    QTest::newRow("trop longue") << B + "suite" << false;
}

void Test_Entrees_Abimees::Ligne_Abimee_Choisie_Par_L_Operateur() {
    QFETCH(QByteArray, abime);
    QFETCH(bool, relue);
    Plateforme_Test t;
    Main main(t.plateforme);
    Charge_Log(t, main, Joint_Lignes({A, abime, N}));
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(1));
    const QString choisi = Enregistrement::De_Ligne_Liste(main.session.Ligne_Selectionnee());
    QCOMPARE(Fichier_Texte::Encode(choisi) == abime, relue);

    QCOMPARE(main.session.QSO_Selectionne().octets, abime);
    QVERIFY(main.journal.Remplace_QSO_Log(Fichier_Texte::Decode(B), main.session.QSO_Selectionne()));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Joint_Lignes({A, B, N}));
    t.Ecrit_Fichier("F5ABC_TORV.log", Joint_Lignes({A, abime, N}));
    main.journal.Lecture_Log();
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(1));
    QVERIFY(main.journal.Supprime_QSO_Log(main.session.QSO_Selectionne()));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Joint_Lignes({A, N}));
    QCOMPARE(t.messages.textes, QStringList());
}

// Settings out of range, a settings file damaged, or one that cannot be written, read as the program does
// when it starts, then written by the choice of dating, again and again: what cannot be
// used is left at its default, only a station without a usable callsign gets the first-run message, a
// damaged or unwritable file is told once, and the program goes on with the settings it holds.
void Test_Entrees_Abimees::Reglages_Abimes_data() {
    QTest::addColumn<QByteArray>("fichier"); // the whole file, when no key is set
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<QString>("station");
    QTest::addColumn<int>("bande");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("date_auto");
    QTest::addColumn<QString>("panne"); // "dossier": a folder in the file's place; "lecture seule": its disk
    QTest::addColumn<QString>("message"); // about the settings file (named by %1), if any
    const auto reglage = [](const char* nom, const char* cle, const QString& valeur, const char* station,
                            int bande, int mode, bool date_auto) {
        QTest::newRow(nom) << QByteArray() << cle << valeur << station << bande << mode << date_auto
                           << QString() << QString();
    };
    reglage("bande 99", "bande Utilisee", "99", "F5ABC", 0, 0, true);
    reglage("bande -1", "bande Utilisee", "-1", "F5ABC", -1, 0, true);
    reglage("bande abc", "bande Utilisee", "abc", "F5ABC", 0, 0, true);
    reglage("bande 3.5", "bande Utilisee", "3.5", "F5ABC", 0, 0, true);
    reglage("bande enorme", "bande Utilisee", "99999999999999999999", "F5ABC", 0, 0, true);
    reglage("bande 11", "bande Utilisee", "11", "F5ABC", 11, 0, true);
    reglage("mode 3", "Mode Utilise", "3", "F5ABC", 0, 0, true);
    reglage("mode -2", "Mode Utilise", "-2", "F5ABC", 0, 0, true);
    reglage("mode 2", "Mode Utilise", "2", "F5ABC", 0, 2, true);
    reglage("Date Auto oui", "Date Auto", "oui", "F5ABC", 0, 0, true);
    reglage("Date Auto vide", "Date Auto", "", "F5ABC", 0, 0, true);
    reglage("Date Auto Non", "Date Auto", "Non", "F5ABC", 0, 0, false);
    reglage("indicatif de 40 caracteres", "Indicatif Station", QString(40, 'F'), "FXXXX", 0, 0, true);
    reglage("indicatif avec /", "Indicatif Station", "F5ABC/P", "FXXXX", 0, 0, true);
    reglage("indicatif vers un autre dossier", "Indicatif Station", "../../F5ABC", "FXXXX", 0, 0, true);
    reglage("indicatif avec NUL", "Indicatif Station", QStringLiteral("F5ABC\u0000"), "FXXXX", 0, 0, true);
    const QString abime = QStringLiteral("Le fichier de réglages %1 est abîmé : les réglages qui n'ont pas "
                                         "pu y être lus reprennent leur valeur "
                                         "par défaut.");
    const auto fichier = [](const char* nom, const QByteArray& octets, const char* station,
                            const QString& message = {}, const char* panne = "") {
        QTest::newRow(nom) << octets << QString() << QString() << station << 0 << 0 << true << panne
                           << message;
    };
    fichier("fichier vide", QByteArray(), "FXXXX");
    fichier("fichier binaire", QByteArray("\x00\x01\xff\xfe[\x00]\r\n\x81\x8d=\x8f\x90\x9d", 15), "FXXXX",
            abime);
    // What can still be read is used, when it is a usable callsign.
    fichier("section tronquee", "[Setup%20\r\nIndicatif%20Station=F5A", "F5A", abime);
    fichier("ligne enorme", "[Setup%20]\nIndicatif%20Station=" + QByteArray(5 * 1024 * 1024, 'A'), "FXXXX");
    fichier("CR seuls", "[Setup%20]\rIndicatif%20Station=F5/ABC\r[Setup%20F5ABC]\rbande%20Utilisee=x\r",
            "FXXXX");
    // Each value damaged; the NUL must not end the file there.
    static const char hors_limites[] =
        "[Setup%20]\r\nIndicatif%20Station=F5ABC\r\n[Setup%20F5ABC]\r\nbande%20Utilisee=\x00\x81\r\n"
        "Mode%20Utilise=@ByteArray(\xff)\r\nDate%20Auto=\x9d\r\n";
    fichier("valeurs hors limites", QByteArray(hors_limites, sizeof hors_limites - 1), "F5ABC");
    const QString refuse = QStringLiteral(
        "Impossible d'enregistrer les réglages dans le fichier %1 : le fichier ne peut pas être écrit.\r\nLe "
        "programme continue, mais les réglages changés seront perdus à sa fermeture.");
    fichier("un dossier a la place du fichier", QByteArray(), "FXXXX", refuse, "dossier");
    fichier("disque en lecture seule", "[Setup%20]\r\nIndicatif%20Station=F5ABC\r\n", "F5ABC", refuse,
            "lecture seule");
}

void Test_Entrees_Abimees::Reglages_Abimes() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, cle);
    QFETCH(QString, valeur);
    QFETCH(QString, station);
    QFETCH(int, bande);
    QFETCH(int, mode);
    QFETCH(bool, date_auto);
    QFETCH(QString, panne);
    QFETCH(QString, message);
    Plateforme_Test t;
    std::optional<Disque_Monte> disque;
    if (panne == "lecture seule") {
        disque.emplace(t.dossier_reglages.path(), 1024 * 1024);
        if (!disque->Monte())
            QSKIP(qPrintable("cannot mount a tmpfs here (" + disque->Raison() + ")"));
    }
    if (panne == "dossier") {
        QVERIFY(QDir().mkdir(t.Fichier_Reglages()));
    } else if (cle.isEmpty()) {
        QFile reglages(t.Fichier_Reglages());
        QVERIFY(reglages.open(QIODevice::WriteOnly));
        reglages.write(fichier);
    } else {
        t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
        t.Ecrit_Reglage("Setup F5ABC", "Date Auto", "Oui");
        t.Ecrit_Reglage(cle == "Indicatif Station" ? "Setup " : "Setup F5ABC", cle, valeur);
    }
    if (disque)
        QVERIFY(disque->Lecture_Seule(true));
    Parametres parametres(std::make_unique<QSettings>(t.Fichier_Reglages(), QSettings::IniFormat));
    parametres.Avertit_Par([&t](const QString& texte) { t.messages.Affiche(texte); });
    Plateforme plateforme{t.messages, t.horloge, t.repertoire, parametres, t.fichiers, t.imprimante};
    Main main(plateforme);
    main.Form_Load();
    QCOMPARE(main.I_Station->text(), station);
    QCOMPARE(main.Bande_A->currentIndex(), bande);
    QCOMPARE(main.Mode_A->currentIndex(), mode);
    QCOMPARE(main.Mnu_Date_Auto->isChecked(), date_auto);
    QCOMPARE(main.Mnu_Date_Man->isChecked(), !date_auto);

    // Each choice of dating writes it, after the two settings the start wrote.
    for (QAction* choix : {main.Mnu_Date_Man, main.Mnu_Date_Auto, main.Mnu_Date_Man})
        choix->trigger();
    QVERIFY(main.Mnu_Date_Man->isChecked());
    QCOMPARE(parametres.Lit(Reglages::Date_Auto, station), QStringLiteral("Non"));
    QStringList messages;
    if (!message.isEmpty())
        messages << message.arg(QDir::toNativeSeparators(t.Fichier_Reglages()));
    if (station == "FXXXX")
        messages << Textes::Premiere_Installation;
    QCOMPARE(t.messages.textes, messages);
    QCOMPARE(t.Lit_Fichier("F5ABC/P_TORV.log"), QByteArray("<absent>"));
}

// Each damaged reference file, looked up on Enter in Ref_A and shown in the lighthouse window: the
// program goes on, and the operator is told where he must correct what the file gave him.
void Test_Entrees_Abimees::Liste_Phare_Abimee_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QString>("departement");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("phares");            // lines of the lighthouse window
    QTest::addColumn<QStringList>("premieres"); // its first lines
    QTest::addColumn<QStringList>("messages");  // on Enter in Dpt_A, then in Rem_A
    const auto liste = [](const char* nom, const QByteArray& fichier, const QString& departement,
                          const QString& phare, int phares, const QStringList& premieres,
                          const QStringList& messages) {
        QTest::newRow(nom) << fichier << departement << phare << phares << premieres << messages;
    };
    const auto trouve = [&](const char* nom, const QByteArray& fichier) {
        liste(nom, fichier, "29", "P. Phare du Creac'h", 1, {Ligne_Creach}, {});
    };
    const auto aucun = [&](const char* nom, const QByteArray& fichier) {
        liste(nom, fichier, "", "P. ", 0, {}, {"Entrez un Departement"});
    };
    trouve("fiche tronquee apres le numero", Creach + "Phare coupe\r\n2000");
    trouve("ligne tronquee", Creach + "Phare co");
    QByteArray lf = Creach, cr = Creach;
    trouve("fins LF seules", lf.replace("\r\n", "\n"));
    trouve("fins CR seules", cr.replace("\r\n", "\r"));
    aucun("fiche de trois lignes seulement", "Phare\r\n1004\r\n\r\n");
    aucun("vide", "");
    aucun("20 Mo d'une seule ligne", QByteArray(Vingt_Mo, 'P'));
    const QByteArray long_nom(5000, 'N');
    liste("nom trop long", long_nom + "\r\n1004\r\n\r\n29\r\n\r\n", "29", "P. " + long_nom, 1,
          {" " + QString(40, 'N') + "1004          29 "}, {"30 caracteres maxi pour le nom du Phare"});
    liste("numero trop long, zeros en tete",
          "Phare du Creac'h\r\n" + QByteArray(5000, '0') + "1004\r\nLH1\r\n29\r\n\r\n", "29",
          "P. Phare du Creac'h", 1, {" Phare du Creac'h                        00000  LH1    29 "}, {});
    liste("departement trop long", "Phare\r\n1004\r\n\r\n  " + QByteArray(300, '2') + "  \r\n\r\n",
          QString(300, '2'), "P. Phare", 1, {" Phare                                   1004            2"},
          {"2 caracteres maxi pour le Departement"});
    liste("NUL et octets binaires", QByteArray("Phare\x00\x01\x1b\xff\r\n1004\r\n\r\n29\r\n\r\n", 25), "29",
          QString::fromLatin1("P. Phare\x00\x01\x1b\xff", 12), 1,
          {QString::fromLatin1(" Phare\x00\x01\x1b\xff", 10) + QString(31, ' ') + "1004          29 "},
          {"Caractere non autorise : code 0"});
    liste("octets indefinis en Windows-1252", "Phare " + Indefinis + "\r\n1004\r\n\r\n29\r\n\r\n", "29",
          QStringLiteral("P. Phare \u0081\u008d\u008f\u0090\u009d"), 1,
          {QStringLiteral(" Phare \u0081\u008d\u008f\u0090\u009d") + QString(29, ' ') + "1004          29 "},
          {"Caractere non autorise : code 129"});
    const QByteArray phares = Vingt_Mo_De_Phares();
    liste("20 Mo de phares, le dernier cherche", phares, "29", "P. Phare du Creac'h",
          static_cast<int>(Fichier_Texte::Coupe_Lignes(phares).size() / 5),
          {" Phare numero 0                          2000          56 "}, {});
    // The lighthouse after the garbage, on a record's first line: the garbage is read as lighthouses.
    QByteArray hasard = Au_Hasard(Vingt_Mo, 3) + "\r\n";
    while (Fichier_Texte::Coupe_Lignes(hasard).size() % 5 != 0)
        hasard += "\r\n";
    liste("20 Mo au hasard, puis la fiche", hasard + Creach, "29", "P. Phare du Creac'h",
          static_cast<int>(Fichier_Texte::Coupe_Lignes(hasard + Creach).size() / 5), {}, {});
}

void Test_Entrees_Abimees::Liste_Phare_Abimee() {
    QFETCH(QByteArray, fichier);
    QFETCH(QString, departement);
    QFETCH(QString, nom);
    QFETCH(int, phares);
    QFETCH(QStringList, premieres);
    QFETCH(QStringList, messages);
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Fichier("Liste_Phare.txt", fichier);
    Main main(t.plateforme);
    Demarre(main);
    Avance_Jusqu_A(main, "Ref_A");
    Tape(main, "1004");
    QElapsedTimer chrono;
    chrono.start();
    Entree(main);
    QVERIFY2(chrono.elapsed() < 60000, "recherche sans fin");
    QCOMPARE(t.messages.textes, QStringList());
    QCOMPARE(main.Dpt_A->text(), departement);
    QCOMPARE(main.Rem_A->text(), nom);
    QCOMPARE(Champ(main), main.Dpt_A);

    Entree(main);
    Entree_Dans(main, main.Rem_A);
    QCOMPARE(t.messages.textes, messages);

    chrono.start();
    main.Mnu_Liste_FR->trigger();
    const QListWidget* fenetre = main.findChild<Phares_Francais*>()->Phares_FR;
    QVERIFY2(chrono.elapsed() < 60000, "liste sans fin");
    QCOMPARE(fenetre->count(), phares);
    QStringList lignes;
    for (int i = 0; i < qMin(fenetre->count(), 100); ++i) {
        QCOMPARE(fenetre->item(i)->text().size(), 58);
        if (i < premieres.size())
            lignes << fenetre->item(i)->text();
    }
    QCOMPARE(lignes, premieres);
    QCOMPARE(t.messages.textes, messages);
}

// Each damaged first-name memory around the line of F5XYZ: looking F5XYZ up still finds LUC, and
// recording a QSO with F5XYZ rewrites that line alone, every other line kept byte for byte.
void Test_Entrees_Abimees::Prenoms_Abimes_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<Lignes>("lignes"); // the file's lines, Luc's among them
    QTest::newRow("lignes tronquees") << "F5A\r\nF5ABC      \r\n" + Luc + "\r\n"
                                      << Lignes{"F5A", "F5ABC      ", Luc};
    const QByteArray longue = "F5LONG       29 " + QByteArray(5000, 'A');
    QTest::newRow("ligne trop longue") << longue + "\r\n" + Luc + "\r\n" << Lignes{longue, Luc};
    const QByteArray nul("F5NUL\x00\x00      29 \x00\x01\xff", 19);
    QTest::newRow("NUL et octets binaires") << nul + "\r\n" + Luc + "\r\n" << Lignes{nul, Luc};
    const QByteArray indefinis = "F5UND" + Indefinis + "  29 \x9d";
    QTest::newRow("octets indefinis en Windows-1252") << Luc + "\r\n" + indefinis << Lignes{Luc, indefinis};
    const Lignes autour{"F5AAA        29 ANNE", Luc, "F5BBB        56 YVES"};
    QTest::newRow("fins LF seules") << Fichier_Texte::Joint_Lignes(autour).replace("\r\n", "\n") << autour;
    QTest::newRow("fins CR seules") << Fichier_Texte::Joint_Lignes(autour).replace("\r\n", "\r").chopped(1)
                                    << autour;
    QTest::newRow("ligne vide") << "\r\n" + Luc << Lignes{"", Luc};
    const QByteArray hasard = Au_Hasard(Vingt_Mo, 5);
    QTest::newRow("20 Mo au hasard") << Luc + "\r\n" + hasard
                                     << Lignes{Luc} + Fichier_Texte::Coupe_Lignes(hasard);
}

void Test_Entrees_Abimees::Prenoms_Abimes() {
    QFETCH(QByteArray, fichier);
    QFETCH(Lignes, lignes);
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Fichier(Prenoms::Nom_Fichier, fichier);
    Main main(t.plateforme);
    Demarre(main);
    QElapsedTimer chrono;
    chrono.start();
    Saisit(main, "f5xyz");
    QVERIFY2(chrono.elapsed() < 60000, "recherche sans fin");
    QCOMPARE(main.Prenom_A->text(), QStringLiteral("LUC"));
    QVERIFY(!main.session.Prenom_Nouveau());
    main.Efface_A->click();

    Enregistre_QSO(main, "paul");
    QCOMPARE(t.messages.textes, QStringList{"Voulez vous enregistrer ces données ?"});
    lignes[lignes.indexOf(Luc)] = "F5XYZ        29 PAUL";
    QVERIFY(t.Lit_Fichier(Prenoms::Nom_Fichier) == Joint_Lignes(lignes));
    QCOMPARE(main.Modele_TORV->rowCount(), 1);
}

// A damaged line of the memory, looked up: what it gives reaches the first-name field, and the
// operator is told on Enter when it cannot go into the log.
void Test_Entrees_Abimees::Prenom_Abime_Trouve_data() {
    QTest::addColumn<QByteArray>("ligne");
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("prenom");
    QTest::addColumn<QStringList>("messages"); // on Enter in Prenom_A
    QTest::newRow("tronquee avant le prenom") << QByteArray("F5A") << "F5A"
                                              << "" << QStringList();
    QTest::newRow("prenom trop long")
        << "F5LONG       29 " + QByteArray(5000, 'a') << "F5LONG" << QString(5000, 'A')
        << QStringList{"15 caracteres maxi pour le Prenom"};
    QTest::newRow("NUL dans le prenom")
        << QByteArray("F5NUL        29 JO\x00", 19) << "F5NUL" << QString::fromLatin1("JO\x00", 3)
        << QStringList{"Caractere non autorise : code 0"};
    QTest::newRow("octets indefinis dans le prenom")
        << QByteArray("F5UND        29 \x81\x8d") << "F5UND" << QStringLiteral("\u0081\u008d")
        << QStringList{"Caractere non autorise : code 129"};
    QTest::newRow("NUL dans l'indicatif: pas trouve") << QByteArray("F5N\x00L        29 JO", 18) << "F5N"
                                                      << "" << QStringList();
}

void Test_Entrees_Abimees::Prenom_Abime_Trouve() {
    QFETCH(QByteArray, ligne);
    QFETCH(QString, indicatif);
    QFETCH(QString, prenom);
    QFETCH(QStringList, messages);
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Fichier(Prenoms::Nom_Fichier, Luc + "\r\n" + ligne + "\r\n");
    Main main(t.plateforme);
    Demarre(main);
    Saisit(main, indicatif);
    QCOMPARE(main.Prenom_A->text(), prenom);
    QCOMPARE(Champ(main), main.Prenom_A);
    Entree(main);
    QCOMPARE(t.messages.textes, messages);
    QCOMPARE(Champ(main), messages.isEmpty() ? main.Ref_A : main.Prenom_A);
}

// Pasted into a field after its check, a line end would cut the log's line in two: the record
// button refuses it, and both files stay as they were.
void Test_Entrees_Abimees::Fin_De_Ligne_Collee_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    QTest::newRow("LF dans le nom du phare") << "Rem_A"
                                             << "P. Phare\ndu Stiff"
                                             << "Caractere non autorise : code 10";
    QTest::newRow("CR dans le prenom") << "Prenom_A"
                                       << "JEAN\rLUC"
                                       << "Caractere non autorise : code 13";
    QTest::newRow("tabulation dans l'indicatif") << "Ind_A"
                                                 << "F5\tXYZ"
                                                 << "Caractere non autorise : code 9";
    QTest::newRow("caractere non encodable avant un controle")
        << "Rem_A" << QString::fromUtf8("P. Ł\n") << QString::fromUtf8("Caractere non autorise : Ł");
}

void Test_Entrees_Abimees::Fin_De_Ligne_Collee() {
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Fichier("F5ABC_TORV.log", "");
    Main main(t.plateforme);
    Demarre(main);
    main.Mnu_Date_Man->trigger();
    Avance_Jusqu_A(main, "QSL_A");
    Entree(main);
    main.findChild<QLineEdit*>(champ)->setText(texte);
    const QStringList avant = Etat_Saisie(main);
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{message});
    QCOMPARE(Etat_Saisie(main), avant);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), QByteArray());
    QCOMPARE(t.Lit_Fichier(Prenoms::Nom_Fichier), QByteArray("<absent>"));
}

KEZ_TEST(Test_Entrees_Abimees)

#include "Test_Entrees_Abimees.moc"
