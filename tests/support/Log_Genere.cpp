#include "support/Log_Genere.h"

#include "app/Fichier_Texte.h"
#include "app/Textes.h"
#include "log/Enregistrement.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QStringList>

namespace Log_Genere {

namespace {

const QStringList Prefixes{"F", "F", "F", "F", "TK", "ON", "DL", "EA", "G", "HB9", "I", "PA"};
const QStringList Prenoms{"Jean",      "Marie",  "Yann",  "Gwenaël", "Pierre", "Hélène", "Loïc",
                          "Françoise", "Michel", "Erwan", "Anne",    "Joël",   "",       ""};
const QStringList Departements{"29", "56", "22", "35", "50", "14", "76", "80", "62", "44",
                               "85", "17", "33", "40", "64", "66", "13", "83", "06", "2A"};
const QStringList Phares{
    "Phare du Créac'h",    "Phare d'Eckmühl", "Phare de Cordouan",   "Phare des Baleines",
    "Phare de la Vieille", "Phare du Stiff",  "Phare de Gatteville", ""};

const QDateTime Debut(QDate(1996, 1, 1), QTime(0, 0), Qt::UTC);
const QDateTime Fin(QDate(2016, 1, 1), QTime(0, 0), Qt::UTC);

QString Tire(QRandomGenerator& hasard, const QStringList& liste) {
    return liste[hasard.bounded(static_cast<int>(liste.size()))];
}

QString Indicatif(QRandomGenerator& hasard) {
    QString indicatif = Tire(hasard, Prefixes) + QString::number(hasard.bounded(10));
    for (int i = 0, lettres = 2 + hasard.bounded(2); i < lettres; ++i)
        indicatif += QChar(char16_t(u'A' + hasard.bounded(26)));
    return hasard.bounded(20) == 0 ? indicatif + QStringLiteral("_P") : indicatif;
}

// A lighthouse of the list, or one made up when there is no list.
Phare Phare_Contacte(QRandomGenerator& hasard, const QList<Phare>& phares) {
    if (!phares.isEmpty())
        return phares[hasard.bounded(static_cast<int>(phares.size()))];
    const QString departement = Tire(hasard, Departements);
    const QString numero = QString::number(1001 + hasard.bounded(123));
    return {Tire(hasard, Phares), numero, QString(), departement};
}

QByteArray Enregistrement_A(QRandomGenerator& hasard, const QDateTime& moment, const QList<Phare>& phares) {
    const bool cw = hasard.bounded(4) == 0;
    const QString report = cw ? QStringLiteral("599") : QStringLiteral("59");
    const QString indicatif = Indicatif(hasard);
    const Phare phare = Phare_Contacte(hasard, phares);
    const QString prenom = Tire(hasard, Prenoms);
    const QString mode = cw ? QStringLiteral("CW") : Tire(hasard, Textes::Modes);
    const QString bande = Tire(hasard, Textes::Bandes);
    return Fichier_Texte::Encode(Enregistrement::Compose(
        {indicatif, phare.departement, prenom, "PB" + phare.numero_pb, moment.toString("dd/MM/yy"),
         moment.toString("HH:mm"), mode, bande, report, report, phare.nom,
         hasard.bounded(3) == 0 ? Enregistrement::Marque_QSL : QStringLiteral(" ")}));
}

} // namespace

QList<QByteArray> Lignes(int nombre, quint32 graine, const QList<Phare>& phares) {
    QRandomGenerator hasard(graine);
    QList<QByteArray> lignes;
    const qint64 pas = nombre > 0 ? Debut.secsTo(Fin) / nombre : 0;
    for (int i = 0; i < nombre; ++i)
        lignes.append(
            Enregistrement_A(hasard, Debut.addSecs(pas * i + hasard.bounded(qMax<qint64>(pas, 1))), phares));
    return lignes;
}

QByteArray Enregistrement_Milieu(quint32 graine) {
    QRandomGenerator hasard(graine);
    return Enregistrement_A(hasard, Debut.addSecs(Debut.secsTo(Fin) / 2 + 37), {});
}

} // namespace Log_Genere
