#include "widgets/StringGridAccessible.h"

#include "widgets/ClickLabel.h"
#include "widgets/StatusBarAccessible.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include <QWindow>

namespace {
quint64 key(int col, int row) { return (quint64(quint32(col)) << 32) | quint32(row); }

// One cell of the grid. It holds no text of its own: it asks the grid, so it
// always says what the grid shows, and says nothing once the grid is gone.
class StringGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    StringGridCellAccessible(TStringGrid* grid, int col, int row) : grid_(grid), col_(col), row_(row) {}

    bool isValid() const override { return grid_ && col_ < grid_->ColCount() && row_ < grid_->RowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
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
        const bool current = grid_->Col() == col_ && grid_->Row() == row_;
        st.active = current;
        st.focused = current && grid_->hasFocus();
        return st;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return isValid() && grid_->IsSelected(col_, row_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        if (isValid() && !isFixed())
            for (int row = 0; row < grid_->FixedRows(); ++row)
                headers << parent()->tableInterface()->cellAt(row, col_);
        return headers;
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        if (isValid() && !isFixed())
            for (int col = 0; col < grid_->FixedCols(); ++col)
                headers << parent()->tableInterface()->cellAt(row_, col);
        return headers;
    }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    bool isOf(const TStringGrid* grid) const { return grid_ == grid; }

private:
    bool isFixed() const { return col_ < grid_->FixedCols() || row_ < grid_->FixedRows(); }

    QPointer<TStringGrid> grid_;
    int col_;
    int row_;
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

int StringGridAccessible::columnCount() const { return grid()->ColCount(); }
int StringGridAccessible::rowCount() const { return grid()->RowCount(); }
int StringGridAccessible::childCount() const { return columnCount() * rowCount(); }

QAccessibleInterface* StringGridAccessible::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    const quint64 k = key(column, row);
    if (const auto found = cells_.constFind(k); found != cells_.cend())
        return QAccessible::accessibleInterface(*found);
    // The cache owns the cell from here; dropCells gives it back.
    auto* cell = new StringGridCellAccessible(grid(), column, row);
    cells_.insert(k, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* StringGridAccessible::child(int index) const {
    const int cols = columnCount();
    if (index < 0 || cols == 0 || index >= childCount())
        return nullptr;
    return cellAt(index / cols, index % cols);
}

int StringGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || child->role() == QAccessible::Table)
        return -1;
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (!cell || cell->table() != this)
        return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* StringGridAccessible::childAt(int x, int y) const {
    const QPoint cell = grid()->CellAt(grid()->mapFromGlobal(QPoint(x, y)));
    return cell.x() < 0 ? nullptr : cellAt(cell.y(), cell.x());
}

int StringGridAccessible::selectedCellCount() const { return selectedCells().size(); }

QList<QAccessibleInterface*> StringGridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> selected;
    for (int row = grid()->FixedRows(); row < rowCount(); ++row)
        for (int col = grid()->FixedCols(); col < columnCount(); ++col)
            if (grid()->IsSelected(col, row))
                selected << cellAt(row, col);
    return selected;
}

QString StringGridAccessible::columnDescription(int column) const {
    return grid()->FixedRows() > 0 ? grid()->Cells(column, 0) : QString();
}

QString StringGridAccessible::rowDescription(int row) const {
    return grid()->FixedCols() > 0 ? grid()->Cells(0, row) : QString();
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
    QAccessibleInterface* cell = table ? table->cellAt(row, col) : nullptr;
    if (!cell)
        return;
    QAccessibleEvent selection(cell, QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
    if (grid->hasFocus()) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void NotifyGridCellChanged(TStringGrid* grid, int col, int row) {
    StringGridAccessible* table = gridInterface(grid);
    QAccessibleInterface* cell = table ? table->cellAt(row, col) : nullptr;
    if (!cell)
        return;
    if (cell->role() == QAccessible::Cell) {
        QAccessibleValueChangeEvent value(cell, cell->text(QAccessible::Value));
        QAccessible::updateAccessibility(&value);
    } else {
        // A header's text is its name, and part of the name of every cell it heads.
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
