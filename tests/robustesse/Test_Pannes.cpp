#include "Aide.h"
#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Main.h"
#include "app/Station.h"
#include "log/Clavier.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "log/Modele_Log.h"
#include "log/Prenoms.h"
#include "reports/Adif.h"
#include "reports/Aff_Contacte.h"
#include "reports/Rapports.h"
#include "reports/Rapports_Station.h"
#include "support/Doubles.h"
#include "support/Log_Genere.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QListWidget>
#include <QSettings>
#include <QStorageInfo>
#include <QTest>
#include <functional>
#include <optional>

#ifdef Q_OS_LINUX
#include "support/Principal.h"

#include <QObject>
#include <cerrno>
#include <cstring>

// A write failing at each step of every rewrite, through the file layer or on a real disk.
class Test_Pannes : public QObject {
    Q_OBJECT

private slots:
    void Geste_Interrompu_data();
    void Geste_Interrompu();
};
#endif

using namespace Clavier;
using Etape = Fichiers_Defaillants::Etape;
using Fichier_Texte::Joint_Lignes;
using Lignes = QList<QByteArray>;
using Dossier = QMap<QString, QByteArray>;

namespace {

// ---- What a failed write must leave as it was: the files on disk and what the operator sees.

QString Empreinte(const QByteArray& octets) {
    return QString::fromLatin1(QCryptographicHash::hash(octets, QCryptographicHash::Md5).toHex());
}

// The files of the folder by name, with their bytes.
Dossier Fichiers_Du_Dossier(const Plateforme_Test& t) {
    Dossier fichiers;
    const QDir repertoire(t.repertoire.Chemin());
    for (const QString& nom : repertoire.entryList(QDir::Files | QDir::Hidden | QDir::System))
        fichiers[nom] = Contenu(repertoire.filePath(nom));
    return fichiers;
}

// One line per file, its name, size and digest: short to print when two differ.
QStringList Resume(const Dossier& fichiers) {
    QStringList resume;
    for (auto fichier = fichiers.cbegin(); fichier != fichiers.cend(); ++fichier)
        resume << QStringLiteral("%1: %2 octets, %3")
                      .arg(fichier.key())
                      .arg(fichier.value().size())
                      .arg(Empreinte(fichier.value()));
    return resume;
}

// The entry fields with their texts, states and colours, the entry mode, the focus, the log list, the
// station and every setting as the program sees it, the first-name flag, the station window if open.
QStringList Vue(Main& main, const Plateforme_Test& t) {
    QStringList vue = Etat_Saisie(main), lignes, reglages;
    for (int i = 0; i < main.Modele_TORV->rowCount(); ++i)
        lignes << main.Modele_TORV->Ligne(i);
    // Settings objects of one file share their unsaved changes.
    QSettings fichier_reglages(t.Fichier_Reglages(), QSettings::IniFormat);
    for (const QString& cle : fichier_reglages.allKeys())
        reglages << cle + QLatin1Char('=') + fichier_reglages.value(cle).toString();
    vue << QStringLiteral("focus %1").arg(Champ(main)->objectName())
        << QStringLiteral("Liste_TORV %1 lignes, ligne %2, %3")
               .arg(lignes.size())
               .arg(main.Liste_TORV->currentIndex().row())
               .arg(Empreinte(lignes.join(QLatin1Char('\n')).toUtf8()))
        << QStringLiteral("Ligne_Selectionnee '%1'").arg(main.session.Ligne_Selectionnee())
        << QStringLiteral("station %1, affichee %2")
               .arg(main.session.Indicatif_Station(), main.I_Station->text())
        << QStringLiteral("Prenom_Nouveau %1").arg(main.session.Prenom_Nouveau())
        << QStringLiteral("reglages ") + reglages.join(QLatin1Char(';'));
    for (Station* station : main.findChildren<Station*>())
        vue << QStringLiteral("fenetre Station '%1', visible %2, focus %3")
                   .arg(station->New_Indicatif->text())
                   .arg(station->isVisible())
                   .arg(station->focusWidget() ? station->focusWidget()->objectName() : QString());
    return vue;
}

// ---- The gestures of the operator that write a file.

const QString Log_Station = QStringLiteral("F5ABC_TORV.log");
const QString Log_Nouvelle_Station = QStringLiteral("F6XYZ_TORV.log");
const QString Modele = QStringLiteral("FXXXX.txt");

// Enough QSOs for a rewrite of three blocks, so that a write can fail first, in the middle or last.
const Lignes& Log() {
    // Made on first use: the generator's own tables are built when the program starts.
    static const Lignes lignes = Log_Genere::Lignes(6000);
    return lignes;
}

// The QSO of the log that is modified, deleted, or chosen in the list.
const QByteArray& QSO_Vise() {
    return Log()[3000];
}

const QByteArray QSO_Tape = Fichier_Texte::Encode(
    Enregistrement::Compose({"F5XYZ", "29", "LUC", "PB1004", "02/07/06", "12:00", "SSB", "14 Mhz", "59", "57",
                             "P. Phare du Creac'h", Enregistrement::Marque_QSL}));

// The folder of station F5ABC: its log, a first-name memory of that many callsigns (none of them
// F5XYZ), the lighthouse list, the template of a new station's log (as long as the log), and a report
// of each name written on an earlier run.
void Prepare_Dossier(Plateforme_Test& t, int prenoms) {
    Prepare(t);
    t.Ecrit_Fichier(Log_Station, Joint_Lignes(Log()));
    Lignes connus;
    for (int i = 0; i < prenoms; ++i)
        connus.append(Fichier_Texte::Encode(Prenoms::Ligne(QStringLiteral("F%1").arg(i), "29", "JEAN")));
    t.Ecrit_Fichier(Prenoms::Nom_Fichier, Joint_Lignes(connus));
    t.Ecrit_Fichier(Modele, Joint_Lignes(Log()));
    const QString suffixe = Sous_Programmes::Suffixe_Date(t.horloge);
    for (const QString& rapport :
         {Adif::Nom_Fichier(QStringLiteral("F5ABC")), "Phares_Contacte_F5ABC" + suffixe + ".txt",
          "F5ABC_Liste_alaphanumerique_Phares" + suffixe + ".txt"})
        t.Ecrit_Fichier(rapport, "version precedente\r\n" + QByteArray(300 * 1024, 'x') + "\r\n");
}

struct Geste {
    const char* nom;
    // The files the gesture rewrites, in its order.
    std::function<QStringList(const Main&)> fichiers;
    // Brings the program to the moment of the gesture (an entry typed, a window open...).
    std::function<void(Main&)> prepare;
    std::function<void(Main&)> fait;
    // Asked before writing, if anything.
    QString question;
    // Told once it is written, if anything.
    std::function<QString(const Main&)> annonce;
    // The folder once the gesture has succeeded, from the folder before it.
    std::function<void(const Main&, Dossier&)> apres;
};

QDate Jour(const Main& main) {
    return Sous_Programmes::Date_Du_Jour(main.plateforme.horloge);
}

// The whole chain typed with manual dating, every field replaced, the QSL box ticked; the record
// button then has the focus.
void Tape_QSO(Main& main) {
    main.Mnu_Date_Man->trigger();
    main.Ind_A->setFocus();
    const QMap<QString, QString> saisie{{"Ind_A", "f5xyz"},     {"Prenom_A", "luc"},  {"Ref_A", "PB1004"},
                                        {"Date_A", "02/07/06"}, {"Heure_A", "12:00"}, {"Mode_A", "SSB"},
                                        {"RST_A", "59"},        {"RSTE_A", "57"}};
    for (const QString& nom : Chaine) {
        if (saisie.contains(nom))
            Remplace(main, saisie[nom]);
        if (nom == "Bande_A")
            main.Bande_A->setCurrentIndex(4);
        if (nom == "QSL_A")
            main.QSL_A->setChecked(true);
        Entree(main);
    }
}

// An entry under way, which the gestures on the log and the reports leave alone.
void Entree_En_Cours(Main& main) {
    Saisit(main, "f5xyz");
}

void Change_Log(Dossier& dossier, const std::function<Lignes(Lignes)>& changement) {
    dossier[Log_Station] = Joint_Lignes(changement(Fichier_Texte::Coupe_Lignes(dossier[Log_Station])));
}

// Recording in a mode of entry: the first-name memory first, then the log.
Geste Enregistrement_En(const char* nom, const QString& mode, std::function<Lignes(Lignes)> changement) {
    return {nom,
            [](const Main&) {
                return QStringList{Prenoms::Nom_Fichier, Log_Station};
            },
            [mode](Main& main) {
                if (mode == "modification") {
                    main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(3000));
                    main.Modi_Saisie->click();
                }
                if (mode == "insertion")
                    main.Ajout_QSO->click();
                Tape_QSO(main);
            },
            [](Main& main) {
                QCOMPARE(Champ(main), main.Valide_A);
                Entree(main);
            },
            QStringLiteral("Voulez vous enregistrer ces données ?"),
            nullptr,
            [changement](const Main&, Dossier& dossier) {
                Change_Log(dossier, changement);
                dossier[Prenoms::Nom_Fichier] += "F5XYZ        29 LUC\r\n";
            }};
}

