#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The text reports of the log, saved to a file or printed: a title with the callsign and the day, an
// empty line, a column header, an empty line, the numbered lines, then the credit line. Their lines
// are the file's bytes (Windows-1252), so the log's own lines pass through untouched.
namespace Rapports {

using Lignes = QList<QByteArray>;

// A saved report and its printout differ only in their spacing.
enum class Support { Fichier, Papier };

QString Credit(const QString& revision);
// The number of a report line: right-aligned in five columns, then a blank.
QByteArray Numero(qsizetype numero);
// How many columns in the numbered lines stand on paper.
int Retrait(Support support);
// The day in a report's title, dd/mm/yyyy.
QString Date_Titre(const QDate& jour);

// A report's title and column header, as one support shows them.
struct Forme {
    QString titre;
    QString entete;
};
// The title, an empty line, the header, an empty line, each line of `corps` after its number, the lines
// of `suite` as they stand, then the credit line. On paper the lines of both stand in, and one more empty
// line precedes the credit line.
Lignes Compose(Support support, const Forme& forme, const Lignes& corps, const QString& credit,
               const Lignes& suite = {});

// Every QSO of the log in log order, the stored line after its number.
QString Nom_Phares_Contactes(const QString& indicatif, const QDate& jour);
Lignes Phares_Contactes(Support support, const QString& indicatif, const QDate& jour, const QString& credit,
                        const Lignes& log);

// The alphabetical list: one short line per QSO (reference, lighthouse name, date, callsign, QSL
// marker), sorted as text without regard to case, after an empty first line.
QString Ligne_Alphabetique(const QByteArray& enregistrement);
QStringList Liste_Alphabetique(const Lignes& log);
QString Nom_Liste_Alphabetique(const QString& indicatif, const QDate& jour);
// The report of the list's lines, the empty first line left out.
Lignes Liste_Phares_Contactes(Support support, const QString& indicatif, const QDate& jour,
                              const QString& credit, const QStringList& lignes);

// The preview of an ADIF import as it stands, its lines numbered by their own record numbers, under a
// title naming the file read.
QString Nom_Import_Adif(const QString& indicatif, const QDate& jour);
Lignes Import_Adif(const QString& indicatif, const QDate& jour, const QString& fichier, const QString& credit,
                   const QStringList& lignes);

} // namespace Rapports
