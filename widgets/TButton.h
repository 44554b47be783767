// A push button that, once focused, is pressed with Enter as well as Space,
// as on the desktop the drill's keyboard flow was made for.
#pragma once

#include <QPushButton>

class TButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
