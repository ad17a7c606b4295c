// Any bytes as the lighthouse reference file: cut into lighthouses, each shown as a line of the
// lighthouse window and looked up by its own PB number, and a few references taken from the bytes
// looked up too. Nothing may crash, every window line keeps its 58 columns, and a look-up gives the
// last lighthouse of that number or none.
#include "Verifie.h"
#include "app/Fichier_Texte.h"
#include "lighthouses/Liste_Phare.h"

#include <cstdint>

namespace {

constexpr int Lignes_Par_Phare = 5;
constexpr int Largeur_Ligne = 58;

bool Memes(const Phare& a, const Phare& b) {
    return a.nom == b.nom && a.numero_pb == b.numero_pb && a.numero_lh == b.numero_lh &&
           a.departement == b.departement;
}

// The lighthouse the look-up must give: the last whose number has the reference's value.
void Verifie_Recherche(const QList<Phare>& phares, const QString& reference) {
    const QString valeur = Liste_Phare::Valeur_Numerique(reference.mid(2));
    Phare attendu;
    for (const Phare& phare : phares) {
        if (Liste_Phare::Valeur_Numerique(phare.numero_pb) == valeur)
            attendu = phare;
    }
    const Phare trouve = Sous_Programmes::Recherche_Phare(phares, reference);
    KEZ_VERIFIE(Memes(trouve, attendu));
    // The value has digits only, no leading zero.
    KEZ_VERIFIE(!valeur.startsWith(QLatin1Char('0')));
    for (const QChar c : valeur)
        KEZ_VERIFIE(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const QList<QByteArray> lignes = Fichier_Texte::Coupe_Lignes(octets);
    const QList<Phare> phares = Liste_Phare::Phares(lignes);
    // Complete records only, each line read as the file holds it.
    KEZ_VERIFIE(phares.size() == lignes.size() / Lignes_Par_Phare);
    for (qsizetype i = 0; i < phares.size(); ++i) {
        const Phare& phare = phares[i];
        KEZ_VERIFIE(Fichier_Texte::Encode(phare.nom) == lignes[i * Lignes_Par_Phare]);
        KEZ_VERIFIE(Fichier_Texte::Encode(phare.departement) == lignes[i * Lignes_Par_Phare + 3]);
        KEZ_VERIFIE(Liste_Phare::Ligne_Liste(phare).size() == Largeur_Ligne);
        if (i < 16)
            Verifie_Recherche(phares, QStringLiteral("PB") + phare.numero_pb);
    }
    // References as the operator might type them, made of the input's first lines.
    for (qsizetype i = 0; i < lignes.size() && i < 4; ++i)
        Verifie_Recherche(phares, Fichier_Texte::Decode(lignes[i]));
    return 0;
}
