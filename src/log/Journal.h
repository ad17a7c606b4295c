#pragma once

#include "app/Fichier_Texte.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The log of a station: one record per line, in the log's order. These functions give the new
// content of the file for each change; lines are compared as whole texts, filler blanks included.
// They work on the file's own bytes, so a line that no change touches is written back as it was.
namespace Journal {

using Lignes = QList<QByteArray>;

// A line of the log as the operator chose it in the list: its place (from 0) and its bytes. A twin
// elsewhere in the log is never taken for it, nor a line that took its place meanwhile.
struct QSO_Choisi {
    qsizetype position = -1;
    QByteArray octets;

    bool Vide() const { return position < 0; }
};

QString Nom_Fichier(const QString& indicatif);

// The record after the last line.
Lignes Ajoute(Lignes lignes, const QByteArray& enregistrement);
// The chosen line replaced by `nouveau`, or dropped; nothing when that line no longer stands at its
// place with its bytes.
std::optional<Lignes> Remplace(Lignes lignes, const QSO_Choisi& ancien, const QByteArray& nouveau);
std::optional<Lignes> Supprime(Lignes lignes, const QSO_Choisi& choisi);
// The record before the first line of the same or a later date and time, else after the last.
// Lines whose date or time cannot be read keep their place and are passed over.
Lignes Insere(Lignes lignes, const QByteArray& enregistrement);
// Each record placed among the lines as Insere places it; records of one moment keep their order
// among themselves, and those whose date or time cannot be read go after the last line.
Lignes Insere_Tous(const Lignes& lignes, const Lignes& enregistrements);

// The date (JJ/MM/AA) of the first record of that reference, in file order.
std::optional<QString> Premiere_Date_Reference(const Lignes& lignes, const QString& reference);

// The main window's list line of the log line at `position` (from 0), numbered from 1.
QString Ligne_Liste(const Lignes& lignes, qsizetype position);
QString Ligne_Liste(const QByteArray& ligne, qsizetype position);

// A log's bytes, kept whole, with where each line lies: a long log is held once, and a line is looked
// at without being copied.
class Texte {
public:
    Texte() = default;
    explicit Texte(QByteArray octets);

    qsizetype Nombre_Lignes() const { return bornes.size(); }
    const QByteArray& Octets() const { return octets; }
    // A line's bytes, a copy of its own.
    QByteArray Ligne(qsizetype position) const;
    // Every line as a view of the bytes held: valid while this text lives and is not replaced. Made
    // when first asked for, then kept for the readers that follow.
    const Lignes& Vues() const;
    // The length of the longest line.
    qsizetype Plus_Longue() const { return plus_longue; }

private:
    QByteArray Vue(qsizetype position) const;

    QByteArray octets;
    QList<Fichier_Texte::Borne_Ligne> bornes;
    qsizetype plus_longue = 0;
    mutable std::optional<Lignes> vues;
};

} // namespace Journal