// A new station's log made from the template, or from an empty template.
Geste Nouvelle_Station(const char* nom, bool modele_vide) {
    return {nom,
            [](const Main&) { return QStringList{Log_Nouvelle_Station}; },
            [modele_vide](Main& main) {
                if (modele_vide)
                    QVERIFY(QFile(main.session.Chemin(Modele)).open(QIODevice::WriteOnly));
                main.Mnu_New_Indicatif->trigger();
                QTest::keyClicks(main.findChild<Station*>()->New_Indicatif, "f6xyz");
                QTest::keyClick(main.findChild<Station*>()->New_Indicatif, Qt::Key_Return);
            },
            [](Main& main) { QTest::keyClick(main.findChild<Station*>()->Validation, Qt::Key_Return); },
            QString(),
            nullptr,
            [modele_vide](const Main&, Dossier& dossier) {
                dossier[Log_Nouvelle_Station] = modele_vide ? QByteArray() : dossier[Modele];
            }};
}

// A report of the current station, and the file it replaces.
Geste Rapport_Enregistre(const char* nom, std::function<QString(const Main&)> fichier,
                         std::function<void(Main&)> prepare, std::function<void(Main&)> fait,
                         const QString& annonce, std::function<Lignes(const Main&)> contenu) {
    return {nom,
            [fichier](const Main& main) { return QStringList{fichier(main)}; },
            prepare,
            fait,
            QString(),
            [fichier, annonce](const Main& main) { return annonce + fichier(main); },
            [fichier, contenu](const Main& main, Dossier& dossier) {
                dossier[fichier(main)] = Joint_Lignes(contenu(main));
            }};
}

