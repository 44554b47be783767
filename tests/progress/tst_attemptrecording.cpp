// The attempt the window hands the history: typed texts from before the
// marks, the marks as right answers, keystroke times from the start mark.
#include "progress/AttemptRecording.h"

#include "drill/CellTable.h"
#include "drill/ExpectedAnswer.h"
#include "drill/Judge.h"

#include <QTest>

class TestAttemptRecording : public QObject {
    Q_OBJECT
private slots:
    void everyCellWithItsTextRightnessAndKeystroke() {
        const DrillSheet& sheet = SheetOf(DrillKind::Kuku);
        CellTable grid(9, 9);
        for (int i = 1; i <= 8; ++i) {
            grid.SetCells(i, 0, QString::number(i + 1));
            grid.SetCells(0, i, QString::number(10 - i));
        }
        KeystrokeLog keys;
        keys.Typed(DrillKind::Kuku, 1, 1, 10); // from an older sheet
        keys.Clear(DrillKind::Kuku);
        keys.Typed(DrillKind::Addition, 2, 1, 7); // another drill: kept apart
        const std::uint32_t start = 0xFFFFFF00u;  // the counter wraps during the attempt
        for (int row = 1; row <= 8; ++row)
            for (int col = 1; col <= 8; ++col) {
                grid.SetCells(col, row, ExpectedAnswer(grid, Operation::Multiply, col, row));
                if (col != 1 || row != 1)
                    keys.Typed(DrillKind::Kuku, col, row, start + std::uint32_t((row * 8 + col) * 100));
            }
        grid.SetCells(3, 2, "017");
        keys.Typed(DrillKind::Kuku, 4, 4, start - 5); // before the start mark

        const QStringList typed = AnswerTexts(grid, sheet);
        const JudgeResult result = JudgeSheet(grid, sheet, 61000, "01:01", "59:59");
        const QDateTime stopped(QDate(2026, 12, 8), QTime(10, 0, 1), Qt::OffsetFromUTC, 9 * 3600);
        const Attempt a =
            MakeAttempt({grid, sheet, typed, result.correct, false, 61000, start, stopped}, keys, "け");

        QCOMPARE(a.child, "け");
        QCOMPARE(a.drill, DrillKind::Kuku);
        QCOMPARE(a.startedUtc, QDateTime(QDate(2026, 12, 8), QTime(0, 59), Qt::UTC));
        QCOMPARE(a.utcOffsetSeconds, 9 * 3600);
        QCOMPARE(a.score, 63);
        QCOMPARE(a.fullScore, 64);
        QCOMPARE(a.topHeaders, (QList<int>{2, 3, 4, 5, 6, 7, 8, 9}));
        QCOMPARE(a.leftHeaders, (QList<int>{9, 8, 7, 6, 5, 4, 3, 2}));
        QCOMPARE(a.cells.size(), 64);
        const AnswerCell& wrong = a.cells[1 * 8 + 2]; // (3, 2)
        QCOMPARE(wrong.typed, "017");
        QVERIFY(!wrong.right);
        QCOMPARE(wrong.top, 4);
        QCOMPARE(wrong.left, 8);
        QCOMPARE(wrong.lastKeyMs, (2 * 8 + 3) * 100);
        QCOMPARE(a.cells[0].typed, "18");
        QVERIFY(a.cells[0].right);
        QCOMPARE(a.cells[0].lastKeyMs, -1);         // never typed in this sheet
        QCOMPARE(a.cells[3 * 8 + 3].lastKeyMs, -1); // typed before Start
        QCOMPARE(a.cells[63].lastKeyMs, (8 * 8 + 8) * 100);
    }
};

QTEST_GUILESS_MAIN(TestAttemptRecording)
#include "tst_attemptrecording.moc"
