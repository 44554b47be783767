// The grid printer: scaling, boxes and text, page bands, events and failures,
// checked through a printer that records every call.
#include "print/VoskGridP.h"

#include "tests/support/RecordingPrinter.h"
#include "tests/support/WorksheetGrids.h"

#include <QTest>
#include <algorithm>

namespace {
// The grid's pixels are taken as 96 per inch whatever screen the test runs on.
class GridPrinter96 : public TVoskSGridPrinter {
public:
    explicit GridPrinter96(TPrinter& printer) : TVoskSGridPrinter(printer) {}

protected:
    int GridDpiX() const override { return 96; }
    int GridDpiY() const override { return 96; }
};

// A square grid whose columns and rows have the same sizes; cells read "col:row".
std::unique_ptr<TStringGrid> squareGrid(const QList<int>& sizes, int fixed) {
    auto grid = std::make_unique<TStringGrid>();
    grid->SetColCount(int(sizes.size()));
    grid->SetRowCount(int(sizes.size()));
    grid->SetFixedCols(fixed);
    grid->SetFixedRows(fixed);
    for (int i = 0; i < sizes.size(); ++i) {
        grid->SetColWidths(i, sizes[i]);
        grid->SetRowHeights(i, sizes[i]);
    }
    for (int row = 0; row < grid->RowCount(); ++row)
        for (int col = 0; col < grid->ColCount(); ++col)
            grid->SetCells(col, row, QStringLiteral("%1:%2").arg(col).arg(row));
    return grid;
}

// One grid pixel to one printer pixel, no margins: bands follow the sizes.
void noMargins(TVoskSGridPrinter& printer) {
    printer.SetLeftMargin(0);
    printer.SetTopMargin(0);
    printer.SetRightMargin(0);
    printer.SetBottomMargin(0);
}

QList<int> starts(const TVoskSGridPrinter& printer, bool columns) {
    QList<int> result;
    const int bands = columns ? printer.ColPages() : printer.RowPages();
    for (int band = 1; band <= bands; ++band)
        result.append(columns ? printer.ColStart(band) : printer.RowStart(band));
    return result;
}

// left, top, right, bottom of a cell rectangle, right and bottom excluded.
QList<int> edges(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}
QList<int> corners(const QRect& rect) { return {rect.left(), rect.top(), rect.right(), rect.bottom()}; }
} // namespace

class TestGridPrinter : public QObject {
    Q_OBJECT
private slots:
    // A 60 x 39 pixel cell of a 96 dpi screen on a 600 dpi printer.
    void workedExample() {
        RecordingPrinter device;
        auto grid = MakeAdditionSheet();
        grid->SetCells(5, 5, QStringLiteral("12"));
        GridPrinter96 printer(device);
        printer.SetTargetGrid(grid.get());
        printer.SetTopMargin(50);
        device.BeginDoc();
        printer.Print();

        const RecordingCanvas& canvas = device.canvas;
        const QList<CanvasCall> texts = canvas.Calls(CanvasCall::TextRect);
        const QList<CanvasCall> boxes = canvas.Calls(CanvasCall::Rectangle);
        QCOMPARE(texts.first().text, QStringLiteral("＋"));
        QCOMPARE(edges(texts.first().rect), (QList<int>{236, 1181, 611, 1424}));
        QCOMPARE(texts.first().at, QPoint(248, 1193));
        QCOMPARE(corners(boxes.first().rect), (QList<int>{236, 1181, 612, 1425}));
        QCOMPARE(printer.LastY(), 3862);
        QCOMPARE(boxes.size(), 121);
        QCOMPARE(texts.size(), 22); // the corner, 20 headers and one answer
        // The last box ends where the grid does: 11 x 375 and 11 x 243.75.
        QCOMPARE(corners(boxes.last().rect), (QList<int>{236 + 3750, 1181 + 2437, 236 + 4126, 3863}));
        // The answer (5, 5): x = 236 + 5 x 375, y = int(1181 + 5 x 243.75).
        const CanvasCall answer = *std::find_if(texts.begin(), texts.end(), [](const CanvasCall& call) {
            return call.text == QStringLiteral("12");
        });
        QCOMPARE(edges(answer.rect), (QList<int>{2111, 2399, 2486, 2643}));
        QCOMPARE(answer.fontSize, 26); // 35 pixels at 96 dpi
        QVERIFY(canvas.font.bold());
        QCOMPARE(answer.penColor, QColor(Qt::black));
        QCOMPARE(answer.brush, BrushStyle::Clear);
        // Headers and answers differ only in their pen.
        QCOMPARE(boxes[0].penWidth, 4);
        QCOMPARE(boxes[12].penWidth, 1); // cell (1, 1)
        QCOMPARE(canvas.penWidth, 1);    // put back after each box

        QCOMPARE(printer.PageCount(), 1);
        QCOMPARE(printer.ColPages(), 1);
        QCOMPARE(printer.RowPages(), 1);
        QCOMPARE(device.NewPages(), 0);
        QCOMPARE(printer.MmToPixelX(20), 472);
        // The recording canvas is 216 pixels high at 26 points: 8 mm is 22 points.
        QCOMPARE(printer.MmToFontSize(8), 22);
    }

