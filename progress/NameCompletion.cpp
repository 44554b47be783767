#include "progress/NameCompletion.h"

#include "progress/HistoryStore.h"

#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QStringListModel>

NameCompletion::NameCompletion(QLineEdit* edit, HistoryReader& history)
    : QObject(edit), edit_(edit), history_(history), names_(new QStringListModel(this)),
      completer_(new QCompleter(names_, this)) {
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    edit->setCompleter(completer_);
    edit->installEventFilter(this);
}

bool NameCompletion::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::FocusIn)
        refresh();
    return false;
}

void NameCompletion::refresh() {
    history_.ReadChildren(this, [this](QStringList names) { show(std::move(names)); });
}

void NameCompletion::SetExtraNames(const QStringList& names) {
    extraNames_ = names;
    show(historyNames_);
}

void NameCompletion::show(QStringList names) {
    historyNames_ = names;
    for (const QString& name : std::as_const(extraNames_))
        if (!names.contains(name))
            names << name;
    names.sort(Qt::CaseInsensitive);
    names.removeAll(QString()); // the nameless child has nothing to type
    // A name of control characters or thousands of letters is kept, but offered as typed only when short.
    names.erase(std::remove_if(names.begin(), names.end(), [](const QString& n) { return n.size() > 200; }),
                names.end());
    names_->setStringList(names);
}
