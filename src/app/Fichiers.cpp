#include "app/Fichiers.h"

#include "app/Fichier_Texte.h"
#include "app/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <filesystem>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

Lecture_Fichier Fichiers::Lit(const QString& chemin) {
    Lecture_Fichier lecture = Lit_Octets(chemin);
    lecture.lignes = Fichier_Texte::Coupe_Lignes(lecture.octets);
    return lecture;
}

Lecture_Fichier Fichiers_Disque::Lit_Octets(const QString& chemin) {
    Lecture_Fichier lecture;
    QFile fichier(chemin);
    if (!fichier.exists()) {
        lecture.etat = Lecture_Fichier::Etat::Absent;
        lecture.raison = QStringLiteral("fichier absent");
        return lecture;
    }
    if (!fichier.open(QIODevice::ReadOnly)) {
        lecture.etat = Lecture_Fichier::Etat::Illisible;
        lecture.raison = fichier.errorString();
        return lecture;
    }
    lecture.octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError) {
        lecture.etat = Lecture_Fichier::Etat::Illisible;
        lecture.raison = fichier.errorString();
        lecture.octets.clear();
    }
    return lecture;
}

namespace {

// An existing file that cannot be replaced only makes QSaveFile say that it is not writable. Opened to
// append, and nothing written, it makes the system say why: a read-only disk, a permission refused.
QString Raison_Refus(const QString& chemin, const QSaveFile& brouillon) {
    QFile cible(chemin);
    if (cible.exists() && !cible.open(QIODevice::Append | QIODevice::ExistingOnly))
        return cible.errorString();
    return brouillon.errorString();
}

} // namespace

Ecriture Fichiers::Remplace(const QString& chemin, const QList<QByteArray>& lignes) {
    return Remplace(chemin, Fichier_Texte::Joint_Lignes(lignes));
}

Ecriture Fichiers_Disque::Remplace(const QString& chemin, const QByteArray& octets) {
    QSaveFile brouillon(chemin);
    if (!Ouvre(brouillon))
        return {Raison_Refus(chemin, brouillon), {}};
    for (qsizetype debut = 0; debut < octets.size(); debut += Taille_Bloc) {
        const qsizetype taille = std::min(Taille_Bloc, octets.size() - debut);
        if (!Ecrit(brouillon, QByteArray::fromRawData(octets.constData() + debut, taille))) {
            const QString raison = brouillon.errorString();
            brouillon.cancelWriting();
            return {raison, {}};
        }
    }
    if (!Vide(brouillon)) {
        const QString raison = brouillon.errorString();
        brouillon.cancelWriting();
        return {raison, {}};
    }
    // Before the rename: once renamed, bytes the disk then loses would be lost with the old file gone.
    const QString raison = Synchronise(brouillon);
    if (!raison.isEmpty()) {
        brouillon.cancelWriting();
        return {raison, {}};
    }
    if (!Valide(brouillon))
        return {brouillon.errorString(), {}};
    // The rename is only an entry of the folder until the folder itself is on the disk.
    return {{}, Synchronise_Dossier(QFileInfo(chemin).absolutePath())};
}

QString Fichiers_Disque::Supprime(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.exists() || fichier.remove())
        return {};
    return fichier.errorString();
}

bool Fichiers_Disque::Existe(const QString& chemin) {
    return QFileInfo::exists(chemin);
}

QString Fichiers_Disque::Empreinte(const QString& chemin) {
    const std::filesystem::path fichier(chemin.toStdU16String());
    std::error_code erreur;
    const std::uintmax_t taille = std::filesystem::file_size(fichier, erreur);
    if (erreur)
        return {};
    const std::filesystem::file_time_type ecrit = std::filesystem::last_write_time(fichier, erreur);
    if (erreur)
        return {};
    return QStringLiteral("%1|%2|%3").arg(chemin).arg(taille).arg(ecrit.time_since_epoch().count());
}

