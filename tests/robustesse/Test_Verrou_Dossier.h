#pragma once

#include <QObject>

class Test_Verrou_Dossier : public QObject {
    Q_OBJECT

private slots:
    void Deux_Verrous_Un_Dossier();
    void Seconde_Copie_Avertie_Sans_Toucher_Aux_Fichiers();
    void Autre_Processus_Refuse_Puis_Repris_Apres_Sa_Mort();
    void Verrou_D_Un_Processus_Disparu_Repris();
    void Dossier_En_Lecture_Seule();
};
