// The real printer writing PDF files: numbering that never overwrites, the
// resolution and printable area, a job that cannot start, and a worksheet
// rendered back to pixels to see that everything stands where it should.
#include "core/VantelError.h"
#include "platform/print/PrinterOnFirstUse.h"
#include "platform/print/PrinterQt.h"
#include "print/VoskGridP.h"
#include "print/WorksheetPrint.h"

#include "tests/support/WorksheetGrids.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

PrinterChoice pdfIn(const QString& folder) {
    PrinterChoice choice;
    choice.pdfBase = QDir(folder).filePath(QStringLiteral("Vantel-プリント.pdf"));
    return choice;
}

// Rendering at 100 dpi: a millimetre is 100 / 25.4 pixels; the printable area
// starts 10 pt in from the paper's edge.
constexpr double kRenderDpi = 100;
constexpr double kMarginPx = 10.0 / 72 * kRenderDpi;
double mm(double value) { return value / 25.4 * kRenderDpi; }

bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

int longestDarkRun(const QImage& image, int y) {
    int longest = 0;
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
        run = dark(image, x, y) ? run + 1 : 0;
        longest = qMax(longest, run);
    }
    return longest;
}

// The first row at or below from that holds a line at least minLength long.
int lineAtOrBelow(const QImage& image, int from, int minLength) {
    for (int y = from; y < image.height(); ++y)
        if (longestDarkRun(image, y) >= minLength)
            return y;
    return -1;
}

int firstDarkX(const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x)
        if (dark(image, x, y))
            return x;
    return -1;
}

// A word of the text layer, its box in points from the paper's top left.
struct PdfWord {
    QString text;
    QRectF box;
};

