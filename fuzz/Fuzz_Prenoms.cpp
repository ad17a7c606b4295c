// Any bytes as the first-name memory: each line's callsign looked up, and the memory updated with a
// line made of the input. Nothing may crash; a look-up gives the name of the last line of that
// callsign; an update replaces the lines of its callsign and keeps every other line byte for byte, and
// an import's new names never touch a callsign already held.
#include "Verifie.h"
#include "app/Fichier_Texte.h"
#include "log/Prenoms.h"

#include <QSet>
#include <cstdint>

namespace {

constexpr int Largeur_Indicatif = 12;
constexpr int Debut_Prenom = 16;

void Verifie_Recherche(const QList<QByteArray>& lignes, const QString& indicatif) {
    std::optional<QString> attendu;
    for (const QByteArray& ligne : lignes) {
        const QString texte = Fichier_Texte::Decode(ligne);
        if (texte.left(Largeur_Indicatif).trimmed() == indicatif)
            attendu = Fichier_Texte::Capitales(texte.mid(Debut_Prenom));
    }
    KEZ_VERIFIE(Prenoms::Cherche(lignes, indicatif) == attendu);
}

void Verifie_Memorise(const QList<QByteArray>& lignes, const QByteArray& nouvelle, bool nouveau) {
    const QList<QByteArray> apres = Prenoms::Memorise(lignes, nouvelle, nouveau);
    KEZ_VERIFIE(apres.size() == lignes.size() + (nouveau ? 1 : 0));
    const QByteArray cle = nouvelle.left(Largeur_Indicatif);
    for (qsizetype i = 0; i < lignes.size(); ++i)
        KEZ_VERIFIE(apres[i] == (lignes[i].left(Largeur_Indicatif) == cle ? nouvelle : lignes[i]));
    if (nouveau)
        KEZ_VERIFIE(apres.constLast() == nouvelle);
    // Written and read back, the memory is the same lines.
    KEZ_VERIFIE(Fichier_Texte::Coupe_Lignes(Fichier_Texte::Joint_Lignes(apres)) == apres);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const QList<QByteArray> lignes = Fichier_Texte::Coupe_Lignes(octets);
    for (qsizetype i = 0; i < lignes.size() && i < 16; ++i) {
        const QString indicatif = Fichier_Texte::Decode(lignes[i].left(Largeur_Indicatif)).trimmed();
        Verifie_Recherche(lignes, indicatif);
        // A line as the program writes it, for the callsign of this line, with the next line's name.
        const QString prenom =
            i + 1 < lignes.size() ? Fichier_Texte::Decode(lignes[i + 1].mid(Debut_Prenom)) : QString();
        const QByteArray nouvelle = Fichier_Texte::Encode(
            Prenoms::Ligne(indicatif, QStringLiteral("29"), Fichier_Texte::Capitales(prenom)));
        Verifie_Memorise(lignes, nouvelle, i % 2 == 0);
        // And the line itself, whatever it holds, as the new line.
        Verifie_Memorise(lignes, lignes[i], i % 2 == 1);
    }
    // An import's new lines: those of callsigns already held add nothing and change nothing; into an
    // empty memory, one line per callsign.
    KEZ_VERIFIE(Prenoms::Ajoute_Nouveaux(lignes, lignes) == lignes);
    QSet<QByteArray> indicatifs;
    for (const QByteArray& ligne : lignes)
        indicatifs.insert(ligne.left(Largeur_Indicatif));
    KEZ_VERIFIE(Prenoms::Ajoute_Nouveaux({}, lignes).size() == indicatifs.size());
    return 0;
}
