#include "app/SheetPlaces.h"

#include <array>

namespace {
// clang-format off
constexpr std::array<SheetPlace, 4> kPlaces{{
    {DrillKind::Addition,       0, "StringGrid1", 60, 39, 0, 1, "addition"},
    {DrillKind::Subtraction,    1, "StringGrid2", 60, 39, 2, 3, "subtraction"},
    {DrillKind::Multiplication, 2, "StringGrid3", 60, 39, 4, 5, "multiplication"},
    {DrillKind::Kuku,           3, "StringGrid5", 74, 48, 6, 7, "kuku"},
}};
// clang-format on
} // namespace

std::span<const SheetPlace> SheetPlaces() { return kPlaces; }

const SheetPlace& PlaceOf(DrillKind kind) { return kPlaces[static_cast<std::size_t>(kind)]; }

const DrillSheet* SheetOnPage(int pageIndex) {
    for (const SheetPlace& place : kPlaces)
        if (place.pageIndex == pageIndex)
            return &SheetOf(place.kind);
    return nullptr;
}
