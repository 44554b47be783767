// The one table of the four drill sheets: the rules in which the addition,
// subtraction, multiplication and times-table sheets differ. Where each
// sheet stands in the window is the window's own table.
#pragma once

#include "drill/DrillKind.h"

#include <QString>
#include <span>

enum class Operation { Add, Subtract, Multiply };

struct DrillSheet {
    DrillKind kind;
    int size;                    // answer cells per row and per column
    Operation operation;         // top header (op) left header
    bool randomHeaders;          // false: the times table, 2..9 in order
    int topOffset;               // added to the top header digits
    const char* startCorner;     // corner symbol at program start
    const char* generatedCorner; // after Start
    const char* clearedCorner;   // after Clear

    int FullScore() const { return size * size; }
    QString StartCorner() const { return QString::fromUtf8(startCorner); }
    QString GeneratedCorner() const { return QString::fromUtf8(generatedCorner); }
    QString ClearedCorner() const { return QString::fromUtf8(clearedCorner); }
};

std::span<const DrillSheet> DrillSheets();
const DrillSheet& SheetOf(DrillKind kind);
