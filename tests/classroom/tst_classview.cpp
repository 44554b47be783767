// The teacher's view in the progress window against a real PostgreSQL: a
// class sent by its computers, the "クラス" choice for a teacher's login, the
// class table's figures, and a child's chart, table and fact map read from
// the server. With VANTEL_SHOT_DIR set it leaves screenshots there.
#include "classroom/ClassTableModel.h"
#include "classroom/ClassView.h"
#include "classroom/Classroom.h"
#include "classroom/Outbox.h"
#include "print/VoskGridP.h"
#include "progress/AttemptTableModel.h"
#include "progress/FactMapView.h"
#include "progress/ProgressWindow.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeHistory.h"
#include "tests/support/FakeProgressServices.h"
#include "tests/support/FakeServices.h"
#include "tests/support/PgTestServer.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/SampleAttempts.h"
#include "tests/support/ScriptedRandom.h"

#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <random>

using namespace std::chrono_literals;

namespace {
const QStringList kNames = {"あおい", "いつき", "うた",   "えいた", "おと",   "かい",  "きほ",   "くるみ",
                            "けんと", "こはる", "さく",   "しおん", "すず",   "せな",  "そうた", "たいが",
                            "ちさと", "つむぎ", "てつや", "ともか", "なぎさ", "にこ",  "ぬい",   "ねね",
                            "のあ",   "はると", "ひなた", "ふうか", "へいじ", "ほのか"};

struct Generated {
    QList<Attempt> attempts;
};

// A class's month: each child practises some drills, getting quicker, with a slip now and then.
QList<Attempt> makeClass(int children, const QDateTime& now) {
    std::mt19937 random(13);
    QList<Attempt> made;
    for (int c = 0; c < children; ++c) {
        for (int d = 0; d < 4; ++d) {
            const int count = std::uniform_int_distribution<int>(d == 2 ? 0 : 3, 14)(random);
            const int startSeconds = std::uniform_int_distribution<int>(80, 240)(random) - (d == 3 ? 40 : 0);
            const double pace =
                std::uniform_real_distribution<double>(-3.0, 1.0)(random); // seconds per attempt
            for (int i = 0; i < count; ++i) {
                // One computer sends for the class here: its sheets two minutes apart, as the server
                // takes only a few sheets a minute from one computer.
                const QDateTime at =
                    now.addDays(-(count - i) * 2).addSecs(-3600 * (c % 5) - 120 * (c * 4 + d));
                const int seconds = std::max(30, int(startSeconds + pace * i) +
                                                     std::uniform_int_distribution<int>(-8, 8)(random));
                QList<Fact> wrong;
                if (std::uniform_int_distribution<int>(0, 3)(random) == 0)
                    wrong << Fact{TopValues(DrillKind(d)).value(c % 8), LeftValues(DrillKind(d)).value(7)};
                made << SampleAttempt(kNames[c], DrillKind(d), at, std::uint32_t(seconds * 1000), wrong,
                                      seconds * 1000 / (d == 3 ? 64 : 100));
            }
        }
    }
    return made;
}

QString shotFolder() { return qEnvironmentVariable("VANTEL_SHOT_DIR"); }
} // namespace

class TestClassView : public QObject, FakeProgressServices {
    Q_OBJECT
    FakeHistory local;
    QTemporaryDir dir;

private slots:
    void teacherSeesTheClassAndEachChild();
};

