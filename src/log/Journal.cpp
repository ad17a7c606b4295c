#include "log/Journal.h"

#include "app/Fichier_Texte.h"
#include "log/Enregistrement.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <vector>

namespace Journal {

namespace {

using Enregistrement::Champ;

// Two digits at `debut`, or -1.
int Deux_Chiffres(QByteArrayView texte, int debut) {
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
    const QByteArrayView date = Enregistrement::Octets(ligne, Champ::Date);
    const QByteArrayView heure = Enregistrement::Octets(ligne, Champ::Heure);
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
    return Insere_Tous(std::move(lignes), {enregistrement});
}

Lignes Insere_Tous(const Lignes& lignes, const Lignes& enregistrements) {
    // The latest moment up to each line: the first line of the same or a later moment than a record's
    // is the first where this reaches it, found by halving.
    std::vector<qint64> plus_tard;
    plus_tard.reserve(static_cast<std::size_t>(lignes.size()));
    qint64 plus_tard_lu = std::numeric_limits<qint64>::min();
    for (const QByteArray& ligne : lignes) {
        plus_tard_lu = std::max(plus_tard_lu, Moment(ligne).value_or(plus_tard_lu));
        plus_tard.push_back(plus_tard_lu);
    }
    struct Place {
        qsizetype avant; // the line it goes before, or the number of lines
        qint64 moment;
        const QByteArray* enregistrement;
    };
    std::vector<Place> places;
    places.reserve(static_cast<std::size_t>(enregistrements.size()));
    for (const QByteArray& enregistrement : enregistrements) {
        const std::optional<qint64> moment = Moment(enregistrement);
        const qsizetype avant =
            moment ? std::lower_bound(plus_tard.cbegin(), plus_tard.cend(), *moment) - plus_tard.cbegin()
                   : lignes.size();
        places.push_back({avant, moment.value_or(std::numeric_limits<qint64>::max()), &enregistrement});
    }
    // Records going before the same line stand in date order, those of one moment in their own order.
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return std::tie(a.avant, a.moment) < std::tie(b.avant, b.moment);
    });
    Lignes resultat;
    resultat.reserve(lignes.size() + enregistrements.size());
    auto place = places.cbegin();
    for (qsizetype i = 0; i <= lignes.size(); ++i) {
        for (; place != places.cend() && place->avant == i; ++place)
            resultat.append(*place->enregistrement);
        if (i < lignes.size())
            resultat.append(lignes[i]);
    }
    return resultat;
}

std::optional<QString> Premiere_Date_Reference(const Lignes& lignes, const QString& reference) {
    const QByteArray cherchee = Fichier_Texte::Encode(reference);
    for (const QByteArray& ligne : lignes) {
        if (Enregistrement::Octets(ligne, Champ::Reference).trimmed() == cherchee)
            return Fichier_Texte::Decode(Enregistrement::Octets(ligne, Champ::Date).toByteArray());
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
