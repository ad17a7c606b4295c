#include "Aide.h"
#include "log/Prenoms.h"
#include "reports/Rapports_Station.h"
#include "support/Log_Genere.h"

#include <QCryptographicHash>
#include <QScopeGuard>
#include <QStorageInfo>
#include <sys/mount.h>

// A rewrite failing at each of its steps, through the file layer or on a real read-only or full disk.
class Test_Pannes : public QObject {
    Q_OBJECT

private slots:
    void Reecriture_Interrompue_data();
    void Reecriture_Interrompue();
};

using Etape = Fichiers_Defaillants::Etape;

namespace {

// Recording writes the first-name memory, then the log; the other changes and reports write as these do.
enum Geste { Enregistre_QSO, Nouvelle_Station, Export };
// Sans_Memoire: no first-name memory yet; Collee: a line end pasted in the entry must stop the recording.
enum class Panne { Simulee, Sans_Memoire, Collee, Lecture_Seule, Disque_Plein };
const QString Log_Station = "F5ABC_TORV.log", Log_Nouveau = "F6XYZ_TORV.log", Adif = "F5ABC_TORV.adi";

void Demarre_Saisie(Plateforme_Test& t, Main& main, bool sans_prenoms) {
    static const QByteArray log = Joint_Lignes(Log_Genere::Lignes(6000));
    Prepare(t);
    t.Ecrit_Fichier(Log_Station, log);
    t.Ecrit_Fichier("FXXXX.txt", log);
    t.Ecrit_Fichier(Adif, "version precedente\r\n");
    if (!sans_prenoms)
        t.Ecrit_Fichier(Prenoms::Nom_Fichier, "F5AAA        29 ANNE\r\nF5BBB        56 YVES\r\n");
    Demarre(main);
    main.Mnu_Date_Man->trigger();
    for (const char* texte : {"f5xyz", "luc", "1004", "", "14/07/06", "10:05", "", "", "", "", "", ""})
        Saisit(main, texte);
}

void Fait(Main& main, int geste) {
    if (geste == Enregistre_QSO)
        Entree(main);
    else if (geste == Nouvelle_Station)
        main.journal.Creer_Log_Station("F6XYZ");
    else
        main.Mnu_ADIF->trigger();
}

// The files' bytes and what the operator sees.
QStringList Releve(Main& main, const Plateforme_Test& t) {
    QStringList releve = Etat_Saisie(main);
    for (const QString& nom : QDir(t.repertoire.Chemin()).entryList(QDir::Files | QDir::Hidden))
        releve << nom + ' ' + QCryptographicHash::hash(t.Lit_Fichier(nom), QCryptographicHash::Md5).toHex();
    return releve << main.session.Ligne_Selectionnee() << QString::number(main.session.Prenom_Nouveau());
}

// The same gesture once made on a disk that works.
QStringList Reussite(int geste, bool sans_prenoms) {
    Plateforme_Test t;
    Main main(t.plateforme);
    Demarre_Saisie(t, main, sans_prenoms);
    Fait(main, geste);
    return Releve(main, t);
}

} // namespace

void Test_Pannes::Reecriture_Interrompue_data() {
    QTest::addColumn<int>("geste");
    QTest::addColumn<QString>("fichier"); // whose rewrite fails
    QTest::addColumn<Panne>("panne");
    QTest::addColumn<Etape>("etape");
    const auto ligne = [](int geste, const QString& fichier, Panne panne, Etape etape) {
        const QStringList etapes{"",          "ouverture", "ecriture", "vidage", "synchronisation",
                                 "renommage", "dossier"};
        const QStringList pannes{"", ", sans memoire", "fin de ligne collee", "lecture seule",
                                 "disque plein"};
        QTest::addRow("%s, %s", qPrintable(fichier), qPrintable(etapes[int(etape)] + pannes[int(panne)]))
            << geste << fichier << panne << etape;
    };
    for (const auto& [geste, fichier] : {std::pair{Enregistre_QSO, Prenoms::Nom_Fichier},
                                         {Enregistre_QSO, Log_Station},
                                         {Nouvelle_Station, Log_Nouveau},
                                         {Export, Adif}}) {
        for (const Etape etape : {Etape::Ouverture, Etape::Ecriture, Etape::Vidage, Etape::Synchronisation,
                                  Etape::Validation, Etape::Synchronisation_Dossier})
            ligne(geste, fichier, Panne::Simulee, etape);
        if (fichier != Log_Station)
            ligne(geste, fichier, Panne::Lecture_Seule, Etape::Aucune);
        if (fichier != Prenoms::Nom_Fichier)
            ligne(geste, fichier, Panne::Disque_Plein, Etape::Aucune);
    }
    ligne(Enregistre_QSO, Log_Station, Panne::Sans_Memoire, Etape::Ecriture);
    ligne(Enregistre_QSO, Log_Station, Panne::Collee, Etape::Aucune);
}

