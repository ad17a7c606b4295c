#pragma once

#include <QString>
#include <functional>
#include <memory>

class QSettings;

// One persistent setting: its section ("Setup ", or "Setup " and the station callsign), its key
// and the value read when it was never written.
struct Cle_Reglage {
    bool par_station;
    const char* cle;
    const char* defaut;
};

namespace Reglages {
inline constexpr Cle_Reglage Indicatif_Station{false, "Indicatif Station", "FXXXX"};
inline constexpr Cle_Reglage Chemin_Repertoire{false, "Chemin Repertoire", ""};
inline constexpr Cle_Reglage Bande_Utilisee{true, "bande Utilisee", "0"};
inline constexpr Cle_Reglage Mode_Utilise{true, "Mode Utilise", "0"};
inline constexpr Cle_Reglage Date_Auto{true, "Date Auto", "Oui"};
inline constexpr Cle_Reglage Revision{true, "Revision", ""};
} // namespace Reglages

// The per-user settings store of application "TORV".
class Parametres {
public:
    explicit Parametres(std::unique_ptr<QSettings> stockage);
    ~Parametres();

    // The store the program uses: the platform's native per-user store.
    static std::unique_ptr<Parametres> Natifs();

    // Given the text to show the operator, once a session, when a setting cannot be written or the
    // settings file was found damaged: the fields write one on every key, and the program goes on with
    // the settings it holds.
    void Avertit_Par(std::function<void(const QString&)> avertit);

    QString Lit(const Cle_Reglage& cle, const QString& indicatif = {}) const;
    void Ecrit(const Cle_Reglage& cle, const QString& valeur, const QString& indicatif = {});

    // A list position, as stored by the band and mode fields: -1 (no item) up to taille - 1.
    // A value that is not such a position reads as the key's default.
    int Lit_Position(const Cle_Reglage& cle, const QString& indicatif, int taille) const;

    // The station callsign, or "FXXXX" when the stored one is not a usable callsign: it names a
    // file of the program's folder, so nothing else may go through.
    QString Indicatif_Station() const;

private:
    std::unique_ptr<QSettings> stockage;
    std::function<void(const QString&)> avertit;
    bool averti = false;
};

namespace Sous_Programmes {
inline const QString Indicatif_Absent = QStringLiteral("FXXXX");
// 1 to 12 characters, each a capital letter, a digit or "_".
bool Indicatif_Valide(const QString& indicatif);
} // namespace Sous_Programmes
