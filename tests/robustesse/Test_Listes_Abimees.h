#pragma once

#include <QObject>

class Test_Listes_Abimees : public QObject {
    Q_OBJECT

private slots:
    void Liste_Phare_Abimee_data();
    void Liste_Phare_Abimee();
    void Prenoms_Abimes_data();
    void Prenoms_Abimes();
    void Prenom_Abime_Trouve_data();
    void Prenom_Abime_Trouve();
    void Fin_De_Ligne_Collee_data();
    void Fin_De_Ligne_Collee();
};
