#include "log/Modele_Log.h"

#include "log/Journal_Station.h"

Modele_Log::Modele_Log(const Journal_Station& journal, QObject* parent)
    : QAbstractListModel(parent), journal(journal), texte(journal.Log()) {
    connect(&journal, &Journal_Station::Log_Lu, this, &Modele_Log::Recharge);
    connect(&journal, &Journal_Station::Log_Change, this, &Modele_Log::Recharge);
}

void Modele_Log::Recharge() {
    beginResetModel();
    texte = journal.Log();
    endResetModel();
}

int Modele_Log::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texte.Nombre_Lignes());
}

QVariant Modele_Log::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return Ligne(index.row());
}

QString Modele_Log::Ligne(int position) const {
    return Journal::Ligne_Liste(texte.Ligne(position), position);
}

bool Modele_Log::Lignes_Egales() const {
    const qsizetype lignes = texte.Nombre_Lignes();
    return lignes > 0 && texte.Ligne(lignes - 1).size() >= texte.Plus_Longue();
}
