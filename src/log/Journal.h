#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The log of a station: one record per line, in the log's order. These functions give the new
// content of the file for each change; lines are compared as whole texts, filler blanks included.
// They work on the file's own bytes, so a line that no change touches is written back as it was.
namespace Journal {

using Lignes = QList<QByteArray>;

QString Nom_Fichier(const QString& indicatif);

// The record after the last line.
Lignes Ajoute(Lignes lignes, const QByteArray& enregistrement);
// Every line equal to `ancien` replaced by `nouveau`; `nouveau` after the last line when none was.
Lignes Remplace(Lignes lignes, const QByteArray& nouveau, const QByteArray& ancien);
// Every line equal to the record dropped.
Lignes Supprime(Lignes lignes, const QByteArray& enregistrement);
// The record before the first line of the same or a later date and time, else after the last.
// Lines whose date or time cannot be read keep their place and are passed over.
Lignes Insere(Lignes lignes, const QByteArray& enregistrement);

// The date (JJ/MM/AA) of the first record of that reference, in file order.
std::optional<QString> Premiere_Date_Reference(const Lignes& lignes, const QString& reference);

// The main window's list line of the log line at `position` (from 0), numbered from 1.
QString Ligne_Liste(const Lignes& lignes, qsizetype position);

} // namespace Journal
