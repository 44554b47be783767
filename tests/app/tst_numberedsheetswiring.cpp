// "ちがうプリントを N 枚" from the main window: its own menu between 記録 and
// ヘルプ, the dialog that asks for the drill and the number of sheets, and
// the job it prints; the described menus stay as they are.
#include "app/NumberedSheetsDialog.h"
#include "print/NumberedSheets.h"
#include "print/WorksheetPrint.h"

#include "tests/support/FormTestCase.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

namespace {
// Answers the dialog when it opens: the drill and count, or Cancel.
void answerDialog(std::optional<std::pair<DrillKind, int>> answer, DrillKind* offered = nullptr) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<NumberedSheetsDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (offered)
            *offered = dialog->Drill();
        if (!answer) {
            dialog->Buttons->button(QDialogButtonBox::Cancel)->click();
            return;
        }
        dialog->DrillBox->setCurrentIndex(dialog->DrillBox->findData(int(answer->first)));
        dialog->CountBox->setValue(answer->second);
        dialog->Buttons->button(QDialogButtonBox::Ok)->click();
    });
}
} // namespace

class TestNumberedSheetsWiring : public FormTestCase {
    Q_OBJECT

private slots:
    void ownMenuBeforeHelp() {
        QStringList titles;
        for (QAction* action : f->form->menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"ファイル(&F)", "編集(&E)", "サウンド(&S)", "記録(&R)", "プリント(&W)",
                                      "ヘルプ(&H)"}));
        QCOMPARE(f->form->DifferentSheets1->text(), "ちがうプリントを N 枚...");
        QCOMPARE(qobject_cast<QMenu*>(f->form->DifferentSheets1->parent())->title(), "プリント(&W)");
    }

    void sheetsAndKeysInOneJob() {
        TForm1& form = *f->form;
        form.PageControl1->setCurrentIndex(PlaceOf(DrillKind::Subtraction).pageIndex);
        form.StringGrid4->SetCells(0, 0, QStringLiteral("なまえ"));
        const QString shownCorner = form.StringGrid5->Cells(0, 0);
        DrillKind offered = DrillKind::Addition;
        answerDialog(std::pair{DrillKind::Kuku, 2}, &offered);
        form.DifferentSheets1->trigger();
        QCOMPARE(offered, DrillKind::Subtraction); // the drill on show
        QCOMPARE(f->printerSetup.shown, 1);
        QCOMPARE(f->printer.log, (QStringList{"BeginDoc", "NewPage", "NewPage", "NewPage", "EndDoc"}));
        for (int page = 1; page <= 4; ++page) {
            QCOMPARE(f->printer.canvas.Texts(page).first(), "なまえ");
            QCOMPARE(f->printer.canvas.Calls(CanvasCall::TextOut, page).last().text,
                     SheetNumberText((page - 1) % 2 + 1, page > 2));
        }
        // The kuku sheet on screen is untouched.
        QCOMPARE(form.StringGrid5->Cells(0, 0), shownCorner);
        QCOMPARE(form.StringGrid5->Cells(1, 1), QString());
    }

    void cancelPrintsNothing() {
        answerDialog(std::nullopt);
        f->form->DifferentSheets1->trigger();
        QCOMPARE(f->printerSetup.shown, 0);
        QVERIFY(f->printer.log.isEmpty());
    }

    void dialogLimitsTheCount() {
        NumberedSheetsDialog dialog(DrillKind::Kuku);
        QCOMPARE(dialog.Drill(), DrillKind::Kuku);
        QCOMPARE(dialog.CountBox->minimum(), 1);
        QCOMPARE(dialog.CountBox->maximum(), 40);
        QCOMPARE(dialog.DrillBox->count(), 4);
        // A picture to look at when asked for.
        if (const QString shots = qEnvironmentVariable("VANTEL_SHOT_DIR"); !shots.isEmpty()) {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QVERIFY(dialog.grab().save(QDir(shots).filePath("numbered-sheets-dialog.png")));
        }
    }
};

QTEST_MAIN(TestNumberedSheetsWiring)
#include "tst_numberedsheetswiring.moc"
