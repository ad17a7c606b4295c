#include "Aide.h"

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
