// What a screen reader sees of a TStringGrid: a table of the cells a child
// can type in, each named by the grid (OnCellName: a drill sheet names it by
// its problem) and holding its text as the grid says it (OnCellValue). The
// fixed cells follow them as header children, outside the table's rows and
// columns, so "10 rows 10 columns" counts answers. The cell under the editor
// is the focused object and its text changes as the child types; the editor
// itself is hidden, so a reader never meets a nameless object off the tree.
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

class TStringGrid;

class StringGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit StringGridAccessible(TStringGrid* grid);
    ~StringGridAccessible() override;

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    TStringGrid* grid() const;
    // The cell at a place of the grid, fixed cells included.
    QAccessibleInterface* gridCell(int col, int row) const;

private:
    void dropCells();

    mutable QHash<quint64, QAccessible::Id> cells_;
};

// Registers the interfaces of our own widgets (the grid, the status bar, the
// link label) with Qt's accessibility; once is enough, later calls do nothing.
void InstallWidgetAccessibility();

// Reports to assistive technology, where one listens, that the current cell
// moved (it takes the focus when the grid has it), that the grid got the
// focus, or that a cell changed.
void NotifyGridCurrentCell(TStringGrid* grid, int col, int row);
void NotifyGridFocused(TStringGrid* grid);
void NotifyGridCellChanged(TStringGrid* grid, int col, int row);
void NotifyGridResized(TStringGrid* grid);
