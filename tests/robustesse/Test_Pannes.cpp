#include "Aide.h"
#include "app/Station.h"
#include "log/Modele_Log.h"
#include "log/Prenoms.h"
#include "reports/Rapports_Station.h"
#include "support/Log_Genere.h"

#include <QCryptographicHash>
#include <QListView>
#include <QSettings>
#include <QStorageInfo>

// A rewrite failing at each of its steps, through the file layer or on a real read-only or full disk.
class Test_Pannes : public QObject {
    Q_OBJECT

private slots:
    void Reecriture_Interrompue_data();
    void Reecriture_Interrompue();
};

using Etape = Fichiers_Defaillants::Etape;

namespace {

// Recording a QSO writes the first-name memory, then the log; every other change of the log rewrites it
// the same way, and every report is written as the export is.
enum Geste { Enregistrement, Nouvelle_Station, Export };
enum class Panne { Simulee, Lecture_Seule, Disque_Plein };
const QString Log_Station = "F5ABC_TORV.log", Log_Nouveau = "F6XYZ_TORV.log", Adif = "F5ABC_TORV.adi";
// A row of the table: the rewrite of `fichier` fails at that step (at that block write, -1 the last).
struct Cas {
    int geste;
    QString fichier;
    Panne panne;
    Etape etape;
    int ecriture;
    bool sans_prenoms;
};

// A log of three blocks, a memory of two: a write can fail first or last. On the real disk, room is
// left for the memory, not for a log nor for the export.
constexpr qint64 Reste_Libre = 448 * 1024;
void Prepare_Dossier(Plateforme_Test& t, bool sans_prenoms) {
    static const QByteArray log = Joint_Lignes(Log_Genere::Lignes(6000));
    Prepare(t);
    t.Ecrit_Fichier(Log_Station, log);
    t.Ecrit_Fichier("FXXXX.txt", log);
    t.Ecrit_Fichier(Adif, "version precedente\r\n");
    QByteArray connus;
    for (int i = 0; i < 13000; ++i)
        connus += Prenoms::Ligne(QStringLiteral("F%1").arg(i), "29", "JEAN").toLatin1() + "\r\n";
    if (!sans_prenoms)
        t.Ecrit_Fichier(Prenoms::Nom_Fichier, connus);
}

QString Empreinte(const QByteArray& octets) {
    return QString::number(octets.size()) + ' ' +
           QCryptographicHash::hash(octets, QCryptographicHash::Md5).toHex();
}

// What a failed rewrite must leave as it was: every file of the folder and every setting, and what the
// operator sees (the entry, the list and its chosen line, the station and its window).
QStringList Releve(Main& main, const Plateforme_Test& t) {
    QStringList releve = Etat_Saisie(main), lignes;
    for (const QString& nom :
         QDir(t.repertoire.Chemin()).entryList(QDir::Files | QDir::Hidden | QDir::System))
        releve << nom + ": " + (nom == "bourre.bin" ? "" : Empreinte(t.Lit_Fichier(nom)));
    const QSettings reglages(t.Fichier_Reglages(), QSettings::IniFormat);
    for (const QString& cle : reglages.allKeys())
        releve << cle + '=' + reglages.value(cle).toString();
    for (int i = 0; i < main.Modele_TORV->rowCount(); ++i)
        lignes << main.Modele_TORV->Ligne(i);
    releve << Empreinte(lignes.join('\n').toUtf8()) << QString::number(main.Liste_TORV->currentIndex().row())
           << main.session.Ligne_Selectionnee() << main.session.Indicatif_Station() + main.I_Station->text()
           << QString::number(main.session.Prenom_Nouveau()) + Champ(main)->objectName();
    for (const Station* station : main.findChildren<Station*>())
        releve << station->New_Indicatif->text() + QString::number(station->isVisible());
    return releve.replaceInStrings(t.repertoire.Chemin(), "<dossier>");
}

// Brings the program to the moment of the gesture (a QSO typed, the station window open), then makes it.
void Geste(Main& main, int geste, bool fait) {
    if (!fait) {
        main.Mnu_Date_Man->trigger();
        for (const char* texte : {"f5xyz", "luc", "1004", "", "14/07/06", "10:05", "", "", "", "", "", ""})
            Saisit(main, texte);
    }
    if (geste == Enregistrement && fait)
        Entree(main);
    if (geste == Nouvelle_Station && !fait) {
        main.Mnu_New_Indicatif->trigger();
        QTest::keyClicks(main.findChild<Station*>()->New_Indicatif, "f6xyz\r");
    }
    if (geste == Nouvelle_Station && fait)
        QTest::keyClick(main.findChild<Station*>()->Validation, Qt::Key_Return);
    if (geste == Export && fait)
        main.Mnu_ADIF->trigger();
}

// The program once the gesture has succeeded on a disk that works, and the blocks of that file.
QStringList Apres_Reussite(int geste, bool sans_prenoms, const QString& fichier, int& blocs) {
    Plateforme_Test t;
    Prepare_Dossier(t, sans_prenoms);
    Main main(t.plateforme);
    Demarre(main);
    Geste(main, geste, false);
    Geste(main, geste, true);
    blocs = static_cast<int>((t.Lit_Fichier(fichier).size() - 1) / Fichiers_Disque::Taille_Bloc + 1);
    return Releve(main, t);
}

} // namespace

Q_DECLARE_METATYPE(Cas)

