// Completion of the user-name edit from the names in the history, so
// children sharing a computer find their own name. The names are read when
// the edit gets the focus, never at start-up. Names from elsewhere (a class
// list) are offered beside them.
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
    // Offered beside the history's names, at once; replaces the last ones given.
    void SetExtraNames(const QStringList& names);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void show(QStringList names);

    QLineEdit* edit_;
    HistoryReader& history_;
    QStringList historyNames_;
    QStringList extraNames_;
    QStringListModel* names_;
    QCompleter* completer_;
};
