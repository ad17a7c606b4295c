#include "Test_Pannes.h"

#include "Etat_Programme.h"
#include "Gestes.h"
#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "log/Clavier.h"
#include "log/Journal.h"
#include "log/Journal_Station.h"
#include "log/Prenoms.h"
#include "log/Prenoms_Station.h"
#include "support/Doubles.h"
#include "support/Log_Genere.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>

using Etape = Fichiers_Defaillants::Etape;
using Gestes::Joint;
using Gestes::Log;
using Gestes::Log_Nouvelle_Station;
using Gestes::Log_Station;
using Gestes::QSO_Vise;
using Lignes = QList<QByteArray>;

namespace {

const QByteArray& Nouveau_QSO() {
    static const QByteArray enregistrement = Log_Genere::Enregistrement_Milieu();
    return enregistrement;
}

// A first-name memory of three blocks.
constexpr int Prenoms_Trois_Blocs = 30000;
const Lignes& Prenoms_Connus() {
    static const Lignes lignes = Gestes::Prenoms_Connus(Prenoms_Trois_Blocs);
    return lignes;
}
// A callsign of the memory, with another first name.
const QByteArray Prenom_Change = "F100         56 ANNE";

// One rewrite of a file of the program made through the program's own routine: the files before
// it, the change, and the bytes the file holds once the change is made.
struct Reecriture {
    const char* nom;
    QString fichier;
    std::function<void(Plateforme_Test&)> prepare;
    std::function<bool(Main&)> change;
    std::function<QByteArray()> attendu;
};

void Log_Existant(Plateforme_Test& t) {
    t.Ecrit_Fichier(Log_Station, Joint(Log()));
}

// New rows go here as the program gains files to write.
const QList<Reecriture>& Reecritures() {
    static const QList<Reecriture> table{
        {"ajout a la fin du log", Log_Station, Log_Existant,
         [](Main& m) { return Sous_Programmes::Ajout_Fin_Log(m, Fichier_Texte::Decode(Nouveau_QSO())); },
         [] { return Joint(Journal::Ajoute(Log(), Nouveau_QSO())); }},
        {"modification d'un QSO", Log_Station, Log_Existant,
         [](Main& m) {
             return Sous_Programmes::Remplace_QSO_Log(m, Fichier_Texte::Decode(Nouveau_QSO()),
                                                      Fichier_Texte::Decode(QSO_Vise()));
         },
         [] { return Joint(Journal::Remplace(Log(), Nouveau_QSO(), QSO_Vise())); }},
        {"suppression d'un QSO", Log_Station, Log_Existant,
         [](Main& m) { return Sous_Programmes::Supprime_QSO_Log(m, Fichier_Texte::Decode(QSO_Vise())); },
         [] { return Joint(Journal::Supprime(Log(), QSO_Vise())); }},
        {"insertion d'un QSO", Log_Station, Log_Existant,
         [](Main& m) { return Sous_Programmes::Insere_QSO_Log(m, Fichier_Texte::Decode(Nouveau_QSO())); },
         [] { return Joint(Journal::Insere(Log(), Nouveau_QSO())); }},
        {"creation du log d'une station", Log_Nouvelle_Station,
         [](Plateforme_Test& t) { t.Ecrit_Fichier(QStringLiteral("FXXXX.txt"), Joint(Log())); },
         [](Main& m) { return Sous_Programmes::Creer_Log_Station(m, QStringLiteral("F6XYZ")); },
         [] { return Joint(Log()); }},
        {"creation du log d'une station, modele vide", Log_Nouvelle_Station,
         [](Plateforme_Test& t) { t.Ecrit_Fichier(QStringLiteral("FXXXX.txt"), {}); },
         [](Main& m) { return Sous_Programmes::Creer_Log_Station(m, QStringLiteral("F6XYZ")); },
         [] { return QByteArray(); }},
        {"memoire des prenoms", Prenoms::Nom_Fichier,
         [](Plateforme_Test& t) { t.Ecrit_Fichier(Prenoms::Nom_Fichier, Joint(Prenoms_Connus())); },
         [](Main& m) {
             return Sous_Programmes::Memorise_Prenom(m, QString::fromLatin1(Prenom_Change)).has_value();
         },
         [] {
             Lignes prenoms = Prenoms_Connus();
             prenoms[100] = Prenom_Change;
             return Joint(prenoms);
         }},
    };
    return table;
}

// Where a rewrite fails; a write is numbered from 1, -1 is the last one.
struct Point_De_Panne {
    const char* nom;
    Etape etape;
    int ecriture;
};

const QList<Point_De_Panne> Points{
    {"ouverture du brouillon", Etape::Ouverture, 0},   {"ecriture du premier bloc", Etape::Ecriture, 1},
    {"ecriture du deuxieme bloc", Etape::Ecriture, 2}, {"ecriture du dernier bloc", Etape::Ecriture, -1},
    {"vidage sur disque", Etape::Vidage, 0},           {"renommage", Etape::Validation, 0},
};

int Blocs(qsizetype octets) {
    return static_cast<int>((octets + Fichiers_Disque::Taille_Bloc - 1) / Fichiers_Disque::Taille_Bloc);
}

// One row per failure point that a rewrite of that many bytes can meet: a write it does not make
// cannot fail, and its last write may be its first.
template <typename Ajoute> void Pour_Chaque_Point(qsizetype octets, Ajoute ajoute) {
    const int blocs = Blocs(octets);
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

void Verifie_Message_Ecriture(const QString& message, const QString& chemin) {
    const QString debut =
        QStringLiteral("Impossible d'enregistrer le fichier %1 : ").arg(QDir::toNativeSeparators(chemin));
    const QString fin = QStringLiteral("\r\nLe fichier est resté tel qu'il était.");
    QVERIFY2(message.startsWith(debut) && message.endsWith(fin) && message.size() > debut.size() + fin.size(),
             qPrintable(message));
}

QStringList Dossier(const Plateforme_Test& t) {
    return Etat_Programme::Resume(Etat_Programme::Fichiers_Du_Dossier(t));
}

} // namespace

void Test_Pannes::Reecriture_Interrompue_data() {
    QTest::addColumn<int>("reecriture");
    QTest::addColumn<Etape>("etape");
    QTest::addColumn<int>("ecriture");
    for (int r = 0; r < Reecritures().size(); ++r) {
        Pour_Chaque_Point(Reecritures()[r].attendu().size(), [&](const Point_De_Panne& point, int ecriture) {
            QTest::addRow("%s, %s", Reecritures()[r].nom, point.nom) << r << point.etape << ecriture;
        });
    }
}

void Test_Pannes::Reecriture_Interrompue() {
    QFETCH(int, reecriture);
    QFETCH(Etape, etape);
    QFETCH(int, ecriture);
    const Reecriture& r = Reecritures()[reecriture];
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    r.prepare(t);
    Main main(t.plateforme);
    main.Form_Load();
    const Etat_Programme::Fichiers avant = Etat_Programme::Fichiers_Du_Dossier(t);
    const QStringList vue = Etat_Programme::Vue(main, t);

    t.fichiers.panne = etape;
    t.fichiers.ecriture_en_panne = ecriture;
    QVERIFY(!r.change(main));
    QCOMPARE(t.fichiers.pannes, 1);
    QCOMPARE(Dossier(t), Etat_Programme::Resume(avant));
    QCOMPARE(t.messages.textes.size(), 1);
    Verifie_Message_Ecriture(t.messages.textes[0], t.Chemin(r.fichier));
    QCOMPARE(Etat_Programme::Vue(main, t), vue);

    // The program goes on: the same change, once the disk works, is made.
    t.fichiers.panne = Etape::Aucune;
    QVERIFY(r.change(main));
    Etat_Programme::Fichiers attendus = avant;
    attendus[r.fichier] = r.attendu();
    QCOMPARE(Dossier(t), Etat_Programme::Resume(attendus));
    QCOMPARE(t.messages.textes.size(), 1);
}

void Test_Pannes::Geste_Interrompu_data() {
    QTest::addColumn<int>("geste");
    QTest::addColumn<QString>("fichier"); // whose rewrite fails
    QTest::addColumn<bool>("sans_prenoms");
    QTest::addColumn<Etape>("etape");
    QTest::addColumn<int>("ecriture");
    // Each gesture once it has succeeded, for the sizes of the files it writes.
    Plateforme_Test t;
    Gestes::Prepare_Dossier(t, Prenoms_Trois_Blocs);
    Main main(t.plateforme);
    const Etat_Programme::Fichiers avant = Etat_Programme::Fichiers_Du_Dossier(t);
    for (int g = 0; g < Gestes::Table().size(); ++g) {
        const Gestes::Geste& geste = Gestes::Table()[g];
        Etat_Programme::Fichiers apres = avant;
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
                        << g << fichier << sans_prenoms << point.etape << ecriture;
                });
            }
        }
    }
}

