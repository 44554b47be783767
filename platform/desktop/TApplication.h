// The application object: its title, and the one error handler that every
// command runs inside. A failing command ends, its error text is shown in an
// error box titled with the application title, and the program carries on.
#pragma once

#include "platform/desktop/MessageBoxes.h"

#include <QString>
#include <exception>
#include <functional>
#include <utility>

class TApplication {
public:
    // The message boxes are titled with the same title.
    TApplication(QString title, MessageBoxes& messages) : messages_(messages), title_(std::move(title)) {}

    const QString& Title() const { return title_; }
    MessageBoxes& Messages() const { return messages_; }

    // Runs a command; any exception it throws goes to HandleException.
    // Returns false when the command failed.
    bool Guard(const std::function<void()>& command) const;
    void HandleException(const std::exception& error) const;

private:
    MessageBoxes& messages_;
    const QString title_;
};
