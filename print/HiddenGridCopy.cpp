#include "print/HiddenGridCopy.h"

#include "widgets/TStringGrid.h"

std::unique_ptr<TStringGrid> HiddenGridCopy(const TStringGrid& source) {
    auto copy = std::make_unique<TStringGrid>();
    copy->setAttribute(Qt::WA_DontShowOnScreen);
    CopyGridInto(source, *copy);
    return copy;
}

void CopyGridInto(const TStringGrid& source, TStringGrid& copy) {
    // The grid printer scales by the grid's screen resolution, so the copy
    // stands on the source's screen.
    if (source.screen() && copy.screen() != source.screen())
        copy.setScreen(source.screen());
    copy.setFont(source.font());
    copy.setPalette(source.palette());
    copy.SetColCount(source.ColCount());
    copy.SetRowCount(source.RowCount());
    copy.SetFixedCols(source.FixedCols());
    copy.SetFixedRows(source.FixedRows());
    copy.SetDefaultColWidth(source.DefaultColWidth());
    copy.SetDefaultRowHeight(source.DefaultRowHeight());
    for (int col = 0; col < source.ColCount(); ++col)
        copy.SetColWidths(col, source.ColWidths(col));
    for (int row = 0; row < source.RowCount(); ++row)
        copy.SetRowHeights(row, source.RowHeights(row));
    for (int row = 0; row < source.RowCount(); ++row)
        for (int col = 0; col < source.ColCount(); ++col)
            copy.SetCells(col, row, source.Cells(col, row));
}
