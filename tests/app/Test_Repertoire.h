#pragma once

#include <QObject>

class Test_Repertoire : public QObject {
    Q_OBJECT

private slots:
    void Choix_data();
    void Choix();
    void Choix_Sur_Le_Disque_data();
    void Choix_Sur_Le_Disque();
    void Prepare_Dossier_data();
    void Prepare_Dossier();
    void Modele_Absent();
    void Dossier_Impossible();
    void Donnees_Introuvables();
    void Fichiers_Livres();
};
