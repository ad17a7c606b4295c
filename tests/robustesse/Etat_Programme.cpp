#include "Etat_Programme.h"

#include "app/Main.h"
#include "app/Station.h"
#include "log/Clavier.h"
#include "support/Doubles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>

namespace Etat_Programme {

namespace {

QString Empreinte(const QByteArray& octets) {
    return QString::fromLatin1(QCryptographicHash::hash(octets, QCryptographicHash::Md5).toHex());
}

// Every setting, as the program sees it: settings objects of one file share their unsaved changes.
QString Reglages(const Plateforme_Test& t) {
    QSettings reglages(t.Fichier_Reglages(), QSettings::IniFormat);
    QStringList valeurs;
    for (const QString& cle : reglages.allKeys())
        valeurs << cle + QLatin1Char('=') + reglages.value(cle).toString();
    return QStringLiteral("reglages ") + valeurs.join(QLatin1Char(';'));
}

} // namespace

Fichiers Fichiers_Du_Dossier(const QString& dossier) {
    Fichiers fichiers;
    const QDir repertoire(dossier);
    for (const QString& nom : repertoire.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile fichier(repertoire.filePath(nom));
        fichiers[nom] = fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<illisible>");
    }
    return fichiers;
}

Fichiers Fichiers_Du_Dossier(const Plateforme_Test& t) {
    return Fichiers_Du_Dossier(t.repertoire.Chemin());
}

QStringList Resume(const Fichiers& fichiers) {
    QStringList resume;
    for (auto fichier = fichiers.cbegin(); fichier != fichiers.cend(); ++fichier)
        resume << QStringLiteral("%1: %2 octets, %3")
                      .arg(fichier.key())
                      .arg(fichier.value().size())
                      .arg(Empreinte(fichier.value()));
    return resume;
}

QStringList Vue(Main& main, const Plateforme_Test& t) {
    QStringList vue = Clavier::Etat_Saisie(main);
    QStringList lignes;
    for (int i = 0; i < main.Liste_TORV->count(); ++i)
        lignes << main.Liste_TORV->item(i)->text();
    vue << QStringLiteral("focus %1").arg(Clavier::Champ(main)->objectName())
        << QStringLiteral("Liste_TORV %1 lignes, ligne %2, %3")
               .arg(lignes.size())
               .arg(main.Liste_TORV->currentRow())
               .arg(Empreinte(lignes.join(QLatin1Char('\n')).toUtf8()))
        << QStringLiteral("Ligne_Selectionnee '%1'").arg(main.Ligne_Selectionnee)
        << QStringLiteral("station %1, affichee %2").arg(main.Indicatif_Station, main.I_Station->text())
        << QStringLiteral("Prenom_Nouveau %1").arg(main.Prenom_Nouveau) << Reglages(t);
    for (Station* station : main.findChildren<Station*>())
        vue << QStringLiteral("fenetre Station '%1', visible %2, focus %3")
                   .arg(station->New_Indicatif->text())
                   .arg(station->isVisible())
                   .arg(station->focusWidget() ? station->focusWidget()->objectName() : QString());
    return vue;
}

} // namespace Etat_Programme
