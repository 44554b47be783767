// Completion of the user-name edit from the names in the history, so
// children sharing a computer find their own name. The names are read when
// the edit gets the focus, never at start-up.
#pragma once

#include <QObject>
#include <QStringList>

class HistoryReader;
class QCompleter;
class QLineEdit;
class QStringListModel;

class NameCompletion : public QObject {
    Q_OBJECT
public:
    NameCompletion(QLineEdit* edit, HistoryReader& history);
    QCompleter* Completer() const { return completer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void show(QStringList names);

    QLineEdit* edit_;
    HistoryReader& history_;
    QStringListModel* names_;
    QCompleter* completer_;
};
