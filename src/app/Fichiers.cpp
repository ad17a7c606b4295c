#include "app/Fichiers.h"

#include "app/Fichier_Texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

QString Fichiers_Disque::Remplace(const QString& chemin, const QList<QByteArray>& lignes) {
    QSaveFile brouillon(chemin);
    if (!Ouvre(brouillon))
        return brouillon.errorString();
    const QByteArray octets = Fichier_Texte::Joint_Lignes(lignes);
    for (qsizetype debut = 0; debut < octets.size(); debut += Taille_Bloc) {
        if (!Ecrit(brouillon, octets.mid(debut, Taille_Bloc))) {
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

bool Fichiers_Disque::Ouvre(QSaveFile& brouillon) {
    return brouillon.open(QIODevice::WriteOnly);
}

bool Fichiers_Disque::Ecrit(QSaveFile& brouillon, const QByteArray& bloc) {
    return brouillon.write(bloc) == bloc.size();
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