// He is told which file and why, nothing changes, and the gesture succeeds once the disk works again.
void Test_Pannes::Reecriture_Interrompue() {
    QFETCH(int, geste);
    QFETCH(QString, fichier);
    QFETCH(Panne, panne);
    QFETCH(Etape, etape);
    const bool sans_prenoms = panne == Panne::Sans_Memoire, reel = panne >= Panne::Lecture_Seule;
    const QStringList reussite = Reussite(geste, sans_prenoms);
    const QStringList question =
        Message(geste == Enregistre_QSO ? "Voulez vous enregistrer ces données ?" : "");
    const QStringList annonce = Message(geste == Export ? Sous_Programmes::Annonce_Fichier + Adif : "");
    Plateforme_Test t;
    // A tmpfs (root only): file modes do not stop root. Full, it leaves room for the memory, not a log.
    const QByteArray dossier = QFile::encodeName(t.repertoire.Chemin());
    const auto monte = [&](auto mode) { return ::mount("tmpfs", dossier, "tmpfs", mode, "size=4m") == 0; };
    if (reel && !monte(0))
        QSKIP("cannot mount a tmpfs here");
    const auto demonte = qScopeGuard([&] { ::umount2(dossier, MNT_DETACH); });
    Main main(t.plateforme);
    Demarre_Saisie(t, main, sans_prenoms);
    t.messages.textes.clear();
    t.fichiers.cible = t.Chemin(fichier);
    t.fichiers.panne = etape;
    QVERIFY(panne != Panne::Lecture_Seule || monte(MS_REMOUNT | MS_RDONLY));
    if (panne == Panne::Disque_Plein && QDir(t.Chemin("")).mkdir("plein"))
        t.Ecrit_Fichier("plein/0", QByteArray(QStorageInfo(t.Chemin("")).bytesAvailable() - 64 * 1024, 0));
    if (panne == Panne::Collee)
        main.Rem_A->setText("P. Phare\ndu Stiff");
    const QStringList avant = Releve(main, t);
    Fait(main, geste);
    if (panne == Panne::Collee) {
        QCOMPARE(t.messages.textes, QStringList{"Caractere non autorise : code 10"});
        QCOMPARE(Releve(main, t), avant);
        return;
    }
    QCOMPARE(t.fichiers.pannes, reel ? 0 : 1);
    // The disk's failures give the system's reason; the layer's own give the file's, whatever it says.
    const int erreur = panne == Panne::Lecture_Seule ? EROFS : panne == Panne::Disque_Plein ? ENOSPC : EIO;
    const bool connue = reel || (etape >= Etape::Synchronisation && etape != Etape::Validation);
    const QString raison =
        connue ? qt_error_string(erreur) : t.messages.textes.join("").section(" : ", 1).section("\r\n", 0, 0);
    QVERIFY(!raison.isEmpty());
    // Only the folder unconfirmed, the file is replaced: the gesture is done, not left to be made twice.
    const bool fait = etape == Etape::Synchronisation_Dossier;
    const QString texte =
        fait ? "Le fichier %1 a été enregistré, mais le disque n'a pas confirmé l'écriture du "
               "dossier : %2\r\nVérifiez le disque ; inutile d'enregistrer à nouveau."
             : "Impossible d'enregistrer le fichier %1 : %2\r\nLe fichier est resté tel qu'il était.";
    // Nor room for the copy of the day: told once, and the change is still tried.
    const QStringList copie = Message(
        panne == Panne::Disque_Plein && fichier == Log_Station
            ? QString("La sauvegarde %1 n'a pas pu être écrite : %2\r\nLa modification du log n'en est pas "
                      "empêchée ; ce message ne reviendra pas aujourd'hui.")
                  .arg(QDir::toNativeSeparators(t.Chemin("Sauvegardes/F5ABC_TORV_2026-12-06.log")), raison)
            : "");
    QCOMPARE(t.messages.textes,
             question + copie + QStringList{texte.arg(QDir::toNativeSeparators(t.Chemin(fichier)), raison)} +
                 (fait ? annonce : QStringList()));
    QCOMPARE(Releve(main, t), fait ? reussite : avant);
    if (fait)
        return;
    t.fichiers.panne = Etape::Aucune;
    QVERIFY(panne != Panne::Lecture_Seule || monte(MS_REMOUNT));
    QFile::remove(t.Chemin("plein/0"));
    t.messages.textes.clear();
    Fait(main, geste);
    QCOMPARE(t.messages.textes, question + annonce);
    QCOMPARE(Releve(main, t), reussite);
}

KEZ_TEST(Test_Pannes)

#include "Test_Pannes.moc"
