// Different numbered worksheets and their answer keys in one job: the
// headers of every sheet differ, each key answers its own sheet under the
// same number, a stopped preparation prints nothing, and the name panel can
// carry a child's name without the panel on screen changing.
#include "core/VantelError.h"
#include "drill/CellTable.h"
#include "drill/ExpectedAnswer.h"
#include "platform/print/PrinterQt.h"
#include "print/NamePanelPrint.h"
#include "print/NumberedSheets.h"
#include "print/PrintProgressDialog.h"
#include "print/VoskGridP.h"
#include "print/WorksheetPrint.h"

#include "tests/support/BracketTranslator.h"
#include "tests/support/PdfPanelJob.h"
#include "tests/support/PrintProgressCancel.h"
#include "tests/support/PdfText.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/WorksheetGrids.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
// The drill's grid as the main window lays it out.
std::unique_ptr<TStringGrid> layoutOf(DrillKind drill) {
    const DrillSheet& sheet = SheetOf(drill);
    auto grid = MakeAdditionSheet();
    grid->SetColCount(sheet.size + 1);
    grid->SetRowCount(sheet.size + 1);
    if (drill == DrillKind::Kuku) {
        grid->SetDefaultColWidth(74);
        grid->SetDefaultRowHeight(48);
    }
    return grid;
}

QList<int> sorted(QList<int> values) {
    std::sort(values.begin(), values.end());
    return values;
}

QList<int> range(int from, int count) {
    QList<int> values;
    for (int i = 0; i < count; ++i)
        values << from + i;
    return values;
}


struct Job {
    RecordingPrinter device;
    std::unique_ptr<TStringGrid> names = MakeNamePanel();
    TVoskSGridPrinter namePrinter{device};
    ScriptedRandom random;
    FakePrinterSetup setup;
    Job() {
        SetUpNamePanelPrinter(namePrinter, names.get());
        names->SetCells(0, 0, QStringLiteral("なまえ"));
    }
};

// One page of a sheet read back from the PDF: its number line and the grid's rows.
struct ReadSheet {
    QString number;
    QList<int> top;
    QList<int> left;
    QList<QList<int>> answers; // row by row
};

ReadSheet readSheet(const QString& pdf, int page, int size) {
    ReadSheet read;
    QStringList lines;
    for (const QString& line : PdfPageText(pdf, page).split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    for (const QString& line : lines)
        if (line.startsWith(QStringLiteral("No.")))
            read.number = line;
    // The grid: the row whose numbers are the top headers, then one row per left header.
    const qsizetype first =
        std::find_if(lines.cbegin(), lines.cend(),
                     [&](const QString& line) {
                         return NumbersIn(line).size() == size && !line.startsWith(QStringLiteral("No."));
                     }) -
        lines.cbegin();
    if (first + size >= lines.size())
        return read;
    read.top = NumbersIn(lines[first]);
    for (int row = 1; row <= size; ++row) {
        const QList<int> numbers = NumbersIn(lines[first + row]);
        if (numbers.isEmpty())
            return read;
        read.left << numbers.first();
        read.answers << numbers.mid(1);
    }
    return read;
}
} // namespace

