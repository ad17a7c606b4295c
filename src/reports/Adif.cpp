#include "reports/Adif.h"

#include "app/Fichier_Texte.h"
#include "app/Textes.h"
#include "log/Enregistrement.h"

#include <array>

namespace Adif {

namespace {

using Enregistrement::Champ;

// The ADIF band of each band text offered by the entry field, in the same order.
constexpr std::array<const char*, 12> Bandes_Adif{"160m", "80m", "40m", "30m", "20m", "17m",
                                                  "15m",  "12m", "10m", "6m",  "2m",  "70cm"};

// "<name:length>value", the length counted in characters.
QString Champ_Adif(const char* nom, const QString& valeur) {
    return QLatin1Char('<') + QLatin1String(nom) + QLatin1Char(':') + QString::number(valeur.size()) +
           QLatin1Char('>') + valeur;
}

// JJ/MM/AA as 20AAMMJJ: the century is always 20.
QString Date_Adif(const QString& date) {
    return QStringLiteral("20") + date.right(2) + date.mid(3, 2) + date.left(2);
}

// HH:MM as HHMM.
QString Heure_Adif(const QString& heure) {
    return heure.left(2) + heure.right(2);
}

} // namespace

QString Nom_Fichier(const QString& indicatif) {
    return indicatif + QStringLiteral("_TORV.adi");
}

QString Bande(const QString& texte) {
    Q_ASSERT(Textes::Bandes.size() == static_cast<qsizetype>(Bandes_Adif.size()));
    const qsizetype position = Textes::Bandes.indexOf(texte);
    return position < 0 ? QString() : QLatin1String(Bandes_Adif[position]);
}

QString ADIF_SP(const QString& ligne) {
    auto valeur = [&ligne](Champ champ) { return Enregistrement::Valeur(ligne, champ); };
    QString record;
    record.reserve(220);
    record += Champ_Adif("call", valeur(Champ::Indicatif));
    record += Champ_Adif("STATE", Enregistrement::Colonnes(ligne, Champ::Departement).left(2).trimmed());
    record += Champ_Adif("name", valeur(Champ::Prenom));
    record += Champ_Adif("SIG", valeur(Champ::Reference));
    record += Champ_Adif("qso_date", Date_Adif(valeur(Champ::Date)));
    record += Champ_Adif("time_on", Heure_Adif(valeur(Champ::Heure)));
    record += Champ_Adif("mode", valeur(Champ::Mode));
    record += Champ_Adif("band", Bande(valeur(Champ::Bande)));
    record += Champ_Adif("rst_rcvd", valeur(Champ::Report_Recu));
    record += Champ_Adif("rst_sent", valeur(Champ::Report_Envoye));
    record += Champ_Adif("SIG_INFO", valeur(Champ::Nom_Phare));
    record += Champ_Adif("QSL_RCVD", valeur(Champ::QSL) == Enregistrement::Marque_QSL ? QStringLiteral("Y")
                                                                                      : QStringLiteral("N"));
    record += QStringLiteral("<eor>");
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
