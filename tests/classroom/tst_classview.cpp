// The teacher's view in the progress window against a real PostgreSQL: a
// class sent by its computers, the "クラス" choice for a teacher's login, the
// class table's figures, and a child's chart, table and fact map read from
// the server; the class list read from a file and kept on the server, the
// class's fact map with its worksheets, and the table as CSV. With
// VANTEL_SHOT_DIR set it leaves screenshots there.
#include "classroom/ClassCsv.h"
#include "classroom/ClassFactsPage.h"
#include "classroom/ClassTableModel.h"
#include "classroom/ClassView.h"
#include "classroom/Classroom.h"
#include "classroom/Outbox.h"
#include "classroom/RosterPanel.h"
#include "classroom/RosterQuestions.h"
#include "core/Cp932.h"
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
#include "tests/support/SendAsComputers.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QTabWidget>
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

// The teacher's answers, scripted; every question asked is kept.
class ScriptedQuestions : public RosterQuestions {
public:
    std::optional<QString> AskName(QWidget*, const QString&, const QString& label, const QString&) override {
        asked << label;
        return names.isEmpty() ? std::nullopt : names.takeFirst();
    }
    std::optional<QString> ChooseName(QWidget*, const QString&, const QString& label,
                                      const QStringList& offered) override {
        asked << label;
        choices << offered;
        return names.isEmpty() ? std::nullopt : names.takeFirst();
    }
    bool Confirm(QWidget*, const QString&, const QString& text) override {
        asked << text;
        return yes;
    }
    QList<std::optional<QString>> names;
    QList<QStringList> choices;
    QStringList asked;
    bool yes = true;
};

int rowOf(const ClassView& view, const QString& child) { return int(view.Model->Children().indexOf(child)); }

void selectChild(ClassView& view, const QString& child) {
    const QModelIndex cell = view.SortedModel->mapFromSource(view.Model->index(rowOf(view, child), 0));
    view.Table->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
}

qint64 attemptsOf(const QList<ClassChild>& children, const QString& name) {
    for (const ClassChild& child : children)
        if (child.name == name)
            return child.Attempts();
    return -1;
}
} // namespace

class TestClassView : public QObject, FakeProgressServices {
    Q_OBJECT
    FakeHistory local;
    QTemporaryDir dir;

    // The teacher's window on the class, shown once the server offers it.
    ClassView* openClass(Classroom& teacher, ProgressWindow& window);
    // The teacher's computer of the test class.
    static ClassroomConfig teacherConfig() {
        return {PgTestServer::TeacherServiceName(), PgTestServer::TestClass(), QStringLiteral("教卓"), {}};
    }

private slots:
    void teacherSeesTheClassAndEachChild();
    void classListMarksJoinsAndExports();
    void classFactMapAndItsWorksheets();
};

ClassView* TestClassView::openClass(Classroom& teacher, ProgressWindow& window) {
    teacher.AttachTo(window);
    window.show();
    auto* sources = ProgressControl<QComboBox>(window, "SourceBox");
    if (!QTest::qWaitFor([&] { return sources->count() == 2; }, 30000))
        return nullptr;
    sources->setCurrentIndex(1);
    auto* view = qobject_cast<ClassView*>(ProgressControl<QStackedWidget>(window, "Pages")->currentWidget());
    if (view && !QTest::qWaitFor([&] { return !view->Note->text().startsWith("読み込んでいます"); }, 30000))
        return nullptr;
    return view;
}

void TestClassView::teacherSeesTheClassAndEachChild() {
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    clock.now = QDateTime::currentDateTime();
    const int children = shotFolder().isEmpty() ? 6 : 30;
    const QList<Attempt> sent = makeClass(children, clock.now.toUTC());

    // The class's computers send through the real outbox.
    QVERIFY(SendAsComputers(dir.filePath(QStringLiteral("computers.sqlite")), sent));
    // A computer of the class that never logged in.
    QVERIFY2(server.Setup({QStringLiteral("add-computer"), PgTestServer::TestClass(), QStringLiteral("PC-07"),
                           QStringLiteral("vantel_test_pc07")}),
             qPrintable(server.ErrorText()));

    // The teacher's computer: its login may read the class.
    Classroom teacher(teacherConfig(), local, dir.filePath(QStringLiteral("teacher.sqlite")));
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

    if (shotFolder().isEmpty())
        return;
    // For the help: the class with its list, two listed children who never practised and one name apart.
    QStringList roster = kNames.mid(0, children - 1);
    roster << QStringLiteral("やまと") << QStringLiteral("ゆずき");
    bool added = false;
    teacher.Reader().AddToRoster(PgTestServer::TestClass(), roster, this,
                                 [&added](ServerAnswer<int> answer) { added = answer.value.has_value(); });
    QTRY_VERIFY_WITH_TIMEOUT(added, 30000);
    ProgressControl<QComboBox>(window, "SourceBox")->setCurrentIndex(1);
    view->Reload();
    QTRY_COMPARE_WITH_TIMEOUT(view->Model->rowCount(), children + 1, 30000);
    view->Table->sortByColumn(ClassTableModel::kIdleColumn, Qt::AscendingOrder); // the idle ones first
    QTest::qWait(200);
    QVERIFY(window.grab().save(shotFolder() + QStringLiteral("/class-view.png")));
    QSignalSpy factsLoaded(view->Facts, &ClassFactsPage::Loaded);
    view->Tabs->setCurrentWidget(view->Facts);
    QTRY_COMPARE_WITH_TIMEOUT(factsLoaded.size(), 1, 30000);
    QVERIFY(window.grab().save(shotFolder() + QStringLiteral("/class-facts.png")));
}

