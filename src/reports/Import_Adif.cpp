#include "reports/Import_Adif.h"

#include "app/Fichier_Texte.h"
#include "log/Controle_Saisie.h"
#include "log/Enregistrement.h"
#include "log/Prenoms.h"
#include "reports/Adif.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <array>

namespace Import_Adif {

namespace {

using Enregistrement::Champ;
using Lecture_Adif::Record;

// The lighthouse a record names: the reference, the ADIF field it was found in, and the lighthouse of
// the list with that reference.
struct Reference {
    QString texte;
    QString champ;
    Phare phare;
};

// What a rule reads of a record.
struct Lu {
    const Record& record;
    const Reference& reference;

    QString Texte(const char* champ) const { return record.value(QLatin1String(champ)).trimmed(); }
};

// A value for the log, the ADIF field it comes from, and why it cannot be taken, when it cannot.
struct Valeur {
    QString texte;
    QString champ;
    QString refus = {};
};

Valeur Du_Champ(const Lu& lu, const char* champ) {
    return {lu.Texte(champ), QLatin1String(champ)};
}

bool Chiffres(const QString& texte, qsizetype nombre) {
    return texte.size() == nombre &&
           std::all_of(texte.cbegin(), texte.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// SIG holds the reference in this program's own files; other programs leave it in a text.
std::optional<Reference> Reference_De(const Record& record, const Liste_Phare::Index& phares) {
    static const QRegularExpression seule(QStringLiteral("^PB[0-9]+$"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dans(QStringLiteral("\\bPB[0-9]+"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto trouvee = [&](const QString& texte, const char* champ) {
        const QString reference = Sous_Programmes::Majuscules(texte);
        return Reference{reference, QLatin1String(champ), Liste_Phare::Cherche(phares, reference)};
    };
    const QString sig = record.value(QStringLiteral("SIG")).trimmed();
    if (seule.match(sig).hasMatch())
        return trouvee(sig, "SIG");
    for (const char* champ : {"SIG_INFO", "COMMENT", "NOTES"}) {
        const QRegularExpressionMatch trouve = dans.match(record.value(QLatin1String(champ)));
        if (trouve.hasMatch())
            return trouvee(trouve.captured(), champ);
    }
    return std::nullopt;
}

Valeur Departement(const Lu& lu) {
    Valeur valeur = Du_Champ(lu, "STATE");
    if (valeur.texte.isEmpty())
        valeur.texte = lu.reference.phare.departement.trimmed();
    return valeur;
}

// AAAAMMJJ becomes JJ/MM/AA; the log's two-digit years stand for 1950 to 2049 only.
Valeur Date(const Lu& lu) {
    Valeur valeur = Du_Champ(lu, "QSO_DATE");
    const QString date = valeur.texte;
    if (!Chiffres(date, 8))
        valeur.refus = QStringLiteral("la date doit s'écrire AAAAMMJJ");
    else if (const int annee = date.left(4).toInt(); Enregistrement::Siecle(annee % 100) != annee / 100)
        valeur.refus = QStringLiteral("le log ne tient que les années 1950 à 2049");
    valeur.texte = date.mid(6, 2) + u'/' + date.mid(4, 2) + u'/' + date.mid(2, 2);
    return valeur;
}

// HHMM or HHMMSS becomes HH:MM.
Valeur Heure(const Lu& lu) {
    Valeur valeur = Du_Champ(lu, "TIME_ON");
    if (!Chiffres(valeur.texte, 4) && !Chiffres(valeur.texte, 6))
        valeur.refus = QStringLiteral("l'heure doit s'écrire HHMM ou HHMMSS");
    valeur.texte = valeur.texte.left(2) + u':' + valeur.texte.mid(2, 2);
    return valeur;
}

// A family too long for the log's mode (MFSK) is known by its submode (FT4); SSB stays the log's own
// SSB whatever its sideband.
Valeur Mode(const Lu& lu) {
    const Valeur mode = Du_Champ(lu, "MODE");
    const Valeur sous_mode = Du_Champ(lu, "SUBMODE");
    return mode.texte.size() > Enregistrement::Largeur(Champ::Mode) && !sous_mode.texte.isEmpty() ? sous_mode
                                                                                                  : mode;
}

// The log's band text; a band the log does not list is kept as the file names it, a frequency outside
// them all cannot be named.
Valeur Bande(const Lu& lu) {
    const Valeur bande = Du_Champ(lu, "BAND");
    if (!bande.texte.isEmpty()) {
        const QString du_log = Adif::Bande_Du_Log(bande.texte);
        return {du_log.isEmpty() ? bande.texte : du_log, bande.champ};
    }
    Valeur frequence = Du_Champ(lu, "FREQ");
    if (frequence.texte.isEmpty())
        return bande;
    bool nombre = false;
    const double mhz = frequence.texte.toDouble(&nombre);
    const QString du_log = Adif::Bande_De_Frequence(mhz);
    if (!nombre || du_log.isEmpty())
        frequence.refus = QStringLiteral("fréquence hors des bandes du log");
    frequence.texte = du_log;
    return frequence;
}

// The name the file gives beside its own SIG reference, otherwise the list's, as the entry fills it
// (cut to its column: a long name of the list is no fault of the file).
Valeur Nom_Phare(const Lu& lu) {
    if (lu.reference.champ == QLatin1String("SIG"))
        return Du_Champ(lu, "SIG_INFO");
    return {Liste_Phare::Nom_Saisi(lu.reference.phare).left(Enregistrement::Largeur(Champ::Nom_Phare)),
            Liste_Phare::Nom_Fichier};
}

Valeur QSL(const Lu& lu) {
    Valeur valeur = Du_Champ(lu, "QSL_RCVD");
    valeur.texte = valeur.texte.compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0
                       ? Enregistrement::Marque_QSL
                       : QString();
    return valeur;
}

// Each field of the log record, in record order: where its value comes from and the entry field whose
// checks it passes (none for the QSL mark, a tick box).
struct Regle {
    std::optional<Champ_Saisie> saisie;
    Valeur (*lit)(const Lu&);
};
const std::array<Regle, Enregistrement::Nombre_Champs> Regles{{
    {Champ_Saisie::Indicatif, [](const Lu& lu) { return Du_Champ(lu, "CALL"); }},
    {Champ_Saisie::Departement, Departement},
    {Champ_Saisie::Prenom,
     [](const Lu& lu) {
         Valeur valeur = Du_Champ(lu, "NAME");
         valeur.texte = Fichier_Texte::Capitales(valeur.texte);
         return valeur;
     }},
    {Champ_Saisie::Reference,
     [](const Lu& lu) {
         return Valeur{lu.reference.texte, lu.reference.champ};
     }},
    {Champ_Saisie::Date, Date},
    {Champ_Saisie::Heure, Heure},
    {Champ_Saisie::Mode, Mode},
    {Champ_Saisie::Bande, Bande},
    {Champ_Saisie::Report, [](const Lu& lu) { return Du_Champ(lu, "RST_RCVD"); }},
    {Champ_Saisie::Report, [](const Lu& lu) { return Du_Champ(lu, "RST_SENT"); }},
    {Champ_Saisie::Nom_Phare, Nom_Phare},
    {std::nullopt, QSL},
}};

// What tells a QSO from another. The lighthouse too: a station on a jetty between two lighthouses
// counts for both, one QSO each.
QString Cle(const QString& enregistrement) {
    QString cle;
    for (const Champ champ :
         {Champ::Indicatif, Champ::Date, Champ::Heure, Champ::Bande, Champ::Mode, Champ::Reference})
        cle += Enregistrement::Valeur(enregistrement, champ) + u'\n';
    return cle;
}

} // namespace

std::optional<Conversion> Convertit(const Record& record, const Liste_Phare::Index& phares) {
    const std::optional<Reference> reference = Reference_De(record, phares);
    if (!reference)
        return std::nullopt;
    const Lu lu{record, *reference};
    Enregistrement::Valeurs valeurs;
    for (std::size_t i = 0; i < Regles.size(); ++i) {
        Valeur valeur = Regles[i].lit(lu);
        if (const std::optional<Champ_Saisie> saisie = Regles[i].saisie) {
            if (Sous_Programmes::Suit_Regle_Des_Lettres(*saisie))
                valeur.texte = Sous_Programmes::Majuscules(valeur.texte);
            if (valeur.refus.isEmpty())
                valeur.refus = Sous_Programmes::Refus_Saisie(*saisie, valeur.texte);
        }
        if (!valeur.refus.isEmpty())
            return Conversion{{}, valeur.champ + QStringLiteral(" : ") + valeur.refus};
        valeurs[i] = valeur.texte;
    }
    return Conversion{Enregistrement::Compose(valeurs), {}};
}

Import Prepare(const QByteArray& octets, const Journal::Lignes& log, const QList<Phare>& phares) {
    const Liste_Phare::Index index = Liste_Phare::Indexe(phares);
    QSet<QString> connus;
    for (const QByteArray& ligne : log)
        connus.insert(Cle(Fichier_Texte::Decode(ligne)));
    Import apport;
    qsizetype numero = 0;
    apport.lecture = Lecture_Adif::Lit(octets, [&](const Record& record) {
        ++numero;
        const std::optional<Conversion> qso = Convertit(record, index);
        if (!qso)
            ++apport.sans_reference;
        else if (!qso->refus.isEmpty())
            apport.refus.append({numero, qso->refus});
        else if (connus.contains(Cle(qso->enregistrement)))
            apport.doublons.append({numero, qso->enregistrement});
        else {
            connus.insert(Cle(qso->enregistrement));
            apport.a_importer.append({numero, qso->enregistrement});
        }
    });
    return apport;
}

QStringList Enregistrements(const Import& apport) {
    QStringList enregistrements;
    for (const QSO& qso : apport.a_importer)
        enregistrements.append(qso.enregistrement);
    return enregistrements;
}

QStringList Lignes_Prenoms(const Import& apport) {
    QStringList lignes;
    for (const QSO& qso : apport.a_importer) {
        const auto valeur = [&qso](Champ champ) { return Enregistrement::Valeur(qso.enregistrement, champ); };
        if (!valeur(Champ::Prenom).isEmpty())
            lignes.append(
                Prenoms::Ligne(valeur(Champ::Indicatif), valeur(Champ::Departement), valeur(Champ::Prenom)));
    }
    return lignes;
}

QString Message_Arret(const Lecture_Adif::Arret& arret) {
    return QStringLiteral(
               "Fichier abîmé : lecture arrêtée à l'enregistrement %1 (%2), la suite n'est pas lue.")
        .arg(arret.record)
        .arg(arret.raison);
}

QString Message_Sans_QSO(const QString& chemin, const Import& apport) {
    const QString message = QStringLiteral("Le fichier %1 ne contient aucun QSO au format ADIF.")
                                .arg(QDir::toNativeSeparators(chemin));
    return apport.lecture.arret ? message + QStringLiteral("\r\n") + Message_Arret(*apport.lecture.arret)
                                : message;
}

QString Bilan(const QString& chemin, const Import& apport) {
    return QStringLiteral(
               "Import du fichier %1 terminé.\r\nQSO importés : %2    Doublons : %3    Refusés : %4    "
               "Sans référence de phare : %5")
        .arg(QDir::toNativeSeparators(chemin))
        .arg(apport.a_importer.size())
        .arg(apport.doublons.size())
        .arg(apport.refus.size())
        .arg(apport.sans_reference);
}

QStringList Lignes_Apercu(const Import& apport) {
    QStringList lignes;
    if (apport.lecture.arret)
        lignes << Message_Arret(*apport.lecture.arret) << QString();
    const auto partie = [&lignes](const QString& titre, const QList<QSO>& qsos) {
        lignes << titre.arg(qsos.size());
        for (const QSO& qso : qsos)
            lignes << Enregistrement::Ligne_Liste(qso.enregistrement, static_cast<int>(qso.numero));
        lignes << QString();
    };
    partie(QStringLiteral("QSO à importer : %1"), apport.a_importer);
    partie(QStringLiteral("Doublons, déjà dans le log, non importés : %1"), apport.doublons);
    lignes << QStringLiteral("Refusés : %1").arg(apport.refus.size());
    for (const Refus& refus : apport.refus)
        lignes << QStringLiteral("Enregistrement %1, %2").arg(refus.numero).arg(refus.raison);
    lignes << QString()
           << QStringLiteral("Sans référence de phare, non importés : %1").arg(apport.sans_reference);
    return lignes;
}

} // namespace Import_Adif
