#pragma once

#include <QPushButton>

// A command button whose caption wraps onto several lines when the button is too narrow for it.
class Bouton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* evenement) override;
};