// Recording in each entry mode, deleting, starting a new station's log, exporting, saving each report.
const QList<Geste>& Gestes() {
    static const QList<Geste> table{
        Enregistrement_En("nouveau QSO", "", [](Lignes l) { return Journal::Ajoute(l, QSO_Tape); }),
        Enregistrement_En("modification", "modification",
                          [](Lignes l) {
                              return *Journal::Remplace(l, {3000, QSO_Vise()}, QSO_Tape);
                          }),
        Enregistrement_En("insertion", "insertion", [](Lignes l) { return Journal::Insere(l, QSO_Tape); }),
        {"suppression", [](const Main&) { return QStringList{Log_Station}; },
         [](Main& main) {
             Entree_En_Cours(main);
             main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(3000));
         },
         [](Main& main) { main.Annule_Saisie->click(); }, QStringLiteral("Voulez vous Supprimer ce QSO ?"),
         nullptr,
         [](const Main&, Dossier& dossier) {
             Change_Log(dossier, [](Lignes l) { return *Journal::Supprime(l, {3000, QSO_Vise()}); });
         }},
        Nouvelle_Station("nouvelle station", false),
        Nouvelle_Station("nouvelle station, modele vide", true),
        Rapport_Enregistre(
            "export ADIF", [](const Main&) { return Adif::Nom_Fichier(QStringLiteral("F5ABC")); },
            Entree_En_Cours, [](Main& main) { main.Mnu_ADIF->trigger(); }, Sous_Programmes::Annonce_Fichier,
            [](const Main& main) {
                return Fichier_Texte::Coupe_Lignes(
                    Adif::Fichier("F5ABC", Sous_Programmes::Credit_Rapport(main), Log()));
            }),
        Rapport_Enregistre(
            "rapport des phares contactes",
            [](const Main& main) {
                return Rapports::Nom_Phares_Contactes(QStringLiteral("F5ABC"), Jour(main));
            },
            Entree_En_Cours, [](Main& main) { main.Mnu_Enr_Contacte->trigger(); },
            Sous_Programmes::Annonce_Log,
            [](const Main& main) {
                return Rapports::Phares_Contactes(Rapports::Support::Fichier, "F5ABC", Jour(main),
                                                  Sous_Programmes::Credit_Rapport(main), Log());
            }),
        Rapport_Enregistre(
            "liste alphabetique",
            [](const Main& main) {
                return Rapports::Nom_Liste_Alphabetique(QStringLiteral("F5ABC"), Jour(main));
            },
            [](Main& main) {
                Entree_En_Cours(main);
                main.Mnu_C_Contacte->trigger();
            },
            [](Main& main) { main.findChild<Aff_Contacte*>()->Enregistrer->click(); },
            Sous_Programmes::Annonce_Log,
            [](const Main& main) {
                return Rapports::Liste_Phares_Contactes(Rapports::Support::Fichier, "F5ABC", Jour(main),
                                                        Sous_Programmes::Credit_Rapport(main),
                                                        Rapports::Liste_Alphabetique(Log()));
            }),
    };
    return table;
}

