#include "Gestes.h"

#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Main.h"
#include "app/Station.h"
#include "log/Clavier.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "log/Prenoms.h"
#include "reports/Adif.h"
#include "reports/Aff_Contacte.h"
#include "reports/Rapports.h"
#include "reports/Rapports_Station.h"
#include "support/Doubles.h"
#include "support/Log_Genere.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace Gestes {

using namespace Clavier;

QByteArray Joint(const Lignes& lignes) {
    return Fichier_Texte::Joint_Lignes(lignes);
}

const Lignes& Log() {
    // Made on first use: the generator's own tables are built when the program starts.
    static const Lignes lignes = Log_Genere::Lignes(6000);
    return lignes;
}

const QByteArray& QSO_Vise() {
    return Log()[3000];
}

Lignes Prenoms_Connus(int nombre) {
    Lignes connus;
    connus.reserve(nombre);
    for (int i = 0; i < nombre; ++i)
        connus.append(Fichier_Texte::Encode(Prenoms::Ligne(QStringLiteral("F%1").arg(i), "29", "JEAN")));
    return connus;
}

namespace {

QDate Jour(const Main& main) {
    return Sous_Programmes::Date_Du_Jour(main.plateforme.horloge);
}

QString Adif_Station(const Main&) {
    return Adif::Nom_Fichier(QStringLiteral("F5ABC"));
}

QString Rapport(const Main& main) {
    return Rapports::Nom_Phares_Contactes(QStringLiteral("F5ABC"), Jour(main));
}

QString Liste(const Main& main) {
    return Rapports::Nom_Liste_Alphabetique(QStringLiteral("F5ABC"), Jour(main));
}

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

// An entry under way, which the gestures on the log and the reports leave alone.
void Entree_En_Cours(Main& main) {
    Saisit(main, "f5xyz");
}

void Choisit_QSO_Vise(Main& main) {
    main.Liste_TORV->setCurrentRow(3000);
}

Station* Fenetre_Station(Main& main) {
    return main.findChild<Station*>();
}

Aff_Contacte* Fenetre_Liste(Main& main) {
    return main.findChild<Aff_Contacte*>();
}

QString Rien(const Main&) {
    return {};
}

void Change_Log(Etat_Programme::Fichiers& dossier, const std::function<Lignes(Lignes)>& changement) {
    dossier[Log_Station] = Joint(changement(Fichier_Texte::Coupe_Lignes(dossier[Log_Station])));
}

Geste Enregistrement_En(const char* nom, const QString& mode, std::function<Lignes(Lignes)> changement) {
    return {nom,
            [](const Main&) {
                return QStringList{Prenoms::Nom_Fichier, Log_Station};
            },
            [mode](Main& main) {
                if (mode == "modification") {
                    Choisit_QSO_Vise(main);
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
            Rien,
            [changement](const Main&, Etat_Programme::Fichiers& dossier) {
                Change_Log(dossier, changement);
                dossier[Prenoms::Nom_Fichier] += Prenom_Tape + "\r\n";
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
            [fichier, contenu](const Main& main, Etat_Programme::Fichiers& dossier) {
                dossier[fichier(main)] = Joint(contenu(main));
            }};
}

} // namespace

void Prepare_Dossier(Plateforme_Test& t, int prenoms) {
    Prepare(t);
    t.Ecrit_Fichier(Log_Station, Joint(Log()));
    t.Ecrit_Fichier(Prenoms::Nom_Fichier, Joint(Prenoms_Connus(prenoms)));
    t.Ecrit_Fichier(QStringLiteral("FXXXX.txt"), Joint(Log()));
    const QString suffixe = Sous_Programmes::Suffixe_Date(t.horloge);
    for (const QString& rapport :
         {Adif::Nom_Fichier(QStringLiteral("F5ABC")), "Phares_Contacte_F5ABC" + suffixe + ".txt",
          "F5ABC_Liste_alaphanumerique_Phares" + suffixe + ".txt"})
        t.Ecrit_Fichier(rapport, "version precedente\r\n" + QByteArray(300 * 1024, 'x') + "\r\n");
}

const QList<Geste>& Table() {
    static const QList<Geste> table{
        Enregistrement_En("nouveau QSO", "", [](Lignes l) { return Journal::Ajoute(l, QSO_Tape); }),
        Enregistrement_En("modification", "modification",
                          [](Lignes l) { return Journal::Remplace(l, QSO_Tape, QSO_Vise()); }),
        Enregistrement_En("insertion", "insertion", [](Lignes l) { return Journal::Insere(l, QSO_Tape); }),
        {"suppression", [](const Main&) { return QStringList{Log_Station}; },
         [](Main& main) {
             Entree_En_Cours(main);
             Choisit_QSO_Vise(main);
         },
         [](Main& main) { main.Annule_Saisie->click(); }, QStringLiteral("Voulez vous Supprimer ce QSO ?"),
         Rien,
         [](const Main&, Etat_Programme::Fichiers& dossier) {
             Change_Log(dossier, [](Lignes l) { return Journal::Supprime(l, QSO_Vise()); });
         }},
        {"nouvelle station", [](const Main&) { return QStringList{Log_Nouvelle_Station}; },
         [](Main& main) {
             main.Mnu_New_Indicatif->trigger();
             QTest::keyClicks(Fenetre_Station(main)->New_Indicatif, "f6xyz");
             QTest::keyClick(Fenetre_Station(main)->New_Indicatif, Qt::Key_Return);
         },
         [](Main& main) { QTest::keyClick(Fenetre_Station(main)->Validation, Qt::Key_Return); }, QString(),
         Rien,
         [](const Main&, Etat_Programme::Fichiers& dossier) {
             dossier[Log_Nouvelle_Station] = dossier[QStringLiteral("FXXXX.txt")];
         }},
        Rapport_Enregistre(
            "export ADIF", Adif_Station, Entree_En_Cours, [](Main& main) { main.Mnu_ADIF->trigger(); },
            Sous_Programmes::Annonce_Fichier,
            [](const Main& main) {
                return Adif::Fichier("F5ABC", Sous_Programmes::Credit_Rapport(main), Log());
            }),
        Rapport_Enregistre(
            "rapport des phares contactes", Rapport, Entree_En_Cours,
            [](Main& main) { main.Mnu_Enr_Contacte->trigger(); }, Sous_Programmes::Annonce_Log,
            [](const Main& main) {
                return Rapports::Phares_Contactes(Rapports::Support::Fichier, "F5ABC", Jour(main),
                                                  Sous_Programmes::Credit_Rapport(main), Log());
            }),
        Rapport_Enregistre(
            "liste alphabetique", Liste,
            [](Main& main) {
                Entree_En_Cours(main);
                main.Mnu_C_Contacte->trigger();
            },
            [](Main& main) { Fenetre_Liste(main)->Enregistrer->click(); }, Sous_Programmes::Annonce_Log,
            [](const Main& main) {
                return Rapports::Liste_Phares_Contactes(Rapports::Support::Fichier, "F5ABC", Jour(main),
                                                        Sous_Programmes::Credit_Rapport(main),
                                                        Rapports::Liste_Alphabetique(Log()));
            }),
    };
    return table;
}

} // namespace Gestes
