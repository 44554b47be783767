// The name panel at the head of a page, for printouts made away from the
// main window (the weak-fact worksheet): they need the panel, not the window.
#pragma once

#include "print/VoskGridP.h"

#include <QPoint>
#include <QString>
#include <memory>

class GridCells;
class TStringGrid;

class NamePanelPrint {
public:
    virtual ~NamePanelPrint() = default;
    // Into the print job that is open, at the top of the page.
    virtual void PrintNamePanel() = 0;
    // The same with a child's name in the panel's name cell, for a page of
    // one child among many; the panel on screen keeps its own texts.
    virtual void PrintNamePanelFor(const QString& child) {
        Q_UNUSED(child);
        PrintNamePanel();
    }
};

// The cell that holds the child's name: the one right of a label "名前",
// "なまえ", "おなまえ" or "氏名" (below it when the label ends its row); with
// no label, the top-left cell. (-1, -1) for a panel without cells.
QPoint ChildNameCell(const GridCells& panel);

// Through the grid printer set up on the name panel (SetUpNamePanelPrinter).
class GridNamePanelPrint final : public NamePanelPrint {
public:
    explicit GridNamePanelPrint(TVoskSGridPrinter& printer);
    ~GridNamePanelPrint() override;
    void PrintNamePanel() override { printer_.Print(); }
    void PrintNamePanelFor(const QString& child) override;

private:
    TVoskSGridPrinter& printer_;
    std::unique_ptr<TStringGrid> copy_; // made at the first child's page
};
