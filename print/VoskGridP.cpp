#include "print/VoskGridP.h"
#include "core/Logging.h"

#include "widgets/TStringGrid.h"

#include <cstdlib>

namespace {
constexpr long double kMmPerInch = 25.4L;

// Every conversion to printer pixels keeps the integer part.
int px(long double value) { return int(value); }
} // namespace

TVoskSGridPrinter::TVoskSGridPrinter(TPrinter& printer, QObject* owner) : QObject(owner), printer_(printer) {
    layout();
}

TVoskSGridPrinter::~TVoskSGridPrinter() = default;

void TVoskSGridPrinter::SetNormalGridWidth(int value) {
    if (value >= 1)
        normalGridWidth_ = value;
}

void TVoskSGridPrinter::SetFixedGridWidth(int value) {
    if (value >= 1)
        fixedGridWidth_ = value;
}

void TVoskSGridPrinter::SetDrawFixedArea(bool value) {
    if (value == drawFixedArea_)
        return;
    drawFixedArea_ = value;
    layout();
}

int TVoskSGridPrinter::GridDpiX() const { return targetGrid_->ScreenDpiX(); }

int TVoskSGridPrinter::GridDpiY() const { return targetGrid_->ScreenDpiY(); }

void TVoskSGridPrinter::layout() {
    if (!targetGrid_)
        return;
    try {
        TPrinter& device = printer_;
        printerDpiX_ = device.DpiX();
        printerDpiY_ = device.DpiY();
        const int gridDpiX = GridDpiX();
        const int gridDpiY = GridDpiY();
        if (gridDpiX <= 0 || gridDpiY <= 0)
            return;
        gridDpiY_ = gridDpiY;
        ratioX_ = static_cast<long double>(printerDpiX_) / gridDpiX;
        ratioY_ = static_cast<long double>(printerDpiY_) / gridDpiY;

        leftPx_ = px(leftMargin_ / kMmPerInch * printerDpiX_);
        rightPx_ = px(rightMargin_ / kMmPerInch * printerDpiX_);
        topPx_ = px(topMargin_ / kMmPerInch * printerDpiY_);
        bottomPx_ = px(bottomMargin_ / kMmPerInch * printerDpiY_);
        printableWidth_ = device.PageWidth() - leftPx_ - rightPx_;
        printableHeight_ = device.PageHeight() - topPx_ - bottomPx_;

        const TStringGrid& grid = *targetGrid_;
        layoutBands(rowStart_, grid.RowCount(), grid.FixedRows(), printableHeight_,
                    [&](int row) { return px(grid.RowHeights(row) * ratioY_); });
        layoutBands(colStart_, grid.ColCount(), grid.FixedCols(), printableWidth_,
                    [&](int col) { return px(grid.ColWidths(col) * ratioX_); });
    } catch (...) {
        // A layout that fails keeps what it had computed.
        LogCurrentFailure(lcPrint(), "Laying out the grid's pages");
    }
}

// Whole rows (columns) fill a band until the next would cross the printable
// size; the fixed ones, repeated on every page, take their share first. A row
// larger than the page stands alone in its band and runs over the margin.
void TVoskSGridPrinter::layoutBands(std::vector<int>& starts, int count, int fixed, int printable,
                                    const std::function<int(int)>& sizePx) const {
    starts.clear();
    int fixedSize = 0;
    if (drawFixedArea_)
        for (int i = 0; i < fixed; ++i)
            fixedSize += sizePx(i);
    const int first = drawFixedArea_ ? fixed : 0;
    starts.push_back(first);
    int bandStart = first;
    int used = 0;
    int i = first;
    while (i < count) {
        used += sizePx(i);
        const int size = fixedSize + used;
        if (size < printable) {
            ++i;
        } else if (size == printable || i == bandStart) {
            // This one closes its band. Past the last one there is nothing
            // left to print, so no empty band follows.
            if (i + 1 < count) {
                starts.push_back(i + 1);
                bandStart = i + 1;
            }
            used = 0;
            ++i;
        } else {
            // It opens the next band and is measured again there.
            starts.push_back(i);
            bandStart = i;
            used = 0;
        }
    }
}

