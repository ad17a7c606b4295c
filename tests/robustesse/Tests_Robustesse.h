#pragma once

#include <QObject>

// A write failing at each step of every rewrite, through the file layer or on a real disk.
class Test_Pannes : public QObject {
    Q_OBJECT

private slots:
    void Geste_Interrompu_data();
    void Geste_Interrompu();
};

// Damaged or hostile files for each reader: the log, the lighthouse list, the first names, the settings.
class Test_Entrees_Abimees : public QObject {
    Q_OBJECT

private slots:
    void Log_Abime_data();
    void Log_Abime();
    void Log_Illisible();
    void Log_Illisible_Un_Moment();
    void Lignes_De_La_Liste_Entieres_data();
    void Lignes_De_La_Liste_Entieres();
    void Ligne_Abimee_Choisie_Par_L_Operateur_data();
    void Ligne_Abimee_Choisie_Par_L_Operateur();
    void Reglages_Abimes_data();
    void Reglages_Abimes();
    void Liste_Phare_Abimee_data();
    void Liste_Phare_Abimee();
    void Prenoms_Abimes_data();
    void Prenoms_Abimes();
    void Prenom_Abime_Trouve_data();
    void Prenom_Abime_Trouve();
    void Fin_De_Ligne_Collee_data();
    void Fin_De_Ligne_Collee();
};

// The lock of the folder against a second copy, a rewrite killed part-way, a disk that fails to flush.
class Test_Processus : public QObject {
    Q_OBJECT

private slots:
    void Seconde_Copie_Avertie_Sans_Toucher_Aux_Fichiers();
    void Autre_Processus_Refuse_Puis_Repris_Apres_Sa_Mort();
    void Dossier_En_Lecture_Seule();
    void Log_Entier_Apres_Chaque_Coupure();
    void Disque_Qui_Refuse_De_Synchroniser_data();
    void Disque_Qui_Refuse_De_Synchroniser();
};
