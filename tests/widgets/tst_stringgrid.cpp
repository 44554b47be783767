// The grid widget: cells, the editor over the current cell, navigation and
// the key and draw events.
#include "widgets/GridCellEditor.h"
#include "widgets/TStringGrid.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QStyleHints>
#include <QTest>

class TestStringGrid : public QObject {
    Q_OBJECT

    QWidget* window = nullptr;
    TStringGrid* grid = nullptr;

    QPoint current() const { return {grid->Col(), grid->Row()}; }

private slots:
    void init() {
        window = new QWidget;
        grid = new TStringGrid(window);
        grid->SetColCount(4);
        grid->SetRowCount(3);
        grid->resize(400, 200);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        grid->setFocus();
        grid->SetCurrentCell(1, 1);
    }
    void cleanup() { delete window; }

    void everyKeystrokeReachesTheCell() {
        QVERIFY(grid->Editor()->hasFocus());
        QTest::keyClick(window->windowHandle(), '4');
        QCOMPARE(grid->Cells(1, 1), "4");
        QTest::keyClick(window->windowHandle(), '2');
        QCOMPARE(grid->Cells(1, 1), "42");
        QTest::keyClick(window->windowHandle(), Qt::Key_Backspace);
        QCOMPARE(grid->Cells(1, 1), "4");
    }

    void keyEventSeesAndSwallowsCharacters() {
        QString seen;
        grid->OnKeyPress = [&](TStringGrid* sender, QChar& key) {
            QCOMPARE(sender, grid);
            seen += key;
            if (key == QLatin1Char('x'))
                key = QChar();
        };
        for (char ch : {'a', 'x', 'b'})
            QTest::keyClick(window->windowHandle(), ch);
        QCOMPARE(seen, "axb");
        QCOMPARE(grid->Cells(1, 1), "ab");
    }

    void editedCellIsReportedOnlyForTextThatChanged() {
        QList<QPoint> edited;
        grid->OnCellEdited = [&](TStringGrid*, int col, int row) { edited << QPoint(col, row); };
        grid->OnKeyPress = [](TStringGrid*, QChar& key) {
            if (key == QLatin1Char('x'))
                key = QChar();
        };
        QTest::keyClick(window->windowHandle(), '7');
        QTest::keyClick(window->windowHandle(), 'x'); // swallowed: no change
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
        QTest::keyClick(window->windowHandle(), '1');
        QTest::keyClick(window->windowHandle(), Qt::Key_Backspace);
        grid->SetCells(3, 1, "9"); // written by the program, not typed
        QCOMPARE(edited, (QList<QPoint>{{1, 1}, {2, 1}, {2, 1}}));
    }

