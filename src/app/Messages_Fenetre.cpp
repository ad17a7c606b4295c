#include "app/Messages_Fenetre.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton Montre(const QString& texte, QMessageBox::StandardButtons boutons,
                                   QMessageBox::StandardButton defaut) {
    QMessageBox boite(QMessageBox::NoIcon, QStringLiteral("KEZ_TORV"), texte, boutons,
                      QApplication::activeWindow());
    boite.setDefaultButton(defaut);
    return static_cast<QMessageBox::StandardButton>(boite.exec());
}

} // namespace

void Messages_Fenetre::Affiche(const QString& texte) {
    Montre(texte, QMessageBox::Ok, QMessageBox::Ok);
}

bool Messages_Fenetre::Demande(const QString& texte) {
    return Montre(texte, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}
