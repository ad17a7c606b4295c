#pragma once

#include <QString>

class QWidget;

// The operator's choice of a file to read, outside the working folder.
class Choix_Fichier {
public:
    virtual ~Choix_Fichier() = default;
    // The file chosen, empty when the operator cancels. `filtre` in the dialog's form:
    // "Fichiers ADIF (*.adi *.adif)".
    virtual QString Fichier_A_Lire(QWidget* parent, const QString& titre, const QString& filtre) = 0;
};

// The system's file dialog.
class Choix_Fichier_Dialogue : public Choix_Fichier {
public:
    QString Fichier_A_Lire(QWidget* parent, const QString& titre, const QString& filtre) override;
};
