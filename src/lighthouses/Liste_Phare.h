#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// One lighthouse of the reference file, its texts exactly as the file holds them.
struct Phare {
    QString nom;
    QString numero_pb;
    QString numero_lh;
    QString departement;
};

// The reference file Liste_Phare.txt: five lines per lighthouse (name, PB number, LH number,
// département, a fifth line nobody reads), nothing between the records.
namespace Liste_Phare {

inline const QString Nom_Fichier = QStringLiteral("Liste_Phare.txt");

// The complete records of the file, in file order; a last record short of lines is left out.
QList<Phare> Phares(const QList<QByteArray>& lignes);

// The number formed by the leading digits of a text, blanks ignored, written without leading zeros
// (an empty text for 0), so that numbers of any length compare exactly.
QString Valeur_Numerique(const QString& texte);
// The number a reference stands for: the value of its characters after "PB", so that PB0012, PB012
// and PB12 are the same lighthouse, whose PB number has that value.
QString Numero_Reference(const QString& reference);

// What the entry's lighthouse-name field is given for a lighthouse: "P. " and its name.
QString Nom_Saisi(const Phare& phare);

// The lighthouses by the value of their PB number, the last of the file kept for a value.
using Index = QHash<QString, Phare>;
Index Indexe(const QList<Phare>& phares);
// The lighthouse of the reference's characters after "PB"; an empty one when none has that value.
Phare Cherche(const Index& index, const QString& reference);

// The lighthouse window: its header and the 58-character line of a lighthouse. A field longer
// than its column is cut, so the columns stay aligned.
extern const QString Entete;
QString Ligne_Liste(const Phare& phare);

} // namespace Liste_Phare

namespace Sous_Programmes {
// Liste_Phare::Cherche in a list read once.
Phare Recherche_Phare(const QList<Phare>& phares, const QString& reference);
} // namespace Sous_Programmes
