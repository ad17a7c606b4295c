#include "support/Disque.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray Lit_Disque(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<absent>");
}

void Ecrit_Disque(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size())
        qFatal("cannot write %s", qPrintable(chemin));
}