void TVoskSGridPrinter::Print() {
    if (!targetGrid_)
        return;
    try {
        canvas_ = &printer_.Canvas();
        layout();
        for (int colBand = 1; colBand <= ColPages(); ++colBand)
            for (int rowBand = 1; rowBand <= RowPages(); ++rowBand) {
                // The first page is whatever page the owner has open.
                if (colBand > 1 || rowBand > 1)
                    printer_.NewPage();
                printPage(colBand, rowBand);
            }
    } catch (...) {
        // Pages already drawn stay in the job; the owner carries on.
        LogCurrentFailure(lcPrint(), "Printing the grid");
    }
}

void TVoskSGridPrinter::prepareCanvas(const TStringGrid& grid) {
    canvas_->SetPenColor(Qt::black);
    canvas_->SetBrushStyle(BrushStyle::Clear);
    canvas_->AssignFont(grid.font(), grid.FontColor(), gridDpiY_);
}

void TVoskSGridPrinter::printPage(int colBand, int rowBand) {
    try {
        if (!targetGrid_)
            return;
        // The grid of this page, even if a handler reassigns TargetGrid meanwhile.
        const TStringGrid& grid = *targetGrid_;
        textOffsetX_ = px(mojiLeft_ * ratioX_);
        textOffsetY_ = px(mojiTop_ * ratioY_);
        colPage_ = colBand;
        rowPage_ = rowBand;

        prepareCanvas(grid);
        if (OnBeginPage)
            OnBeginPage(this);
        // Whatever the handler did to colours or font stays off the grid.
        prepareCanvas(grid);

        const int lastRow = rowBand == RowPages() ? grid.RowCount() - 1 : RowStart(rowBand + 1) - 1;
        const int lastCol = colBand == ColPages() ? grid.ColCount() - 1 : ColStart(colBand + 1) - 1;
        long double y = topPx_;
        if (drawFixedArea_)
            for (int row = 0; row < grid.FixedRows(); ++row)
                printRow(grid, row, y, ColStart(colBand), lastCol);
        for (int row = RowStart(rowBand); row <= lastRow; ++row)
            printRow(grid, row, y, ColStart(colBand), lastCol);
        lastY_ = px(y);

        if (OnEndPage)
            OnEndPage(this);
    } catch (...) {
        // The rest of this page is lost; the next page starts afresh.
        LogCurrentFailure(lcPrint(), "Printing a page of the grid");
    }
}

void TVoskSGridPrinter::printRow(const TStringGrid& grid, int row, long double& y, int firstCol,
                                 int lastCol) {
    long double x = leftPx_;
    const long double h = grid.RowHeights(row) * ratioY_;
    if (drawFixedArea_)
        for (int col = 0; col < grid.FixedCols(); ++col)
            printCell(grid, col, row, true, x, y, h);
    for (int col = firstCol; col <= lastCol; ++col)
        printCell(grid, col, row, col < grid.FixedCols() || row < grid.FixedRows(), x, y, h);
    y += h;
}

void TVoskSGridPrinter::printCell(const TStringGrid& grid, int col, int row, bool fixed, long double& x,
                                  long double y, long double h) {
    const long double w = grid.ColWidths(col) * ratioX_;
    const int left = px(x);
    const int top = px(y);
    const QRect rect(left, top, px(w), px(y + h) - top); // right and bottom edges excluded
    if (OnDrawCell) {
        OnDrawCell(col, row, rect);
    } else {
        const QString text = grid.Cells(col, row);
        if (!text.isEmpty())
            canvas_->TextRect(rect, left + textOffsetX_, top + textOffsetY_, text);
        // Drawn after the text, one pixel larger, so neighbouring boxes share
        // their border line.
        const int savedWidth = canvas_->PenWidth();
        canvas_->SetPenWidth(fixed ? fixedGridWidth_ : normalGridWidth_);
        canvas_->Rectangle(px(x), px(y), px(x + w + 1), px(y + h + 1));
        canvas_->SetPenWidth(savedWidth);
    }
    x += w;
}

int TVoskSGridPrinter::MmToPixelX(int mm) const { return px(mm / kMmPerInch * printerDpiX_); }

int TVoskSGridPrinter::MmToFontSize(int mm) const {
    try {
        if (!canvas_)
            return -1;
        const int height = std::abs(canvas_->TextHeight(QStringLiteral("XX")));
        const int dpi = printer_.DpiY();
        if (height == 0 || dpi <= 0)
            return -1;
        const long double inches = mm / kMmPerInch;
        return px(canvas_->FontSize() * inches / (static_cast<long double>(height) / dpi));
    } catch (...) {
        LogCurrentFailure(lcPrint(), "Measuring the printer font");
        return -1;
    }
}
