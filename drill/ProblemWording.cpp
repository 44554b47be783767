#include "drill/ProblemWording.h"

#include "drill/Judge.h"

#include <QCoreApplication>

namespace {
// The words are the read-aloud's, so a screen reader and the program's own
// voice say a problem alike, in the chosen language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReadAloud)
};
} // namespace

QString ProblemText(Operation operation, const QString& top, const QString& left) {
    const QString a = top.trimmed();
    const QString b = left.trimmed();
    if (a.isEmpty() || b.isEmpty())
        return {};
    switch (operation) {
    case Operation::Add:
        return Texts::tr("%1 たす %2").arg(a, b);
    case Operation::Subtract:
        return Texts::tr("%1 ひく %2").arg(a, b);
    case Operation::Multiply:
        return Texts::tr("%1 かける %2").arg(a, b);
    }
    return {};
}

QString CellProblem(const GridCells& grid, const DrillSheet& sheet, int col, int row) {
    if (col < 1 || row < 1 || col > sheet.size || row > sheet.size)
        return {};
    return ProblemText(sheet.operation, grid.Cells(col, 0), grid.Cells(0, row));
}

QString CellValueText(const QString& cellText) {
    //: what a screen reader says of an answer cell marked ○
    return cellText == kCorrectMark ? Texts::tr("正解") : cellText;
}

QString ScoreText(int correct, int fullScore) {
    return Texts::tr("せいかい は %1 こ、%2 もん ちゅう").arg(correct).arg(fullScore);
}