    void beforeAnyPrint() {
        RecordingPrinter device;
        TVoskSGridPrinter printer(device);
        QCOMPARE(printer.MmToPixelX(20), 0);
        QCOMPARE(printer.MmToFontSize(8), -1);
        QVERIFY(!printer.Canvas());
    }

    void noGridPrintsNothing() {
        RecordingPrinter device;
        TVoskSGridPrinter printer(device);
        device.BeginDoc();
        printer.Print();
        QCOMPARE(device.log, QStringList{"BeginDoc"});
        QVERIFY(device.canvas.calls.isEmpty());
        QVERIFY(!printer.Canvas());
    }

    void gridDpiComesFromTheGrid() {
        RecordingPrinter device;
        auto grid = MakeAdditionSheet();
        TVoskSGridPrinter printer(device);
        printer.SetTargetGrid(grid.get());
        device.BeginDoc();
        printer.Print();
        const QRect first = device.canvas.Calls(CanvasCall::TextRect).first().rect;
        QCOMPARE(first.width(), 60 * 600 / grid->ScreenDpiX());
        qInfo("grid screen dpi %d x %d", grid->ScreenDpiX(), grid->ScreenDpiY());
    }

    void fontPointSize_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("points");
        QTest::newRow("sheet") << 35 << 96 << 26;
        QTest::newRow("name panel") << 24 << 96 << 18;
        QTest::newRow("half rounds up") << 14 << 96 << 11; // 10.5
        QTest::newRow("120 dpi screen") << 35 << 120 << 21;
    }
    void fontPointSize() {
        QFETCH(int, pixels);
        QFETCH(int, dpi);
        QFETCH(int, points);
        QCOMPARE(PointSizeOf(GothicBold(pixels), dpi), points);
    }

    // Sizes apply to both columns and rows of a square grid, so one table
    // checks both directions. Printer and grid pixels are alike, no margins.
    void bands_data() {
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<int>("fixed");
        QTest::addColumn<bool>("drawFixedArea");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("fits") << QList<int>{20, 30, 30} << 1 << true << QList<int>{1};
        QTest::newRow("row fills the rest exactly")
            << QList<int>{20, 30, 50, 40, 30} << 1 << true << QList<int>{1, 3};
        QTest::newRow("last row fills its band") << QList<int>{20, 30, 50} << 1 << true << QList<int>{1};
        QTest::newRow("row taller than the page")
            << QList<int>{20, 30, 150, 30} << 1 << true << QList<int>{1, 2, 3};
        QTest::newRow("last row taller than the page")
            << QList<int>{20, 30, 150} << 1 << true << QList<int>{1, 2};
        QTest::newRow("headers not repeated") << QList<int>{20, 30, 50, 40} << 1 << false << QList<int>{0, 3};
        QTest::newRow("headers alone fill the page")
            << QList<int>{120, 10, 10} << 1 << true << QList<int>{1, 2};
        QTest::newRow("crossing moves the row on")
            << QList<int>{10, 45, 45, 45, 45} << 1 << true << QList<int>{1, 3};
        QTest::newRow("only headers") << QList<int>{20} << 1 << true << QList<int>{1};
        QTest::newRow("no fixed cells") << QList<int>{60, 60} << 0 << true << QList<int>{0, 1};
    }
    void bands() {
        QFETCH(QList<int>, sizes);
        QFETCH(int, fixed);
        QFETCH(bool, drawFixedArea);
        QFETCH(QList<int>, expected);
        RecordingPrinter device(100, 100, 96);
        auto grid = squareGrid(sizes, fixed);
        GridPrinter96 printer(device);
        noMargins(printer);
        printer.SetDrawFixedArea(drawFixedArea);
        printer.SetTargetGrid(grid.get());
        device.BeginDoc();
        printer.Print();

        QCOMPARE(starts(printer, false), expected);
        QCOMPARE(starts(printer, true), expected);
        QCOMPARE(printer.PageCount(), int(expected.size() * expected.size()));
        QCOMPARE(device.NewPages(), printer.PageCount() - 1);
        // Every cell outside the repeated area is printed exactly once, and
        // the corner on every page when the headers repeat.
        const QStringList texts = device.canvas.Texts();
        for (int row = 0; row < grid->RowCount(); ++row)
            for (int col = 0; col < grid->ColCount(); ++col) {
                const bool repeated = drawFixedArea && (row < fixed || col < fixed);
                if (!repeated)
                    QCOMPARE(texts.count(grid->Cells(col, row)), 1);
            }
        if (fixed > 0)
            QCOMPARE(texts.count(QStringLiteral("0:0")), drawFixedArea ? printer.PageCount() : 1);
    }

    void pagesGoDownThenAcross() {
        RecordingPrinter device(100, 100, 96);
        auto grid = squareGrid({20, 60, 60}, 1);
        GridPrinter96 printer(device);
        noMargins(printer);
        printer.SetTargetGrid(grid.get());
        QStringList events;
        printer.OnBeginPage = [&](TVoskSGridPrinter* sender) {
            events.append(QStringLiteral("begin %1,%2").arg(sender->ColPage()).arg(sender->RowPage()));
            // Whatever the handler does to the canvas stays off the grid.
            sender->Canvas()->SetPenColor(Qt::green);
            sender->Canvas()->SetBrushStyle(BrushStyle::Solid);
        };
        printer.OnEndPage = [&](TVoskSGridPrinter* sender) {
            events.append(QStringLiteral("end %1").arg(sender->LastY()));
        };
        device.BeginDoc();
        printer.Print();
        QCOMPARE(events, (QStringList{"begin 1,1", "end 80", "begin 1,2", "end 80", "begin 2,1", "end 80",
                                      "begin 2,2", "end 80"}));
        for (const CanvasCall& call : device.canvas.calls) {
            QCOMPARE(call.penColor, QColor(Qt::black));
            QCOMPARE(call.brush, BrushStyle::Clear);
        }
        // Page (1, 2) shows the header row, then row 2, columns 0 and 1.
        QCOMPARE(device.canvas.Texts(2), (QStringList{"0:0", "1:0", "0:2", "1:2"}));
    }

    void headersWithoutRepeatKeepTheirPen() {
        RecordingPrinter device(100, 100, 96);
        auto grid = squareGrid({20, 60, 60}, 1);
        GridPrinter96 printer(device);
        noMargins(printer);
        printer.SetDrawFixedArea(false);
        printer.SetTargetGrid(grid.get());
        printer.SetNormalGridWidth(2);
        device.BeginDoc();
        printer.Print();
        // Page 1 holds rows and columns 0 and 1: three header boxes, one normal.
        QList<int> widths;
        for (const CanvasCall& call : device.canvas.Calls(CanvasCall::Rectangle, 1))
            widths.append(call.penWidth);
        QCOMPARE(widths, (QList<int>{4, 4, 4, 2}));
        QCOMPARE(device.canvas.Texts(4), QStringList{"2:2"});
    }

    void drawCellTakesOver() {
        RecordingPrinter device;
        auto grid = MakeAdditionSheet();
        GridPrinter96 printer(device);
        printer.SetTargetGrid(grid.get());
        printer.SetTopMargin(50);
        QList<QRect> rects;
        printer.OnDrawCell = [&](int col, int row, QRect rect) {
            if (row < 3 && col < 3)
                rects.append(rect);
        };
        device.BeginDoc();
        printer.Print();
        QVERIFY(device.canvas.calls.isEmpty());
        QCOMPARE(rects.size(), 9);
        QCOMPARE(edges(rects[0]), (QList<int>{236, 1181, 611, 1424}));
        QCOMPARE(edges(rects[2]), (QList<int>{986, 1181, 1361, 1424}));
        QCOMPARE(edges(rects[8]), (QList<int>{986, 1668, 1361, 1912}));
        QCOMPARE(printer.LastY(), 3862);
    }

    void penWidths_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("normal");
        QTest::addColumn<int>("fixed");
        QTest::newRow("zero refused") << 0 << 1 << 4;
        QTest::newRow("negative refused") << -3 << 1 << 4;
        QTest::newRow("one") << 1 << 1 << 1;
        QTest::newRow("wide") << 7 << 7 << 7;
    }
    void penWidths() {
        QFETCH(int, value);
        QFETCH(int, normal);
        QFETCH(int, fixed);
        RecordingPrinter device;
        TVoskSGridPrinter printer(device);
        printer.SetNormalGridWidth(value);
        printer.SetFixedGridWidth(value);
        QCOMPARE(printer.NormalGridWidth(), normal);
        QCOMPARE(printer.FixedGridWidth(), fixed);
    }

    void twoGridPrintersShareThePage() {
        RecordingPrinter device;
        auto names = MakeNamePanel();
        auto sheet = MakeAdditionSheet();
        GridPrinter96 namePrinter(device);
        namePrinter.SetTargetGrid(names.get());
        GridPrinter96 sheetPrinter(device);
        sheetPrinter.SetTargetGrid(sheet.get());
        sheetPrinter.SetTopMargin(50);
        device.BeginDoc();
        namePrinter.Print();
        sheetPrinter.Print();
        QCOMPARE(device.NewPages(), 0);
        const QList<CanvasCall> boxes = device.canvas.Calls(CanvasCall::Rectangle, 1);
        QCOMPARE(boxes.size(), 12 + 121);
        QCOMPARE(boxes[0].rect.top(), 236);
        QCOMPARE(boxes[0].rect.right(), 1424);    // int(236 + 1187.5 + 1)
        QCOMPARE(boxes[12].rect.top(), 1181);     // its own margin, not below the panel
        QCOMPARE(namePrinter.LastY(), 236 + 612); // 2 x 306.25
        QCOMPARE(boxes[0].penWidth, 1);           // no fixed cells in the panel
    }

    void layoutFollowsChangesBetweenPrints() {
        RecordingPrinter device;
        auto grid = MakeAdditionSheet();
        GridPrinter96 printer(device);
        printer.SetTargetGrid(grid.get());
        device.BeginDoc();
        printer.Print();
        printer.SetTopMargin(50);
        grid->SetRowHeights(10, 78);
        device.NewPage();
        printer.Print();
        QCOMPARE(device.canvas.Calls(CanvasCall::Rectangle, 2).first().rect.top(), 1181);
        QCOMPARE(printer.LastY(), int(1181 + 12 * 243.75));
    }

    // A failing device ends the page it breaks; later pages still print.
    void failureEndsOnlyItsPage() {
        RecordingPrinter device(100, 100, 96);
        auto grid = squareGrid({20, 60, 60}, 1);
        GridPrinter96 printer(device);
        noMargins(printer);
        printer.SetTargetGrid(grid.get());
        int ended = 0;
        printer.OnEndPage = [&](TVoskSGridPrinter*) { ++ended; };
        device.canvas.failAtCall = 1;
        device.BeginDoc();
        printer.Print();
        QCOMPARE(ended, 3);
        QCOMPARE(device.NewPages(), 3);
        QCOMPARE(device.canvas.Calls(CanvasCall::Rectangle, 1).size(), 0);
        QCOMPARE(device.canvas.Calls(CanvasCall::Rectangle, 4).size(), 4);
    }

    // The page goes on with the grid it started with.
    void handlerMayDropTheGrid() {
        RecordingPrinter device;
        auto grid = MakeAdditionSheet();
        GridPrinter96 printer(device);
        printer.SetTargetGrid(grid.get());
        printer.OnBeginPage = [](TVoskSGridPrinter* sender) { sender->SetTargetGrid(nullptr); };
        device.BeginDoc();
        printer.Print();
        QCOMPARE(device.canvas.Calls(CanvasCall::Rectangle).size(), 121);
    }

    void handlerFailureIsAbsorbed() {
        RecordingPrinter device;
        auto grid = MakeAdditionSheet();
        GridPrinter96 printer(device);
        printer.SetTargetGrid(grid.get());
        printer.OnBeginPage = [](TVoskSGridPrinter*) { throw VantelError(QStringLiteral("handler")); };
        device.BeginDoc();
        printer.Print();
        QVERIFY(device.canvas.calls.isEmpty());
    }
};

QTEST_MAIN(TestGridPrinter)
#include "tst_gridprinter.moc"
