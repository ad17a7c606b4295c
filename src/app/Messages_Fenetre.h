#pragma once

#include "app/Messages.h"

class Messages_Fenetre : public Messages {
public:
    void Affiche(const QString& texte) override;
    bool Demande(const QString& texte) override;
};
