#include "app/Bouton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int Alignement_Legende = Qt::AlignCenter | Qt::TextWordWrap;
constexpr qreal Plus_Petite_Police = 6;

} // namespace

QStyleOptionButton Bouton::Option() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    return option;
}

QRect Bouton::Zone_Legende() const {
    const QStyleOptionButton option = Option();
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QFont Bouton::Police_Legende() const {
    const QRect zone = Zone_Legende();
    QFont police = font();
    while (police.pointSizeF() > Plus_Petite_Police &&
           QFontMetrics(police).boundingRect(zone, Alignement_Legende, text()).height() > zone.height())
        police.setPointSizeF(police.pointSizeF() - 0.5);
    return police;
}

void Bouton::paintEvent(QPaintEvent*) {
    QStylePainter peintre(this);
    const QStyleOptionButton option = Option();
    peintre.drawControl(QStyle::CE_PushButton, option);
    peintre.setFont(Police_Legende());
    peintre.drawItemText(Zone_Legende(), Alignement_Legende, option.palette, isEnabled(), text(),
                         QPalette::ButtonText);
}
