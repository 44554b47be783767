#include "drill/SheetGenerator.h"

QList<int> DrawDistinctDigits(int offset, RandomSource& random) {
    QList<int> order;
    while (order.size() < 10) {
        const int value = random.Next(99) % 10 + offset;
        if (!order.contains(value))
            order.append(value);
    }
    return order;
}

void EmptyCells(GridCells& grid) {
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColCount(); ++col)
            grid.SetCells(col, row, QString());
}

SheetHeaders DrawHeaders(const DrillSheet& sheet, RandomSource& random) {
    SheetHeaders headers;
    if (sheet.randomHeaders) {
        headers.top = DrawDistinctDigits(sheet.topOffset, random);
        headers.left = DrawDistinctDigits(0, random);
    } else {
        for (int i = 1; i <= sheet.size; ++i) {
            headers.top.append(i + 1);
            headers.left.append(i + 1);
        }
    }
    return headers;
}

void GenerateSheet(GridCells& grid, const DrillSheet& sheet, RandomSource& random) {
    EmptyCells(grid);
    const auto [top, left] = DrawHeaders(sheet, random);
    for (int row = 1; row <= sheet.size; ++row)
        grid.SetCells(0, row, QString::number(left[row - 1]));
    grid.SetCells(0, 0, sheet.GeneratedCorner());
    for (int col = 1; col <= sheet.size; ++col)
        grid.SetCells(col, 0, QString::number(top[col - 1]));
}

void ClearSheet(GridCells& grid, const DrillSheet& sheet) {
    EmptyCells(grid);
    grid.SetCells(0, 0, sheet.ClearedCorner());
}
