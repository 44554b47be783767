// A whole attempt through the keyboard, on the real main window.
#include "drill/ExpectedAnswer.h"
#include "drill/Judge.h"
#include "widgets/GridCellEditor.h"
#include "widgets/TButton.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include "tests/support/FormTestCase.h"
#include "tests/support/HeaderValues.h"

#include <QApplication>
#include <QTabWidget>

namespace {
const QString kNewBest = QStringLiteral("全問正解そのうえ\nベストタイムです。\nたいへんよくできました。");
const QString kIncomplete =
    QStringLiteral("未入力項目があります\nすへての升を埋めてから\nストップを押してください。");

} // namespace

class TestDrillFlow : public FormTestCase {
    Q_OBJECT

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(f->Window(), key, modifiers);
    }
    void type(const QString& text) {
        for (QChar ch : text)
            QTest::keyClick(f->Window(), ch.toLatin1());
    }
    // Types every answer of the active sheet followed by Enter, with the
    // given texts in place of some answers.
    void answerAll(TStringGrid* grid, const DrillSheet& sheet, const QHash<QPoint, QString>& instead = {}) {
        for (int row = 1; row <= sheet.size; ++row)
            for (int col = 1; col <= sheet.size; ++col) {
                QCOMPARE(grid->Col(), col);
                QCOMPARE(grid->Row(), row);
                const QPoint cell(col, row);
                type(instead.contains(cell) ? instead[cell]
                                            : ExpectedAnswer(*grid, sheet.operation, col, row));
                press(Qt::Key_Return);
            }
    }
    int marks(const TStringGrid* grid) {
        int count = 0;
        for (int row = 1; row < grid->RowCount(); ++row)
            for (int col = 1; col < grid->ColCount(); ++col)
                count += grid->Cells(col, row) == kCorrectMark;
        return count;
    }

