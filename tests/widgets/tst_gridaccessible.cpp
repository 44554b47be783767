// What assistive technology sees of the grid and the status bar: a table of
// named cells with header cells, panels with names and values, and the
// events that tell a screen reader the focus moved or a value changed.
#include "widgets/ClickLabel.h"
#include "widgets/GridCellEditor.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include "tests/support/AccessibilityOn.h"

#include <QAccessible>
#include <QTest>

namespace {
// The events reported since the last take, as "kind col,row text".
QStringList events;

QString describe(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    QString where;
    if (QAccessibleTableCellInterface* cell = iface ? iface->tableCellInterface() : nullptr)
        where = QStringLiteral(" %1,%2").arg(cell->columnIndex()).arg(cell->rowIndex());
    switch (event->type()) {
    case QAccessible::Focus:
        return QStringLiteral("focus") + where;
    case QAccessible::ValueChanged:
        return QStringLiteral("value") + where + u' ' +
               static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    case QAccessible::NameChanged:
        return QStringLiteral("name") + where + u' ' + (iface ? iface->text(QAccessible::Name) : QString());
    default:
        return {};
    }
}

void record(QAccessibleEvent* event) {
    const QString text = describe(event);
    if (!text.isEmpty())
        events << text;
}

QStringList take() { return std::exchange(events, {}); }
} // namespace

class TestGridAccessible : public QObject {
    Q_OBJECT

    QWidget* window = nullptr;
    TStringGrid* grid = nullptr;

    QAccessibleInterface* table() const { return QAccessible::queryAccessibleInterface(grid); }
    QAccessibleInterface* cell(int col, int row) const { return table()->tableInterface()->cellAt(row, col); }

private slots:
    void initTestCase() {
        QVERIFY(SwitchAccessibilityOn());
        QAccessible::installUpdateHandler(record);
    }

    void init() {
        window = new QWidget;
        grid = new TStringGrid(window);
        grid->SetColCount(4);
        grid->SetRowCount(3);
        grid->resize(400, 200);
        grid->SetCells(0, 0, QStringLiteral("＋"));
        grid->SetCells(1, 0, QStringLiteral("7"));
        grid->SetCells(2, 0, QStringLiteral("3"));
        grid->SetCells(0, 1, QStringLiteral("8"));
        grid->SetCells(0, 2, QStringLiteral("5"));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        grid->setFocus();
        grid->SetCurrentCell(1, 1);
        take();
    }
    void cleanup() { delete window; }

    void isATableOfCellsWithHeaders() {
        QAccessibleInterface* iface = table();
        QCOMPARE(iface->role(), QAccessible::Table);
        QAccessibleTableInterface* t = iface->tableInterface();
        QVERIFY(t);
        QCOMPARE(t->columnCount(), 4);
        QCOMPARE(t->rowCount(), 3);
        QCOMPARE(iface->childCount(), 12);
        QCOMPARE(t->columnDescription(2), "3");
        QCOMPARE(t->rowDescription(2), "5");
    }

