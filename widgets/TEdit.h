// The one-line edit of a window described as a table. The window's menu
// shortcuts (Ctrl+A to Ctrl+D, Ctrl+X, ...) come before the edit's own
// meanings of those keys; a Ctrl key no menu item takes still edits.
#pragma once

#include <QLineEdit>

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(const QString& text, QWidget* parent = nullptr) : QLineEdit(text, parent) {}

protected:
    bool event(QEvent* event) override;
};
