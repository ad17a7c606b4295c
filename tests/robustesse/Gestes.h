#pragma once

#include "Etat_Programme.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Main;
class Plateforme_Test;

// What the operator does that writes a file, for the tests that make the writing fail: the files of
// the folder first, the gesture, and what the folder holds once the gesture succeeds.
namespace Gestes {

using Lignes = QList<QByteArray>;

inline const QString Log_Station = QStringLiteral("F5ABC_TORV.log");
inline const QString Log_Nouvelle_Station = QStringLiteral("F6XYZ_TORV.log");

QByteArray Joint(const Lignes& lignes);

// Enough QSOs for a rewrite of three blocks, so that a write can fail first, in the middle or last.
const Lignes& Log();
// The QSO of the log that is modified, deleted, or chosen in the list.
const QByteArray& QSO_Vise();
// A first-name memory of that many callsigns, none of them F5XYZ.
Lignes Prenoms_Connus(int nombre);

// The folder of station F5ABC: its log, a first-name memory of that many callsigns, the lighthouse
// list, the template of a new station's log (as long as the log), and a report of each name written
// on an earlier run.
void Prepare_Dossier(Plateforme_Test& t, int prenoms);

struct Geste {
    const char* nom;
    // The files the gesture rewrites, in its order.
    std::function<QStringList(const Main&)> fichiers;
    // Brings the program to the moment of the gesture (an entry typed, a window open...).
    std::function<void(Main&)> prepare;
    std::function<void(Main&)> fait;
    // Asked before writing, if anything.
    QString question;
    // Told once it is written, if anything.
    std::function<QString(const Main&)> annonce;
    // The folder once the gesture has succeeded, from the folder before it.
    std::function<void(const Main&, Etat_Programme::Fichiers&)> apres;
};

// Recording in each entry mode, deleting, starting a new station's log, exporting, saving each report.
const QList<Geste>& Table();

} // namespace Gestes
