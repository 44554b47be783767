// The class view and the classroom's messages in another language: with a
// pseudo-translation that brackets every text of ours, every text the teacher
// sees comes bracketed, nothing is clipped, the class table's CSV reads back
// as a class list; without it, every text is the Japanese one again.
#include "classroom/ClassCsv.h"
#include "classroom/ClassFactsPage.h"
#include "classroom/ClassReader.h"
#include "classroom/ClassRoster.h"
#include "classroom/ClassTableModel.h"
#include "classroom/ClassView.h"
#include "classroom/Classroom.h"
#include "classroom/Outbox.h"
#include "classroom/PgConnection.h"
#include "classroom/RosterImport.h"
#include "classroom/RosterPanel.h"
#include "classroom/RosterQuestions.h"
#include "core/VantelError.h"
#include "platform/desktop/QtTranslations.h"
#include "progress/FactMapView.h"
#include "tests/support/BracketTranslator.h"
#include "tests/support/FakeHistory.h"
#include "tests/support/FakeProgressServices.h"
#include "tests/support/PgTestServer.h"
#include "tests/support/SampleAttempts.h"
#include "tests/support/SendAsComputers.h"
#include "tests/support/TextFit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {
// Every text of ours a control of the view shows, by where it is. The class
// names and the children's names are the server's, not ours.
QMap<QString, QString> shownTexts(ClassView& view) {
    QMap<QString, QString> texts;
    const auto add = [&texts](const QString& where, const QString& text) {
        if (!text.isEmpty())
            texts.insert(where, text);
    };
    QList<QWidget*> widgets = view.findChildren<QWidget*>();
    for (int i = 0; i < widgets.size(); ++i) {
        QWidget* widget = widgets[i];
        // Qt's own parts (a tab bar's scroll buttons) speak Qt's catalogue.
        if (widget->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<QTabBar*>(widget->parentWidget()) || widget == view.ClassBox ||
            widget->parentWidget() == view.ClassBox)
            continue;
        const QString where = QStringLiteral("%1#%2 ").arg(textfit::Name(widget)).arg(i);
        add(where + QStringLiteral("tip"), widget->toolTip());
        add(where + QStringLiteral("accessible"), widget->accessibleName());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(where + QStringLiteral("text"), label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(where + QStringLiteral("text"), button->text());
        else if (auto* box = qobject_cast<QComboBox*>(widget))
            for (int item = 0; item < box->count(); ++item)
                add(where + QString::number(item), box->itemText(item));
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                add(where + QString::number(tab), tabs->tabText(tab));
        else if (auto* list = qobject_cast<QListWidget*>(widget))
            for (int item = 0; item < list->count(); ++item)
                add(where + QString::number(item), list->item(item)->text());
    }
    // A header is a drill's name over a measure: each line is a text of its own.
    for (int column = 0; column < view.Model->columnCount(); ++column) {
        const QStringList lines =
            view.Model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().split(u'\n');
        for (int line = 0; line < lines.size(); ++line)
            add(QStringLiteral("header %1.%2").arg(column).arg(line), lines[line]);
    }
    for (int row = 0; row < view.Model->rowCount(); ++row)
        for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole)})
            add(QStringLiteral("idle %1.%2").arg(row).arg(role),
                view.Model->index(row, ClassTableModel::kIdleColumn).data(role).toString());
    return texts;
}

QStringList unbracketed(const QMap<QString, QString>& texts) {
    QStringList bare;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        if (!BracketTranslator::Bracketed(*it))
            bare << it.key() + QStringLiteral(": ") + *it;
    return bare;
}

// The teacher's answers: the same name always; every question asked is kept.
class KeptQuestions : public RosterQuestions {
public:
    std::optional<QString> AskName(QWidget*, const QString& title, const QString& label,
                                   const QString&) override {
        asked << title << label;
        return name;
    }
    std::optional<QString> ChooseName(QWidget*, const QString& title, const QString& label,
                                      const QStringList&) override {
        asked << title << label;
        return std::nullopt;
    }
    bool Confirm(QWidget*, const QString& title, const QString& text) override {
        asked << title << text;
        return false;
    }
    std::optional<QString> name;
    QStringList asked;
};

