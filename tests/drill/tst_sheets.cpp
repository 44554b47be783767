// The sheet table, header generation, Clear and the answer rule.
#include "drill/CellTable.h"
#include "drill/ExpectedAnswer.h"
#include "drill/SheetGenerator.h"

#include "tests/support/HeaderValues.h"
#include "tests/support/ScriptedRandom.h"

#include <QTest>
#include <algorithm>

namespace {
// Records the bounds it was asked for.
class BoundRecorder : public RandomSource {
public:
    int Next(int bound) override {
        bounds.append(bound);
        return next++ % bound;
    }
    QList<int> bounds;
    int next = 0;
};
} // namespace

class TestSheets : public QObject {
    Q_OBJECT
private slots:
    void distinctDigitsKeepFirstAppearance() {
        // 98 ends in 8; 9 and 19 both end in 9; 5, 15 and 25 end in 5 ...
        ScriptedRandom random({98, 9, 19, 5, 15, 25, 3, 0, 11, 42, 66, 77, 34, 91, 90});
        QCOMPARE(DrawDistinctDigits(0, random), (QList<int>{8, 9, 5, 3, 0, 1, 2, 6, 7, 4}));
    }

    void distinctDigitsDrawFromNinetyNineValues() {
        BoundRecorder random;
        const QList<int> order = DrawDistinctDigits(10, random);
        QCOMPARE(Sorted(order), Range(10, 10));
        QVERIFY(!random.bounds.isEmpty());
        QVERIFY(std::all_of(random.bounds.begin(), random.bounds.end(), [](int b) { return b == 99; }));
    }

    void generatedHeaders_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("corner");
        QTest::addColumn<QList<int>>("topValues");
        QTest::addColumn<QList<int>>("leftValues");
        QTest::newRow("addition") << int(DrillKind::Addition) << "＋" << Range(0, 10) << Range(0, 10);
        QTest::newRow("subtraction") << int(DrillKind::Subtraction) << "－" << Range(10, 10) << Range(0, 10);
        QTest::newRow("multiplication")
            << int(DrillKind::Multiplication) << "x" << Range(0, 10) << Range(0, 10);
        QTest::newRow("kuku") << int(DrillKind::Kuku) << "九九" << Range(2, 8) << Range(2, 8);
    }
    void generatedHeaders() {
        QFETCH(int, kind);
        QFETCH(QString, corner);
        QFETCH(QList<int>, topValues);
        QFETCH(QList<int>, leftValues);
        const DrillSheet& sheet = SheetOf(DrillKind(kind));
        CellTable grid(sheet.size + 1, sheet.size + 1);
        grid.SetCells(3, 4, "17"); // an answer typed before Start
        ScriptedRandom random;
        GenerateSheet(grid, sheet, random);
        QCOMPARE(grid.Cells(0, 0), corner);
        QCOMPARE(Sorted(Headers(grid, sheet.size, true)), topValues);
        QCOMPARE(Sorted(Headers(grid, sheet.size, false)), leftValues);
        QCOMPARE(grid.Cells(3, 4), QString());
        if (!sheet.randomHeaders) {
            QCOMPARE(Headers(grid, sheet.size, true), topValues);
            QCOMPARE(Headers(grid, sheet.size, false), leftValues);
        }
    }

    void twoStartsGiveIndependentOrders() {
        const DrillSheet& sheet = SheetOf(DrillKind::Addition);
        CellTable grid(11, 11);
        ScriptedRandom random;
        GenerateSheet(grid, sheet, random);
        const QList<int> first = Headers(grid, 10, true) + Headers(grid, 10, false);
        GenerateSheet(grid, sheet, random);
        QVERIFY(first != Headers(grid, 10, true) + Headers(grid, 10, false));
    }

    void cornerSymbols() {
        const QStringList start{"＋", "－", "Ｘ", "九九"};
        const QStringList cleared{"＋", "－", "X", "九九"};
        for (const DrillSheet& sheet : DrillSheets()) {
            QCOMPARE(sheet.StartCorner(), start[int(sheet.kind)]);
            CellTable grid(sheet.size + 1, sheet.size + 1);
            ScriptedRandom random;
            GenerateSheet(grid, sheet, random);
            ClearSheet(grid, sheet);
            QCOMPARE(grid.Cells(0, 0), cleared[int(sheet.kind)]);
            QCOMPARE(grid.Cells(1, 0), QString());
            QCOMPARE(grid.Cells(0, 1), QString());
        }
    }

    void expectedAnswers_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("answer");
        QTest::newRow("sum") << int(Operation::Add) << "9"
                             << "9"
                             << "18";
        QTest::newRow("zero sum") << int(Operation::Add) << "0"
                                  << "0"
                                  << "0";
        QTest::newRow("top minus left") << int(Operation::Subtract) << "10"
                                        << "9"
                                        << "1";
        QTest::newRow("largest difference") << int(Operation::Subtract) << "19"
                                            << "0"
                                            << "19";
        QTest::newRow("negative when headers swap") << int(Operation::Subtract) << "3"
                                                    << "5"
                                                    << "-2";
        QTest::newRow("product") << int(Operation::Multiply) << "9"
                                 << "9"
                                 << "81";
        QTest::newRow("times zero") << int(Operation::Multiply) << "0"
                                    << "7"
                                    << "0";
        QTest::newRow("empty headers after Clear") << int(Operation::Add) << ""
                                                   << ""
                                                   << "0";
        QTest::newRow("a text header counts as 0") << int(Operation::Add) << "x"
                                                   << "4"
                                                   << "4";
        QTest::newRow("huge headers do not overflow") << int(Operation::Multiply) << "2147483647"
                                                      << "2147483647"
                                                      << "4611686014132420609";
    }
    void expectedAnswers() {
        QFETCH(int, operation);
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(QString, answer);
        CellTable grid(3, 3);
        grid.SetCells(2, 0, top);
        grid.SetCells(0, 1, left);
        QCOMPARE(ExpectedAnswer(grid, Operation(operation), 2, 1), answer);
    }

    void answerKeyFillsOnlyAnswerCells() {
        const DrillSheet& sheet = SheetOf(DrillKind::Kuku);
        CellTable grid(9, 9);
        ScriptedRandom random;
        GenerateSheet(grid, sheet, random);
        FillAnswerKey(grid, sheet);
        QCOMPARE(grid.Cells(1, 1), "4");
        QCOMPARE(grid.Cells(8, 8), "81");
        QCOMPARE(grid.Cells(3, 5), "24"); // 4 × 6
        QCOMPARE(grid.Cells(0, 0), "九九");
        QCOMPARE(grid.Cells(1, 0), "2");
    }
};

QTEST_APPLESS_MAIN(TestSheets)
#include "tst_sheets.moc"
