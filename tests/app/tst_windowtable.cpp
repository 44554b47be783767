// The main window as its table describes it: each row's control is there in
// its place with its hint, glyph and enabled state once start-up is done,
// and each drill reaches the grid its sheet names.
#include "app/MainWindowLayout.h"
#include "drill/DrillSheet.h"
#include "widgets/TButton.h"

#include "tests/support/FormTestCase.h"

#include <QAbstractButton>

class TestWindowTable : public FormTestCase {
    Q_OBJECT
private slots:
    void everyRowIsInTheWindowAsDescribed() {
        for (const ControlRow& row : MainWindowControls()) {
            const auto* control = f->form->findChild<QWidget*>(QString::fromUtf8(row.name));
            QVERIFY2(control, row.name);
            QVERIFY2(control->isEnabled() == row.enabled, row.name);
            QCOMPARE(control->toolTip(), QString::fromUtf8(row.hint));
            if (row.kind != ControlKind::Page)
                QCOMPARE(control->pos(), QPoint(row.left, row.top));
            if (const auto* button = qobject_cast<const QAbstractButton*>(control))
                QVERIFY2(button->icon().isNull() == !row.glyph, row.name);
        }
    }

    void eachDrillWorksOnTheGridItsSheetNames_data() {
        QTest::addColumn<int>("kind");
        for (const DrillSheet& sheet : DrillSheets())
            QTest::newRow(PlaceOf(sheet.kind).gridName) << int(sheet.kind);
    }
    void eachDrillWorksOnTheGridItsSheetNames() {
        QFETCH(int, kind);
        const DrillSheet& sheet = SheetOf(DrillKind(kind));
        TStringGrid* grid = f->form->GridOf(sheet);
        QCOMPARE(grid->objectName(), QString::fromUtf8(PlaceOf(sheet.kind).gridName));
        f->form->PageControl1->setCurrentIndex(PlaceOf(sheet.kind).pageIndex);
        f->form->BitBtn7->click();
        QCOMPARE(grid->Cells(0, 0), sheet.GeneratedCorner());
        QVERIFY(grid->isAncestorOf(QApplication::focusWidget()) || grid->hasFocus());
    }
};

QTEST_MAIN(TestWindowTable)
#include "tst_windowtable.moc"