// The operator records, modifies, inserts, deletes, starts a station's log, exports or saves a report,
// and the rewrite of one file fails: he is told which, every file stays byte for byte, and all he
// typed is still on screen, ready for the same gesture once the disk works again.
void Test_Pannes::Geste_Interrompu() {
    QFETCH(int, geste);
    QFETCH(QString, fichier);
    QFETCH(bool, sans_prenoms);
    QFETCH(Etape, etape);
    QFETCH(int, ecriture);
    const Gestes::Geste& g = Gestes::Table()[geste];
    Plateforme_Test t;
    Gestes::Prepare_Dossier(t, Prenoms_Trois_Blocs);
    if (sans_prenoms)
        QVERIFY(QFile::remove(t.Chemin(Prenoms::Nom_Fichier)));
    Main main(t.plateforme);
    Clavier::Demarre(main);
    g.prepare(main);
    const Etat_Programme::Fichiers avant = Etat_Programme::Fichiers_Du_Dossier(t);
    const QStringList vue = Etat_Programme::Vue(main, t);
    t.messages.textes.clear();

    t.fichiers.cible = t.Chemin(fichier);
    t.fichiers.panne = etape;
    t.fichiers.ecriture_en_panne = ecriture;
    g.fait(main);
    QCOMPARE(t.fichiers.pannes, 1);
    const QStringList questions = g.question.isEmpty() ? QStringList() : QStringList{g.question};
    QCOMPARE(t.messages.textes.size(), questions.size() + 1);
    QCOMPARE(t.messages.textes.first(questions.size()), questions);
    Verifie_Message_Ecriture(t.messages.textes.last(), t.Chemin(fichier));
    QCOMPARE(Dossier(t), Etat_Programme::Resume(avant));
    QCOMPARE(Etat_Programme::Vue(main, t), vue);

    t.fichiers.panne = Etape::Aucune;
    t.messages.textes.clear();
    g.fait(main);
    const QString annonce = g.annonce(main);
    QCOMPARE(t.messages.textes, questions + (annonce.isEmpty() ? QStringList() : QStringList{annonce}));
    Etat_Programme::Fichiers attendus = avant;
    g.apres(main, attendus);
    QCOMPARE(Dossier(t), Etat_Programme::Resume(attendus));
}
