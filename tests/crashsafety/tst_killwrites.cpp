// Files that survive a crash at any instant: a helper process writes the
// settings file or the name panel in a loop and is killed with SIGKILL at
// random instants; the file must then hold the old content or the new one,
// whole, with no temporary file left beside it. A write that hits a full
// disk leaves the old file whole and reports the program's write error.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <thread>

namespace {
const QString kHelper = QStringLiteral(VANTEL_WRITE_LOOP);

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Runs the helper to its end; its first line of output.
QString runHelper(const QStringList& arguments, int* exitCode = nullptr) {
    QProcess helper;
    helper.start(kHelper, arguments);
    if (!helper.waitForFinished(60000))
        return QStringLiteral("<did not finish>");
    if (exitCode)
        *exitCode = helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -1;
    return QString::fromUtf8(helper.readAllStandardOutput()).trimmed();
}
} // namespace

class TestKillWrites : public QObject {
    Q_OBJECT
private slots:
    void killedAtRandomInstants_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("settings file") << "settings"
                                       << "vantel.ini";
        QTest::newRow("name panel") << "namepanel"
                                    << "data.txt";
    }
    void killedAtRandomInstants() {
        QFETCH(QString, kind);
        QFETCH(QString, fileName);
        // A killed process loses nothing the kernel has already taken, so the
        // file system makes no difference here; in memory a round is short.
        QTemporaryDir dir(QFileInfo("/dev/shm").isWritable() ? "/dev/shm/vantel-kill-XXXXXX"
                                                             : QDir::tempPath() + "/vantel-kill-XXXXXX");
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(fileName);
        // The two contents the loop alternates between, as written whole.
        QCOMPARE(runHelper({kind, dir.filePath("new"), "1"}), QString());
        QCOMPARE(runHelper({kind, path, "0"}), QString());
        const QByteArray newContent = fileBytes(dir.filePath("new"));
        const QByteArray oldContent = fileBytes(path);
        QVERIFY(QFile::remove(dir.filePath("new")));
        QVERIFY(newContent != oldContent && !oldContent.isEmpty());

        QProcess helper;
        helper.start(kHelper, {kind, path, "serve"});
        QVERIFY(helper.waitForStarted());
        const auto readLine = [&helper] {
            while (!helper.canReadLine())
                if (!helper.waitForReadyRead(30000))
                    return QByteArray("<no answer>");
            return helper.readLine().trimmed();
        };
        const qint64 writeMicroseconds = readLine().toLongLong();
        QVERIFY(writeMicroseconds > 0);
        QCOMPARE(fileBytes(path), oldContent);
        QRandomGenerator random(20240501);
        int sawOld = 0;
        int sawNew = 0;
        QStringList strays;
        for (int round = 0; round < 1000; ++round) {
            helper.write("go\n");
            const qint64 writer = readLine().toLongLong();
            QVERIFY(writer > 0);
            // Anywhere within the first four writes, the first one included.
            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(4 * writeMicroseconds)));
            QCOMPARE(::kill(pid_t(writer), SIGKILL), 0);
            QCOMPARE(readLine(), QByteArray("killed"));

            const QByteArray now = fileBytes(path);
            if (now == oldContent)
                ++sawOld;
            else if (now == newContent)
                ++sawNew;
            else
                QFAIL(qPrintable(QString("round %1 left a file that is neither: %2")
                                     .arg(round)
                                     .arg(QString::fromLatin1(now.toPercentEncoding()))));
            // A kill between naming the finished temporary file and renaming it
            // leaves that file behind; it never replaces the real one.
            for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
                if (name != fileName) {
                    QVERIFY2(name.startsWith(fileName + "."), qPrintable(name));
                    strays << name;
                    QFile::remove(dir.filePath(name));
                }
        }
        helper.closeWriteChannel();
        QVERIFY(helper.waitForFinished(30000));
        qInfo("%s: %d kills left the old file, %d the new one, %lld a stray temporary file", qPrintable(kind),
              sawOld, sawNew, qlonglong(strays.size()));
        // Kills landed on both sides of a replacement.
        QVERIFY2(sawOld > 0 && sawNew > 0, qPrintable(QString("old %1, new %2").arg(sawOld).arg(sawNew)));
    }

    void diskFull_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("error");
        QTest::newRow("settings file") << "settings"
                                       << "vantel.ini"
                                       << "%1 に書き込めません";
        QTest::newRow("name panel") << "namepanel"
                                    << "data.txt"
                                    << "ファイル %1 を作成できません";
    }
    void diskFull() {
        QFETCH(QString, kind);
        QFETCH(QString, fileName);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        QCOMPARE(runHelper({kind, path, "0"}), QString());
        const QByteArray old = fileBytes(path);

        // Files may grow to 4 KB, and the new content is longer than that.
        int exitCode = 0;
        QCOMPARE(runHelper({kind, path, "big", "4096"}, &exitCode), error.arg(path));
        QCOMPARE(exitCode, 1);
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{fileName});
    }
};

QTEST_GUILESS_MAIN(TestKillWrites)
#include "tst_killwrites.moc"
