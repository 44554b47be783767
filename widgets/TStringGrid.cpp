#include "widgets/TStringGrid.h"

#include "widgets/GridCellEditor.h"
#include "widgets/StringGridAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {
constexpr int kBorder = 2; // the sunken frame around the cells
}

TStringGrid::TStringGrid(QWidget* parent) : QWidget(parent), cells_(5, 5) {
    InstallWidgetAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    colWidths_.fill(defaultColWidth_, ColCount());
    rowHeights_.fill(defaultRowHeight_, RowCount());
    editor_ = new GridCellEditor(this);
    relayout();
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::SetCells(int col, int row, const QString& text) {
    const bool changed = cells_.Contains(col, row) && cells_.Cells(col, row) != text;
    cells_.SetCells(col, row, text);
    if (col == col_ && row == row_ && !editor_->isHidden() && editor_->text() != text)
        editor_->setText(text);
    if (startsInside(col, row))
        update(CellRect(col, row));
    if (changed)
        cellChanged(col, row);
}

void TStringGrid::cellChanged(int col, int row) {
    NotifyGridCellChanged(this, col, row);
    emit CellTextChanged(col, row);
}

QString TStringGrid::AccessibleCellName(int col, int row) const {
    if (!cells_.Contains(col, row))
        return {};
    if (OnCellName) {
        const QString name = OnCellName(this, col, row);
        if (!name.isEmpty())
            return name;
    }
    if (col < fixedCols_ || row < fixedRows_)
        return Cells(col, row);
    QStringList headers;
    for (int r = 0; r < fixedRows_; ++r)
        if (!Cells(col, r).isEmpty())
            headers << Cells(col, r);
    for (int c = 0; c < fixedCols_; ++c)
        if (!Cells(c, row).isEmpty())
            headers << Cells(c, row);
    if (!headers.isEmpty())
        return headers.join(u' ');
    return tr("%1 行 %2 列").arg(row + 1).arg(col + 1);
}

QString TStringGrid::AccessibleCellValue(int col, int row) const {
    if (!cells_.Contains(col, row))
        return {};
    return OnCellValue ? OnCellValue(this, col, row) : Cells(col, row);
}

bool TStringGrid::startsInside(int col, int row) const {
    int x = kBorder;
    for (int c = 0; c < col && x < width(); ++c)
        x += ColWidths(c) + GridLineWidth();
    int y = kBorder;
    for (int r = 0; r < row && y < height(); ++r)
        y += RowHeights(r) + GridLineWidth();
    return x < width() && y < height();
}

// A screen reader is told of a new shape only when there is one: each Start
// sets the same shape again, and the focused cell should stay the object it is.
void TStringGrid::SetColCount(int count) {
    const int before = ColCount();
    cells_.Resize(count, RowCount());
    colWidths_.resize(ColCount(), defaultColWidth_);
    relayout();
    if (ColCount() != before)
        NotifyGridResized(this);
}

void TStringGrid::SetRowCount(int count) {
    const int before = RowCount();
    cells_.Resize(ColCount(), count);
    rowHeights_.resize(RowCount(), defaultRowHeight_);
    relayout();
    if (RowCount() != before)
        NotifyGridResized(this);
}

void TStringGrid::SetFixedCols(int count) {
    const int before = fixedCols_;
    fixedCols_ = qMax(0, count);
    relayout();
    if (fixedCols_ != before)
        NotifyGridResized(this);
}

void TStringGrid::SetFixedRows(int count) {
    const int before = fixedRows_;
    fixedRows_ = qMax(0, count);
    relayout();
    if (fixedRows_ != before)
        NotifyGridResized(this);
}

void TStringGrid::SetDefaultColWidth(int width) {
    defaultColWidth_ = width;
    colWidths_.fill(width, ColCount());
    relayout();
}

void TStringGrid::SetDefaultRowHeight(int height) {
    defaultRowHeight_ = height;
    rowHeights_.fill(height, RowCount());
    relayout();
}

void TStringGrid::SetColWidths(int col, int width) {
    if (col >= 0 && col < colWidths_.size()) {
        colWidths_[col] = width;
        relayout();
    }
}

void TStringGrid::SetRowHeights(int row, int height) {
    if (row >= 0 && row < rowHeights_.size()) {
        rowHeights_[row] = height;
        relayout();
    }
}

QRect TStringGrid::CellRect(int col, int row) const {
    if (!cells_.Contains(col, row))
        return {};
    int x = kBorder;
    for (int c = 0; c < col; ++c)
        x += ColWidths(c) + GridLineWidth();
    int y = kBorder;
    for (int r = 0; r < row; ++r)
        y += RowHeights(r) + GridLineWidth();
    return {x, y, ColWidths(col), RowHeights(row)};
}

QPoint TStringGrid::CellAt(const QPoint& pos) const {
    int col = -1;
    for (int c = 0, x = kBorder; c < ColCount(); ++c) {
        x += ColWidths(c) + GridLineWidth();
        if (pos.x() >= kBorder && pos.x() < x) {
            col = c;
            break;
        }
    }
    int row = -1;
    for (int r = 0, y = kBorder; r < RowCount(); ++r) {
        y += RowHeights(r) + GridLineWidth();
        if (pos.y() >= kBorder && pos.y() < y) {
            row = r;
            break;
        }
    }
    return (col < 0 || row < 0) ? QPoint(-1, -1) : QPoint(col, row);
}

QColor TStringGrid::Color() const { return palette().color(QPalette::Base); }
QColor TStringGrid::FixedColor() const { return palette().color(QPalette::Button); }
QColor TStringGrid::FontColor() const { return palette().color(QPalette::Text); }

void TStringGrid::SetCurrentCell(int col, int row) { moveTo(col, row); }

bool TStringGrid::IsSelected(int col, int row) const {
    if (col < fixedCols_ || row < fixedRows_)
        return false;
    return col >= qMin(anchorCol_, col_) && col <= qMax(anchorCol_, col_) && row >= qMin(anchorRow_, row_) &&
           row <= qMax(anchorRow_, row_);
}

void TStringGrid::SendTabKey(bool backwards) {
    if (!hasEditableCell())
        return;
    int col = col_;
    int row = row_;
    if (backwards) {
        if (--col < fixedCols_) {
            col = ColCount() - 1;
            if (--row < fixedRows_)
                row = RowCount() - 1;
        }
    } else if (++col >= ColCount()) {
        col = fixedCols_;
        if (++row >= RowCount())
            row = fixedRows_;
    }
    moveTo(col, row);
}

void TStringGrid::moveTo(int col, int row, bool extendSelection) {
    if (!hasEditableCell())
        return;
    const QRect before = selectionArea();
    col_ = qBound(fixedCols_, col, ColCount() - 1);
    row_ = qBound(fixedRows_, row, RowCount() - 1);
    if (!extendSelection) {
        anchorCol_ = col_;
        anchorRow_ = row_;
    }
    placeEditor();
    // Only the old and the new selection change their look, and each holds
    // its current cell: a move to the next cell repaints two cells, not the
    // sheet, while a child types.
    update(before);
    update(selectionArea());
    NotifyGridCurrentCell(this, col_, row_);
    emit CurrentCellChanged(col_, row_);
}

QRect TStringGrid::selectionArea() const {
    return CellRect(qMin(anchorCol_, col_), qMin(anchorRow_, row_))
        .united(CellRect(qMax(anchorCol_, col_), qMax(anchorRow_, row_)));
}

void TStringGrid::clampCurrent() {
    if (!hasEditableCell())
        return;
    col_ = qBound(fixedCols_, col_, ColCount() - 1);
    row_ = qBound(fixedRows_, row_, RowCount() - 1);
    anchorCol_ = qBound(fixedCols_, anchorCol_, ColCount() - 1);
    anchorRow_ = qBound(fixedRows_, anchorRow_, RowCount() - 1);
}

void TStringGrid::relayout() {
    clampCurrent();
    placeEditor();
    update();
}

void TStringGrid::placeEditor() {
    if (!hasEditableCell()) {
        hideEditor();
        return;
    }
    const bool hadFocus = hasFocus();
    editor_->setFont(font());
    editor_->setGeometry(CellRect(col_, row_));
    editor_->setText(Cells(col_, row_));
    editor_->selectAll();
    editor_->show();
    setFocusProxy(editor_);
    if (hadFocus)
        editor_->setFocus();
}

void TStringGrid::hideEditor() {
    const bool hadFocus = hasFocus();
    setFocusProxy(nullptr);
    editor_->hide();
    if (hadFocus)
        setFocus();
}

bool TStringGrid::handleNavigationKey(QKeyEvent* event, bool fromEditor) {
    if (!hasEditableCell() || (event->modifiers() & Qt::AltModifier))
        return false;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Tab:
        if (ctrl)
            return false;
        SendTabKey(shift);
        return true;
    case Qt::Key_Backtab:
        SendTabKey(true);
        return true;
    case Qt::Key_Up:
        moveTo(col_, row_ - 1, shift);
        return true;
    case Qt::Key_Down:
        moveTo(col_, row_ + 1, shift);
        return true;
    case Qt::Key_PageUp:
        moveTo(col_, fixedRows_, shift);
        return true;
    case Qt::Key_PageDown:
        moveTo(col_, RowCount() - 1, shift);
        return true;
    case Qt::Key_Left:
        // In the editor the caret moves first; at its start the cell moves.
        if (fromEditor && !ctrl && (editor_->hasSelectedText() || editor_->cursorPosition() > 0))
            return false;
        moveTo(col_ - 1, row_, shift);
        return true;
    case Qt::Key_Right:
        if (fromEditor && !ctrl &&
            (editor_->hasSelectedText() || editor_->cursorPosition() < editor_->text().size()))
            return false;
        moveTo(col_ + 1, row_, shift);
        return true;
    case Qt::Key_Home:
        if (!ctrl)
            return false;
        moveTo(fixedCols_, fixedRows_);
        return true;
    case Qt::Key_End:
        if (!ctrl)
            return false;
        moveTo(ColCount() - 1, RowCount() - 1);
        return true;
    default:
        return false;
    }
}

