#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

class Fichiers;
class Horloge;
class Messages;
class Session;

// The dated copies of each station's log, in the folder "Sauvegardes" of the working folder: the copy of
// the day, made before the day's first change, and the copy of the moment, made before a copy is
// restored over the log.
class Sauvegardes {
public:
    static constexpr qsizetype Gardees = 30;

    struct Sauvegarde {
        QString chemin;
        QDate jour;
        QTime heure;        // invalid for a copy of the day
        qsizetype qso = -1; // -1: the copy cannot be read, or is empty or damaged
    };

    Sauvegardes(const Session& session, Fichiers& fichiers, Messages& messages, const Horloge& horloge);

    // Before the first change of the day to the current log: the log as it is, copied; the station's
    // copies of the day past the most recent 30 removed. A copy that cannot be written is told once a
    // day and never stops the change.
    void Avant_Changement(const QByteArray& log);
    // The log copied as a copy of the moment: its file, empty when the log is empty; nothing, after
    // telling the operator, when it cannot be written.
    std::optional<QString> Sauve_Moment(const QByteArray& log);
    // The current station's copies, the most recent first.
    QList<Sauvegarde> Liste();
    // A copy's bytes; nothing, after telling the operator, when it cannot be restored.
    std::optional<QByteArray> Lit(const QString& chemin);

private:
    QString Dossier() const;
    // Empty when the copy is written, otherwise why not.
    QString Ecrit(const QString& chemin, const QByteArray& octets);

    const Session& session;
    Fichiers& fichiers;
    Messages& messages;
    const Horloge& horloge;
    QDate signalee; // the day a copy that could not be written was told
};

namespace Sous_Programmes {
// "<station>_TORV_aaaa-mm-jj.log"; a copy of the moment adds "_hh-mm-ss".
QString Nom_Sauvegarde(const QString& indicatif, const QDate& jour, const QTime& heure = {});
// The day and time in a copy's name; nothing when the name is not one of that station's copies.
std::optional<Sauvegardes::Sauvegarde> Lit_Nom_Sauvegarde(const QString& nom, const QString& indicatif);
// The station's copies of the day past the most recent 30, among the names of a folder's files.
QStringList Sauvegardes_En_Trop(const QStringList& noms, const QString& indicatif);
// The QSOs of a copy; -1 when it is empty or holds bytes no log holds.
qsizetype QSO_Sauvegarde(const QByteArray& octets);
} // namespace Sous_Programmes
