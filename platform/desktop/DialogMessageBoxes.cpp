#include "platform/desktop/DialogMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {
void show(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
} // namespace

void DialogMessageBoxes::ShowMessage(const QString& text) { show(QMessageBox::NoIcon, title_, text); }

void DialogMessageBoxes::ShowError(const QString& text) { show(QMessageBox::Critical, title_, text); }
