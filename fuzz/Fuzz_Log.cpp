// Any bytes as a station's log: cut into lines, shown in the list, each list line turned back into a
// record, the log changed with it and exported to ADIF. Nothing may crash, no change may touch a line
// it was not aimed at, the export holds one record line for each log line, and the award's grid holds
// each line once, under a lighthouse or an absent reference.
#include "Verifie.h"
#include "app/Fichier_Texte.h"
#include "log/Enregistrement.h"
#include "log/Journal.h"
#include "reports/Adif.h"
#include "reports/Suivi.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace {

using Lignes = Journal::Lignes;

void Change(const Lignes& lignes, qsizetype place, const QByteArray& enregistrement,
            const QByteArray& nouveau) {
    // Only the line at its place, and only while it holds those bytes: never a twin.
    const Journal::QSO_Choisi choisi{place, enregistrement};
    const bool a_sa_place = lignes[place] == enregistrement;
    const std::optional<Lignes> restent = Journal::Supprime(lignes, choisi);
    const std::optional<Lignes> remplacees = Journal::Remplace(lignes, choisi, nouveau);
    KEZ_VERIFIE(restent.has_value() == a_sa_place && remplacees.has_value() == a_sa_place);
    if (a_sa_place) {
        Lignes attendues = lignes;
        attendues.removeAt(place);
        KEZ_VERIFIE(*restent == attendues);
        attendues.insert(place, nouveau);
        KEZ_VERIFIE(*remplacees == attendues);
    }

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

    const Suivi::Grille grille =
        Suivi::Calcule(lignes, {{"Phare", "1004", "", "29"}, {"Sans numero", "PB", "", "56"}}, QString());
    qsizetype comptees = 0;
    for (const Suivi::Ligne& ligne : grille.lignes)
        comptees += ligne.qso.size();
    for (const Suivi::Absente& absente : grille.absentes)
        comptees += absente.positions.size();
    KEZ_VERIFIE(comptees == lignes.size());

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
            Change(lignes, i, octets_enregistrement, nouveau);
    }
    return 0;
}
