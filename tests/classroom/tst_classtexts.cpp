// What the teacher reads: the class table's texts and order, the status
// line, the fact map made from the server's per-fact rows, the computers not
// seen, and how a server failure is taken; the name the server gets.
#include "classroom/ClassTableModel.h"
#include "classroom/Classroom.h"
#include "classroom/PgConnection.h"

#include <QSortFilterProxyModel>
#include <QTest>
#include <QTextDocument>

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
    void loginProblems_data();
    void loginProblems();
    void serverChildName_data();
    void serverChildName();
    void unseenComputers_data();
    void unseenComputers();
    void refusedLogin_data();
    void refusedLogin();
    void namesInTooltipsAreText_data();
    void namesInTooltipsAreText();
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
    QTest::newRow("older schema") << int(SendStatus::TooOld) << true << false
                                  << QStringList{"準備が古いまま", "classroom-setup.sh install",
                                                 "送信待ち 4 件"};
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
    using K = ClassServerError;
    using P = LoginProblem;
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("problem");
    // Statements: the SQLSTATE decides.
    QTest::newRow("class not allowed") << "42501"
                                       << "role x may not add" << int(K::BadAttempt) << int(P::None);
    QTest::newRow("bad text") << "22P02"
                              << "" << int(K::BadAttempt) << int(P::None);
    QTest::newRow("implausible") << "22023"
                                 << "" << int(K::BadAttempt) << int(P::None);
    QTest::newRow("check") << "23514"
                           << "" << int(K::BadAttempt) << int(P::None);
    QTest::newRow("index row too large")
        << "54000"
        << "index row size 2760 exceeds" << int(K::BadAttempt) << int(P::None);
    QTest::newRow("read-only") << "25006"
                               << "cannot execute INSERT in a read-only transaction" << int(K::Refused)
                               << int(P::ReadOnly);
    QTest::newRow("password state") << "28P01"
                                    << "" << int(K::Refused) << int(P::WrongPassword);
    QTest::newRow("role limit") << "53300"
                                << "too many connections for role \"pc_07\"" << int(K::Refused)
                                << int(P::TooManyConnections);
    QTest::newRow("server full") << "53300"
                                 << "sorry, too many clients already" << int(K::Unreachable) << int(P::None);
    QTest::newRow("shutting down") << "57P01"
                                   << "terminating connection due to administrator command"
                                   << int(K::Unreachable) << int(P::None);
    QTest::newRow("timeout") << "57014"
                             << "canceling statement due to statement timeout" << int(K::Unreachable)
                             << int(P::None);
    QTest::newRow("lock timeout") << "55P03"
                                  << "" << int(K::Unreachable) << int(P::None);
    // A failed connect: Qt's driver gives libpq's message only, in the user's language.
    const QString at = "connection to server at \"db\" (10.0.0.5), port 5432 failed: ";
    QTest::newRow("no connection") << "" << at + "Connection refused" << int(K::Unreachable) << int(P::None);
    QTest::newRow("no such database")
        << "" << at + "FATAL:  database \"vantel\" does not exist" << int(K::Unreachable) << int(P::None);
    QTest::newRow("password") << "" << at + "FATAL:  password authentication failed for user \"pc_07\""
                              << int(K::Refused) << int(P::WrongPassword);
    QTest::newRow("password, Japanese") << ""
                                        << "FATAL:  ユーザー\"pc_07\"のパスワード認証に失敗しました"
                                        << int(K::Refused) << int(P::WrongPassword);
    QTest::newRow("no password") << ""
                                 << "fe_sendauth: no password supplied" << int(K::Refused)
                                 << int(P::WrongPassword);
    QTest::newRow("no hba line") << ""
                                 << at + "FATAL:  no pg_hba.conf entry for host \"10.0.0.9\", user \"pc_07\""
                                 << int(K::Refused) << int(P::NotInAccessList);
    QTest::newRow("hba rejects") << ""
                                 << "FATAL:  pg_hba.conf rejects connection for host" << int(K::Refused)
                                 << int(P::NotInAccessList);
    QTest::newRow("no login") << ""
                              << "FATAL:  role \"pc_07\" is not permitted to log in" << int(K::Refused)
                              << int(P::MayNotLogIn);
    QTest::newRow("no login, Japanese")
        << ""
        << "FATAL:  ロール\"pc_07\"はログインが許可されません" << int(K::Refused) << int(P::MayNotLogIn);
    QTest::newRow("no such role") << ""
                                  << "FATAL:  role \"pc_07\" does not exist" << int(K::Refused)
                                  << int(P::MayNotLogIn);
    QTest::newRow("role limit, connect")
        << ""
        << "FATAL:  too many connections for role \"pc_07\"" << int(K::Refused) << int(P::TooManyConnections);
    QTest::newRow("role limit, Japanese")
        << ""
        << "FATAL:  ロール\"pc_07\"からの接続が多すぎます" << int(K::Refused) << int(P::TooManyConnections);
    QTest::newRow("server full, connect")
        << ""
        << "FATAL:  sorry, too many clients already" << int(K::Unreachable) << int(P::None);
    QTest::newRow("no TLS") << "" << at + "server does not support SSL, but SSL was required"
                            << int(K::Refused) << int(P::NoTls);
    QTest::newRow("no TLS, Japanese")
        << ""
        << "サーバーはSSLをサポートしていませんが、SSLが要求されました" << int(K::Refused) << int(P::NoTls);
    QTest::newRow("binding without TLS")
        << ""
        << "channel binding required, but SSL not in use" << int(K::Refused) << int(P::NoTls);
    QTest::newRow("unknown CA") << "" << at + "SSL error: certificate verify failed" << int(K::Refused)
                                << int(P::UntrustedCertificate);
    QTest::newRow("another name") << ""
                                  << "server certificate for \"evil\" does not match host name \"db\""
                                  << int(K::Refused) << int(P::UntrustedCertificate);
    QTest::newRow("no CA file") << ""
                                << "root certificate file \"/etc/vantel/ca.crt\" does not exist"
                                << int(K::Refused) << int(P::UntrustedCertificate);
    QTest::newRow("clear-text password asked")
        << ""
        << "channel binding required but not supported by server's authentication request" << int(K::Refused)
        << int(P::NoChannelBinding);
    QTest::newRow("clear-text password asked, Japanese")
        << ""
        << "チャネルバインディングが要求されていますが、サーバーの認証要求ではサポートされていません"
        << int(K::Refused) << int(P::NoChannelBinding);
}