class TestNumberedSheets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void everySheetHasItsOwnHeaders_data() {
        QTest::addColumn<int>("drill");
        QTest::newRow("たしざん") << int(DrillKind::Addition);
        QTest::newRow("ひきざん") << int(DrillKind::Subtraction);
        QTest::newRow("かけざん") << int(DrillKind::Multiplication);
        QTest::newRow("九九") << int(DrillKind::Kuku);
    }
    void everySheetHasItsOwnHeaders() {
        QFETCH(int, drill);
        const DrillSheet& sheet = SheetOf(DrillKind(drill));
        ScriptedRandom random;
        const QList<SheetHeaders> all = DrawDifferentHeaders(sheet, kMaxNumberedSheets, random);
        QCOMPARE(all.size(), kMaxNumberedSheets);
        QSet<QList<int>> tops;
        QSet<QList<int>> lefts;
        const int first = sheet.randomHeaders ? 0 : 2;
        for (const SheetHeaders& headers : all) {
            tops.insert(headers.top);
            lefts.insert(headers.left);
            QCOMPARE(sorted(headers.top), range(first + sheet.topOffset, sheet.size));
            QCOMPARE(sorted(headers.left), range(first, sheet.size));
        }
        QCOMPARE(tops.size(), kMaxNumberedSheets);
        QCOMPARE(lefts.size(), kMaxNumberedSheets);
        // Counts past the limits are brought back into 1..40.
        QCOMPARE(DrawDifferentHeaders(sheet, 0, random).size(), 1);
        QCOMPARE(DrawDifferentHeaders(sheet, 99, random).size(), kMaxNumberedSheets);
    }

    // A sheet whose top order repeats an earlier one is drawn again, even when its left order is new.
    void repeatedOrdersAreDrawnAgain() {
        const QList<int> a(7, 0);
        const QList<int> b(7, 1);
        ScriptedRandom random(a + b + a); // the second sheet's top would be the first sheet's
        const QList<SheetHeaders> two = DrawDifferentHeaders(SheetOf(DrillKind::Kuku), 2, random);
        QVERIFY(two[0].top != two[1].top);
        QVERIFY(two[0].left != two[1].left);

        ScriptedRandom stuck({0});
        QVERIFY_THROWS_EXCEPTION(VantelError, DrawDifferentHeaders(SheetOf(DrillKind::Kuku), 2, stuck));
    }

    // Sheets 1..N, then keys 1..N, each page with the name panel, the number and the notice.
    void pagesInOrderUnderThePanel() {
        Job job;
        auto layout = layoutOf(DrillKind::Addition);
        QList<QPair<int, int>> printed;
        PrintRunProgress progress;
        progress.printed = [&](int done, int total) { printed << qMakePair(done, total); };
        QVERIFY(PrintNumberedSheets(job.device, job.namePrinter, *layout, DrillKind::Addition, 3, job.random,
                                    progress));
        QCOMPARE(job.device.log,
                 (QStringList{"BeginDoc", "NewPage", "NewPage", "NewPage", "NewPage", "NewPage", "EndDoc"}));
        QCOMPARE(printed.size(), 6);
        QCOMPARE(printed.last(), qMakePair(6, 6));
        const int panelBottom = 236 + 2 * 306; // 10 mm down, two rows of 49 grid pixels at 600 dpi
        const int sheetTop = 1181;             // 50 mm
        for (int page = 1; page <= 6; ++page) {
            const QStringList texts = job.device.canvas.Texts(page);
            QCOMPARE(texts.first(), "なまえ");
            QCOMPARE(texts.size(), page <= 3 ? 1 + 21 : 1 + 121);
            const QList<CanvasCall> lines = job.device.canvas.Calls(CanvasCall::TextOut, page);
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines[0].text, kWorksheetNotice);
            QCOMPARE(lines[1].text, SheetNumberText((page - 1) % 3 + 1, page > 3));
            QVERIFY2(lines[1].at.y() >= panelBottom, qPrintable(QString::number(lines[1].at.y())));
            QVERIFY(lines[1].at.y() + job.device.canvas.TextHeight({}) <= sheetTop);
            QCOMPARE(lines[1].at.x(), 236); // the sheet's left edge
        }
        // The screen's grid is only the model of the pages.
        QCOMPARE(layout->Cells(1, 1), QString());
        QCOMPARE(SheetNumberText(3, false), "No. 3");
        QCOMPARE(SheetNumberText(12, true), "No. 12　こたえ");
    }

    void stoppedWhilePreparingPrintsNothing() {
        Job job;
        auto layout = layoutOf(DrillKind::Multiplication);
        int asked = 0;
        PrintRunProgress progress;
        progress.prepared = [&](int done, int total) {
            ++asked;
            return !(done == 2 && total == 5);
        };
        QVERIFY(!PrintNumberedSheets(job.device, job.namePrinter, *layout, DrillKind::Multiplication, 5,
                                     job.random, progress));
        QCOMPARE(asked, 2);
        QVERIFY(job.device.log.isEmpty());
        QVERIFY(job.device.canvas.calls.isEmpty());
    }

    void cancelInTheDialogPrintsNothing() {
        Job job;
        auto layout = layoutOf(DrillKind::Addition);
        job.setup.answer = false;
        CancelPrintProgressWhenShown();
        QVERIFY(!PrintNumberedSheetsCommand(nullptr, job.setup, job.device, job.namePrinter, *layout,
                                            DrillKind::Addition, 40, job.random));
        QCOMPARE(job.setup.shown, 1);
        QVERIFY(job.device.log.isEmpty());
    }

    // The PDF as a parent reads it: one file, sheets 1..N all different, each
    // key under the same number answering the sheet of that number.
    void pdfReadBack_data() {
        QTest::addColumn<int>("drill");
        QTest::addColumn<int>("count");
        QTest::newRow("たしざん 4") << int(DrillKind::Addition) << 4;
        QTest::newRow("ひきざん 3") << int(DrillKind::Subtraction) << 3;
        QTest::newRow("九九 3") << int(DrillKind::Kuku) << 3;
    }
    void pdfReadBack() {
        QFETCH(int, drill);
        QFETCH(int, count);
        if (!HavePdfToText())
            QSKIP("pdftotext is not installed");
        const DrillSheet& sheet = SheetOf(DrillKind(drill));
        PdfPanelJob job(QStringLiteral("sheets.pdf"));
        auto& [folder, pdf, names, namePrinter] = job;
        auto layout = layoutOf(DrillKind(drill));
        ScriptedRandom random;
        QVERIFY(PrintNumberedSheets(pdf, namePrinter, *layout, DrillKind(drill), count, random));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"sheets-1.pdf"});
        const QString file = pdf.LastOutputFile();
        QCOMPARE(PdfPageCount(file), 2 * count);
        // Kept to look at when asked for.
        if (const QString shots = qEnvironmentVariable("VANTEL_SHOT_DIR"); !shots.isEmpty())
            QFile::copy(file, QDir(shots).filePath(QStringLiteral("numbered-sheets-%1.pdf").arg(drill)));

        QList<ReadSheet> sheets;
        for (int page = 1; page <= 2 * count; ++page) {
            const ReadSheet read = readSheet(file, page, sheet.size);
            const bool key = page > count;
            const int number = (page - 1) % count + 1;
            // pdftotext gives the full-width space as a plain one.
            QCOMPARE(read.number.simplified(),
                     SheetNumberText(number, key).replace(u'　', u' ').simplified());
            QVERIFY(PdfPageText(file, page).contains(QStringLiteral("なまえ")));
            QCOMPARE(read.top.size(), sheet.size);
            QCOMPARE(read.left.size(), sheet.size);
            if (!key) {
                for (const QList<int>& row : read.answers)
                    QVERIFY(row.isEmpty());
                for (const ReadSheet& other : sheets) {
                    QVERIFY(other.top != read.top);
                    QVERIFY(other.left != read.left);
                }
                sheets << read;
                continue;
            }
            const ReadSheet& problems = sheets[number - 1];
            QCOMPARE(read.top, problems.top);
            QCOMPARE(read.left, problems.left);
            for (int row = 0; row < sheet.size; ++row) {
                QCOMPARE(read.answers[row].size(), sheet.size);
                for (int col = 0; col < sheet.size; ++col)
                    QCOMPARE(QString::number(read.answers[row][col]),
                             ExpectedAnswer(sheet.operation, read.top[col], read.left[row]));
            }
        }
    }

    void cancelledWithThePdfPrinterLeavesNoFile() {
        PdfPanelJob job(QStringLiteral("sheets.pdf"), false);
        auto& [folder, pdf, names, namePrinter] = job;
        auto layout = layoutOf(DrillKind::Addition);
        ScriptedRandom random;
        FakePrinterSetup setup;
        CancelPrintProgressWhenShown();
        QVERIFY(!PrintNumberedSheetsCommand(nullptr, setup, pdf, namePrinter, *layout, DrillKind::Addition,
                                            10, random));
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }

    void childsNameCell_data() {
        QTest::addColumn<QStringList>("cells"); // row 0, then row 1, 3 columns each
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("empty panel: top left") << QStringList(6, QString()) << QPoint(0, 0);
        QTest::newRow("right of なまえ") << QStringList{"なまえ", "", "", "", "", ""} << QPoint(1, 0);
        QTest::newRow("label with colon, second row")
            << QStringList{"3年", "2組", "", "名前：", "", ""} << QPoint(1, 1);
        QTest::newRow("label ending its row: below")
            << QStringList{"", "", "氏名", "", "", ""} << QPoint(2, 1);
        QTest::newRow("no label: the typed name is replaced")
            << QStringList{"はなこ", "3年", "", "", "", ""} << QPoint(0, 0);
    }
    void childsNameCell() {
        QFETCH(QStringList, cells);
        QFETCH(QPoint, expected);
        CellTable panel(3, 2);
        for (int i = 0; i < cells.size(); ++i)
            panel.SetCells(i % 3, i / 3, cells[i]);
        QCOMPARE(ChildNameCell(panel), expected);
        QCOMPARE(ChildNameCell(CellTable(0, 0)), QPoint(-1, -1));
    }

    // A teacher working in another language labels the cell in its words.
    void childsNameCellInTheChosenLanguage() {
        CellTable panel(3, 2);
        panel.SetCells(1, 0, QStringLiteral("[なまえ]："));
        QCOMPARE(ChildNameCell(panel), QPoint(0, 0));
        BracketTranslator brackets;
        QCoreApplication::installTranslator(&brackets);
        QCOMPARE(ChildNameCell(panel), QPoint(2, 0));
        QCoreApplication::removeTranslator(&brackets);
    }

    // The child's name goes into the printed panel only; the single print is unchanged.
    void panelForAChildLeavesTheScreenAlone() {
        Job job;
        job.names->SetCells(1, 1, QStringLiteral("3年2組"));
        GridNamePanelPrint panel(job.namePrinter);
        int changes = 0;
        QObject::connect(job.names.get(), &TStringGrid::CellTextChanged, [&] { ++changes; });
        job.device.BeginDoc();
        panel.PrintNamePanelFor(QStringLiteral("さくら"));
        job.device.NewPage();
        panel.PrintNamePanelFor(QStringLiteral("はると"));
        job.device.NewPage();
        panel.PrintNamePanel();
        job.device.EndDoc();
        QCOMPARE(job.device.canvas.Texts(1), (QStringList{"なまえ", "さくら", "3年2組"}));
        QCOMPARE(job.device.canvas.Texts(2), (QStringList{"なまえ", "はると", "3年2組"}));
        QCOMPARE(job.device.canvas.Texts(3), (QStringList{"なまえ", "3年2組"}));
        QCOMPARE(job.device.canvas.Calls(CanvasCall::Rectangle, 1).size(), 12);
        QCOMPARE(job.device.canvas.Calls(CanvasCall::Rectangle, 1).first().rect,
                 job.device.canvas.Calls(CanvasCall::Rectangle, 3).first().rect);
        QCOMPARE(job.names->Cells(1, 0), QString());
        QCOMPARE(changes, 0);
        QCOMPARE(job.namePrinter.TargetGrid(), job.names.get());
    }

    // A long name is printed whole: the panel's letters shrink on paper, every
    // cell keeps its place, and the panel on screen keeps its font.
    void longNameShrinksThePanelOnPaper() {
        Job job;
        job.names->SetCells(1, 1, QStringLiteral("3年2組"));
        GridNamePanelPrint panel(job.namePrinter);
        const QString longName = QStringLiteral("たかはし みなみ　あおい");
        const QFont onScreen = job.names->font();
        job.device.BeginDoc();
        panel.PrintNamePanelFor(QStringLiteral("さくら"));
        job.device.NewPage();
        panel.PrintNamePanelFor(longName);
        job.device.EndDoc();
        const auto shortCells = job.device.canvas.Calls(CanvasCall::Rectangle, 1);
        const auto longCells = job.device.canvas.Calls(CanvasCall::Rectangle, 2);
        QCOMPARE(longCells.size(), shortCells.size());
        for (int i = 0; i < shortCells.size(); ++i)
            QCOMPARE(longCells[i].rect, shortCells[i].rect);
        QCOMPARE(job.device.canvas.Texts(2), (QStringList{"なまえ", longName, "3年2組"}));
        const auto sizeOf = [&](const QString& text, int page) {
            for (const CanvasCall& call : job.device.canvas.Calls(CanvasCall::TextRect, page))
                if (call.text == text)
                    return call.fontSize;
            return -1;
        };
        QVERIFY(sizeOf(longName, 2) > 0);
        QVERIFY(sizeOf(longName, 2) < sizeOf(QStringLiteral("さくら"), 1));
        QCOMPARE(job.names->font(), onScreen);
    }
};

QTEST_MAIN(TestNumberedSheets)
#include "tst_numberedsheets.moc"
