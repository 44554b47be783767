// What assistive technology sees of the grid and the status bar: a table of
// the answer cells with the headers outside its rows and columns, cells and
// panels whose text is in the widget's language, and the events that tell a
// screen reader the focus moved or a text changed, never of the editor.
#include "widgets/ClickLabel.h"
#include "widgets/GridCellEditor.h"
#include "widgets/StringGridAccessible.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include "tests/support/AccessibilityOn.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

namespace {
// The events reported since the last take, as "kind col,row text", the
// place counted among the answer cells.
QStringList events;

QString describe(QAccessibleEvent* event) {
    if (qobject_cast<GridCellEditor*>(event->object()))
        return QStringLiteral("editor");
    QAccessibleInterface* iface = event->accessibleInterface();
    QString where;
    if (QAccessibleTableCellInterface* cell = iface ? iface->tableCellInterface() : nullptr)
        where = QStringLiteral(" %1,%2").arg(cell->columnIndex()).arg(cell->rowIndex());
    switch (event->type()) {
    case QAccessible::Focus:
        return QStringLiteral("focus") + where;
    case QAccessible::ValueChanged:
        return QStringLiteral("value") + where;
    case QAccessible::TextInserted: {
        auto* text = static_cast<QAccessibleTextInsertEvent*>(event);
        return QStringLiteral("insert%1 %2 %3")
            .arg(where)
            .arg(text->changePosition())
            .arg(text->textInserted());
    }
    case QAccessible::TextRemoved: {
        auto* text = static_cast<QAccessibleTextRemoveEvent*>(event);
        return QStringLiteral("remove%1 %2 %3")
            .arg(where)
            .arg(text->changePosition())
            .arg(text->textRemoved());
    }
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
    // A cell by its place in the grid, headers included.
    QAccessibleInterface* cell(int col, int row) const {
        return static_cast<StringGridAccessible*>(table())->gridCell(col, row);
    }

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

    void isATableOfTheAnswerCells() {
        QAccessibleInterface* iface = table();
        QCOMPARE(iface->role(), QAccessible::Table);
        QAccessibleTableInterface* t = iface->tableInterface();
        QVERIFY(t);
        // "3 columns 2 rows": what a child answers, not the headers.
        QCOMPARE(t->columnCount(), 3);
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(iface->childCount(), 12);
        QCOMPARE(t->cellAt(0, 0), cell(1, 1));
        QCOMPARE(t->cellAt(1, 2), cell(3, 2));
        QVERIFY(!t->cellAt(2, 0));
        QCOMPARE(t->columnDescription(1), "3");
        QCOMPARE(t->rowDescription(1), "5");
    }

    void cellRolesAndNames_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("corner") << 0 << 0 << int(QAccessible::ColumnHeader) << "＋" << 6;
        QTest::newRow("top header") << 2 << 0 << int(QAccessible::ColumnHeader) << "3" << 8;
        QTest::newRow("left header") << 0 << 2 << int(QAccessible::RowHeader) << "5" << 11;
        QTest::newRow("answer cell, named by its headers") << 2 << 1 << int(QAccessible::Cell) << "3 8" << 1;
        QTest::newRow("answer cell without headers") << 3 << 2 << int(QAccessible::Cell) << "5" << 5;
    }
    void cellRolesAndNames() {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(int, index);
        QAccessibleInterface* c = cell(col, row);
        QVERIFY(c && c->isValid());
        QCOMPARE(int(c->role()), role);
        QCOMPARE(c->text(QAccessible::Name), name);
        QCOMPARE(c->parent(), table());
        // Answers first, row by row, then the headers: each child once.
        QCOMPARE(table()->indexOfChild(c), index);
        QCOMPARE(table()->child(index), c);
        // The cell sits where it is drawn.
        QCOMPARE(table()->childAt(c->rect().center().x(), c->rect().center().y()), c);
    }

    void everyChildIsOneCell() {
        QSet<QAccessibleInterface*> seen;
        for (int i = 0; i < table()->childCount(); ++i) {
            QAccessibleInterface* child = table()->child(i);
            QVERIFY(child);
            QCOMPARE(table()->indexOfChild(child), i);
            seen.insert(child);
        }
        QCOMPARE(seen.size(), 12);
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

    void answerCellsAreCountedAmongAnswersAndHeadersAreNot() {
        QAccessibleTableCellInterface* c = cell(2, 1)->tableCellInterface();
        QVERIFY(c);
        QCOMPARE(c->columnIndex(), 1);
        QCOMPARE(c->rowIndex(), 0);
        QCOMPARE(c->table(), table());
        // The name says both operands; a reader should not say them again first.
        QVERIFY(c->columnHeaderCells().isEmpty());
        QVERIFY(c->rowHeaderCells().isEmpty());
        QVERIFY(!cell(2, 0)->tableCellInterface());
        QVERIFY(!cell(0, 1)->tableCellInterface());
    }

    void aCellsTextIsWhatItHoldsInItsLanguage() {
        grid->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
        grid->OnCellValue = [](const TStringGrid* g, int col, int row) {
            return g->Cells(col, row) == QStringLiteral("○") ? QStringLiteral("正解") : g->Cells(col, row);
        };
        grid->SetCells(2, 2, QStringLiteral("○"));
        QAccessibleTextInterface* text = cell(2, 2)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), "正解");
        int start = -1, end = -1;
        QCOMPARE(text->attributes(1, &start, &end), "language:ja;");
        QCOMPARE(start, 0);
        QCOMPARE(end, 2);
        // A header's text is its own, in the same language.
        QCOMPARE(cell(2, 0)->textInterface()->text(0, -1), "3");
        QCOMPARE(cell(2, 0)->textInterface()->attributes(0, &start, &end), "language:ja;");
        // The caret of the current cell is the editor's.
        QTest::keyClick(window->windowHandle(), '4');
        QTest::keyClick(window->windowHandle(), '2');
        QTest::keyClick(window->windowHandle(), Qt::Key_Left);
        QCOMPARE(cell(1, 1)->textInterface()->text(0, -1), "42");
        QCOMPARE(cell(1, 1)->textInterface()->cursorPosition(), 1);
    }

