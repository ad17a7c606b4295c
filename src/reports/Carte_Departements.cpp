#include "reports/Carte_Departements.h"

#include "app/Fichier_Texte.h"
#include "log/Enregistrement.h"

namespace Carte_Departements {

namespace {

bool Chiffres(const QString& texte) {
    for (const QChar c : texte) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !texte.isEmpty();
}

std::optional<int> Entier(const QByteArray& texte) {
    bool nombre = false;
    const int valeur = texte.toInt(&nombre);
    return nombre ? std::optional<int>(valeur) : std::nullopt;
}

} // namespace

QString Texte_Case(int index) {
    if (index == Index_2A)
        return QStringLiteral("2a");
    if (index == Index_2B)
        return QStringLiteral("2b");
    if (!Case_Visible(index) && index != 0)
        return QStringLiteral("X");
    return QString::number(index).rightJustified(2, QLatin1Char('0'));
}

bool Case_Visible(int index) {
    return index > 0 && index < Nombre_Cases && index != 20 && index != 98 && index != 99;
}

std::optional<int> Index_Case(const QString& departement) {
    if (departement.compare(QLatin1String("2A"), Qt::CaseInsensitive) == 0)
        return Index_2A;
    if (departement.compare(QLatin1String("2B"), Qt::CaseInsensitive) == 0)
        return Index_2B;
    if (!Chiffres(departement))
        return std::nullopt;
    // Leading zeros aside, more than two digits is past 99 (and would overflow an int).
    qsizetype debut = 0;
    while (debut < departement.size() - 1 && departement[debut] == QLatin1Char('0'))
        ++debut;
    if (departement.size() - debut > 2)
        return std::nullopt;
    return departement.sliced(debut).toInt();
}

Cases Cases_Contactees(const QList<QByteArray>& lignes, const QString& bande, const QString& mode) {
    using Enregistrement::Champ;
    Cases cases;
    for (const QByteArray& ligne : lignes) {
        if (Enregistrement::Valeur(ligne, Champ::Bande) != bande ||
            Enregistrement::Valeur(ligne, Champ::Mode) != mode)
            continue;
        if (const auto index = Index_Case(Enregistrement::Valeur(ligne, Champ::Departement)))
            cases.set(*index);
    }
    return cases;
}

QMap<int, QPoint> Lit_Positions(const QList<QByteArray>& lignes) {
    QMap<int, QPoint> positions;
    for (const QByteArray& ligne : lignes) {
        const QList<QByteArray> nombres = ligne.simplified().split(' ');
        if (nombres.size() != 3)
            continue;
        const auto index = Entier(nombres[0]), gauche = Entier(nombres[1]), haut = Entier(nombres[2]);
        if (index && gauche && haut && *index >= 0 && *index < Nombre_Cases)
            positions.insert(*index, QPoint(*gauche, *haut));
    }
    return positions;
}

} // namespace Carte_Departements
