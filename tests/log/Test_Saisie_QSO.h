#pragma once

#include <QObject>

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
