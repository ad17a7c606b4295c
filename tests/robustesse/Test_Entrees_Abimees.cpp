#include "Aide.h"
#include "lighthouses/Phares_Francais.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "log/Modele_Log.h"
#include "log/Prenoms_Station.h"

#include <QListView>
#include <QListWidget>
#include <QRandomGenerator>
#include <QSettings>

// Damaged or hostile files for each reader: the log, the lighthouse list, the first names, the settings.
class Test_Entrees_Abimees : public QObject {
    Q_OBJECT

private slots:
    void Fichier_Abime_data();
    void Fichier_Abime();
    void Log_Illisible_Un_Moment();
};

using Lecteur = void (*)(const QByteArray& fichier, const QStringList& attendu);
Q_DECLARE_METATYPE(Lecteur)

namespace {

QByteArray Q(const char* indicatif, const char* date) {
    return Fichier_Texte::Encode(Enregistrement::Compose(
        {indicatif, "29", "Yann", "PB1004", date, "10:00", "SSB", "14 Mhz", "59", "59", "Phare", " "}));
}

const QByteArray A = Q("F5AAA", "01/01/99"), B = Q("F5BBB", "02/01/99"), M = Q("F5MMM", "01/01/99"),
                 N = Q("F5NNN", "01/06/00"), Z = Q("F5ZZZ", "31/12/49");
// Bytes Windows-1252 leaves undefined, then NUL and binary ones.
const QByteArray Abimes("\x81\x8d\x8f\x90\x9d\x00\x01\x1b\x7f", 9);
const QByteArray Creach = "Phare du Creac'h\r\n1004\r\nLH1\r\n29\r\n\r\n", Luc = "F5XYZ        29 LUC";

// 20 MB at random, line ends included, the same on each run.
QByteArray Vingt_Mo(quint32 graine) {
    QByteArray octets(20 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator(graine).fillRange(reinterpret_cast<quint32*>(octets.data()), octets.size() / 4);
    return octets;
}

// Changes elsewhere keep the damaged lines byte for byte; the one chosen in the list is changed alone.
void Log_Lu(const QByteArray& abime, const QStringList&) {
    Poste poste({{"F5ABC_TORV.log", Joint_Lignes({A, B}) + abime + Z + "\r\n"}});
    auto& [t, main] = poste;
    Lignes attendu = Lignes{M} + Fichier_Texte::Coupe_Lignes(abime) + Lignes{Z};
    QCOMPARE(main.Modele_TORV->rowCount(), attendu.size() + 1);
    QVERIFY(main.journal.Remplace_QSO_Log(Fichier_Texte::Decode(M), {0, A}));
    QVERIFY(main.journal.Supprime_QSO_Log({1, B}));
    QVERIFY(t.Lit_Fichier("F5ABC_TORV.log") == Joint_Lignes(attendu));
    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(1));
    QVERIFY(main.session.QSO_Selectionne().octets == attendu[1]);
    QVERIFY(main.journal.Remplace_QSO_Log(Fichier_Texte::Decode(B), main.session.QSO_Selectionne()));
    attendu[1] = B;
    QVERIFY(main.journal.Insere_QSO_Log(Fichier_Texte::Decode(N)));
    QVERIFY(t.Lit_Fichier("F5ABC_TORV.log") == Joint_Lignes(Journal::Insere(attendu, N)));
    QCOMPARE(t.messages.textes, QStringList());
}

// PB1004 looked up: {departement, nom}, the refusal on Enter in the name, the lighthouse window's lines.
void Phares_Lus(const QByteArray& fichier, const QStringList& attendu) {
    Poste poste({{"Liste_Phare.txt", fichier}});
    auto& [t, main] = poste;
    Avance_Jusqu_A(main, "Ref_A");
    Saisit(main, "1004");
    main.Rem_A->setEnabled(true);
    main.Rem_A->setFocus();
    Entree(main);
    main.Mnu_Liste_FR->trigger();
    const QListWidget* fenetre = main.findChild<Phares_Francais*>()->Phares_FR;
    QStringList vu = QStringList{main.Dpt_A->text(), main.Rem_A->text()} + t.messages.textes;
    QCOMPARE(vu << QString::number(fenetre->count()), attendu);
    for (int i = 0; i < qMin(fenetre->count(), 100); ++i)
        QCOMPARE(fenetre->item(i)->text().size(), 58);
}

// {indicatif} looked up: {prenom}, the refusal on Enter. A new name for F5XYZ rewrites its line alone.
void Prenoms_Lus(const QByteArray& fichier, const QStringList& attendu) {
    Poste poste({{Prenoms::Nom_Fichier, fichier}});
    auto& [t, main] = poste;
    Saisit(main, attendu[0]);
    Entree(main);
    QCOMPARE(QStringList({attendu[0], main.Prenom_A->text()}) + t.messages.textes, attendu);
    QCOMPARE(Champ(main), attendu.size() == 2 ? main.Ref_A : main.Prenom_A);
    Sous_Programmes::Recherche_Prenom(main, "F5XYZ");
    QVERIFY(Sous_Programmes::Memorise_Prenom(main, "F5XYZ        29 PAUL"));
    Lignes lignes = Fichier_Texte::Coupe_Lignes(fichier);
    (lignes.contains(Luc) ? lignes[lignes.indexOf(Luc)] : lignes.emplaceBack()) = "F5XYZ        29 PAUL";
    QVERIFY(t.Lit_Fichier(Prenoms::Nom_Fichier) == Joint_Lignes(lignes));
}

// {station, bande, mode, date auto} once written again and again: a damaged or unwritable file (a folder
// in its place) is told once, and the settings held go on.
void Reglages_Lus(const QByteArray& fichier, const QStringList& attendu) {
    Plateforme_Test t;
    QFile ini(t.Fichier_Reglages());
    QVERIFY(fichier == "<dossier>" ? QDir().mkdir(ini.fileName())
                                   : ini.open(QIODevice::WriteOnly) && ini.write(fichier) == fichier.size());
    ini.close();
    Parametres parametres(std::make_unique<QSettings>(ini.fileName(), QSettings::IniFormat));
    parametres.Avertit_Par([&t](const QString& texte) { t.messages.Affiche(texte); });
    const QString station = parametres.Indicatif_Station();
    for (const char* valeur : {"Non", "Oui", "Non"})
        parametres.Ecrit(Reglages::Date_Auto, valeur, station);
    QCOMPARE(
        QStringList({station, QString::number(parametres.Lit_Position(Reglages::Bande_Utilisee, station, 12)),
                     QString::number(parametres.Lit_Position(Reglages::Mode_Utilise, station, 3)),
                     parametres.Lit(Reglages::Date_Auto, station)}) +
            t.messages.textes.replaceInStrings(QDir::toNativeSeparators(ini.fileName()), "%1"),
        attendu);
}

void Ligne(Lecteur lecteur, const char* nom, const QByteArray& fichier, const QStringList& attendu = {}) {
    QTest::newRow(nom) << lecteur << fichier << attendu;
}

} // namespace

