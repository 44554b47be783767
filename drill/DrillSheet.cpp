#include "drill/DrillSheet.h"

#include <array>

namespace {
// clang-format off
constexpr std::array<DrillSheet, 4> kSheets{{
    {DrillKind::Addition,       10, Operation::Add,      true,  0,  "＋", "＋", "＋"},
    {DrillKind::Subtraction,    10, Operation::Subtract, true,  10, "－", "－", "－"},
    {DrillKind::Multiplication, 10, Operation::Multiply, true,  0,  "Ｘ", "x",  "X"},
    {DrillKind::Kuku,           8,  Operation::Multiply, false, 0,  "九九", "九九", "九九"},
}};
// clang-format on
} // namespace

std::span<const DrillSheet> DrillSheets() { return kSheets; }

const DrillSheet& SheetOf(DrillKind kind) { return kSheets[static_cast<std::size_t>(kind)]; }
