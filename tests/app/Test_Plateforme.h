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
    void Indicatif_Station_Lu_data();
    void Indicatif_Station_Lu();
    void Sections_Et_Cles();
    void Textes_Horloge_data();
    void Textes_Horloge();
    void Adaptateur_Touches_data();
    void Adaptateur_Touches();
};