    void cellRolesAndNames_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("corner") << 0 << 0 << int(QAccessible::ColumnHeader) << "＋";
        QTest::newRow("top header") << 2 << 0 << int(QAccessible::ColumnHeader) << "3";
        QTest::newRow("left header") << 0 << 2 << int(QAccessible::RowHeader) << "5";
        QTest::newRow("answer cell, named by its headers") << 2 << 1 << int(QAccessible::Cell) << "3 8";
        QTest::newRow("answer cell without headers") << 3 << 2 << int(QAccessible::Cell) << "5";
    }
    void cellRolesAndNames() {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QString, name);
        QAccessibleInterface* c = cell(col, row);
        QVERIFY(c && c->isValid());
        QCOMPARE(int(c->role()), role);
        QCOMPARE(c->text(QAccessible::Name), name);
        QCOMPARE(c->parent(), table());
        QCOMPARE(table()->indexOfChild(c), row * 4 + col);
        QCOMPARE(table()->child(row * 4 + col), c);
        // The cell sits where it is drawn.
        QCOMPARE(table()->childAt(c->rect().center().x(), c->rect().center().y()), c);
    }

    void aCellIsNamedAndValuedAsTheGridSays() {
        grid->OnCellName = [](const TStringGrid* g, int col, int row) {
            return col > 0 && row > 0 ? g->Cells(col, 0) + QStringLiteral(" たす ") + g->Cells(0, row)
                                      : QString();
        };
        grid->OnCellValue = [](const TStringGrid* g, int col, int row) {
            return g->Cells(col, row) == QStringLiteral("○") ? QStringLiteral("正解") : g->Cells(col, row);
        };
        QCOMPARE(cell(1, 1)->text(QAccessible::Name), "7 たす 8");
        QCOMPARE(cell(0, 1)->text(QAccessible::Name), "8"); // no answer: the header's own text
        grid->SetCells(2, 2, QStringLiteral("○"));
        QCOMPARE(cell(2, 2)->text(QAccessible::Value), "正解");
        grid->SetCells(2, 2, QStringLiteral("12"));
        QCOMPARE(cell(2, 2)->text(QAccessible::Value), "12");
    }

    void answerCellsKnowTheirHeaders() {
        QAccessibleTableCellInterface* c = cell(2, 1)->tableCellInterface();
        QVERIFY(c);
        QCOMPARE(c->columnHeaderCells(), QList<QAccessibleInterface*>{cell(2, 0)});
        QCOMPARE(c->rowHeaderCells(), QList<QAccessibleInterface*>{cell(0, 1)});
        QVERIFY(cell(2, 0)->tableCellInterface()->columnHeaderCells().isEmpty());
    }

    void theCurrentCellIsFocusedAndSelected() {
        QVERIFY(cell(1, 1)->state().focused);
        QVERIFY(cell(1, 1)->state().editable);
        QVERIFY(!cell(2, 1)->state().focused);
        QVERIFY(cell(0, 1)->state().readOnly);
        QCOMPARE(table()->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{cell(1, 1)});
    }

    void typingAndMovingAreReported() {
        QTest::keyClick(window->windowHandle(), '1');
        QTest::keyClick(window->windowHandle(), '5');
        QCOMPARE(take(), (QStringList{"value 1,1 1", "value 1,1 15"}));
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
        QVERIFY(take().contains("focus 2,1"));
        grid->SetCells(3, 1, QStringLiteral("4"));
        QCOMPARE(take(), QStringList{"value 3,1 4"});
        // The same text again changes nothing, so nothing is said.
        grid->SetCells(3, 1, QStringLiteral("4"));
        QVERIFY(take().isEmpty());
    }

    void theEditorCarriesTheNameOfItsCell() {
        grid->OnCellName = [](const TStringGrid* g, int col, int row) {
            return col > 0 && row > 0 ? g->Cells(col, 0) + QStringLiteral(" かける ") + g->Cells(0, row)
                                      : QString();
        };
        grid->SetCurrentCell(2, 2);
        QCOMPARE(grid->Editor()->accessibleName(), "3 かける 5");
        // New headers (a new sheet) rename the cell under the editor at once.
        grid->SetCells(2, 0, QStringLiteral("9"));
        QCOMPARE(grid->Editor()->accessibleName(), "9 かける 5");
        const QStringList said = take();
        QVERIFY2(said.contains("name 2,0 9"), qPrintable(said.join(" / ")));
        grid->SetCells(0, 2, QStringLiteral("6"));
        QCOMPARE(grid->Editor()->accessibleName(), "9 かける 6");
    }

    void cellsOutsideAShrunkGridAreGone() {
        QAccessibleInterface* far = cell(3, 2);
        QVERIFY(far->isValid());
        grid->SetColCount(2);
        QVERIFY(!cell(3, 2));
        QCOMPARE(table()->childCount(), 6);
        QCOMPARE(cell(1, 1)->text(QAccessible::Name), "7 8");
    }

    void aLinkLabelIsALinkThatCanBePressed() {
        ClickLabel link(window);
        link.setText(QStringLiteral("https://example.org/"));
        int clicks = 0;
        connect(&link, &ClickLabel::clicked, [&] { ++clicks; });
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&link);
        QCOMPARE(iface->role(), QAccessible::Link);
        QCOMPARE(iface->text(QAccessible::Name), "https://example.org/");
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks, 1);
    }

    void statusPanelsAreNamedAndValued() {
        TStatusBar bar(window);
        bar.SetPanels({TStatusBar::Panel{65, Qt::AlignHCenter, QStringLiteral("00:00")},
                       TStatusBar::Panel{150, Qt::AlignLeft, QString()}});
        bar.SetPanelName(0, QStringLiteral("たしざん 今回のタイム"));
        bar.show();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&bar);
        QCOMPARE(iface->role(), QAccessible::StatusBar);
        QCOMPARE(iface->childCount(), 2);
        QAccessibleInterface* time = iface->child(0);
        QCOMPARE(time->role(), QAccessible::StaticText);
        QCOMPARE(time->text(QAccessible::Name), "たしざん 今回のタイム");
        QCOMPARE(time->text(QAccessible::Value), "00:00");
        QCOMPARE(iface->indexOfChild(time), 0);
        take();
        bar.SetPanelText(0, QStringLiteral("01:23"));
        QCOMPARE(time->text(QAccessible::Value), "01:23");
        QCOMPARE(take(), QStringList{"value 01:23"});
        // An unnamed panel is known by its text.
        bar.SetPanelText(1, QStringLiteral("12/08"));
        QCOMPARE(iface->child(1)->text(QAccessible::Name), "12/08");
    }
};

QTEST_MAIN(TestGridAccessible)
#include "tst_gridaccessible.moc"
