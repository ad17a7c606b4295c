#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What an outside command gave back.
struct Resultat {
    int code = -1;
    QByteArray sortie; // standard output and error, mixed
};

Resultat Execute(const QString& programme, const QStringList& arguments,
                 const QProcessEnvironment& environnement = QProcessEnvironment::systemEnvironment(),
                 int delai_ms = 240000);

// The files an install puts under its prefix, sorted: the program, the desktop side, the data.
QStringList Fichiers_Attendus();

// Every file under the folder, relative to it, sorted.
QStringList Fichiers_Sous(const QString& dossier);
// Makes a whole tree read-only, or writable again.
void Lecture_Seule(const QString& dossier, bool seule);

// The application identifier that names the desktop entry, the icon and the metainfo.
inline const QString Identifiant = QStringLiteral(KEZ_ID);
