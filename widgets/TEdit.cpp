#include "widgets/TEdit.h"

#include <QKeyEvent>

bool TEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Not claiming the key lets a shortcut have it first; a key no
        // shortcut takes comes back to the edit as an ordinary key press.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool functionKey = key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35;
        if (functionKey || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}