void TestClassTexts::failureKinds() {
    QFETCH(QString, state);
    QFETCH(QString, message);
    const PgFailure failure = ClassifyPgFailure(state, message);
    QTEST(int(failure.kind), "kind");
    QTEST(int(failure.problem), "problem");
    QCOMPARE(PgFailureKind(
                 QSqlError(QStringLiteral("Unable to connect"), message, QSqlError::ConnectionError, state)),
             failure.kind);
    // The service name reaches libpq as one value, whatever it holds.
    QVERIFY(PgConnectOptions(QStringLiteral("a b'c"), {}).startsWith(QStringLiteral("service='a b\\'c';")));
}

void TestClassTexts::loginProblems_data() {
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("says");
    QTest::newRow("password")
        << int(LoginProblem::WrongPassword) << "pc_3_2_07"
        << "このパソコンのログイン pc_3_2_07 はサーバーに拒否されました（パスワードが違います）";
    QTest::newRow("role unknown")
        << int(LoginProblem::MayNotLogIn) << ""
        << "このパソコンのログインはサーバーに拒否されました（ログインが使えなくなっています）";
    QTest::newRow("read-only") << int(LoginProblem::ReadOnly) << "pc_1"
                               << "読み取りしかできない";
    QTest::newRow("no TLS") << int(LoginProblem::NoTls) << "pc_1"
                            << "暗号化（TLS）に応じない";
    QTest::newRow("certificate") << int(LoginProblem::UntrustedCertificate) << "pc_1"
                                 << "証明書が信頼できない";
    QTest::newRow("clear text") << int(LoginProblem::NoChannelBinding) << "pc_1"
                                << "安全でない方法でパスワード";
}

void TestClassTexts::loginProblems() {
    QFETCH(int, problem);
    QFETCH(QString, role);
    QFETCH(QString, says);
    SendStatus status;
    status.state = SendStatus::Refused;
    status.login = LoginProblem(problem);
    status.loginRole = role;
    status.problem = QStringLiteral("FATAL: <b>whatever</b>");
    status.setAside = 2;
    status.setAsideReason = QStringLiteral("an argument of add_attempt is too large");
    const QString text = ClassStatusText(status, {}, 3);
    QVERIFY2(text.contains(says), qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral("送信待ち 3 件　送れない記録 2 件")), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("つながりません")));
    // The server's words go to the tooltip, for whoever mends it.
    const QString tip = ClassStatusTip(status);
    QVERIFY(tip.contains(status.problem));
    QVERIFY(tip.contains(status.setAsideReason));
}

void TestClassTexts::serverChildName_data() {
    QTest::addColumn<QString>("child");
    QTest::addColumn<QString>("sent");
    const QString hundred = QString(100, u'名');
    QTest::newRow("none") << QString() << "";
    QTest::newRow("short") << "たろう"
                           << "たろう";
    QTest::newRow("exactly the limit") << hundred << hundred;
    QTest::newRow("longer") << hundred + "の続き" << hundred;
    // 😀 is two UTF-16 units but one character to the server, and never cut in half.
    const QString faces = QString(99, u'a') + QStringLiteral("😀😀");
    QTest::newRow("surrogate pairs") << faces << QString(99, u'a') + QStringLiteral("😀");
}

