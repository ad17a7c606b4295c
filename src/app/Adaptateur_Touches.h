#pragma once

#include "log/Controle_Saisie.h"

#include <QObject>
#include <functional>

class QAbstractButton;
class QLineEdit;
class QWidget;

// Gives a field's key handler the character of each key before the field receives it. The handler
// may replace the code: 0 swallows the key, another code is delivered to the field instead. Enter
// is code 13. Keys that type no character (arrows, function keys, Tab, Delete, Escape, a control
// key) do not reach the handler; Backspace does.
class Adaptateur_Touches : public QObject {
public:
    using Gestionnaire = std::function<void(int& code)>;

    static void Installe(QWidget* champ, Gestionnaire gestionnaire);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    Adaptateur_Touches(QWidget* champ, Gestionnaire gestionnaire);

    Gestionnaire gestionnaire;
    bool livraison_en_cours = false;
};

namespace Sous_Programmes {
inline constexpr int Touche_Entree = 13;
// Enter on the focused button presses it, as a second Enter after the last field does.
void Entree_Presse(QAbstractButton* bouton);
// The field's text under the letter rule, shown so in the field.
QString Texte_Tape(QLineEdit* champ);
} // namespace Sous_Programmes