void TestClassView::teacherSeesTheClassAndEachChild() {
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    clock.now = QDateTime::currentDateTime();
    const int children = shotFolder().isEmpty() ? 6 : 30;
    const QList<Attempt> sent = makeClass(children, clock.now.toUTC());

    // The class's computers send through the real outbox.
    {
        const QString outbox = dir.filePath(QStringLiteral("computers.sqlite"));
        Outbox queue(outbox);
        for (const Attempt& a : sent)
            queue.Add(
                MakeOutgoing(a, PgTestServer::TestClass(), QStringLiteral("PC-%1").arg(a.child.size())));
        ClassSender sender(
            outbox, [] { return std::make_unique<PgClassConnection>(PgTestServer::ServiceName()); },
            SenderTiming{100ms, 500ms, 500ms});
        sender.Start();
        QVERIFY(sender.WaitUntilSent(120s));
    }
    // A computer of the class that never logged in.
    QVERIFY2(server.Setup({QStringLiteral("add-computer"), PgTestServer::TestClass(), QStringLiteral("PC-07"),
                           QStringLiteral("vantel_test_pc07")}),
             qPrintable(server.ErrorText()));

    // The teacher's computer: its login may read the class.
    Classroom teacher(
        ClassroomConfig{
            PgTestServer::TeacherServiceName(), PgTestServer::TestClass(), QStringLiteral("教卓"), {}},
        local, dir.filePath(QStringLiteral("teacher.sqlite")));
    teacher.Start();
    ProgressWindow window(With(teacher.History()), QString(), DrillKind::Addition);
    teacher.AttachTo(window);
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(ProgressControl<QComboBox>(window, "SourceBox")->count(), 2, 30000);
    QCOMPARE(ProgressControl<QComboBox>(window, "SourceBox")->itemText(1), QStringLiteral("クラス"));
    ProgressControl<QComboBox>(window, "SourceBox")->setCurrentIndex(1);
    auto* view = qobject_cast<ClassView*>(ProgressControl<QStackedWidget>(window, "Pages")->currentWidget());
    QVERIFY(view);
    QTRY_COMPARE_WITH_TIMEOUT(view->Model->rowCount(), children, 30000);
    // The computer that sent was seen; the teacher is told of the other only.
    QTRY_COMPARE(view->Computers->text(), QStringLiteral("つながっていないパソコン: PC-07（まだ一度も）"));
    auto* status = window.findChild<QLabel*>(QStringLiteral("SourceStatus"));
    QTRY_VERIFY(status->text().contains(QStringLiteral("つながっています")));
    QVERIFY2(status->text().contains(QStringLiteral("送信待ち 0 件")), qPrintable(status->text()));

    // The table's figures are the attempts' own.
    const QString child = kNames[1];
    const int row = int(view->Model->Children().indexOf(child));
    for (DrillKind drill : {DrillKind::Addition, DrillKind::Kuku}) {
        QList<Attempt> mine;
        for (const Attempt& a : sent)
            if (a.child == child && a.drill == drill)
                mine << a;
        std::optional<int> best;
        for (const Attempt& a : mine)
            if (a.AllCorrect() && (!best || int(a.durationMs) < *best))
                best = int(a.durationMs);
        const auto shown = [&](ClassTableModel::Measure m) {
            return view->Model->index(row, ClassTableModel::Column(drill, m)).data().toString();
        };
        QCOMPARE(shown(ClassTableModel::Best), ClassTimeText(best.value_or(-1)));
        QCOMPARE(shown(ClassTableModel::Last),
                 ClassTimeText(mine.isEmpty() ? -1 : int(mine.last().durationMs)));
        int week = 0;
        for (const Attempt& a : mine)
            week += a.startedUtc > QDateTime::currentDateTimeUtc().addDays(-7);
        QCOMPARE(shown(ClassTableModel::Week), QString::number(week));
    }
    if (!shotFolder().isEmpty()) {
        window.resize(1100, 760);
        QTest::qWait(200);
        QVERIFY(window.grab().save(shotFolder() + QStringLiteral("/class-view.png")));
    }

    // A double click on a child's times-table best shows that child's records from the server.
    const QModelIndex cell = view->SortedModel->mapFromSource(
        view->Model->index(row, ClassTableModel::Column(DrillKind::Kuku, ClassTableModel::Best)));
    emit view->Table->activated(cell);
    QCOMPARE(ProgressControl<QStackedWidget>(window, "Pages")->currentIndex(), 0);
    QCOMPARE(window.Child(), child);
    QCOMPARE(window.Drill(), DrillKind::Kuku);
    QVERIFY(&window.History() == &view->History());
    QCOMPARE(ProgressControl<QComboBox>(window, "ChildBox")->count(), children);
    ProgressControl<QComboBox>(window, "RangeBox")->setCurrentIndex(ProgressWindow::All);
    int kuku = 0;
    for (const Attempt& a : sent)
        kuku += a.child == child && a.drill == DrillKind::Kuku;
    // Read from the server behind the window: it shows "読み込み中…" meanwhile.
    QTRY_COMPARE_WITH_TIMEOUT(window.Model->rowCount(), kuku, 30000);
    QCOMPARE(window.TimeSeries->count(), kuku);
    QVERIFY(ProgressControl<QPushButton>(window, "OverviewButton")->isVisible());
    if (!shotFolder().isEmpty())
        QVERIFY(window.grab().save(shotFolder() + QStringLiteral("/class-child.png")));

    // Back to the class, then to this computer's own records.
    ProgressControl<QPushButton>(window, "OverviewButton")->click();
    QCOMPARE(ProgressControl<QStackedWidget>(window, "Pages")->currentWidget(), view);
    // Reading the class again while the window still reads that child through it.
    view->ReloadButton->click();
    window.Refresh();
    QTRY_VERIFY_WITH_TIMEOUT(!window.Loading(), 30000);
    QCOMPARE(window.Model->rowCount(), kuku);
    QTRY_COMPARE_WITH_TIMEOUT(view->Model->rowCount(), children, 30000);
    ProgressControl<QComboBox>(window, "SourceBox")->setCurrentIndex(0);
    QVERIFY(&window.History() == &teacher.History());
    QCOMPARE(window.Model->rowCount(), 0);
}

QTEST_MAIN(TestClassView)
#include "tst_classview.moc"
