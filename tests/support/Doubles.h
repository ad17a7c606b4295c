#pragma once

#include "app/Choix_Fichier.h"
#include "app/Fichiers.h"
#include "app/Horloge.h"
#include "app/Imprimante.h"
#include "app/Messages.h"
#include "app/Parametres.h"
#include "app/Plateforme.h"
#include "app/Repertoire.h"
#include "support/Disque.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <memory>

// Records every message; answers the questions from a script (Yes when the script is empty).
class Messages_Test : public Messages {
public:
    void Affiche(const QString& texte) override;
    bool Demande(const QString& texte) override;

    QStringList textes;
    QList<bool> reponses;
    std::function<void(const QString&)> a_l_affichage; // run as each box would show
};

class Horloge_Test : public Horloge {
public:
    QDateTime Utc() const override { return utc; }
    QDateTime Locale() const override { return locale; }

    QDateTime utc = QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9), Qt::UTC);
    QDateTime locale = QDateTime(QDate(2026, 12, 6), QTime(15, 5, 9));
};

class Repertoire_Test : public Repertoire {
public:
    QString Chemin() const override { return dossier.path(); }

    QTemporaryDir dossier;
};

// The disk, with one step of every rewrite made to fail on demand.
class Fichiers_Defaillants : public Fichiers_Disque {
public:
    enum class Etape {
        Aucune,
        Ouverture,
        Ecriture,
        Vidage,
        Synchronisation,
        Validation,
        Synchronisation_Dossier
    };
    // The disk's answer to a failed flush.
    static QString Raison_Synchronisation() { return qt_error_string(EIO); }
    Etape panne = Etape::Aucune;
    QString cible;           // when set, only the rewrites of this file fail
    int pannes = 0;          // the failures made so far
    QString lecture_refusee; // when set, reading any file fails with this reason

    using Fichiers_Disque::Remplace;
    Lecture_Fichier Lit_Octets(const QString& chemin) override;
    Ecriture Remplace(const QString& chemin, const QByteArray& octets) override;

protected:
    bool Ouvre(QSaveFile& brouillon) override {
        return !En_Panne(Etape::Ouverture) && Fichiers_Disque::Ouvre(brouillon);
    }
    bool Ecrit(QSaveFile& brouillon, const QByteArray& bloc) override;
    bool Vide(QSaveFile& brouillon) override {
        return !En_Panne(Etape::Vidage) && Fichiers_Disque::Vide(brouillon);
    }
    QString Synchronise(QSaveFile& brouillon) override {
        return En_Panne(Etape::Synchronisation) ? Raison_Synchronisation()
                                                : Fichiers_Disque::Synchronise(brouillon);
    }
    bool Valide(QSaveFile& brouillon) override;
    QString Synchronise_Dossier(const QString& dossier) override {
        return En_Panne(Etape::Synchronisation_Dossier) ? Raison_Synchronisation()
                                                        : Fichiers_Disque::Synchronise_Dossier(dossier);
    }

private:
    bool En_Panne(Etape etape); // whether this step of the rewrite under way fails, counted if so
    bool visee = false;         // the rewrite under way is of the file aimed at
};

// The real page painter writing a PDF file instead of a printer: the dialog is skipped, or cancelled on
// demand. The printed text is read back from the PDF with poppler's tools.
class Imprimante_Test : public Imprimante {
public:
    bool annule = false;
    QString chemin_force; // where the PDF goes instead of the usual temporary file, to make printing fail
    int dialogues = 0;
    QFont police_au_dialogue;

    QString Chemin_PDF() const { return dossier.filePath(QStringLiteral("impression.pdf")); }
    bool Imprime_Quelque_Chose() const { return QFile::exists(Chemin_PDF()); }
    // The text of each page, one line per printed line, as pdftotext lays it out in the font's own pitch:
    // the columns common to every line (the page margin) are taken off, trailing blanks too.
    QList<QStringList> Pages() const;
    QString Taille_Page() const; // in points, as pdfinfo gives it
    QStringList Polices() const; // as pdffonts names them

protected:
    bool Choisit(QPrinter& imprimante) override;

private:
    QTemporaryDir dossier;
};

// Answers the file dialog with the file set, as the operator would choose it; records what was asked.
class Choix_Fichier_Test : public Choix_Fichier {
public:
    QString Fichier_A_Lire(QWidget*, const QString& titre, const QString& filtre) override {
        demandes << titre + u'|' + filtre;
        return reponse;
    }

    QString reponse;
    QStringList demandes;
};

// A whole platform in temporary folders: the working folder and a settings file of its own.
class Plateforme_Test {
public:
    Plateforme_Test();

    Messages_Test messages;
    Horloge_Test horloge;
    Repertoire_Test repertoire;
    QTemporaryDir dossier_reglages;
    std::unique_ptr<Parametres> parametres;
    Fichiers_Defaillants fichiers;
    Imprimante_Test imprimante;
    Choix_Fichier_Test choix_fichier;
    Plateforme plateforme;

    QString Chemin(const QString& nom) const { return repertoire.dossier.filePath(nom); }
    void Ecrit_Fichier(const QString& nom, const QByteArray& octets) const {
        Ecrit_Disque(Chemin(nom), octets);
    }
    QByteArray Lit_Fichier(const QString& nom) const { return Lit_Disque(Chemin(nom)); }
    // The settings as stored, without the program's table.
    QString Reglage(const QString& section, const QString& cle) const;
    void Ecrit_Reglage(const QString& section, const QString& cle, const QString& valeur) const;
    QString Fichier_Reglages() const { return dossier_reglages.filePath(QStringLiteral("TORV.ini")); }
};
