#include "Test_Pannes.h"

#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "log/Journal.h"
#include "log/Journal_Station.h"
#include "support/Doubles.h"
#include "support/Log_Genere.h"

#include <QDir>
#include <QListWidget>
#include <QTest>
#include <functional>

using Etape = Fichiers_Defaillants::Etape;

namespace {

// Enough QSOs for a rewrite of three blocks, so that a write can fail first, in the middle or last.
// Made on first use: the generator's own tables are built when the program starts.
const Journal::Lignes& Log() {
    static const Journal::Lignes lignes = Log_Genere::Lignes(6000);
    return lignes;
}
const QByteArray& Nouveau_QSO() {
    static const QByteArray enregistrement = Log_Genere::Enregistrement_Milieu();
    return enregistrement;
}
const QByteArray& QSO_Vise() {
    return Log()[3000];
}

// One rewrite of a file of the program: the files before it, the change made through the program's
// own routine, and the bytes the file holds once the change is made.
struct Reecriture {
    const char* nom;
    QString fichier;
    std::function<void(Plateforme_Test&)> prepare;
    std::function<bool(Main&)> change;
    std::function<QByteArray()> attendu;
};

void Log_Existant(Plateforme_Test& t) {
    t.Ecrit_Fichier(QStringLiteral("F5ABC_TORV.log"), Fichier_Texte::Joint_Lignes(Log()));
}

QByteArray Joint(const Journal::Lignes& lignes) {
    return Fichier_Texte::Joint_Lignes(lignes);
}

// New rows go here as the program gains files to write.
const QList<Reecriture>& Reecritures() {
    static const QString Log_Station = QStringLiteral("F5ABC_TORV.log");
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
        {"creation du log d'une station", QStringLiteral("F6XYZ_TORV.log"),
         [](Plateforme_Test& t) { t.Ecrit_Fichier(QStringLiteral("FXXXX.txt"), Joint(Log())); },
         [](Main& m) { return Sous_Programmes::Creer_Log_Station(m, QStringLiteral("F6XYZ")); },
         [] { return Joint(Log()); }},
        {"creation du log d'une station, modele vide", QStringLiteral("F6XYZ_TORV.log"),
         [](Plateforme_Test& t) { t.Ecrit_Fichier(QStringLiteral("FXXXX.txt"), {}); },
         [](Main& m) { return Sous_Programmes::Creer_Log_Station(m, QStringLiteral("F6XYZ")); },
         [] { return QByteArray(); }},
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

int Blocs(const QByteArray& octets) {
    return static_cast<int>((octets.size() + Fichiers_Disque::Taille_Bloc - 1) /
                            Fichiers_Disque::Taille_Bloc);
}

QStringList Fichiers_Du_Dossier(const Plateforme_Test& t) {
    return QDir(t.repertoire.Chemin()).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

void Test_Pannes::Reecriture_Interrompue_data() {
    QTest::addColumn<int>("reecriture");
    QTest::addColumn<Etape>("etape");
    QTest::addColumn<int>("ecriture");
    for (int r = 0; r < Reecritures().size(); ++r) {
        const int blocs = Blocs(Reecritures()[r].attendu());
        QList<int> ecritures;
        for (const Point_De_Panne& point : Points) {
            const int ecriture = point.ecriture == -1 ? blocs : point.ecriture;
            // A write that this rewrite does not make cannot fail, and the last one may be the first.
            if (point.etape == Etape::Ecriture) {
                if (ecriture < 1 || ecriture > blocs || ecritures.contains(ecriture))
                    continue;
                ecritures.append(ecriture);
            }
            QTest::addRow("%s, %s", Reecritures()[r].nom, point.nom) << r << point.etape << ecriture;
        }
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
    const QByteArray avant = t.Lit_Fichier(r.fichier);
    const QStringList fichiers = Fichiers_Du_Dossier(t);
    const int lignes = main.Liste_TORV->count();

    t.fichiers.panne = etape;
    t.fichiers.ecriture_en_panne = ecriture;
    QVERIFY(!r.change(main));
    if (etape == Etape::Ecriture)
        QCOMPARE(t.fichiers.ecritures, ecriture);
    QCOMPARE(t.Lit_Fichier(r.fichier), avant);
    QCOMPARE(Fichiers_Du_Dossier(t), fichiers);
    QCOMPARE(t.messages.textes.size(), 1);
    const QString debut = QStringLiteral("Impossible d'enregistrer le fichier %1 : ")
                              .arg(QDir::toNativeSeparators(t.Chemin(r.fichier)));
    const QString fin = QStringLiteral("\r\nLe fichier est resté tel qu'il était.");
    const QString& message = t.messages.textes[0];
    QVERIFY2(message.startsWith(debut) && message.endsWith(fin) && message.size() > debut.size() + fin.size(),
             qPrintable(message));
    QCOMPARE(main.Liste_TORV->count(), lignes);

    // The program goes on: the same change, once the disk works, is made.
    t.fichiers.panne = Etape::Aucune;
    QVERIFY(r.change(main));
    QCOMPARE(t.Lit_Fichier(r.fichier), r.attendu());
    QCOMPARE(t.messages.textes.size(), 1);
}
