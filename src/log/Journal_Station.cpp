#include "log/Journal_Station.h"

#include "app/Fichier_Texte.h"
#include "app/Fichiers.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "log/Journal.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <functional>

namespace Sous_Programmes {

namespace {

// The chosen line moved, changed or went (another program rewrote the log, or the QSO was deleted).
QString Message_QSO_Deplace(const QString& chemin) {
    return QStringLiteral("Le QSO choisi n'est plus à sa place dans le log %1.\r\n"
                          "Rien n'a été écrit : cliquez à nouveau sur la ligne dans la liste.")
        .arg(QDir::toNativeSeparators(chemin));
}

// The log's lines from a reading of it; a missing log is an empty one (the first change creates it).
std::optional<Journal::Lignes> Lignes_Du_Log(Main& main, const Lecture_Fichier& lecture) {
    if (lecture.etat == Lecture_Fichier::Etat::Illisible) {
        main.plateforme.messages.Affiche(Message_Lecture_Impossible(main.Chemin_Log(), lecture.raison));
        return std::nullopt;
    }
    return lecture.lignes;
}

std::optional<Journal::Lignes> Lit_Log(Main& main) {
    return Lignes_Du_Log(main, Lit_Fichier_Log(main));
}

// True when no line is longer than the last one, the one the list measures when told that its
// lines are all alike: then it need not lay out every line's text to size it, which is what makes
// a long log slow to show. Always so in a log the program wrote; a damaged one may differ.
bool Derniere_Ligne_La_Plus_Longue(const QListWidget* liste) {
    const qsizetype derniere = liste->item(liste->count() - 1)->text().size();
    for (int i = 0; i < liste->count(); ++i) {
        if (liste->item(i)->text().size() > derniere)
            return false;
    }
    return true;
}

// Gives the list the lines of the log. The items already there are kept and only those whose line
// changed are built again: after one change to a long log, most lines read as before.
void Remplit(QListWidget* liste, const Journal::Lignes& avant, const Journal::Lignes& lignes) {
    Q_ASSERT(liste->count() == avant.size());
    // No line is current any more, as after emptying the list; the caller chooses one again.
    liste->setCurrentRow(-1);
    while (liste->count() > lignes.size())
        delete liste->takeItem(liste->count() - 1);
    for (int i = 0; i < liste->count(); ++i) {
        if (avant[i] != lignes[i])
            liste->item(i)->setText(Journal::Ligne_Liste(lignes, i));
    }
    QStringList nouveaux;
    nouveaux.reserve(lignes.size() - liste->count());
    for (qsizetype i = liste->count(); i < lignes.size(); ++i)
        nouveaux.append(Journal::Ligne_Liste(lignes, i));
    liste->addItems(nouveaux);
}

// Shows the log's lines, with the state of the file that holds them (empty when unknown).
void Affiche_Log(Main& main, const Journal::Lignes& lignes, const QString& empreinte) {
    QListWidget* liste = main.Liste_TORV;
    liste->setUpdatesEnabled(false);
    Remplit(liste, main.Log_Affiche, lignes);
    main.Log_Affiche = lignes;
    main.Empreinte_Log = empreinte;
    liste->setUniformItemSizes(liste->count() > 0 && Derniere_Ligne_La_Plus_Longue(liste));
    liste->setUpdatesEnabled(true);
    main.Ind_A->setEnabled(true);
    main.Ind_A->setFocus();
}

using Changement = std::function<std::optional<Journal::Lignes>(Journal::Lignes)>;

bool Reecrit(Main& main, const Changement& changement) {
    const std::optional<Journal::Lignes> anciennes = Lit_Log(main);
    if (!anciennes)
        return false;
    const std::optional<Journal::Lignes> nouvelles = changement(*anciennes);
    if (!nouvelles) {
        main.plateforme.messages.Affiche(Message_QSO_Deplace(main.Chemin_Log()));
        // The operator chooses the line again in the log as it is now.
        Lecture_Log(main);
        main.Efface_Selection();
        return false;
    }
    if (!Ecriture_Faite(main.plateforme.messages, main.Chemin_Log(),
                        main.plateforme.fichiers.Remplace(main.Chemin_Log(), *nouvelles)))
        return false;
    Affiche_Log(main, *nouvelles, main.plateforme.fichiers.Empreinte(main.Chemin_Log()));
    // With the last QSO gone there is no line left to edit.
    if (nouvelles->isEmpty())
        main.Efface_Selection();
    main.Selectionne_Derniere_Ligne();
    return true;
}

} // namespace

Lecture_Fichier Lit_Fichier_Log(Main& main) {
    const QString empreinte = main.plateforme.fichiers.Empreinte(main.Chemin_Log());
    if (!empreinte.isEmpty() && empreinte == main.Empreinte_Log) {
        Lecture_Fichier lecture;
        lecture.lignes = main.Log_Affiche;
        return lecture;
    }
    return main.plateforme.fichiers.Lit(main.Chemin_Log());
}

void Lecture_Log(Main& main) {
    // Taken before reading: a change made meanwhile by another program makes the next change read
    // the file again.
    const QString empreinte = main.plateforme.fichiers.Empreinte(main.Chemin_Log());
    const std::optional<Journal::Lignes> lignes =
        Lignes_Du_Log(main, main.plateforme.fichiers.Lit(main.Chemin_Log()));
    // A log that could not be read is never taken for the empty list shown instead.
    Affiche_Log(main, lignes.value_or(Journal::Lignes{}), lignes ? empreinte : QString());
}

bool Ajout_Fin_Log(Main& main, const QString& enregistrement) {
    const QByteArray ligne = Fichier_Texte::Encode(enregistrement);
    return Reecrit(main, [&](Journal::Lignes lignes) { return Journal::Ajoute(std::move(lignes), ligne); });
}

bool Remplace_QSO_Log(Main& main, const QString& nouveau, const Journal::QSO_Choisi& ancien) {
    const QByteArray ligne = Fichier_Texte::Encode(nouveau);
    return Reecrit(
        main, [&](Journal::Lignes lignes) { return Journal::Remplace(std::move(lignes), ancien, ligne); });
}

bool Supprime_QSO_Log(Main& main, const Journal::QSO_Choisi& choisi) {
    return Reecrit(main,
                   [&](Journal::Lignes lignes) { return Journal::Supprime(std::move(lignes), choisi); });
}

bool Insere_QSO_Log(Main& main, const QString& enregistrement) {
    const QByteArray ligne = Fichier_Texte::Encode(enregistrement);
    return Reecrit(main, [&](Journal::Lignes lignes) { return Journal::Insere(std::move(lignes), ligne); });
}

bool Creer_Log_Station(Main& main, const QString& indicatif) {
    Fichiers& fichiers = main.plateforme.fichiers;
    const QString log = main.Chemin(Journal::Nom_Fichier(indicatif));
    return Ecriture_Faite(
        main.plateforme.messages, log,
        fichiers.Remplace(log, fichiers.Lit(main.Chemin(QStringLiteral("FXXXX.txt"))).lignes));
}

std::optional<QString> Cherche_Reference_Log(Main& main, const QString& reference) {
    const std::optional<Journal::Lignes> lignes = Lit_Log(main);
    if (!lignes)
        return std::nullopt;
    return Journal::Premiere_Date_Reference(*lignes, reference);
}

} // namespace Sous_Programmes
