#pragma once

#include <QObject>

class Test_Plateforme : public QObject {
    Q_OBJECT

private slots:
    void Coupe_Lignes_data();
    void Coupe_Lignes();
    void Codage_Aller_Retour_data();
    void Codage_Aller_Retour();
    void Caractere_Non_Encodable_data();
    void Caractere_Non_Encodable();
    void Remplace_Et_Lit();
    void Empreinte();
    void Indicatif_Station_Lu_data();
    void Indicatif_Station_Lu();
    void Sections_Et_Cles();
    void Textes_Horloge_data();
    void Textes_Horloge();
    void Adaptateur_Touches_data();
    void Adaptateur_Touches();
};

class Test_Main : public QObject {
    Q_OBJECT

private slots:
    void Premier_Lancement();
    void Log_Charge_Derniere_Ligne_Choisie();
    void Log_Absent_Liste_Vide();
    void Geometrie();
    void Libelles();
    void Historique();
    void Horloge_Affichee();
    void Choix_De_La_Date_data();
    void Choix_De_La_Date();
};

class Test_Station : public QObject {
    Q_OBJECT

private slots:
    void Refus_data();
    void Refus();
    void Nouvelle_Station();
    void Station_Existante();
    void Une_Seule_Fenetre();
};

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

class Test_Aide : public QObject {
    Q_OBJECT

private slots:
    void Mode_Emploi_Une_Seule_Fenetre();
    void Guide_Des_Sources();
    void Guide_Nomme_Les_Commandes();
    void Images_Du_Guide();
    void A_Propos();
};
