#include "widgets/StringGridAccessible.h"

#include "widgets/AccessibleText.h"
#include "widgets/ClickLabel.h"
#include "widgets/GridCellEditor.h"
#include "widgets/PageControlAccessible.h"
#include "widgets/StatusBarAccessible.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include <QWindow>

namespace {
quint64 key(int col, int row) { return (quint64(quint32(col)) << 32) | quint32(row); }

// One cell of the grid. It holds no text of its own: it asks the grid, so it
// always says what the grid shows, and says nothing once the grid is gone.
class StringGridCellAccessible : public QAccessibleInterface,
                                 public QAccessibleTableCellInterface,
                                 public PlainTextAccessible {
public:
    StringGridCellAccessible(TStringGrid* grid, int col, int row)
        : grid_(grid), col_(col), row_(row), reported_(plainText()) {}

    bool isValid() const override { return grid_ && col_ < grid_->ColCount() && row_ < grid_->RowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        // A header is no cell of the table's rows and columns.
        if (type == QAccessible::TableCellInterface && isValid() && !isFixed())
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return grid_->AccessibleCellName(col_, row_);
        case QAccessible::Value:
            return grid_->AccessibleCellValue(col_, row_);
        default:
            return {};
        }
    }
    using PlainTextAccessible::text;
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect cell = grid_->CellRect(col_, row_);
        return QRect(grid_->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::Role role() const override {
        if (!isValid())
            return QAccessible::Cell;
        if (row_ < grid_->FixedRows())
            return QAccessible::ColumnHeader;
        if (col_ < grid_->FixedCols())
            return QAccessible::RowHeader;
        return QAccessible::Cell;
    }

    QAccessible::State state() const override {
        QAccessible::State st;
        if (!isValid()) {
            st.invalid = true;
            return st;
        }
        if (!grid_->isVisible())
            st.invisible = true;
        if (!grid_->isEnabled())
            st.disabled = true;
        if (isFixed()) {
            st.readOnly = true;
            return st;
        }
        st.focusable = true;
        st.selectable = true;
        st.editable = true;
        st.selected = grid_->IsSelected(col_, row_);
        const bool current = isCurrent();
        st.active = current;
        st.focused = current && grid_->hasFocus();
        return st;
    }

    // QAccessibleTableCellInterface. The headers are not linked: the name
    // already says them, and a reader would say them again before it.
    bool isSelected() const override { return isValid() && grid_->IsSelected(col_, row_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return grid_ ? col_ - grid_->FixedCols() : -1; }
    int rowIndex() const override { return grid_ ? row_ - grid_->FixedRows() : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    int col() const { return col_; }
    int row() const { return row_; }
    // The text last told to assistive technology, replaced by the text now.
    QString takeReported() { return std::exchange(reported_, plainText()); }

protected:
    // A header's text is its own; an answer cell's is what the grid says it holds.
    QString plainText() const override {
        if (!isValid())
            return {};
        return isFixed() ? grid_->Cells(col_, row_) : grid_->AccessibleCellValue(col_, row_);
    }
    const QWidget* textOwner() const override { return grid_; }
    int caret() const override {
        const GridCellEditor* editor = grid_ ? grid_->Editor() : nullptr;
        if (isCurrent() && editor && editor->isVisible())
            return qMin(editor->cursorPosition(), characterCount());
        return characterCount();
    }

private:
    bool isFixed() const { return col_ < grid_->FixedCols() || row_ < grid_->FixedRows(); }
    bool isCurrent() const { return grid_ && grid_->Col() == col_ && grid_->Row() == row_; }

    QPointer<TStringGrid> grid_;
    int col_;
    int row_;
    QString reported_;
};

// The editor over the current cell: its cell stands for it, so it is off the
// tree, and the events Qt sends for it (focus, text) go nowhere.
class HiddenEditorAccessible : public QAccessibleWidget {
public:
    explicit HiddenEditorAccessible(QWidget* editor) : QAccessibleWidget(editor, QAccessible::EditableText) {}
    bool isValid() const override { return false; }
};

// A link label: named by its text, pressed as a click.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(ClickLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? label()->text() : own;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit label()->clicked();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

StringGridAccessible* gridInterface(TStringGrid* grid) {
    // Nobody listening: no cell interfaces are made just to tell no one.
    if (!grid || !QAccessible::isActive())
        return nullptr;
    return dynamic_cast<StringGridAccessible*>(QAccessible::queryAccessibleInterface(grid));
}

QAccessibleInterface* widgetFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TStringGrid"))
        return new StringGridAccessible(static_cast<TStringGrid*>(object));
    if (className == QLatin1String("ClickLabel"))
        return new LinkAccessible(static_cast<ClickLabel*>(object));
    if (className == QLatin1String("TStatusBar"))
        return new StatusBarAccessible(static_cast<TStatusBar*>(object));
    if (className == QLatin1String("GridCellEditor"))
        return new HiddenEditorAccessible(static_cast<QWidget*>(object));
    if (QAccessibleInterface* page = PageControlAccessibleFor(className, object))
        return page;
    return nullptr;
}
} // namespace

StringGridAccessible::StringGridAccessible(TStringGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

StringGridAccessible::~StringGridAccessible() { dropCells(); }

TStringGrid* StringGridAccessible::grid() const { return static_cast<TStringGrid*>(widget()); }

void* StringGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int StringGridAccessible::columnCount() const { return qMax(0, grid()->ColCount() - grid()->FixedCols()); }
int StringGridAccessible::rowCount() const { return qMax(0, grid()->RowCount() - grid()->FixedRows()); }
int StringGridAccessible::childCount() const { return grid()->ColCount() * grid()->RowCount(); }

QAccessibleInterface* StringGridAccessible::gridCell(int col, int row) const {
    if (row < 0 || col < 0 || row >= grid()->RowCount() || col >= grid()->ColCount())
        return nullptr;
    const quint64 k = key(col, row);
    if (const auto found = cells_.constFind(k); found != cells_.cend())
        return QAccessible::accessibleInterface(*found);
    // The cache owns the cell from here; dropCells gives it back.
    auto* cell = new StringGridCellAccessible(grid(), col, row);
    cells_.insert(k, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* StringGridAccessible::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    return gridCell(column + grid()->FixedCols(), row + grid()->FixedRows());
}

// The answer cells come first, row by row, as the table counts them; then
// the fixed cells: the fixed rows whole, then the fixed columns below them.
QAccessibleInterface* StringGridAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    const int cols = columnCount();
    const int answers = cols * rowCount();
    if (index < answers)
        return cellAt(index / cols, index % cols);
    const int fixed = index - answers;
    const int allCols = grid()->ColCount();
    const int inFixedRows = grid()->FixedRows() * allCols;
    if (fixed < inFixedRows)
        return gridCell(fixed % allCols, fixed / allCols);
    const int fixedCols = grid()->FixedCols();
    const int below = fixed - inFixedRows;
    return gridCell(below % fixedCols, grid()->FixedRows() + below / fixedCols);
}

int StringGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    auto* cell = dynamic_cast<const StringGridCellAccessible*>(child);
    if (!cell || !cell->isValid() || gridCell(cell->col(), cell->row()) != child)
        return -1;
    const int fixedCols = grid()->FixedCols();
    const int fixedRows = grid()->FixedRows();
    if (cell->col() >= fixedCols && cell->row() >= fixedRows)
        return (cell->row() - fixedRows) * columnCount() + cell->col() - fixedCols;
    const int answers = columnCount() * rowCount();
    if (cell->row() < fixedRows)
        return answers + cell->row() * grid()->ColCount() + cell->col();
    return answers + fixedRows * grid()->ColCount() + (cell->row() - fixedRows) * fixedCols + cell->col();
}

QAccessibleInterface* StringGridAccessible::childAt(int x, int y) const {
    const QPoint cell = grid()->CellAt(grid()->mapFromGlobal(QPoint(x, y)));
    return cell.x() < 0 ? nullptr : gridCell(cell.x(), cell.y());
}

QAccessibleInterface* StringGridAccessible::focusChild() const {
    return grid()->hasFocus() ? gridCell(grid()->Col(), grid()->Row()) : nullptr;
}

int StringGridAccessible::selectedCellCount() const { return selectedCells().size(); }

QList<QAccessibleInterface*> StringGridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> selected;
    for (int row = grid()->FixedRows(); row < rowCount(); ++row)
        for (int col = grid()->FixedCols(); col < columnCount(); ++col)
            if (grid()->IsSelected(col, row))
                selected << gridCell(col, row);
    return selected;
}

