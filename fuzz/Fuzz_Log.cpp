// Any bytes as a station's log: cut into lines, shown in the list, each list line turned back into a
// record, the log changed with it and exported to ADIF. Nothing may crash, no change may touch a line
// it was not aimed at, and the export holds one record line for each log line.
#include "Verifie.h"
#include "app/Fichier_Texte.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "reports/Adif.h"

#include <QString>
#include <cstdint>

namespace {

using Lignes = Journal::Lignes;

Lignes Sans(const Lignes& lignes, const QByteArray& enregistrement) {
    Lignes restent;
    for (const QByteArray& ligne : lignes) {
        if (ligne != enregistrement)
            restent.append(ligne);
    }
    return restent;
}

void Change(const Lignes& lignes, const QByteArray& enregistrement, const QByteArray& nouveau) {
    KEZ_VERIFIE(Journal::Supprime(lignes, enregistrement) == Sans(lignes, enregistrement));

    const Lignes remplacees = Journal::Remplace(lignes, nouveau, enregistrement);
    const bool present = lignes.contains(enregistrement);
    KEZ_VERIFIE(remplacees.size() == lignes.size() + (present ? 0 : 1));
    for (qsizetype i = 0; i < lignes.size(); ++i)
        KEZ_VERIFIE(remplacees[i] == (lignes[i] == enregistrement ? nouveau : lignes[i]));

    const Lignes inserees = Journal::Insere(lignes, enregistrement);
    KEZ_VERIFIE(inserees.size() == lignes.size() + 1);
    qsizetype position = 0;
    while (position < lignes.size() && inserees[position] == lignes[position])
        ++position;
    Lignes sans_elle = inserees;
    sans_elle.remove(position);
    KEZ_VERIFIE(sans_elle == lignes);

    const QString reference =
        Enregistrement::Valeur(Fichier_Texte::Decode(enregistrement), Enregistrement::Champ::Reference);
    Journal::Premiere_Date_Reference(lignes, reference);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const Lignes lignes = Fichier_Texte::Coupe_Lignes(octets);
    // Written back and cut again, the lines are the same lines.
    KEZ_VERIFIE(Fichier_Texte::Coupe_Lignes(Fichier_Texte::Joint_Lignes(lignes)) == lignes);

    const Lignes adif =
        Fichier_Texte::Coupe_Lignes(Adif::Fichier(QStringLiteral("F5ABC"), QString(), lignes));
    KEZ_VERIFIE(adif.size() == 6 + lignes.size());
    for (qsizetype i = 0; i < lignes.size(); ++i)
        KEZ_VERIFIE(adif[6 + i].startsWith("<call:") && adif[6 + i].endsWith("<eor>"));

    const QByteArray nouveau = lignes.isEmpty() ? QByteArray() : lignes.constFirst();
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        KEZ_VERIFIE(Fichier_Texte::Encode(Fichier_Texte::Decode(lignes[i])) == lignes[i]);
        // From a line at least as long as a record, the list line gives a whole record (with blanks
        // between fields where a damaged line has other bytes: no change then finds that line, which
        // stays as it is), and that record comes back from its own list line byte for byte,
        // whatever bytes its fields hold.
        const QString enregistrement = Enregistrement::De_Ligne_Liste(Journal::Ligne_Liste(lignes, i));
        const QByteArray octets_enregistrement = Fichier_Texte::Encode(enregistrement);
        if (lignes[i].size() >= Enregistrement::Longueur) {
            KEZ_VERIFIE(octets_enregistrement.size() == Enregistrement::Longueur);
            const QString relu = Enregistrement::De_Ligne_Liste(
                Enregistrement::Ligne_Liste(enregistrement, static_cast<int>(i) + 1));
            KEZ_VERIFIE(relu == enregistrement);
        }
        if (i < 8)
            Change(lignes, octets_enregistrement, nouveau);
    }
    return 0;
}
