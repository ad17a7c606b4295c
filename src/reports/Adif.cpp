#include "reports/Adif.h"

#include "app/Fichier_Texte.h"
#include "app/Textes.h"
#include "log/Enregistrement.h"

#include <array>
#include <charconv>
#include <initializer_list>

namespace Adif {

namespace {

using Enregistrement::Champ;
using namespace Qt::Literals::StringLiterals;

// The ADIF band of each band text offered by the entry field, in the same order.
constexpr std::array<const char*, 12> Bandes_Adif{"160m", "80m", "40m", "30m", "20m", "17m",
                                                  "15m",  "12m", "10m", "6m",  "2m",  "70cm"};

// A field of the line with its filler blanks removed.
QStringView Sans_Blancs(QStringView ligne, Champ champ) {
    return ligne.mid(Enregistrement::Debut(champ), Enregistrement::Largeur(champ)).trimmed();
}

// Appends "<name:length>value", the length counted in characters; the parts of a value are joined
// without a copy, as a 10,000-QSO log makes 120,000 fields.
void Ajoute(QString& record, QLatin1String nom, std::initializer_list<QStringView> parties) {
    qsizetype longueur = 0;
    for (QStringView partie : parties)
        longueur += partie.size();
    char chiffres[24];
    const std::to_chars_result fin = std::to_chars(std::begin(chiffres), std::end(chiffres), longueur);
    record += QLatin1Char('<');
    record += nom;
    record += QLatin1Char(':');
    record += QLatin1String(chiffres, fin.ptr);
    record += QLatin1Char('>');
    for (QStringView partie : parties)
        record += partie;
}

} // namespace

QString Nom_Fichier(const QString& indicatif) {
    return indicatif + QStringLiteral("_TORV.adi");
}

QString Bande(QStringView texte) {
    Q_ASSERT(Textes::Bandes.size() == static_cast<qsizetype>(Bandes_Adif.size()));
    const qsizetype position = Textes::Bandes.indexOf(texte);
    return position < 0 ? QString() : QLatin1String(Bandes_Adif[position]);
}

QString ADIF_SP(const QString& ligne) {
    auto valeur = [&ligne](Champ champ) { return Sans_Blancs(ligne, champ); };
    // JJ/MM/AA becomes SSAAMMJJ with the century the log's insertion uses (a 1999 QSO is not
    // exported into 2099); HH:MM becomes HHMM.
    const QStringView date = valeur(Champ::Date), heure = valeur(Champ::Heure);
    bool annee_lue = false;
    const int annee = date.right(2).toInt(&annee_lue);
    const QStringView siecle = annee_lue && Enregistrement::Siecle(annee) == 19 ? u"19" : u"20";
    const QString bande = Bande(valeur(Champ::Bande));
    const bool confirme = valeur(Champ::QSL) == Enregistrement::Marque_QSL;
    QString record;
    record.reserve(ligne.size() + 160);
    Ajoute(record, "call"_L1, {valeur(Champ::Indicatif)});
    Ajoute(record, "STATE"_L1,
           {QStringView(ligne).mid(Enregistrement::Debut(Champ::Departement), 2).trimmed()});
    Ajoute(record, "name"_L1, {valeur(Champ::Prenom)});
    Ajoute(record, "SIG"_L1, {valeur(Champ::Reference)});
    Ajoute(record, "qso_date"_L1, {siecle, date.right(2), date.mid(3, 2), date.left(2)});
    Ajoute(record, "time_on"_L1, {heure.left(2), heure.right(2)});
    Ajoute(record, "mode"_L1, {valeur(Champ::Mode)});
    Ajoute(record, "band"_L1, {bande});
    Ajoute(record, "rst_rcvd"_L1, {valeur(Champ::Report_Recu)});
    Ajoute(record, "rst_sent"_L1, {valeur(Champ::Report_Envoye)});
    Ajoute(record, "SIG_INFO"_L1, {valeur(Champ::Nom_Phare)});
    Ajoute(record, "QSL_RCVD"_L1, {confirme ? u"Y" : u"N"});
    record += QLatin1String("<eor>");
    return record;
}

QList<QByteArray> Fichier(const QString& indicatif, const QString& credit, const QList<QByteArray>& log) {
    QStringList lignes{
        QStringLiteral("Exportation du log de la station ") + indicatif + QStringLiteral(" au format ADIF"),
        QString(),
        credit,
        QString(),
        QString(),
        QStringLiteral("<eoh>"),
    };
    lignes.reserve(lignes.size() + log.size());
    for (const QString& enregistrement : Fichier_Texte::Decode_Lignes(log))
        lignes.append(ADIF_SP(enregistrement));
    return Fichier_Texte::Encode_Lignes(lignes);
}

} // namespace Adif
