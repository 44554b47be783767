// How a problem and a result are said aloud, in the chosen language's school
// words (Japanese: "7 たす 8", "15 ひく 6", "4 かける 9", and "は" before a
// result). Numbers stay digits, so a speech engine or a screen reader reads
// them as numbers.
#pragma once

#include "drill/DrillSheet.h"
#include "drill/GridCells.h"

#include <QString>

// "top word left", each operand trimmed; empty when either operand is missing,
// since a cell without both headers holds no problem yet.
QString ProblemText(Operation operation, const QString& top, const QString& left);

// The problem of answer cell (col, row) of a drill sheet, read from its headers.
QString CellProblem(const GridCells& grid, const DrillSheet& sheet, int col, int row);

// What a cell holds, as a listener should hear it: "正解" (in the chosen
// language) for a cell the judge
// marked correct, otherwise the typed text.
QString CellValueText(const QString& cellText);

// The result of a judged sheet: "せいかい は 95 こ、100 もん ちゅう".
QString ScoreText(int correct, int fullScore);
