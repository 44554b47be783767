// Modal message boxes with an OK button, titled with the application title.
#pragma once

#include <QString>

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A plain message; lines are separated by "\n".
    virtual void ShowMessage(const QString& text) = 0;
    // An error message, shown with the error icon.
    virtual void ShowError(const QString& text) = 0;
};
