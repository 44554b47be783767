// The line editor that stands over the current cell of a TStringGrid.
// It hands every character to the grid's key event first, gives Tab and the
// cell-moving keys to the grid, and leaves Ctrl and function-key shortcuts to
// the window's menu.
#pragma once

#include <QLineEdit>

class TStringGrid;

class GridCellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit GridCellEditor(TStringGrid* grid);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // Runs the grid's key event; true when the character was swallowed.
    bool swallowed(QChar key);

    TStringGrid* grid_;
};
