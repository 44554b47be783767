// The teacher's view of a class in the progress window: the class table,
// read from the server off the window's thread; choosing a child opens the
// window's usual chart, table and fact map on that child's records on the
// server.
#pragma once

#include "classroom/ClassReader.h"

#include <QWidget>

class ClassTableModel;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

class ClassView : public QWidget {
    Q_OBJECT
public:
    ClassView(ClassReader& reader, const QStringList& classes, QWidget* parent = nullptr);

    // Reads the chosen class's table again.
    void Reload();
    QString ClassName() const;
    // The chosen class's children on the server, as a history.
    ServerHistory& History() { return *history_; }

    QComboBox* ClassBox;
    QPushButton* ReloadButton;
    QTableView* Table;
    ClassTableModel* Model;
    QSortFilterProxyModel* SortedModel;
    QLabel* Computers; // the class's computers that have not reached the server for a while
    QLabel* Note;

signals:
    void ChildChosen(const QString& child, DrillKind drill);
    // The server answered (true) or not, after a read.
    void Reached(bool reached, const QString& problem);
    void Loaded();

private:
    void chooseRow(const QModelIndex& index);

    ClassReader& reader_;
    std::unique_ptr<ServerHistory> history_;
    int generation_ = 0; // answers to an older request are dropped
};
