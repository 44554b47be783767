#include "classroom/RosterQuestions.h"

#include <QInputDialog>
#include <QMessageBox>

std::optional<QString> DialogRosterQuestions::AskName(QWidget* parent, const QString& title,
                                                      const QString& label, const QString& text) {
    bool ok = false;
    const QString name = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    return ok ? std::optional<QString>(name) : std::nullopt;
}

std::optional<QString> DialogRosterQuestions::ChooseName(QWidget* parent, const QString& title,
                                                         const QString& label, const QStringList& names) {
    bool ok = false;
    const QString name = QInputDialog::getItem(parent, title, label, names, 0, false, &ok);
    return ok && !name.isEmpty() ? std::optional<QString>(name) : std::nullopt;
}

bool DialogRosterQuestions::Confirm(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Yes;
}
