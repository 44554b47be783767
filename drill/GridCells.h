// The text cells of a grid, addressed (column, row) from the top left.
// Drill logic, printing and file exchange work on this interface, so they
// can be tested on a plain table as well as on the grid widget.
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
