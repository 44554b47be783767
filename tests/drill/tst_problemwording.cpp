// The words a problem and a result are spoken in.
#include "drill/CellTable.h"
#include "drill/Judge.h"
#include "drill/ProblemWording.h"

#include <QTest>

class TestProblemWording : public QObject {
    Q_OBJECT
private slots:
    void cellProblem_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        const int add = int(DrillKind::Addition);
        const int sub = int(DrillKind::Subtraction);
        const int mul = int(DrillKind::Multiplication);
        const int kuku = int(DrillKind::Kuku);
        QTest::newRow("addition") << add << "7"
                                  << "8" << 1 << 1 << "7 たす 8";
        QTest::newRow("subtraction reads top minus left") << sub << "15"
                                                          << "6" << 3 << 2 << "15 ひく 6";
        QTest::newRow("multiplication") << mul << "4"
                                        << "9" << 10 << 10 << "4 かける 9";
        QTest::newRow("zero is a number") << mul << "0"
                                          << "0" << 5 << 5 << "0 かける 0";
        QTest::newRow("times table, last cell") << kuku << "9"
                                                << "9" << 8 << 8 << "9 かける 9";
        QTest::newRow("stray spaces around a header") << add << " 3 "
                                                      << "2" << 2 << 2 << "3 たす 2";
        QTest::newRow("no headers yet (after Clear)") << add << ""
                                                      << "" << 1 << 1 << "";
        QTest::newRow("one header missing") << sub << "12"
                                            << "" << 1 << 1 << "";
        QTest::newRow("header cell is no problem") << add << "1"
                                                   << "2" << 0 << 1 << "";
        QTest::newRow("corner is no problem") << add << "1"
                                              << "2" << 0 << 0 << "";
        QTest::newRow("outside the times table") << kuku << "2"
                                                 << "3" << 9 << 1 << "";
    }
    void cellProblem() {
        QFETCH(int, kind);
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, expected);
        const DrillSheet& sheet = SheetOf(DrillKind(kind));
        CellTable grid(11, 11);
        // Every header holds the operand under test, so the cell's place
        // does not hide a mix-up of column and row.
        for (int i = 1; i <= 10; ++i) {
            grid.SetCells(i, 0, top);
            grid.SetCells(0, i, left);
        }
        QCOMPARE(CellProblem(grid, sheet, col, row), expected);
    }

    void topAndLeftAreNotSwapped() {
        CellTable grid(11, 11);
        grid.SetCells(3, 0, QStringLiteral("17"));
        grid.SetCells(0, 5, QStringLiteral("4"));
        QCOMPARE(CellProblem(grid, SheetOf(DrillKind::Subtraction), 3, 5), QStringLiteral("17 ひく 4"));
    }

    void values_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("heard");
        QTest::newRow("typed") << "15"
                               << "15";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("judged correct") << kCorrectMark << "正解";
        QTest::newRow("wrong answer stays as typed") << "1."
                                                     << "1.";
    }
    void values() {
        QFETCH(QString, cell);
        QFETCH(QString, heard);
        QCOMPARE(CellValueText(cell), heard);
    }

    void score() {
        QCOMPARE(ScoreText(95, 100), QStringLiteral("せいかい は 95 こ、100 もん ちゅう"));
        QCOMPARE(ScoreText(64, 64), QStringLiteral("せいかい は 64 こ、64 もん ちゅう"));
    }
};

QTEST_APPLESS_MAIN(TestProblemWording)
#include "tst_problemwording.moc"
