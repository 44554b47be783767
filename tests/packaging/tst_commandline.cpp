// The command line: what starts the program, what answers and ends it, and
// what is refused.
#include "app/CommandLine.h"

#include <QRegularExpression>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the program starts
        QTest::addColumn<QString>("out");  // a pattern the standard output matches
        QTest::addColumn<QString>("err");  // a pattern the standard error matches

        QTest::newRow("none") << QStringList{} << -1 << "^$"
                              << "^$";
        QTest::newRow("Qt's platform option") << QStringList{"-platform", "offscreen"} << -1 << "^$"
                                              << "^$";
        QTest::newRow("Qt's option, two dashes") << QStringList{"--platform", "offscreen"} << -1 << "^$"
                                                 << "^$";
        QTest::newRow("Qt's style with =") << QStringList{"-style=fusion"} << -1 << "^$"
                                           << "^$";
        QTest::newRow("Qt's flag") << QStringList{"-reverse"} << -1 << "^$"
                                   << "^$";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: .*--version"
                              << "^$";
        QTest::newRow("help, short") << QStringList{"-h"} << 0 << "Usage: "
                                     << "^$";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "^Vantel \\d+\\.\\d+\\.\\d+\\n$"
                                 << "^$";
        QTest::newRow("version, short") << QStringList{"-v"} << 0 << "^Vantel \\d+\\.\\d+\\.\\d+\\n$"
                                        << "^$";
        QTest::newRow("unknown long option")
            << QStringList{"--bogus"} << 2 << "^$"
            << "^vantel: Unknown option 'bogus'\\.\\nTry 'vantel --help' for more information\\.\\n$";
        QTest::newRow("unknown short option") << QStringList{"-x"} << 2 << "^$"
                                              << "Unknown option 'x'";
        QTest::newRow("a bad option beside help") << QStringList{"--help", "--bogus"} << 2 << "^$"
                                                  << "bogus";
        QTest::newRow("Qt's option without its value") << QStringList{"-platform"} << 2 << "^$"
                                                       << "Missing value after '-platform'";
        QTest::newRow("Qt's help-all is not offered") << QStringList{"--help-all"} << 2 << "^$"
                                                      << "help-all";
        QTest::newRow("a file name") << QStringList{"sheet.txt"} << 2 << "^$"
                                     << "Unexpected argument 'sheet.txt'";
        QTest::newRow("Japanese text") << QStringList{"算数"} << 2 << "^$"
                                       << "'算数'";
    }
    void answers() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);

        arguments.prepend("/usr/bin/vantel");
        const std::optional<CommandLineAnswer> answer = ReadCommandLine(arguments);
        QCOMPARE(answer ? answer->exitCode : -1, exitCode);
        const QRegularExpression::PatternOptions dotAll = QRegularExpression::DotMatchesEverythingOption;
        const QString gotOut = answer ? answer->out : QString();
        const QString gotErr = answer ? answer->err : QString();
        QVERIFY2(QRegularExpression(out, dotAll).match(gotOut).hasMatch(), qPrintable(gotOut));
        QVERIFY2(QRegularExpression(err, dotAll).match(gotErr).hasMatch(), qPrintable(gotErr));
    }

    void helpListsOnlyTheProgramsOwnOptions() {
        const QString help = ReadCommandLine({"vantel", "--help"})->out;
        QVERIFY(help.contains("百ます計算"));
        QVERIFY(help.contains("--version"));
        // Qt's options are accepted, not advertised.
        QVERIFY2(!help.contains("platform"), qPrintable(help));
        QVERIFY2(!help.contains("-style"), qPrintable(help));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
