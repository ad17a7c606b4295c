#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>

// Reads the ADIF text format other logging programs write: an optional header ended by <eoh>, then
// records of "<name:length>value" or "<name:length:type>value" fields, each record ended by <eor>.
// Names are read in any case, lengths count characters, text between fields is passed over. Bytes
// beyond ASCII are UTF-8 when the whole file is valid UTF-8, Windows-1252 otherwise.
namespace Lecture_Adif {

// A record's fields by name, in capitals; the values as the file holds them.
using Record = QHash<QString, QString>;

// Where the reading stopped before the end of the file: the number of the record it was in (from 1)
// and why. The records before it were all given.
struct Arret {
    qsizetype record;
    QString raison;
};

struct Bilan {
    qsizetype records = 0;
    std::optional<Arret> arret;
};

// Gives each whole record in file order, and says how many there were and whether the file was
// damaged. Memory stays that of the text and one record, whatever the file's size.
Bilan Lit(const QByteArray& octets, const std::function<void(const Record&)>& recoit);

} // namespace Lecture_Adif