void Test_Entrees_Abimees::Fichier_Abime_data() {
    QTest::addColumn<Lecteur>("lecteur");
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QStringList>("attendu");
    Ligne(Log_Lu, "log vide", "");
    Ligne(Log_Lu, "log, ligne trop longue", A + QByteArray(5000, 'X') + "\r\n");
    Ligne(Log_Lu, "log, octets abimes", QByteArray(Z).replace(0, 9, Abimes).replace(80, 9, Abimes) + "\r\n",
          {});
    Ligne(Log_Lu, "log, lignes tronquees, fins LF", A.left(20) + "\n" + B.left(20) + "\n");
    Ligne(Log_Lu, "log, lignes tronquees, fins CR", A.left(20) + "\r" + B.left(20) + "\r");
    Ligne(Log_Lu, "log, 20 Mo au hasard", Vingt_Mo(8) + "\r\n");

    const QStringList trouve{"29", "P. Phare du Creac'h", "1"};
    QByteArray lf = Creach, cr = Creach, hasard = Vingt_Mo(3) + "\r\n";
    // The garbage read as lighthouses, the one looked up on a record's first line.
    while (Fichier_Texte::Coupe_Lignes(hasard).size() % 5 != 0)
        hasard += "\r\n";
    Ligne(Phares_Lus, "phares vide", "", {"", "P. ", "0"});
    Ligne(Phares_Lus, "phares, ligne tronquee, fins LF", lf.replace("\r\n", "\n") + "Phare co", trouve);
    Ligne(Phares_Lus, "phares, fins CR", cr.replace("\r\n", "\r"), trouve);
    Ligne(Phares_Lus, "phares, ligne trop longue", QByteArray(5000, 'N') + "\r\n1004\r\n\r\n29\r\n\r\n",
          {"29", "P. " + QString(5000, 'N'), "30 caracteres maxi pour le nom du Phare", "1"});
    Ligne(Phares_Lus, "phares, octets abimes", "Phare " + Abimes + "\r\n1004\r\n\r\n29\r\n\r\n",
          {"29", "P. Phare " + QString::fromLatin1(Abimes), "Caractere non autorise : code 129", "1"});
    Ligne(Phares_Lus, "phares, 20 Mo au hasard", hasard + Creach,
          {"29", "P. Phare du Creac'h", QString::number(Fichier_Texte::Coupe_Lignes(hasard).size() / 5 + 1)});

    const QStringList luc{"F5XYZ", "LUC"};
    const QByteArray autour = Joint_Lignes({"F5AAA        29 ANNE", Luc, "F5BBB        56 YVES"});
    Ligne(Prenoms_Lus, "prenoms vide", "", {"F5XYZ", ""});
    Ligne(Prenoms_Lus, "prenoms, lignes tronquees", "F5A\r\nF5ABC      \r\n" + Luc + "\r\n", {"F5A", ""});
    Ligne(Prenoms_Lus, "prenoms trop longs", "F5LONG       29 " + QByteArray(5000, 'a') + "\r\n" + Luc,
          {"F5LONG", QString(5000, 'A'), "15 caracteres maxi pour le Prenom"});
    Ligne(Prenoms_Lus, "prenoms, octets abimes", Luc + "\r\nF5BIN        29 " + Abimes,
          {"F5BIN", QString::fromLatin1(Abimes), "Caractere non autorise : code 129"});
    Ligne(Prenoms_Lus, "prenoms, fins LF", QByteArray(autour).replace("\r\n", "\n"), luc);
    Ligne(Prenoms_Lus, "prenoms, fins CR", QByteArray(autour).replace("\r\n", "\r").chopped(1), luc);
    Ligne(Prenoms_Lus, "prenoms, 20 Mo au hasard", Luc + "\r\n" + Vingt_Mo(5), luc);

    const QStringList station{"F5ABC", "0", "0", "Non"}, aucune{"FXXXX", "0", "0", "Non"};
    const QString abime = "Le fichier de réglages %1 est abîmé : les réglages qui n'ont pas pu y être lus "
                          "reprennent leur valeur par défaut.";
    const QByteArray ini = "[Setup%20]\r\nIndicatif%20Station=F5ABC\r\n[Setup%20F5ABC]\r\n";
    Ligne(Reglages_Lus, "reglages vides", "", aucune);
    Ligne(Reglages_Lus, "reglages hors limites", ini + "bande%20Utilisee=12\r\nMode%20Utilise=-2", station);
    Ligne(Reglages_Lus, "reglages aux limites", ini + "bande%20Utilisee=11\r\nMode%20Utilise=-1",
          {"F5ABC", "11", "-1", "Non"});
    // The NUL must not end the file there.
    Ligne(Reglages_Lus, "reglages, valeurs abimees",
          ini + "bande%20Utilisee=" + Abimes + "\r\nMode%20Utilise=@ByteArray(\xff)", station);
    Ligne(Reglages_Lus, "reglages binaires", QByteArray("\x00\xff\xfe[\x00]\r\n", 8) + Abimes,
          aucune + QStringList{abime});
    // What can still be read is used, when it is a usable callsign.
    Ligne(Reglages_Lus, "reglages, section tronquee", "[Setup%20\r\nIndicatif%20Station=F5A",
          {"F5A", "0", "0", "Non", abime});
    Ligne(Reglages_Lus, "reglages 5 Mo", "[Setup%20]\nIndicatif%20Station=" + QByteArray(5 << 20, 'A'),
          aucune);
    Ligne(Reglages_Lus, "reglages CR", "[Setup%20]\rIndicatif%20Station=F5/ABC\r[Setup%20F5ABC]\r", aucune);
    const QString refuse =
        "Impossible d'enregistrer les réglages dans le fichier %1 : le fichier ne peut pas "
        "être écrit.\r\nLe programme continue, mais les réglages changés seront perdus à sa "
        "fermeture.";
    Ligne(Reglages_Lus, "reglages impossibles a ecrire", "<dossier>", aucune + QStringList{refuse});
}

