// The editable string grid the whole program talks to. Its fixed rows and
// columns are ordinary cells that hold text, are drawn in the fixed colour
// and can never become current. An editor stands over the current cell while
// the grid has the focus; every keystroke reaches the cell at once, so any
// reader of the grid sees exactly what is typed. Characters pass through
// OnKeyPress first, which may swallow them; OnDrawCell may take over painting.
#pragma once

#include "drill/CellTable.h"

#include <QColor>
#include <QList>
#include <QWidget>
#include <functional>

class GridCellEditor;
class QPainter;

struct GridDrawState {
    bool selected = false;
    bool focused = false;
    bool fixed = false;
};

class TStringGrid : public QWidget, public GridCells {
    Q_OBJECT
public:
    // Key is the typed character; set it to QChar() to swallow it.
    using KeyPressHandler = std::function<void(TStringGrid* sender, QChar& key)>;
    // Called for every cell painted, after the painter was prepared: font is
    // the grid font, brush the fixed colour, the highlight or the background.
    using DrawCellHandler = std::function<void(TStringGrid* sender, int col, int row, const QRect& rect,
                                               GridDrawState state, QPainter& canvas)>;

    // How a screen reader hears a cell; see AccessibleCellName and AccessibleCellValue.
    using CellSpeechHandler = std::function<QString(const TStringGrid* sender, int col, int row)>;

    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    // Cells
    int ColCount() const override { return cells_.ColCount(); }
    int RowCount() const override { return cells_.RowCount(); }
    QString Cells(int col, int row) const override { return cells_.Cells(col, row); }
    // All the texts; a copy shares them until either side changes a cell.
    const CellTable& Table() const { return cells_; }
    void SetCells(int col, int row, const QString& text) override;
    void SetColCount(int count);
    void SetRowCount(int count);

    // Geometry, in grid pixels
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int count);
    void SetFixedRows(int count);
    int DefaultColWidth() const { return defaultColWidth_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Setting a default size applies it to every column (row).
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const { return colWidths_.value(col, defaultColWidth_); }
    int RowHeights(int row) const { return rowHeights_.value(row, defaultRowHeight_); }
    void SetColWidths(int col, int width);
    void SetRowHeights(int row, int height);
    int GridLineWidth() const { return 1; }
    QRect CellRect(int col, int row) const;
    // Cell under a point of the widget, or (-1, -1).
    QPoint CellAt(const QPoint& pos) const;
    // The resolution of the grid's own screen canvas.
    int ScreenDpiX() const { return logicalDpiX(); }
    int ScreenDpiY() const { return logicalDpiY(); }

    // Colours: background, fixed cells, text
    QColor Color() const;
    QColor FixedColor() const;
    QColor FontColor() const;

    // Current cell and selection
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCurrentCell(int col, int row);
    bool IsSelected(int col, int row) const;
    // What Tab does: the next cell to the right, then the first cell of the
    // next row, from the last cell back to the first.
    void SendTabKey(bool backwards = false);

    // The editor currently standing over the current cell, if any.
    GridCellEditor* Editor() const { return editor_; }

    // A cell's name for assistive technology: OnCellName's answer when it has
    // one; else a fixed cell's text, or the cell's place among the headers.
    QString AccessibleCellName(int col, int row) const;
    // A cell's value for assistive technology: OnCellValue's answer, else its text.
    QString AccessibleCellValue(int col, int row) const;

    // After a keystroke changed the text of a cell through the editor.
    using CellEditedHandler = std::function<void(TStringGrid* sender, int col, int row)>;

    KeyPressHandler OnKeyPress;
    DrawCellHandler OnDrawCell;
    CellEditedHandler OnCellEdited;
    CellSpeechHandler OnCellName;
    CellSpeechHandler OnCellValue;

signals:
    // The current cell was set, by a key, the mouse or the program; also
    // when it stays where it was.
    void CurrentCellChanged(int col, int row);
    // A cell's text changed, by the program or through the editor.
    void CellTextChanged(int col, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class GridCellEditor;
    // Returns true when the key was a navigation key and was handled.
    bool handleNavigationKey(QKeyEvent* event, bool fromEditor);
    void moveTo(int col, int row, bool extendSelection = false);
    void paintCell(QPainter& painter, int col, int row, const QRect& cell);
    // The rectangle of the selected cells, which holds the current cell.
    QRect selectionArea() const;
    void placeEditor();
    void hideEditor();
    bool hasEditableCell() const { return ColCount() > fixedCols_ && RowCount() > fixedRows_; }
    void clampCurrent();
    // False for a cell that starts past the right or bottom edge; stops
    // counting there, so filling a very wide grid stays linear.
    bool startsInside(int col, int row) const;
    void relayout();
    // A cell's text changed, by the program or through the editor.
    void cellChanged(int col, int row);

    CellTable cells_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    QList<int> colWidths_;
    QList<int> rowHeights_;
    int col_ = 1;
    int row_ = 1;
    int anchorCol_ = 1;
    int anchorRow_ = 1;
    GridCellEditor* editor_ = nullptr;
};
