#include "app/Couleurs.h"

#include <QPalette>
#include <QWidget>

namespace Couleurs {

void Colorie(QWidget* champ, const QColor& couleur) {
    QPalette palette = champ->palette();
    for (const QPalette::ColorGroup groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(groupe, QPalette::Base, couleur);
        palette.setColor(groupe, QPalette::Window, couleur);
        palette.setColor(groupe, QPalette::Button, couleur);
    }
    champ->setPalette(palette);
    champ->setAutoFillBackground(true);
}

QColor Couleur(const QWidget* champ) {
    return champ->palette().color(QPalette::Base);
}

} // namespace Couleurs
