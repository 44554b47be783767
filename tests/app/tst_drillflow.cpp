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
#include <QPainter>
#include <QTabWidget>

namespace {
const QString kNewBest = QStringLiteral("全問正解そのうえ\nベストタイムです。\nたいへんよくできました。");
const QString kIncomplete =
    QStringLiteral("未入力項目があります\nすへての升を埋めてから\nストップを押してください。");

} // namespace

class TestDrillFlow : public FormTestCase {
    Q_OBJECT

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

    // One stopwatch for all sheets, through the window: Stop before any
    // Start measures from 0; Stop always writes the panel of the sheet shown,
    // timed from the last Start on whichever sheet.
    void oneStopwatchForAllSheets() {
        TForm1& form = *f->form;
        f->ticks.now = 125000; // the counter's own reading: 2 minutes 5 seconds since it started
        QTest::keyClick(f->Window(), Qt::Key_F2);
        QCOMPARE(form.StatusBar1->PanelText(0), "02:05");
        QCOMPARE(f->messages.messages, QStringList{kIncomplete});
        QVERIFY(form.BitBtn7->hasFocus());

        f->messages.Clear();
        f->ticks.now = 4000000;
        press(Qt::Key_Return); // Start on the addition sheet
        form.PageControl1->setCurrentIndex(1);
        f->ticks.now = 4000000 + 95000;
        QTest::keyClick(f->Window(), Qt::Key_F2); // Stop on the subtraction sheet
        QCOMPARE(form.StatusBar1->PanelText(2), "01:35");
        QCOMPARE(form.StatusBar1->PanelText(0), "02:05");
        QCOMPARE(f->messages.messages, QStringList{kIncomplete});
        QVERIFY(form.BitBtn7->hasFocus());
        QCOMPARE(form.StringGrid2->Cells(0, 0), "－"); // never started: nothing generated
    }

    // The cell drawing on the screen: fixed cells in the fixed colour, others
    // in the background colour, selected ones without highlight, and the text
    // centred 2 pixels below the middle.
    void cellsAsDrawn() {
        TForm1& form = *f->form;
        press(Qt::Key_Return); // Start: the current cell is (1, 1)
        TStringGrid* grid = form.StringGrid1;
        QTest::keyClick(f->Window(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(f->Window(), Qt::Key_Down, Qt::ShiftModifier);
        QVERIFY(grid->IsSelected(1, 2));
        QVERIFY(grid->Row() != 2); // the editor stands on the current cell, not this one
        grid->SetCells(1, 2, "18");
        grid->SetCells(4, 5, "18");
        const QImage shot = grid->grab().toImage();
        const auto fill = [&](int col, int row) {
            return QColor(shot.pixel(grid->CellRect(col, row).topLeft() + QPoint(2, 2)));
        };
        QVERIFY(grid->FixedColor() != grid->Color());
        QVERIFY(grid->palette().color(QPalette::Highlight) != grid->Color());
        QCOMPARE(fill(0, 4), grid->FixedColor());
        QCOMPARE(fill(4, 0), grid->FixedColor());
        QCOMPARE(fill(4, 5), grid->Color());
        QCOMPARE(fill(1, 2), grid->Color()); // selected, not current

        // A selected cell looks exactly like an unselected one with the same text.
        const QRect selected = grid->CellRect(1, 2);
        const QRect plain = grid->CellRect(4, 5);
        QCOMPARE(shot.copy(selected), shot.copy(plain));

        // The same text centred in the unmoved cell, drawn on its own.
        QImage reference(plain.size(), shot.format());
        reference.fill(grid->Color());
        {
            QPainter painter(&reference);
            painter.setFont(grid->font());
            painter.setPen(grid->FontColor());
            painter.drawText(QRect(QPoint(0, 0), plain.size()), Qt::AlignCenter | Qt::TextSingleLine, "18");
        }
        const auto inkBox = [&](const QImage& image) {
            QRect box;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 128)
                        box = box.united(QRect(x, y, 1, 1));
            return box;
        };
        const QRect drawn = inkBox(shot.copy(plain));
        QVERIFY(!drawn.isEmpty());
        QCOMPARE(drawn, inkBox(reference).translated(0, 2));
    }

    void clockTicksIntoTheLastPanel() {
        f->clock.now = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
        QTRY_COMPARE(f->form->StatusBar1->PanelText(8), "  12/08(火曜日)09:05:07");
    }
};

QTEST_MAIN(TestDrillFlow)
#include "tst_drillflow.moc"
