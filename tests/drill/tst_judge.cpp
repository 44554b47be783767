// Judging at Stop: completeness, marking, counting, best times and messages.
#include "drill/CellTable.h"
#include "drill/DrillTime.h"
#include "drill/ExpectedAnswer.h"
#include "drill/Judge.h"
#include "drill/SheetGenerator.h"

#include "tests/support/ScriptedRandom.h"

#include <QTest>

namespace {
using Outcome = JudgeResult::Outcome;

CellTable answeredSheet(const DrillSheet& sheet) {
    CellTable grid(sheet.size + 1, sheet.size + 1);
    ScriptedRandom random;
    GenerateSheet(grid, sheet, random);
    FillAnswerKey(grid, sheet);
    return grid;
}

int marks(const CellTable& grid) {
    int count = 0;
    for (int row = 1; row < grid.RowCount(); ++row)
        for (int col = 1; col < grid.ColCount(); ++col)
            count += grid.Cells(col, row) == kCorrectMark;
    return count;
}
} // namespace

Q_DECLARE_METATYPE(JudgeResult::Outcome)

class TestJudge : public QObject {
    Q_OBJECT
private slots:
    void outcomes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("wrongAnswer"); // written into (2, 3); empty for none
        QTest::addColumn<quint32>("ms");
        QTest::addColumn<QString>("best");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("correct");
        const int add = int(DrillKind::Addition);
        QTest::newRow("all correct, faster") << add << "" << 83000u << "59:59" << Outcome::NewBest << 100;
        QTest::newRow("all correct, equal time")
            << add << "" << 83000u << "01:23" << Outcome::AllCorrect << 100;
        QTest::newRow("all correct, empty best") << add << "" << 83000u << "" << Outcome::NewBest << 100;
        QTest::newRow("over an hour") << add << "" << 3665000u << "59:59" << Outcome::AllCorrect << 100;
        QTest::newRow("one wrong, faster") << add << "99" << 1000u << "59:59" << Outcome::Score << 99;
        QTest::newRow("leading zero is wrong") << add << "0" << 1000u << "59:59" << Outcome::Score << 99;
        QTest::newRow("kuku full score")
            << int(DrillKind::Kuku) << "" << 1000u << "59:59" << Outcome::NewBest << 64;
        QTest::newRow("subtraction") << int(DrillKind::Subtraction) << "" << 1000u << "00:00"
                                     << Outcome::AllCorrect << 100;
    }
    void outcomes() {
        QFETCH(int, kind);
        QFETCH(QString, wrongAnswer);
        QFETCH(quint32, ms);
        QFETCH(QString, best);
        QFETCH(Outcome, outcome);
        QFETCH(int, correct);
        const DrillSheet& sheet = SheetOf(DrillKind(kind));
        CellTable grid = answeredSheet(sheet);
        if (!wrongAnswer.isEmpty()) {
            // Make the wrong answer differ from the expected one in form only.
            const QString expected = grid.Cells(2, 3);
            grid.SetCells(2, 3, wrongAnswer == "0" ? "0" + expected : wrongAnswer + expected);
        }
        const QString typed = grid.Cells(2, 3);
        const JudgeResult result = JudgeSheet(grid, sheet, ms, FormatDrillTime(ms), best);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.correct, correct);
        QCOMPARE(marks(grid), correct);
        if (!wrongAnswer.isEmpty())
            QCOMPARE(grid.Cells(2, 3), typed); // a wrong answer stays visible as typed
    }

    void trailingFullStopIsWrong() {
        const DrillSheet& sheet = SheetOf(DrillKind::Multiplication);
        CellTable grid = answeredSheet(sheet);
        grid.SetCells(10, 10, grid.Cells(10, 10) + ".");
        QCOMPARE(JudgeSheet(grid, sheet, 0, "00:00", "59:59").correct, 99);
    }

    void incompleteSheetIsLeftUntouched() {
        const DrillSheet& sheet = SheetOf(DrillKind::Addition);
        CellTable grid = answeredSheet(sheet);
        grid.SetCells(10, 10, QString());
        const JudgeResult result = JudgeSheet(grid, sheet, 1000, "00:01", "59:59");
        QCOMPARE(result.outcome, Outcome::Incomplete);
        QCOMPARE(marks(grid), 0);
        QCOMPARE(JudgeMessage(result, sheet),
                 QString("未入力項目があります\nすへての升を埋めてから\nストップを押してください。"));
    }

    void secondStopKeepsEarlierMarksAndMarksCorrections() {
        const DrillSheet& sheet = SheetOf(DrillKind::Addition);
        CellTable grid = answeredSheet(sheet);
        const QString right = grid.Cells(4, 4);
        grid.SetCells(4, 4, "-1");
        QCOMPARE(JudgeSheet(grid, sheet, 1000, "00:01", "59:59").correct, 99);
        grid.SetCells(4, 4, right);
        const JudgeResult again = JudgeSheet(grid, sheet, 2000, "00:02", "59:59");
        QCOMPARE(again.correct, 100);
        QCOMPARE(again.outcome, Outcome::NewBest);
    }

    void messages_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QString>("text");
        const int add = int(DrillKind::Addition);
        const int kuku = int(DrillKind::Kuku);
        QTest::newRow("new best") << add << Outcome::NewBest << 100
                                  << "全問正解そのうえ\nベストタイムです。\nたいへんよくできました。";
        QTest::newRow("all correct") << add << Outcome::AllCorrect << 100
                                     << "○ の数は、100/100 こです。\n全問正解・よくできました。";
        QTest::newRow("score") << add << Outcome::Score << 99 << "○ の数は、99/100 こです。";
        QTest::newRow("score of none") << add << Outcome::Score << 0 << "○ の数は、0/100 こです。";
        QTest::newRow("kuku all correct")
            << kuku << Outcome::AllCorrect << 64 << "○ の数は、64/64 こです。\n全問正解・よくできました。";
        QTest::newRow("kuku score") << kuku << Outcome::Score << 7 << "○ の数は、7/64 こです。";
    }
    void messages() {
        QFETCH(int, kind);
        QFETCH(Outcome, outcome);
        QFETCH(int, correct);
        QFETCH(QString, text);
        QCOMPARE(JudgeMessage(JudgeResult{outcome, correct}, SheetOf(DrillKind(kind))), text);
    }
};

QTEST_APPLESS_MAIN(TestJudge)
#include "tst_judge.moc"
