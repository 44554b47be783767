// A push button that, once focused, is pressed with Enter as well as Space:
// a child answers the last cell, presses Enter on Stop, then Enter on Start.
#pragma once

#include <QPushButton>

class TButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
