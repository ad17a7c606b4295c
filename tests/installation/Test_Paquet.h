#pragma once

#include <QObject>
#include <QTemporaryDir>

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