void TestClassTexts::serverChildName() {
    QFETCH(QString, child);
    QTEST(ServerChildName(child), "sent");
    QVERIFY(!ServerChildName(child).isNull()); // '' for the nameless child, never NULL
}

void TestClassTexts::unseenComputers_data() {
    const QDateTime now(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);
    QTest::addColumn<QList<ClassComputer>>("computers");
    QTest::addColumn<QStringList>("says");
    QTest::addColumn<QStringList>("absent");
    const ClassComputer today{"PC-01", "pc_01", now.addSecs(-3600), 5};
    const ClassComputer lastWeek{"PC-07", "pc_07", QDateTime(QDate(2026, 12, 1), QTime(1, 31), Qt::UTC), 3};
    const ClassComputer never{"PC-12", "pc_12", {}, 0};
    const ClassComputer justADay{"PC-02", "pc_02", now.addSecs(-24 * 3600), 1};
    QTest::newRow("all fine") << QList<ClassComputer>{today, justADay} << QStringList{} << QStringList{};
    QTest::newRow("one stale, one never")
        << QList<ClassComputer>{today, lastWeek, never}
        << QStringList{"つながっていないパソコン: PC-07（最後 " +
                       lastWeek.lastSeen.toLocalTime().toString("MM/dd HH:mm") + "）、PC-12（まだ一度も）"}
        << QStringList{"PC-01"};
    QList<ClassComputer> many;
    for (int i = 0; i < 45; ++i)
        many << ClassComputer{QString("PC-%1").arg(i, 2, 10, QChar('0')), "pc", {}, 0};
    QTest::newRow("a flood of rows") << many << QStringList{"PC-00", "PC-39", "ほか 5 台"}
                                     << QStringList{"PC-40"};
}

void TestClassTexts::unseenComputers() {
    QFETCH(QList<ClassComputer>, computers);
    QFETCH(QStringList, says);
    QFETCH(QStringList, absent);
    const QString text = UnseenComputersText(computers, QDateTime(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC));
    QCOMPARE(text.isEmpty(), says.isEmpty());
    for (const QString& part : says)
        QVERIFY2(text.contains(part), qPrintable(text));
    for (const QString& part : absent)
        QVERIFY2(!text.contains(part), qPrintable(text));
}

void TestClassTexts::refusedLogin_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("login");
    QTest::newRow("password") << "FATAL:  password authentication failed for user \"pc_3_2_07\""
                              << "pc_3_2_07";
    QTest::newRow("no login") << "FATAL:  role \"pc_3_2_07\" is not permitted to log in"
                              << "pc_3_2_07";
    QTest::newRow("limit") << "FATAL:  too many connections for role \"pc_3_2_07\""
                           << "pc_3_2_07";
    QTest::newRow("pg_hba, the host first")
        << "FATAL:  no pg_hba.conf entry for host \"10.1.2.3\", user \"pc_3_2_07\", database \"vantel\""
        << "pc_3_2_07";
    QTest::newRow("password, in Japanese") << "FATAL:  ユーザー\"teacher_3_2\"のパスワード認証に失敗しました"
                                           << "teacher_3_2";
    QTest::newRow("no login, in Japanese") << "FATAL:  ロール\"pc_3_2_07\"はログインが許可されません"
                                           << "pc_3_2_07";
    QTest::newRow("read-only: none named")
        << "ERROR:  cannot execute INSERT in a read-only transaction" << QString();
}

void TestClassTexts::refusedLogin() {
    QFETCH(QString, message);
    QFETCH(QString, login);
    QCOMPARE(RefusedLogin(message), login);
}

void TestClassTexts::namesInTooltipsAreText_data() {
    QTest::addColumn<QString>("child");
    QTest::newRow("markup") << "<b>たろう</b>";
    QTest::newRow("image") << "<img src=\"http://example.com/x.png\">";
    QTest::newRow("entity") << "A&amp;B";
    QTest::newRow("plain") << "はな";
}

void TestClassTexts::namesInTooltipsAreText() {
    QFETCH(QString, child);
    ClassTableModel model;
    model.SetRows({ClassSummaryRow{child, DrillKind::Addition, 1, 1000, 1000, {}, 1, std::nullopt}});
    const QString tip = model.index(0, 0).data(Qt::ToolTipRole).toString();
    // Shown as Qt shows a tooltip: the name exactly as typed.
    QTextDocument shown;
    if (Qt::mightBeRichText(tip))
        shown.setHtml(tip);
    else
        shown.setPlainText(tip);
    QCOMPARE(shown.toPlainText(), child);
}

QTEST_GUILESS_MAIN(TestClassTexts)
#include "tst_classtexts.moc"
