#include "lighthouses/Liste_Phare.h"

#include "app/Fichier_Texte.h"

namespace Liste_Phare {

namespace {
constexpr int Lignes_Par_Phare = 5;
constexpr int Longueur_Prefixe = 2; // "PB"

struct Colonne {
    int blancs_avant;
    int largeur;
};
constexpr Colonne Nom{1, 40};
constexpr Colonne Numero_PB{0, 5};
constexpr Colonne Numero_LH{2, 5};
constexpr Colonne Departement{2, 3};

QString Case(const Colonne& colonne, const QString& texte) {
    return QString(colonne.blancs_avant, QLatin1Char(' ')) +
           texte.leftJustified(colonne.largeur, QLatin1Char(' '), true);
}

bool Blanc(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
} // namespace

const QString Entete =
    QStringLiteral("                     Nom du Phare                            PB       LH      Dpt");

QList<Phare> Phares(const QList<QByteArray>& lignes) {
    const QStringList textes = Fichier_Texte::Decode_Lignes(lignes);
    QList<Phare> phares;
    for (qsizetype i = 0; i + Lignes_Par_Phare <= textes.size(); i += Lignes_Par_Phare)
        phares.append({textes[i], textes[i + 1], textes[i + 2], textes[i + 3]});
    return phares;
}

QString Valeur_Numerique(const QString& texte) {
    QString chiffres;
    for (const QChar c : texte) {
        if (Blanc(c))
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        if (!chiffres.isEmpty() || c != QLatin1Char('0'))
            chiffres += c;
    }
    return chiffres;
}

QString Nom_Saisi(const Phare& phare) {
    return QStringLiteral("P. ") + phare.nom;
}

QString Numero_Reference(const QString& reference) {
    return Valeur_Numerique(reference.mid(Longueur_Prefixe));
}

Index Indexe(const QList<Phare>& phares) {
    Index index;
    for (const Phare& phare : phares)
        index.insert(Valeur_Numerique(phare.numero_pb), phare);
    return index;
}

Phare Cherche(const Index& index, const QString& reference) {
    return index.value(Numero_Reference(reference));
}

QString Ligne_Liste(const Phare& phare) {
    return Case(Nom, phare.nom) + Case(Numero_PB, phare.numero_pb) + Case(Numero_LH, phare.numero_lh) +
           Case(Departement, phare.departement);
}

} // namespace Liste_Phare

namespace Sous_Programmes {

Phare Recherche_Phare(const QList<Phare>& phares, const QString& reference) {
    return Liste_Phare::Cherche(Liste_Phare::Indexe(phares), reference);
}

} // namespace Sous_Programmes
