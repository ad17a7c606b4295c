#include "log/Journal_Station.h"

#include "app/Fichier_Texte.h"
#include "app/Fichiers.h"
#include "app/Messages.h"
#include "app/Session.h"

#include <QDir>

namespace {

// The chosen line moved, changed or went (another program rewrote the log, or the QSO was deleted).
QString Message_QSO_Deplace(const QString& chemin) {
    return QStringLiteral("Le QSO choisi n'est plus à sa place dans le log %1.\r\n"
                          "Rien n'a été écrit : cliquez à nouveau sur la ligne dans la liste.")
        .arg(QDir::toNativeSeparators(chemin));
}

} // namespace

Journal_Station::Journal_Station(const Session& session, Fichiers& fichiers, Messages& messages)
    : session(session), fichiers(fichiers), messages(messages) {}

std::optional<Journal::Lignes> Journal_Station::Lignes_Du_Log(Sous_Programmes::Si_Absent si_absent) {
    const QString chemin = session.Chemin_Log();
    const QString maintenant = fichiers.Empreinte(chemin);
    if (!maintenant.isEmpty() && maintenant == empreinte)
        return texte.Vues();
    return Sous_Programmes::Lit_Ou_Signale(fichiers, messages, chemin, si_absent);
}

void Journal_Station::Garde(QByteArray octets, QString nouvelle_empreinte) {
    texte = Journal::Texte(std::move(octets));
    empreinte = std::move(nouvelle_empreinte);
}

void Journal_Station::Lecture_Log() {
    const QString chemin = session.Chemin_Log();
    // Taken before reading: a change made meanwhile by another program makes the next change read
    // the file again.
    QString avant = fichiers.Empreinte(chemin);
    Lecture_Fichier lecture = fichiers.Lit_Octets(chemin);
    if (lecture.etat == Lecture_Fichier::Etat::Illisible) {
        messages.Affiche(Sous_Programmes::Message_Lecture_Impossible(chemin, lecture.raison));
        // A log that could not be read is never taken for the empty list shown instead.
        avant.clear();
    }
    Garde(std::move(lecture.octets), std::move(avant));
    emit Log_Lu();
}

bool Journal_Station::Reecrit(const Changement& changement) {
    const QString chemin = session.Chemin_Log();
    std::optional<Journal::Lignes> anciennes = Lignes_Du_Log();
    if (!anciennes)
        return false;
    const std::optional<Journal::Lignes> nouvelles = changement(std::move(*anciennes));
    if (!nouvelles) {
        messages.Affiche(Message_QSO_Deplace(chemin));
        // The operator chooses the line again in the log as it is now.
        Lecture_Log();
        return false;
    }
    QByteArray octets = Fichier_Texte::Joint_Lignes(*nouvelles);
    if (!Sous_Programmes::Ecriture_Faite(messages, chemin, fichiers.Remplace(chemin, octets)))
        return false;
    Garde(std::move(octets), fichiers.Empreinte(chemin));
    emit Log_Change();
    return true;
}

bool Journal_Station::Ajout_Fin_Log(const QString& enregistrement) {
    const QByteArray ligne = Fichier_Texte::Encode(enregistrement);
    return Reecrit([&](Journal::Lignes lignes) { return Journal::Ajoute(std::move(lignes), ligne); });
}

bool Journal_Station::Remplace_QSO_Log(const QString& nouveau, const Journal::QSO_Choisi& ancien) {
    const QByteArray ligne = Fichier_Texte::Encode(nouveau);
    return Reecrit(
        [&](Journal::Lignes lignes) { return Journal::Remplace(std::move(lignes), ancien, ligne); });
}

bool Journal_Station::Supprime_QSO_Log(const Journal::QSO_Choisi& choisi) {
    return Reecrit([&](Journal::Lignes lignes) { return Journal::Supprime(std::move(lignes), choisi); });
}

bool Journal_Station::Insere_QSO_Log(const QString& enregistrement) {
    const QByteArray ligne = Fichier_Texte::Encode(enregistrement);
    return Reecrit([&](Journal::Lignes lignes) { return Journal::Insere(std::move(lignes), ligne); });
}

bool Journal_Station::Importe_QSO_Log(const QStringList& enregistrements) {
    const Journal::Lignes importees = Fichier_Texte::Encode_Lignes(enregistrements);
    return Reecrit([&](const Journal::Lignes& lignes) { return Journal::Insere_Tous(lignes, importees); });
}

bool Journal_Station::Creer_Log_Station(const QString& indicatif) {
    const QString log = session.Chemin_Log(indicatif);
    return Sous_Programmes::Ecriture_Faite(
        messages, log,
        fichiers.Remplace(log, fichiers.Lit(session.Chemin(QStringLiteral("FXXXX.txt"))).lignes));
}

std::optional<QString> Journal_Station::Cherche_Reference_Log(const QString& reference) {
    const std::optional<Journal::Lignes> lignes = Lignes_Du_Log();
    if (!lignes)
        return std::nullopt;
    return Journal::Premiere_Date_Reference(*lignes, reference);
}
