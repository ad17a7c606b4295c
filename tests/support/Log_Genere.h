#pragma once

#include "lighthouses/Liste_Phare.h"

#include <QByteArray>
#include <QList>

// Logs as an operator builds them over the years, for the tests and the benchmark that need many
// QSOs: varied callsigns and first names, references PB1001 to PB1123, dates in order from 1996 to
// 2015 (so both centuries in two-digit years), bands, modes and QSL marks.
namespace Log_Genere {

// `nombre` records in date order; the same seed gives the same log. Given a lighthouse list, each
// QSO is with one of its lighthouses: its reference, name and département together.
QList<QByteArray> Lignes(int nombre, quint32 graine = 1, const QList<Phare>& phares = {});
// One more record, dated inside the log's span so that an insertion lands in its middle.
QByteArray Enregistrement_Milieu(quint32 graine = 2);

} // namespace Log_Genere
