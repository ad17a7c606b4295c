// Any bytes as an ADIF file to import into a one-QSO log. Nothing may crash or hang; every record read
// is counted once (to import, duplicate, refused or without a lighthouse); a QSO to import is a whole
// log record that the entry's checks accept, and the import keeps every line of the log.
#include "Verifie.h"
#include "app/Fichier_Texte.h"
#include "log/Controle_Saisie.h"
#include "log/Enregistrement.h"
#include "reports/Import_Adif.h"

#include <cstdint>

namespace {

using Enregistrement::Champ;

const QList<Phare> Phares{{"Phare du Creac'h", "1004", "", "29"}};
const Journal::Lignes Log{
    "F5XYZ        29   JEAN            PB100414/07/14 09:35 SSB 14 Mhz  59  57  P. Ar-Men"
    "                      *"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const Import_Adif::Import apport = Import_Adif::Prepare(octets, Log, Phares);
    KEZ_VERIFIE(apport.a_importer.size() + apport.doublons.size() + apport.refus.size() +
                    apport.sans_reference ==
                apport.lecture.records);
    for (const Import_Adif::QSO& qso : apport.a_importer) {
        const QString& enregistrement = qso.enregistrement;
        KEZ_VERIFIE(Fichier_Texte::Encode(enregistrement).size() == Enregistrement::Longueur);
        KEZ_VERIFIE(Sous_Programmes::Refus_Caracteres(enregistrement).isEmpty());
        KEZ_VERIFIE(Sous_Programmes::Controle_Date(Enregistrement::Colonnes(enregistrement, Champ::Date)) ==
                    0);
        KEZ_VERIFIE(Sous_Programmes::Controle_Heure(Enregistrement::Colonnes(enregistrement, Champ::Heure)) ==
                    0);
    }
    const Journal::Lignes lignes =
        Journal::Insere_Tous(Log, Fichier_Texte::Encode_Lignes(Import_Adif::Enregistrements(apport)));
    KEZ_VERIFIE(lignes.size() == Log.size() + apport.a_importer.size() && lignes.contains(Log.first()));
    Import_Adif::Lignes_Apercu(apport);
    return 0;
}
