#pragma once

// Drives the main window's entry the way the operator does: keys into the field that has the focus.

#include "app/Couleurs.h"
#include "app/Main.h"
#include "app/Session.h"
#include "log/Enregistrement.h"
#include "log/Journal_Station.h"
#include "support/Doubles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTest>

namespace Clavier {

// The reference file of the tests: PB1004 in 29, PB12 written 0012 in 56 between blanks.
inline const QByteArray Liste_Phare = "Phare du Creac'h\r\n1004\r\n\r\n29\r\n\r\n"
                                      "Phare de Kerdonis\r\n0012\r\nLH12\r\n 56 \r\n\r\n";

// A file's bytes: each line followed by CR LF.
inline QByteArray Fichier(const QList<QByteArray>& lignes) {
    QByteArray octets;
    for (const QByteArray& l : lignes)
        octets += l + "\r\n";
    return octets;
}

// A QSO with a lighthouse of that file, the callsign telling the QSOs apart.
inline QByteArray QSO_Phare(const char* indicatif, const char* date, const char* heure = "10:00",
                            const char* ref = "PB1004", const char* rste = "59") {
    const bool kerdonis = QByteArray(ref) == "PB12";
    return Enregistrement::Compose({indicatif, kerdonis ? "56" : "29", "", ref, date, heure, "SSB", "14 Mhz",
                                    "59", rste, kerdonis ? "P. Phare de Kerdonis" : "P. Phare du Creac'h",
                                    kerdonis ? "*" : ""})
        .toLatin1();
}

// The store over a folder holding `log`, read once.
struct Banc_Journal {
    explicit Banc_Journal(const QList<QByteArray>& log) {
        t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(log));
        session.Change_Station("F5ABC");
        journal.Lecture_Log();
    }

    Plateforme_Test t;
    Session session{t.repertoire};
    Journal_Station journal{session, t.fichiers, t.messages, t.horloge};
};

// A main window loaded and shown, its clock labels read once.
inline void Demarre(Main& main) {
    main.Form_Load();
    main.Timer1_Timer();
}

inline void Prepare(Plateforme_Test& t, const QString& indicatif = QStringLiteral("F5ABC")) {
    t.Ecrit_Reglage("Setup ", "Indicatif Station", indicatif);
    t.Ecrit_Fichier("Liste_Phare.txt", Liste_Phare);
}

// Station F5ABC with the reference file and the files given; `auto& [t, main] = poste;` for its window.
inline Plateforme& Prepare(Plateforme_Test& t, const QMap<QString, QByteArray>& fichiers) {
    Prepare(t);
    for (auto fichier = fichiers.cbegin(); fichier != fichiers.cend(); ++fichier)
        t.Ecrit_Fichier(fichier.key(), fichier.value());
    return t.plateforme;
}

struct Poste {
    explicit Poste(const QMap<QString, QByteArray>& fichiers = {}) : main(Prepare(t, fichiers)) {
        Demarre(main);
    }

    Plateforme_Test t;
    Main main;
};

// The field that has the focus: a list rather than its text part.
inline QWidget* Champ(Main& main) {
    QWidget* champ = main.focusWidget() ? main.focusWidget() : &main;
    return qobject_cast<QComboBox*>(champ->parentWidget()) ? champ->parentWidget() : champ;
}

inline QLineEdit* Texte(QWidget* champ) {
    auto* liste = qobject_cast<QComboBox*>(champ);
    return liste ? liste->lineEdit() : qobject_cast<QLineEdit*>(champ);
}

inline void Tape(Main& main, const QString& texte) {
    QTest::keyClicks(Champ(main), texte);
}

inline void Entree(Main& main) {
    QTest::keyClick(Champ(main), Qt::Key_Return);
}

// Replaces the text of the focused field by typing over it.
inline void Remplace(Main& main, const QString& texte) {
    if (QLineEdit* edition = Texte(Champ(main)))
        edition->selectAll();
    Tape(main, texte.isEmpty() ? QStringLiteral("\b") : texte);
}

inline void Saisit(Main& main, const QString& texte) {
    Tape(main, texte);
    Entree(main);
}

// The fields of the chain with manual dating, and what the operator adds to each for the usual QSO.
inline const QStringList Chaine{"Ind_A",  "Prenom_A", "Ref_A", "Dpt_A",  "Date_A", "Heure_A",
                                "Mode_A", "Bande_A",  "RST_A", "RSTE_A", "Rem_A",  "QSL_A"};
inline const QStringList Textes_Usuels{"f5xyz", "", "1004", "", "14/07/06", "10:05", "", "", "", "", "", ""};

// Walks the chain with manual dating, typing the usual texts, until the field `jusqu_a` has the focus.
inline void Avance_Jusqu_A(Main& main, const QString& jusqu_a) {
    for (int i = 0; i < Chaine.size() && Chaine[i] != jusqu_a; ++i)
        Saisit(main, Textes_Usuels[i]);
}

// Everything the operator sees of the entry.
inline QStringList Etat_Saisie(Main& main) {
    QStringList etat;
    for (const QString& nom : Chaine) {
        QWidget* champ = main.findChild<QWidget*>(nom);
        const QString texte = Texte(champ) ? Texte(champ)->text() : QString::number(main.QSL_A->isChecked());
        etat << QStringLiteral("%1 '%2' %3 %4")
                    .arg(nom, texte, QString::number(champ->isEnabled()), Couleurs::Couleur(champ).name());
    }
    return etat << QStringLiteral("Valide_A %1").arg(main.Valide_A->isEnabled())
                << QStringLiteral("Mode_Aff %1 %2 %3")
                       .arg(main.Mode_Aff->text(), QString::number(main.session.Mode_Modification()),
                            QString::number(main.session.Mode_Insertion()));
}

// The chosen line of the log moved or changed before it could be rewritten.
inline QString QSO_Deplace(const Plateforme_Test& t) {
    return QStringLiteral("Le QSO choisi n'est plus à sa place dans le log %1.\r\n"
                          "Rien n'a été écrit : cliquez à nouveau sur la ligne dans la liste.")
        .arg(QDir::toNativeSeparators(t.Chemin("F5ABC_TORV.log")));
}

} // namespace Clavier
