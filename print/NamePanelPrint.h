// The name panel at the head of a page, for printouts made away from the
// main window (the weak-fact worksheet): they need the panel, not the window.
#pragma once

#include "print/VoskGridP.h"

class NamePanelPrint {
public:
    virtual ~NamePanelPrint() = default;
    // Into the print job that is open, at the top of the page.
    virtual void PrintNamePanel() = 0;
};

// Through the grid printer set up on the name panel (SetUpNamePanelPrinter).
class GridNamePanelPrint final : public NamePanelPrint {
public:
    explicit GridNamePanelPrint(TVoskSGridPrinter& printer) : printer_(printer) {}
    void PrintNamePanel() override { printer_.Print(); }

private:
    TVoskSGridPrinter& printer_;
};
