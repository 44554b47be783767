// The teacher's view of a class in the progress window: the class table with
// the class list, read from the server off the window's thread; the class's
// fact map with its worksheets; the table as CSV. Choosing a child opens the
// window's usual chart, table and fact map on that child's records on the
// server.
#pragma once

#include "classroom/ClassReader.h"
#include "progress/ProgressWindow.h"

#include <QWidget>

class ClassFactsPage;
class ClassTableModel;
class RosterPanel;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

class ClassView : public QWidget {
    Q_OBJECT
public:
    ClassView(ClassReader& reader, const QStringList& classes, ProgressServices services,
              QWidget* parent = nullptr);

    // Reads the chosen class's table and list again.
    void Reload();
    QString ClassName() const;
    // The chosen class's children on the server, as a history.
    ServerHistory& History() { return *history_; }
    // The listed child chosen in the table; empty for none.
    QString SelectedChild() const;
    void ExportCsv();

    QComboBox* ClassBox;
    QPushButton* ReloadButton;
    QPushButton* CsvButton;
    QTabWidget* Tabs;
    QTableView* Table;
    ClassTableModel* Model;
    QSortFilterProxyModel* SortedModel;
    RosterPanel* Roster;
    ClassFactsPage* Facts;
    QLabel* Computers; // the class's computers that have not reached the server for a while
    QLabel* Note;

signals:
    void ChildChosen(const QString& child, DrillKind drill);
    // The server answered (true) or not, after a read.
    void Reached(bool reached, const QString& problem);
    // The table and the list were read.
    void Loaded();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void retranslate();
    void fitColumns();
    void keepNamesReadable();
    void chooseRow(const QModelIndex& index);
    void showRows();
    // The note under the table, from what the last read brought.
    void showNote();
    void showComputers();

    ClassReader& reader_;
    ProgressServices services_;
    std::unique_ptr<ServerHistory> history_;
    int generation_ = 0; // answers to an older request are dropped
    int pending_ = 0;    // reads of this generation still to come
    QString rosterProblem_;
    QString summaryProblem_;
    std::optional<QList<ClassComputer>> computers_; // as last read; none when they may not be seen
    QLabel* classLabel_;
};