    void tabWalksTheCellsAndWrapsAround_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("right") << QPoint(1, 1) << false << QPoint(2, 1);
        QTest::newRow("end of a row") << QPoint(3, 1) << false << QPoint(1, 2);
        QTest::newRow("last cell to the first") << QPoint(3, 2) << false << QPoint(1, 1);
        QTest::newRow("back at a row start") << QPoint(1, 2) << true << QPoint(3, 1);
        QTest::newRow("back from the first cell") << QPoint(1, 1) << true << QPoint(3, 2);
    }
    void tabWalksTheCellsAndWrapsAround() {
        QFETCH(QPoint, from);
        QFETCH(bool, backwards);
        QFETCH(QPoint, to);
        grid->SetCurrentCell(from.x(), from.y());
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(current(), to);
        QVERIFY(grid->hasFocus()); // Tab never leaves the grid
    }

    void fixedCellsNeverBecomeCurrent() {
        grid->SetCurrentCell(0, 0);
        QCOMPARE(current(), QPoint(1, 1));
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(0, 2).center());
        QCOMPARE(current(), QPoint(1, 1));
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(2, 2).center());
        QCOMPARE(current(), QPoint(2, 2));
        QTest::keyClick(window->windowHandle(), Qt::Key_Up);
        QTest::keyClick(window->windowHandle(), Qt::Key_Up);
        QCOMPARE(current(), QPoint(2, 1));
    }

    void cellsWrittenFromOutsideShowInTheEditor() {
        grid->SetCells(1, 1, "○");
        QCOMPARE(grid->Editor()->text(), "○");
        QTest::keyClick(window->windowHandle(), '7'); // the whole text is selected on arrival
        grid->SetCurrentCell(2, 1);
        grid->SetCurrentCell(1, 1);
        QCOMPARE(grid->Editor()->text(), grid->Cells(1, 1));
    }

    void cellsWrittenWhileHiddenShowWhenTheGridComesBack() {
        grid->hide(); // as on a tab page that is not shown
        grid->SetCells(1, 1, "11");
        grid->show();
        QCOMPARE(grid->Editor()->text(), "11");
    }

    void selectionIsReportedToTheDrawEvent() {
        QTest::keyClick(window->windowHandle(), Qt::Key_Down, Qt::ShiftModifier);
        QVERIFY(grid->IsSelected(1, 1));
        QVERIFY(grid->IsSelected(1, 2));
        QVERIFY(!grid->IsSelected(2, 1));
        QVERIFY(!grid->IsSelected(0, 1)); // fixed cells are never selected
        QSet<QPoint> selected;
        QSet<QPoint> fixed;
        grid->OnDrawCell = [&](TStringGrid*, int col, int row, const QRect& rect, GridDrawState state,
                               QPainter&) {
            QCOMPARE(rect, grid->CellRect(col, row));
            if (state.selected)
                selected.insert(QPoint(col, row));
            if (state.fixed)
                fixed.insert(QPoint(col, row));
        };
        grid->repaint();
        QCOMPARE(selected, (QSet<QPoint>{{1, 1}, {1, 2}}));
        QCOMPARE(fixed.size(), 4 + 2);
    }

    // Moves repaint only the cells that change; whatever they leave on the
    // screen must be what a full repaint draws.
    void movesLeaveNothingStaleOnScreen_data() {
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::newRow("next cell") << QList<QKeyCombination>{Qt::Key_Tab};
        QTest::newRow("end of a row to the next")
            << QList<QKeyCombination>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab};
        QTest::newRow("last cell to the first")
            << QList<QKeyCombination>{Qt::Key_End | Qt::ControlModifier, Qt::Key_Tab};
        QTest::newRow("selection grows over rows")
            << QList<QKeyCombination>{Qt::Key_PageDown | Qt::ShiftModifier};
        QTest::newRow("selection shrinks")
            << QList<QKeyCombination>{Qt::Key_PageDown | Qt::ShiftModifier, Qt::Key_Up | Qt::ShiftModifier};
        QTest::newRow("selection collapses")
            << QList<QKeyCombination>{Qt::Key_PageDown | Qt::ShiftModifier, Qt::Key_Tab};
    }
    void movesLeaveNothingStaleOnScreen() {
        QFETCH(QList<QKeyCombination>, keys);
        QGuiApplication::styleHints()->setCursorFlashTime(0); // a steady caret on both pictures
        grid->OnDrawCell = [](TStringGrid* sender, int col, int row, const QRect& rect, GridDrawState,
                              QPainter& canvas) {
            canvas.fillRect(rect, canvas.brush());
            canvas.drawText(rect, Qt::AlignCenter, sender->Cells(col, row));
        };
        grid->SetRowCount(6);
        for (int row = 0; row < grid->RowCount(); ++row)
            for (int col = 0; col < grid->ColCount(); ++col)
                grid->SetCells(col, row, QString::number(row * 10 + col));
        grid->SetCurrentCell(1, 1);
        const auto onScreen = [this] {
            const QPoint at = grid->mapTo(window, QPoint(0, 0));
            return window->screen()
                ->grabWindow(window->winId(), at.x(), at.y(), grid->width(), grid->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        QTRY_COMPARE(onScreen(), grid->grab().toImage().convertToFormat(QImage::Format_RGB32));
        for (QKeyCombination key : keys) {
            QTest::keyClick(window->windowHandle(), key.key(), key.keyboardModifiers());
            QCoreApplication::processEvents();
            QCOMPARE(onScreen(), grid->grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }

    void resizingKeepsTextsAndTheCurrentCellInside() {
        grid->SetCells(3, 2, "keep?");
        grid->SetCells(1, 1, "kept");
        grid->SetCurrentCell(3, 2);
        grid->SetColCount(2);
        grid->SetRowCount(2);
        QCOMPARE(current(), QPoint(1, 1));
        QCOMPARE(grid->Cells(1, 1), "kept");
        grid->SetColCount(4);
        QCOMPARE(grid->Cells(3, 1), QString());
        QCOMPARE(grid->ColWidths(3), grid->DefaultColWidth());
    }

    void cellGeometryFollowsWidthsAndLines() {
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(39);
        grid->SetColWidths(0, 30);
        const QRect first = grid->CellRect(0, 0);
        QCOMPARE(grid->CellRect(1, 0).left(), first.left() + 30 + grid->GridLineWidth());
        QCOMPARE(grid->CellRect(1, 1).top(), first.top() + 39 + grid->GridLineWidth());
        QCOMPARE(grid->CellAt(grid->CellRect(2, 1).center()), QPoint(2, 1));
        QCOMPARE(grid->CellAt(QPoint(399, 199)), QPoint(-1, -1));
    }
};

QTEST_MAIN(TestStringGrid)
#include "tst_stringgrid.moc"
