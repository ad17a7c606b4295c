#pragma once

#include <QString>
#include <QStringList>

// Texts shown by more than one part of the program.
namespace Textes {

inline const QString Premiere_Installation =
    QStringLiteral("\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                   "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");

// The entry mode shown under "Mode de saisie".
inline const QString Saisie_QSO = QStringLiteral("Saisie QSO");
inline const QString Modification_QSO = QStringLiteral("Modification QSO");
inline const QString Insertion_QSO = QStringLiteral("Insertion QSO");

inline const QString Reference_Vide = QStringLiteral("PB");
inline const QString Report_Defaut = QStringLiteral("59");

// The band and mode lists of the entry fields; the settings store positions in them.
inline const QStringList Bandes{"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz",  "18 Mhz",
                                "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz", "144 Mhz", "432 Mhz"};
inline const QStringList Modes{"SSB", "CW", "FM"};

} // namespace Textes
