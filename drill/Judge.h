// Judging a drill sheet at Stop: completeness, marking the correct answers
// with "○", counting them, and the decision on a new best time.
#pragma once

#include "drill/DrillSheet.h"
#include "drill/GridCells.h"

#include <cstdint>

inline const QString kCorrectMark = QStringLiteral("○");

struct JudgeResult {
    enum class Outcome { Incomplete, NewBest, AllCorrect, Score };
    Outcome outcome = Outcome::Incomplete;
    int correct = 0; // cells showing the mark, earlier marks included
};

// The outcome of a complete sheet with correct marks; faster tells whether
// the time beats the best time.
JudgeResult JudgeResultOf(int correct, const DrillSheet& sheet, bool faster);

// An incomplete sheet is left untouched. Otherwise every answer equal to the
// expected text becomes the mark; wrong answers stay as typed.
JudgeResult JudgeSheet(GridCells& grid, const DrillSheet& sheet, std::uint32_t elapsedMs,
                       const QString& timeText, const QString& bestText);

// The text of the message box that tells the child the result.
QString JudgeMessage(const JudgeResult& result, const DrillSheet& sheet);
