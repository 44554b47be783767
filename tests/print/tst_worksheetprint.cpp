// The worksheet print through a recording printer: one job, one page, the
// name panel above the sheet, the notice under it, and the failure paths.
#include "print/VoskGridP.h"
#include "print/WorksheetPrint.h"

#include "tests/support/RecordingPrinter.h"
#include "tests/support/WorksheetGrids.h"

#include <QTest>
#include <QTranslator>

namespace {
struct Worksheet {
    RecordingPrinter device;
    std::unique_ptr<TStringGrid> names = MakeNamePanel();
    std::unique_ptr<TStringGrid> sheet = MakeAdditionSheet();
    TVoskSGridPrinter namePrinter{device};
    TVoskSGridPrinter sheetPrinter{device};
    FakePrinterSetup setup;

    Worksheet() {
        SetUpNamePanelPrinter(namePrinter, names.get());
        SetUpSheetPrinter(sheetPrinter, sheet.get());
    }
    void print() { PrintWorksheetCommand(setup, device, namePrinter, sheetPrinter); }
};
} // namespace

class TestWorksheetPrint : public QObject {
    Q_OBJECT
private slots:
    void printerSettings() {
        Worksheet w;
        QCOMPARE(w.sheetPrinter.TopMargin(), 50);
        QCOMPARE(w.namePrinter.TopMargin(), 10);
        QCOMPARE(w.sheetPrinter.NormalGridWidth(), 4);
        QCOMPARE(w.namePrinter.NormalGridWidth(), 4);
    }

    // OK or Cancel in the setup dialog, the worksheet prints all the same.
    void onePageUnderTheNamePanel_data() {
        QTest::addColumn<bool>("setupAnswer");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void onePageUnderTheNamePanel() {
        QFETCH(bool, setupAnswer);
        Worksheet w;
        w.setup.answer = setupAnswer;
        w.names->SetCells(0, 0, QStringLiteral("なまえ"));
        w.print();
        QCOMPARE(w.setup.shown, 1);
        QCOMPARE(w.device.log, (QStringList{"BeginDoc", "EndDoc"}));

        const QList<CanvasCall> boxes = w.device.canvas.Calls(CanvasCall::Rectangle);
        QCOMPARE(boxes.size(), 12 + 121);
        const int top = 10 * 600 * 10 / 254; // 10 mm at 600 dpi, 236
        QCOMPARE(boxes[0].rect.topLeft(), QPoint(top, top));
        QCOMPARE(boxes[12].rect.topLeft(), QPoint(236, 1181));
        for (const CanvasCall& box : boxes)
            QCOMPARE(box.penWidth, 4);
        const QList<CanvasCall> texts = w.device.canvas.Calls(CanvasCall::TextRect);
        QCOMPARE(texts.first().text, QStringLiteral("なまえ"));
        QCOMPARE(texts.first().fontSize, 18);

        // The notice: the sheet's font at the size of 8 mm, 20 mm in, right under the sheet.
        const QList<CanvasCall> notices = w.device.canvas.Calls(CanvasCall::TextOut);
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0].text, kWorksheetNotice);
        QCOMPARE(notices[0].at, QPoint(472, 3862));
        QCOMPARE(notices[0].fontSize, 22);
        QVERIFY(w.device.canvas.font.bold());
        QCOMPARE(w.device.canvas.font.family(), kGothicFace);
    }

    // A language of longer words prints the notice smaller, not past the page's edge.
    void aLongNoticeShrinksToThePage() {
        class LongNotice : public QTranslator {
        public:
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char*, const char*, int) const override {
                return QByteArray(context) == "WorksheetPrint" ? QString(120, u'n') : QString();
            }
        } longNotice;
        QCoreApplication::installTranslator(&longNotice);
        Worksheet w;
        w.print();
        QCoreApplication::removeTranslator(&longNotice);
        const QList<CanvasCall> notices = w.device.canvas.Calls(CanvasCall::TextOut);
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0].text, QString(120, u'n'));
        QVERIFY(notices[0].fontSize < 22);
        QFont font = w.device.canvas.font;
        font.setPointSize(notices[0].fontSize);
        w.device.canvas.font = font;
        QVERIFY(notices[0].at.x() + w.device.canvas.TextWidth(notices[0].text) <= w.device.PageWidth());
    }

    void answerKeyPrintsEveryAnswer() {
        Worksheet w;
        FillAnswerKey(*w.sheet, SheetOf(DrillKind::Addition));
        w.print();
        const QStringList texts = w.device.canvas.Texts();
        QCOMPARE(texts.size(), 121);
        QCOMPARE(texts[12], QString::number(3 + 8)); // (1, 1): top 3, left 8
    }

    void emptyNamePanelStillShowsItsBoxes() {
        Worksheet w;
        w.print();
        QCOMPARE(w.device.canvas.Calls(CanvasCall::Rectangle).size(), 12 + 121);
        QCOMPARE(w.device.canvas.Texts().size(), 21); // the sheet's corner and headers only
    }

    void jobThatCannotStartPrintsNothing() {
        Worksheet w;
        w.device.failBegin = true;
        QVERIFY_THROWS_EXCEPTION(VantelError, w.print());
        QVERIFY(w.device.log.isEmpty());
        QVERIFY(w.device.canvas.calls.isEmpty());
    }

    // A broken notice must not leave the job open, or no later print could start.
    void failingNoticeStillEndsTheJob() {
        Worksheet w;
        w.device.canvas.failAtCall = 12 + 121 + 21; // the notice
        QVERIFY_THROWS_EXCEPTION(VantelError, w.print());
        QCOMPARE(w.device.log, (QStringList{"BeginDoc", "EndDoc"}));
        QVERIFY(!w.device.Printing());
    }

    void noticeNeedsAPrintedSheet() {
        RecordingPrinter device;
        TVoskSGridPrinter sheetPrinter(device);
        device.BeginDoc();
        PrintNotice(sheetPrinter); // no grid, no canvas: nothing to write under
        QVERIFY(device.canvas.calls.isEmpty());
    }
};

QTEST_MAIN(TestWorksheetPrint)
#include "tst_worksheetprint.moc"
