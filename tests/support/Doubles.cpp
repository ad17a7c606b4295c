#include "support/Doubles.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>

void Messages_Test::Affiche(const QString& texte) {
    textes.append(texte);
    if (a_l_affichage)
        a_l_affichage(texte);
}

bool Messages_Test::Demande(const QString& texte) {
    Affiche(texte);
    return reponses.isEmpty() ? true : reponses.takeFirst();
}

bool Fichiers_Defaillants::Ouvre(QSaveFile& brouillon) {
    return panne != Etape::Ouverture && Fichiers_Disque::Ouvre(brouillon);
}

bool Fichiers_Defaillants::Ecrit(QSaveFile& brouillon, const QByteArray& bloc) {
    if (panne == Etape::Ecriture) {
        // Part of the block reaches the scratch file before the failure.
        brouillon.write(bloc.left(bloc.size() / 2));
        return false;
    }
    return Fichiers_Disque::Ecrit(brouillon, bloc);
}

bool Fichiers_Defaillants::Vide(QSaveFile& brouillon) {
    return panne != Etape::Vidage && Fichiers_Disque::Vide(brouillon);
}

bool Fichiers_Defaillants::Valide(QSaveFile& brouillon) {
    if (panne == Etape::Validation) {
        brouillon.cancelWriting();
        return false;
    }
    return Fichiers_Disque::Valide(brouillon);
}

Plateforme_Test::Plateforme_Test()
    : parametres(std::make_unique<Parametres>(
          std::make_unique<QSettings>(Fichier_Reglages(), QSettings::IniFormat))),
      plateforme{messages, horloge, repertoire, *parametres, fichiers} {}

QString Plateforme_Test::Chemin(const QString& nom) const {
    return repertoire.dossier.filePath(nom);
}

void Plateforme_Test::Ecrit_Fichier(const QString& nom, const QByteArray& octets) const {
    QFile fichier(Chemin(nom));
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size())
        qFatal("cannot write test file %s", qPrintable(nom));
}

QByteArray Plateforme_Test::Lit_Fichier(const QString& nom) const {
    QFile fichier(Chemin(nom));
    if (!fichier.open(QIODevice::ReadOnly))
        return QByteArray("<absent>");
    return fichier.readAll();
}

QString Plateforme_Test::Fichier_Reglages() const {
    return dossier_reglages.filePath(QStringLiteral("TORV.ini"));
}

QString Plateforme_Test::Reglage(const QString& section, const QString& cle) const {
    QSettings reglages(Fichier_Reglages(), QSettings::IniFormat);
    return reglages.value(section + QLatin1Char('/') + cle, QStringLiteral("<absent>")).toString();
}

void Plateforme_Test::Ecrit_Reglage(const QString& section, const QString& cle, const QString& valeur) const {
    QSettings reglages(Fichier_Reglages(), QSettings::IniFormat);
    reglages.setValue(section + QLatin1Char('/') + cle, valeur);
}
