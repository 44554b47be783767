// The correct text of an answer cell, from its column and row headers. The
// judges and the answer-key commands share this one rule.
#pragma once

#include "drill/DrillSheet.h"
#include "drill/GridCells.h"

// A header text read as a decimal integer; anything else counts as 0.
long long HeaderValue(const QString& text);

QString ExpectedAnswer(Operation operation, long long top, long long left);
QString ExpectedAnswer(const GridCells& grid, Operation operation, int col, int row);

// Writes the correct answer into every answer cell: the answer key.
void FillAnswerKey(GridCells& grid, const DrillSheet& sheet);
