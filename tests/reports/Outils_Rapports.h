#pragma once

#include "app/Fichier_Texte.h"
#include "log/Enregistrement.h"
#include "support/Doubles.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

using Lignes = QList<QByteArray>;

namespace Outils_Rapports {

// F5XYZ worked PB1004 (P. Ar-Men) on 14 Mhz, QSL received.
inline const QByteArray Exemple = "F5XYZ        29   JEAN            PB100414/07/14 09:35 SSB 14 Mhz  59  57 "
                                  " P. Ar-Men                      *";

inline QString Blancs(int nombre) {
    return QString(nombre, QLatin1Char(' '));
}

// A log record as the log file holds it.
inline QByteArray QSO(const QString& indicatif, const QString& reference, const QString& date,
                      const QString& nom_phare = QString(), const QString& qsl = QStringLiteral(" "),
                      const QString& bande = QStringLiteral("14 Mhz"), const QString& prenom = QString()) {
    return Fichier_Texte::Encode(Enregistrement::Compose(
        {indicatif, "29", prenom, reference, date, "10:05", "SSB", bande, "59", "57", nom_phare, qsl}));
}

// The bytes of a file of these lines.
inline QByteArray Fichier(const QStringList& lignes) {
    return Fichier_Texte::Joint_Lignes(Fichier_Texte::Encode_Lignes(lignes));
}

inline QByteArray Fichier(const Lignes& lignes) {
    return Fichier_Texte::Joint_Lignes(lignes);
}

// A platform whose station F5ABC has this log, and whose local day is 5 December 2026 (the UTC day
// is already the 6th).
inline void Prepare_Station(Plateforme_Test& t, const Lignes& log) {
    t.Ecrit_Reglage("Setup ", "Indicatif Station", "F5ABC");
    t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(log));
    t.horloge.utc = QDateTime(QDate(2026, 12, 6), QTime(0, 30), Qt::UTC);
    t.horloge.locale = QDateTime(QDate(2026, 12, 5), QTime(23, 30));
}

} // namespace Outils_Rapports
