#include "log/Enregistrement.h"

#include "app/Fichier_Texte.h"

#include <algorithm>
#include <cstdio>

namespace Enregistrement {

namespace {

struct Colonne {
    int debut; // in the record, from 0
    int largeur;
    int blancs_liste; // blanks before the field in the list line
};

// In record order. The record puts one blank between fields, except after the reference, which
// the date follows directly.
constexpr std::array<Colonne, Nombre_Champs> Table{{
    {0, 12, 2},  // callsign
    {13, 4, 2},  // département
    {18, 15, 1}, // first name
    {34, 6, 1},  // reference
    {40, 8, 2},  // date
    {49, 5, 2},  // time
    {55, 3, 2},  // mode
    {59, 7, 2},  // band
    {67, 3, 2},  // report received
    {71, 3, 2},  // report sent
    {75, 30, 1}, // lighthouse name
    {106, 1, 2}, // QSL marker
}};

constexpr int Largeur_Numero = 5;

const Colonne& De(Champ champ) {
    return Table[static_cast<int>(champ)];
}

int Separateur_Apres(int index) {
    if (index + 1 >= Nombre_Champs)
        return 0;
    return Table[index + 1].debut - Table[index].debut - Table[index].largeur;
}

// Where a field starts in a list line whose number column is Largeur_Numero wide.
int Debut_Liste(int index) {
    int position = Largeur_Numero;
    for (int i = 0;; ++i) {
        position += Table[i].blancs_liste;
        if (i == index)
            return position;
        position += Table[i].largeur;
    }
}

// How much wider than usual the number column of a list line is (from the 10,000th line on).
int Elargissement_Numero(const QString& ligne) {
    int i = 0;
    while (i < ligne.size() && ligne[i] == QLatin1Char(' '))
        ++i;
    while (i < ligne.size() && ligne[i].isDigit())
        ++i;
    return qMax(0, i - Largeur_Numero);
}

// How much of a field a record holds: all of it, or less in a line cut short.
qsizetype Present(const QString& enregistrement, const Colonne& colonne) {
    return qBound(qsizetype(0), enregistrement.size() - colonne.debut, qsizetype(colonne.largeur));
}

} // namespace

int Siecle(int annee) {
    return annee >= 50 ? 19 : 20;
}

int Debut(Champ champ) {
    return De(champ).debut;
}

int Largeur(Champ champ) {
    return De(champ).largeur;
}

QString Compose(const Valeurs& valeurs) {
    QString enregistrement;
    enregistrement.reserve(Longueur);
    for (int i = 0; i < Nombre_Champs; ++i) {
        enregistrement += valeurs[i].leftJustified(Table[i].largeur, QLatin1Char(' '), true);
        enregistrement += QString(Separateur_Apres(i), QLatin1Char(' '));
    }
    return enregistrement;
}

QString Colonnes(const QString& enregistrement, Champ champ) {
    return enregistrement.mid(De(champ).debut, De(champ).largeur);
}

QString Valeur(const QString& enregistrement, Champ champ) {
    return Colonnes(enregistrement, champ).trimmed();
}

QString Colonnes(const QByteArray& ligne, Champ champ) {
    return Fichier_Texte::Decode(ligne.mid(De(champ).debut, De(champ).largeur));
}

QByteArrayView Octets(QByteArrayView ligne, Champ champ) {
    const qsizetype debut = std::min<qsizetype>(De(champ).debut, ligne.size());
    return ligne.sliced(debut, std::min<qsizetype>(De(champ).largeur, ligne.size() - debut));
}

QString Valeur(const QByteArray& ligne, Champ champ) {
    return Colonnes(ligne, champ).trimmed();
}

QString Ligne_Liste(const QString& enregistrement, int numero) {
    // Sized first and written in one go: a long log makes tens of thousands of these each time the
    // list is filled.
    char chiffres[12];
    const int nombre = std::snprintf(chiffres, sizeof chiffres, "%d", numero);
    const qsizetype blancs_numero = qMax(Largeur_Numero - nombre, 1);
    qsizetype taille = blancs_numero + nombre;
    for (const Colonne& colonne : Table)
        taille += colonne.blancs_liste + Present(enregistrement, colonne);
    QString ligne(taille, Qt::Uninitialized);
    QChar* ecrit = ligne.data();
    ecrit = std::fill_n(ecrit, blancs_numero, QLatin1Char(' '));
    ecrit = std::copy(chiffres, chiffres + nombre, ecrit);
    for (const Colonne& colonne : Table) {
        ecrit = std::fill_n(ecrit, colonne.blancs_liste, QLatin1Char(' '));
        ecrit =
            std::copy_n(enregistrement.constData() + colonne.debut, Present(enregistrement, colonne), ecrit);
    }
    return ligne;
}

QString Entete_Liste() {
    // A title wider than its field runs into the blanks after it; the lighthouse name's stands one
    // further, the report sent's taking the single blank before it.
    constexpr const char* titres[Nombre_Champs]{"Indicatif", "Dpt", "Prenom", "Ref",  "Date",          "QTR",
                                                "Mode",      "QRG", "RSTR",   "RSTE", " Nom du Phare", "QSL"};
    QString entete = QStringLiteral("   N°");
    for (int i = 0; i < Nombre_Champs; ++i)
        entete = entete.leftJustified(Debut_Liste(i)) + QLatin1String(titres[i]);
    return entete;
}

QString Colonnes_Ligne_Liste(const QString& ligne, Champ champ) {
    const int index = static_cast<int>(champ);
    return ligne.mid(Debut_Liste(index) + Elargissement_Numero(ligne), Table[index].largeur);
}

QString De_Ligne_Liste(const QString& ligne) {
    QString enregistrement;
    enregistrement.reserve(Longueur);
    for (int i = 0; i < Nombre_Champs; ++i) {
        enregistrement += Colonnes_Ligne_Liste(ligne, static_cast<Champ>(i));
        enregistrement += QString(Separateur_Apres(i), QLatin1Char(' '));
    }
    return enregistrement;
}

} // namespace Enregistrement
