#pragma once

#include <QObject>

class Main;
class QComboBox;
class QLineEdit;
class QWidget;
struct Cle_Reglage;
enum class Champ_Saisie;

// The entry chain of the main window: each field's key handler checks the field on Enter and moves
// on to the next field, and turns small letters into capitals as they are typed. The reference
// field's handler lives with the lighthouse list.
class Saisie_QSO : public QObject {
    Q_OBJECT

public:
    explicit Saisie_QSO(Main& main);

    void Ind_A_KeyPress(int& code);
    void Prenom_A_KeyPress(int& code);
    void Dpt_A_KeyPress(int& code);
    void Date_A_KeyPress(int& code);
    void Heure_A_KeyPress(int& code);
    void Mode_A_KeyPress(int& code);
    void Bande_A_KeyPress(int& code);
    void RST_A_KeyPress(int& code);
    void RSTE_A_KeyPress(int& code);
    void Rem_A_KeyPress(int& code);
    void QSL_A_KeyPress(int& code);

private:
    // Tells the operator why the field's text is refused; false when it is accepted. The text is
    // taken as typing makes it, pasted or not.
    bool Refuse(Champ_Saisie champ, QLineEdit* champ_texte);
    // A text field whose only work on Enter is its check and the move to the next field.
    void Champ_Texte(int& code, Champ_Saisie champ, QLineEdit* champ_texte, QWidget* suivant);
    // The mode and band lists, which also remember their position for the station.
    void Liste(int& code, Champ_Saisie champ, QComboBox* liste, QWidget* suivant, const Cle_Reglage& cle);
    void Date_Automatique();

    Main& main;
};

namespace Sous_Programmes {
// Leaves a field behind and opens the next one for input.
void Passe_Au_Champ(QWidget* quitte, QWidget* suivant);
// The position of the list item shown in an editable list, -1 when its text is the operator's own.
int Position_Choisie(const QComboBox* liste);
} // namespace Sous_Programmes
