#pragma once

#include "lighthouses/Liste_Phare.h"
#include "log/Journal.h"
#include "reports/Rapports.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The award's progress: each lighthouse of the reference file on each band of the entry's list, worked
// or confirmed (a QSO carrying the QSL mark), in one mode or in all, and the QSOs whose reference the
// file does not hold.
namespace Suivi {

// In this order: a confirmation outweighs any number of QSOs without one.
enum class Etat : char { Rien, Travaille, Confirme };
// The lighthouses shown: all, those never worked, those worked but never confirmed (on any band).
enum class Filtre { Tous, A_Contacter, Non_Confirmes };

inline const QString Titre = QStringLiteral("Suivi du diplôme");
inline const QStringList Noms_Filtres{QStringLiteral("Tous"), QStringLiteral("A contacter"),
                                      QStringLiteral("Non confirmés")};
inline const QString Tous_Les_Modes = QStringLiteral("Tous les modes");
inline const QStringList Entetes_Phare{QStringLiteral("Ref"), QStringLiteral("Nom du Phare"),
                                       QStringLiteral("Dpt")};

// The headers of the band columns (the entry's bands by their number, then "Autre" for any other band
// text), then "Total".
QStringList Entetes_Cases();

struct QSO {
    qsizetype position; // in the log, from 0
    int bande;          // its band column
};

struct Ligne {
    Phare phare;
    QList<Etat> bandes; // one per band column
    Etat total = Etat::Rien;
    QList<QSO> qso; // in log order
};

struct Compte {
    qsizetype travailles = 0; // confirmed ones included
    qsizetype confirmes = 0;
};

// A reference the file does not hold, as the log writes it ("(vide)" when blank), and its QSOs.
struct Absente {
    QString reference;
    QList<qsizetype> positions;
};

struct Grille {
    QList<Ligne> lignes; // the file's lighthouses, in its order
    QList<Compte> par_bande;
    Compte total;
    QList<Absente> absentes; // by first QSO, whatever the mode
    // Lighthouses no QSO can reach: a PB number without digits, or the same as a later one's (a reference
    // goes to the last, as when it is typed).
    QList<qsizetype> injoignables;
};

// A reference matches as when it is typed (PB0012, PB012 and PB12 are the same lighthouse); bands and
// modes are compared exactly. `mode` empty: every mode.
Grille Calcule(const Journal::Lignes& log, const QList<Phare>& phares, const QString& mode);

bool Retenue(const Ligne& ligne, Filtre filtre);
QString Marque(Etat etat); // "C", "T" or nothing
QString Reference(const Phare& phare);
// The QSOs of a lighthouse on one band column, or on all (-1).
QList<qsizetype> Positions(const Ligne& ligne, int bande);
// "57 phares travaillés, 41 confirmés sur 123"
QString Resume(const Grille& grille);
// The rows under the lighthouses: the name of a count, then its value for each band column and in all.
QList<QStringList> Lignes_Comptes(const Grille& grille);
// The title of the last section, and what one of its references counts.
QString Titre_Absentes(const Grille& grille);
QString Nombre_QSO(const Absente& absente);
// Empty when every lighthouse of the file can be reached.
QString Message_Injoignables(const Grille& grille, const QString& chemin_liste);

QString Nom_Fichier(const QString& indicatif, const QDate& jour);
// The lighthouses the filter keeps, numbered, then the counts by band and the absent references.
Rapports::Lignes Rapport(Rapports::Support support, const QString& indicatif, const QDate& jour,
                         const QString& credit, const Grille& grille, Filtre filtre, const QString& mode);

} // namespace Suivi
