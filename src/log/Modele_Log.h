#pragma once

#include "log/Journal.h"

#include <QAbstractListModel>

class Journal_Station;

// The log as the main window's list shows it: one list line per log line, formed only when the view
// asks for it, from the log's bytes as the store holds them.
class Modele_Log : public QAbstractListModel {
    Q_OBJECT

public:
    explicit Modele_Log(const Journal_Station& journal, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The list line at `position` (from 0).
    QString Ligne(int position) const;
    // No list line is wider than the last, the one the view measures when told that its lines are all
    // alike: then it need not lay out every line's text to size it. Always so in a log the program
    // wrote; a damaged one may differ.
    bool Lignes_Egales() const;

private:
    // Takes the log as the store holds it now.
    void Recharge();

    const Journal_Station& journal;
    Journal::Texte texte;
};
