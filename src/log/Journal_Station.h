#pragma once

#include "app/Fichiers.h"
#include "log/Historique_Log.h"
#include "log/Journal.h"
#include "log/Sauvegardes.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class Horloge;
class Messages;
class Session;

// The current station's log: its bytes as last read or written, and every change to it. Each change
// rewrites the file whole through the file layer and is signalled; a file that cannot be read or
// written is reported to the operator, the log on disk stays as it was, and the change returns false.
// The changes of the session can be taken back, and the log is copied before the first change of the day.
class Journal_Station : public QObject {
    Q_OBJECT

public:
    Journal_Station(const Session& session, Fichiers& fichiers, Messages& messages, const Horloge& horloge);

    // The log as last read or written.
    const Journal::Texte& Log() const { return texte; }
    // The log's lines for a reader: those held while the file is as last read or written, otherwise
    // the file read again (another program may have changed it). Nothing, after telling the operator,
    // when it cannot be read. The lines may be views of the log held: use them before the next change.
    std::optional<Journal::Lignes>
    Lignes_Du_Log(Sous_Programmes::Si_Absent si_absent = Sous_Programmes::Si_Absent::Vide);

    // Reads the log from the file: Log_Lu follows, even when it could not be read (the log then
    // shows empty, and is never taken for an empty file).
    void Lecture_Log();
    bool Ajout_Fin_Log(const QString& enregistrement);
    // The chosen QSO is changed only where it stands, never a twin of it: when the log no longer holds
    // it at its place, the operator is told, nothing is written and the log is read again.
    bool Remplace_QSO_Log(const QString& nouveau, const Journal::QSO_Choisi& ancien);
    bool Supprime_QSO_Log(const Journal::QSO_Choisi& choisi);
    bool Insere_QSO_Log(const QString& enregistrement);
    // Every record placed as an insertion places it (Journal::Insere_Tous), in one rewrite.
    bool Importe_QSO_Log(const QStringList& enregistrements);
    // Starts a new station's log as a copy of the template FXXXX.txt (an empty log without it).
    bool Creer_Log_Station(const QString& indicatif);
    // The log put back as it was before the last change of the session, when its file is still as that
    // change left it; otherwise the operator is told, nothing is written and the changes are forgotten.
    bool Annule_Derniere_Modification();
    // The log replaced by a copy's bytes, once it is itself copied as a copy of the moment.
    bool Restaure_Log(const QByteArray& octets);
    const Historique_Log& Modifications() const { return historique; }
    Sauvegardes& Copies() { return sauvegardes; }

    // The date of the first QSO with that reference, in file order.
    std::optional<QString> Cherche_Reference_Log(const QString& reference);

signals:
    // The log was read from its file.
    void Log_Lu();
    // The log was rewritten by a change.
    void Log_Change();

private:
    using Changement = std::function<std::optional<Journal::Lignes>(Journal::Lignes)>;
    bool Reecrit(Historique_Log::Nature nature, const Changement& changement);
    // The log file is still as last read or written.
    bool A_Jour();
    // False, after telling the operator, when the log could not be read.
    bool Lisible(const Lecture_Fichier& lecture);
    // The log as its file holds it now: the one held while the file is as last read or written,
    // otherwise the file read again into `relu`. None, after telling the operator, when it cannot be read.
    const Journal::Texte* Log_Actuel(std::optional<Journal::Texte>& relu);
    // Writes the new lines over the log `actuel`: a change of that nature, or the last one taken back.
    bool Ecrit_Log(const Journal::Texte& actuel, const Journal::Lignes& nouvelles,
                   std::optional<Historique_Log::Nature> nature);
    void Garde(QByteArray octets, QString empreinte);

    const Session& session;
    Fichiers& fichiers;
    Messages& messages;
    Journal::Texte texte;
    // The log file's state (Fichiers::Empreinte) when it held `texte`; empty when unknown. While the
    // file keeps that state, a change need not read it again.
    QString empreinte;
    Historique_Log historique;
    Sauvegardes sauvegardes;
};
