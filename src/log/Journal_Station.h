#pragma once

#include "app/Fichiers.h"
#include "log/Journal.h"

#include <QString>
#include <optional>

class Main;

// The current station's log as the main window shows it. Each change rewrites the file whole,
// shows the new log in Liste_TORV and selects its last line. A file that cannot be read or written
// is reported to the operator, the log on disk stays as it was, and the change returns false.
namespace Sous_Programmes {

// The log file as read: the lines the list shows while the file is as the program last read or
// wrote it, otherwise the file read again (another program may have changed it).
Lecture_Fichier Lit_Fichier_Log(Main& main);
// Reads the log from the file and shows it.
void Lecture_Log(Main& main);
bool Ajout_Fin_Log(Main& main, const QString& enregistrement);
// The chosen QSO is changed only where it stands, never a twin of it: when the log no longer holds it
// at its place, the operator is told, nothing is written and the list shows the log as it is.
bool Remplace_QSO_Log(Main& main, const QString& nouveau, const Journal::QSO_Choisi& ancien);
bool Supprime_QSO_Log(Main& main, const Journal::QSO_Choisi& choisi);
bool Insere_QSO_Log(Main& main, const QString& enregistrement);
// Starts a new station's log as a copy of the template FXXXX.txt (an empty log without it).
bool Creer_Log_Station(Main& main, const QString& indicatif);
// The date of the first QSO with that reference, in file order.
std::optional<QString> Cherche_Reference_Log(Main& main, const QString& reference);

} // namespace Sous_Programmes