QString StringGridAccessible::columnDescription(int column) const {
    return grid()->FixedRows() > 0 ? grid()->Cells(column + grid()->FixedCols(), 0) : QString();
}

QString StringGridAccessible::rowDescription(int row) const {
    return grid()->FixedCols() > 0 ? grid()->Cells(0, row + grid()->FixedRows()) : QString();
}

void StringGridAccessible::modelChange(QAccessibleTableModelChangeEvent* event) {
    if (event->modelChangeType() == QAccessibleTableModelChangeEvent::ModelReset)
        dropCells();
}

void StringGridAccessible::dropCells() {
    const auto ids = cells_.values();
    cells_.clear();
    for (QAccessible::Id id : ids)
        QAccessible::deleteAccessibleInterface(id);
}

void InstallWidgetAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(widgetFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void NotifyGridCurrentCell(TStringGrid* grid, int col, int row) {
    StringGridAccessible* table = gridInterface(grid);
    QAccessibleInterface* cell = table ? table->gridCell(col, row) : nullptr;
    if (!cell)
        return;
    QAccessibleEvent selection(cell, QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
    if (grid->hasFocus()) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void NotifyGridFocused(TStringGrid* grid) {
    StringGridAccessible* table = gridInterface(grid);
    QAccessibleInterface* cell = table ? table->focusChild() : nullptr;
    if (!cell)
        return;
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void NotifyGridCellChanged(TStringGrid* grid, int col, int row) {
    StringGridAccessible* table = gridInterface(grid);
    auto* cell = table ? static_cast<StringGridCellAccessible*>(table->gridCell(col, row)) : nullptr;
    if (!cell)
        return;
    if (cell->role() == QAccessible::Cell) {
        const QString before = cell->takeReported();
        NotifyTextChanged(cell, before, cell->text(QAccessible::Value));
    } else {
        // A header's text is its name, and part of the name of every cell it heads.
        cell->takeReported();
        QAccessibleEvent name(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
}

void NotifyGridResized(TStringGrid* grid) {
    if (!gridInterface(grid))
        return;
    QAccessibleTableModelChangeEvent reset(grid, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
}
