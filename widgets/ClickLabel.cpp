#include "widgets/ClickLabel.h"

#include "widgets/StringGridAccessible.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) { InstallWidgetAccessibility(); }

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    InstallWidgetAccessibility();
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}
