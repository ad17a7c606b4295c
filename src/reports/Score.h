#pragma once

#include <QByteArray>
#include <QList>

// The station's score: every line of the log is a lighthouse contacted (the same lighthouse worked
// twice counts twice), and a line whose QSL marker is "*" is a confirmed one.
namespace Score {

struct Compte {
    qsizetype contactes = 0;
    qsizetype confirmes = 0;
};

Compte Compte_Log(const QList<QByteArray>& log);

} // namespace Score
