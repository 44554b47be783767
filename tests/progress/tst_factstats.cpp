// The fact map's numbers and the weakest-fact choice on a crafted history.
#include "progress/FactStats.h"
#include "progress/WeakFactSheet.h"

#include "tests/support/SampleAttempts.h"
#include "tests/support/ScriptedRandom.h"

#include <QTest>

namespace {
const QDateTime kDay(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC);

std::vector<AnswerSample> samplesOf(const Attempt& a) {
    std::vector<AnswerSample> cells;
    for (const AnswerCell& c : a.cells)
        cells.push_back(AnswerSample{c.top, c.left, c.right, c.lastKeyMs});
    return cells;
}

// Three attempts: 7 + 8 wrong twice, 3 + 4 wrong once, 9 + 9 slow each time.
FactStats crafted() {
    FactStatsBuilder builder(DrillKind::Addition);
    builder.AddAttempt(
        samplesOf(SampleAttempt("a", DrillKind::Addition, kDay, 1, {{7, 8}, {3, 4}}, 1000, {{9, 9}}, 6000)));
    builder.AddAttempt(
        samplesOf(SampleAttempt("a", DrillKind::Addition, kDay, 1, {{7, 8}}, 1000, {{9, 9}}, 8000)));
    builder.AddAttempt(samplesOf(SampleAttempt("a", DrillKind::Addition, kDay, 1, {}, 1000, {{9, 9}}, 7000)));
    return builder.Finish();
}
} // namespace

class TestFactStats : public QObject {
    Q_OBJECT
private slots:
    void countsErrorsAndMedianTimes() {
        const FactStats stats = crafted();
        QCOMPARE(stats.attempts, 3);
        QCOMPARE(stats.facts.size(), 100);
        const FactStat* sevenEight = stats.Find({7, 8});
        QCOMPARE(sevenEight->seen, 3);
        QCOMPARE(sevenEight->wrong, 2);
        QCOMPARE(sevenEight->medianMs, 1000.0);
        QCOMPARE(stats.Find({9, 9})->medianMs, 7000.0); // 6000, 8000, 7000
        QCOMPARE(stats.Find({0, 0})->wrong, 0);
        QCOMPARE(stats.overallMedianMs, 1000.0);
    }

    void answerTimeIsTheGapInTheOrderTyped() {
        // The child filled the second cell first: its time is from the start,
        // the first cell's from the second.
        FactStatsBuilder builder(DrillKind::Kuku);
        builder.AddAttempt({{2, 2, true, 5000}, {3, 2, true, 1500}, {4, 2, false, -1}});
        const FactStats stats = builder.Finish();
        QCOMPARE(stats.Find({3, 2})->medianMs, 1500.0);
        QCOMPARE(stats.Find({2, 2})->medianMs, 3500.0);
        QCOMPARE(stats.Find({4, 2})->medianMs, -1.0); // no keystroke: no time
        QCOMPARE(stats.Find({4, 2})->wrong, 1);
        QCOMPARE(stats.facts.size(), 64);
    }

    void outsideHeadersAreNoFacts() {
        FactStatsBuilder builder(DrillKind::Subtraction);
        builder.AddAttempt({{5, 3, false, 100}, {12, 3, false, 200}});
        const FactStats stats = builder.Finish();
        QCOMPARE(stats.Find({5, 3}), nullptr);
        QCOMPARE(stats.Find({12, 3})->wrong, 1);
    }

    void weakestAreErrorsFirstThenSlowness() {
        const FactStats stats = crafted();
        const QList<FactStat> weakest = stats.Weakest(10);
        QCOMPARE(weakest.size(), 3);
        QCOMPARE(weakest[0].fact, (Fact{7, 8}));
        QCOMPARE(weakest[1].fact, (Fact{3, 4})); // one error in three weighs more than slowness
        QCOMPARE(weakest[2].fact, (Fact{9, 9}));
        QCOMPARE(stats.Weakest(1).size(), 1);
    }

    void worksheetTakesWeakFactsAtMostTwiceAndFillsUp_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("expected");
        QTest::newRow("default") << 20 << 20;
        QTest::newRow("short") << 4 << 4;
        QTest::newRow("most") << 50 << 50;
        QTest::newRow("too many") << 500 << 50;
        QTest::newRow("none") << 0 << 1;
    }
    void worksheetTakesWeakFactsAtMostTwiceAndFillsUp() {
        QFETCH(int, count);
        QFETCH(int, expected);
        ScriptedRandom random;
        const QList<Fact> facts = ChooseWorksheetFacts(crafted(), count, random);
        QCOMPARE(facts.size(), expected);
        for (const Fact& fact : facts)
            QVERIFY(facts.count(fact) <= 2);
        if (expected >= 6) {
            QCOMPARE(facts.count(Fact{7, 8}), 2);
            QCOMPARE(facts.count(Fact{9, 9}), 2);
            QCOMPARE(facts.count(Fact{3, 4}), 2);
        }
        if (expected == 1)
            QCOMPARE(facts[0], (Fact{7, 8}));
    }

    void emptyHistoryGivesRandomFacts() {
        ScriptedRandom random;
        const QList<Fact> facts =
            ChooseWorksheetFacts(FactStatsBuilder(DrillKind::Kuku).Finish(), 50, random);
        QCOMPARE(facts.size(), 50);
        for (const Fact& fact : facts) {
            QVERIFY(fact.top >= 2 && fact.top <= 9);
            QCOMPARE(facts.count(fact), 1); // 64 facts: no need to repeat one
        }
    }

    void problemTexts_data() {
        QTest::addColumn<int>("drill");
        QTest::addColumn<QString>("blank");
        QTest::addColumn<QString>("answered");
        QTest::newRow("add") << int(DrillKind::Addition) << "7 + 8 = ▢"
                             << "7 + 8 = 15";
        QTest::newRow("subtract") << int(DrillKind::Subtraction) << "7 - 8 = ▢"
                                  << "7 - 8 = -1";
        QTest::newRow("kuku") << int(DrillKind::Kuku) << "7 × 8 = ▢"
                              << "7 × 8 = 56";
    }
    void problemTexts() {
        QFETCH(int, drill);
        QFETCH(QString, blank);
        QFETCH(QString, answered);
        QCOMPARE(ProblemText(DrillKind(drill), {7, 8}, false), blank);
        QCOMPARE(ProblemText(DrillKind(drill), {7, 8}, true), answered);
    }
};

QTEST_GUILESS_MAIN(TestFactStats)
#include "tst_factstats.moc"
