// The class table as CSV: what a spreadsheet gets, names that look like
// formulas kept as text, and LibreOffice Calc reading the same cells back.
#include "classroom/ClassCsv.h"
#include "classroom/RosterImport.h"
#include "tests/support/CalcResave.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
ClassSummaryRow drillRow(const QString& child, DrillKind drill, int bestMs, int lastMs, qint64 week,
                         std::optional<int> trend, qint64 attempts) {
    ClassSummaryRow row;
    row.child = child;
    row.drill = drill;
    row.bestMs = bestMs;
    row.lastMs = lastMs;
    row.attempts7d = week;
    row.trendMs = trend;
    row.attempts = attempts;
    return row;
}

QList<QStringList> cells(const QByteArray& csv) {
    QList<QStringList> rows;
    for (const CsvRecord& record : ParseCsv(DecodeRosterText(csv)))
        rows << record.fields;
    return rows;
}

// Calc opens the file as a teacher would and saves it again.
QList<QStringList> readWithCalc(const QString& csvPath, const QString& workFolder) {
    return cells(CalcResavedCsv(QStandardPaths::findExecutable(QStringLiteral("soffice")), csvPath, workFolder));
}

const QList<ClassSummaryRow> kSummary = {
    drillRow("あおい", DrillKind::Addition, 83400, 90000, 3, -2300, 12),
    drillRow("あおい", DrillKind::Kuku, -1, 70000, 0, std::nullopt, 2),
    drillRow("=HYPERLINK(\"x\",\"y\")", DrillKind::Addition, 100000, 100000, 1, std::nullopt, 1),
    drillRow("O'Neil, \"Bo\"", DrillKind::Subtraction, 65000, 65000, 0, 1000, 9),
};
} // namespace

class TestClassCsv : public QObject {
    Q_OBJECT
private slots:
    void everyListedChildAndTheUnlistedApart() {
        const ClassRows rows = MakeClassRows(kSummary, {"いつき", "あおい", "O'Neil, \"Bo\""});
        const QByteArray csv = ClassTableCsv(rows.rows, rows.unlisted);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QVERIFY(csv.endsWith("\r\n"));
        const QList<QStringList> table = cells(csv);
        QCOMPARE(table.size(), 5);
        QCOMPARE(table[0].size(), 3 + 4 * 5);
        QCOMPARE(table[0].mid(0, 4),
                 (QStringList{"名前", "名簿", "練習", DrillLabel(DrillKind::Addition) + " ベスト(秒)"}));
        // The list's order; a child who never practised has a row with zero counts.
        QCOMPARE(table[1].mid(0, 8), (QStringList{"いつき", "○", "7日間 練習なし", "", "", "0", "", "0"}));
        QCOMPARE(table[2].mid(0, 8), (QStringList{"あおい", "○", "", "83.4", "90.0", "3", "-2.3", "12"}));
        QCOMPARE(table[2].mid(18), (QStringList{"", "70.0", "0", "", "2"}));
        QCOMPARE(table[3].mid(0, 3), (QStringList{"O'Neil, \"Bo\"", "○", "7日間 練習なし"}));
        QCOMPARE(table[3].mid(8, 5), (QStringList{"65.0", "65.0", "0", "1.0", "9"}));
        // Not on the list: last, without the mark of the list, the formula made text.
        QCOMPARE(table[4].mid(0, 4), (QStringList{"'=HYPERLINK(\"x\",\"y\")", "", "", "100.0"}));
    }

    void withoutAListEveryoneWithAttemptsIsARow() {
        const ClassRows rows = MakeClassRows(kSummary, {});
        QCOMPARE(rows.rows.size(), 3);
        QVERIFY(rows.unlisted.isEmpty());
        const QList<QStringList> table = cells(ClassTableCsv(rows.rows, rows.unlisted));
        QCOMPARE(table.size(), 4);
        for (int r = 1; r < table.size(); ++r)
            QCOMPARE(table[r][1], QString());
    }

    void calcReadsTheSameCells() {
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
            QSKIP("LibreOffice Calc is not installed");
        const ClassRows rows = MakeClassRows(kSummary, {"いつき", "あおい", "O'Neil, \"Bo\""});
        const QByteArray csv = ClassTableCsv(rows.rows, rows.unlisted);
        QTemporaryDir folder;
        const QString path = folder.filePath("class.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        QList<QStringList> written = cells(csv);
        const QList<QStringList> read = readWithCalc(path, folder.path());
        QCOMPARE(read.size(), written.size());
        for (int r = 0; r < read.size(); ++r) {
            for (int c = 0; c < written[r].size(); ++c) {
                QString expected = written[r][c];
                // Calc writes numbers as it shows them: 90.0 as 90.
                bool number = false;
                const double value = expected.toDouble(&number);
                if (number)
                    expected = QString::number(value);
                // The guarded formula comes back as text, never as a link.
                QCOMPARE(read[r].value(c), expected);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestClassCsv)
#include "tst_classcsv.moc"
