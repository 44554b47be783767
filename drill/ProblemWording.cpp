#include "drill/ProblemWording.h"

#include "drill/Judge.h"

QString OperationWord(Operation operation) {
    switch (operation) {
    case Operation::Add:
        return QStringLiteral("たす");
    case Operation::Subtract:
        return QStringLiteral("ひく");
    case Operation::Multiply:
        return QStringLiteral("かける");
    }
    return {};
}

QString ProblemText(Operation operation, const QString& top, const QString& left) {
    const QString a = top.trimmed();
    const QString b = left.trimmed();
    if (a.isEmpty() || b.isEmpty())
        return {};
    return a + u' ' + OperationWord(operation) + u' ' + b;
}

QString CellProblem(const GridCells& grid, const DrillSheet& sheet, int col, int row) {
    if (col < 1 || row < 1 || col > sheet.size || row > sheet.size)
        return {};
    return ProblemText(sheet.operation, grid.Cells(col, 0), grid.Cells(0, row));
}

QString CellValueText(const QString& cellText) {
    return cellText == kCorrectMark ? QStringLiteral("正解") : cellText;
}

QString ScoreText(int correct, int fullScore) {
    return QStringLiteral("せいかい は %1 こ、%2 もん ちゅう").arg(correct).arg(fullScore);
}
