#include "app/Installation.h"

#include "Donnees_Livrees.h"
#include "app/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Empty when the copy is made, otherwise why it was not.
QString Copie(const QString& modele, const QString& cible) {
    QFile fichier(modele);
    if (!fichier.exists())
        return QStringLiteral("fichier absent");
    // QFile::copy writes a scratch file and renames it, so an interrupted copy leaves no half file.
    if (!fichier.copy(cible))
        return fichier.errorString();
    // The copy keeps the permissions of an installed file, which may be read-only.
    QFile::setPermissions(cible, QFile::permissions(cible) | QFile::ReadOwner | QFile::WriteOwner);
    return {};
}

} // namespace

namespace Installation {

const QStringList& Fichiers_Donnees() {
    return Donnees_Livrees::Noms;
}

Emplacement Choisit(const Lieux& lieux, bool a_cote, bool inscriptible) {
    if (a_cote && inscriptible)
        return {lieux.programme, {}};
    // A read-only portable copy starts the operator's folder from its own files.
    return {lieux.utilisateur, a_cote ? lieux.programme : lieux.donnees};
}

Emplacement Choisit(const Lieux& lieux) {
    const QDir programme(lieux.programme);
    bool a_cote = false;
    for (const QString& nom : Fichiers_Donnees())
        a_cote = a_cote || programme.exists(nom);
    return Choisit(lieux, a_cote, QFileInfo(lieux.programme).isWritable());
}

QStringList Prepare_Dossier(const QString& modeles, const QString& dossier, const QStringList& noms) {
    if (!QDir().mkpath(dossier))
        return {QStringLiteral("Impossible de créer le dossier %1.").arg(QDir::toNativeSeparators(dossier))};
    QStringList erreurs;
    for (const QString& nom : noms) {
        const QString cible = QDir(dossier).filePath(nom);
        if (QFileInfo::exists(cible))
            continue;
        const QString modele = QDir(modeles).filePath(nom);
        const QString raison = Copie(modele, cible);
        if (!raison.isEmpty())
            erreurs << QStringLiteral("Impossible de copier le fichier %1 dans le dossier %2 : %3")
                           .arg(QDir::toNativeSeparators(modele), QDir::toNativeSeparators(dossier), raison);
    }
    return erreurs;
}

QString Repertoire_De_Travail(Messages& messages) {
    const QString programme = QCoreApplication::applicationDirPath();
    const Lieux lieux{programme,
                      QDir::cleanPath(programme + QLatin1Char('/') + Donnees_Livrees::Dossier_Installe),
                      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
    const Emplacement emplacement = Choisit(lieux);
    if (!emplacement.modeles.isEmpty()) {
        const QStringList erreurs =
            Prepare_Dossier(emplacement.modeles, emplacement.travail, Fichiers_Donnees());
        if (!erreurs.isEmpty())
            messages.Affiche(erreurs.join(QStringLiteral("\r\n")));
    }
    return emplacement.travail;
}

} // namespace Installation
