// Message boxes shown as real modal dialogs.
#pragma once

#include "platform/desktop/MessageBoxes.h"

class QWidget;
class TApplication;

class DialogMessageBoxes : public MessageBoxes {
public:
    explicit DialogMessageBoxes(const TApplication& app) : app_(app) {}
    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;

private:
    const TApplication& app_;
};