private slots:
    void wholeAttemptFromTheKeyboard() {
        TForm1& form = *f->form;
        QTRY_VERIFY(form.BitBtn7->hasFocus());
        QCOMPARE(form.StringGrid1->Cells(0, 0), "＋");

        f->ticks.now = 1000;
        press(Qt::Key_Return); // Start
        QVERIFY(form.StringGrid1->hasFocus());
        QCOMPARE(Sorted(Headers(*form.StringGrid1, 10, true)), Range(0, 10));
        QCOMPARE(Sorted(Headers(*form.StringGrid1, 10, false)), Range(0, 10));

        answerAll(form.StringGrid1, SheetOf(DrillKind::Addition));
        QVERIFY(form.BitBtn6->hasFocus());

        f->ticks.now = 1000 + 83456;
        press(Qt::Key_Return); // Stop
        QCOMPARE(f->messages.messages, QStringList{kNewBest});
        QCOMPARE(form.StatusBar1->PanelText(0), "01:23");
        QCOMPARE(form.StatusBar1->PanelText(1), "01:23");
        QCOMPARE(marks(form.StringGrid1), 100);
        QVERIFY(form.BitBtn7->hasFocus());

        // A faster attempt with one wrong answer: the score, and no new best.
        f->messages.Clear();
        f->ticks.now = 200000;
        press(Qt::Key_Return);
        answerAll(form.StringGrid1, SheetOf(DrillKind::Addition), {{QPoint(4, 7), "99"}});
        f->ticks.now = 201000;
        press(Qt::Key_Return);
        QCOMPARE(f->messages.messages, QStringList{"○ の数は、99/100 こです。"});
        QCOMPARE(form.StatusBar1->PanelText(0), "00:01");
        QCOMPARE(form.StatusBar1->PanelText(1), "01:23");
        QCOMPARE(form.StringGrid1->Cells(4, 7), "99");
    }

    void emptyCellGivesTheIncompleteMessage() {
        TForm1& form = *f->form;
        f->ticks.now = 0;
        press(Qt::Key_Return);
        answerAll(form.StringGrid1, SheetOf(DrillKind::Addition), {{QPoint(5, 5), ""}});
        f->ticks.now = 65000;
        press(Qt::Key_Return);
        QCOMPARE(f->messages.messages, QStringList{kIncomplete});
        QCOMPARE(form.StatusBar1->PanelText(0), "01:05");
        QCOMPARE(form.StatusBar1->PanelText(1), "59:59");
        QCOMPARE(marks(form.StringGrid1), 0);
        QVERIFY(form.BitBtn7->hasFocus());
    }

    void kukuSheetCountsToSixtyFour() {
        TForm1& form = *f->form;
        form.PageControl1->setCurrentIndex(3);
        QVERIFY(form.BitBtn7->hasFocus());
        press(Qt::Key_Return);
        QCOMPARE(form.StringGrid5->Cells(1, 0), "2");
        QCOMPARE(form.StringGrid5->Cells(0, 8), "9");
        answerAll(form.StringGrid5, SheetOf(DrillKind::Kuku), {{QPoint(8, 8), "80"}});
        press(Qt::Key_Return);
        QCOMPARE(f->messages.messages, QStringList{"○ の数は、63/64 こです。"});
        QCOMPARE(form.StatusBar1->PanelText(6), "00:00");
        QCOMPARE(form.StatusBar1->PanelText(7), "59:59");
    }

    void keyFilterKeepsOnlyDigitsPointAndBackspace() {
        TForm1& form = *f->form;
        press(Qt::Key_Return);
        TStringGrid* grid = form.StringGrid1;
        type("a- 1");
        QKeyEvent fullWidth(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("１"));
        QApplication::sendEvent(QApplication::focusWidget(), &fullWidth);
        type("2.");
        QCOMPARE(grid->Cells(1, 1), "12.");
        press(Qt::Key_Backspace);
        QCOMPARE(grid->Cells(1, 1), "12");
        // Paste is refused like any other character that is not a digit.
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(grid->Cells(1, 1), "12");
    }

    void enterWalksRowByRow() {
        TForm1& form = *f->form;
        press(Qt::Key_Return);
        TStringGrid* grid = form.StringGrid1;
        grid->SetCurrentCell(10, 3);
        press(Qt::Key_Return);
        QCOMPARE(QPoint(grid->Col(), grid->Row()), QPoint(1, 4));
        grid->SetCurrentCell(10, 10);
        press(Qt::Key_Return);
        QVERIFY(form.BitBtn6->hasFocus());
    }

    void startShortcutWinsOverTheEditor() {
        TForm1& form = *f->form;
        press(Qt::Key_Return);
        TStringGrid* grid = form.StringGrid1;
        const QString firstHeaders =
            grid->Cells(1, 0) + grid->Cells(2, 0) + grid->Cells(0, 1) + grid->Cells(0, 2);
        type("17");
        grid->Editor()->selectAll();
        f->random = ScriptedRandom({3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5, 8, 9, 7, 9, 0, 8, 2, 7});
        press(Qt::Key_X, Qt::ControlModifier); // Start, not cut
        QCOMPARE(grid->Cells(1, 1), QString());
        QCOMPARE(grid->Cells(1, 0) + grid->Cells(2, 0) + grid->Cells(0, 1) + grid->Cells(0, 2), "3182");
        QVERIFY(firstHeaders != "3182");
        QVERIFY(grid->hasFocus());
    }

    void stopShortcutJudgesTheLastCellBeingEdited() {
        TForm1& form = *f->form;
        f->ticks.now = 0;
        press(Qt::Key_Return);
        TStringGrid* grid = form.StringGrid1;
        const DrillSheet& sheet = SheetOf(DrillKind::Addition);
        FillAnswerKey(*grid, sheet);
        grid->SetCells(10, 10, QString());
        grid->SetCurrentCell(10, 10);
        type(ExpectedAnswer(*grid, sheet.operation, 10, 10));
        f->ticks.now = 30000;
        press(Qt::Key_F2);
        QCOMPARE(f->messages.messages, QStringList{kNewBest});
        QCOMPARE(form.StringGrid1->Cells(10, 10), kCorrectMark);
        QCOMPARE(form.StatusBar1->PanelText(1), "00:30");
    }

    void clearEmptiesTheSheetAndKeepsTheClock() {
        TForm1& form = *f->form;
        form.PageControl1->setCurrentIndex(2);
        press(Qt::Key_Return);
        QCOMPARE(form.StringGrid3->Cells(0, 0), "x");
        type("5");
        form.BitBtn15->click();
        QCOMPARE(form.StringGrid3->Cells(0, 0), "X");
        QCOMPARE(form.StringGrid3->Cells(1, 1), QString());
        QCOMPARE(form.StringGrid3->Cells(1, 0), QString());
        QVERIFY(form.BitBtn7->hasFocus());
        QCOMPARE(form.StatusBar1->PanelText(4), "00:00");
    }

    void drillCommandsDoNothingOnOtherPages() {
        TForm1& form = *f->form;
        form.PageControl1->setCurrentIndex(4);
        form.BitBtn7Click();
        form.BitBtn6Click();
        QVERIFY(f->messages.messages.isEmpty());
        for (const DrillSheet& sheet : DrillSheets())
            QCOMPARE(form.GridOf(sheet)->Cells(1, 0), QString());
    }

    void clockTicksIntoTheLastPanel() {
        f->clock.now = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
        QTRY_COMPARE(f->form->StatusBar1->PanelText(8), "  12/08(火曜日)09:05:07");
    }
};

QTEST_MAIN(TestDrillFlow)
#include "tst_drillflow.moc"
