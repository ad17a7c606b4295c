#include "search/Recherche.h"

#include "app/Fichier_Texte.h"
#include "log/Enregistrement.h"

namespace Recherche {

namespace {

using Enregistrement::Champ;

constexpr int Longueur_Indicatif = 12;
constexpr int Longueur_Date = 8;
constexpr int Longueur_Departement = 2;
const QString Separateur = QStringLiteral("  ");
const QString Saut_De_Ligne = QStringLiteral("\r\n");

QString Dans_Ligne(const QString& ligne, Champ champ) {
    return Enregistrement::Colonnes_Ligne_Liste(ligne, champ);
}

// The QSO number as the list line shows it, leading blanks included.
QString Numero(const QString& ligne) {
    qsizetype fin = 0;
    while (fin < ligne.size() && ligne[fin] == QLatin1Char(' '))
        ++fin;
    while (fin < ligne.size() && ligne[fin] >= QLatin1Char('0') && ligne[fin] <= QLatin1Char('9'))
        ++fin;
    return ligne.left(fin);
}

bool Barre_A(const QString& texte, qsizetype position) {
    return position < texte.size() && texte[position] == QLatin1Char('/');
}

} // namespace

Controle Controle_Indicatif(const QString& texte) {
    if (texte.isEmpty())
        return {Message::Indicatif_Absent, true, false};
    if (texte.size() > Longueur_Indicatif)
        return {Message::Indicatif_Trop_Long, false, true};
    return {{}, false, true};
}

Controle Controle_Date(const QString& texte) {
    if (!Barre_A(texte, 2) || !Barre_A(texte, 5))
        return {Message::Format_Date, false, false};
    if (texte.size() > Longueur_Date)
        return {Message::Date_Trop_Longue, false, false};
    return {{}, false, true};
}

Controle Controle_Departement(const QString& texte) {
    if (texte.size() > Longueur_Departement)
        return {Message::Canton_Trop_Long, false, false};
    if (texte.isEmpty())
        return {Message::Canton_Absent, true, false};
    return {{}, false, true};
}

QString Message_Critere_Absent(Critere critere) {
    switch (critere) {
    case Critere::Station:
        return Message::Indicatif_Absent;
    case Critere::Date:
        return Message::Date_Absente;
    case Critere::Dpt:
        return Message::Departement_Absent;
    }
    return {};
}

bool Correspond(const QByteArray& enregistrement, Critere critere, const QString& majuscules) {
    const auto champ = [&enregistrement](Champ lu) { return Enregistrement::Colonnes(enregistrement, lu); };
    switch (critere) {
    case Critere::Station:
        return champ(Champ::Indicatif).trimmed().contains(majuscules);
    case Critere::Date:
        return champ(Champ::Date).trimmed() == majuscules;
    case Critere::Dpt:
        return champ(Champ::Departement).left(Longueur_Departement) == majuscules;
    }
    return false;
}

QString Ligne_Resultat(const QString& ligne) {
    QString resultat;
    resultat.reserve(ligne.size());
    resultat += Numero(ligne);
    for (const Champ champ : {Champ::Indicatif, Champ::Departement, Champ::Date, Champ::Reference,
                              Champ::Nom_Phare, Champ::QSL}) {
        resultat += Separateur;
        // The département keeps three of its four columns.
        resultat += champ == Champ::Departement ? Dans_Ligne(ligne, champ).left(3) : Dans_Ligne(ligne, champ);
    }
    return resultat;
}

Resultat Cherche(const Journal::Lignes& log, Critere critere, QString texte) {
    Resultat resultat;
    QString majuscules = texte.toUpper();
    for (qsizetype position = 0; position < log.size(); ++position) {
        const bool trouve = Correspond(log[position], critere, majuscules);
        if (texte.startsWith(Saut_De_Ligne)) {
            texte.remove(0, Saut_De_Ligne.size());
            majuscules = texte.toUpper();
        }
        if (texte.isEmpty()) {
            resultat.lignes.clear();
            resultat.critere_absent = true;
            return resultat;
        }
        if (trouve)
            resultat.lignes.append(Ligne_Resultat(Journal::Ligne_Liste(log, position)));
    }
    return resultat;
}

} // namespace Recherche
