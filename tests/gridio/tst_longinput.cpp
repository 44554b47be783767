// Long and hostile name-panel files: a 10 MB "data.txt", a line of 100,000
// cells and a line full of stray quotes load into the name panel with the
// right cells and bounded memory; a stretching load too large for any grid
// is refused with a message. The splitting of quoted values is checked
// against the plain definition on many random texts, since it no longer
// scans each value from scratch (that took quadratic time on stray quotes).
#include "core/VantelError.h"
#include "gridio/DelimitedText.h"
#include "gridio/StrGrdIO.h"
#include "tests/support/FakeSpreadsheet.h"
#include "tests/support/Measure.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryMeasurable = false; // the sanitizer keeps freed memory in quarantine
#else
constexpr bool kMemoryMeasurable = true;
#endif

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Where a value opening with a quote at `pos` ends, by the definition: scan
// from the opening quote, skipping doubled quotes, to a quote followed by a
// delimiter, a line break (when counted) or the end; -1 when not well quoted.
qsizetype referenceQuotedEnd(const QString& text, qsizetype pos, QChar delimiter, bool atBreaks) {
    for (qsizetype i = pos + 1; i < text.size(); ++i) {
        if (text[i] != u'"')
            continue;
        if (i + 1 < text.size() && text[i + 1] == u'"') {
            ++i;
            continue;
        }
        if (i + 1 == text.size())
            return i + 1;
        const QChar next = text[i + 1];
        if (next == delimiter || (atBreaks && (next == u'\r' || next == u'\n')))
            return i + 1;
        return -1;
    }
    return -1;
}

qsizetype referenceValueEnd(const QString& text, qsizetype pos, QChar delimiter, bool atBreaks) {
    if (pos < text.size() && text[pos] == u'"') {
        const qsizetype end = referenceQuotedEnd(text, pos, delimiter, atBreaks);
        if (end >= 0)
            return end;
    }
    while (pos < text.size() && text[pos] != delimiter &&
           !(atBreaks && (text[pos] == u'\r' || text[pos] == u'\n')))
        ++pos;
    return pos;
}

QStringList referenceRecords(const QString& text, QChar delimiter) {
    QStringList records;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype start = pos;
        for (;;) {
            pos = referenceValueEnd(text, pos, delimiter, true);
            if (pos < text.size() && text[pos] == delimiter)
                ++pos;
            else
                break;
        }
        while (pos < text.size() && text[pos] != u'\r' && text[pos] != u'\n')
            ++pos;
        records.append(text.mid(start, pos - start));
        if (pos < text.size())
            pos += (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n') ? 2 : 1;
    }
    return records;
}

int referenceDelimiterCount(const QString& record, QChar delimiter) {
    int count = 0;
    for (qsizetype pos = referenceValueEnd(record, 0, delimiter, false); pos < record.size();
         pos = referenceValueEnd(record, pos + 1, delimiter, false))
        ++count;
    return count;
}
} // namespace

