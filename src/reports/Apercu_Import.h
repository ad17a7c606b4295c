#pragma once

#include "reports/Import_Adif.h"

#include <QDialog>

class Main;
class QLabel;
class QListView;
class QPushButton;
class QStringListModel;

// What an ADIF file would bring into the log, shown before anything is written: the QSOs to import,
// the duplicates, the refusals and their reasons. "Importer" writes them all in one rewrite of the log,
// "Annuler" writes nothing. Modal: the log it was made against does not change under it.
class Apercu_Import : public QDialog {
    Q_OBJECT

public:
    Apercu_Import(Main& main, const QString& fichier, Import_Adif::Import apport);

    QLabel* Entete;
    QListView* Liste_Import;
    QPushButton* Importer;
    QPushButton* Enregistrer;
    QPushButton* Annuler;

    void Importer_Click();
    void Enregistrer_Click();
    QStringList Lignes() const;

private:
    Main& main;
    const QString fichier;
    const Import_Adif::Import apport;
    QStringListModel* contenu;
};
