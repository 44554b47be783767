// The history in the real main window: an attempt completed from the
// keyboard is recorded with its keystroke times under the user name in force
// and shows in the progress window's table; a history that cannot be written
// leaves the drill as it was; with the real history, the attempt is on disk
// before the result shows.
#include "drill/ExpectedAnswer.h"
#include "progress/AttemptTableModel.h"
#include "progress/FactMapView.h"
#include "progress/ProgressWindow.h"
#include "progress/SqliteHistory.h"
#include "widgets/TButton.h"
#include "widgets/TStringGrid.h"

#include "tests/support/FormTestCase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>

// The real history, noting what the window had shown and what the file held
// when the window waited for the attempt.
class WaitProbe : public SqliteHistory {
public:
    WaitProbe(const QString& path, FakeMessageBoxes& messages)
        : SqliteHistory(path, messages), shown_(messages) {}
    bool WaitRecorded(int timeoutMs) override {
        messagesBefore = int(shown_.messages.size());
        const bool written = SqliteHistory::WaitRecorded(timeoutMs);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(Path());
        QSqlQuery count(db.open() ? db : QSqlDatabase());
        attemptsInFile = count.exec(QStringLiteral("SELECT count(*) FROM attempts")) && count.next()
                             ? count.value(0).toInt()
                             : -1;
        count = QSqlQuery();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("probe"));
        return written;
    }
    int messagesBefore = -1;
    int attemptsInFile = -1;

private:
    FakeMessageBoxes& shown_;
};

class TestProgressWiring : public FormTestCase {
    Q_OBJECT

    QTemporaryDir historyDir;
    std::unique_ptr<WaitProbe> realHistory; // outlives the window of each test

    // Starts at tick `start`, types every answer one second apart (one wrong), and stops.
    void attempt(std::uint32_t start, QPoint wrongCell = {}) {
        TForm1& form = *f->form;
        QTRY_VERIFY(form.BitBtn7->hasFocus());
        f->ticks.now = start;
        press(Qt::Key_Return);
        TStringGrid* grid = form.StringGrid1;
        for (int row = 1; row <= 10; ++row)
            for (int col = 1; col <= 10; ++col) {
                f->ticks.now += 1000;
                const QString answer = QPoint(col, row) == wrongCell
                                           ? QStringLiteral("99")
                                           : ExpectedAnswer(*grid, Operation::Add, col, row);
                for (QChar ch : answer)
                    QTest::keyClick(f->Window(), ch.toLatin1());
                press(Qt::Key_Return);
            }
        f->ticks.now += 500;
        press(Qt::Key_Return); // Stop
    }

private slots:
    void completedAttemptIsRecordedAndShown() {
        TForm1& form = *f->form;
        form.Edit7->setText("みお");
        form.Button9->click(); // the name in force from now on
        f->messages.Clear();
        attempt(5000, QPoint(4, 7));
        QCOMPARE(f->messages.messages, QStringList{"○ の数は、99/100 こです。"});
        QCOMPARE(f->history.attempts.size(), 1);
        const Attempt& a = f->history.attempts[0];
        QCOMPARE(a.child, "みお");
        QCOMPARE(a.drill, DrillKind::Addition);
        QCOMPARE(a.durationMs, 100500u);
        QCOMPARE(a.score, 99);
        QCOMPARE(a.cells.size(), 100);
        const AnswerCell& wrong = a.cells[6 * 10 + 3];
        QCOMPARE(wrong.typed, "99");
        QVERIFY(!wrong.right);
        QCOMPARE(wrong.lastKeyMs, (6 * 10 + 4) * 1000);
        QCOMPARE(a.cells[99].lastKeyMs, 100000);
        QCOMPARE(a.startedUtc, f->clock.now.toUTC().addMSecs(-100500));

        // The menu shortcut opens the window on the child and drill in force; the attempt is in its table.
        press(Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(form.ProgressWindow1);
        ProgressWindow& window = *form.ProgressWindow1;
        QCOMPARE(window.Child(), "みお");
        QCOMPARE(window.Drill(), DrillKind::Addition);
        window.findChild<QComboBox*>("RangeBox")->setCurrentIndex(ProgressWindow::All);
        QCOMPARE(window.SortedModel->rowCount(), 1);
        QCOMPARE(window.SortedModel->index(0, AttemptTableModel::Time).data().toString(), "01:40");
        QCOMPARE(window.SortedModel->index(0, AttemptTableModel::Score).data().toString(), "99/100");
        QCOMPARE(window.FactMap->Stats().attempts, 1);
    }

    void nameTypedButNotConfirmedIsNotInForce() {
        TForm1& form = *f->form;
        form.Edit7->setText("まだ");
        attempt(0);
        QCOMPARE(f->history.attempts.size(), 1);
        QCOMPARE(f->history.attempts[0].child, QString()); // "名前なし"
        QVERIFY(f->history.attempts[0].newBest);
    }

    void incompleteSheetIsNotRecorded() {
        TForm1& form = *f->form;
        press(Qt::Key_Return);
        QVERIFY(form.StringGrid1->hasFocus());
        press(Qt::Key_F2);
        QCOMPARE(f->history.attempts.size(), 0);
    }

    void unwritableHistoryLeavesTheDrillAsItWas() {
        f->history.failWrites = true;
        f->messages.Clear();
        attempt(0);
        QCOMPARE(f->messages.messages.size(), 1); // the result, as ever
        QVERIFY(f->messages.messages[0].startsWith("全問正解"));
        QCOMPARE(f->history.pending.size(), 1);
        QVERIFY(f->form->BitBtn7->hasFocus());
        f->history.failWrites = false;
        f->form->close(); // written at close
        QCOMPARE(f->history.attempts.size(), 1);
    }

    void attemptIsOnDiskBeforeTheResultShows() {
        delete f;
        f = new FormFixture;
        realHistory = std::make_unique<WaitProbe>(historyDir.filePath("history.sqlite"), f->messages);
        f->historyStore = realHistory.get();
        QVERIFY(f->Open());
        f->messages.Clear();
        attempt(0);
        QCOMPARE(f->messages.messages.size(), 1);
        QCOMPARE(realHistory->messagesBefore, 0); // waited before the result
        QCOMPARE(realHistory->attemptsInFile, 1); // and it was committed by then
        QVERIFY(f->messages.errors.isEmpty());
        delete f; // the window first: it flushes the history as it closes
        f = nullptr;
        realHistory.reset();
    }

    void historyIsNotOpenedAtStartUp() { QCOMPARE(f->history.childrenAsked, 0); }
};

QTEST_MAIN(TestProgressWiring)
#include "tst_progresswiring.moc"
