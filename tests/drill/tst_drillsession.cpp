// Whole attempts through the drill session alone, without a widget: the
// judging, the time texts, best times, and the attempt it records.
#include "drill/DrillSession.h"

#include "drill/DrillTime.h"
#include "drill/ExpectedAnswer.h"
#include "drill/stopwatchu.h"

#include "tests/support/FakeServices.h"
#include "tests/support/ScriptedRandom.h"

#include <QTest>

namespace {
QString expectedAt(const DrillSession& session, DrillKind kind, int col, int row) {
    const SheetState& state = session.State(kind);
    return ExpectedAnswer(SheetOf(kind).operation, state.top.value(col - 1), state.left.value(row - 1));
}

int marks(const DrillSession& session, DrillKind kind) {
    const DrillSheet& sheet = SheetOf(kind);
    int count = 0;
    for (int row = 1; row <= sheet.size; ++row)
        for (int col = 1; col <= sheet.size; ++col)
            count += session.CellText(kind, col, row) == kCorrectMark;
    return count;
}
} // namespace

class TestDrillSession : public QObject {
    Q_OBJECT

    FakeTicks ticks;
    ScriptedRandom random;

    // Types every answer as the child would, one keystroke per cell, each
    // tick 10 ms after the last; `instead` replaces some answers.
    void answerAll(DrillSession& session, DrillKind kind, const QHash<QPoint, QString>& instead = {}) {
        const DrillSheet& sheet = SheetOf(kind);
        for (int row = 1; row <= sheet.size; ++row)
            for (int col = 1; col <= sheet.size; ++col) {
                ticks.now += 10;
                const QPoint cell(col, row);
                session.Type(kind, col, row,
                             instead.contains(cell) ? instead[cell] : expectedAt(session, kind, col, row));
            }
    }

private slots:
    void wholeAttempt_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("storedBest");
        QTest::addColumn<QString>("wrong"); // typed into (4, 7): "" every answer right, "-" left empty
        QTest::addColumn<quint32>("ms");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QString>("timeText");
        QTest::addColumn<QString>("bestAfter");
        using O = JudgeResult::Outcome;
        QTest::newRow("all right, no best yet") << 0 << "59:59"
                                                << "" << 83456u << int(O::NewBest) << 100 << "01:23"
                                                << "01:23";
        QTest::newRow("as fast as the best") << 0 << "01:23"
                                             << "" << 83999u << int(O::AllCorrect) << 100 << "01:23"
                                             << "01:23";
        QTest::newRow("one second faster") << 0 << "01:23"
                                           << "" << 82999u << int(O::NewBest) << 100 << "01:22"
                                           << "01:22";
        QTest::newRow("one wrong, faster") << 0 << "59:59"
                                           << "99" << 1000u << int(O::Score) << 99 << "00:01"
                                           << "59:59";
        QTest::newRow("a leading zero is wrong") << 0 << "59:59"
                                                 << "0" << 1000u << int(O::Score) << 99 << "00:01"
                                                 << "59:59";
        QTest::newRow("one empty cell") << 1 << "59:59"
                                        << "-" << 65000u << int(O::Incomplete) << 0 << "01:05"
                                        << "59:59";
        QTest::newRow("an hour never sets a best") << 2 << "59:59"
                                                   << "" << 3665000u << int(O::AllCorrect) << 100 << "61:05"
                                                   << "59:59";
        QTest::newRow("from 100 minutes on") << 2 << ""
                                             << "" << 6000000u << int(O::AllCorrect) << 100 << "99:59"
                                             << "";
        QTest::newRow("a stored text that is no time counts as none")
            << 0 << "x"
            << "" << 83456u << int(O::NewBest) << 100 << "01:23"
            << "01:23";
        QTest::newRow("times table: 64 of 64") << 3 << "59:59"
                                               << "" << 30000u << int(O::NewBest) << 64 << "00:30"
                                               << "00:30";
        QTest::newRow("times table: 63 of 64") << 3 << "59:59"
                                               << "80" << 30000u << int(O::Score) << 63 << "00:30"
                                               << "59:59";
    }
    void wholeAttempt() {
        QFETCH(int, kind);
        QFETCH(QString, storedBest);
        QFETCH(QString, wrong);
        QFETCH(quint32, ms);
        QFETCH(int, outcome);
        QFETCH(int, correct);
        QFETCH(QString, timeText);
        QFETCH(QString, bestAfter);
        const auto drill = DrillKind(kind);
        DrillSession session(ticks, random);
        session.LoadBestTime(drill, storedBest);
        int bestChanges = 0;
        connect(&session, &DrillSession::BestTimeChanged, this, [&](DrillKind changed) {
            QCOMPARE(changed, drill);
            ++bestChanges;
        });

        ticks.now = 5000;
        session.Start(drill);
        QCOMPARE(session.CellText(drill, 0, 0), SheetOf(drill).GeneratedCorner());
        const QPoint odd(4, 7);
        const QString typed = wrong == "-" ? QString() : wrong;
        answerAll(session, drill,
                  wrong.isEmpty() ? QHash<QPoint, QString>{} : QHash<QPoint, QString>{{odd, typed}});
        ticks.now = 5000 + ms;
        const JudgeResult result = session.Stop(drill);

        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.correct, correct);
        QCOMPARE(marks(session, drill), correct);
        QCOMPARE(session.LastTimeText(drill), timeText);
        QVERIFY(session.LastTimeMs(drill) == ms);
        QCOMPARE(session.BestTimeText(drill), bestAfter);
        QCOMPARE(bestChanges, bestAfter != storedBest ? 1 : 0);
        if (correct != SheetOf(drill).FullScore())
            QCOMPARE(session.CellText(drill, odd.x(), odd.y()), typed); // wrong answers stay as typed
    }

    // A new best is kept in milliseconds but beaten only in whole seconds, as the panel reads.
    void bestTimeCountsWholeSeconds() {
        DrillSession session(ticks, random);
        for (const auto& [ms, outcome] : {std::pair{83900u, JudgeResult::Outcome::NewBest},
                                          std::pair{83100u, JudgeResult::Outcome::AllCorrect},
                                          std::pair{82999u, JudgeResult::Outcome::NewBest}}) {
            ticks.now = 0;
            session.Start(DrillKind::Addition);
            session.FillAnswerKey(DrillKind::Addition); // judged like typed answers
            ticks.now = ms;
            QCOMPARE(session.Stop(DrillKind::Addition).outcome, outcome);
        }
        QVERIFY(session.Best(DrillKind::Addition).ms == 82999u);
        QCOMPARE(session.BestTimeText(DrillKind::Addition), "01:22");
    }

    // Stop again without Start: the time runs on from the same Start, earlier
    // marks stay and count, a corrected cell is marked now.
    void secondStopMarksTheCorrectedCell() {
        DrillSession session(ticks, random);
        const DrillKind kind = DrillKind::Multiplication;
        ticks.now = 1000;
        session.Start(kind);
        answerAll(session, kind, {{QPoint(2, 3), "100"}});
        ticks.now = 11000;
        QCOMPARE(session.Stop(kind).correct, 99);
        session.Type(kind, 2, 3, expectedAt(session, kind, 2, 3));
        ticks.now = 21000;
        const JudgeResult again = session.Stop(kind);
        QCOMPARE(again.outcome, JudgeResult::Outcome::NewBest);
        QCOMPARE(session.LastTimeText(kind), "00:20");
        QCOMPARE(marks(session, kind), 100);
    }

    void cellsAsTheGridShowsThem() {
        DrillSession session(ticks, random);
        const DrillKind kind = DrillKind::Multiplication;
        QCOMPARE(session.CellText(kind, 0, 0), "Ｘ");
        QCOMPARE(session.CellText(kind, 1, 0), QString());
        session.Start(kind);
        QCOMPARE(session.CellText(kind, 0, 0), "x");
        QCOMPARE(session.CellText(kind, 3, 0), QString::number(session.State(kind).top[2]));
        QCOMPARE(session.CellText(kind, 0, 5), QString::number(session.State(kind).left[4]));
        QCOMPARE(session.CellText(kind, 11, 1), QString()); // outside the sheet

        QList<QPoint> changed;
        connect(&session, &DrillSession::CellChanged, this,
                [&](DrillKind, int col, int row) { changed << QPoint(col, row); });
        session.SetAnswer(kind, 2, 2, "5");
        session.SetAnswer(kind, 2, 2, "5"); // what it holds already: no change
        session.SetAnswer(kind, 0, 2, "7"); // headers are the session's, not the grid's
        session.SetAnswer(kind, 3, 3, kCorrectMark);
        QCOMPARE(changed, (QList<QPoint>{{2, 2}, {3, 3}}));
        QVERIFY(session.State(kind).right[2 * 10 + 2]);
        session.SetAnswer(kind, 3, 3, QString()); // erasing a mark leaves an empty cell
        QCOMPARE(session.CellText(kind, 3, 3), QString());

        session.Clear(kind);
        QCOMPARE(session.CellText(kind, 0, 0), "X");
        QCOMPARE(session.CellText(kind, 1, 0), QString());
        QCOMPARE(session.CellText(kind, 2, 2), QString());
        // No headers: every answer is 0, so a full sheet of 0 is all right.
        session.FillAnswerKey(kind);
        QCOMPARE(session.CellText(kind, 7, 9), "0");
    }

    void timesAsThePanelsShowThem() {
        DrillSession session(ticks, random);
        QStringList told;
        connect(&session, &DrillSession::LastTimeChanged, this,
                [&](DrillKind kind) { told << "last " + session.LastTimeText(kind); });
        connect(&session, &DrillSession::BestTimeChanged, this,
                [&](DrillKind kind) { told << "best " + session.BestTimeText(kind); });
        QCOMPARE(session.LastTimeText(DrillKind::Kuku), "00:00");
        QCOMPARE(session.BestTimeText(DrillKind::Kuku), "59:59");
        session.LoadBestTime(DrillKind::Kuku, QString()); // an empty key stays empty
        session.SetLastTime(DrillKind::Kuku, 125999);
        session.ResetTimes(DrillKind::Kuku);
        QCOMPARE(told, (QStringList{"best ", "last 02:05", "best 59:59", "last 00:00"}));
        QVERIFY(session.Best(DrillKind::Kuku).ms == kNoBestTimeMs);
        QVERIFY(!session.LastTimeMs(DrillKind::Kuku));
    }

    // The attempt as recorded: typed texts beside the marks, the headers,
    // keystroke times from the start mark, who and when.
    void recordedAttempt() {
        DrillSession session(ticks, random);
        const DrillKind kind = DrillKind::Kuku;
        ticks.now = 10;
        session.Start(kind);
        session.Type(kind, 1, 1, "4"); // from an older sheet
        session.Start(DrillKind::Addition);
        session.Type(DrillKind::Addition, 2, 1, "3"); // another drill: kept apart
        const std::uint32_t start = 0xFFFFFF00u;      // the counter wraps during the attempt
        ticks.now = start;
        session.Start(kind);
        QCOMPARE(session.Watch().StartTicks, std::int64_t(start));
        for (int row = 1; row <= 8; ++row)
            for (int col = 1; col <= 8; ++col) {
                const QString answer = expectedAt(session, kind, col, row);
                if (col == 1 && row == 1) {
                    session.SetAnswer(kind, col, row, answer); // written, not typed
                } else {
                    ticks.now = start + std::uint32_t((row * 8 + col) * 100);
                    session.Type(kind, col, row, answer);
                }
            }
        ticks.now = start + 7300;
        session.Type(kind, 3, 2, "07");
        ticks.now = start + 61000;
        QCOMPARE(session.Stop(kind).correct, 63);

        const QDateTime stopped(QDate(2026, 12, 8), QTime(10, 0, 1), Qt::OffsetFromUTC, 9 * 3600);
        // How the copy becomes an attempt is tst_attemptrecording's; here, what the session puts in it.
        const Attempt a = session.Stopped(kind, "け", stopped).Make();
        QCOMPARE(a.durationMs, 61000u);
        QCOMPARE(a.score, 63);
        QCOMPARE(a.leftHeaders, (QList<int>{2, 3, 4, 5, 6, 7, 8, 9}));
        const AnswerCell& wrong = a.cells[1 * 8 + 2]; // (3, 2)
        QCOMPARE(wrong.typed, "07");
        QVERIFY(!wrong.right);
        QCOMPARE(wrong.top, 4);
        QCOMPARE(wrong.left, 3);
        QCOMPARE(wrong.lastKeyMs, 7300);
        QCOMPARE(a.cells[0].typed, "4"); // the typed text, not the mark
        QVERIFY(a.cells[0].right);
        QCOMPARE(a.cells[0].lastKeyMs, -1); // never typed in this sheet
        QCOMPARE(a.cells[63].lastKeyMs, (8 * 8 + 8) * 100);
        QCOMPARE(a.cells[63].typed, "81");

        // A Start on another sheet moves the one start mark past this sheet's keystrokes.
        ticks.now = start + 90000;
        session.Start(DrillKind::Addition);
        QCOMPARE(session.Stopped(kind, "け", stopped).Make().cells[63].lastKeyMs, -1);
    }
};

QTEST_GUILESS_MAIN(TestDrillSession)
#include "tst_drillsession.moc"