// ---- Where a rewrite fails: a step of the file layer made to fail, or the real disk.

enum class Panne { Simulee, Lecture_Seule, Disque_Plein, Disque_Comble };

// A first-name memory of three blocks; on the real disk a small one, for a full disk that leaves
// room for the memory's rewrite, not for a log's.
constexpr int Prenoms_Trois_Blocs = 30000, Prenoms_Peu = 1000;
constexpr qint64 Taille_Disque = 4 * 1024 * 1024, Reste_Libre = 64 * 1024;

// A write is numbered from 1, -1 is the last one.
struct Point_De_Panne {
    const char* nom;
    Etape etape;
    int ecriture;
};

const QList<Point_De_Panne> Points{
    {"ouverture du brouillon", Etape::Ouverture, 0},
    {"ecriture du premier bloc", Etape::Ecriture, 1},
    {"ecriture du deuxieme bloc", Etape::Ecriture, 2},
    {"ecriture du dernier bloc", Etape::Ecriture, -1},
    {"vidage sur disque", Etape::Vidage, 0},
    {"synchronisation du brouillon", Etape::Synchronisation, 0},
    {"renommage", Etape::Validation, 0},
    {"synchronisation du dossier", Etape::Synchronisation_Dossier, 0},
};

// One row per failure point that a rewrite of that many bytes can meet: a write it does not make
// cannot fail, and its last write may be its first.
template <typename Ajoute> void Pour_Chaque_Point(qsizetype octets, Ajoute ajoute) {
    const int blocs =
        static_cast<int>((octets + Fichiers_Disque::Taille_Bloc - 1) / Fichiers_Disque::Taille_Bloc);
    QList<int> ecritures;
    for (const Point_De_Panne& point : Points) {
        const int ecriture = point.ecriture == -1 ? blocs : point.ecriture;
        if (point.etape == Etape::Ecriture) {
            if (ecriture < 1 || ecriture > blocs || ecritures.contains(ecriture))
                continue;
            ecritures.append(ecriture);
        }
        ajoute(point, ecriture);
    }
}

// Fills the disk of that folder until `reste` bytes are left.
bool Remplit(const QString& dossier, qint64 reste) {
    QFile bourre(QDir(dossier).filePath(QStringLiteral("bourre.bin")));
    if (!bourre.open(QIODevice::WriteOnly))
        return false;
    bourre.write(QByteArray(qMax<qint64>(0, QStorageInfo(dossier).bytesAvailable() - reste), '\0'));
    bourre.close();
    return QStorageInfo(dossier).bytesAvailable() <= reste;
}

