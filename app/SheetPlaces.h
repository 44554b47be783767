// Where each drill sheet stands in the main window: its page, its grid and
// the grid's cell size, its two status panels, and the settings key of its
// best time.
#pragma once

#include "drill/DrillSheet.h"

#include <span>

struct SheetPlace {
    DrillKind kind;
    int pageIndex;
    const char* gridName;
    int colWidth; // grid pixels
    int rowHeight;
    int timePanel;       // status panel of the last time
    int bestPanel;       // status panel of the best time
    const char* bestKey; // key under "the highest score"
};

std::span<const SheetPlace> SheetPlaces();
const SheetPlace& PlaceOf(DrillKind kind);
// The sheet on a page of the page control; null for the pages without one.
const DrillSheet* SheetOnPage(int pageIndex);
