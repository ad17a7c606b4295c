#include "reports/Adif.h"

#include "app/Fichier_Texte.h"
#include "app/Textes.h"
#include "log/Enregistrement.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>

namespace Adif {

namespace {

using Enregistrement::Champ;

// The ADIF band of each band text offered by the entry field, in the same order, with its edges in MHz
// (both included) for a file that gives the frequency alone.
struct Bande_Connue {
    const char* nom;
    double bas;
    double haut;
};
constexpr std::array<Bande_Connue, 12> Bandes_Adif{{{"160m", 1.8, 2.0},
                                                    {"80m", 3.5, 4.0},
                                                    {"40m", 7.0, 7.3},
                                                    {"30m", 10.1, 10.15},
                                                    {"20m", 14.0, 14.35},
                                                    {"17m", 18.068, 18.168},
                                                    {"15m", 21.0, 21.45},
                                                    {"12m", 24.89, 24.99},
                                                    {"10m", 28.0, 29.7},
                                                    {"6m", 50.0, 54.0},
                                                    {"2m", 144.0, 148.0},
                                                    {"70cm", 420.0, 450.0}}};

// The log's bytes are read as they stand: Windows-1252 has one byte per character, so a field's
// columns are its bytes. A 10,000-QSO log is exported without turning each line into text and back.

// What a byte of the log becomes in a field: ADIF readers take ASCII 32 to 126 only. A letter loses
// its accent (É E, Œ OE; ß SS, the log's first names being in capitals), the no-break space is a
// space, anything else (signs such as € or °, control bytes) is left out.
struct Ascii {
    std::array<char, 2> texte;
    qsizetype longueur;
};

constexpr std::array<Ascii, 256> Ascii_Des_Octets = [] {
    std::array<Ascii, 256> table{};
    const auto ecrit = [&table](unsigned char octet, const char* texte) {
        Ascii& ascii = table[octet];
        for (ascii.longueur = 0; texte[ascii.longueur] != '\0'; ++ascii.longueur)
            ascii.texte[static_cast<std::size_t>(ascii.longueur)] = texte[ascii.longueur];
    };
    for (unsigned char octet = ' '; octet <= '~'; ++octet)
        table[octet] = {{static_cast<char>(octet), '\0'}, 1};
    // From À (0xC0) to ÿ (0xFF); × and ÷ are signs.
    constexpr const char* lettres[64]{
        "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",  // À to Ï
        "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "SS", // Ð to ß
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",  // à to ï
        "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"}; // ð to ÿ
    for (std::size_t i = 0; i < 64; ++i)
        ecrit(static_cast<unsigned char>(0xC0 + i), lettres[i]);
    ecrit(0x83, "f");  // ƒ
    ecrit(0x8A, "S");  // Š
    ecrit(0x8C, "OE"); // Œ
    ecrit(0x8E, "Z");  // Ž
    ecrit(0x9A, "s");  // š
    ecrit(0x9C, "oe"); // œ
    ecrit(0x9E, "z");  // ž
    ecrit(0x9F, "Y");  // Ÿ
    ecrit(0xAA, "a");  // ª
    ecrit(0xB5, "u");  // µ
    ecrit(0xBA, "o");  // º
    ecrit(0xA0, " ");  // no-break space
    return table;
}();

const Ascii& En_Ascii(char octet) {
    return Ascii_Des_Octets[static_cast<unsigned char>(octet)];
}

// A byte that leaves nothing but a blank, or nothing at all, in a field: a value starts and ends
// with what a reader sees.
bool Blanc(char octet) {
    const Ascii& ascii = En_Ascii(octet);
    return ascii.longueur == 0 || (ascii.longueur == 1 && ascii.texte[0] == ' ');
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

// The ADIF band of a band text of the log's bytes, or an empty one.
QByteArrayView Bande_Adif(QByteArrayView texte) {
    static const QList<QByteArray> bandes = [] {
        Q_ASSERT(Textes::Bandes.size() == static_cast<qsizetype>(Bandes_Adif.size()));
        QList<QByteArray> octets;
        for (const QString& bande : Textes::Bandes)
            octets.append(bande.toLatin1());
        return octets;
    }();
    const qsizetype position = bandes.indexOf(texte);
    return position < 0 ? QByteArrayView() : QByteArrayView(Bandes_Adif[position].nom);
}

// Writes a record into room made for it beforehand: a log makes one for each of its thousands of
// lines, so nothing is sized twice and no text is made per field.
class Ecriture_Record {
public:
    // Room for any record of a line of that length: its values are parts of the line (the date's
    // and the time's parts may repeat a few of its bytes), each byte written as two ASCII bytes at
    // most, the rest is fixed.
    static qsizetype Place(QByteArrayView ligne) { return 2 * ligne.size() + 512; }

    explicit Ecriture_Record(char* debut) : fin(debut) {}

    // "<name:length>value", from its opening "<name:" and its value in parts of the log's bytes;
    // the length is that of the ASCII text written.
    void Champ(QByteArrayView ouverture, std::initializer_list<QByteArrayView> parties) {
        qsizetype longueur = 0;
        for (QByteArrayView partie : parties) {
            for (const char octet : partie)
                longueur += En_Ascii(octet).longueur;
        }
        Ecrit(ouverture);
        fin = std::to_chars(fin, fin + 20, longueur).ptr;
        *fin++ = '>';
        for (QByteArrayView partie : parties) {
            // Both bytes are copied whatever the length: the room made is larger than the record.
            for (const char octet : partie) {
                const Ascii& ascii = En_Ascii(octet);
                fin[0] = ascii.texte[0];
                fin[1] = ascii.texte[1];
                fin += ascii.longueur;
            }
        }
    }

    void Ecrit(QByteArrayView texte) { fin = std::copy(texte.begin(), texte.end(), fin); }

    char* fin;
};

// Appends the record of one log line.
void Ajoute_Record(QByteArray& sortie, QByteArrayView ligne) {
    auto valeur = [ligne](Champ champ) { return Valeur(ligne, champ); };
    // JJ/MM/AA becomes SSAAMMJJ with the century the log's insertion uses (a 1999 QSO is not
    // exported into 2099); HH:MM becomes HHMM.
    const QByteArrayView date = valeur(Champ::Date), heure = valeur(Champ::Heure);
    bool annee_lue = false;
    const int annee = Fin_De(date, 2).toInt(&annee_lue);
    const QByteArrayView siecle = annee_lue && Enregistrement::Siecle(annee) == 19 ? "19" : "20";
    const bool confirme = QLatin1StringView(valeur(Champ::QSL)) == Enregistrement::Marque_QSL;

    const qsizetype debut = sortie.size(), place = Ecriture_Record::Place(ligne);
    sortie.resize(debut + place);
    Ecriture_Record record(sortie.data() + debut);
    record.Champ("<call:", {valeur(Champ::Indicatif)});
    record.Champ("<STATE:", {Sans_Blancs(Partie(ligne, Enregistrement::Debut(Champ::Departement), 2))});
    record.Champ("<name:", {valeur(Champ::Prenom)});
    record.Champ("<SIG:", {valeur(Champ::Reference)});
    record.Champ("<qso_date:", {siecle, Fin_De(date, 2), Partie(date, 3, 2), Debut_De(date, 2)});
    record.Champ("<time_on:", {Debut_De(heure, 2), Fin_De(heure, 2)});
    record.Champ("<mode:", {valeur(Champ::Mode)});
    record.Champ("<band:", {Bande_Adif(valeur(Champ::Bande))});
    record.Champ("<rst_rcvd:", {valeur(Champ::Report_Recu)});
    record.Champ("<rst_sent:", {valeur(Champ::Report_Envoye)});
    record.Champ("<SIG_INFO:", {valeur(Champ::Nom_Phare)});
    record.Champ("<QSL_RCVD:", {confirme ? "Y" : "N"});
    record.Ecrit("<eor>");
    const qsizetype ecrit = record.fin - (sortie.data() + debut);
    Q_ASSERT(ecrit <= place);
    sortie.resize(debut + ecrit);
}

} // namespace

QString Nom_Fichier(const QString& indicatif) {
    return indicatif + QStringLiteral("_TORV.adi");
}

QString Bande(QStringView texte) {
    return QString::fromLatin1(Bande_Adif(texte.toLatin1()));
}

QString Bande_Du_Log(QStringView bande) {
    for (std::size_t i = 0; i < Bandes_Adif.size(); ++i) {
        if (bande.compare(QLatin1StringView(Bandes_Adif[i].nom), Qt::CaseInsensitive) == 0)
            return Textes::Bandes[static_cast<qsizetype>(i)];
    }
    return {};
}

QString Bande_De_Frequence(double mhz) {
    for (std::size_t i = 0; i < Bandes_Adif.size(); ++i) {
        if (mhz >= Bandes_Adif[i].bas && mhz <= Bandes_Adif[i].haut)
            return Textes::Bandes[static_cast<qsizetype>(i)];
    }
    return {};
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
