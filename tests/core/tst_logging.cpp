// A failure the user is not told about still leaves its reason in the log.
#include "core/Logging.h"
#include "core/VantelError.h"
#include "core/Version.h"

#include <QTest>
#include <stdexcept>

class TestLogging : public QObject {
    Q_OBJECT
private slots:
    void failureReasonIsLogged_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("program error") << 0 << "Printing a page failed: プリンターは印刷中ではありません。";
        QTest::newRow("standard exception") << 1 << "Printing a page failed: bad size";
        QTest::newRow("anything else") << 2 << "Printing a page failed: an unknown exception";
    }
    void failureReasonIsLogged() {
        QFETCH(int, kind);
        QFETCH(QString, expected);
        QTest::ignoreMessage(QtWarningMsg, expected.toUtf8().constData());
        try {
            if (kind == 0)
                throw VantelError(QStringLiteral("プリンターは印刷中ではありません。"));
            if (kind == 1)
                throw std::length_error("bad size");
            throw 42;
        } catch (...) {
            LogCurrentFailure(lcPrint(), "Printing a page");
        }
    }

    void categoriesAreNamedBySubsystem() {
        QCOMPARE(QString(lcPrint().categoryName()), "vantel.print");
        QCOMPARE(QString(lcSound().categoryName()), "vantel.sound");
        QVERIFY(lcGridIo().isWarningEnabled());
    }

    void versionComesFromTheProject() { QCOMPARE(QString(VANTEL_VERSION), "1.0.10"); }
};

QTEST_GUILESS_MAIN(TestLogging)
#include "tst_logging.moc"
