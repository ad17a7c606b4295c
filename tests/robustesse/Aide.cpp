#include "Aide.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#endif

QByteArray Lance_Aide(QProcess& aide, const QStringList& arguments) {
    aide.setProgram(QStringLiteral(KEZ_PROCESSUS));
    aide.setArguments(arguments);
    aide.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    aide.start();
    if (!aide.waitForStarted(10000))
        return "<rien>";
    while (!aide.canReadLine()) {
        if (!aide.waitForReadyRead(20000))
            return "<rien>";
    }
    return aide.readLine().trimmed();
}

void Tue(QProcess& aide) {
    // SIGKILL on POSIX systems, TerminateProcess on Windows: neither lets the program tidy up.
    aide.kill();
    aide.waitForFinished(10000);
}

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<absent>");
}

Disque_Monte::Disque_Monte(const QString& dossier, qint64 octets)
    : dossier(QFile::encodeName(dossier)), options("size=" + QByteArray::number(octets)) {
#ifdef Q_OS_LINUX
    if (::mount("tmpfs", this->dossier.constData(), "tmpfs", 0, options.constData()) == 0)
        monte = true;
    else
        raison = QString::fromLocal8Bit(std::strerror(errno));
#else
    raison = QStringLiteral("tmpfs is a Linux file system");
#endif
}

Disque_Monte::~Disque_Monte() {
#ifdef Q_OS_LINUX
    // Detached, so that a file a failed test left open does not keep it mounted.
    if (monte)
        ::umount2(dossier.constData(), MNT_DETACH);
#endif
}

bool Disque_Monte::Lecture_Seule(bool seule) {
#ifdef Q_OS_LINUX
    const unsigned long drapeaux = MS_REMOUNT | (seule ? MS_RDONLY : 0);
    return monte && ::mount("tmpfs", dossier.constData(), "tmpfs", drapeaux, options.constData()) == 0;
#else
    Q_UNUSED(seule);
    return false;
#endif
}
