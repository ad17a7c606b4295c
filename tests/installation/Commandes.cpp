#include "Commandes.h"

#include "app/Installation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

Resultat Execute(const QString& programme, const QStringList& arguments,
                 const QProcessEnvironment& environnement, int delai_ms) {
    QProcess processus;
    processus.setProcessEnvironment(environnement);
    processus.setProcessChannelMode(QProcess::MergedChannels);
    processus.start(programme, arguments);
    Resultat resultat;
    if (!processus.waitForStarted()) {
        resultat.sortie = processus.errorString().toUtf8();
        return resultat;
    }
    if (!processus.waitForFinished(delai_ms)) {
        processus.kill();
        processus.waitForFinished();
        resultat.sortie = "<délai dépassé> " + processus.readAll();
        return resultat;
    }
    resultat.sortie = processus.readAll();
    resultat.code = processus.exitStatus() == QProcess::NormalExit ? processus.exitCode() : -1;
    return resultat;
}

QStringList Fichiers_Attendus() {
    const QString partage = QStringLiteral(KEZ_DATADIR);
    QStringList fichiers{
        QStringLiteral(KEZ_BINDIR "/KEZ_TORV"),
        partage + "/applications/" + Identifiant + ".desktop",
        partage + "/doc/kez-torv/copyright",
        partage + "/icons/hicolor/scalable/apps/" + Identifiant + ".svg",
        partage + "/metainfo/" + Identifiant + ".metainfo.xml",
    };
    for (const QString& nom : Installation::Fichiers_Donnees())
        fichiers << QStringLiteral(KEZ_DONNEES "/") + nom;
    fichiers.sort();
    return fichiers;
}

QStringList Fichiers_Sous(const QString& dossier) {
    QStringList fichiers;
    QDirIterator i(dossier, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (i.hasNext())
        fichiers << QDir(dossier).relativeFilePath(i.next());
    fichiers.sort();
    return fichiers;
}

void Lecture_Seule(const QString& dossier, bool seule) {
    const QFileDevice::Permissions ecriture = QFile::WriteOwner | QFile::WriteUser;
    QDirIterator i(dossier, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                   QDirIterator::Subdirectories);
    QStringList chemins{dossier};
    while (i.hasNext())
        chemins << i.next();
    for (const QString& chemin : chemins) {
        const QFileDevice::Permissions droits = QFile::permissions(chemin);
        QFile::setPermissions(chemin, seule ? droits & ~ecriture : droits | ecriture);
    }
}
