#include "reports/Suivi.h"

#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Textes.h"
#include "log/Enregistrement.h"

#include <QDir>
#include <QHash>
#include <algorithm>

namespace Suivi {

namespace {

using Enregistrement::Champ;

const QString Sans_Reference = QStringLiteral("(vide)");

// A field of a log line, its blanks taken off; what there is of it in a short line.
QByteArrayView Champ_Lu(const QByteArray& ligne, Champ champ) {
    return Enregistrement::Octets(ligne, champ).trimmed();
}

void Compte_Etat(Compte& compte, Etat etat) {
    compte.travailles += etat != Etat::Rien;
    compte.confirmes += etat == Etat::Confirme;
}

QString Case(const QString& texte, Champ champ) {
    return texte.leftJustified(Enregistrement::Largeur(champ), QLatin1Char(' '), true);
}

// A line of the report after its number: reference, name and département in the log's widths, then each
// box right-aligned under its header.
QString Rangee(const QString& reference, const QString& nom, const QString& departement,
               const QStringList& cases) {
    QString ligne = Case(reference, Champ::Reference) + QLatin1Char(' ') + Case(nom, Champ::Nom_Phare) +
                    QLatin1Char(' ') + Case(departement, Champ::Departement);
    const QStringList entetes = Entetes_Cases();
    for (qsizetype i = 0; i < entetes.size(); ++i)
        ligne += cases[i].rightJustified(std::max<qsizetype>(entetes[i].size(), 3) + 1);
    return ligne;
}

QString Pluriel(qsizetype nombre) {
    return nombre > 1 ? QStringLiteral("s") : QString();
}

} // namespace

QStringList Entetes_Cases() {
    QStringList entetes;
    for (const QString& bande : Textes::Bandes)
        entetes.append(bande.section(QLatin1Char(' '), 0, 0));
    return entetes << QStringLiteral("Autre") << QStringLiteral("Total");
}

Grille Calcule(const Journal::Lignes& log, const QList<Phare>& phares, const QString& mode) {
    const qsizetype colonnes = Textes::Bandes.size() + 1;
    Grille grille;
    grille.par_bande.resize(colonnes);
    grille.lignes.reserve(phares.size());
    QHash<QString, qsizetype> rang_du_numero;
    for (const Phare& phare : phares) {
        grille.lignes.append({phare, QList<Etat>(colonnes, Etat::Rien), Etat::Rien, {}});
        const QString numero = Liste_Phare::Valeur_Numerique(phare.numero_pb);
        if (!numero.isEmpty())
            rang_du_numero.insert(numero, grille.lignes.size() - 1);
    }
    for (qsizetype i = 0; i < phares.size(); ++i) {
        if (rang_du_numero.value(Liste_Phare::Valeur_Numerique(phares[i].numero_pb), -1) != i)
            grille.injoignables.append(i);
    }
    const QList<QByteArray> bandes = Fichier_Texte::Encode_Lignes(Textes::Bandes);
    const QByteArray mode_choisi = Fichier_Texte::Encode(mode);
    const QByteArray marque = Fichier_Texte::Encode(Enregistrement::Marque_QSL);
    // Each reference text of the log, looked up once: its row, or -1 - its place among the absent ones.
    QHash<QByteArray, qsizetype> rangs;
    for (qsizetype position = 0; position < log.size(); ++position) {
        const QByteArray& ligne = log[position];
        const QByteArray reference = Champ_Lu(ligne, Champ::Reference).toByteArray();
        auto rang = rangs.constFind(reference);
        if (rang == rangs.cend()) {
            const QString numero = Liste_Phare::Numero_Reference(Fichier_Texte::Decode(reference));
            qsizetype trouve = numero.isEmpty() ? -1 : rang_du_numero.value(numero, -1);
            if (trouve < 0) {
                trouve = -1 - grille.absentes.size();
                grille.absentes.append(
                    {reference.isEmpty() ? Sans_Reference : Fichier_Texte::Decode(reference), {}});
            }
            rang = rangs.insert(reference, trouve);
        }
        if (*rang < 0) {
            grille.absentes[-1 - *rang].positions.append(position);
            continue;
        }
        if (!mode.isEmpty() && Champ_Lu(ligne, Champ::Mode) != QByteArrayView(mode_choisi))
            continue;
        const QByteArrayView bande = Champ_Lu(ligne, Champ::Bande);
        const auto colonne = static_cast<int>(
            std::find_if(bandes.cbegin(), bandes.cend(), [&](const QByteArray& b) { return bande == b; }) -
            bandes.cbegin());
        const Etat etat =
            Champ_Lu(ligne, Champ::QSL) == QByteArrayView(marque) ? Etat::Confirme : Etat::Travaille;
        Ligne& rangee = grille.lignes[*rang];
        rangee.bandes[colonne] = std::max(rangee.bandes[colonne], etat);
        rangee.total = std::max(rangee.total, etat);
        rangee.qso.append({position, colonne});
    }
    for (const Ligne& rangee : grille.lignes) {
        for (qsizetype colonne = 0; colonne < colonnes; ++colonne)
            Compte_Etat(grille.par_bande[colonne], rangee.bandes[colonne]);
        Compte_Etat(grille.total, rangee.total);
    }
    return grille;
}

bool Retenue(const Ligne& ligne, Filtre filtre) {
    switch (filtre) {
    case Filtre::A_Contacter:
        return ligne.total == Etat::Rien;
    case Filtre::Non_Confirmes:
        return ligne.total == Etat::Travaille;
    case Filtre::Tous:
        break;
    }
    return true;
}

QString Marque(Etat etat) {
    return etat == Etat::Confirme    ? QStringLiteral("C")
           : etat == Etat::Travaille ? QStringLiteral("T")
                                     : QString();
}

QString Reference(const Phare& phare) {
    return Textes::Reference_Vide + phare.numero_pb.trimmed();
}

QList<qsizetype> Positions(const Ligne& ligne, int bande) {
    QList<qsizetype> positions;
    for (const QSO& qso : ligne.qso) {
        if (bande < 0 || qso.bande == bande)
            positions.append(qso.position);
    }
    return positions;
}

QString Resume(const Grille& grille) {
    const Compte& compte = grille.total;
    return QStringLiteral("%1 phare%2 travaillé%2, %3 confirmé%4 sur %5")
        .arg(QString::number(compte.travailles), Pluriel(compte.travailles),
             QString::number(compte.confirmes), Pluriel(compte.confirmes),
             QString::number(grille.lignes.size()));
}

QList<QStringList> Lignes_Comptes(const Grille& grille) {
    QList<QStringList> lignes{{QStringLiteral("Phares travaillés")}, {QStringLiteral("Phares confirmés")}};
    for (const Compte& compte : grille.par_bande + QList<Compte>{grille.total}) {
        lignes[0].append(QString::number(compte.travailles));
        lignes[1].append(QString::number(compte.confirmes));
    }
    return lignes;
}

QString Titre_Absentes(const Grille& grille) {
    return QStringLiteral("Références absentes de la liste") +
           (grille.absentes.isEmpty() ? QStringLiteral(" : aucune") : QString());
}

QString Nombre_QSO(const Absente& absente) {
    return QStringLiteral("%1 QSO").arg(absente.positions.size());
}

QString Message_Injoignables(const Grille& grille, const QString& chemin_liste) {
    if (grille.injoignables.isEmpty())
        return {};
    const Phare& premier = grille.lignes[grille.injoignables[0]].phare;
    return QStringLiteral(
               "Liste des phares %1 : %2 phare(s) sans numéro PB utilisable (sans chiffres, ou le "
               "même qu'un phare plus loin dans la liste) : aucun QSO ne peut leur être compté.\r\n"
               "Le premier : %3 (numéro \"%4\").")
        .arg(QDir::toNativeSeparators(chemin_liste), QString::number(grille.injoignables.size()), premier.nom,
             premier.numero_pb);
}

QString Nom_Fichier(const QString& indicatif, const QDate& jour) {
    return indicatif + QStringLiteral("_Suivi_Phares") + Sous_Programmes::Suffixe_Date(jour) +
           QStringLiteral(".txt");
}

Rapports::Lignes Rapport(Rapports::Support support, const QString& indicatif, const QDate& jour,
                         const QString& credit, const Grille& grille, Filtre filtre, const QString& mode) {
    const QString retrait(Rapports::Retrait(support), QLatin1Char(' '));
    const Rapports::Forme forme{
        retrait + QString(20, QLatin1Char(' ')) + indicatif + QLatin1Char(' ') + Titre +
            QStringLiteral(" au ") + Rapports::Date_Titre(jour) + QStringLiteral(" : ") +
            Noms_Filtres[static_cast<int>(filtre)] + QStringLiteral(", ") +
            (mode.isEmpty() ? Tous_Les_Modes : mode),
        retrait + QStringLiteral("   N° ") +
            Rangee(Entetes_Phare[0], Entetes_Phare[1], Entetes_Phare[2], Entetes_Cases())};
    Rapports::Lignes corps;
    for (const Ligne& ligne : grille.lignes) {
        if (!Retenue(ligne, filtre))
            continue;
        QStringList cases;
        for (const Etat etat : ligne.bandes)
            cases.append(Marque(etat));
        corps.append(
            Fichier_Texte::Encode(Rangee(Reference(ligne.phare), ligne.phare.nom,
                                         ligne.phare.departement.trimmed(), cases << Marque(ligne.total))));
    }
    // Under the lighthouses, in the columns after their numbers.
    QStringList suite{QString()};
    for (const QStringList& compte : Lignes_Comptes(grille))
        suite.append(Rangee({}, compte[0], {}, compte.mid(1)));
    suite << Resume(grille) << QString() << Titre_Absentes(grille);
    for (const Absente& absente : grille.absentes)
        suite.append(Case(absente.reference, Champ::Reference) + QLatin1Char(' ') + Nombre_QSO(absente));
    const QByteArray marge(Rapports::Numero(0).size(), ' ');
    Rapports::Lignes lignes;
    for (const QString& ligne : suite)
        lignes.append(ligne.isEmpty() ? QByteArray() : marge + Fichier_Texte::Encode(ligne));
    return Rapports::Compose(support, forme, corps, credit, lignes);
}

} // namespace Suivi
