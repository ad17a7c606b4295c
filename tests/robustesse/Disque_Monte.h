#pragma once

#include <QByteArray>
#include <QString>

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
