#include "app/Fenetres.h"

#include <QScreen>

namespace Sous_Programmes {

void Centre(QWidget* fenetre) {
    const QRect ecran = fenetre->screen()->geometry();
    const QSize taille = fenetre->size();
    fenetre->move(ecran.x() + (ecran.width() - taille.width()) / 2,
                  ecran.y() + (ecran.height() - taille.height()) / 2);
}

} // namespace Sous_Programmes