QList<PdfWord> wordsOf(const QString& pdf) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    run.waitForFinished();
    const QString xhtml = QString::fromUtf8(run.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(xhtml)) {
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.append({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

// The words whose box starts inside area, left to right.
QString textStartingIn(const QList<PdfWord>& words, const QRectF& area, QRectF* box = nullptr) {
    QList<PdfWord> inside;
    for (const PdfWord& word : words)
        if (area.contains(word.box.topLeft()))
            inside.append(word);
    std::sort(inside.begin(), inside.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
    QString text;
    QRectF united;
    for (const PdfWord& word : inside) {
        text += word.text;
        united = united.isNull() ? word.box : united.united(word.box);
    }
    if (box)
        *box = united;
    return text;
}

int inkIn(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += dark(image, x, y);
    return count;
}
} // namespace

class TestPrinterPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void numberedNames_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << "/d/Vantel-プリント.pdf" << 1 << "/d/Vantel-プリント-1.pdf";
        QTest::newRow("later") << "/d/Vantel-プリント.pdf" << 12 << "/d/Vantel-プリント-12.pdf";
        QTest::newRow("capital suffix") << "/d/sheet.PDF" << 2 << "/d/sheet-2.pdf";
        QTest::newRow("no suffix") << "/d/sheet" << 3 << "/d/sheet-3.pdf";
    }
    void numberedNames() {
        QFETCH(QString, base);
        QFETCH(int, number);
        QFETCH(QString, expected);
        QCOMPARE(NumberedPdfName(base, number), expected);
    }

    void defaultIsAPdfInTheDocumentsFolder() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this system has a printer");
        const PrinterChoice choice = DefaultPrinterChoice();
        QVERIFY(choice.ToPdf());
        QCOMPARE(QFileInfo(choice.pdfBase).absolutePath(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(QFileInfo(NumberedPdfName(choice.pdfBase, 1)).fileName(),
                 QStringLiteral("Vantel-プリント-1.pdf"));
        QCOMPARE(choice.pageSize.id(), QPageSize::A4);
    }

    void systemPrinterMadeOnce() {
        PrinterOnFirstUse printer;
        QCOMPARE(&printer.Real(), &printer.Real());
        QCOMPARE(printer.DpiX(), 600);
        QVERIFY(!printer.Printing());
    }

    void eachPrintGoesToANewFile() {
        QTemporaryDir folder;
        QtPrinter printer;
        printer.SetChoice(pdfIn(folder.path()));
        const QString first = NumberedPdfName(printer.Choice().pdfBase, 1);
        writeFile(first, "keep");
        for (int number : {2, 3}) {
            printer.BeginDoc();
            QVERIFY(printer.Printing());
            printer.EndDoc();
            QCOMPARE(printer.LastOutputFile(), NumberedPdfName(printer.Choice().pdfBase, number));
            QVERIFY(readAll(printer.LastOutputFile()).startsWith(QStringLiteral("%PDF")));
        }
        QCOMPARE(readAll(first), QStringLiteral("keep"));
    }

    void missingFolderIsMade() {
        QTemporaryDir folder;
        QtPrinter printer;
        printer.SetChoice(pdfIn(folder.filePath(QStringLiteral("Documents"))));
        printer.BeginDoc();
        printer.EndDoc();
        QVERIFY(QFileInfo::exists(printer.LastOutputFile()));
    }

    void jobThatCannotStart() {
        QTemporaryDir folder;
        const QString notAFolder = folder.filePath(QStringLiteral("file"));
        writeFile(notAFolder, "x");
        QtPrinter printer;
        printer.SetChoice(pdfIn(QDir(notAFolder).filePath(QStringLiteral("sub"))));
        try {
            printer.BeginDoc();
            QFAIL("the job started");
        } catch (const VantelError& error) {
            QVERIFY(!error.Message().isEmpty());
        }
        QVERIFY(!printer.Printing());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"file"});
        // Nothing is being printed: drawing fails, the next job can start.
        QVERIFY_THROWS_EXCEPTION(VantelError, printer.Canvas().TextOut(0, 0, QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(VantelError, printer.EndDoc());
        printer.SetChoice(pdfIn(folder.path()));
        printer.BeginDoc();
        printer.EndDoc();
    }

    void resolutionAndPrintableArea_data() {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<double>("widthMm");
        QTest::addColumn<double>("heightMm");
        QTest::newRow("A4 portrait") << int(QPageLayout::Portrait) << 210.0 << 297.0;
        QTest::newRow("A4 landscape") << int(QPageLayout::Landscape) << 297.0 << 210.0;
    }
    void resolutionAndPrintableArea() {
        QFETCH(int, orientation);
        QFETCH(double, widthMm);
        QFETCH(double, heightMm);
        QTemporaryDir folder;
        QtPrinter printer;
        PrinterChoice choice = pdfIn(folder.path());
        choice.orientation = QPageLayout::Orientation(orientation);
        printer.SetChoice(choice);
        QCOMPARE(printer.DpiX(), 600);
        QCOMPARE(printer.DpiY(), 600);
        // The paper less 10 pt on each side.
        const auto printable = [](double paperMm) { return (paperMm / 25.4 - 20.0 / 72) * 600; };
        QVERIFY(qAbs(printer.PageWidth() - printable(widthMm)) <= 3);
        QVERIFY(qAbs(printer.PageHeight() - printable(heightMm)) <= 3);
    }

    // A grid longer than the page goes on over a new page of the same job.
    void longGridGoesOnToANewPage() {
        QTemporaryDir folder;
        QtPrinter printer;
        printer.SetChoice(pdfIn(folder.path()));
        auto sheet = MakeAdditionSheet();
        sheet->SetRowCount(40); // 40 rows of 10.3 mm
        TVoskSGridPrinter sheetPrinter(printer);
        sheetPrinter.SetTargetGrid(sheet.get());
        printer.BeginDoc();
        sheetPrinter.Print();
        printer.EndDoc();
        QCOMPARE(sheetPrinter.PageCount(), 2);
        const QString pdf = readAll(printer.LastOutputFile());
        QCOMPARE(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 2);
    }

    // The worksheet as the user gets it, rendered back at 100 dpi.
    void worksheetOnPaper_data() {
        QTest::addColumn<bool>("answers");
        QTest::newRow("blank worksheet") << false;
        QTest::newRow("answer key") << true;
    }
    void worksheetOnPaper() {
        QFETCH(bool, answers);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is not installed");
        QTemporaryDir folder;
        // VANTEL_KEEP_PRINTS=folder keeps the pages for a look.
        const QString keep = qEnvironmentVariable("VANTEL_KEEP_PRINTS");
        QtPrinter printer;
        printer.SetChoice(pdfIn(keep.isEmpty() ? folder.path() : keep));

        auto names = MakeNamePanel();
        auto sheet = MakeAdditionSheet();
        names->SetCells(0, 0, QStringLiteral("なまえ"));
        names->SetCells(1, 0, QStringLiteral("1年"));
        if (answers)
            FillAnswerKey(*sheet, SheetOf(DrillKind::Addition));
        TVoskSGridPrinter namePrinter(printer);
        TVoskSGridPrinter sheetPrinter(printer);
        SetUpNamePanelPrinter(namePrinter, names.get());
        SetUpSheetPrinter(sheetPrinter, sheet.get());
        PrintWorksheet(printer, namePrinter, sheetPrinter);

        const QString pdf = printer.LastOutputFile();
        const QString png = QFileInfo(pdf).absolutePath() + "/" + QFileInfo(pdf).completeBaseName();
        QCOMPARE(
            QProcess::execute(QStringLiteral("pdftoppm"), {"-r", "100", "-png", "-singlefile", pdf, png}), 0);
        const QImage page(png + ".png");
        QVERIFY(!page.isNull());
        QVERIFY(qAbs(page.width() - 827) <= 1); // one A4 page
        QVERIFY(inkIn(page, page.rect()) > 5000);

        // The name panel 10 mm below the top of the printable area, 10 mm in;
        // 6 columns of 665 grid pixels make a line of about 693 render pixels.
        const double left = kMarginPx + mm(10);
        const int panelTop = lineAtOrBelow(page, 0, 600);
        QVERIFY2(qAbs(panelTop - (kMarginPx + mm(10))) <= 2, qPrintable(QString::number(panelTop)));
        QVERIFY(qAbs(firstDarkX(page, panelTop) - left) <= 2);
        // The sheet 50 mm below it, past the panel's 2 rows (102 pixels).
        const int sheetTop = lineAtOrBelow(page, panelTop + 110, 600);
        QVERIFY2(qAbs(sheetTop - (kMarginPx + mm(50))) <= 2, qPrintable(QString::number(sheetTop)));
        QVERIFY(qAbs(firstDarkX(page, sheetTop) - left) <= 2);

        // Each answer box: 62.5 x 40.625 render pixels. Inside its lines it
        // holds ink exactly when answers were filled in, and the text keeps
        // clear of the box's bottom and right lines: nothing is cut off.
        const double cellW = 60.0 / 96 * kRenderDpi;
        const double cellH = 39.0 / 96 * kRenderDpi;
        const double top = kMarginPx + 1181.0 / 6;
        for (int row = 1; row <= 10; ++row)
            for (int col = 1; col <= 10; ++col) {
                const int x0 = int(left + col * cellW);
                const int y0 = int(top + row * cellH);
                const int x1 = int(left + (col + 1) * cellW);
                const int y1 = int(top + (row + 1) * cellH);
                const QString where = QStringLiteral("cell %1,%2").arg(col).arg(row);
                const QRect inside(x0 + 3, y0 + 3, x1 - x0 - 6, y1 - y0 - 6);
                QVERIFY2((inkIn(page, inside) > 20) == answers, qPrintable(where));
                const QRect aboveBottom(x0 + 3, y1 - 3, x1 - x0 - 6, 2);
                const QRect beforeRight(x1 - 3, y0 + 3, 2, y1 - y0 - 6);
                QVERIFY2(inkIn(page, aboveBottom) == 0 && inkIn(page, beforeRight) == 0, qPrintable(where));
            }

        // The notice starts 20 mm in, right under the sheet, and is about 8 mm tall.
        const int sheetBottom = int(top + 11 * cellH);
        const QRect notice(0, sheetBottom + 2, page.width(), int(mm(8)));
        QVERIFY(inkIn(page, notice) > 200);
        int noticeLeft = page.width();
        for (int y = notice.top(); y <= notice.bottom(); ++y)
            noticeLeft = qMin(noticeLeft, firstDarkX(page, y) < 0 ? page.width() : firstDarkX(page, y));
        QVERIFY2(qAbs(noticeLeft - (kMarginPx + mm(20))) <= 4, qPrintable(QString::number(noticeLeft)));
        QCOMPARE(
            inkIn(page, QRect(0, notice.bottom() + 8, page.width(), page.height() - notice.bottom() - 8)), 0);
    }

    // The printed answer key is text: every header and answer, the name
    // panel's texts and the notice, each where the page has drawn it all
    // along (2 grid pixels in from its box's top-left corner).
    void answerKeyIsText() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QTemporaryDir folder;
        QtPrinter printer;
        printer.SetChoice(pdfIn(folder.path()));
        auto names = MakeNamePanel();
        auto sheet = MakeAdditionSheet();
        names->SetCells(0, 0, QStringLiteral("なまえ"));
        names->SetCells(1, 0, QStringLiteral("1年"));
        names->SetCells(5, 1, QStringLiteral("3組"));
        FillAnswerKey(*sheet, SheetOf(DrillKind::Addition));
        TVoskSGridPrinter namePrinter(printer);
        TVoskSGridPrinter sheetPrinter(printer);
        SetUpNamePanelPrinter(namePrinter, names.get());
        SetUpSheetPrinter(sheetPrinter, sheet.get());
        PrintWorksheet(printer, namePrinter, sheetPrinter);
        const QList<PdfWord> words = wordsOf(printer.LastOutputFile());

        // In points: the printable area starts 10 pt in; a grid pixel is 0.75 pt.
        const double margin = 10;
        const double left = margin + 10 / 25.4 * 72;
        const double px = 0.75;
        const auto expectText = [&](const QString& text, double x, double y, const QString& where) {
            QRectF box;
            const QString found = textStartingIn(words, QRectF(x - 2, y - 4, 20, 12), &box);
            QVERIFY2(found == text,
                     qPrintable(QStringLiteral("%1: \"%2\", not \"%3\"").arg(where, found, text)));
            QVERIFY2(
                qAbs(box.left() - x) <= 0.5,
                qPrintable(QStringLiteral("%1 starts at x %2, not %3").arg(where).arg(box.left()).arg(x)));
        };

        // The sheet: 11 x 11 boxes of 60 x 39 grid pixels from 50 mm down (1181 printer pixels).
        const double sheetTop = margin + 1181.0 / 600 * 72;
        int cells = 0;
        for (int row = 0; row <= 10; ++row)
            for (int col = 0; col <= 10; ++col) {
                const double x = left + (col * 60 + 2) * px;
                const double y = sheetTop + (row * 39 + 2) * px;
                expectText(sheet->Cells(col, row), x, y, QStringLiteral("cell %1,%2").arg(col).arg(row));
                ++cells;
            }
        QCOMPARE(cells, 121);

        // The name panel from 10 mm down: column 0 is 190 wide, the others 95; rows of 49.
        const double panelTop = margin + 10 / 25.4 * 72;
        expectText(QStringLiteral("なまえ"), left + 2 * px, panelTop + 2 * px,
                   QStringLiteral("name panel 0,0"));
        expectText(QStringLiteral("1年"), left + (190 + 2) * px, panelTop + 2 * px,
                   QStringLiteral("name panel 1,0"));
        expectText(QStringLiteral("3組"), left + (190 + 4 * 95 + 2) * px, panelTop + (49 + 2) * px,
                   QStringLiteral("name panel 5,1"));

        // The notice 20 mm in, right under the sheet's last row.
        const double noticeTop = sheetTop + 11 * 39 * px;
        QRectF noticeBox;
        const QString notice =
            textStartingIn(words, QRectF(margin + 20 / 25.4 * 72 - 2, noticeTop - 4, 400, 12), &noticeBox);
        QCOMPARE(notice, QString(kWorksheetNotice).remove(QLatin1Char(' ')));
        QVERIFY(qAbs(noticeBox.left() - (margin + 20 / 25.4 * 72)) <= 0.5);

        // Nothing else, and nothing twice: every word belongs to one of the above.
        int expectedWords = 0;
        for (const PdfWord& word : words)
            expectedWords += !word.text.isEmpty();
        QCOMPARE(expectedWords, 121 + 3 + kWorksheetNotice.count(QLatin1Char(' ')) + 1);
    }
};

QTEST_MAIN(TestPrinterPdf)
#include "tst_printerpdf.moc"
