// The test server itself: a test that dies (a crash, a sanitizer abort, a
// ctest time-out) must not leave a PostgreSQL running behind it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestPgHarness : public QObject {
    Q_OBJECT

private slots:
    void serverEndsWithTheProcessItServes() {
        QTemporaryDir dir(QStringLiteral("/tmp/vantel-pg-XXXXXX"));
        QVERIFY(dir.isValid());
        QProcess owner; // stands in for a test process
        owner.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(owner.waitForStarted());

        const QString script =
            qEnvironmentVariable("VANTEL_SOURCE_DIR") + QStringLiteral("/tests/support/pgserver.sh");
        QProcess start;
        start.setProcessChannelMode(QProcess::MergedChannels);
        start.start(script, {QStringLiteral("start"), dir.path(), QString::number(owner.processId())});
        QVERIFY(start.waitForFinished(120000));
        QVERIFY2(start.exitCode() == 0, start.readAll().constData());
        const QString pidFile = dir.filePath(QStringLiteral("data/postmaster.pid"));
        QVERIFY(QFile::exists(pidFile));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral(".s.PGSQL.5432"))));

        owner.kill();
        owner.waitForFinished();
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(pidFile), 20000);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral(".s.PGSQL.5432"))));
        QCOMPARE(QProcess::execute(script, {QStringLiteral("stop"), dir.path()}),
                 0); // a second stop is harmless
    }
};

QTEST_GUILESS_MAIN(TestPgHarness)
#include "tst_pgharness.moc"
