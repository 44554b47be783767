// Read-aloud mode: what is said during an attempt, and its own settings file.
#include "drill/CellTable.h"
#include "readaloud/ReadAloud.h"
#include "readaloud/ReadAloudSettings.h"

#include "tests/support/FakeSpeech.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
CellTable subtractionSheet() {
    CellTable grid(11, 11);
    for (int i = 1; i <= 10; ++i) {
        grid.SetCells(i, 0, QString::number(9 + i));
        grid.SetCells(0, i, QString::number(i - 1));
    }
    return grid;
}
} // namespace

class TestReadAloud : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("vantel/readaloud.conf")); }

private slots:
    void init() { QFile::remove(path()); }

    void offUntilSwitchedOnAndRemembered() {
        ReadAloudSettings settings(path());
        QVERIFY(!settings.Enabled());
        FakeSpeech speech;
        {
            ReadAloud mode(speech, settings);
            QVERIFY(!mode.Enabled());
            mode.SetEnabled(true); // the folder is made as well
        }
        QVERIFY(QFile::exists(path()));
        QVERIFY(ReadAloud(speech, settings).Enabled());
        ReadAloud(speech, settings).SetEnabled(false);
        QVERIFY(!ReadAloudSettings(path()).Enabled());
    }

    void anUnwritableFileKeepsTheChoiceForTheSession() {
        QFile blocker(dir.filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        ReadAloudSettings settings(dir.filePath(QStringLiteral("blocked/readaloud.conf")));
        FakeSpeech speech;
        ReadAloud mode(speech, settings);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not write"));
        mode.SetEnabled(true);
        QVERIFY(mode.Enabled());
    }

    void defaultPath_data() {
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("XDG_CONFIG_HOME") << "/tmp/cfg"
                                         << "/tmp/cfg/vantel/readaloud.conf";
        QTest::newRow("unset") << "" << QDir::homePath() + "/.config/vantel/readaloud.conf";
        QTest::newRow("relative is ignored") << "cfg" << QDir::homePath() + "/.config/vantel/readaloud.conf";
    }
    void defaultPath() {
        QFETCH(QString, xdg);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", xdg.toUtf8());
        const QString actual = ReadAloudSettings::DefaultPath();
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(actual, expected);
    }

    void anAttemptIsReadCellByCellThenScored() {
        ReadAloudSettings settings(path());
        FakeSpeech speech;
        ReadAloud mode(speech, settings);
        mode.SetEnabled(true);
        const CellTable grid = subtractionSheet();
        const DrillSheet& sheet = SheetOf(DrillKind::Subtraction);

        mode.CellEntered(grid, sheet, 1, 1); // before Start: silent
        mode.AttemptStarted();
        mode.CellEntered(grid, sheet, 1, 1);
        mode.CellEntered(grid, sheet, 6, 1);
        mode.CellEntered(grid, sheet, 10, 10);
        mode.AttemptJudged({JudgeResult::Outcome::Incomplete, 0}, sheet); // the attempt goes on
        mode.CellEntered(grid, sheet, 1, 2);
        mode.AttemptJudged({JudgeResult::Outcome::Score, 95}, sheet);
        mode.CellEntered(grid, sheet, 2, 2); // after the score: silent
        QCOMPARE(speech.said, (QStringList{"10 ひく 0", "15 ひく 0", "19 ひく 9", "10 ひく 1",
                                           "せいかい は 95 こ、100 もん ちゅう"}));
    }

    void offSaysNothingAndSwitchingOffHushes() {
        ReadAloudSettings settings(path());
        FakeSpeech speech;
        ReadAloud mode(speech, settings);
        const CellTable grid = subtractionSheet();
        const DrillSheet& sheet = SheetOf(DrillKind::Subtraction);
        mode.AttemptStarted();
        mode.CellEntered(grid, sheet, 1, 1);
        mode.AttemptJudged({JudgeResult::Outcome::AllCorrect, 100}, sheet);
        QVERIFY(speech.said.isEmpty());
        mode.SetEnabled(true);
        mode.AttemptStarted();
        mode.CellEntered(grid, sheet, 1, 1);
        mode.SetEnabled(false);
        mode.CellEntered(grid, sheet, 2, 1);
        QCOMPARE(speech.said, (QStringList{"10 ひく 0", "(hush)"}));
    }

    void clearEndsTheAttempt() {
        ReadAloudSettings settings(path());
        FakeSpeech speech;
        ReadAloud mode(speech, settings);
        mode.SetEnabled(true);
        const CellTable grid = subtractionSheet();
        const DrillSheet& sheet = SheetOf(DrillKind::Subtraction);
        mode.AttemptStarted();
        mode.AttemptCleared();
        mode.CellEntered(grid, sheet, 1, 1);
        mode.AttemptCleared(); // nothing runs: nothing to hush
        QCOMPARE(speech.said, QStringList{"(hush)"});
    }
};

QTEST_GUILESS_MAIN(TestReadAloud)
#include "tst_readaloud.moc"