// Makes the writing fail, or work again.
bool Met_En_Panne(Plateforme_Test& t, Disque_Monte* disque, Panne panne, bool oui) {
    switch (panne) {
    case Panne::Simulee:
        if (!oui)
            t.fichiers.panne = Etape::Aucune;
        return true;
    case Panne::Lecture_Seule:
        return disque->Lecture_Seule(oui);
    default:
        return oui ? Remplit(t.repertoire.Chemin(), panne == Panne::Disque_Plein ? Reste_Libre : 0)
                   : QFile::remove(t.Chemin(QStringLiteral("bourre.bin")));
    }
}

// What the operator is told: the file, and why when the system says it.
void Verifie_Message_Ecriture(const QString& message, const QString& chemin, Panne panne, Etape etape) {
    const QString debut =
        QStringLiteral("Impossible d'enregistrer le fichier %1 : ").arg(QDir::toNativeSeparators(chemin));
    const QString fin = QStringLiteral("\r\nLe fichier est resté tel qu'il était.");
    if (etape == Etape::Synchronisation) {
        QCOMPARE(message, debut + Fichiers_Defaillants::Raison_Synchronisation() + fin);
        return;
    }
    QString raison;
#ifdef Q_OS_LINUX
    if (panne != Panne::Simulee)
        raison = QString::fromLocal8Bit(std::strerror(panne == Panne::Lecture_Seule ? EROFS : ENOSPC));
#endif
    QVERIFY2(message.startsWith(debut) && message.endsWith(fin) &&
                 message.size() > debut.size() + fin.size() && message.contains(raison),
             qPrintable(message));
}

// The program's state after the gesture has succeeded in another folder on a disk that works, as it
// would read in the folder of `ici`.
QStringList Vue_Apres_Reussite(const Geste& g, bool sans_prenoms, const Plateforme_Test& ici) {
    Plateforme_Test t;
    Prepare_Dossier(t, Prenoms_Trois_Blocs);
    if (sans_prenoms)
        QFile::remove(t.Chemin(Prenoms::Nom_Fichier));
    Main main(t.plateforme);
    Demarre(main);
    g.prepare(main);
    g.fait(main);
    return Vue(main, t).replaceInStrings(t.repertoire.Chemin(), ici.repertoire.Chemin());
}

} // namespace

void Test_Pannes::Geste_Interrompu_data() {
    QTest::addColumn<int>("geste");
    QTest::addColumn<QString>("fichier"); // whose rewrite fails
    QTest::addColumn<bool>("sans_prenoms");
    QTest::addColumn<Panne>("panne");
    QTest::addColumn<Etape>("etape");
    QTest::addColumn<int>("ecriture");
    // Each gesture once it has succeeded, for the sizes of the files it writes.
    Plateforme_Test t;
    Prepare_Dossier(t, Prenoms_Trois_Blocs);
    Main main(t.plateforme);
    const Dossier avant = Fichiers_Du_Dossier(t);
    for (int g = 0; g < Gestes().size(); ++g) {
        const Geste& geste = Gestes()[g];
        Dossier apres = avant;
        geste.apres(main, apres);
        const QStringList fichiers = geste.fichiers(main);
        for (const QString& fichier : fichiers) {
            // Without a memory to read, the recording's first write is a new memory, its log write next.
            for (const bool sans_prenoms : {false, true}) {
                if (sans_prenoms && (g != 0 || fichier != Log_Station))
                    continue;
                Pour_Chaque_Point(apres[fichier].size(), [&](const Point_De_Panne& point, int ecriture) {
                    QTest::addRow("%s, %s%s, %s", geste.nom, qPrintable(fichier),
                                  sans_prenoms ? " (sans memoire des prenoms)" : "", point.nom)
                        << g << fichier << sans_prenoms << Panne::Simulee << point.etape << ecriture;
                });
            }
        }
        QTest::addRow("%s, dossier en lecture seule", geste.nom)
            << g << fichiers.first() << false << Panne::Lecture_Seule << Etape::Aucune << 0;
        // A recording writes the first-name memory, then the log: on a disk with room for the small
        // memory only, the log is refused and the memory is put back.
        if (apres[fichiers.last()].size() > Reste_Libre)
            QTest::addRow("%s, disque plein", geste.nom)
                << g << fichiers.last() << false << Panne::Disque_Plein << Etape::Aucune << 0;
    }
    QTest::addRow("nouveau QSO, disque comble")
        << 0 << Prenoms::Nom_Fichier << false << Panne::Disque_Comble << Etape::Aucune << 0;
}

