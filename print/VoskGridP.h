// TVoskSGridPrinter prints one string grid into the print job the owner has
// opened: every cell becomes a box with its text, scaled from the grid's
// screen resolution to the printer's, so a grid pixel prints as large as it
// looks on the screen. A grid too large for one page is cut into bands of
// whole columns and whole rows, with the fixed rows and columns repeated on
// every page unless DrawFixedArea is off. Drawing errors never leave it: a
// broken page or print simply ends.
#pragma once

#include "platform/print/Printer.h"

#include <QObject>
#include <QRect>
#include <functional>
#include <vector>

class TStringGrid;
class TVoskSGridPrinter;

using TNotifyEvent = std::function<void(TVoskSGridPrinter* Sender)>;
// Takes over the drawing of one cell; Rect is in printer pixels.
using TDrawCellProc = std::function<void(int ACol, int ARow, QRect Rect)>;

class TVoskSGridPrinter : public QObject {
    Q_OBJECT
    Q_PROPERTY(int MojiTop READ MojiTop WRITE SetMojiTop)
    Q_PROPERTY(int MojiLeft READ MojiLeft WRITE SetMojiLeft)
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE SetLeftMargin)
    Q_PROPERTY(int TopMargin READ TopMargin WRITE SetTopMargin)
    Q_PROPERTY(int RightMargin READ RightMargin WRITE SetRightMargin)
    Q_PROPERTY(int BottomMargin READ BottomMargin WRITE SetBottomMargin)
    Q_PROPERTY(int ScreenRatioX READ ScreenRatioX WRITE SetScreenRatioX)
    Q_PROPERTY(int ScreenRatioY READ ScreenRatioY WRITE SetScreenRatioY)
    Q_PROPERTY(int NormalGridWidth READ NormalGridWidth WRITE SetNormalGridWidth)
    Q_PROPERTY(int FixedGridWidth READ FixedGridWidth WRITE SetFixedGridWidth)
    Q_PROPERTY(bool DrawFixedArea READ DrawFixedArea WRITE SetDrawFixedArea)

public:
    // printer is the process-wide one unless given.
    explicit TVoskSGridPrinter(TPrinter& printer, QObject* owner = nullptr);
    ~TVoskSGridPrinter() override;

    // Events
    TNotifyEvent OnBeginPage; // before the first cell of every page
    TNotifyEvent OnEndPage;   // after the last cell of every page, LastY set
    TDrawCellProc OnDrawCell; // instead of the component's drawing of a cell

    // Text offset in a cell, grid pixels.
    int MojiTop() const { return mojiTop_; }
    void SetMojiTop(int value) { mojiTop_ = value; }
    int MojiLeft() const { return mojiLeft_; }
    void SetMojiLeft(int value) { mojiLeft_ = value; }
    // Margins in millimetres from the edges of the printable area.
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int value) { leftMargin_ = value; }
    int TopMargin() const { return topMargin_; }
    void SetTopMargin(int value) { topMargin_ = value; }
    int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int value) { rightMargin_ = value; }
    int BottomMargin() const { return bottomMargin_; }
    void SetBottomMargin(int value) { bottomMargin_ = value; }
    // Thousandths; kept for the owner, printing does not use them.
    int ScreenRatioX() const { return screenRatioX_; }
    void SetScreenRatioX(int value) { screenRatioX_ = value; }
    int ScreenRatioY() const { return screenRatioY_; }
    void SetScreenRatioY(int value) { screenRatioY_ = value; }
    // Not owned; while it is null, Print does nothing.
    TStringGrid* TargetGrid() const { return targetGrid_; }
    void SetTargetGrid(TStringGrid* grid) { targetGrid_ = grid; }
    // Pen widths of the boxes in printer pixels; a value below 1 is refused.
    int NormalGridWidth() const { return normalGridWidth_; }
    void SetNormalGridWidth(int value);
    int FixedGridWidth() const { return fixedGridWidth_; }
    void SetFixedGridWidth(int value);
    // Repeat the fixed rows and columns on every page.
    bool DrawFixedArea() const { return drawFixedArea_; }
    void SetDrawFixedArea(bool value);

    // Prints TargetGrid into the open job, starting on the current page.
    void Print();
    // Millimetres to printer pixels across; 0 before the first Print.
    int MmToPixelX(int mm) const;
    // The point size that makes text on Canvas mm millimetres tall, measured
    // with its current font; -1 when it cannot measure.
    int MmToFontSize(int mm) const;

    // Valid after a Print, kept until the next.
    PrinterCanvas* Canvas() const { return canvas_; }
    // The printable area's width, in printer pixels.
    int PageWidthPixels() const { return printer_.PageWidth(); }
    int LastY() const { return lastY_; }
    int ColPage() const { return colPage_; }
    int RowPage() const { return rowPage_; }
    int ColPages() const { return int(colStart_.size()); }
    int RowPages() const { return int(rowStart_.size()); }
    int PageCount() const { return ColPages() * RowPages(); }
    // First column (row) of a band, bands counted from 1.
    int ColStart(int band) const { return colStart_.at(std::size_t(band - 1)); }
    int RowStart(int band) const { return rowStart_.at(std::size_t(band - 1)); }

protected:
    // The resolution the grid's pixels are drawn at on its screen.
    virtual int GridDpiX() const;
    virtual int GridDpiY() const;

private:
    void layout();
    void layoutBands(std::vector<int>& starts, int count, int fixed, int printable,
                     const std::function<int(int)>& sizePx) const;
    void printPage(int colBand, int rowBand);
    void prepareCanvas(const TStringGrid& grid);
    void printRow(const TStringGrid& grid, int row, long double& y, int firstCol, int lastCol);
    void printCell(const TStringGrid& grid, int col, int row, bool fixed, long double& x, long double y,
                   long double h);

    TPrinter& printer_;
    TStringGrid* targetGrid_ = nullptr;
    PrinterCanvas* canvas_ = nullptr;

    int mojiTop_ = 2;
    int mojiLeft_ = 2;
    int leftMargin_ = 10;
    int topMargin_ = 10;
    int rightMargin_ = 5;
    int bottomMargin_ = 10;
    int screenRatioX_ = 1000;
    int screenRatioY_ = 1000;
    int normalGridWidth_ = 1;
    int fixedGridWidth_ = 4;
    bool drawFixedArea_ = true;

    // Layout
    int printerDpiX_ = 0;
    int printerDpiY_ = 0;
    int gridDpiY_ = 96;
    long double ratioX_ = 0;
    long double ratioY_ = 0;
    int leftPx_ = 0;
    int topPx_ = 0;
    int rightPx_ = 0;
    int bottomPx_ = 0;
    int printableWidth_ = 0;
    int printableHeight_ = 0;
    std::vector<int> colStart_;
    std::vector<int> rowStart_;

    // Run-time state
    int lastY_ = 0;
    int colPage_ = 0;
    int rowPage_ = 0;
    int textOffsetX_ = 0;
    int textOffsetY_ = 0;
};
