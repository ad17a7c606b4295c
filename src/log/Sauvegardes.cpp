#include "log/Sauvegardes.h"

#include "app/Fichier_Texte.h"
#include "app/Fichiers.h"
#include "app/Horloge.h"
#include "app/Messages.h"
#include "app/Session.h"
#include "log/Journal.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QString Nom_Dossier = QStringLiteral("Sauvegardes");
const QString Format_Jour = QStringLiteral("yyyy-MM-dd");
const QString Format_Heure = QStringLiteral("HH-mm-ss");

// The log's name without its extension: every copy's name starts with it.
QString Base(const QString& indicatif) {
    QString nom = Journal::Nom_Fichier(indicatif);
    return nom.left(nom.lastIndexOf(QLatin1Char('.')));
}

QString Message_Sauvegarde_Impossible(const QString& chemin, const QString& raison) {
    return QStringLiteral("La sauvegarde %1 n'a pas pu être écrite : %2\r\n"
                          "La modification du log n'en est pas empêchée ; ce message ne reviendra pas "
                          "aujourd'hui.")
        .arg(QDir::toNativeSeparators(chemin), raison);
}

} // namespace

Sauvegardes::Sauvegardes(const Session& session, Fichiers& fichiers, Messages& messages,
                         const Horloge& horloge)
    : session(session), fichiers(fichiers), messages(messages), horloge(horloge) {}

QString Sauvegardes::Dossier() const {
    return session.Chemin(Nom_Dossier);
}

QString Sauvegardes::Ecrit(const QString& chemin, const QByteArray& octets) {
    const QString raison = fichiers.Cree_Dossier(Dossier());
    if (!raison.isEmpty())
        return QStringLiteral("dossier %1 : %2").arg(QDir::toNativeSeparators(Dossier()), raison);
    return fichiers.Remplace(chemin, octets).raison;
}

void Sauvegardes::Avant_Changement(const QByteArray& log) {
    // An empty log has nothing to lose, and an empty copy is taken for a damaged one.
    if (log.isEmpty())
        return;
    const QString& indicatif = session.Indicatif_Station();
    const QDate jour = Sous_Programmes::Date_Du_Jour(horloge);
    const QString chemin = Dossier() + QLatin1Char('/') + Sous_Programmes::Nom_Sauvegarde(indicatif, jour);
    if (fichiers.Existe(chemin))
        return;
    const QString raison = Ecrit(chemin, log);
    if (!raison.isEmpty()) {
        if (signalee != jour)
            messages.Affiche(Message_Sauvegarde_Impossible(chemin, raison));
        signalee = jour;
        return;
    }
    for (const QString& nom :
         Sous_Programmes::Sauvegardes_En_Trop(fichiers.Noms_Fichiers(Dossier()), indicatif))
        fichiers.Supprime(Dossier() + QLatin1Char('/') + nom);
}

std::optional<QString> Sauvegardes::Sauve_Moment(const QByteArray& log) {
    if (log.isEmpty())
        return QString();
    const QDateTime maintenant = horloge.Locale();
    const QString chemin =
        Dossier() + QLatin1Char('/') +
        Sous_Programmes::Nom_Sauvegarde(session.Indicatif_Station(), maintenant.date(), maintenant.time());
    const QString raison = Ecrit(chemin, log);
    if (raison.isEmpty())
        return chemin;
    messages.Affiche(Sous_Programmes::Message_Ecriture_Impossible(chemin, raison));
    return std::nullopt;
}

QList<Sauvegardes::Sauvegarde> Sauvegardes::Liste() {
    QList<Sauvegarde> liste;
    for (const QString& nom : fichiers.Noms_Fichiers(Dossier())) {
        std::optional<Sauvegarde> sauvegarde =
            Sous_Programmes::Lit_Nom_Sauvegarde(nom, session.Indicatif_Station());
        if (!sauvegarde)
            continue;
        sauvegarde->chemin = Dossier() + QLatin1Char('/') + nom;
        const Lecture_Fichier lecture = fichiers.Lit_Octets(sauvegarde->chemin);
        sauvegarde->qso = lecture.Lu() ? Sous_Programmes::QSO_Sauvegarde(lecture.octets) : -1;
        liste.append(*sauvegarde);
    }
    // A copy of the day holds the log as the day began.
    const auto moment = [](const Sauvegarde& s) {
        return std::pair(s.jour, s.heure.isValid() ? s.heure : QTime(0, 0));
    };
    std::stable_sort(liste.begin(), liste.end(),
                     [&](const Sauvegarde& a, const Sauvegarde& b) { return moment(a) > moment(b); });
    return liste;
}

std::optional<QByteArray> Sauvegardes::Lit(const QString& chemin) {
    Lecture_Fichier lecture = fichiers.Lit_Octets(chemin);
    if (!lecture.Lu()) {
        messages.Affiche(Sous_Programmes::Message_Lecture_Impossible(chemin, lecture.raison));
        return std::nullopt;
    }
    if (Sous_Programmes::QSO_Sauvegarde(lecture.octets) < 0) {
        messages.Affiche(QStringLiteral("La sauvegarde %1 est illisible (vide ou abîmée) : elle ne peut pas "
                                        "être restaurée.")
                             .arg(QDir::toNativeSeparators(chemin)));
        return std::nullopt;
    }
    return std::move(lecture.octets);
}

namespace Sous_Programmes {

QString Nom_Sauvegarde(const QString& indicatif, const QDate& jour, const QTime& heure) {
    QString nom = Base(indicatif) + QLatin1Char('_') + jour.toString(Format_Jour);
    if (heure.isValid())
        nom += QLatin1Char('_') + heure.toString(Format_Heure);
    return nom + QStringLiteral(".log");
}

std::optional<Sauvegardes::Sauvegarde> Lit_Nom_Sauvegarde(const QString& nom, const QString& indicatif) {
    static const QRegularExpression forme(
        QStringLiteral("^_(\\d{4}-\\d{2}-\\d{2})(?:_(\\d{2}-\\d{2}-\\d{2}))?\\.log$"));
    const QString base = Base(indicatif);
    if (!nom.startsWith(base))
        return std::nullopt;
    const QRegularExpressionMatch partie = forme.match(QStringView(nom).sliced(base.size()));
    if (!partie.hasMatch())
        return std::nullopt;
    Sauvegardes::Sauvegarde sauvegarde;
    sauvegarde.jour = QDate::fromString(partie.captured(1), Format_Jour);
    if (partie.hasCaptured(2))
        sauvegarde.heure = QTime::fromString(partie.captured(2), Format_Heure);
    if (!sauvegarde.jour.isValid() || (partie.hasCaptured(2) && !sauvegarde.heure.isValid()))
        return std::nullopt;
    return sauvegarde;
}

QStringList Sauvegardes_En_Trop(const QStringList& noms, const QString& indicatif) {
    QStringList du_jour;
    for (const QString& nom : noms) {
        const std::optional<Sauvegardes::Sauvegarde> sauvegarde = Lit_Nom_Sauvegarde(nom, indicatif);
        if (sauvegarde && !sauvegarde->heure.isValid())
            du_jour.append(nom);
    }
    // The day written as aaaa-mm-jj: the order of the names is the order of the days.
    std::sort(du_jour.begin(), du_jour.end(), std::greater<>());
    return du_jour.mid(Sauvegardes::Gardees);
}

qsizetype QSO_Sauvegarde(const QByteArray& octets) {
    if (octets.isEmpty() || octets.contains('\0'))
        return -1;
    return Fichier_Texte::Bornes_Lignes(octets).size();
}

} // namespace Sous_Programmes
