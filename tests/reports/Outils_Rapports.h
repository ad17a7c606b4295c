#pragma once

#include "app/Fichier_Texte.h"
#include "log/Enregistrement.h"
#include "reports/Rapports.h"
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

// A report of numbered lines as laid out on its medium: on paper the lines move four columns to the
// right and the credit one line further down.
inline QStringList Cadre(Rapports::Support support, const QString& titre, const QString& entete,
                         const QStringList& corps, const QString& credit) {
    const bool papier = support == Rapports::Support::Papier;
    QStringList lignes{titre, "", entete, ""};
    for (qsizetype i = 0; i < corps.size(); ++i)
        lignes << Blancs(papier ? 4 : 0) + QString::number(i + 1).rightJustified(5) + ' ' + corps[i];
    return lignes + (papier ? QStringList{"", "", credit} : QStringList{"", credit});
}

// The contacted-lighthouses report of this station on 5 December 2026.
inline QStringList Rapport(Rapports::Support support, const QString& indicatif, const Lignes& log,
                           const QString& credit) {
    const bool papier = support == Rapports::Support::Papier;
    return Cadre(
        support,
        Blancs(papier ? 31 : 20) + indicatif + (papier ? "  " : " ") + "Phares contactés au 05/12/2026",
        papier ? "       N° Indicatif    Dpt     Prenom        Ref    Date    QTR  Mode  QRG  RSTR RSTE  "
                 "Mom du Phare           QSL"
               : "   N° Indicatif    Dpt     Prenom        Ref    Date    QTR  Mode  QRG  RSTR RSTE       "
                 "Mom du Phare           QSL",
        Fichier_Texte::Decode_Lignes(log), credit);
}

// The report of the alphanumeric list of this station on 5 December 2026.
inline QStringList Liste(Rapports::Support support, const QString& indicatif, const QStringList& lignes,
                         const QString& credit) {
    const bool papier = support == Rapports::Support::Papier;
    return Cadre(support,
                 Blancs(papier ? 8 : 4) + indicatif +
                     " Liste alphanumerique des Phares contactés au 05/12/2026",
                 papier ? "        N°  Ref         Nom du Phare                Date   Indicatif     QSL"
                        : "   N°   Ref        Nom du Phare                 Date   Indicatif    QSL",
                 lignes, credit);
}

} // namespace Outils_Rapports
