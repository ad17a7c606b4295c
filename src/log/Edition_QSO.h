#pragma once

#include "log/Journal.h"

#include <QObject>
#include <QString>

class Main;

// The log list of the main window and the buttons that record, clear, modify, delete and insert
// QSOs, with the entry modes they set.
class Edition_QSO : public QObject {
    Q_OBJECT

public:
    explicit Edition_QSO(Main& main);

    // Runs on a click and whenever the program selects a line.
    void Liste_TORV_Click(int ligne);
    void Valide_A_Click();
    void Efface_A_Click();
    void Modi_Saisie_Click();
    void Annule_Saisie_Click();
    void Ajout_QSO_Click();
    void Mnu_Annuler_Click();

private:
    // The record made of the entry fields.
    QString Compose_QSO() const;
    // Writes the record as the entry mode asks; false when the log could not be rewritten.
    bool Ecrit_QSO(const QString& enregistrement);
    // Back to the ordinary entry of a new QSO, every field emptied.
    void Remet_A_Zero();
    // One mode at a time, so that the caption always names what recording will do.
    void Choisit_Mode(bool modification, bool insertion, const QString& libelle);

    Main& main;
    // The QSO loaded for modification: the one replaced, whatever line is selected since.
    Journal::QSO_Choisi qso_modifie;
};