void TestClassView::classListMarksJoinsAndExports() {
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    clock.now = QDateTime::currentDateTime();
    const QDateTime now = clock.now.toUTC();
    // あおい practised this week, いつき only long ago; "あおいちゃん" is あおい typing her name another way.
    QList<Attempt> sent{SampleAttempt("あおい", DrillKind::Addition, now.addDays(-1), 90000),
                        SampleAttempt("いつき", DrillKind::Addition, now.addDays(-12), 95000),
                        SampleAttempt("いつき", DrillKind::Kuku, now.addDays(-11), 75000),
                        SampleAttempt("あおいちゃん", DrillKind::Addition, now.addDays(-2), 88000),
                        SampleAttempt("あおいちゃん", DrillKind::Subtraction, now.addDays(-3), 99000),
                        SampleAttempt("=HYPERLINK(\"x\")", DrillKind::Addition, now.addDays(-4), 99000)};
    QVERIFY(SendAsComputers(dir.filePath(QStringLiteral("computers.sqlite")), sent));

    Classroom teacher(teacherConfig(), local, dir.filePath(QStringLiteral("teacher.sqlite")));
    ProgressWindow window(With(teacher.History()), QString(), DrillKind::Addition);
    ClassView* view = openClass(teacher, window);
    QVERIFY(view);
    auto* questions = new ScriptedQuestions;
    view->Roster->SetQuestions(std::unique_ptr<RosterQuestions>(questions));
    // No list yet: everyone who practised, and no group apart.
    QCOMPARE(view->Model->rowCount(), 4);
    QVERIFY(view->Roster->UnlistedList->isHidden());

    // The list from a spreadsheet saved in code page 932 with a header, a repeat and an overlong name.
    const QString listPath = dir.filePath(QStringLiteral("名簿.csv"));
    {
        QFile file(listPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            ToCp932(QStringLiteral("番号,名前\r\n1,あおい\r\n2,いつき\r\n3,うた\r\n4,あおい\r\n5,%1\r\n")
                        .arg(QString(101, u'え'))));
    }
    dialogs.Choose(listPath);
    messages.Clear();
    view->Roster->ImportButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(view->Model->Roster(), (QStringList{"あおい", "いつき", "うた"}), 30000);
    QCOMPARE(messages.errors, QStringList());
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY2(messages.messages[0].startsWith("3 人を名簿に加えました。"), qPrintable(messages.messages[0]));
    QVERIFY(messages.messages[0].contains("5 行目: 「あおい」は前にもあるので"));
    QVERIFY(messages.messages[0].contains("6 行目: 名前が長すぎます"));
    QCOMPARE(dialogs.calls.last().kind, FakeFileDialogs::Kind::Open);

    // Every listed child, also one who never practised; the idle ones marked in words and colour.
    QCOMPARE(view->Model->rowCount(), 3);
    const auto idleMark = [&](const QString& child) {
        return view->Model->index(rowOf(*view, child), ClassTableModel::kIdleColumn).data().toString();
    };
    QCOMPARE(idleMark("あおい"), QString());
    QCOMPARE(idleMark("いつき"), QStringLiteral("7日間 練習なし"));
    QCOMPARE(idleMark("うた"), QStringLiteral("7日間 練習なし"));
    QVERIFY(view->Model->index(rowOf(*view, "うた"), 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(!view->Model->index(rowOf(*view, "あおい"), 0).data(Qt::BackgroundRole).isValid());
    QCOMPARE(view->Model->index(rowOf(*view, "うた"), ClassTableModel::kIdleColumn)
                 .data(Qt::ToolTipRole)
                 .toString(),
             QStringLiteral("まだ一度も練習していません"));
    // The names not on the list, apart.
    QVERIFY(view->Roster->UnlistedList->isVisible());
    QCOMPARE(view->Roster->UnlistedList->count(), 2);
    QCOMPARE(view->Model->Unlisted().first().name, QStringLiteral("=HYPERLINK(\"x\")"));
    QCOMPARE(view->Roster->UnlistedList->item(1)->text(), QStringLiteral("あおいちゃん　（2 回）"));
    if (!shotFolder().isEmpty()) {
        window.resize(1100, 760);
        QTest::qWait(200);
        QVERIFY(window.grab().save(shotFolder() + QStringLiteral("/class-list.png")));
    }

    // The class table to a spreadsheet, as shown.
    const QString csvPath = dir.filePath(QStringLiteral("class.csv"));
    dialogs.Choose(csvPath);
    view->CsvButton->click();
    QCOMPARE(dialogs.calls.last().options.fileName, QStringLiteral("クラスの記録_1年1組.csv"));
    {
        QFile file(csvPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ClassTableCsv(view->Model->Rows(), view->Model->Unlisted()));
    }

    // あおいちゃん's attempts joined to あおい.
    view->Roster->UnlistedList->setCurrentRow(1);
    questions->names = {QStringLiteral("あおい")};
    view->Roster->JoinButton->click();
    QCOMPARE(questions->choices.last(), (QStringList{"あおい", "いつき", "うた"}));
    QCOMPARE(questions->asked.last(),
             QStringLiteral("「あおいちゃん」の記録 2 回を「あおい」の記録にします。"));
    QTRY_COMPARE_WITH_TIMEOUT(view->Model->Unlisted().size(), 1, 30000);
    QCOMPARE(attemptsOf(view->Model->Rows(), "あおい"), 3);

    // Renaming a listed child renames their attempts, and says so first.
    selectChild(*view, "いつき");
    questions->names = {QStringLiteral("  いつき２ ")};
    view->Roster->RenameButton->click();
    QVERIFY2(
        questions->asked.last().contains("「いつき」のこれまでの記録も、すべて「いつき２」の記録になります"),
        qPrintable(questions->asked.last()));
    QTRY_VERIFY_WITH_TIMEOUT(view->Model->Roster().contains("いつき２"), 30000);
    QVERIFY(!view->Model->Roster().contains("いつき"));
    QCOMPARE(attemptsOf(view->Model->Rows(), "いつき２"), 2);
    // A rename to a listed name, or cancelled, changes nothing.
    selectChild(*view, "いつき２");
    questions->names = {QStringLiteral("あおい")};
    messages.Clear();
    view->Roster->RenameButton->click();
    QCOMPARE(messages.errors, QStringList{"「あおい」はもう名簿にあります。"});

    // Removed from the list, the attempts stay: いつき２ is then a name apart.
    selectChild(*view, "いつき２");
    view->Roster->RemoveButton->click();
    QVERIFY2(questions->asked.last().contains("記録は消えずに残ります"), qPrintable(questions->asked.last()));
    QTRY_COMPARE_WITH_TIMEOUT(view->Model->Roster(), (QStringList{"あおい", "うた"}), 30000);
    QCOMPARE(attemptsOf(view->Model->Unlisted(), "いつき２"), 2);

    // A name added by hand; one that is empty or too long is refused before the server.
    messages.Clear();
    questions->names = {QStringLiteral("　"), QString(101, u'お'), QStringLiteral("えいた")};
    view->Roster->AddButton->click();
    view->Roster->AddButton->click();
    QCOMPARE(messages.errors, (QStringList{"名前が空です。", "名前が長すぎます（100 文字まで）。"}));
    view->Roster->AddButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(view->Model->Roster(), (QStringList{"あおい", "うた", "えいた"}), 30000);
    QCOMPARE(view->Model->rowCount(), 3);

    // A server that is gone is told plainly, and the list on the window stays.
    QVERIFY(server.Stop());
    messages.Clear();
    questions->names = {QStringLiteral("おと")};
    view->Roster->AddButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(messages.errors.size(), 1, 60000);
    QVERIFY2(messages.errors[0].startsWith("名簿に名前を加えられませんでした。\n"),
             qPrintable(messages.errors[0]));
    QCOMPARE(view->Model->Roster(), (QStringList{"あおい", "うた", "えいた"}));
}

void TestClassView::classFactMapAndItsWorksheets() {
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    clock.now = QDateTime::currentDateTime();
    const QDateTime now = clock.now.toUTC();
    // Three children; two of them miss 7 + 8 at addition, one of them twice.
    const Fact hard{7, 8};
    QList<Attempt> sent{
        SampleAttempt("あおい", DrillKind::Addition, now.addDays(-1), 90000, {hard}),
        SampleAttempt("あおい", DrillKind::Addition, now.addDays(-2), 91000, {hard}),
        SampleAttempt("いつき", DrillKind::Addition, now.addDays(-3), 95000, {hard, Fact{2, 3}}),
        SampleAttempt("うた", DrillKind::Addition, now.addDays(-4), 80000),
        SampleAttempt("うた", DrillKind::Kuku, now.addDays(-5), 70000)};
    QVERIFY(SendAsComputers(dir.filePath(QStringLiteral("computers.sqlite")), sent));
    Classroom teacher(teacherConfig(), local, dir.filePath(QStringLiteral("teacher.sqlite")));
    ProgressWindow window(With(teacher.History()), QString(), DrillKind::Addition);
    window.resize(1100, 760);
    ClassView* view = openClass(teacher, window);
    QVERIFY(view);
    ClassFactsPage* facts = view->Facts;
    QSignalSpy loaded(facts, &ClassFactsPage::Loaded);
    view->Tabs->setCurrentWidget(facts);
    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 30000);
    QCOMPARE(facts->DrillBox->currentText(), DrillLabel(DrillKind::Addition));
    QCOMPARE(facts->Facts().children, 3);
    const FactStat* weak = facts->FactMap->Stats().Find(hard);
    QVERIFY(weak);
    // Counted in children: two of the three missed it, however often.
    QCOMPARE(weak->seen, 3);
    QCOMPARE(weak->wrong, 2);
    const QString tip = facts->ToolTipOf(*weak);
    QVERIFY2(tip.startsWith("7 + 8 = 15\nまちがえた子 2 人 / 練習した子 3 人\nまちがい 3 / 4 回（75%）"),
             qPrintable(tip));
    QVERIFY2(tip.contains("クラスの答えるまでの時間（中央値） "), qPrintable(tip));
    // The map is the class's: the weakest fact's cell is the one most children missed.
    QCOMPARE(facts->FactMap->Stats().Weakest(1).first().fact, hard);
    // One worksheet of what the class misses, titled with the class.
    facts->ClassSheetButton->click();
    QCOMPARE(printer.log.count("BeginDoc"), 1);
    const QList<CanvasCall> texts = printer.canvas.Calls(CanvasCall::TextOut);
    QVERIFY(std::any_of(texts.begin(), texts.end(), [](const CanvasCall& call) {
        return call.text.startsWith("苦手プリント") && call.text.contains(PgTestServer::TestClass());
    }));
    QVERIFY(std::any_of(texts.begin(), texts.end(),
                        [](const CanvasCall& call) { return call.text == "7 + 8 = ▢"; }));

    // Every child who practised addition, in one job; cancelled first, then through.
    QCOMPARE(facts->ChildrenWithAttempts(), (QStringList{"あおい", "いつき", "うた"}));
    printer.log.clear();
    printer.canvas.calls.clear();
    facts->EveryoneButton->click();
    auto* progress = facts->findChild<QProgressDialog*>();
    QVERIFY(progress);
    auto* cancel = progress->findChild<QPushButton*>();
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QStringLiteral("キャンセル"));
    cancel->click();
    QTRY_VERIFY(facts->EveryoneButton->isEnabled());
    QTest::qWait(300);
    QCOMPARE(printer.log, QStringList());
    facts->EveryoneButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(printer.log.count("EndDoc"), 1, 60000);
    QCOMPARE(printer.NewPages(), 2 * 3 - 1);
    QStringList titles;
    for (const CanvasCall& call : printer.canvas.Calls(CanvasCall::TextOut))
        if (call.text.startsWith("苦手プリント"))
            titles << call.text;
    QCOMPARE(titles.size(), 6);
    QVERIFY2(titles[0].contains("あおい") && titles[1].contains("いつき") && titles[2].contains("うた"),
             qPrintable(titles.join(" | ")));

    // Another drill reads the class again; times tables only うた practised.
    facts->DrillBox->setCurrentIndex(3);
    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 2, 30000);
    QCOMPARE(facts->Facts().children, 1);
    QCOMPARE(facts->ChildrenWithAttempts(), QStringList{"うた"});
}

QTEST_MAIN(TestClassView)
#include "tst_classview.moc"
