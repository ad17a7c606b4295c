#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Every text file of the program is Windows-1252 with CR LF line ends. These helpers are the only
// place that knows it.
namespace Fichier_Texte {

QString Decode(const QByteArray& octets);
QByteArray Encode(const QString& texte);

// The first character that Windows-1252 cannot hold (two UTF-16 units for an emoji), or an empty
// text when the whole text fits.
QString Caractere_Non_Encodable(const QString& texte);

// Each character in its capital form where that is one character the files can hold: a text never
// changes length ("ß" stays "ß", where QString::toUpper gives "SS").
QString Capitales(const QString& texte);

// Where each line of a file's bytes starts, and its length. CR LF, a bare LF and a bare CR all end a
// line; a last line without its end still counts, and an empty file has no line.
struct Borne_Ligne {
    qsizetype debut;
    qsizetype taille;
};
QList<Borne_Ligne> Bornes_Lignes(const QByteArray& octets);
// Cuts a file's bytes into lines by those bounds.
QList<QByteArray> Coupe_Lignes(const QByteArray& octets);

// Joins lines into a file's bytes, each line followed by CR LF.
QByteArray Joint_Lignes(const QList<QByteArray>& lignes);
// Ends the last line of a file's bytes.
void Termine_Ligne(QByteArray& octets);

QList<QByteArray> Encode_Lignes(const QStringList& lignes);
QStringList Decode_Lignes(const QList<QByteArray>& lignes);

} // namespace Fichier_Texte
