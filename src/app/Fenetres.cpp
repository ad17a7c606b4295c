#include "app/Fenetres.h"

#include "app/Couleurs.h"

#include <QListView>
#include <QScreen>
#include <QScrollBar>

namespace Sous_Programmes {

void Prepare_Liste(QListView* liste, int colonnes, int lignes) {
    QFont fixe(QStringLiteral("Courier New"), 9);
    fixe.setStyleHint(QFont::TypeWriter);
    fixe.setFixedPitch(true);
    liste->setFont(fixe);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setUniformItemSizes(true);
    Couleurs::Colorie(liste, Couleurs::Jaune);
    const QFontMetrics mesure(fixe);
    const int bords = 2 * liste->frameWidth() + liste->verticalScrollBar()->sizeHint().width() + 8;
    liste->setMinimumSize(mesure.horizontalAdvance(QString(colonnes, QLatin1Char('M'))) + bords,
                          mesure.lineSpacing() * lignes);
}

void Centre(QWidget* fenetre) {
    const QRect ecran = fenetre->screen()->geometry();
    const QSize taille = fenetre->size();
    fenetre->move(ecran.x() + (ecran.width() - taille.width()) / 2,
                  ecran.y() + (ecran.height() - taille.height()) / 2);
}

} // namespace Sous_Programmes