// A translator that is removed when the test ends, also when it fails. The
// windows hear of the change by posted events, as from the language menu.
struct Installed {
    BracketTranslator translator;
    Installed() {
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    ~Installed() {
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
};
} // namespace

class TestClassLanguages : public QObject, FakeProgressServices {
    Q_OBJECT
    FakeHistory local;
    QTemporaryDir dir;

private slots:
    void classViewFollowsTheLanguage();
    void messagesGoThroughTheCatalogue();
    void exportedTableReadsBackAsAClassList();
};

void TestClassLanguages::classViewFollowsTheLanguage() {
    PgTestServer server;
    QVERIFY2(server.IsRunning(), qPrintable(server.ErrorText()));
    clock.now = QDateTime::currentDateTime();
    const QDateTime now = clock.now.toUTC();
    // あおい practised this week, いつき long ago; "あおいちゃん" is not on the list.
    QVERIFY(SendAsComputers(dir.filePath(QStringLiteral("computers.sqlite")),
                            {SampleAttempt("あおい", DrillKind::Addition, now.addDays(-1), 90000),
                             SampleAttempt("いつき", DrillKind::Addition, now.addDays(-12), 95000),
                             SampleAttempt("あおいちゃん", DrillKind::Addition, now.addDays(-2), 88000)}));
    QVERIFY2(server.Setup({QStringLiteral("add-computer"), PgTestServer::TestClass(), QStringLiteral("PC-07"),
                           QStringLiteral("vantel_test_pc07")}),
             qPrintable(server.ErrorText()));
    ClassReader reader(PgTestServer::TeacherServiceName());
    bool listed = false;
    reader.AddToRoster(PgTestServer::TestClass(), {QStringLiteral("あおい"), QStringLiteral("いつき")}, this,
                       [&listed](ServerAnswer<int> answer) { listed = answer.value.has_value(); });
    QTRY_VERIFY_WITH_TIMEOUT(listed, 30000);

    ClassView view(reader, {PgTestServer::TestClass()}, With(local));
    auto* questions = new KeptQuestions;
    view.Roster->SetQuestions(std::unique_ptr<RosterQuestions>(questions));
    view.resize(1100, 760);
    view.show();
    QTRY_VERIFY_WITH_TIMEOUT(!view.Note->text().startsWith(QStringLiteral("読み込んでいます")), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(view.Computers->isVisible(), 30000);
    QCOMPARE(view.Roster->UnlistedList->count(), 1);
    QSignalSpy factsLoaded(view.Facts, &ClassFactsPage::Loaded);
    view.Tabs->setCurrentWidget(view.Facts);
    QTRY_COMPARE_WITH_TIMEOUT(factsLoaded.size(), 1, 30000);
    view.Tabs->setCurrentIndex(0);
    const QMap<QString, QString> japanese = shownTexts(view);
    QVERIFY(japanese.size() > 40);

    {
        Installed brackets;
        // The open view changes at once, its notes and the names apart too.
        const QMap<QString, QString> switched = shownTexts(view);
        QCOMPARE(switched.keys(), japanese.keys());
        QVERIFY2(unbracketed(switched).isEmpty(), qPrintable(unbracketed(switched).join(u'\n')));
        QTest::qWait(20); // the layouts grow on their posted requests
        QVERIFY2(ClippedTexts(&view).isEmpty(), qPrintable(ClippedTexts(&view).join(u'\n')));
        view.Tabs->setCurrentWidget(view.Facts);
        QTest::qWait(20);
        QVERIFY2(ClippedTexts(&view).isEmpty(), qPrintable(ClippedTexts(&view).join(u'\n')));
        // The map's tips speak the language; the fact's own "3 + 4 = 7" is not a text.
        const QString tip = view.Facts->ToolTipOf(view.Facts->FactMap->Stats().facts.first());
        const QStringList tipLines = tip.split(u'\n');
        QVERIFY2(tipLines.size() >= 2, qPrintable(tip));
        for (const QString& line : tipLines.mid(1))
            QVERIFY2(BracketTranslator::Bracketed(line), qPrintable(tip));
        view.Tabs->setCurrentIndex(0);

        // A read made now is written in the language too.
        view.Reload();
        QTRY_VERIFY_WITH_TIMEOUT(!view.Note->text().startsWith(QStringLiteral("[読み込んでいます")), 30000);
        QVERIFY2(BracketTranslator::Bracketed(view.Note->text()), qPrintable(view.Note->text()));

        // The questions, the refusals before the server, and the export's offer.
        questions->name = QStringLiteral("　");
        messages.Clear();
        view.Roster->AddButton->click();
        QCOMPARE(questions->asked, (QStringList{"[名前を加える]", "[名簿に加える名前:]"}));
        QCOMPARE(messages.errors, QStringList{"[名前が空です。]"});
        view.Roster->RenameButton->click();
        QCOMPARE(messages.messages, QStringList{"[名前を変える子を、表で選んでください。]"});
        dialogs.Cancel();
        view.CsvButton->click();
        QCOMPARE(dialogs.calls.last().options.fileName, QStringLiteral("[クラスの記録_1年1組.csv]"));
        QVERIFY(BracketTranslator::Bracketed(dialogs.calls.last().options.filter));

        // What the server refuses by its SQLSTATE is told in the language.
        std::optional<QString> problem;
        reader.AddToRoster(PgTestServer::TestClass(), {QString(kServerTextLimit + 1, u'え')}, this,
                           [&problem](ServerAnswer<int> answer) { problem = answer.problem; });
        QTRY_VERIFY_WITH_TIMEOUT(problem.has_value(), 30000);
        QCOMPARE(*problem, QStringLiteral("[名前が長すぎます（%1文字まで）]").arg(kServerTextLimit));

        // Everyone's worksheets: the progress dialog made for the run.
        view.Tabs->setCurrentWidget(view.Facts);
        view.Facts->EveryoneButton->click();
        auto* progress = view.Facts->findChild<QProgressDialog*>();
        QVERIFY(progress);
        QCOMPARE(progress->windowTitle(), QStringLiteral("[全員の苦手プリント]"));
        QVERIFY2(BracketTranslator::Bracketed(progress->labelText()), qPrintable(progress->labelText()));
        QTRY_VERIFY_WITH_TIMEOUT(view.Facts->EveryoneButton->isEnabled(), 30000);
        view.Tabs->setCurrentIndex(0);
        view.Reload();
        QTRY_VERIFY_WITH_TIMEOUT(!view.Note->text().startsWith(QStringLiteral("[読み込んでいます")), 30000);
    }
    // Back in Japanese, every text is as it was.
    QCOMPARE(shownTexts(view), japanese);

    // Each language offered fits the view, the table's column headers too.
    QStringList clipped;
    ProgramTranslations translations;
    for (const QString& code : translations.Available()) {
        if (code == QLatin1String("ja"))
            continue;
        QVERIFY(translations.Apply(code));
        QCoreApplication::sendPostedEvents();
        for (int tab : {1, 0}) {
            view.Tabs->setCurrentIndex(tab);
            QTest::qWait(20); // the layouts grow on their posted requests
            for (const QString& text : ClippedTexts(&view))
                clipped << code + u' ' + text;
        }
        QHeaderView* header = view.Table->horizontalHeader();
        for (int column = 1; column < view.Model->columnCount(); ++column)
            for (const QString& line : view.Model->headerData(column, Qt::Horizontal, Qt::DisplayRole)
                                           .toString()
                                           .split(u'\n'))
                if (header->fontMetrics().horizontalAdvance(line) > header->sectionSize(column))
                    clipped << QStringLiteral("%1 header \"%2\" in %3 px").arg(code, line).arg(header->sectionSize(column));
        if (const QString folder = qEnvironmentVariable("VANTEL_SHOT_DIR"); !folder.isEmpty())
            view.grab().save(QDir(folder).filePath(code + QStringLiteral("-class.png")));
    }
    QVERIFY(translations.Apply(QStringLiteral("ja")));
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

void TestClassLanguages::messagesGoThroughTheCatalogue() {
    Installed brackets;
    // A class list file.
    QVERIFY(BracketTranslator::Bracketed(ReadRoster(QByteArray("\0\0", 2)).problems.value(0)));
    QCOMPARE(ReadRoster(QStringLiteral("名前\nあおい\nあおい\n").toUtf8()).problems,
             QStringList{"[3 行目: 「あおい」は前にもあるので、1 回だけにしました]"});
    QVERIFY(BracketTranslator::Bracketed(CheckRosterName(QString(101, u'a'), {}).problem));
    // The server's refusals by SQLSTATE, and a server too new or not yet ready.
    QCOMPARE(RosterProblemText(ClassServerError(ClassServerError::BadAttempt, "x", "42501")),
             QStringLiteral("[このクラスの名簿を変えることは許されていません]"));
    QVERIFY(BracketTranslator::Bracketed(RosterNeedsInstallMessage()));
    QVERIFY(BracketTranslator::Bracketed(TooNewMessage(kClassSchemaVersion + 1)));
    QVERIFY(BracketTranslator::Bracketed(TooOldMessage(kClassSchemaVersion - 1)));
    // The status line and its tip; a login refused, with and without its name.
    SendStatus status;
    status.state = SendStatus::Refused;
    status.login = LoginProblem::WrongPassword;
    status.problem = QStringLiteral("FATAL: password authentication failed");
    status.loginRole = QStringLiteral("pc07");
    QCOMPARE(
        ClassStatusText(status, {}, -1),
        QStringLiteral("[このパソコンのログイン pc07 はサーバーに拒否されました（[パスワードが違います]）]"));
    QCOMPARE(LoginProblemText(LoginProblem::ReadOnly, {}),
             QStringLiteral("[このパソコンのログインは読み取りしかできないため、記録を送れません]"));
    QCOMPARE(ClassStatusTip(status),
             QStringLiteral("[サーバーの答え: FATAL: password authentication failed]"));
    status.state = SendStatus::Unreachable;
    QCOMPARE(
        ClassStatusText(status, {}, 3),
        QStringLiteral("[クラスのサーバーにつながりません（[まだつながっていません]）][　送信待ち 3 件]"));
    // The class table's own marks.
    QCOMPARE(IdleMark(), QStringLiteral("[7日間 練習なし]"));
    QCOMPARE(TrendText(-1500), QStringLiteral("−[1.5秒]"));
    // The outbox and the connection fail in the language too.
    QFile blocker(dir.filePath(QStringLiteral("a-file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        Outbox outbox(dir.filePath(QStringLiteral("a-file/outbox.sqlite")));
        outbox.Waiting();
        QFAIL("an outbox in no folder opened");
    } catch (const VantelError& error) {
        QVERIFY2(BracketTranslator::Bracketed(error.Message()), qPrintable(error.Message()));
    }
    PgConnection closed(QStringLiteral("vantel_nowhere"), PgTimeouts{});
    try {
        closed.Run(QStringLiteral("SELECT 1"));
        QFAIL("a closed connection ran a query");
    } catch (const ClassServerError& error) {
        QCOMPARE(error.Message(), QStringLiteral("[接続していません]"));
    }
}

void TestClassLanguages::exportedTableReadsBackAsAClassList() {
    ClassChild aoi;
    aoi.name = QStringLiteral("あおい");
    aoi.listed = true;
    ClassChild name;
    name.name = QStringLiteral("name"); // a child may be called what a header says
    const QByteArray japanese = ClassTableCsv({aoi, name}, {});
    QCOMPARE(ReadRoster(japanese).names, (QStringList{"あおい", "name"}));
    {
        Installed brackets;
        const QByteArray bracketed = ClassTableCsv({aoi, name}, {});
        QVERIFY(bracketed.startsWith("\xEF\xBB\xBF[名前],[名簿],[練習],[たしざん] [ベスト(秒)]"));
        const RosterImport read = ReadRoster(bracketed);
        QCOMPARE(read.names, (QStringList{"あおい", "name"}));
        QCOMPARE(read.problems, QStringList());
        // The words of a teacher's own file are taken in any language.
        QCOMPARE(ReadRoster(QStringLiteral("番号,氏名\n1,いつき\n").toUtf8()).names, QStringList{"いつき"});
    }
    // Back in Japanese the header is the Japanese one again.
    QCOMPARE(ClassTableCsv({aoi, name}, {}), japanese);
}

QTEST_MAIN(TestClassLanguages)
#include "tst_classlanguages.moc"