void Test_Entrees_Abimees::Fichier_Abime() {
    QFETCH(Lecteur, lecteur);
    QFETCH(QByteArray, fichier);
    QFETCH(QStringList, attendu);
    lecteur(fichier, attendu);
}

// A log unreadable for a while (a disk slow to come back) is never taken for the empty list shown.
void Test_Entrees_Abimees::Log_Illisible_Un_Moment() {
    Poste poste({{"F5ABC_TORV.log", Joint_Lignes({A, B})}});
    auto& [t, main] = poste;
    t.fichiers.lecture_refusee = QStringLiteral("disque absent");
    main.journal.Lecture_Log();
    QCOMPARE(main.Modele_TORV->rowCount(), 0);
    QVERIFY(!main.journal.Ajout_Fin_Log(Fichier_Texte::Decode(N)));
    QCOMPARE(t.messages.textes, QStringList(2, "Impossible de lire le fichier " + t.Chemin("F5ABC_TORV.log") +
                                                   " : disque absent"));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Joint_Lignes({A, B}));
    t.fichiers.lecture_refusee.clear();
    QVERIFY(main.journal.Ajout_Fin_Log(Fichier_Texte::Decode(N)));
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Joint_Lignes({A, B, N}));
    QCOMPARE(main.Modele_TORV->rowCount(), 3);
}

KEZ_TEST(Test_Entrees_Abimees)

#include "Test_Entrees_Abimees.moc"
