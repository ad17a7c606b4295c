#pragma once

#include <QString>

// The entry fields whose text is checked on Enter.
enum class Champ_Saisie {
    Indicatif,
    Prenom,
    Reference,
    Departement,
    Date,
    Heure,
    Mode,
    Bande,
    Report,
    Nom_Phare,
};

namespace Sous_Programmes {

// 0 when the text is a date JJ/MM/AA, 1 otherwise. The day is not compared with its month.
int Controle_Date(const QString& texte);
// 0 when the text is a time HH:MM from 00:00 to 23:59, 1 otherwise.
int Controle_Heure(const QString& texte);

// The letter rule: a small letter a to z becomes its capital; every other code is left alone.
void Majuscule(int& code);
// The letter rule over a whole text: what was pasted rather than typed ends as typing makes it.
QString Majuscules(QString texte);
// Whether the field follows the letter rule: its whole text is the operator's. The band and the
// lighthouse name are also filled by the program, in small letters.
bool Suit_Regle_Des_Lettres(Champ_Saisie champ);
// The message refusing the text of an entry field on Enter, or an empty text when it is accepted.
QString Refus_Saisie(Champ_Saisie champ, const QString& texte);
// The message refusing a text that holds a character the files cannot store, or a control character,
// or an empty text.
QString Refus_Caracteres(const QString& texte);

} // namespace Sous_Programmes
