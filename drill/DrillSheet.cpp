#include "drill/DrillSheet.h"

#include <array>

namespace {
// clang-format off
constexpr std::array<DrillSheet, 4> kSheets{{
    {DrillKind::Addition,       0, "StringGrid1", 10, Operation::Add,      true,  0,  60, 39, "＋", "＋", "＋", 0, 1, "addition"},
    {DrillKind::Subtraction,    1, "StringGrid2", 10, Operation::Subtract, true,  10, 60, 39, "－", "－", "－", 2, 3, "subtraction"},
    {DrillKind::Multiplication, 2, "StringGrid3", 10, Operation::Multiply, true,  0,  60, 39, "Ｘ", "x",  "X",  4, 5, "multiplication"},
    {DrillKind::Kuku,           3, "StringGrid5", 8,  Operation::Multiply, false, 0,  74, 48, "九九", "九九", "九九", 6, 7, "kuku"},
}};
// clang-format on
} // namespace

std::span<const DrillSheet> DrillSheets() { return kSheets; }

const DrillSheet& SheetOf(DrillKind kind) { return kSheets[static_cast<std::size_t>(kind)]; }

const DrillSheet* SheetOnPage(int pageIndex) {
    for (const DrillSheet& sheet : kSheets)
        if (sheet.pageIndex == pageIndex)
            return &sheet;
    return nullptr;
}
