#pragma once

#include "log/Journal.h"

#include <QObject>
#include <QString>

class Repertoire;

// The state of the run: the station whose log is open, the line chosen in its list, the entry mode
// and the first-name flag. A change of station forgets the line and the mode in the same step, so
// nothing of one station's log can be acted on in another's.
class Session : public QObject {
    Q_OBJECT

public:
    explicit Session(const Repertoire& repertoire);

    const QString& Indicatif_Station() const { return indicatif; }
    // The list line last chosen, empty when none; and the log line behind it.
    const QString& Ligne_Selectionnee() const { return ligne; }
    const Journal::QSO_Choisi& QSO_Selectionne() const { return qso; }
    bool Mode_Modification() const { return modification; }
    bool Mode_Insertion() const { return insertion; }
    // The callsign whose first name is being looked for is not in the memory yet.
    bool Prenom_Nouveau() const { return prenom_nouveau; }

    void Change_Station(const QString& indicatif);
    void Choisit_Ligne(const QString& ligne, const Journal::QSO_Choisi& qso);
    void Efface_Selection();
    void Choisit_Mode(bool modification, bool insertion);
    void Note_Prenom_Nouveau(bool nouveau);

    // A file of the working folder, and a station's log there (the current station's by default).
    QString Chemin(const QString& nom) const;
    QString Chemin_Log() const;
    QString Chemin_Log(const QString& indicatif) const;

signals:
    void Station_Changee();

private:
    const Repertoire& repertoire;
    QString indicatif;
    QString ligne;
    Journal::QSO_Choisi qso;
    bool modification = false;
    bool insertion = false;
    bool prenom_nouveau = false;
};
