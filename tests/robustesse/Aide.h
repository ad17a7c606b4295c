#pragma once

#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "log/Clavier.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <optional>

using namespace Clavier;
using Fichier_Texte::Joint_Lignes;
using Lignes = QList<QByteArray>;

inline QStringList Message(const QString& texte) {
    return texte.isEmpty() ? QStringList() : QStringList{texte};
}

// Starts kez_processus with these arguments and gives its first line, "<rien>" when none came in time.
QByteArray Lance_Aide(QProcess& aide, const QStringList& arguments);
// Ends it at once, as a crash or a power cut would: no clean-up of its own runs.
void Tue(QProcess& aide);
// The bytes of a file, "<absent>" when it cannot be read.
QByteArray Contenu(const QString& chemin);

// A small tmpfs over a folder while it lives (root only): file modes do not stop root, a read-only
// mount does. The test is skipped where it cannot be mounted.
class Disque_Monte {
public:
    Disque_Monte(const QString& dossier, qint64 octets);
    ~Disque_Monte();
    QString raison; // why it could not be mounted
    bool Lecture_Seule(bool seule);

private:
    QByteArray dossier, options;
};

#define KEZ_MONTE(disque, dossier, octets)                                                                   \
    if (!disque.emplace(dossier, octets).raison.isEmpty())                                                   \
    QSKIP(qPrintable("cannot mount a tmpfs here (" + disque->raison + ")"))
