#pragma once

#include "app/Session.h"
#include "lighthouses/Liste_Phare.h"
#include "log/Journal_Station.h"
#include "support/Doubles.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <memory>

class Main;

// A program folder with a log of a given size, and the main window when it has been started.
struct Banc {
    // The station whose log is measured.
    static inline const QString Indicatif = QStringLiteral("F5ABC");

    explicit Banc(int qso);
    ~Banc();

    const int qso;
    const QList<Phare> phares; // the shipped lighthouse list, copied into the folder
    const QList<QByteArray> lignes;
    const QByteArray octets; // the log file as the program writes it
    Plateforme_Test t;
    // The station's log without a window, as the writes are timed.
    Session session;
    Journal_Station journal;
    std::unique_ptr<Main> main;

    QString Chemin_Log() const;
    // The log file back to its generated content, as before any change.
    void Remet_Log();
    // The program started on it, if it is not already.
    void Demarre();
    // A record of the log, far from both ends.
    const QByteArray& QSO_Du_Milieu() const;
    Journal::QSO_Choisi QSO_Choisi_Du_Milieu() const;
};

// What a measured operation is compared with: what the disk itself needs for the same bytes. Every
// file the program writes goes through a scratch file flushed to disk and renamed over, so that a
// power cut never leaves half a file; the floors take the same steps.
enum class Plancher {
    Aucun,       // works in memory only: the target is a time
    Copie_Videe, // read the log, write it to a scratch file, flush it to disk, rename it over
    Ecriture,    // write as many bytes as the file the operation wrote, flushed and renamed the same way
};

// One row of the table. `prepare` runs before each timed run and is not counted.
struct Operation {
    const char* nom;
    Plancher plancher;
    const char* cible; // the target, shown beside the figures
    std::function<void(Banc&)> prepare;
    std::function<void(Banc&)> mesure;
    // With Plancher::Ecriture, the name of the file the operation wrote.
    std::function<QString(const Banc&)> fichier_ecrit = {};
};

// The operations of the table, in its order; new rows are added in Operations.cpp.
QList<Operation> Operations();
