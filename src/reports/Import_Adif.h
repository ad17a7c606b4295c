#pragma once

#include "lighthouses/Liste_Phare.h"
#include "log/Journal.h"
#include "reports/Lecture_Adif.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The QSOs of another logging program's ADIF file made into records of the station's log, each
// checked as a typed QSO is. A lighthouse log holds lighthouse QSOs only: a QSO that names no
// lighthouse is not taken, only counted.
namespace Import_Adif {

// A QSO of the file, known by the number of its record in the file (from 1).
struct QSO {
    qsizetype numero;
    QString enregistrement;
};

struct Refus {
    qsizetype numero;
    QString raison;
};

struct Import {
    QList<QSO> a_importer; // in file order
    QList<QSO> doublons;   // already in the log, or earlier in the file
    QList<Refus> refus;
    qsizetype sans_reference = 0;
    Lecture_Adif::Bilan lecture;
};

// One record of the file as a log record, or why it is refused; nothing when it names no lighthouse.
struct Conversion {
    QString enregistrement;
    QString refus;
};
std::optional<Conversion> Convertit(const Lecture_Adif::Record& record, const Liste_Phare::Index& phares);

// The file's QSOs sorted out against the station's log. A QSO is a duplicate of another with the same
// callsign, date, time, band, mode and lighthouse reference.
Import Prepare(const QByteArray& octets, const Journal::Lignes& log, const QList<Phare>& phares);

QStringList Enregistrements(const Import& apport);
// The first-name memory's lines of the QSOs to import that carry a first name.
QStringList Lignes_Prenoms(const Import& apport);

// Why the reading stopped early, for the operator.
QString Message_Arret(const Lecture_Adif::Arret& arret);
// What the operator is told of a file where no record could be read.
QString Message_Sans_QSO(const QString& chemin, const Import& apport);
// What the operator is told once the QSOs are in the log.
QString Bilan(const QString& chemin, const Import& apport);
// The preview, as it is shown and saved: where the reading stopped, then the QSOs to import as list
// lines, the duplicates likewise, the refusals with their reasons and the count without a lighthouse.
QStringList Lignes_Apercu(const Import& apport);

} // namespace Import_Adif
