#pragma once

#include <QObject>

class Test_Fenetres_Rapports : public QObject {
    Q_OBJECT

private slots:
    void Enregistrement_Du_Rapport_data();
    void Enregistrement_Du_Rapport();
    void Rapport_Du_Jour_Remplace_Celui_Du_Jour();
    void Impression_Du_Rapport();
    void Impression_Sur_Plusieurs_Pages();
    void Impression_Annulee_data();
    void Impression_Annulee();
    void Impression_Impossible();
    void Liste_Alphabetique_Affichee();
    void Liste_Ouverte_Une_Fois();
    void Liste_Enregistree_data();
    void Liste_Enregistree();
    void Liste_Imprimee();
    void Score_data();
    void Score();
    void Score_Ouvert_Une_Fois();
    void Ecriture_Impossible_data();
    void Ecriture_Impossible();
    void Lecture_Impossible_data();
    void Lecture_Impossible();
    void Dix_Mille_QSO();
};
