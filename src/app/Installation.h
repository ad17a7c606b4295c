#pragma once

#include <QString>
#include <QStringList>

class Messages;

// Where the program keeps its files. A portable copy (the shipped data files beside the program, in
// a folder the operator may write, as in the build) works in its own folder. An installed copy cannot
// write beside its program, so it works in the operator's own data folder, which starts with a copy
// of the shipped data files and is never overwritten afterwards: the logs, the first names and a
// reference list the operator replaced all survive a later start or a new version.
namespace Installation {

// The shipped data files.
const QStringList& Fichiers_Donnees();

struct Lieux {
    QString programme;   // the program's own folder
    QString donnees;     // where an install puts the shipped data files
    QString utilisateur; // the operator's own data folder
};

struct Emplacement {
    QString travail; // the working folder of the run
    QString modeles; // the folder whose data files start the working folder; empty for a portable copy
};

// a_cote: the shipped data files stand beside the program; inscriptible: its folder can be written.
Emplacement Choisit(const Lieux& lieux, bool a_cote, bool inscriptible);
// The same, the program's folder looked at on the disk.
Emplacement Choisit(const Lieux& lieux);

// Copies into the folder, which is created if need be, each file that is not there yet; a file
// already there is never replaced. Returns the message of each failure.
QStringList Prepare_Dossier(const QString& modeles, const QString& dossier, const QStringList& noms);

// The working folder of this copy of the program, prepared; a failure is shown and the program goes on.
QString Repertoire_De_Travail(Messages& messages);

} // namespace Installation
