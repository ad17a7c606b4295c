#pragma once

#include "log/Journal.h"

#include <QString>
#include <QStringList>

// Finding QSOs of the log the main window lists by callsign, date or département, and the short result
// line shown for each QSO found.
namespace Recherche {

// The option buttons, numbered from 1.
enum class Critere { Station = 1, Date = 2, Dpt = 3 };

// The column header above the result lines.
inline const QString Entete =
    QStringLiteral("   N°   Indicatif          Dpt      Date    N° TORV                Nom du Phare");

namespace Message {
inline const QString Indicatif_Trop_Long = QStringLiteral("12 caracteres maxi pour l'indicatif");
inline const QString Indicatif_Absent = QStringLiteral("Entrez un indicatif");
inline const QString Format_Date = QStringLiteral("Le format de la date doit etre JJ/MM/AA");
inline const QString Date_Trop_Longue = QStringLiteral("8 caracteres maxi pour la Date");
inline const QString Date_Absente = QStringLiteral("Entrez une date");
inline const QString Canton_Trop_Long = QStringLiteral("2 caracteres maxi pour le Canton");
inline const QString Canton_Absent = QStringLiteral("Entrez un Canton");
inline const QString Departement_Absent = QStringLiteral("Entrez un departement");
inline const QString Aucun_QSO = QStringLiteral("Pas de QSO trouvé");
} // namespace Message

// What Enter in a criterion box leads to: a message (or none), the box emptied or not, a search or not.
struct Controle {
    QString message;
    bool vide_la_case = false;
    bool cherche = false;
};

// An over-long callsign is only a warning: the search still runs.
Controle Controle_Indicatif(const QString& texte);
// Only the two "/" and the length are checked, not the digits.
Controle Controle_Date(const QString& texte);
Controle Controle_Departement(const QString& texte);

// The message of a search whose criterion box is empty.
QString Message_Critere_Absent(Critere critere);

// Whether a log line matches the criterion, given in capitals: a callsign holding it anywhere, the
// same date, or the same two département columns (so "5" never matches the "5 " of département 5).
bool Correspond(const QByteArray& enregistrement, Critere critere, const QString& majuscules);

// The result line of a list line: number, callsign, département, date, reference, lighthouse name, QSL.
QString Ligne_Resultat(const QString& ligne);

struct Resultat {
    QStringList lignes;
    // The criterion box was empty: the search stopped at once and lists nothing.
    bool critere_absent = false;
};

// The result lines of the log lines that match, in log order; a line's list line is formed only when
// it matches. A line break typed at the start of the criterion is dropped after the first line is
// compared.
Resultat Cherche(const Journal::Lignes& log, Critere critere, QString texte);

} // namespace Recherche
