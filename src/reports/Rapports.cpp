#include "reports/Rapports.h"

#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "log/Enregistrement.h"

#include <algorithm>
#include <array>
#include <vector>

namespace Rapports {

namespace {

using Enregistrement::Champ;

int Blancs_Avant_Credit(Support support) {
    return support == Support::Papier ? 2 : 1;
}

QString Blancs(int nombre) {
    return QString(nombre, QLatin1Char(' '));
}

Forme Forme_Phares_Contactes(Support support, const QString& indicatif, const QDate& jour) {
    if (support == Support::Fichier)
        return {Blancs(20) + indicatif + QStringLiteral(" Phares contactés au ") + Date_Titre(jour),
                QStringLiteral("   N° Indicatif    Dpt     Prenom        Ref    Date    QTR  Mode  QRG  RSTR "
                               "RSTE       Mom du Phare           QSL")};
    return {Blancs(31) + indicatif + QStringLiteral("  Phares contactés au ") + Date_Titre(jour),
            QStringLiteral("       N° Indicatif    Dpt     Prenom        Ref    Date    QTR  Mode  QRG  RSTR "
                           "RSTE  Mom du Phare           QSL")};
}

Forme Forme_Liste(Support support, const QString& indicatif, const QDate& jour) {
    const QString titre =
        indicatif + QStringLiteral(" Liste alphanumerique des Phares contactés au ") + Date_Titre(jour);
    if (support == Support::Fichier)
        return {Blancs(4) + titre,
                QStringLiteral("   N°   Ref        Nom du Phare                 Date   Indicatif    QSL")};
    return {Blancs(8) + titre,
            QStringLiteral("        N°  Ref         Nom du Phare                Date   Indicatif     QSL")};
}

} // namespace

QString Credit(const QString& revision) {
    return QStringLiteral("Document produit par KEZ_TORV Revision") + revision;
}

QByteArray Numero(qsizetype numero) {
    return QByteArray::number(numero).rightJustified(5, ' ') + ' ';
}

int Retrait(Support support) {
    return support == Support::Papier ? 4 : 0;
}

QString Date_Titre(const QDate& jour) {
    return jour.toString(QStringLiteral("dd/MM/yyyy"));
}

Lignes Compose(Support support, const Forme& forme, const Lignes& corps, const QString& credit,
               const Lignes& suite) {
    const QByteArray retrait(Retrait(support), ' ');
    Lignes lignes{Fichier_Texte::Encode(forme.titre), {}, Fichier_Texte::Encode(forme.entete), {}};
    lignes.reserve(corps.size() + suite.size() + 8);
    for (qsizetype i = 0; i < corps.size(); ++i)
        lignes.append(retrait + Numero(i + 1) + corps[i]);
    for (const QByteArray& ligne : suite)
        lignes.append(ligne.isEmpty() ? ligne : retrait + ligne);
    for (int i = 0; i < Blancs_Avant_Credit(support); ++i)
        lignes.append(QByteArray());
    lignes.append(Fichier_Texte::Encode(credit));
    return lignes;
}

QString Nom_Phares_Contactes(const QString& indicatif, const QDate& jour) {
    return QStringLiteral("Phares_Contacte_") + indicatif + Sous_Programmes::Suffixe_Date(jour) +
           QStringLiteral(".txt");
}

Lignes Phares_Contactes(Support support, const QString& indicatif, const QDate& jour, const QString& credit,
                        const Lignes& log) {
    return Compose(support, Forme_Phares_Contactes(support, indicatif, jour), log, credit);
}

QByteArray Octets_Ligne_Alphabetique(const QByteArray& enregistrement) {
    // Written into one buffer of blanks, field after field: a long log has a line made for each of its
    // QSOs. A field keeps its full width, blanks kept, even from a short line.
    constexpr Champ champs[]{Champ::Reference, Champ::Nom_Phare, Champ::Date, Champ::Indicatif, Champ::QSL};
    qsizetype taille = 1;
    for (const Champ champ : champs)
        taille += Enregistrement::Largeur(champ) + (champ == Champ::Reference ? 0 : 2);
    QByteArray ligne(taille, ' ');
    char* ecrit = ligne.data() + 1;
    for (const Champ champ : champs) {
        ecrit += champ == Champ::Reference ? 0 : 2;
        const qsizetype debut = Enregistrement::Debut(champ), largeur = Enregistrement::Largeur(champ);
        const qsizetype lus = qBound(qsizetype(0), enregistrement.size() - debut, largeur);
        std::copy_n(enregistrement.constData() + debut, lus, ecrit);
        ecrit += largeur;
    }
    return ligne;
}

QString Ligne_Alphabetique(const QByteArray& enregistrement) {
    return Fichier_Texte::Decode(Octets_Ligne_Alphabetique(enregistrement));
}

QStringList Liste_Alphabetique(const Lignes& log) {
    // Sorted without regard to case, as comparing the texts with each character folded would: each
    // byte is given once the rank of its folded character, and the lines are sorted by those ranks.
    // Lines equal but for case keep their log order.
    static const std::array<char, 256> rangs = [] {
        std::array<char16_t, 256> plies{};
        for (int octet = 0; octet < 256; ++octet)
            plies[octet] =
                Fichier_Texte::Decode(QByteArray(1, static_cast<char>(octet)))[0].toCaseFolded().unicode();
        std::array<char16_t, 256> tries = plies;
        std::sort(tries.begin(), tries.end());
        std::array<char, 256> table{};
        for (int octet = 0; octet < 256; ++octet)
            table[octet] =
                static_cast<char>(std::lower_bound(tries.begin(), tries.end(), plies[octet]) - tries.begin());
        return table;
    }();
    struct Ligne {
        QByteArray cle;
        QByteArray octets;
    };
    std::vector<Ligne> lignes;
    lignes.reserve(static_cast<std::size_t>(log.size()));
    for (const QByteArray& enregistrement : log) {
        QByteArray octets = Octets_Ligne_Alphabetique(enregistrement);
        QByteArray cle(octets.size(), Qt::Uninitialized);
        std::transform(octets.cbegin(), octets.cend(), cle.begin(),
                       [](char octet) { return rangs[static_cast<uchar>(octet)]; });
        lignes.push_back({std::move(cle), std::move(octets)});
    }
    std::stable_sort(lignes.begin(), lignes.end(),
                     [](const Ligne& a, const Ligne& b) { return a.cle < b.cle; });
    QStringList liste;
    liste.reserve(log.size() + 1);
    liste.append(QString());
    for (const Ligne& ligne : lignes)
        liste.append(Fichier_Texte::Decode(ligne.octets));
    return liste;
}

QString Nom_Liste_Alphabetique(const QString& indicatif, const QDate& jour) {
    return indicatif + QStringLiteral("_Liste_alaphanumerique_Phares") + Sous_Programmes::Suffixe_Date(jour) +
           QStringLiteral(".txt");
}

Lignes Liste_Phares_Contactes(Support support, const QString& indicatif, const QDate& jour,
                              const QString& credit, const QStringList& lignes) {
    return Compose(support, Forme_Liste(support, indicatif, jour),
                   Fichier_Texte::Encode_Lignes(lignes.mid(1)), credit);
}

QString Nom_Import_Adif(const QString& indicatif, const QDate& jour) {
    return QStringLiteral("Import_ADIF_") + indicatif + Sous_Programmes::Suffixe_Date(jour) +
           QStringLiteral(".txt");
}

Lignes Import_Adif(const QString& indicatif, const QDate& jour, const QString& fichier, const QString& credit,
                   const QStringList& lignes) {
    return Compose(Support::Fichier,
                   {indicatif + QStringLiteral(" Import du fichier ADIF ") + fichier +
                        QStringLiteral(" au ") + Date_Titre(jour),
                    Enregistrement::Entete_Liste()},
                   {}, credit, Fichier_Texte::Encode_Lignes(lignes));
}

} // namespace Rapports
