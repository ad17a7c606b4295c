#pragma once

#include "app/Fichiers.h"
#include "app/Horloge.h"
#include "app/Messages.h"
#include "app/Parametres.h"
#include "app/Plateforme.h"
#include "app/Repertoire.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// Records every message; answers the questions from a script (Yes when the script is empty).
class Messages_Test : public Messages {
public:
    void Affiche(const QString& texte) override;
    bool Demande(const QString& texte) override;

    QStringList textes;
    QList<bool> reponses;
    // Runs when a box would be shown, for looking at the windows at that moment.
    std::function<void(const QString&)> a_l_affichage;
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
    enum class Etape { Aucune, Ouverture, Ecriture, Vidage, Validation };
    Etape panne = Etape::Aucune;

protected:
    bool Ouvre(QSaveFile& brouillon) override;
    bool Ecrit(QSaveFile& brouillon, const QByteArray& bloc) override;
    bool Vide(QSaveFile& brouillon) override;
    bool Valide(QSaveFile& brouillon) override;
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
    Plateforme plateforme;

    QString Chemin(const QString& nom) const;
    void Ecrit_Fichier(const QString& nom, const QByteArray& octets) const;
    QByteArray Lit_Fichier(const QString& nom) const;
    // The settings as stored, read without the program's table.
    QString Reglage(const QString& section, const QString& cle) const;
    void Ecrit_Reglage(const QString& section, const QString& cle, const QString& valeur) const;
    QString Fichier_Reglages() const;
};