void Test_Pannes::Reecriture_Interrompue_data() {
    QTest::addColumn<Cas>("cas");
    const auto ligne = [](int geste, const QString& fichier, Panne panne, const char* quoi,
                          Etape etape = Etape::Aucune, int ecriture = 0, bool sans_prenoms = false) {
        QTest::addRow("%s, %s", qPrintable(fichier), quoi)
            << Cas{geste, fichier, panne, etape, ecriture, sans_prenoms};
    };
    for (const auto& [geste, fichier] : {std::pair{Enregistrement, Prenoms::Nom_Fichier},
                                         {Enregistrement, Log_Station},
                                         {Nouvelle_Station, Log_Nouveau},
                                         {Export, Adif}}) {
        ligne(geste, fichier, Panne::Simulee, "ouverture", Etape::Ouverture);
        ligne(geste, fichier, Panne::Simulee, "premier bloc", Etape::Ecriture, 1);
        ligne(geste, fichier, Panne::Simulee, "dernier bloc", Etape::Ecriture, -1);
        ligne(geste, fichier, Panne::Simulee, "vidage", Etape::Vidage);
        ligne(geste, fichier, Panne::Simulee, "synchronisation", Etape::Synchronisation);
        ligne(geste, fichier, Panne::Simulee, "renommage", Etape::Validation);
        ligne(geste, fichier, Panne::Simulee, "synchronisation du dossier", Etape::Synchronisation_Dossier);
        ligne(geste, fichier, fichier == Log_Station ? Panne::Disque_Plein : Panne::Lecture_Seule,
              "disque reel");
    }
    // Without a memory the recording makes one; the log refused, it goes again.
    ligne(Enregistrement, Log_Station, Panne::Simulee, "sans memoire des prenoms", Etape::Ecriture, 1, true);
    ligne(Nouvelle_Station, Log_Nouveau, Panne::Disque_Plein, "disque plein");
    ligne(Export, Adif, Panne::Disque_Plein, "disque plein");
}

// The operator records, starts a station or exports, and the rewrite of one file fails: he is told which
// file and why, every file stays byte for byte, all he typed is still on screen, and the same gesture
// succeeds once the disk works again.
void Test_Pannes::Reecriture_Interrompue() {
    QFETCH(Cas, cas);
    const auto& [geste, fichier, panne, etape, ecriture, sans_prenoms] = cas;
    int blocs = 0;
    const QStringList reussite = Apres_Reussite(geste, sans_prenoms, fichier, blocs);
    const QStringList question =
        Message(geste == Enregistrement ? "Voulez vous enregistrer ces données ?" : "");
    const QStringList annonce = Message(geste == Export ? Sous_Programmes::Annonce_Fichier + Adif : "");
    Plateforme_Test t;
    std::optional<Disque_Monte> disque;
    if (panne != Panne::Simulee)
        KEZ_MONTE(disque, t.repertoire.Chemin(), 4 * 1024 * 1024);
    Prepare_Dossier(t, sans_prenoms);
    Main main(t.plateforme);
    Demarre(main);
    Geste(main, geste, false);
    t.messages.textes.clear();
    t.fichiers.cible = t.Chemin(fichier);
    t.fichiers.panne = etape;
    t.fichiers.ecriture_en_panne = ecriture < 0 ? blocs : ecriture;
    QVERIFY(panne != Panne::Lecture_Seule || disque->Lecture_Seule(true));
    if (panne == Panne::Disque_Plein)
        t.Ecrit_Fichier("bourre.bin",
                        QByteArray(QStorageInfo(t.Chemin("")).bytesAvailable() - Reste_Libre, 0));
    const QStringList avant = Releve(main, t);
    Geste(main, geste, true);
    QCOMPARE(t.fichiers.pannes, panne == Panne::Simulee ? 1 : 0);
    // The disk's failures give the system's reason; the layer's own give the file's, whatever it says.
    const int erreur = panne == Panne::Lecture_Seule ? EROFS : panne == Panne::Disque_Plein ? ENOSPC : EIO;
    const bool raison_connue =
        panne != Panne::Simulee || etape == Etape::Synchronisation || etape == Etape::Synchronisation_Dossier;
    const QString raison =
        raison_connue ? qt_error_string(erreur)
                      : t.messages.textes.value(question.size()).section(" : ", 1).section("\r\n", 0, 0);
    QVERIFY(!raison.isEmpty());
    // The file replaced, only its folder unconfirmed: the gesture is done (an entry recorded is cleared,
    // not left to be recorded twice) and the operator is told.
    const bool fait = etape == Etape::Synchronisation_Dossier;
    const QString texte =
        fait ? "Le fichier %1 a été enregistré, mais le disque n'a pas confirmé l'écriture du "
               "dossier : %2\r\nVérifiez le disque ; inutile d'enregistrer à nouveau."
             : "Impossible d'enregistrer le fichier %1 : %2\r\nLe fichier est resté tel qu'il était.";
    QCOMPARE(t.messages.textes,
             question + QStringList{texte.arg(QDir::toNativeSeparators(t.Chemin(fichier)), raison)} +
                 (fait ? annonce : QStringList()));
    QCOMPARE(Releve(main, t), fait ? reussite : avant);
    if (fait)
        return;
    t.fichiers.panne = Etape::Aucune;
    QVERIFY(!disque || disque->Lecture_Seule(false));
    QFile::remove(t.Chemin("bourre.bin"));
    t.messages.textes.clear();
    Geste(main, geste, true);
    QCOMPARE(t.messages.textes, question + annonce);
    QCOMPARE(Releve(main, t), reussite);
}

KEZ_TEST(Test_Pannes)

#include "Test_Pannes.moc"
