// The one table of the four drill sheets: everything in which the addition,
// subtraction, multiplication and times-table sheets differ.
#pragma once

#include "drill/DrillKind.h"

#include <QString>
#include <span>

enum class Operation { Add, Subtract, Multiply };

struct DrillSheet {
    DrillKind kind;
    int pageIndex;
    const char* gridName;
    int size;            // answer cells per row and per column
    Operation operation; // top header (op) left header
    bool randomHeaders;  // false: the times table, 2..9 in order
    int topOffset;       // added to the top header digits
    int colWidth;        // grid pixels
    int rowHeight;
    const char* startCorner;     // corner symbol at program start
    const char* generatedCorner; // after Start
    const char* clearedCorner;   // after Clear
    int timePanel;               // status panel of the last time
    int bestPanel;               // status panel of the best time
    const char* bestKey;         // key under "the highest score"

    int FullScore() const { return size * size; }
    QString StartCorner() const { return QString::fromUtf8(startCorner); }
    QString GeneratedCorner() const { return QString::fromUtf8(generatedCorner); }
    QString ClearedCorner() const { return QString::fromUtf8(clearedCorner); }
};

std::span<const DrillSheet> DrillSheets();
const DrillSheet& SheetOf(DrillKind kind);
// The sheet on a page of the page control; null for the pages without one.
const DrillSheet* SheetOnPage(int pageIndex);
