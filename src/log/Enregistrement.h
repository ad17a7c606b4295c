#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

// The log record (107 characters, one line of the log file) and the list line shown for it in the
// main window (123 characters). The column table in Enregistrement.cpp is the only place that
// knows where a field stands in either.
namespace Enregistrement {

enum class Champ {
    Indicatif,
    Departement,
    Prenom,
    Reference,
    Date,
    Heure,
    Mode,
    Bande,
    Report_Recu,
    Report_Envoye,
    Nom_Phare,
    QSL,
};
inline constexpr int Nombre_Champs = 12;
inline constexpr int Longueur = 107;
inline const QString Marque_QSL = QStringLiteral("*");

using Valeurs = std::array<QString, Nombre_Champs>;

// Where a field stands in the record (from 0) and how wide it is. Windows-1252 has one byte per
// character, so these are also the byte positions in the log file's line.
int Debut(Champ champ);
int Largeur(Champ champ);

// The century of a two-digit year of the log: 50 to 99 are 1950 to 1999, 00 to 49 are 2000 to 2049.
int Siecle(int annee);

// Each value filled with blanks (or cut) to its width, the fields joined as the log file holds them.
QString Compose(const Valeurs& valeurs);

// A field of a record as its columns stand, filler blanks included; shorter when the line is.
QString Colonnes(const QString& enregistrement, Champ champ);
// The same with the filler blanks removed.
QString Valeur(const QString& enregistrement, Champ champ);
// The same, read from a log line's own bytes: only that field is decoded.
QString Colonnes(const QByteArray& ligne, Champ champ);
QString Valeur(const QByteArray& ligne, Champ champ);
// A field's own bytes in a log line, fewer where the line is short: a view of the line, nothing copied or
// decoded, for readers that only compare.
QByteArrayView Octets(QByteArrayView ligne, Champ champ);

// The list line of the record numbered `numero` (its line in the log, from 1).
QString Ligne_Liste(const QString& enregistrement, int numero);
// The column titles over list lines, each where its field starts.
QString Entete_Liste();
// A field of a list line, as its columns stand. Numbers past 9,999 widen the number column; the
// fields are found after it whatever its width.
QString Colonnes_Ligne_Liste(const QString& ligne, Champ champ);
// The record a list line was built from, exactly as the log file holds it.
QString De_Ligne_Liste(const QString& ligne);

} // namespace Enregistrement
