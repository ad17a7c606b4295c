#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

class Main;
class Plateforme_Test;

// What a failed write must leave as it was: the files on disk and what the operator sees.
namespace Etat_Programme {

// The files of a folder by name, with their bytes.
using Fichiers = QMap<QString, QByteArray>;
Fichiers Fichiers_Du_Dossier(const QString& dossier);
Fichiers Fichiers_Du_Dossier(const Plateforme_Test& t);
// One line per file, its name, size and digest: short to print when two differ.
QStringList Resume(const Fichiers& fichiers);

// The entry fields with their texts, states and colours, the entry mode, the focus, the log list, the
// station and its settings, the first-name flag, and the station window when it is open.
QStringList Vue(Main& main, const Plateforme_Test& t);

} // namespace Etat_Programme
