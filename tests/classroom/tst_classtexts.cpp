// What the teacher reads: the class table's texts and order, the status
// line, the fact map made from the server's per-fact rows, and how a server
// failure is taken.
#include "classroom/ClassTableModel.h"
#include "classroom/Classroom.h"
#include "classroom/PgConnection.h"

#include <QSortFilterProxyModel>
#include <QTest>

class TestClassTexts : public QObject {
    Q_OBJECT
private slots:
    void times_data();
    void times();
    void statusLine_data();
    void statusLine();
    void tableRowsAndSorting();
    void factsFromServerRows();
    void failureKinds_data();
    void failureKinds();
};

void TestClassTexts::times_data() {
    QTest::addColumn<int>("ms");
    QTest::addColumn<QVariant>("trend"); // null: none
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("trendText");
    QTest::newRow("none") << -1 << QVariant() << "—"
                          << "";
    QTest::newRow("minutes") << 83999 << QVariant(-3240) << "01:23"
                             << "−3.2秒";
    QTest::newRow("slower") << 600000 << QVariant(1000) << "10:00"
                            << "+1.0秒";
    QTest::newRow("steady") << 0 << QVariant(-40) << "00:00"
                            << "±0.0秒";
}

void TestClassTexts::times() {
    QFETCH(int, ms);
    QFETCH(QVariant, trend);
    QTEST(ClassTimeText(ms), "time");
    QTEST(TrendText(trend.isValid() ? std::optional<int>(trend.toInt()) : std::nullopt), "trendText");
}

void TestClassTexts::statusLine_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("sentBefore");
    QTest::addColumn<bool>("readBefore");
    QTest::addColumn<QStringList>("says");
    QTest::newRow("never reached") << int(SendStatus::Unreachable) << false << false
                                   << QStringList{"つながりません", "まだつながっていません",
                                                  "送信待ち 4 件"};
    QTest::newRow("reached by a read") << int(SendStatus::Unreachable) << false << true
                                       << QStringList{"つながりません", "最後につながったのは", "03:04:05"};
    QTest::newRow("connected") << int(SendStatus::Connected) << true << false
                               << QStringList{"つながっています", "01:02:03"};
    QTest::newRow("newer schema") << int(SendStatus::TooNew) << true << false
                                  << QStringList{"第7版", "新しくしてください", "送信待ち 4 件"};
    QTest::newRow("refused") << int(SendStatus::Refused) << true << false
                             << QStringList{"受け付けません", "permission denied"};
}

void TestClassTexts::statusLine() {
    QFETCH(int, state);
    QFETCH(bool, sentBefore);
    QFETCH(bool, readBefore);
    QFETCH(QStringList, says);
    SendStatus status;
    status.state = SendStatus::State(state);
    status.serverVersion = 7;
    status.problem = QStringLiteral("permission denied");
    const QDate day(2026, 12, 8);
    if (sentBefore)
        status.lastReached = QDateTime(day, QTime(1, 2, 3)).toUTC();
    const QDateTime read = readBefore ? QDateTime(day, QTime(3, 4, 5)).toUTC() : QDateTime();
    const QString text = ClassStatusText(status, read, 4);
    for (const QString& part : says)
        QVERIFY2(text.contains(part), qPrintable(text));
}

void TestClassTexts::tableRowsAndSorting() {
    const QDateTime at = QDateTime::currentDateTimeUtc();
    QList<ClassSummaryRow> rows;
    rows << ClassSummaryRow{"ゆい", DrillKind::Kuku, 12, 40000, 45000, at, 5, -2000}
         << ClassSummaryRow{"ゆい", DrillKind::Addition, 3, -1, 90000, at, 0, std::nullopt}
         << ClassSummaryRow{"", DrillKind::Addition, 7, 70000, 71000, at, 7, 500}
         << ClassSummaryRow{"あお", DrillKind::Addition, 1, 80000, 80000, at, 1, std::nullopt};
    ClassTableModel model;
    model.SetRows(rows);
    QCOMPARE(model.Children(), (QStringList{"", "あお", "ゆい"}));
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("名前なし"));
    const auto text = [&](int row, DrillKind d, ClassTableModel::Measure m) {
        return model.index(row, ClassTableModel::Column(d, m)).data().toString();
    };
    QCOMPARE(text(2, DrillKind::Kuku, ClassTableModel::Best), QStringLiteral("00:40"));
    QCOMPARE(text(2, DrillKind::Kuku, ClassTableModel::Trend), QStringLiteral("−2.0秒"));
    QCOMPARE(text(2, DrillKind::Addition, ClassTableModel::Best), QStringLiteral("—")); // never all correct
    QCOMPARE(text(1, DrillKind::Kuku, ClassTableModel::Week), QStringLiteral("0"));     // never practised
    QCOMPARE(model
                 .headerData(ClassTableModel::Column(DrillKind::Subtraction, ClassTableModel::Trend),
                             Qt::Horizontal, Qt::DisplayRole)
                 .toString(),
             DrillLabel(DrillKind::Subtraction) + QStringLiteral("\n傾向"));

    // By best addition time, quickest first; no best sorts last.
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(Qt::UserRole);
    sorted.sort(ClassTableModel::Column(DrillKind::Addition, ClassTableModel::Best));
    QStringList order;
    for (int r = 0; r < sorted.rowCount(); ++r)
        order << sorted.index(r, 0).data(Qt::UserRole).toString();
    QCOMPARE(order, (QStringList{"", "あお", "ゆい"}));
    sorted.sort(ClassTableModel::Column(DrillKind::Kuku, ClassTableModel::Trend));
    QCOMPARE(sorted.index(0, 0).data(Qt::UserRole).toString(), QStringLiteral("ゆい"));
}

void TestClassTexts::factsFromServerRows() {
    const FactStats stats = FactStatsFromRows(
        DrillKind::Kuku, {{7, 8, 10, 4, 3000}, {2, 2, 30, 0, 500}, {9, 9, 5, 0, 1000}, {12, 3, 9, 9, 100}});
    QCOMPARE(stats.facts.size(), 64);
    QCOMPARE(stats.Find(Fact{7, 8})->wrong, 4);
    QCOMPARE(stats.Find(Fact{7, 8})->seen, 10);
    QCOMPARE(stats.Find(Fact{3, 3})->seen, 0); // never asked
    QCOMPARE(stats.overallMedianMs, 500.0);    // most answers were the quick 2 × 2
    QCOMPARE(stats.Weakest(5).first().fact, (Fact{7, 8}));
}

void TestClassTexts::failureKinds_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("kind");
    QTest::newRow("not allowed") << "42501" << int(ClassServerError::Refused);
    QTest::newRow("password") << "28P01" << int(ClassServerError::Refused);
    QTest::newRow("bad text") << "22P02" << int(ClassServerError::BadAttempt);
    QTest::newRow("check") << "23514" << int(ClassServerError::BadAttempt);
    QTest::newRow("shutting down") << "57P01" << int(ClassServerError::Unreachable);
    QTest::newRow("no connection") << "" << int(ClassServerError::Unreachable);
    QTest::newRow("timeout") << "57014" << int(ClassServerError::Unreachable);
}

void TestClassTexts::failureKinds() {
    QFETCH(QString, state);
    QTEST(int(PgFailureKind(QSqlError({}, {}, QSqlError::StatementError, state))), "kind");
    // The service name reaches libpq as one value, whatever it holds.
    QVERIFY(PgConnectOptions(QStringLiteral("a b'c"), {}).startsWith(QStringLiteral("service='a b\\'c';")));
}

QTEST_GUILESS_MAIN(TestClassTexts)
#include "tst_classtexts.moc"