class TestLongInput : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

    // The name panel as the program has it: 6 by 2, not stretching.
    struct Panel {
        TStringGrid grid;
        FakeSpreadsheet spreadsheet;
        TStringGridIO io{spreadsheet};
        Panel() {
            grid.SetColCount(6);
            grid.SetRowCount(2);
            io.SetTargetGrid(&grid);
        }
        QStringList row(int r) const {
            QStringList cells;
            for (int k = 0; k < 6; ++k)
                cells << grid.Cells(k, r);
            return cells;
        }
    };

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void tenMegabyteDataFile() {
        const QByteArray line = QByteArray("\x82\xe2\x82\xdc\x82\xbe\t3\t12\t\t\t2024/5/1\r\n"); // やまだ
        QByteArray bytes;
        while (bytes.size() < 10 * 1024 * 1024)
            bytes += line;
        const QString path = dir_.filePath("data.txt");
        writeFile(path, bytes);
        bytes.clear();
        bytes.squeeze();
        ResetPeak();
        const qint64 before = PeakMegabytes();
        Panel panel;
        panel.io.LoadFromText(path, u'\t', false);
        const QStringList expected{"やまだ", "3", "12", "", "", "2024/5/1"};
        QCOMPARE(panel.row(0), expected);
        QCOMPARE(panel.row(1), expected);
        if (kMemoryMeasurable)
            QVERIFY2(PeakMegabytes() - before < 200, qPrintable(QString::number(PeakMegabytes() - before)));
    }

    void lineOfHundredThousandCells_data() {
        QTest::addColumn<bool>("quoting");
        QTest::newRow("tab") << false;
        QTest::newRow("tab, quoted") << true;
    }
    void lineOfHundredThousandCells() {
        QFETCH(bool, quoting);
        QStringList cells;
        for (int k = 0; k < 100000; ++k)
            cells << (k % 2 ? QString::number(k) : QString("な%1").arg(k));
        const QString path = dir_.filePath("wide.txt");
        writeFile(path, DelimitedText::SaveTable({cells}, u'\t', quoting));

        Panel panel;
        panel.grid.SetCells(0, 1, "kept");
        panel.io.LoadFromText(path, u'\t', quoting);
        QCOMPARE(panel.row(0).mid(0, 5), cells.mid(0, 5));
        // The last cell takes the rest of the line, as it stands in the file.
        QCOMPARE(panel.row(0)[5], DelimitedText::JoinLine(cells.mid(5), u'\t', quoting));
        QCOMPARE(panel.grid.Cells(0, 1), QString("kept"));

        // Stretched, the grid takes every cell.
        TStringGrid wide;
        FakeSpreadsheet spreadsheet;
        TStringGridIO io(spreadsheet);
        io.SetTargetGrid(&wide);
        io.SetStretch(true);
        io.LoadFromText(path, u'\t', quoting);
        QCOMPARE(wide.ColCount(), 100000);
        QCOMPARE(wide.RowCount(), 1);
        QCOMPARE(wide.Cells(99999, 0), cells.last());
        QCOMPARE(wide.Cells(4, 0), cells[4]);
    }

    // A long line of `"""x,` once took time growing with the square of its length.
    void lineOfStrayQuotes() {
        QByteArray bytes;
        while (bytes.size() < 2 * 1024 * 1024)
            bytes += "\"\"\"x,";
        bytes += "\r\nsecond,row";
        const QString path = dir_.filePath("quotes.csv");
        writeFile(path, bytes);
        Panel panel;
        panel.io.LoadFromText(path, u',', true);
        // Each `"""x` is not well quoted (its closing quote is followed by x), so it stays as it is.
        QCOMPARE(panel.row(0).mid(0, 5), QStringList(5, "\"\"\"x"));
        QCOMPARE(panel.row(1), (QStringList{"second", "", "", "", "", "row"}));
    }

    void stretchTooLargeIsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray wide;
        for (int r = 0; r < 2000; ++r)
            wide += QByteArray(600, ',') + "\r\n";
        QTest::newRow("2000 rows of 601 cells") << wide;
        QTest::newRow("10 MB of empty lines") << QByteArray(10 * 1024 * 1024, '\n');
    }
    void stretchTooLargeIsRefused() {
        QFETCH(QByteArray, bytes);
        const QString path = dir_.filePath("huge.csv");
        writeFile(path, bytes);
        TStringGrid grid;
        grid.SetCells(0, 0, "kept");
        FakeSpreadsheet spreadsheet;
        TStringGridIO io(spreadsheet);
        io.SetTargetGrid(&grid);
        io.SetStretch(true);
        ResetPeak();
        const qint64 before = PeakMegabytes();
        QString message;
        try {
            io.LoadFromText(path, u',', false);
        } catch (const VantelError& error) {
            message = error.Message();
        }
        QCOMPARE(message, "ファイル " + path + " は大きすぎて読み込めません");
        QCOMPARE(grid.Cells(0, 0), QString("kept"));
        QCOMPARE(grid.ColCount(), 5);
        if (kMemoryMeasurable)
            QVERIFY2(PeakMegabytes() - before < 200, qPrintable(QString::number(PeakMegabytes() - before)));
    }

    // Random texts of quotes, delimiters, breaks and letters split exactly as
    // the definition says.
    void quotedSplittingMatchesDefinition() {
        QRandomGenerator random(15);
        const QString alphabet = QStringLiteral("\"\"\",,\r\na");
        for (int round = 0; round < 20000; ++round) {
            QString text;
            const int length = int(random.bounded(24));
            for (int i = 0; i < length; ++i)
                text += alphabet[int(random.bounded(alphabet.size()))];
            const QStringList records = DelimitedText::SplitRecords(text, u',', true);
            QCOMPARE(records, referenceRecords(text, u','));
            for (const QString& record : records)
                QCOMPARE(DelimitedText::DelimiterCount(record, u',', true),
                         referenceDelimiterCount(record, u','));
        }
    }
};

QTEST_MAIN(TestLongInput)
#include "tst_longinput.moc"
