#include "log/Journal.h"

#include "app/Fichier_Texte.h"
#include "log/Enregistrement.h"

#include <algorithm>

namespace Journal {

namespace {

using Enregistrement::Champ;

QByteArray Octets_Du_Champ(const QByteArray& ligne, Champ champ) {
    return ligne.mid(Enregistrement::Debut(champ), Enregistrement::Largeur(champ));
}

// Two digits at `debut`, or -1.
int Deux_Chiffres(const QByteArray& texte, int debut) {
    if (debut + 2 > texte.size())
        return -1;
    const char d = texte[debut], u = texte[debut + 1];
    if (d < '0' || d > '9' || u < '0' || u > '9')
        return -1;
    return (d - '0') * 10 + (u - '0');
}

// The moment of a record as one comparable number: its date with the year widened to four digits,
// then its time. Empty when the date or
// the time cannot be read.
std::optional<qint64> Moment(const QByteArray& ligne) {
    const QByteArray date = Octets_Du_Champ(ligne, Champ::Date);
    const QByteArray heure = Octets_Du_Champ(ligne, Champ::Heure);
    const int jour = Deux_Chiffres(date, 0), mois = Deux_Chiffres(date, 3), annee = Deux_Chiffres(date, 6);
    const int heures = Deux_Chiffres(heure, 0), minutes = Deux_Chiffres(heure, 3);
    if (jour < 0 || mois < 0 || annee < 0 || heures < 0 || minutes < 0)
        return std::nullopt;
    const qint64 siecle = Enregistrement::Siecle(annee) * 100;
    return (((((siecle + annee) * 100 + mois) * 100 + jour) * 100 + heures) * 100) + minutes;
}

// The chosen line stands at its place with its bytes.
bool A_Sa_Place(const Lignes& lignes, const QSO_Choisi& choisi) {
    return choisi.position >= 0 && choisi.position < lignes.size() &&
           lignes[choisi.position] == choisi.octets;
}

} // namespace

QString Nom_Fichier(const QString& indicatif) {
    return indicatif + QStringLiteral("_TORV.log");
}

Lignes Ajoute(Lignes lignes, const QByteArray& enregistrement) {
    lignes.append(enregistrement);
    return lignes;
}

std::optional<Lignes> Remplace(Lignes lignes, const QSO_Choisi& ancien, const QByteArray& nouveau) {
    if (!A_Sa_Place(lignes, ancien))
        return std::nullopt;
    lignes[ancien.position] = nouveau;
    return lignes;
}

std::optional<Lignes> Supprime(Lignes lignes, const QSO_Choisi& choisi) {
    if (!A_Sa_Place(lignes, choisi))
        return std::nullopt;
    lignes.removeAt(choisi.position);
    return lignes;
}

Lignes Insere(Lignes lignes, const QByteArray& enregistrement) {
    const std::optional<qint64> nouveau = Moment(enregistrement);
    qsizetype position = lignes.size();
    if (nouveau) {
        for (qsizetype i = 0; i < lignes.size(); ++i) {
            const std::optional<qint64> moment = Moment(lignes[i]);
            if (moment && *moment >= *nouveau) {
                position = i;
                break;
            }
        }
    }
    lignes.insert(position, enregistrement);
    return lignes;
}

std::optional<QString> Premiere_Date_Reference(const Lignes& lignes, const QString& reference) {
    const QByteArray cherchee = Fichier_Texte::Encode(reference);
    for (const QByteArray& ligne : lignes) {
        if (Octets_Du_Champ(ligne, Champ::Reference).trimmed() == cherchee)
            return Fichier_Texte::Decode(Octets_Du_Champ(ligne, Champ::Date));
    }
    return std::nullopt;
}

QString Ligne_Liste(const Lignes& lignes, qsizetype position) {
    return Ligne_Liste(lignes[position], position);
}

QString Ligne_Liste(const QByteArray& ligne, qsizetype position) {
    return Enregistrement::Ligne_Liste(Fichier_Texte::Decode(ligne), static_cast<int>(position) + 1);
}

Texte::Texte(QByteArray texte) : octets(std::move(texte)), bornes(Fichier_Texte::Bornes_Lignes(octets)) {
    for (const Fichier_Texte::Borne_Ligne& borne : bornes)
        plus_longue = std::max(plus_longue, borne.taille);
}

QByteArray Texte::Vue(qsizetype position) const {
    const Fichier_Texte::Borne_Ligne& borne = bornes[position];
    return QByteArray::fromRawData(octets.constData() + borne.debut, borne.taille);
}

QByteArray Texte::Ligne(qsizetype position) const {
    const Fichier_Texte::Borne_Ligne& borne = bornes[position];
    return octets.mid(borne.debut, borne.taille);
}

const Lignes& Texte::Vues() const {
    if (!vues) {
        vues.emplace();
        vues->reserve(bornes.size());
        for (qsizetype i = 0; i < bornes.size(); ++i)
            vues->append(Vue(i));
    }
    return *vues;
}

} // namespace Journal
