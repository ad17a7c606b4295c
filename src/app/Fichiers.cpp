#include "app/Fichiers.h"

#include "app/Fichier_Texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <filesystem>

Lecture_Fichier Fichiers_Disque::Lit(const QString& chemin) {
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
    const QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError) {
        lecture.etat = Lecture_Fichier::Etat::Illisible;
        lecture.raison = fichier.errorString();
        return lecture;
    }
    lecture.lignes = Fichier_Texte::Coupe_Lignes(octets);
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

QString Fichiers::Remplace(const QString& chemin, const QList<QByteArray>& lignes) {
    return Remplace(chemin, Fichier_Texte::Joint_Lignes(lignes));
}

QString Fichiers_Disque::Remplace(const QString& chemin, const QByteArray& octets) {
    QSaveFile brouillon(chemin);
    if (!Ouvre(brouillon))
        return Raison_Refus(chemin, brouillon);
    for (qsizetype debut = 0; debut < octets.size(); debut += Taille_Bloc) {
        const qsizetype taille = std::min(Taille_Bloc, octets.size() - debut);
        if (!Ecrit(brouillon, QByteArray::fromRawData(octets.constData() + debut, taille))) {
            const QString raison = brouillon.errorString();
            brouillon.cancelWriting();
            return raison;
        }
    }
    if (!Vide(brouillon)) {
        const QString raison = brouillon.errorString();
        brouillon.cancelWriting();
        return raison;
    }
    if (!Valide(brouillon))
        return brouillon.errorString();
    return {};
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

// Commits with a sync to disk, then renames the scratch file over the target in one step.
bool Fichiers_Disque::Valide(QSaveFile& brouillon) {
    return brouillon.commit();
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

} // namespace Sous_Programmes
