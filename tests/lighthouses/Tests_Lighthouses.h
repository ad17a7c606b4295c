#pragma once

#include <QObject>

class Test_Liste_Phare : public QObject {
    Q_OBJECT

private slots:
    void Phares_data();
    void Phares();
    void Valeur_Numerique_data();
    void Valeur_Numerique();
    void Recherche_Phare_data();
    void Recherche_Phare();
    void Ligne_Liste_data();
    void Ligne_Liste();
    void Fichier_Livre();
};

class Test_Reference_Phare : public QObject {
    Q_OBJECT

private slots:
    void Recherche_data();
    void Recherche();
    void Deja_Contacte_data();
    void Deja_Contacte();
};

class Test_Phares_Francais : public QObject {
    Q_OBJECT

private slots:
    void Lignes_data();
    void Lignes();
    void Fenetre();
    void Une_Seule_Fenetre();
};
