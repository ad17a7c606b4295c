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

QString Message_Log_Change_Ailleurs(const QString& chemin) {
    return QStringLiteral("Le log %1 a été modifié par un autre programme depuis la dernière modification "
                          "faite ici.\r\nRien n'a été annulé, pour ne pas perdre ce changement ; les "
                          "modifications précédentes ne peuvent plus être annulées.")
        .arg(QDir::toNativeSeparators(chemin));
}

} // namespace

Journal_Station::Journal_Station(const Session& session, Fichiers& fichiers, Messages& messages,
                                 const Horloge& horloge)
    : session(session), fichiers(fichiers), messages(messages),
      sauvegardes(session, fichiers, messages, horloge) {
    // What was done to one station's log cannot be taken back in another's.
    connect(&session, &Session::Station_Changee, this, [this] { historique.Vide(); });
}

bool Journal_Station::A_Jour() {
    const QString maintenant = fichiers.Empreinte(session.Chemin_Log());
    return !maintenant.isEmpty() && maintenant == empreinte;
}

bool Journal_Station::Lisible(const Lecture_Fichier& lecture) {
    if (lecture.etat != Lecture_Fichier::Etat::Illisible)
        return true;
    messages.Affiche(Sous_Programmes::Message_Lecture_Impossible(session.Chemin_Log(), lecture.raison));
    return false;
}

std::optional<Journal::Lignes> Journal_Station::Lignes_Du_Log(Sous_Programmes::Si_Absent si_absent) {
    if (A_Jour())
        return texte.Vues();
    return Sous_Programmes::Lit_Ou_Signale(fichiers, messages, session.Chemin_Log(), si_absent);
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
    // A log that could not be read is never taken for the empty list shown instead.
    if (!Lisible(lecture))
        avant.clear();
    Garde(std::move(lecture.octets), std::move(avant));
    emit Log_Lu();
}

const Journal::Texte* Journal_Station::Log_Actuel(std::optional<Journal::Texte>& relu) {
    if (A_Jour())
        return &texte;
    Lecture_Fichier lecture = fichiers.Lit_Octets(session.Chemin_Log());
    return Lisible(lecture) ? &relu.emplace(std::move(lecture.octets)) : nullptr;
}

bool Journal_Station::Reecrit(Historique_Log::Nature nature, const Changement& changement) {
    std::optional<Journal::Texte> relu;
    const Journal::Texte* actuel = Log_Actuel(relu);
    if (!actuel)
        return false;
    const std::optional<Journal::Lignes> nouvelles = changement(actuel->Vues());
    if (!nouvelles) {
        messages.Affiche(Message_QSO_Deplace(session.Chemin_Log()));
        // The operator chooses the line again in the log as it is now.
        Lecture_Log();
        return false;
    }
    return Ecrit_Log(*actuel, *nouvelles, nature);
}

bool Journal_Station::Ecrit_Log(const Journal::Texte& actuel, const Journal::Lignes& nouvelles,
                                std::optional<Historique_Log::Nature> nature) {
    const QString chemin = session.Chemin_Log();
    sauvegardes.Avant_Changement(actuel.Octets());
    QByteArray octets = Fichier_Texte::Joint_Lignes(nouvelles);
    if (!Sous_Programmes::Ecriture_Faite(messages, chemin, fichiers.Remplace(chemin, octets)))
        return false;
    QString apres = fichiers.Empreinte(chemin);
    // Noted before the log held is replaced: the lines may be views of it.
    if (nature)
        historique.Note(*nature, actuel.Vues(), nouvelles, apres);
    else
        historique.Retire(apres);
    Garde(std::move(octets), std::move(apres));
    emit Log_Change();
    return true;
}

bool Journal_Station::Annule_Derniere_Modification() {
    const Historique_Log::Modification* derniere = historique.Derniere();
    if (!derniere)
        return false;
    const QString chemin = session.Chemin_Log();
    if (fichiers.Empreinte(chemin) != derniere->empreinte) {
        messages.Affiche(Message_Log_Change_Ailleurs(chemin));
        historique.Vide();
        Lecture_Log();
        return false;
    }
    std::optional<Journal::Texte> relu;
    const Journal::Texte* actuel = Log_Actuel(relu);
    return actuel && Ecrit_Log(*actuel, historique.Avant(actuel->Vues()), std::nullopt);
}

bool Journal_Station::Restaure_Log(const QByteArray& octets) {
    std::optional<Journal::Texte> relu;
    const Journal::Texte* actuel = Log_Actuel(relu);
    return actuel && sauvegardes.Sauve_Moment(actuel->Octets()) &&
           Ecrit_Log(*actuel, Fichier_Texte::Coupe_Lignes(octets), Historique_Log::Nature::Restauration);
}

bool Journal_Station::Ajout_Fin_Log(const QString& enregistrement) {
    const QByteArray ligne = Fichier_Texte::Encode(enregistrement);
    return Reecrit(Historique_Log::Nature::Enregistrement,
                   [&](Journal::Lignes lignes) { return Journal::Ajoute(std::move(lignes), ligne); });
}

bool Journal_Station::Remplace_QSO_Log(const QString& nouveau, const Journal::QSO_Choisi& ancien) {
    const QByteArray ligne = Fichier_Texte::Encode(nouveau);
    return Reecrit(Historique_Log::Nature::Modification, [&](Journal::Lignes lignes) {
        return Journal::Remplace(std::move(lignes), ancien, ligne);
    });
}

bool Journal_Station::Supprime_QSO_Log(const Journal::QSO_Choisi& choisi) {
    return Reecrit(Historique_Log::Nature::Suppression,
                   [&](Journal::Lignes lignes) { return Journal::Supprime(std::move(lignes), choisi); });
}

bool Journal_Station::Insere_QSO_Log(const QString& enregistrement) {
    const QByteArray ligne = Fichier_Texte::Encode(enregistrement);
    return Reecrit(Historique_Log::Nature::Insertion,
                   [&](Journal::Lignes lignes) { return Journal::Insere(std::move(lignes), ligne); });
}

bool Journal_Station::Importe_QSO_Log(const QStringList& enregistrements) {
    const Journal::Lignes importees = Fichier_Texte::Encode_Lignes(enregistrements);
    return Reecrit(Historique_Log::Nature::Import,
                   [&](const Journal::Lignes& lignes) { return Journal::Insere_Tous(lignes, importees); });
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
