#include "drill/ExpectedAnswer.h"

long long HeaderValue(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

QString ExpectedAnswer(const GridCells& grid, Operation operation, int col, int row) {
    return ExpectedAnswer(operation, HeaderValue(grid.Cells(col, 0)), HeaderValue(grid.Cells(0, row)));
}

QString ExpectedAnswer(Operation operation, long long top, long long left) {
    switch (operation) {
    case Operation::Add:
        return QString::number(top + left);
    case Operation::Subtract:
        return QString::number(top - left);
    case Operation::Multiply:
        return QString::number(top * left);
    }
    return {};
}

void FillAnswerKey(GridCells& grid, const DrillSheet& sheet) {
    for (int row = 1; row <= sheet.size; ++row)
        for (int col = 1; col <= sheet.size; ++col)
            grid.SetCells(col, row, ExpectedAnswer(grid, sheet.operation, col, row));
}
