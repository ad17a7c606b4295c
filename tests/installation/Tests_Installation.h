#pragma once

#include <QObject>
#include <QTemporaryDir>

class QProcessEnvironment;

// The program installed into a staging folder and started from there, as an operator would.
class Test_Installation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void Fichiers_Installes();
    void Premier_Lancement();
    void QSO_Dans_Le_Dossier_Utilisateur();
    void Second_Lancement();

private:
    QString Prefixe() const { return racine.filePath(QStringLiteral("installe/usr")); }
    QString Donnees() const { return Prefixe() + QStringLiteral("/" KEZ_DONNEES); }
    QString Maison() const { return racine.filePath(QStringLiteral("maison")); }
    QString Dossier_Utilisateur() const { return Maison() + QStringLiteral("/.local/share/KEZ_TORV"); }
    QProcessEnvironment Environnement() const;
    // The working folder that the started program notes in its settings, once it has got that far.
    QString Dossier_Note() const;
    // Starts the installed program, waits until it has chosen and prepared its folder, stops it.
    void Lance_Et_Arrete();

    QTemporaryDir racine;
};

// The Debian package built by CPack, as dpkg and the desktop tools see it.
class Test_Paquet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void Contenu();
    void Champs_data();
    void Champs();
    void Dependances();
    void Fichiers_Du_Bureau_Valides();
    void Entree_Du_Menu();

private:
    QString Extrait(const QString& fichier) const;

    QTemporaryDir dossier;
    QString paquet;
};
