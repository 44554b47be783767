// The fact map's numbers and the weakest-fact choice on a crafted history,
// and the fact times kept beside each attempt.
#include "progress/FactStats.h"
#include "progress/FactTimes.h"
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

    // The median of a fact's times and of all of them: the middle one of an
    // odd count, the mean of the two middle ones of an even count.
    void medianTimes_data() {
        QTest::addColumn<QList<double>>("times"); // -1: an answer without a keystroke
        QTest::addColumn<double>("median");
        QTest::newRow("none") << QList<double>{} << -1.0;
        QTest::newRow("untimed only") << QList<double>{-1, -1} << -1.0;
        QTest::newRow("one") << QList<double>{1200} << 1200.0;
        QTest::newRow("two") << QList<double>{3000, 1000} << 2000.0;
        QTest::newRow("three") << QList<double>{7000, 6000, 8000} << 7000.0;
        QTest::newRow("four") << QList<double>{4000, 1000, 3000, 2000} << 2500.0;
        QTest::newRow("six, halves apart") << QList<double>{9000, 1000, 8000, 2000, 7000, 3000} << 5000.0;
        QTest::newRow("six, lower half shuffled")
            << QList<double>{3000, 100, 2000, 9000, 7000, 8000} << 5000.0;
        QTest::newRow("equal middle") << QList<double>{5000, 9000, 5000, 1000} << 5000.0;
        QTest::newRow("half a millisecond") << QList<double>{1001, 1000} << 1000.5;
        QTest::newRow("five with untimed") << QList<double>{-1, 600, 400, -1, 900, 100, 50} << 400.0;
        QTest::newRow("four with untimed") << QList<double>{-1, 600, 400, 900, 100} << 500.0;
    }
    void medianTimes() {
        QFETCH(QList<double>, times);
        QFETCH(double, median);
        FactStatsBuilder oneFact(DrillKind::Addition), twoFacts(DrillKind::Addition);
        for (int i = 0; i < times.size(); ++i) {
            oneFact.AddAnswer(FactIndex(DrillKind::Addition, {7, 8}), true, float(times[i]));
            // The overall median takes every fact's times together.
            twoFacts.AddAnswer(FactIndex(DrillKind::Addition, i % 2 ? Fact{7, 8} : Fact{0, 9}), true,
                               float(times[i]));
        }
        const FactStats one = oneFact.Finish(), two = twoFacts.Finish();
        QCOMPARE(one.Find({7, 8})->seen, int(times.size()));
        QCOMPARE(one.Find({7, 8})->medianMs, median);
        QCOMPARE(one.overallMedianMs, median);
        QCOMPARE(two.overallMedianMs, median);
        QCOMPARE(one.Find({0, 0})->medianMs, -1.0);
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

    void factTimesGiveTheSameStatsAsTheAnswers_data() {
        QTest::addColumn<int>("drill");
        QTest::newRow("add") << int(DrillKind::Addition);
        QTest::newRow("subtract") << int(DrillKind::Subtraction);
        QTest::newRow("kuku") << int(DrillKind::Kuku);
    }
    void factTimesGiveTheSameStatsAsTheAnswers() {
        QFETCH(int, drill);
        const DrillKind kind = DrillKind(drill);
        QList<Attempt> attempts = SampleHistory("a", kind, kDay, 9, 5);
        // Typed out of order, one cell never typed, one header outside the drill.
        std::swap(attempts[0].cells[3].lastKeyMs, attempts[0].cells[40].lastKeyMs);
        attempts[1].cells[7].lastKeyMs = -1;
        attempts[2].cells[12].top = 42;
        FactStatsBuilder fromAnswers(kind), fromTimes(kind);
        for (const Attempt& a : attempts) {
            fromAnswers.AddAttempt(samplesOf(a));
            QVERIFY(AddFactTimes(fromTimes, EncodeFactTimes(a)));
        }
        const FactStats expected = fromAnswers.Finish(), kept = fromTimes.Finish();
        QCOMPARE(kept.attempts, expected.attempts);
        QCOMPARE(kept.overallMedianMs, expected.overallMedianMs);
        for (int i = 0; i < expected.facts.size(); ++i) {
            QCOMPARE(kept.facts[i].seen, expected.facts[i].seen);
            QCOMPARE(kept.facts[i].wrong, expected.facts[i].wrong);
            QCOMPARE(kept.facts[i].medianMs, expected.facts[i].medianMs);
        }
    }

    void damagedFactTimesAddNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = EncodeFactTimes(SampleAttempt("a", DrillKind::Kuku, kDay, 1));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("other format") << QByteArray(1, '\x02') + good.mid(1);
        QTest::newRow("cut short") << good.chopped(2);
        QByteArray outside = good;
        outside[1] = char(64); // the kuku drill has 64 facts
        QTest::newRow("fact outside the drill") << outside;
    }
    void damagedFactTimesAddNothing() {
        QFETCH(QByteArray, bytes);
        FactStatsBuilder builder(DrillKind::Kuku);
        QVERIFY(!AddFactTimes(builder, bytes));
        const FactStats stats = builder.Finish();
        QCOMPARE(stats.attempts, 0);
        QCOMPARE(stats.Find({2, 2})->seen, 0);
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
