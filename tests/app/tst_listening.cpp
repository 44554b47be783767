// The main window for a child who listens: what assistive technology hears
// of every control, the events of an attempt typed from the keyboard, and
// the read-aloud mode with its menu item and its own settings file.
#include "drill/ExpectedAnswer.h"
#include "drill/Judge.h"
#include "drill/ProblemWording.h"
#include "widgets/GridCellEditor.h"
#include "widgets/TButton.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include "tests/support/AccessibilityOn.h"
#include "tests/support/FormTestCase.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTabBar>

namespace {
// Cell events of the grids since the last take, the place counted among the
// answer cells: "focus StringGrid1 1,0", "insert StringGrid1 1,0 5".
QStringList cellEvents;

void record(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    QAccessibleTableCellInterface* cell = iface ? iface->tableCellInterface() : nullptr;
    if (!cell)
        return;
    const QString where = cell->table()->object()->objectName() +
                          QStringLiteral(" %1,%2").arg(cell->columnIndex()).arg(cell->rowIndex());
    if (event->type() == QAccessible::Focus)
        cellEvents << QStringLiteral("focus ") + where;
    else if (event->type() == QAccessible::TextInserted)
        cellEvents << QStringLiteral("insert ") + where + u' ' +
                          static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
}

QStringList takeEvents() { return std::exchange(cellEvents, {}); }

QString heard(QObject* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}
} // namespace

class TestListening : public FormTestCase {
    Q_OBJECT

    QString problem(int col, int row) const {
        return CellProblem(*f->form->StringGrid1, SheetOf(DrillKind::Addition), col, row);
    }
    QString answer(int col, int row) const {
        return ExpectedAnswer(*f->form->StringGrid1, Operation::Add, col, row);
    }

private slots:
    void initTestCase() {
        QVERIFY(SwitchAccessibilityOn());
        QAccessible::installUpdateHandler(record);
    }

    void controlsAreHeardByTheirNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("Start") << "BitBtn7"
                               << "スタート";
        QTest::newRow("exit, a glyph only") << "BitBtn5"
                                            << "ソフトの出口";
        QTest::newRow("help, a glyph only") << "BitBtn4"
                                            << "ヘルプ";
        QTest::newRow("about, a glyph only") << "BitBtn8"
                                             << "バージョン情報を表示します。";
        QTest::newRow("speaker 1") << "BitBtn17"
                                   << "テスト (1)";
        QTest::newRow("speaker 2") << "BitBtn18"
                                   << "テスト (2)";
        QTest::newRow("speaker 3") << "BitBtn19"
                                   << "テスト (3)";
        QTest::newRow("speaker 4") << "BitBtn13"
                                   << "テスト (4)";
        QTest::newRow("speaker 5") << "BitBtn14"
                                   << "テスト (5)";
        QTest::newRow("sound file 3") << "Edit4"
                                      << "サウンドファイル (3)";
        QTest::newRow("greeting test") << "BitBtn10"
                                       << "テスト「こんにちは」";
        QTest::newRow("reset of the times table") << "Button10"
                                                  << "九九のベストタイムを初期化";
        QTest::newRow("user name") << "Edit7"
                                   << "使う人の名前";
        QTest::newRow("addition sheet") << "StringGrid1"
                                        << "たしざん";
        QTest::newRow("times-table sheet") << "StringGrid5"
                                           << "九九";
        QTest::newRow("name panel") << "StringGrid4"
                                    << "氏名らん";
        QTest::newRow("check box by its caption") << "CheckBox3"
                                                  << "全問正解の時に音を鳴らします。";
    }
    void controlsAreHeardByTheirNames() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget* widget = f->form->findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(heard(widget), name);
    }

    void whatTheWindowShowsIsUnchanged() {
        TForm1& form = *f->form;
        QCOMPARE(form.BitBtn17->text(), "");
        QCOMPARE(form.BitBtn17->toolTip(), "テスト");
        QCOMPARE(form.BitBtn18->toolTip(), "");
        QCOMPARE(form.Button6->text(), "OK");
        QCOMPARE(form.BitBtn9->text(), "テスト");
    }

    void everyButtonAndEditHasANameOfItsOwn() {
        QStringList buttons;
        for (QAbstractButton* button : f->form->findChildren<QAbstractButton*>()) {
            if (qobject_cast<QTabBar*>(button->parent()) || button->objectName().startsWith("qt_"))
                continue; // Qt's own arrows of the tab bar and the menu bar
            QVERIFY2(!heard(button).trimmed().isEmpty(), qPrintable(button->objectName()));
            buttons << heard(button);
        }
        QCOMPARE(QSet<QString>(buttons.begin(), buttons.end()).size(), buttons.size());
        for (QLineEdit* edit : f->form->findChildren<QLineEdit*>())
            if (!qobject_cast<GridCellEditor*>(edit))
                QVERIFY2(!heard(edit).isEmpty(), qPrintable(edit->objectName()));
    }

    void sheetsAreTablesAndPanelsAreNamed() {
        TForm1& form = *f->form;
        for (TStringGrid* grid : {form.StringGrid1, form.StringGrid2, form.StringGrid3, form.StringGrid5})
            QCOMPARE(QAccessible::queryAccessibleInterface(grid)->role(), QAccessible::Table);
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(form.StatusBar1);
        QCOMPARE(bar->childCount(), 9);
        QCOMPARE(bar->child(0)->text(QAccessible::Name), "たしざん 今回のタイム");
        QCOMPARE(bar->child(0)->text(QAccessible::Value), "00:00");
        QCOMPARE(bar->child(3)->text(QAccessible::Name), "ひきざん ベストタイム");
        QCOMPARE(bar->child(3)->text(QAccessible::Value), "59:59");
        QCOMPARE(bar->child(7)->text(QAccessible::Name), "九九 ベストタイム");
        QCOMPARE(bar->child(8)->text(QAccessible::Name), "日付と時刻");
    }

    void aTypedAttemptIsReportedCellByCell() {
        TForm1& form = *f->form;
        QTRY_VERIFY(form.BitBtn7->hasFocus());
        takeEvents();
        press(Qt::Key_Return); // Start
        QAccessibleInterface* sheet = QAccessible::queryAccessibleInterface(form.StringGrid1);
        QAccessibleTableInterface* table = sheet->tableInterface();
        QCOMPARE(table->rowCount(), 10);
        QCOMPARE(table->columnCount(), 10);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), problem(1, 1));
        QCOMPARE(table->cellAt(0, 0)->role(), QAccessible::Cell);
        QCOMPARE(sheet->focusChild(), table->cellAt(0, 0));
        QVERIFY(takeEvents().contains("focus StringGrid1 0,0"));
        // A reader hears the cell's text in the program's language (Japanese here), whatever the desktop's.
        int start = 0, end = 0;
        QCOMPARE(table->cellAt(0, 0)->textInterface()->attributes(0, &start, &end), "language:ja;");

        const QString first = answer(1, 1);
        type(first);
        QCOMPARE(takeEvents().last(), "insert StringGrid1 0,0 " + first.right(1));
        QCOMPARE(table->cellAt(0, 0)->textInterface()->text(0, -1), first);
        press(Qt::Key_Return);
        QCOMPARE(takeEvents(), QStringList{"focus StringGrid1 1,0"});
        QCOMPARE(sheet->focusChild()->text(QAccessible::Name), problem(2, 1));

        // The rest answered as the answer key does, then Stop: "正解" everywhere.
        for (int row = 1; row <= 10; ++row)
            for (int col = 1; col <= 10; ++col)
                form.StringGrid1->SetCells(col, row, answer(col, row));
        table->cellAt(9, 9); // met by a reader
        takeEvents();
        press(Qt::Key_F2);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Value), "正解");
        QCOMPARE(table->cellAt(0, 0)->textInterface()->text(0, -1), "正解");
        QVERIFY(takeEvents().contains("insert StringGrid1 9,9 正解"));
    }

    void readAloudIsOneMenuAwayAndKeptInItsOwnFile() {
        TForm1& form = *f->form;
        QVERIFY(form.ReadAloud1->isCheckable());
        QVERIFY(!form.ReadAloud1->isChecked());
        auto* menu = qobject_cast<QMenu*>(form.ReadAloud1->parent());
        QVERIFY(menu);
        QCOMPARE(menu->title(), "サウンド(&S)");
        QCOMPARE(form.ReadAloud1->text(), "問題を読み上げる");

        form.ReadAloud1->trigger();
        QVERIFY(form.ReadAloud1->isChecked());
        const QString conf = f->readAloudSettings.Path();
        QCOMPARE(QSettings(conf, QSettings::IniFormat).value("ReadAloud/enabled").toBool(), true);

        // Kept across a restart, and never in vantel.ini.
        const QString ini = f->settings.Path();
        f->form->CloseByProgram();
        QFile written(ini);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(!written.readAll().contains("ReadAloud"));
        f->form.reset();
        QVERIFY(f->Open());
        QVERIFY(f->form->ReadAloud1->isChecked());
    }

    void readAloudSaysEachProblemThenTheScore() {
        TForm1& form = *f->form;
        QTRY_VERIFY(form.BitBtn7->hasFocus());
        press(Qt::Key_Return);
        QVERIFY(f->speech.said.isEmpty()); // off: silent

        form.ReadAloud1->trigger();
        press(Qt::Key_X, Qt::ControlModifier); // a fresh sheet, read from its first cell
        QStringList expected{problem(1, 1)};
        QCOMPARE(f->speech.said, expected);
        for (int row = 1; row <= 10; ++row)
            for (int col = 1; col <= 10; ++col) {
                type(answer(col, row));
                press(Qt::Key_Return);
                if (col < 10 || row < 10)
                    expected << problem(col < 10 ? col + 1 : 1, col < 10 ? row : row + 1);
            }
        QCOMPARE(f->speech.said, expected);
        QVERIFY(form.BitBtn6->hasFocus());
        press(Qt::Key_Return); // Stop
        QCOMPARE(f->speech.said.last(), ScoreText(100, 100));
    }

    void clearHushesAndAnotherPageIsNotRead() {
        TForm1& form = *f->form;
        form.ReadAloud1->trigger();
        press(Qt::Key_X, Qt::ControlModifier);
        form.PageControl1->setCurrentIndex(1);
        form.StringGrid1->SetCurrentCell(3, 3); // not the sheet in front
        press(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(f->speech.said.size(), 2);
        QVERIFY(f->speech.said.last().contains("ひく"));
        form.BitBtn15->click(); // Clear
        QCOMPARE(f->speech.said.last(), "(hush)");
    }
};

QTEST_MAIN(TestListening)
#include "tst_listening.moc"
