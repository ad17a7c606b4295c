#pragma once

#include <QPushButton>
#include <QStyleOptionButton>

// A command button whose caption wraps onto several lines when the button is too narrow for it, in
// a smaller font when the lines would not fit its height.
class Bouton : public QPushButton {
public:
    using QPushButton::QPushButton;

    // Where the caption is drawn, and the font it is drawn in.
    QRect Zone_Legende() const;
    QFont Police_Legende() const;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QStyleOptionButton Option() const;
};
