#include "reports/Adif.h"

#include "app/Fichier_Texte.h"
#include "app/Textes.h"
#include "log/Enregistrement.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace Adif {

namespace {

using Enregistrement::Champ;

// The ADIF band of each band text offered by the entry field, in the same order.
constexpr std::array<const char*, 12> Bandes_Adif{"160m", "80m", "40m", "30m", "20m", "17m",
                                                  "15m",  "12m", "10m", "6m",  "2m",  "70cm"};

// The log's bytes are read as they stand: Windows-1252 has one byte per character, so a field's
// columns are its bytes and a length in characters is a length in bytes. A 10,000-QSO log is exported
// without turning each line into text and back.

// A blank as the text reads it: ASCII white space and the no-break space (0xA0).
bool Blanc(char octet) {
    return octet == ' ' || (octet >= '\t' && octet <= '\r') || octet == '\xA0';
}

// At most `longueur` bytes from `debut`, fewer where the text is shorter.
QByteArrayView Partie(QByteArrayView texte, qsizetype debut, qsizetype longueur) {
    debut = std::min(debut, texte.size());
    return texte.sliced(debut, std::min(longueur, texte.size() - debut));
}

QByteArrayView Debut_De(QByteArrayView texte, qsizetype longueur) {
    return Partie(texte, 0, longueur);
}

QByteArrayView Fin_De(QByteArrayView texte, qsizetype longueur) {
    return Partie(texte, std::max<qsizetype>(0, texte.size() - longueur), longueur);
}

QByteArrayView Sans_Blancs(QByteArrayView texte) {
    const char* debut = texte.data();
    const char* fin = debut + texte.size();
    while (debut < fin && Blanc(*debut))
        ++debut;
    while (fin > debut && Blanc(fin[-1]))
        --fin;
    return QByteArrayView(debut, fin - debut);
}

// A field of the line with its filler blanks removed.
QByteArrayView Valeur(QByteArrayView ligne, Champ champ) {
    return Sans_Blancs(Partie(ligne, Enregistrement::Debut(champ), Enregistrement::Largeur(champ)));
}

// The ADIF band of a band text, or an empty one.
QByteArrayView Bande_Adif(QLatin1StringView texte) {
    Q_ASSERT(Textes::Bandes.size() == static_cast<qsizetype>(Bandes_Adif.size()));
    const qsizetype position = Textes::Bandes.indexOf(texte);
    return position < 0 ? QByteArrayView() : QByteArrayView(Bandes_Adif[position]);
}

// A field of the record, written "<name:length>value": its opening "<name:", then its value in parts,
// joined without a copy.
struct Champ_Adif {
    QByteArrayView ouverture;
    std::array<QByteArrayView, 4> parties;

    qsizetype Longueur_Valeur() const {
        qsizetype longueur = 0;
        for (QByteArrayView partie : parties)
            longueur += partie.size();
        return longueur;
    }
};

using Champs_Adif = std::array<Champ_Adif, 12>;

Champs_Adif Champs(QByteArrayView ligne) {
    auto valeur = [ligne](Champ champ) { return Valeur(ligne, champ); };
    // JJ/MM/AA becomes SSAAMMJJ with the century the log's insertion uses (a 1999 QSO is not
    // exported into 2099); HH:MM becomes HHMM.
    const QByteArrayView date = valeur(Champ::Date), heure = valeur(Champ::Heure);
    bool annee_lue = false;
    const int annee = Fin_De(date, 2).toInt(&annee_lue);
    const QByteArrayView siecle = annee_lue && Enregistrement::Siecle(annee) == 19 ? "19" : "20";
    const bool confirme = QLatin1StringView(valeur(Champ::QSL)) == Enregistrement::Marque_QSL;
    return {{
        {"<call:", {valeur(Champ::Indicatif)}},
        {"<STATE:", {Sans_Blancs(Partie(ligne, Enregistrement::Debut(Champ::Departement), 2))}},
        {"<name:", {valeur(Champ::Prenom)}},
        {"<SIG:", {valeur(Champ::Reference)}},
        {"<qso_date:", {siecle, Fin_De(date, 2), Partie(date, 3, 2), Debut_De(date, 2)}},
        {"<time_on:", {Debut_De(heure, 2), Fin_De(heure, 2)}},
        {"<mode:", {valeur(Champ::Mode)}},
        {"<band:", {Bande_Adif(QLatin1StringView(valeur(Champ::Bande)))}},
        {"<rst_rcvd:", {valeur(Champ::Report_Recu)}},
        {"<rst_sent:", {valeur(Champ::Report_Envoye)}},
        {"<SIG_INFO:", {valeur(Champ::Nom_Phare)}},
        {"<QSL_RCVD:", {confirme ? "Y" : "N"}},
    }};
}

constexpr QByteArrayView Fin_Record = "<eor>";

qsizetype Chiffres(qsizetype nombre) {
    qsizetype chiffres = 1;
    for (; nombre >= 10; nombre /= 10)
        ++chiffres;
    return chiffres;
}

// Appends the record of one log line, written straight into room of its exact size: a log makes a
// record for each of its thousands of lines.
void Ajoute_Record(QByteArray& sortie, QByteArrayView ligne) {
    const Champs_Adif champs = Champs(ligne);
    qsizetype taille = Fin_Record.size();
    for (const Champ_Adif& champ : champs) {
        const qsizetype longueur = champ.Longueur_Valeur();
        taille += champ.ouverture.size() + Chiffres(longueur) + 1 + longueur;
    }
    const qsizetype debut = sortie.size();
    sortie.resize(debut + taille);
    char* fin = sortie.data() + debut;
    auto ecrit = [&fin](QByteArrayView texte) { fin = std::copy(texte.begin(), texte.end(), fin); };
    for (const Champ_Adif& champ : champs) {
        ecrit(champ.ouverture);
        fin = std::to_chars(fin, sortie.data() + sortie.size(), champ.Longueur_Valeur()).ptr;
        *fin++ = '>';
        for (QByteArrayView partie : champ.parties)
            ecrit(partie);
    }
    ecrit(Fin_Record);
    Q_ASSERT(fin == sortie.data() + sortie.size());
}

} // namespace

QString Nom_Fichier(const QString& indicatif) {
    return indicatif + QStringLiteral("_TORV.adi");
}

QString Bande(QStringView texte) {
    const qsizetype position = Textes::Bandes.indexOf(texte);
    return position < 0 ? QString() : QLatin1String(Bandes_Adif[position]);
}

QString ADIF_SP(const QString& ligne) {
    QByteArray record;
    Ajoute_Record(record, Fichier_Texte::Encode(ligne));
    return Fichier_Texte::Decode(record);
}

QByteArray Fichier(const QString& indicatif, const QString& credit, const QList<QByteArray>& log) {
    QByteArray octets = Fichier_Texte::Joint_Lignes(Fichier_Texte::Encode_Lignes({
        QStringLiteral("Exportation du log de la station ") + indicatif + QStringLiteral(" au format ADIF"),
        QString(),
        credit,
        QString(),
        QString(),
        QStringLiteral("<eoh>"),
    }));
    // Room for the records in one go: one is about two and a half times as long as its line.
    octets.reserve(octets.size() + log.size() * 3 * Enregistrement::Longueur);
    for (const QByteArray& ligne : log) {
        Ajoute_Record(octets, ligne);
        Fichier_Texte::Termine_Ligne(octets);
    }
    return octets;
}

} // namespace Adif