bool TStringGrid::event(QEvent* event) {
    // Tab moves from cell to cell instead of leaving the grid.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && handleNavigationKey(key, false))
            return true;
    }
    return QWidget::event(event);
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    if (handleNavigationKey(event, false))
        return;
    const QString text = event->text();
    if (!text.isEmpty() && OnKeyPress) {
        QChar key = text.at(0);
        OnKeyPress(this, key);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint cell = CellAt(event->position().toPoint());
    if (cell.x() >= fixedCols_ && cell.y() >= fixedRows_)
        moveTo(cell.x(), cell.y(), event->modifiers() & Qt::ShiftModifier);
    setFocus(Qt::MouseFocusReason);
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint cell = CellAt(event->position().toPoint());
    if (cell.x() >= fixedCols_ && cell.y() >= fixedRows_ && (cell.x() != col_ || cell.y() != row_))
        moveTo(cell.x(), cell.y(), true);
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TStringGrid::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TStringGrid::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        editor_->setFont(font());
    QWidget::changeEvent(event);
}

void TStringGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    int contentRight = kBorder;
    int contentBottom = kBorder;
    for (int col = 0; col < ColCount(); ++col)
        contentRight += ColWidths(col) + GridLineWidth();
    for (int row = 0; row < RowCount(); ++row)
        contentBottom += RowHeights(row) + GridLineWidth();
    painter.fillRect(QRect(kBorder, kBorder, contentRight - kBorder, contentBottom - kBorder),
                     palette().color(QPalette::Mid));
    // Walks the cells once, painting only those in the region to repaint:
    // most repaints are of one or two cells.
    const QRegion& dirty = event->region();
    const QRect bounds = dirty.boundingRect();
    for (int row = 0, y = kBorder; row < RowCount() && y <= bounds.bottom();
         y += RowHeights(row++) + GridLineWidth()) {
        if (y + RowHeights(row) <= bounds.top())
            continue;
        for (int col = 0, x = kBorder; col < ColCount() && x <= bounds.right();
             x += ColWidths(col++) + GridLineWidth()) {
            const QRect cell(x, y, ColWidths(col), RowHeights(row));
            if (dirty.intersects(cell))
                paintCell(painter, col, row, cell);
        }
    }
    qDrawShadePanel(&painter, rect(), palette(), true, kBorder);
}

void TStringGrid::paintCell(QPainter& painter, int col, int row, const QRect& cell) {
    GridDrawState state;
    state.fixed = col < fixedCols_ || row < fixedRows_;
    state.selected = IsSelected(col, row);
    state.focused = col == col_ && row == row_ && hasFocus();

    painter.save();
    painter.setClipRect(cell);
    painter.setFont(font());
    QColor brush = Color();
    QColor text = FontColor();
    if (state.fixed) {
        brush = FixedColor();
    } else if (state.selected) {
        brush = palette().color(QPalette::Highlight);
        text = palette().color(QPalette::HighlightedText);
    }
    painter.setBrush(brush);
    painter.setPen(text);
    if (OnDrawCell) {
        OnDrawCell(this, col, row, cell, state, painter);
    } else {
        painter.fillRect(cell, brush);
        // No glyph is narrower than a pixel, so a cell shows at most about its width in
        // characters; laying out a whole loaded line of megabytes would take seconds.
        painter.drawText(cell.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         Cells(col, row).left(4 * qMax(cell.width(), 1)));
    }
    painter.restore();
    if (state.fixed)
        qDrawShadePanel(&painter, cell, palette(), false, 1);
}
