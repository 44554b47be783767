// Message boxes shown as real modal dialogs.
#pragma once

#include "platform/desktop/MessageBoxes.h"

#include <utility>

class DialogMessageBoxes : public MessageBoxes {
public:
    // Every box carries the application title.
    explicit DialogMessageBoxes(QString title) : title_(std::move(title)) {}
    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;

private:
    const QString title_;
};
