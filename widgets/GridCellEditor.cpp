#include "widgets/GridCellEditor.h"

#include "widgets/StringGridAccessible.h"
#include "widgets/TStringGrid.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

GridCellEditor::GridCellEditor(TStringGrid* grid) : QLineEdit(grid), grid_(grid) {
    setObjectName(QStringLiteral("InplaceEditor"));
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    // Text may only arrive through typed characters, which the grid's key
    // event sees: no dropping, no context-menu paste.
    setDragEnabled(false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        grid_->cells_.SetCells(grid_->Col(), grid_->Row(), text);
        grid_->cellChanged(grid_->Col(), grid_->Row());
        if (grid_->OnCellEdited)
            grid_->OnCellEdited(grid_, grid_->Col(), grid_->Row());
    });
}

bool GridCellEditor::swallowed(QChar key) {
    if (!grid_->OnKeyPress)
        return false;
    grid_->OnKeyPress(grid_, key);
    return key.isNull();
}

bool GridCellEditor::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Menu shortcuts (Ctrl+X, F2, ...) win over the editor's own keys.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool functionKey = key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35;
        if (functionKey || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            grid_->handleNavigationKey(key, true))
            return true;
    }
    return QLineEdit::event(event);
}

void GridCellEditor::keyPressEvent(QKeyEvent* event) {
    if (grid_->handleNavigationKey(event, true))
        return;
    if (event->modifiers() & Qt::ControlModifier) {
        // Ctrl+letter is the control character to the key event, so a key
        // filter can refuse paste and cut as it refuses other characters.
        if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z &&
            swallowed(QChar(event->key() - Qt::Key_A + 1)))
            return;
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && event->key() != Qt::Key_Delete && swallowed(text.at(0)))
        return;
    QLineEdit::keyPressEvent(event);
}

void GridCellEditor::inputMethodEvent(QInputMethodEvent* event) {
    if (!grid_->OnKeyPress || event->commitString().isEmpty())
        return QLineEdit::inputMethodEvent(event);
    QString accepted;
    for (QChar ch : event->commitString())
        if (!swallowed(ch))
            accepted += ch;
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void GridCellEditor::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Screen readers follow the cell, which stands for this hidden editor.
    NotifyGridFocused(grid_);
}