QStringList Fichiers_Disque::Noms_Fichiers(const QString& dossier) {
    return QDir(dossier).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QString Fichiers_Disque::Cree_Dossier(const QString& dossier) {
    const QFileInfo info(dossier);
    if (info.isDir())
        return {};
    if (info.exists())
        return QStringLiteral("un fichier porte déjà ce nom");
    std::error_code erreur;
    std::filesystem::create_directories(std::filesystem::path(dossier.toStdU16String()), erreur);
    return erreur ? qt_error_string(erreur.value()) : QString();
}

bool Fichiers_Disque::Ouvre(QSaveFile& brouillon) {
    return brouillon.open(QIODevice::WriteOnly);
}

bool Fichiers_Disque::Ecrit(QSaveFile& brouillon, const QByteArray& bloc) {
    // A disk filling up takes part of a block without a word; writing the rest then fails with the
    // system's reason, the one the operator is told.
    for (qsizetype ecrit = 0; ecrit < bloc.size();) {
        const qint64 octets = brouillon.write(bloc.constData() + ecrit, bloc.size() - ecrit);
        if (octets <= 0)
            return false;
        ecrit += octets;
    }
    return true;
}

bool Fichiers_Disque::Vide(QSaveFile& brouillon) {
    return brouillon.flush();
}

namespace {

#ifndef Q_OS_WIN
// A file system that cannot flush this kind of file says so with EINVAL: it keeps nothing back to flush.
QString Raison_Synchronisation() {
    return errno == EINVAL ? QString() : qt_error_string(errno);
}
#endif

} // namespace

QString Fichiers_Disque::Synchronise(QSaveFile& brouillon) {
    const int descripteur = brouillon.handle();
#if defined(Q_OS_WIN)
    return _commit(descripteur) == 0 ? QString() : qt_error_string(errno);
#else
    int resultat;
    do {
#if defined(Q_OS_LINUX)
        resultat = ::fdatasync(descripteur);
#else
        resultat = ::fsync(descripteur);
#endif
    } while (resultat != 0 && errno == EINTR);
    return resultat == 0 ? QString() : Raison_Synchronisation();
#endif
}

// Renames the scratch file over the target in one step. Its own flush to disk, whose failure it does not
// report, comes after ours and has nothing left to do.
bool Fichiers_Disque::Valide(QSaveFile& brouillon) {
    return brouillon.commit();
}

QString Fichiers_Disque::Synchronise_Dossier(const QString& dossier) {
#if defined(Q_OS_WIN)
    // Windows writes a rename to the disk with the file system's own journal; a folder cannot be flushed.
    Q_UNUSED(dossier);
    return {};
#else
    const int descripteur =
        ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descripteur < 0)
        return qt_error_string(errno);
    int resultat;
    do {
        resultat = ::fsync(descripteur);
    } while (resultat != 0 && errno == EINTR);
    const QString raison = resultat == 0 ? QString() : Raison_Synchronisation();
    ::close(descripteur);
    return raison;
#endif
}

namespace Sous_Programmes {

QString Message_Lecture_Impossible(const QString& chemin, const QString& raison) {
    return QStringLiteral("Impossible de lire le fichier %1 : %2")
        .arg(QDir::toNativeSeparators(chemin), raison);
}

QString Message_Ecriture_Impossible(const QString& chemin, const QString& raison) {
    return QStringLiteral(
               "Impossible d'enregistrer le fichier %1 : %2\r\nLe fichier est resté tel qu'il était.")
        .arg(QDir::toNativeSeparators(chemin), raison);
}

QString Message_Dossier_Non_Confirme(const QString& chemin, const QString& raison) {
    return QStringLiteral("Le fichier %1 a été enregistré, mais le disque n'a pas confirmé l'écriture du "
                          "dossier : %2\r\nVérifiez le disque ; inutile d'enregistrer à nouveau.")
        .arg(QDir::toNativeSeparators(chemin), raison);
}

std::optional<QList<QByteArray>> Lit_Ou_Signale(Fichiers& fichiers, Messages& messages, const QString& chemin,
                                                Si_Absent si_absent) {
    Lecture_Fichier lecture = fichiers.Lit(chemin);
    if (lecture.Lu() || (lecture.etat == Lecture_Fichier::Etat::Absent && si_absent == Si_Absent::Vide))
        return std::move(lecture.lignes);
    messages.Affiche(Message_Lecture_Impossible(chemin, lecture.raison));
    return std::nullopt;
}

bool Ecriture_Faite(Messages& messages, const QString& chemin, const Ecriture& ecriture) {
    if (!ecriture.raison.isEmpty()) {
        messages.Affiche(Message_Ecriture_Impossible(chemin, ecriture.raison));
        return false;
    }
    if (!ecriture.raison_dossier.isEmpty())
        messages.Affiche(Message_Dossier_Non_Confirme(chemin, ecriture.raison_dossier));
    return true;
}

} // namespace Sous_Programmes
