// Worksheets and answer keys from the main window's buttons, menu items and
// shortcuts, through a recording printer.
#include "drill/ExpectedAnswer.h"
#include "drill/Judge.h"
#include "print/WorksheetPrint.h"

#include "tests/support/FormTestCase.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

class TestPrintWiring : public FormTestCase {
    Q_OBJECT

private slots:
    void shortcutsPrintTheSheetTheyName_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("kind");
        QTest::newRow("Ctrl+P addition") << int(Qt::Key_P) << int(DrillKind::Addition);
        QTest::newRow("Ctrl+O subtraction") << int(Qt::Key_O) << int(DrillKind::Subtraction);
        QTest::newRow("Ctrl+I multiplication") << int(Qt::Key_I) << int(DrillKind::Multiplication);
    }
    void shortcutsPrintTheSheetTheyName() {
        QFETCH(int, key);
        QFETCH(int, kind);
        TForm1& form = *f->form;
        const DrillSheet& sheet = SheetOf(DrillKind(kind));
        form.PageControl1->setCurrentIndex(PlaceOf(sheet.kind).pageIndex);
        form.BitBtn7Click();
        form.PageControl1->setCurrentIndex(5); // printing works from any page
        form.StringGrid4->SetCells(0, 0, "なまえ");
        f->printerSetup.answer = false; // a cancelled setup still prints
        QTest::keyClick(f->Window(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(f->printerSetup.shown, 1);
        QCOMPARE(f->printer.log, (QStringList{"BeginDoc", "EndDoc"}));
        const QStringList texts = f->printer.canvas.Texts();
        QCOMPARE(texts.first(), "なまえ");
        QVERIFY(texts.contains(sheet.GeneratedCorner()));
        QVERIFY(texts.contains(form.GridOf(sheet)->Cells(1, 0)));
        QCOMPARE(f->printer.canvas.Calls(CanvasCall::TextOut).last().text, kWorksheetNotice);
    }

    void answerKeysFillTheSheetTheyName() {
        TForm1& form = *f->form;
        for (const DrillSheet& sheet : DrillSheets()) {
            form.PageControl1->setCurrentIndex(PlaceOf(sheet.kind).pageIndex);
            form.BitBtn7Click();
        }
        form.PageControl1->setCurrentIndex(4);
        const struct {
            Qt::Key key;
            DrillKind kind;
        } keys[] = {{Qt::Key_A, DrillKind::Addition},
                    {Qt::Key_B, DrillKind::Subtraction},
                    {Qt::Key_C, DrillKind::Multiplication},
                    {Qt::Key_D, DrillKind::Kuku}};
        for (const auto& entry : keys) {
            QTest::keyClick(f->Window(), entry.key, Qt::ControlModifier);
            const DrillSheet& sheet = SheetOf(entry.kind);
            TStringGrid* grid = form.GridOf(sheet);
            QCOMPARE(grid->Cells(sheet.size, sheet.size),
                     ExpectedAnswer(*grid, sheet.operation, sheet.size, sheet.size));
        }
        // The filled answers are judged like typed ones.
        form.PageControl1->setCurrentIndex(3);
        form.BitBtn6Click();
        QCOMPARE(f->messages.messages.last(),
                 "全問正解そのうえ\nベストタイムです。\nたいへんよくできました。");
    }

    // The answer shortcuts come before select all, copy and the other
    // editing keys of the window's one-line edits: the sound files and the user name.
    void answerShortcutsFromTheOneLineEdits_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("kind");
        QTest::newRow("Edit2 Ctrl+A") << "Edit2" << int(Qt::Key_A) << int(DrillKind::Addition);
        QTest::newRow("Edit3 Ctrl+C") << "Edit3" << int(Qt::Key_C) << int(DrillKind::Multiplication);
        QTest::newRow("Edit4 Ctrl+B") << "Edit4" << int(Qt::Key_B) << int(DrillKind::Subtraction);
        QTest::newRow("Edit5 Ctrl+D") << "Edit5" << int(Qt::Key_D) << int(DrillKind::Kuku);
        QTest::newRow("Edit6 Ctrl+A") << "Edit6" << int(Qt::Key_A) << int(DrillKind::Addition);
        QTest::newRow("Edit7 Ctrl+A") << "Edit7" << int(Qt::Key_A) << int(DrillKind::Addition);
        QTest::newRow("Edit7 Ctrl+C") << "Edit7" << int(Qt::Key_C) << int(DrillKind::Multiplication);
    }
    void answerShortcutsFromTheOneLineEdits() {
        QFETCH(QString, edit);
        QFETCH(int, key);
        QFETCH(int, kind);
        TForm1& form = *f->form;
        const DrillSheet& sheet = SheetOf(DrillKind(kind));
        form.PageControl1->setCurrentIndex(PlaceOf(sheet.kind).pageIndex);
        form.BitBtn7Click();
        form.PageControl1->setCurrentIndex(5);
        // Every slot on, so its edit takes the focus.
        for (QCheckBox* box :
             {form.CheckBox2, form.CheckBox3, form.CheckBox5, form.CheckBox6, form.CheckBox7})
            box->setChecked(true);
        auto* field = form.findChild<QLineEdit*>(edit);
        field->setText(QStringLiteral("/home/はなこ/ok.wav"));
        field->setFocus();
        field->setCursorPosition(2);
        QVERIFY(field->hasFocus());
        QApplication::clipboard()->setText(QStringLiteral("before"));

        QTest::keyClick(f->Window(), Qt::Key(key), Qt::ControlModifier);
        TStringGrid* grid = form.GridOf(sheet);
        for (int row = 1; row <= sheet.size; ++row)
            for (int col = 1; col <= sheet.size; ++col)
                QCOMPARE(grid->Cells(col, row), ExpectedAnswer(*grid, sheet.operation, col, row));
        QCOMPARE(field->text(), QStringLiteral("/home/はなこ/ok.wav"));
        QVERIFY(!field->hasSelectedText());
        QCOMPARE(field->cursorPosition(), 2);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void jobThatCannotStartSaysSoAndPrintsNothing() {
        f->printer.failBegin = true;
        f->form->findChild<QPushButton*>("BitBtn2")->click();
        QCOMPARE(f->messages.errors, QStringList{"no printer"});
        QVERIFY(f->printer.canvas.calls.isEmpty());
    }

    void setupCommands() {
        f->form->findChild<QPushButton*>("BitBtn24")->click();
        f->form->findChild<QAction*>("PrintSetup1")->trigger();
        QCOMPARE(f->printerSetup.shown, 2);
        QVERIFY(f->printer.log.isEmpty());
    }
};

QTEST_MAIN(TestPrintWiring)
#include "tst_printwiring.moc"
