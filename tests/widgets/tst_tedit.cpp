// The one-line edit gives the window's menu shortcuts the keys they take,
// and keeps its own meaning for the Ctrl keys no shortcut takes.
#include "widgets/TEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

class TestTEdit : public QObject {
    Q_OBJECT

    struct Window {
        QMainWindow main;
        TEdit* edit = new TEdit(QStringLiteral("C:\\sound\\ok.wav"));
        QMap<QString, int> fired;

        Window() {
            main.setCentralWidget(edit);
            QMenu* menu = main.menuBar()->addMenu(QStringLiteral("編集(&E)"));
            for (const auto& [caption, key] : {std::pair{"答え+", Qt::CTRL | Qt::Key_A},
                                               {"答え-", Qt::CTRL | Qt::Key_B},
                                               {"答えx", Qt::CTRL | Qt::Key_C},
                                               {"答え99", Qt::CTRL | Qt::Key_D},
                                               {"問題作成(&T)", Qt::CTRL | Qt::Key_X},
                                               {"答えあわせ(&F)", QKeyCombination(Qt::Key_F2)}}) {
                QAction* action = menu->addAction(QString::fromUtf8(caption));
                action->setShortcut(QKeySequence(key));
                const QString name = QString::fromUtf8(caption);
                connect(action, &QAction::triggered, [this, name] { ++fired[name]; });
            }
            main.show();
            edit->setFocus();
        }
    };

private slots:
    void menuShortcutsComeFirst_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("item");
        QTest::newRow("Ctrl+A, not select all") << int(Qt::Key_A) << int(Qt::ControlModifier) << "答え+";
        QTest::newRow("Ctrl+B") << int(Qt::Key_B) << int(Qt::ControlModifier) << "答え-";
        QTest::newRow("Ctrl+C, not copy") << int(Qt::Key_C) << int(Qt::ControlModifier) << "答えx";
        QTest::newRow("Ctrl+D, not delete") << int(Qt::Key_D) << int(Qt::ControlModifier) << "答え99";
        QTest::newRow("Ctrl+X, not cut") << int(Qt::Key_X) << int(Qt::ControlModifier) << "問題作成(&T)";
        QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << "答えあわせ(&F)";
    }
    void menuShortcutsComeFirst() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, item);
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        w.edit->setCursorPosition(3);
        QTest::keyClick(w.main.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.fired, (QMap<QString, int>{{item, 1}}));
        QCOMPARE(w.edit->text(), QStringLiteral("C:\\sound\\ok.wav"));
        QVERIFY(!w.edit->hasSelectedText());
        QCOMPARE(w.edit->cursorPosition(), 3);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    // Keys no menu item takes still edit.
    void otherControlKeysStillEdit() {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        QApplication::clipboard()->setText(QStringLiteral("D:"));
        w.edit->setCursorPosition(0);
        QTest::keyClick(w.main.windowHandle(), Qt::Key_Delete);
        QTest::keyClick(w.main.windowHandle(), Qt::Key_Delete);
        QTest::keyClick(w.main.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.edit->text(), QStringLiteral("D:\\sound\\ok.wav"));
        QTest::keyClick(w.main.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(w.edit->text() != QStringLiteral("D:\\sound\\ok.wav"));
        QTest::keyClick(w.main.windowHandle(), Qt::Key_End);
        QTest::keyClick(w.main.windowHandle(), Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.edit->selectedText(), QStringLiteral("wav"));
        QVERIFY(w.fired.isEmpty());
    }
};

QTEST_MAIN(TestTEdit)
#include "tst_tedit.moc"
