#include "Test_Pannes.h"

#include "Etat_Programme.h"
#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Main.h"
#include "app/Station.h"
#include "log/Clavier.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "log/Journal_Station.h"
#include "log/Prenoms.h"
#include "log/Prenoms_Station.h"
#include "reports/Adif.h"
#include "reports/Aff_Contacte.h"
#include "reports/Rapports.h"
#include "reports/Rapports_Station.h"
#include "support/Doubles.h"
#include "support/Log_Genere.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>

using Etape = Fichiers_Defaillants::Etape;
using Lignes = QList<QByteArray>;

namespace {

// Enough QSOs for a rewrite of three blocks, so that a write can fail first, in the middle or last.
// Made on first use: the generator's own tables are built when the program starts.
const Lignes& Log() {
    static const Lignes lignes = Log_Genere::Lignes(6000);
    return lignes;
}
const QByteArray& Nouveau_QSO() {
    static const QByteArray enregistrement = Log_Genere::Enregistrement_Milieu();
    return enregistrement;
}
const QByteArray& QSO_Vise() {
    return Log()[3000];
}

// A first-name memory of three blocks too: many callsigns, none of them F5XYZ.
const Lignes& Prenoms_Connus() {
    static const Lignes lignes = [] {
        Lignes connus;
        for (int i = 0; i < 30000; ++i)
            connus.append(Fichier_Texte::Encode(Prenoms::Ligne(QStringLiteral("F%1").arg(i), "29", "JEAN")));
        return connus;
    }();
    return lignes;
}
// A callsign of the memory, with another first name.
const QByteArray Prenom_Change = "F100         56 ANNE";
const QString Log_Station = QStringLiteral("F5ABC_TORV.log");
const QString Log_Nouvelle_Station = QStringLiteral("F6XYZ_TORV.log");

QByteArray Joint(const Lignes& lignes) {
    return Fichier_Texte::Joint_Lignes(lignes);
}

QString Adif_Station() {
    return Adif::Nom_Fichier(QStringLiteral("F5ABC"));
}

QDate Jour(const Main& main) {
    return Sous_Programmes::Date_Du_Jour(main.plateforme.horloge);
}

QString Rapport(const Main& main) {
    return Rapports::Nom_Phares_Contactes(QStringLiteral("F5ABC"), Jour(main));
}

QString Liste(const Main& main) {
    return Rapports::Nom_Liste_Alphabetique(QStringLiteral("F5ABC"), Jour(main));
}

// The last message shown is the one announcing that file.
bool Annonce(Main& main, const QString& annonce) {
    const QStringList& textes = static_cast<Messages_Test&>(main.plateforme.messages).textes;
    return !textes.isEmpty() && textes.last() == annonce;
}

Aff_Contacte* Ouvre_Liste(Main& main) {
    main.Mnu_C_Contacte->trigger();
    return main.findChild<Aff_Contacte*>();
}

// One rewrite of a file of the program: the files before it, the change made through the program's
// own routine, the bytes the file holds once the change is made, and what the operator is told then.
struct Reecriture {
    const char* nom;
    std::function<QString(const Main&)> fichier;
    std::function<void(Plateforme_Test&)> prepare;
    std::function<bool(Main&)> change;
    std::function<QByteArray(const Main&)> attendu;
    std::function<QString(const Main&)> annonce;
};

void Log_Existant(Plateforme_Test& t) {
    t.Ecrit_Fichier(Log_Station, Joint(Log()));
}

// A report of the same name, written by an earlier run.
void Rapports_Existants(Plateforme_Test& t) {
    Log_Existant(t);
    const QString suffixe = Sous_Programmes::Suffixe_Date(t.horloge);
    for (const QString& nom : {Adif_Station(), "Phares_Contacte_F5ABC" + suffixe + ".txt",
                               "F5ABC_Liste_alaphanumerique_Phares" + suffixe + ".txt"})
        t.Ecrit_Fichier(nom, "version precedente\r\n" + QByteArray(300 * 1024, 'x') + "\r\n");
}

auto Nom(const QString& nom) {
    return [nom](const Main&) { return nom; };
}
auto Rien() {
    return [](const Main&) { return QString(); };
}

// New rows go here as the program gains files to write.
const QList<Reecriture>& Reecritures() {
    static const QList<Reecriture> table{
        {"ajout a la fin du log", Nom(Log_Station), Log_Existant,
         [](Main& m) { return Sous_Programmes::Ajout_Fin_Log(m, Fichier_Texte::Decode(Nouveau_QSO())); },
         [](const Main&) { return Joint(Journal::Ajoute(Log(), Nouveau_QSO())); }, Rien()},
        {"modification d'un QSO", Nom(Log_Station), Log_Existant,
         [](Main& m) {
             return Sous_Programmes::Remplace_QSO_Log(m, Fichier_Texte::Decode(Nouveau_QSO()),
                                                      Fichier_Texte::Decode(QSO_Vise()));
         },
         [](const Main&) { return Joint(Journal::Remplace(Log(), Nouveau_QSO(), QSO_Vise())); }, Rien()},
        {"suppression d'un QSO", Nom(Log_Station), Log_Existant,
         [](Main& m) { return Sous_Programmes::Supprime_QSO_Log(m, Fichier_Texte::Decode(QSO_Vise())); },
         [](const Main&) { return Joint(Journal::Supprime(Log(), QSO_Vise())); }, Rien()},
        {"insertion d'un QSO", Nom(Log_Station), Log_Existant,
         [](Main& m) { return Sous_Programmes::Insere_QSO_Log(m, Fichier_Texte::Decode(Nouveau_QSO())); },
         [](const Main&) { return Joint(Journal::Insere(Log(), Nouveau_QSO())); }, Rien()},
        {"creation du log d'une station", Nom(Log_Nouvelle_Station),
         [](Plateforme_Test& t) { t.Ecrit_Fichier(QStringLiteral("FXXXX.txt"), Joint(Log())); },
         [](Main& m) { return Sous_Programmes::Creer_Log_Station(m, QStringLiteral("F6XYZ")); },
         [](const Main&) { return Joint(Log()); }, Rien()},
        {"creation du log d'une station, modele vide", Nom(Log_Nouvelle_Station),
         [](Plateforme_Test& t) { t.Ecrit_Fichier(QStringLiteral("FXXXX.txt"), {}); },
         [](Main& m) { return Sous_Programmes::Creer_Log_Station(m, QStringLiteral("F6XYZ")); },
         [](const Main&) { return QByteArray(); }, Rien()},
        {"memoire des prenoms", Nom(Prenoms::Nom_Fichier),
         [](Plateforme_Test& t) { t.Ecrit_Fichier(Prenoms::Nom_Fichier, Joint(Prenoms_Connus())); },
         [](Main& m) {
             return Sous_Programmes::Memorise_Prenom(m, QString::fromLatin1(Prenom_Change)).has_value();
         },
         [](const Main&) {
             Lignes prenoms = Prenoms_Connus();
             prenoms[100] = Prenom_Change;
             return Joint(prenoms);
         },
         Rien()},
        {"export ADIF", Nom(Adif_Station()), Rapports_Existants,
         [](Main& m) {
             m.Mnu_ADIF->trigger();
             return Annonce(m, Sous_Programmes::Annonce_Fichier + Adif_Station());
         },
         [](const Main& m) {
             return Joint(Adif::Fichier("F5ABC", Sous_Programmes::Credit_Rapport(m), Log()));
         },
         [](const Main&) { return Sous_Programmes::Annonce_Fichier + Adif_Station(); }},
        {"rapport des phares contactes", Rapport, Rapports_Existants,
         [](Main& m) {
             m.Mnu_Enr_Contacte->trigger();
             return Annonce(m, Sous_Programmes::Annonce_Log + Rapport(m));
         },
         [](const Main& m) {
             return Joint(Rapports::Phares_Contactes(Rapports::Support::Fichier, "F5ABC", Jour(m),
                                                     Sous_Programmes::Credit_Rapport(m), Log()));
         },
         [](const Main& m) { return Sous_Programmes::Annonce_Log + Rapport(m); }},
        {"liste alphabetique enregistree", Liste, Rapports_Existants,
         [](Main& m) {
             Ouvre_Liste(m)->Enregistrer->click();
             return Annonce(m, Sous_Programmes::Annonce_Log + Liste(m));
         },
         [](const Main& m) {
             return Joint(Rapports::Liste_Phares_Contactes(Rapports::Support::Fichier, "F5ABC", Jour(m),
                                                           Sous_Programmes::Credit_Rapport(m),
                                                           Rapports::Liste_Alphabetique(Log())));
         },
         [](const Main& m) { return Sous_Programmes::Annonce_Log + Liste(m); }},
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

} // namespace

void Test_Pannes::Reecriture_Interrompue_data() {
    QTest::addColumn<int>("reecriture");
    QTest::addColumn<Etape>("etape");
    QTest::addColumn<int>("ecriture");
    Plateforme_Test t;
    Main main(t.plateforme);
    for (int r = 0; r < Reecritures().size(); ++r) {
        Pour_Chaque_Point(
            Reecritures()[r].attendu(main).size(), [&](const Point_De_Panne& point, int ecriture) {
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
    const QString fichier = r.fichier(main);
    const Etat_Programme::Fichiers avant = Etat_Programme::Fichiers_Du_Dossier(t);
    const QStringList vue = Etat_Programme::Vue(main, t);

    t.fichiers.panne = etape;
    t.fichiers.ecriture_en_panne = ecriture;
    QVERIFY(!r.change(main));
    QCOMPARE(t.fichiers.pannes, 1);
    QCOMPARE(Etat_Programme::Resume(Etat_Programme::Fichiers_Du_Dossier(t)), Etat_Programme::Resume(avant));
    QCOMPARE(t.messages.textes.size(), 1);
    Verifie_Message_Ecriture(t.messages.textes[0], t.Chemin(fichier));
    QCOMPARE(Etat_Programme::Vue(main, t), vue);

    // The program goes on: the same change, once the disk works, is made.
    t.fichiers.panne = Etape::Aucune;
    QVERIFY(r.change(main));
    Etat_Programme::Fichiers attendus = avant;
    attendus[fichier] = r.attendu(main);
    QCOMPARE(Etat_Programme::Resume(Etat_Programme::Fichiers_Du_Dossier(t)),
             Etat_Programme::Resume(attendus));
    const QString annonce = r.annonce(main);
    QCOMPARE(t.messages.textes.mid(1), annonce.isEmpty() ? QStringList() : QStringList{annonce});
}

namespace {

using namespace Clavier;

// What the operator does with the entry on screen, the rewrite that then fails, and the files once
// the same gesture is made again with a working disk.
struct Geste {
    const char* nom;
    QString fichier; // whose rewrite fails
    std::function<void(Main&)> prepare;
    std::function<void(Main&)> fait;
    QString question; // asked before writing, if anything
    QMap<QString, std::function<QByteArray()>> apres;
};

const QByteArray QSO_Tape = Fichier_Texte::Encode(
    Enregistrement::Compose({"F5XYZ", "29", "LUC", "PB1004", "02/07/06", "12:00", "SSB", "14 Mhz", "59", "57",
                             "P. Phare du Creac'h", Enregistrement::Marque_QSL}));
const QByteArray Prenom_Tape = "F5XYZ        29 LUC";

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

void Choisit_QSO_Vise(Main& main) {
    main.Liste_TORV->setCurrentRow(3000);
}

void Enregistre(Main& main) {
    QCOMPARE(Champ(main), main.Valide_A);
    Entree(main);
}

Station* Fenetre_Station(Main& main) {
    return main.findChild<Station*>();
}

const QString Enregistrer = QStringLiteral("Voulez vous enregistrer ces données ?");

auto Log_Avec(std::function<Lignes(Lignes)> changement) {
    return [changement] { return Joint(changement(Log())); };
}
// The mode is "modification", "insertion", or empty for a new QSO; "sans prenoms" starts without a
// first-name memory.
Geste Enregistrement_En(const char* nom, const QString& fichier, const QString& mode,
                        std::function<Lignes(Lignes)> changement) {
    const bool sans_prenoms = mode == "sans prenoms";
    return {nom,
            fichier,
            [mode, sans_prenoms](Main& main) {
                if (sans_prenoms)
                    QVERIFY(QFile::remove(main.Chemin(Prenoms::Nom_Fichier)));
                if (mode == "modification") {
                    Choisit_QSO_Vise(main);
                    main.Modi_Saisie->click();
                }
                if (mode == "insertion")
                    main.Ajout_QSO->click();
                Tape_QSO(main);
            },
            Enregistre,
            Enregistrer,
            {{Log_Station, Log_Avec(changement)},
             {Prenoms::Nom_Fichier, [sans_prenoms] {
                  return Joint((sans_prenoms ? Lignes() : Prenoms_Connus()) + Lignes{Prenom_Tape});
              }}}};
}

const QList<Geste>& Gestes() {
    static const auto ajoute = [](Lignes l) { return Journal::Ajoute(l, QSO_Tape); };
    static const auto insere = [](Lignes l) { return Journal::Insere(l, QSO_Tape); };
    static const auto remplace = [](Lignes l) { return Journal::Remplace(l, QSO_Tape, QSO_Vise()); };
    static const QList<Geste> table{
        Enregistrement_En("nouveau QSO, log", Log_Station, "", ajoute),
        Enregistrement_En("nouveau QSO, prenoms", Prenoms::Nom_Fichier, "", ajoute),
        Enregistrement_En("nouveau QSO, log, sans memoire des prenoms", Log_Station, "sans prenoms", ajoute),
        Enregistrement_En("modification, log", Log_Station, "modification", remplace),
        Enregistrement_En("modification, prenoms", Prenoms::Nom_Fichier, "modification", remplace),
        Enregistrement_En("insertion, log", Log_Station, "insertion", insere),
        Enregistrement_En("insertion, prenoms", Prenoms::Nom_Fichier, "insertion", insere),
        {"suppression",
         Log_Station,
         [](Main& main) {
             // An entry under way, which the deletion leaves alone.
             Saisit(main, "f5xyz");
             Choisit_QSO_Vise(main);
         },
         [](Main& main) { main.Annule_Saisie->click(); },
         QStringLiteral("Voulez vous Supprimer ce QSO ?"),
         {{Log_Station, Log_Avec([](Lignes l) { return Journal::Supprime(l, QSO_Vise()); })}}},
        {"nouvelle station",
         Log_Nouvelle_Station,
         [](Main& main) {
             main.Mnu_New_Indicatif->trigger();
             QTest::keyClicks(Fenetre_Station(main)->New_Indicatif, "f6xyz");
             QTest::keyClick(Fenetre_Station(main)->New_Indicatif, Qt::Key_Return);
         },
         [](Main& main) { QTest::keyClick(Fenetre_Station(main)->Validation, Qt::Key_Return); },
         QString(),
         {{Log_Nouvelle_Station, [] { return Joint(Log()); }}}},
    };
    return table;
}

} // namespace

void Test_Pannes::Geste_Interrompu_data() {
    QTest::addColumn<int>("geste");
    QTest::addColumn<Etape>("etape");
    QTest::addColumn<int>("ecriture");
    for (int g = 0; g < Gestes().size(); ++g) {
        const Geste& geste = Gestes()[g];
        Pour_Chaque_Point(geste.apres[geste.fichier]().size(),
                          [&](const Point_De_Panne& point, int ecriture) {
                              QTest::addRow("%s, %s", geste.nom, point.nom) << g << point.etape << ecriture;
                          });
    }
}

// The operator records, modifies, inserts, deletes or starts a station's log, and the rewrite of one
// file fails: he is told which, every file stays byte for byte, and all he typed is still on screen,
// ready for the same gesture once the disk works again.
void Test_Pannes::Geste_Interrompu() {
    QFETCH(int, geste);
    QFETCH(Etape, etape);
    QFETCH(int, ecriture);
    const Geste& g = Gestes()[geste];
    Plateforme_Test t;
    Prepare(t);
    t.Ecrit_Fichier(Log_Station, Joint(Log()));
    t.Ecrit_Fichier(Prenoms::Nom_Fichier, Joint(Prenoms_Connus()));
    t.Ecrit_Fichier(QStringLiteral("FXXXX.txt"), Joint(Log()));
    Main main(t.plateforme);
    Demarre(main);
    g.prepare(main);
    const Etat_Programme::Fichiers avant = Etat_Programme::Fichiers_Du_Dossier(t);
    const QStringList vue = Etat_Programme::Vue(main, t);
    t.messages.textes.clear();

    t.fichiers.cible = t.Chemin(g.fichier);
    t.fichiers.panne = etape;
    t.fichiers.ecriture_en_panne = ecriture;
    g.fait(main);
    QCOMPARE(t.fichiers.pannes, 1);
    const QStringList questions = g.question.isEmpty() ? QStringList() : QStringList{g.question};
    QCOMPARE(t.messages.textes.size(), questions.size() + 1);
    QCOMPARE(t.messages.textes.first(questions.size()), questions);
    Verifie_Message_Ecriture(t.messages.textes.last(), t.Chemin(g.fichier));
    QCOMPARE(Etat_Programme::Resume(Etat_Programme::Fichiers_Du_Dossier(t)), Etat_Programme::Resume(avant));
    QCOMPARE(Etat_Programme::Vue(main, t), vue);

    t.fichiers.panne = Etape::Aucune;
    g.fait(main);
    QCOMPARE(t.messages.textes.mid(questions.size() + 1), questions);
    Etat_Programme::Fichiers attendus = avant;
    for (auto fichier = g.apres.cbegin(); fichier != g.apres.cend(); ++fichier)
        attendus[fichier.key()] = fichier.value()();
    QCOMPARE(Etat_Programme::Resume(Etat_Programme::Fichiers_Du_Dossier(t)),
             Etat_Programme::Resume(attendus));
}
