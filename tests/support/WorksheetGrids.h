// Grids set up as the main window sets up the addition sheet and the name
// panel, for printing tests and the print benchmark.
#pragma once

#include "drill/DrillSheet.h"
#include "drill/ExpectedAnswer.h"
#include "widgets/Fonts.h"
#include "widgets/TStringGrid.h"

#include <QFont>
#include <memory>

inline QFont GothicBold(int pixels) { return LayoutFont(kGothicFace, pixels, true); }

// 11 x 11 cells of 60 x 39, the corner sign and the headers of a fresh problem.
inline std::unique_ptr<TStringGrid> MakeAdditionSheet() {
    auto grid = std::make_unique<TStringGrid>();
    grid->SetColCount(11);
    grid->SetRowCount(11);
    grid->SetDefaultColWidth(60);
    grid->SetDefaultRowHeight(39);
    grid->setFont(GothicBold(35));
    grid->SetCells(0, 0, SheetOf(DrillKind::Addition).GeneratedCorner());
    const int top[] = {3, 7, 0, 9, 5, 1, 8, 2, 6, 4};
    const int left[] = {8, 1, 5, 0, 9, 6, 2, 7, 4, 3};
    for (int i = 1; i <= 10; ++i) {
        grid->SetCells(i, 0, QString::number(top[i - 1]));
        grid->SetCells(0, i, QString::number(left[i - 1]));
    }
    return grid;
}

// 6 x 2 editable cells: column 0 is 190 wide, the others 95; rows of 49.
inline std::unique_ptr<TStringGrid> MakeNamePanel() {
    auto grid = std::make_unique<TStringGrid>();
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetDefaultColWidth(190);
    grid->SetDefaultRowHeight(49);
    grid->SetColCount(6);
    grid->SetRowCount(2);
    for (int col = 1; col < 6; ++col)
        grid->SetColWidths(col, 95);
    grid->setFont(GothicBold(24));
    return grid;
}
