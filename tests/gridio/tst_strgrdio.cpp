// TStringGridIO on a real grid: the exact bytes it writes, what it reads back,
// its failures, and the order in which it drives the spreadsheet.
#include "core/Cp932.h"
#include "core/VantelError.h"
#include "gridio/StrGrdIO.h"

#include "tests/support/FakeSpreadsheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void fill(TStringGrid& grid, const QList<QStringList>& rows) {
    grid.SetRowCount(int(rows.size()));
    grid.SetColCount(rows.isEmpty() ? 0 : int(rows[0].size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int k = 0; k < rows[r].size(); ++k)
            grid.SetCells(k, r, rows[r][k]);
}

QList<QStringList> contents(const TStringGrid& grid) {
    QList<QStringList> rows;
    for (int r = 0; r < grid.RowCount(); ++r) {
        QStringList row;
        for (int k = 0; k < grid.ColCount(); ++k)
            row << grid.Cells(k, r);
        rows << row;
    }
    return rows;
}

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const VantelError& error) {
        return error.Message();
    }
    return QString();
}
} // namespace

class TestStringGridIO : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    TStringGrid* grid_ = nullptr;
    FakeSpreadsheet* spreadsheet_ = nullptr;
    TStringGridIO* io_ = nullptr;
    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void init() {
        grid_ = new TStringGrid;
        grid_->SetColCount(6);
        grid_->SetRowCount(2);
        spreadsheet_ = new FakeSpreadsheet;
        io_ = new TStringGridIO(*spreadsheet_);
        io_->SetTargetGrid(grid_);
    }
    void cleanup() {
        delete io_;
        delete spreadsheet_;
        delete grid_;
    }

    void saveQuotedRow() {
        fill(*grid_, {{"12", "たしざん", "", " 3", "3 ", ".", "1e5", "e5", "1e"}});
        io_->SaveToText(path("q.csv"), u',', true);
        QCOMPARE(readBytes(path("q.csv")),
                 QByteArray("12,\"\x82\xbd\x82\xb5\x82\xb4\x82\xf1\",\"\", 3,\"3 \",.,1e5,e5,\"1e\"\r\n"));
        io_->SaveToText(path("p.csv"), u',', false);
        QCOMPARE(readBytes(path("p.csv")),
                 QByteArray("12,\x82\xbd\x82\xb5\x82\xb4\x82\xf1,, 3,3 ,.,1e5,e5,1e\r\n"));
    }

    void saveNamePanelTabSeparated() {
        io_->SaveToText(path("empty.txt"), u'\t', false);
        QCOMPARE(readBytes(path("empty.txt")), QByteArray("\t\t\t\t\t\r\n\t\t\t\t\t\r\n"));
        fill(*grid_, {{"1", "ねん", "2", "くみ", "", "な"}, {"a", "", "", "", "", "z"}});
        io_->SaveToText(path("names.txt"), u'\t', false);
        QCOMPARE(readBytes(path("names.txt")),
                 QByteArray("1\t\x82\xcb\x82\xf1\t2\t\x82\xad\x82\xdd\t\t\x82\xc8\r\na\t\t\t\t\tz\r\n"));
    }

    void saveHtmlPage() {
        fill(*grid_, {{"<b>x</b>", "A&B", "\"q\"", "", "たし", "😀"}});
        const QString file = path("a<&>\".html");
        io_->SaveToHTML(file);
        const QString expected =
            "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML i18n//EN\">\r\n"
            "<HTML>\r\n"
            "<HEAD>\r\n"
            "<TITLE>" +
            QString(file)
                .replace("&", "&amp;")
                .replace("<", "&lt;")
                .replace(">", "&gt;")
                .replace("\"", "&quot;") +
            "</TITLE>\r\n"
            "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;charset=Shift_JIS\">\r\n"
            "</HEAD>\r\n"
            "<BODY>\r\n"
            "\r\n"
            "<TABLE BORDER>\r\n"
            "<TR><TD>&lt;b&gt;x&lt;/b&gt;</TD><TD>A&amp;B</TD><TD>&quot;q&quot;</TD><TD></TD>"
            "<TD>たし</TD><TD>&#128512;</TD></TR>\r\n"
            "</TABLE>\r\n"
            "</BODY>\r\n"
            "</HTML>\r\n";
        QCOMPARE(FromCp932(readBytes(file)), expected);
        QVERIFY(readBytes(file).contains("<TD>\x82\xbd\x82\xb5</TD>"));
    }

    // Six columns, TAB: each line of the file against the row it gives.
    void loadSplitting_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("six") << QByteArray("one\ttwo\tthree\tfour\tfive\tsix")
                             << QStringList{"one", "two", "three", "four", "five", "six"};
        QTest::newRow("three") << QByteArray("one\ttwo\tthree")
                               << QStringList{"one", "two", "", "", "", "three"};
        QTest::newRow("one") << QByteArray("one") << QStringList{"", "", "", "", "", "one"};
        QTest::newRow("seven") << QByteArray("one\ttwo\tthree\tfour\tfive\tsix\tseven")
                               << QStringList{"one", "two", "three", "four", "five", "six\tseven"};
        QTest::newRow("empty line") << QByteArray("") << QStringList{"", "", "", "", "", ""};
        QTest::newRow("quotes are plain text")
            << QByteArray("\"a\tb\"") << QStringList{"\"a", "", "", "", "", "b\""};
    }
    void loadSplitting() {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, cells);
        fill(*grid_, {{"x", "x", "x", "x", "x", "x"}, {"keep", "", "", "", "", ""}});
        writeBytes(path("split.txt"), line + "\r\n");
        io_->LoadFromText(path("split.txt"), u'\t', false);
        QCOMPARE(contents(*grid_), (QList<QStringList>{cells, {"keep", "", "", "", "", ""}}));
    }

    void loadLineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << QByteArray("a\tb\r\nc\td\r\n");
        QTest::newRow("LF") << QByteArray("a\tb\nc\td\n");
        QTest::newRow("CR") << QByteArray("a\tb\rc\td\r");
        QTest::newRow("last without end") << QByteArray("a\tb\r\nc\td");
        QTest::newRow("third line ignored") << QByteArray("a\tb\nc\td\ne\tf\n");
    }
    void loadLineEnds() {
        QFETCH(QByteArray, bytes);
        fill(*grid_, {{"", ""}, {"", ""}});
        writeBytes(path("ends.txt"), bytes);
        io_->LoadFromText(path("ends.txt"), u'\t', false);
        QCOMPARE(contents(*grid_), (QList<QStringList>{{"a", "b"}, {"c", "d"}}));
    }

    void loadEmptyFileKeepsGrid() {
        fill(*grid_, {{"a", "b"}, {"c", "d"}});
        writeBytes(path("empty.txt"), "");
        io_->LoadFromText(path("empty.txt"), u'\t', false);
        QCOMPARE(contents(*grid_), (QList<QStringList>{{"a", "b"}, {"c", "d"}}));
    }

    void stretch() {
        io_->SetStretch(true);
        fill(*grid_, {{"a", "b"}, {"c", "d"}});
        writeBytes(path("s.txt"), "p\tq\r\n1\t2\t3\t4\t5\r\nx\ty\tz\r\n");
        io_->LoadFromText(path("s.txt"), u'\t', false);
        QCOMPARE(
            contents(*grid_),
            (QList<QStringList>{{"p", "", "", "", "q"}, {"1", "2", "3", "4", "5"}, {"x", "y", "", "", "z"}}));

        writeBytes(path("e.txt"), "");
        io_->LoadFromText(path("e.txt"), u'\t', false);
        QCOMPARE(contents(*grid_), (QList<QStringList>{{""}}));

        // Delimiters inside quoted values do not make columns when quoting is on.
        writeBytes(path("q.csv"), "\"a,b\",c\r\n");
        io_->LoadFromText(path("q.csv"), u',', true);
        QCOMPARE(contents(*grid_), (QList<QStringList>{{"a,b", "c"}}));
        io_->LoadFromText(path("q.csv"), u',', false);
        QCOMPARE(contents(*grid_), (QList<QStringList>{{"\"a", "b\"", "c"}}));
    }

    void roundTrip_data() {
        QTest::addColumn<QChar>("delimiter");
        QTest::addColumn<bool>("quoting");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<QList<QStringList>>("rows");
        const QList<QStringList> plain{{"3", "ねん", "1", "くみ", "やまだ　たろう", "ＡＢ"},
                                       {"", "~\\", "-0", "x y ", "<i>", ""}};
        const QList<QStringList> hard{{"さとう, はなこ", "\"あだな\"", "<script>", "a\"b", "", "12"},
                                      {"\"", ",", "1e", "\t", "2行\r\n目", "'\"'\"''"}};
        QTest::newRow("tab") << QChar(u'\t') << false << false << plain;
        QTest::newRow("comma") << QChar(u',') << false << false << plain;
        QTest::newRow("comma quoted") << QChar(u',') << true << false << hard;
        QTest::newRow("comma quoted, stretch") << QChar(u',') << true << true << hard;
        QTest::newRow("tab quoted") << QChar(u'\t') << true << false << hard;
    }
    void roundTrip() {
        QFETCH(QChar, delimiter);
        QFETCH(bool, quoting);
        QFETCH(bool, stretch);
        QFETCH(QList<QStringList>, rows);
        fill(*grid_, rows);
        io_->SetStretch(stretch);
        io_->SaveToText(path("rt.txt"), delimiter, quoting);
        io_->ClearCells();
        QCOMPARE(contents(*grid_), (QList<QStringList>(2, QStringList(6))));
        io_->LoadFromText(path("rt.txt"), delimiter, quoting);
        QCOMPARE(contents(*grid_), rows);
    }

    void missingFileLeavesGrid() {
        fill(*grid_, {{"a", "b"}, {"c", "d"}});
        io_->SetStretch(true);
        const QString missing = path("data.txt");
        QCOMPARE(errorOf([&] { io_->LoadFromText(missing, u'\t', false); }),
                 QString("ファイル %1 は開けません").arg(missing));
        QCOMPARE(errorOf([&] { io_->LoadFromText(dir_.path(), u'\t', false); }),
                 QString("ファイル %1 は開けません").arg(dir_.path()));
        QCOMPARE(contents(*grid_), (QList<QStringList>{{"a", "b"}, {"c", "d"}}));
    }

    void unwritableTarget_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "no/such/folder/out.txt";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("below a file") << "file/out.txt";
    }
    void unwritableTarget() {
        QFETCH(QString, name);
        QTemporaryDir here;
        QVERIFY(QDir(here.path()).mkdir("folder"));
        writeBytes(here.filePath("file"), "old");
        const QString target = here.filePath(name);
        const QString message = QString("ファイル %1 を作成できません").arg(target);
        QCOMPARE(errorOf([&] { io_->SaveToText(target, u'\t', false); }), message);
        QCOMPARE(errorOf([&] { io_->SaveToHTML(target); }), message);
        // Nothing written anywhere: no partial file, no stray temporary file.
        QCOMPARE(QDir(here.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 (QStringList{"file", "folder"}));
        QVERIFY(
            QDir(here.filePath("folder")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QCOMPARE(readBytes(here.filePath("file")), QByteArray("old"));
    }

    void invalidCodePageBytes() {
        // A lead byte before a TAB or a line end, undefined bytes, a lead byte cut off at the end.
        writeBytes(path("bad.txt"), QByteArray("\xff\x82\tok\x82\r\n\x80\tend\x82"));
        io_->SetStretch(true);
        io_->LoadFromText(path("bad.txt"), u'\t', false);
        QCOMPARE(contents(*grid_),
                 (QList<QStringList>{{"\uFFFD\uFFFD", "ok\uFFFD"}, {"\uFFFD", "end\uFFFD"}}));
    }

    void clearCellsKeepsSize() {
        fill(*grid_, {{"a", "b", "c", "d", "e", "f"}, {"g", "h", "i", "j", "k", "l"}});
        io_->ClearCells();
        QCOMPARE(contents(*grid_), (QList<QStringList>(2, QStringList(6))));
    }

    void noGridDoesNothing() {
        FakeSpreadsheet spreadsheet;
        TStringGridIO io(spreadsheet);
        io.SaveToText(path("none.txt"), u'\t', false);
        io.SaveToHTML(path("none.html"));
        io.LoadFromText(path("no-such-file.txt"), u'\t', false);
        io.TransferToExcel();
        io.ClearCells();
        QVERIFY(!QFile::exists(path("none.txt")));
        QVERIFY(!QFile::exists(path("none.html")));
        QVERIFY(spreadsheet.calls.isEmpty());

        // A grid that goes away is forgotten.
        auto* grid = new TStringGrid;
        io.SetTargetGrid(grid);
        delete grid;
        QCOMPARE(io.TargetGrid(), nullptr);
        io.ClearCells();
        io.LoadFromText(path("no-such-file.txt"), u'\t', false);
    }

    void transferOrder() {
        FakeSpreadsheet& spreadsheet = *spreadsheet_;
        fill(*grid_, {{"a", "1"}, {"", "ね"}});
        io_->TransferToExcel();
        QCOMPARE(spreadsheet.calls,
                 (QStringList{"Application",         "Visible=true",  "ScreenUpdating=false",
                              "WorkBooks.Add",       "WorkSheets(1)", "Activate",
                              "ActiveSheet",         "Cells(1,1)",    "Value=a",
                              "ActiveSheet",         "Cells(1,2)",    "Value=1",
                              "ActiveSheet",         "Cells(2,1)",    "Value=",
                              "ActiveSheet",         "Cells(2,2)",    "Value=ね",
                              "ScreenUpdating=true", "Release"}));
    }

    void transferNamePanelPlaces() {
        FakeSpreadsheet& spreadsheet = *spreadsheet_;
        grid_->SetCells(0, 0, "左上");
        grid_->SetCells(5, 1, "右下");
        io_->TransferToExcel();
        QCOMPARE(spreadsheet.cells.size(), 12);
        QCOMPARE(spreadsheet.cells.value({1, 1}), QString("左上"));
        QCOMPARE(spreadsheet.cells.value({2, 6}), QString("右下"));
    }

    void transferFailure_data() {
        QTest::addColumn<QString>("failAt");
        QTest::addColumn<QString>("lastCalls");
        QTest::newRow("workbook") << "WorkBooks.Add"
                                  << "WorkBooks.Add ScreenUpdating=true Release";
        QTest::newRow("sheet") << "Activate"
                               << "Activate ScreenUpdating=true Release";
        QTest::newRow("a cell") << "Cells(1,2)"
                                << "Cells(1,2) ScreenUpdating=true Release";
        QTest::newRow("a value") << "Value=1"
                                 << "Value=1 ScreenUpdating=true Release";
    }
    void transferFailure() {
        QFETCH(QString, failAt);
        QFETCH(QString, lastCalls);
        FakeSpreadsheet& spreadsheet = *spreadsheet_;
        spreadsheet.failAt = failAt;
        fill(*grid_, {{"a", "1"}, {"b", "2"}});
        QCOMPARE(errorOf([&] { io_->TransferToExcel(); }), "failed at " + failAt);
        const QStringList expected = lastCalls.split(' ');
        QCOMPARE(spreadsheet.calls.mid(spreadsheet.calls.size() - expected.size()), expected);
    }

    void transferWithoutSpreadsheet() {
        FakeSpreadsheet& spreadsheet = *spreadsheet_;
        spreadsheet.notInstalled = true;
        QCOMPARE(errorOf([&] { io_->TransferToExcel(); }), QString("not installed"));
        QCOMPARE(spreadsheet.calls, QStringList{"Application"});
    }
};

QTEST_MAIN(TestStringGridIO)
#include "tst_strgrdio.moc"
