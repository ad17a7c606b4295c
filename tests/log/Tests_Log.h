#pragma once

#include <QObject>

class Test_Enregistrement : public QObject {
    Q_OBJECT

private slots:
    void Compose_data();
    void Compose();
    void Ligne_Liste_data();
    void Ligne_Liste();
    void Ligne_Courte();
};

class Test_Journal : public QObject {
    Q_OBJECT

private slots:
    void Changements_data();
    void Changements();
    void Premiere_Date_Reference_data();
    void Premiere_Date_Reference();
    void Reecriture_Par_La_Fenetre_data();
    void Reecriture_Par_La_Fenetre();
    void Panne_Au_Milieu();
    void Suppression_Du_Dernier_QSO();
    void Ligne_Illisible_Gardee();
};

class Test_Controle_Saisie : public QObject {
    Q_OBJECT

private slots:
    void Formats_data();
    void Formats();
    void Refus_Saisie_data();
    void Refus_Saisie();
};

class Test_Prenoms : public QObject {
    Q_OBJECT

private slots:
    void Ligne_data();
    void Ligne();
    void Cherche_data();
    void Cherche();
    void Memorise_data();
    void Memorise();
    void Par_La_Fenetre_data();
    void Par_La_Fenetre();
    void Panne_Ecriture();
    void Fichier_Illisible();
};

class Test_Saisie_QSO : public QObject {
    Q_OBJECT

private slots:
    void QSO_Complet_data();
    void QSO_Complet();
    void Refus_data();
    void Refus();
    void Accepte_data();
    void Accepte();
    void Premiere_Installation();
    void Prenom_Retrouve_data();
    void Prenom_Retrouve();
    void Date_Automatique_data();
    void Date_Automatique();
    void Position_Memorisee_data();
    void Position_Memorisee();
    void Retour_A_Un_Champ_Passe();
};

class Test_Edition_QSO : public QObject {
    Q_OBJECT

private slots:
    void Modification_data();
    void Modification();
    void Insertion_data();
    void Insertion();
    void Suppression_data();
    void Suppression();
    void Sans_Ligne_Choisie();
    void Modes_data();
    void Modes();
    void Doublons_data();
    void Doublons();
    void Effacement();
    void Reponse_Non();
    void Panne_Garde_La_Saisie_data();
    void Panne_Garde_La_Saisie();
    void Caractere_Colle_Apres_Controle();
};
