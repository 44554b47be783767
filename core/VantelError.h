// The error a component raises when it fails (a file, a decoder, the sound
// system). It carries the text the user is shown; the application's error
// handler turns it into a message box.
#pragma once

#include <QString>
#include <stdexcept>

class VantelError : public std::runtime_error {
public:
    explicit VantelError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};
