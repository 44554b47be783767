#include "drill/DrillTime.h"

#include <QTest>

class TestDrillTime : public QObject {
    Q_OBJECT
private slots:
    void format_data() {
        QTest::addColumn<quint32>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0u << "00:00";
        QTest::newRow("milliseconds are cut, not rounded") << 59999u << "00:59";
        QTest::newRow("1:23") << 83456u << "01:23";
        QTest::newRow("last second of the hour") << 3599999u << "59:59";
        QTest::newRow("an hour keeps its minutes") << 3665000u << "61:05";
        QTest::newRow("1 h 2 min 5 s") << 3725000u << "62:05";
        QTest::newRow("just under 100 minutes") << 5999999u << "99:59";
        QTest::newRow("100 minutes") << 6000000u << "99:59";
        QTest::newRow("the whole counter") << 0xFFFFFFFFu << "99:59";
    }
    void format() {
        QFETCH(quint32, ms);
        QFETCH(QString, text);
        QCOMPARE(FormatDrillTime(ms), text);
    }

    void clockText_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("text");
        QTest::newRow("a Tuesday morning")
            << QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)) << "  12/08(火曜日)09:05:07";
        QTest::newRow("a Sunday before midnight")
            << QDateTime(QDate(2027, 1, 3), QTime(23, 59, 59)) << "  01/03(日曜日)23:59:59";
        QTest::newRow("a Monday at midnight")
            << QDateTime(QDate(2027, 1, 4), QTime(0, 0)) << "  01/04(月曜日)00:00:00";
    }
    void clockText() {
        QFETCH(QDateTime, now);
        QFETCH(QString, text);
        QCOMPARE(FormatClockText(now), text);
    }

    void validTimes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("no best yet") << "59:59" << true;
        QTest::newRow("zero") << "00:00" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("one minute digit") << "1:23" << false;
        QTest::newRow("letters") << "ab:cd" << false;
        QTest::newRow("full-width digits") << "０１:２３" << false;
        QTest::newRow("trailing blank") << "01:23 " << false;
        QTest::newRow("dot for colon") << "01.23" << false;
    }
    void validTimes() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidDrillTime(text), valid);
    }

    void newBest_data() {
        QTest::addColumn<quint32>("ms");
        QTest::addColumn<QString>("best");
        QTest::addColumn<bool>("newBest");
        QTest::newRow("faster than no best yet") << 83000u << "59:59" << true;
        QTest::newRow("equal to the best") << 83000u << "01:23" << false;
        QTest::newRow("slower than the best") << 83000u << "01:00" << false;
        QTest::newRow("one second faster") << 82000u << "01:23" << true;
        QTest::newRow("empty best counts as none") << 83000u << "" << true;
        QTest::newRow("garbage best counts as none") << 83000u << "x" << true;
        QTest::newRow("an hour never sets a best") << 3665000u << "" << false;
        QTest::newRow("an hour against a stored 75 minutes") << 3665000u << "75:00" << false;
        QTest::newRow("the whole counter") << 0xFFFFFFFFu << "" << false;
    }
    void newBest() {
        QFETCH(quint32, ms);
        QFETCH(QString, best);
        QFETCH(bool, newBest);
        QCOMPARE(IsNewBestTime(ms, FormatDrillTime(ms), best), newBest);
    }
};

QTEST_APPLESS_MAIN(TestDrillTime)
#include "tst_drilltime.moc"
