#include "widgets/TButton.h"

#include <QKeyEvent>

void TButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (isEnabled())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
