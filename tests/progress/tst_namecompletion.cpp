// The user-name edit offers the names of the history, read only once it has the focus.
#include "progress/NameCompletion.h"

#include "tests/support/FakeHistory.h"
#include "tests/support/SampleAttempts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>
#include <QTest>

class TestNameCompletion : public QObject {
    Q_OBJECT
private slots:
    void namesOfTheHistoryAreOfferedOnFocus() {
        FakeHistory history;
        const QDateTime now(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);
        for (const QString& name : {QStringLiteral("ゆい"), QStringLiteral("ゆうと"),
                                    QStringLiteral("はると"), QString(), QString(300, u'x')})
            history.Record(SampleAttempt(name, DrillKind::Addition, now, 1000));
        QWidget window;
        auto* other = new QLineEdit(&window);
        auto* edit = new QLineEdit(&window);
        edit->move(0, 40);
        NameCompletion completion(edit, history);
        window.show();
        other->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(history.childrenAsked, 0); // not at start-up

        edit->setFocus();
        QTRY_COMPARE(history.childrenAsked, 1);
        QCompleter* completer = completion.Completer();
        QCOMPARE(edit->completer(), completer);
        completer->setCompletionPrefix("ゆ");
        QCOMPARE(completer->completionCount(), 2);
        QStringList offered;
        for (int i = 0; completer->setCurrentRow(i); ++i)
            offered << completer->currentCompletion();
        QCOMPARE(offered, (QStringList{"ゆい", "ゆうと"}));
        QCOMPARE(completer->model()->rowCount(), 3); // neither the nameless nor the overlong name
    }

    void classListNamesAreOfferedBesideTheHistory() {
        FakeHistory history;
        const QDateTime now(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);
        history.Record(SampleAttempt(QStringLiteral("ゆい"), DrillKind::Addition, now, 1000));
        QLineEdit edit;
        NameCompletion completion(&edit, history);
        const auto offered = [&] {
            return qobject_cast<QStringListModel*>(completion.Completer()->model())->stringList();
        };
        // Before the history is read: the list alone, at once.
        completion.SetExtraNames({QStringLiteral("ゆうと"), QStringLiteral("ゆい")});
        QCOMPARE(offered(), (QStringList{"ゆい", "ゆうと"}));
        QFocusEvent focus(QEvent::FocusIn);
        QCoreApplication::sendEvent(&edit, &focus);
        QTRY_COMPARE(history.childrenAsked, 1);
        QCOMPARE(offered(), (QStringList{"ゆい", "ゆうと"})); // each name once
        // A changed list replaces the last; the history's names stay.
        completion.SetExtraNames({QStringLiteral("あおい")});
        QCOMPARE(offered(), (QStringList{"あおい", "ゆい"}));
        completion.SetExtraNames({});
        QCOMPARE(offered(), QStringList{"ゆい"});
    }
};

QTEST_MAIN(TestNameCompletion)
#include "tst_namecompletion.moc"