// The operator records, modifies, inserts, deletes, starts a station's log, exports or saves a report,
// and the rewrite of one file fails, through the file layer or on a real read-only or full disk: he is
// told which file, every file stays byte for byte, and all he typed is still on screen, ready for the
// same gesture once the disk works again.
void Test_Pannes::Geste_Interrompu() {
    QFETCH(int, geste);
    QFETCH(QString, fichier);
    QFETCH(bool, sans_prenoms);
    QFETCH(Panne, panne);
    QFETCH(Etape, etape);
    QFETCH(int, ecriture);
    const Geste& g = Gestes()[geste];
    Plateforme_Test t;
    std::optional<Disque_Monte> disque;
    if (panne != Panne::Simulee) {
        disque.emplace(t.repertoire.Chemin(), Taille_Disque);
        if (!disque->Monte())
            QSKIP(qPrintable("cannot mount a tmpfs here (" + disque->Raison() + ")"));
    }
    Prepare_Dossier(t, panne == Panne::Simulee ? Prenoms_Trois_Blocs : Prenoms_Peu);
    if (sans_prenoms)
        QVERIFY(QFile::remove(t.Chemin(Prenoms::Nom_Fichier)));
    Main main(t.plateforme);
    Demarre(main);
    g.prepare(main);
    t.messages.textes.clear();
    t.fichiers.cible = t.Chemin(fichier);
    t.fichiers.panne = etape;
    t.fichiers.ecriture_en_panne = ecriture;
    QVERIFY(Met_En_Panne(t, disque ? &*disque : nullptr, panne, true));
    const Dossier avant = Fichiers_Du_Dossier(t);
    const QStringList vue = Vue(main, t);

    g.fait(main);
    QCOMPARE(t.fichiers.pannes, panne == Panne::Simulee ? 1 : 0);
    const QStringList questions = g.question.isEmpty() ? QStringList() : QStringList{g.question};
    if (etape == Etape::Synchronisation_Dossier) {
        // The file is replaced, only its folder is not confirmed: the gesture is done as on a disk that
        // works (an entry recorded is cleared, not left to be recorded twice) and the operator is told.
        QCOMPARE(t.messages.textes,
                 questions +
                     QStringList{QStringLiteral("Le fichier %1 a été enregistré, mais le disque n'a pas "
                                                "confirmé l'écriture du dossier : %2\r\nVérifiez le disque ; "
                                                "inutile d'enregistrer à nouveau.")
                                     .arg(QDir::toNativeSeparators(t.Chemin(fichier)),
                                          Fichiers_Defaillants::Raison_Synchronisation())} +
                     (g.annonce ? QStringList{g.annonce(main)} : QStringList()));
        Dossier attendus = avant;
        g.apres(main, attendus);
        QCOMPARE(Resume(Fichiers_Du_Dossier(t)), Resume(attendus));
        QCOMPARE(Vue(main, t), Vue_Apres_Reussite(g, sans_prenoms, t));
        return;
    }
    QCOMPARE(t.messages.textes.size(), questions.size() + 1);
    QCOMPARE(t.messages.textes.first(questions.size()), questions);
    Verifie_Message_Ecriture(t.messages.textes.last(), t.Chemin(fichier), panne, etape);
    QCOMPARE(Resume(Fichiers_Du_Dossier(t)), Resume(avant));
    QCOMPARE(Vue(main, t), vue);

    QVERIFY(Met_En_Panne(t, disque ? &*disque : nullptr, panne, false));
    t.messages.textes.clear();
    g.fait(main);
    QCOMPARE(t.messages.textes, questions + (g.annonce ? QStringList{g.annonce(main)} : QStringList()));
    Dossier attendus = avant;
    attendus.remove(QStringLiteral("bourre.bin"));
    g.apres(main, attendus);
    QCOMPARE(Resume(Fichiers_Du_Dossier(t)), Resume(attendus));
}

KEZ_TEST(Test_Pannes)

#include "Test_Pannes.moc"
