#pragma once

#include "log/Journal.h"

#include <QList>
#include <QString>

// The changes this session made to the current log, the latest last, so that the operator can take them
// back one by one. Each keeps only the lines it changed: a long log is not held twenty times over.
class Historique_Log {
public:
    static constexpr qsizetype Profondeur = 20;

    enum class Nature { Enregistrement, Modification, Insertion, Suppression, Import, Restauration };

    struct Modification {
        Nature nature = Nature::Enregistrement;
        qsizetype debut = 0;   // the first line that changed (from 0)
        qsizetype total = 0;   // the log's lines before the change
        Journal::Lignes avant; // the lines there before the change, copies of their own
        Journal::Lignes apres; // the lines there after it
        QString empreinte;     // the log file's state the change left (Fichiers::Empreinte)
    };

    // Notes the change from the log `avant` to the log `apres`; past the depth, the oldest is forgotten.
    // A change that left the lines as they were is not one.
    void Note(Nature nature, const Journal::Lignes& avant, const Journal::Lignes& apres, QString empreinte);
    // The last change noted, none when there is nothing to take back.
    const Modification* Derniere() const { return modifications.isEmpty() ? nullptr : &modifications.last(); }
    // The log before the last change, from the log as that change left it.
    Journal::Lignes Avant(const Journal::Lignes& actuelles) const;
    // The last change was taken back: the one before it now describes the file, in its state `empreinte`.
    void Retire(const QString& empreinte);
    void Vide() { modifications.clear(); }

private:
    QList<Modification> modifications;
};

namespace Sous_Programmes {
// What taking the change back undoes, as the operator is asked about it: the QSO's list line, or the
// count of QSOs.
QString Description(const Historique_Log::Modification& modification);
} // namespace Sous_Programmes
