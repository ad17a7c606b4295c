// Any bytes as the settings: either the settings file itself, or the values stored under the
// program's keys. Whatever they hold, the callsign read is a usable one and the band and mode are
// positions in their lists.
#include "Verifie.h"
#include "app/Parametres.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

namespace {

constexpr int Bandes = 12;
constexpr int Modes = 3;

QString Fichier_Neuf() {
    // A new name each time: the settings of a name read a moment ago may be served from a cache.
    static QTemporaryDir dossier;
    static int numero = 0;
    QFile::remove(dossier.filePath(QStringLiteral("TORV%1.ini").arg(numero)));
    return dossier.filePath(QStringLiteral("TORV%1.ini").arg(++numero));
}

void Ecrit_Fichier(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly))
        fichier.write(octets);
}

void Ecrit_Valeurs(const QString& chemin, const QByteArray& octets) {
    const QList<QByteArray> valeurs = octets.split('\n');
    const Cle_Reglage* cles[] = {&Reglages::Indicatif_Station, &Reglages::Bande_Utilisee,
                                 &Reglages::Mode_Utilise, &Reglages::Date_Auto};
    QSettings reglages(chemin, QSettings::IniFormat);
    for (qsizetype i = 0; i < valeurs.size() && i < 4; ++i) {
        const QString valeur = QString::fromUtf8(valeurs[i]);
        const Cle_Reglage& cle = *cles[i];
        reglages.setValue(QStringLiteral("Setup ") + (cle.par_station ? QStringLiteral("F5ABC") : QString()) +
                              QLatin1Char('/') + QLatin1String(cle.cle),
                          valeur);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille == 0)
        return 0;
    const QByteArray octets(reinterpret_cast<const char*>(donnees) + 1, static_cast<qsizetype>(taille - 1));
    const QString chemin = Fichier_Neuf();
    if (donnees[0] & 1)
        Ecrit_Fichier(chemin, octets);
    else
        Ecrit_Valeurs(chemin, octets);

    const Parametres parametres(std::make_unique<QSettings>(chemin, QSettings::IniFormat));
    const QString indicatif = parametres.Indicatif_Station();
    KEZ_VERIFIE(indicatif == Sous_Programmes::Indicatif_Absent ||
                Sous_Programmes::Indicatif_Valide(indicatif));
    for (const QString& station : {indicatif, QStringLiteral("F5ABC")}) {
        const int bande = parametres.Lit_Position(Reglages::Bande_Utilisee, station, Bandes);
        KEZ_VERIFIE(bande >= -1 && bande < Bandes);
        const int mode = parametres.Lit_Position(Reglages::Mode_Utilise, station, Modes);
        KEZ_VERIFIE(mode >= -1 && mode < Modes);
        parametres.Lit(Reglages::Date_Auto, station);
    }
    return 0;
}
