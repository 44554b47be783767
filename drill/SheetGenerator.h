// Filling a drill sheet with fresh operands, and emptying it.
#pragma once

#include "drill/DrillSheet.h"
#include "drill/GridCells.h"
#include "drill/RandomSource.h"

#include <QList>

// One header order: the ten values offset .. offset + 9, each drawn as the
// last digit of a number from 0..98 and kept at its first appearance. The
// digit 9 therefore comes up a little less often and tends to stand back.
QList<int> DrawDistinctDigits(int offset, RandomSource& random);

struct SheetHeaders {
    QList<int> top;
    QList<int> left;
};

// Fresh random orders for the hundred-cell sheets, top first; 2..9 for the times table.
SheetHeaders DrawHeaders(const DrillSheet& sheet, RandomSource& random);

// Empties the sheet and writes its corner and headers: fresh random orders
// for the hundred-cell sheets, 2..9 for the times table.
void GenerateSheet(GridCells& grid, const DrillSheet& sheet, RandomSource& random);

// Empties every cell, then writes the after-Clear corner symbol.
void ClearSheet(GridCells& grid, const DrillSheet& sheet);

void EmptyCells(GridCells& grid);
