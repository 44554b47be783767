#include "drill/Judge.h"

#include "drill/DrillTime.h"
#include "drill/ExpectedAnswer.h"

#include <QCoreApplication>

namespace {
// The verdicts a child reads after Stop, in the chosen language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Judge)
};

bool isComplete(const GridCells& grid, const DrillSheet& sheet) {
    for (int row = 1; row <= sheet.size; ++row)
        for (int col = 1; col <= sheet.size; ++col)
            if (grid.Cells(col, row).isEmpty())
                return false;
    return true;
}

QString scoreLine(int correct, const DrillSheet& sheet) {
    return Texts::tr("○ の数は、%1/%2 こです。").arg(correct).arg(sheet.FullScore());
}
} // namespace

JudgeResult JudgeSheet(GridCells& grid, const DrillSheet& sheet, std::uint32_t elapsedMs,
                       const QString& timeText, const QString& bestText) {
    JudgeResult result;
    if (!isComplete(grid, sheet))
        return result;
    for (int row = 1; row <= sheet.size; ++row)
        for (int col = 1; col <= sheet.size; ++col)
            if (grid.Cells(col, row) == ExpectedAnswer(grid, sheet.operation, col, row))
                grid.SetCells(col, row, kCorrectMark);
    for (int row = 1; row <= sheet.size; ++row)
        for (int col = 1; col <= sheet.size; ++col)
            if (grid.Cells(col, row) == kCorrectMark)
                ++result.correct;
    return JudgeResultOf(result.correct, sheet,
                         result.correct == sheet.FullScore() && IsNewBestTime(elapsedMs, timeText, bestText));
}

JudgeResult JudgeResultOf(int correct, const DrillSheet& sheet, bool faster) {
    JudgeResult result;
    result.correct = correct;
    if (correct != sheet.FullScore())
        result.outcome = JudgeResult::Outcome::Score;
    else if (faster)
        result.outcome = JudgeResult::Outcome::NewBest;
    else
        result.outcome = JudgeResult::Outcome::AllCorrect;
    return result;
}

QString JudgeMessage(const JudgeResult& result, const DrillSheet& sheet) {
    switch (result.outcome) {
    case JudgeResult::Outcome::Incomplete:
        return Texts::tr("未入力項目があります\nすへての升を埋めてから\nストップを押してください。");
    case JudgeResult::Outcome::NewBest:
        return Texts::tr("全問正解そのうえ\nベストタイムです。\nたいへんよくできました。");
    case JudgeResult::Outcome::AllCorrect:
        return scoreLine(result.correct, sheet) + Texts::tr("\n全問正解・よくできました。");
    case JudgeResult::Outcome::Score:
        return scoreLine(result.correct, sheet);
    }
    return {};
}