    void theCurrentCellIsFocusedAndSelected() {
        QVERIFY(cell(1, 1)->state().focused);
        QVERIFY(cell(1, 1)->state().editable);
        QVERIFY(!cell(2, 1)->state().focused);
        QVERIFY(cell(0, 1)->state().readOnly);
        QCOMPARE(table()->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{cell(1, 1)});
    }

    void typingAndMovingAreReportedOnTheCell() {
        QTest::keyClick(window->windowHandle(), '1');
        QTest::keyClick(window->windowHandle(), '5');
        QTest::keyClick(window->windowHandle(), Qt::Key_Backspace);
        QCOMPARE(take(), (QStringList{"insert 0,0 0 1", "insert 0,0 1 5", "remove 0,0 1 5"}));
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
        QVERIFY(take().contains("focus 1,0"));
        cell(3, 1); // a cell a reader never met changes unheard
        grid->SetCells(3, 1, QStringLiteral("4"));
        QCOMPARE(take(), QStringList{"insert 2,0 0 4"});
        // The same text again changes nothing, so nothing is said.
        grid->SetCells(3, 1, QStringLiteral("4"));
        QVERIFY(take().isEmpty());
    }

    void aChangedTextIsToldAsItsDifference_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("first digit") << ""
                                     << "7" << QStringList{"insert 2,1 0 7"};
        QTest::newRow("digit added") << "1"
                                     << "15" << QStringList{"insert 2,1 1 5"};
        QTest::newRow("digit erased") << "15"
                                      << "1" << QStringList{"remove 2,1 1 5"};
        QTest::newRow("first digit replaced") << "15"
                                              << "25" << QStringList{"remove 2,1 0 1", "insert 2,1 0 2"};
        QTest::newRow("emptied") << "12"
                                 << "" << QStringList{"remove 2,1 0 12"};
    }
    void aChangedTextIsToldAsItsDifference() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QStringList, said);
        grid->SetCells(3, 2, before);
        cell(3, 2); // a reader has met the cell
        take();
        grid->SetCells(3, 2, after);
        QCOMPARE(take(), said);
    }

    void theEditorIsHiddenBehindItsCell() {
        QVERIFY(!QAccessible::queryAccessibleInterface(grid->Editor())->isValid());
        QCOMPARE(table()->focusChild(), cell(1, 1));
        QVERIFY(cell(1, 1)->state().focused);
        // Coming back to the grid from elsewhere puts the focus on its cell.
        QLineEdit other(window);
        other.show();
        other.setFocus();
        take();
        grid->setFocus();
        const QStringList said = take();
        QVERIFY2(said.contains("focus 0,0"), qPrintable(said.join(" / ")));
        QVERIFY2(!said.contains("editor"), qPrintable(said.join(" / ")));
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
        // Its text changes (a panel has no value to set), in the bar's language.
        QCOMPARE(take(), (QStringList{"remove 1 0:00", "insert 1 1:23"}));
        bar.setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
        int start = -1, end = -1;
        QCOMPARE(time->textInterface()->text(0, -1), "01:23");
        QCOMPARE(time->textInterface()->attributes(0, &start, &end), "language:ja;");
        // An unnamed panel is known by its text.
        bar.SetPanelText(1, QStringLiteral("12/08"));
        QCOMPARE(iface->child(1)->text(QAccessible::Name), "12/08");
    }
};

QTEST_MAIN(TestGridAccessible)
#include "tst_gridaccessible.moc"
