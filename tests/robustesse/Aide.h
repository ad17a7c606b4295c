#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Starts kez_processus with these arguments and waits for its first line; the line, or "<rien>"
// when it ended or said nothing in time.
QByteArray Lance_Aide(QProcess& aide, const QStringList& arguments);
// Ends it at once, as a crash or a power cut would: no clean-up of its own runs.
void Tue(QProcess& aide);
// The bytes of a file, "<absent>" when it cannot be read.
QByteArray Contenu(const QString& chemin);

// A small tmpfs mounted over a folder for the length of a test, unmounted when the test ends however
// it ends. Mounting needs the right to (root, outside a container that forbids it): the file modes that
// make a folder read-only do not stop root, a read-only mount does.
class Disque_Monte {
public:
    Disque_Monte(const QString& dossier, qint64 octets);
    ~Disque_Monte();
    Disque_Monte(const Disque_Monte&) = delete;
    Disque_Monte& operator=(const Disque_Monte&) = delete;

    bool Monte() const { return monte; }
    // Why it could not be mounted.
    QString Raison() const { return raison; }
    // Mounted again, read-only or not.
    bool Lecture_Seule(bool seule);

private:
    QByteArray dossier;
    QByteArray options;
    bool monte = false;
    QString raison;
};
