// The attempt the history is handed: the typed texts beside the marks, the
// marks as right answers, the headers as they were drawn, keystroke times
// from the start mark. The session's copy of a sheet at Stop makes it.
#include "drill/DrillSession.h"
#include "drill/ExpectedAnswer.h"

#include <QTest>

class TestAttemptRecording : public QObject {
    Q_OBJECT
private slots:
    void everyCellWithItsTextRightnessAndKeystroke() {
        const DrillSheet& sheet = SheetOf(DrillKind::Kuku);
        StoppedAttempt stopped;
        stopped.sheet = &sheet;
        stopped.state = SheetState::Empty(sheet, SheetState::Corner::Generated);
        for (int i = 1; i <= 8; ++i) {
            stopped.state.top << i + 1;
            stopped.state.left << 10 - i;
        }
        const std::uint32_t start = 0xFFFFFF00u; // the counter wraps during the attempt
        stopped.startTicks = start;
        for (int row = 1; row <= 8; ++row)
            for (int col = 1; col <= 8; ++col) {
                const int i = (row - 1) * 8 + col - 1;
                stopped.state.typed[i] = ExpectedAnswer(Operation::Multiply, stopped.state.top[col - 1],
                                                        stopped.state.left[row - 1]);
                // (1, 1) was last typed in an older sheet: Start forgot it.
                if (col != 1 || row != 1)
                    stopped.state.keyTicks[i] = std::uint32_t(start + std::uint32_t((row * 8 + col) * 100));
            }
        stopped.state.typed[1 * 8 + 2] = "017";
        stopped.state.keyTicks[3 * 8 + 3] = std::uint32_t(start - 5); // before the start mark
        for (int i = 0; i < 64; ++i)
            stopped.state.right[i] = i != 1 * 8 + 2;
        stopped.score = 63;
        stopped.durationMs = 61000;
        stopped.stoppedLocal = QDateTime(QDate(2026, 12, 8), QTime(10, 0, 1), Qt::OffsetFromUTC, 9 * 3600);
        stopped.child = "け";

        const Attempt a = stopped.Make();
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
