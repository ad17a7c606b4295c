#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class Main;
class QHBoxLayout;
class QPushButton;
class QWidget;

// What every export and report of the current station shares: writing a file of the working folder,
// printing. A file that cannot be read or written is reported to the operator, naming
// it and saying why, and an earlier file of the same name is left as it was.
namespace Sous_Programmes {

inline const QString Annonce_Log = QStringLiteral("Le log a été enregistré sous le nom : ");
inline const QString Annonce_Fichier = QStringLiteral("Le fichier a été enregistré sous le nom : ");

// Replaces the file `nom` of the working folder in one step, then tells the operator its bare name
// after `annonce`.
bool Enregistre_Rapport(Main& main, const QString& nom, const QByteArray& octets, const QString& annonce);
// Prints after the printer dialog; says so only when the printer cannot start.
void Imprime_Rapport(Main& main, const QString& document, const QList<QByteArray>& lignes);
// The credit line of the files the program writes.
QString Credit_Rapport(const Main& main);
// A report window's "Enregistrer" and "Imprimer" buttons, made in the middle of a row, Enter pressing them.
QHBoxLayout* Boutons_Rapport(QWidget* fenetre, QPushButton*& enregistrer, QPushButton*& imprimer);

} // namespace Sous_Programmes
