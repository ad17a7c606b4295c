#pragma once

#include <QString>

// The program's message boxes: title "KEZ_TORV", no icon.
class Messages {
public:
    virtual ~Messages() = default;
    // A modal box with an OK button.
    virtual void Affiche(const QString& texte) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool Demande(const QString& texte) = 0;
};
