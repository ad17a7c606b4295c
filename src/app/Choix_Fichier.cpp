#include "app/Choix_Fichier.h"

#include <QFileDialog>

QString Choix_Fichier_Dialogue::Fichier_A_Lire(QWidget* parent, const QString& titre, const QString& filtre) {
    return QFileDialog::getOpenFileName(parent, titre, QString(), filtre);
}
