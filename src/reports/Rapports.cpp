#include "reports/Rapports.h"

#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "log/Enregistrement.h"

#include <algorithm>

namespace Rapports {

namespace {

using Enregistrement::Champ;

struct Forme {
    QString titre;
    QString entete;
};

// On paper every line stands four columns in, and one more empty line precedes the credit line.
int Retrait(Support support) {
    return support == Support::Papier ? 4 : 0;
}

int Blancs_Avant_Credit(Support support) {
    return support == Support::Papier ? 2 : 1;
}

QString Date_Titre(const QDate& jour) {
    return jour.toString(QStringLiteral("dd/MM/yyyy"));
}

QString Blancs(int nombre) {
    return QString(nombre, QLatin1Char(' '));
}

Lignes Compose(Support support, const Forme& forme, const Lignes& corps, const QString& credit) {
    const QByteArray retrait(Retrait(support), ' ');
    Lignes lignes{Fichier_Texte::Encode(forme.titre), {}, Fichier_Texte::Encode(forme.entete), {}};
    lignes.reserve(corps.size() + 8);
    for (qsizetype i = 0; i < corps.size(); ++i)
        lignes.append(retrait + Numero(i + 1) + corps[i]);
    for (int i = 0; i < Blancs_Avant_Credit(support); ++i)
        lignes.append(QByteArray());
    lignes.append(Fichier_Texte::Encode(credit));
    return lignes;
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

// A field at its full width, blanks kept, even from a short line.
QString Colonnes_Pleines(const QString& enregistrement, Champ champ) {
    return Enregistrement::Colonnes(enregistrement, champ).leftJustified(Enregistrement::Largeur(champ));
}

} // namespace

QString Credit(const QString& revision) {
    return QStringLiteral("Document produit par KEZ_TORV Revision") + revision;
}

QByteArray Numero(qsizetype numero) {
    return QByteArray::number(numero).rightJustified(5, ' ') + ' ';
}

QString Nom_Phares_Contactes(const QString& indicatif, const QDate& jour) {
    return QStringLiteral("Phares_Contacte_") + indicatif + Sous_Programmes::Suffixe_Date(jour) +
           QStringLiteral(".txt");
}

Lignes Phares_Contactes(Support support, const QString& indicatif, const QDate& jour, const QString& credit,
                        const Lignes& log) {
    return Compose(support, Forme_Phares_Contactes(support, indicatif, jour), log, credit);
}

QString Ligne_Alphabetique(const QString& enregistrement) {
    const QString separateur = Blancs(2);
    return QLatin1Char(' ') + Colonnes_Pleines(enregistrement, Champ::Reference) + separateur +
           Colonnes_Pleines(enregistrement, Champ::Nom_Phare) + separateur +
           Colonnes_Pleines(enregistrement, Champ::Date) + separateur +
           Colonnes_Pleines(enregistrement, Champ::Indicatif) + separateur +
           Colonnes_Pleines(enregistrement, Champ::QSL);
}

QStringList Liste_Alphabetique(const Lignes& log) {
    QStringList liste;
    liste.reserve(log.size() + 1);
    for (const QString& enregistrement : Fichier_Texte::Decode_Lignes(log))
        liste.append(Ligne_Alphabetique(enregistrement));
    // Lines equal but for case keep their log order.
    std::stable_sort(liste.begin(), liste.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    liste.prepend(QString());
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

} // namespace Rapports
