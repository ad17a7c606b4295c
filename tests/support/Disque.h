#pragma once

#include <QByteArray>
#include <QString>

// A file's bytes as they stand on the disk, "<absent>" when it cannot be read.
QByteArray Lit_Disque(const QString& chemin);
// Writes the bytes, creating the folders on the way.
void Ecrit_Disque(const QString& chemin, const QByteArray& octets);
