// The text cells of a grid, addressed (column, row) from the top left.
// The drill's generators, judges and answer keys work on this interface, so
// they run on a plain CellTable in tests and on the grid widget in the window.
#pragma once

#include <QString>

class GridCells {
public:
    virtual ~GridCells() = default;
    virtual int ColCount() const = 0;
    virtual int RowCount() const = 0;
    virtual QString Cells(int col, int row) const = 0;
    virtual void SetCells(int col, int row, const QString& text) = 0;
};
