#include "Aide.h"

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

KEZ_TEST_MAIN()

QByteArray Lance_Aide(QProcess& aide, const QStringList& arguments) {
    aide.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    aide.start(QStringLiteral(KEZ_PROCESSUS), arguments);
    while (aide.waitForStarted(10000) && !aide.canReadLine() && aide.waitForReadyRead(20000)) {
    }
    return aide.canReadLine() ? aide.readLine().trimmed() : QByteArray("<rien>");
}

void Tue(QProcess& aide) {
    aide.kill();
    aide.waitForFinished(10000);
}

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<absent>");
}

Disque_Monte::Disque_Monte(const QString& dossier, qint64 octets)
    : dossier(QFile::encodeName(dossier)), options("size=" + QByteArray::number(octets)) {
    if (::mount("tmpfs", this->dossier.constData(), "tmpfs", 0, options.constData()) != 0)
        raison = QString::fromLocal8Bit(std::strerror(errno));
}

Disque_Monte::~Disque_Monte() {
    // Detached, so that a file a failed test left open does not keep it mounted.
    if (raison.isEmpty())
        ::umount2(dossier.constData(), MNT_DETACH);
}

bool Disque_Monte::Lecture_Seule(bool seule) {
    const unsigned long drapeaux = MS_REMOUNT | (seule ? MS_RDONLY : 0);
    return ::mount("tmpfs", dossier.constData(), "tmpfs", drapeaux, options.constData()) == 0;
}
