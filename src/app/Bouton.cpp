#include "app/Bouton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void Bouton::paintEvent(QPaintEvent*) {
    QStylePainter peintre(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString legende = option.text;
    option.text.clear();
    peintre.drawControl(QStyle::CE_PushButton, option);
    const QRect zone = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    peintre.drawItemText(zone, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), legende,
                         QPalette::ButtonText);
}
