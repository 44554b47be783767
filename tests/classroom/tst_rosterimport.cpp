// Reading a class list from the files teachers have: typed lists, CSV from a
// spreadsheet in UTF-8 or code page 932, and files that are no list at all.
#include "classroom/RosterImport.h"

#include "core/Cp932.h"

#include <QTest>

class TestRosterImport : public QObject {
    Q_OBJECT
private slots:
    void plainListsInEitherEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("山田 太郎\r\n\r\n  佐藤 花子　\r\n\r\n髙橋 一郎\r\n");
        QTest::newRow("UTF-8") << text.toUtf8();
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        QTest::newRow("code page 932") << ToCp932(text);
        QTest::newRow("LF only, no last line end")
            << QStringLiteral("山田 太郎\n佐藤 花子\n\n髙橋 一郎").toUtf8();
    }
    void plainListsInEitherEncoding() {
        QFETCH(QByteArray, bytes);
        const RosterImport read = ReadRoster(bytes);
        QCOMPARE(read.names, (QStringList{"山田 太郎", "佐藤 花子", "髙橋 一郎"}));
        QCOMPARE(read.problems, QStringList());
    }

    void codePage932IsToldFromUtf8() {
        // Bytes that are valid UTF-8 are read as UTF-8 even when they might be code page 932.
        QCOMPARE(DecodeRosterText(QStringLiteral("あいう").toUtf8()), QStringLiteral("あいう"));
        QCOMPARE(DecodeRosterText(ToCp932(QStringLiteral("渡辺　ソラ"))), QStringLiteral("渡辺　ソラ"));
        QCOMPARE(DecodeRosterText("\xEF\xBB\xBF"
                                  "abc"),
                 QStringLiteral("abc"));
    }

    void csvColumnIsChosenByItsHeader_data() {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("名前 in the second column")
            << "番号,名前,ふりがな\r\n1,あおい,アオイ\r\n2,いつき,イツキ\r\n"
            << QStringList{"あおい", "いつき"};
        QTest::newRow("氏名") << "氏名,出席番号\n山田,1\n" << QStringList{"山田"};
        QTest::newRow("なまえ after blank lines") << "\n\n番号,なまえ\n1,うた\n" << QStringList{"うた"};
        QTest::newRow("Name in any case") << "No,NAME\n1,Ken\n2,Mia\n" << QStringList{"Ken", "Mia"};
        QTest::newRow("no header: the first column") << "えいた,1\nおと,2\n" << QStringList{"えいた", "おと"};
        QTest::newRow("short rows skip") << "番号,名前\n1\n2,かい\n" << QStringList{"かい"};
    }
    void csvColumnIsChosenByItsHeader() {
        QFETCH(QString, csv);
        QFETCH(QStringList, names);
        QCOMPARE(ReadRoster(csv.toUtf8()).names, names);
    }

    void quotedFieldsKeepQuotesCommasAndBreaks() {
        const QList<CsvRecord> records =
            ParseCsv(QStringLiteral("名前,メモ\r\n\"O'Neil, \"\"Bo\"\"\",x\r\n\"二\n行\",y\r\nlast"));
        QCOMPARE(records.size(), 4);
        QCOMPARE(records[1].fields, (QStringList{"O'Neil, \"Bo\"", "x"}));
        QCOMPARE(records[2].fields, (QStringList{"二\n行", "y"}));
        QCOMPARE(records[3].line, 5); // the quoted line break counts
        QCOMPARE(ParseCsv(",\n").first().fields, (QStringList{"", ""}));
        const RosterImport read = ReadRoster("名前\r\n\"O'Neil, \"\"Bo\"\"\"\r\n\"  ゆい  \"\r\n");
        QCOMPARE(read.names, (QStringList{"O'Neil, \"Bo\"", "ゆい"}));
    }

    void whatIsSkippedIsToldByLine() {
        const QString longName(kRosterNameMaxLength + 1, u'あ');
        const QString text =
            QStringLiteral("ゆい\nはると\nゆい\n\n%1\n%2\nそら\n").arg(longName, QStringLiteral("ベル\x07"));
        const RosterImport read = ReadRoster(text.toUtf8());
        QCOMPARE(read.names, (QStringList{"ゆい", "はると", "そら"}));
        QCOMPARE(read.problems.size(), 3);
        QVERIFY2(read.problems[0].startsWith("3 行目: ") && read.problems[0].contains("ゆい"),
                 qPrintable(read.problems[0]));
        QVERIFY2(read.problems[1].startsWith("5 行目: 名前が長すぎます（100 文字まで）"),
                 qPrintable(read.problems[1]));
        QVERIFY(read.problems[1].size() < 60); // the name is cut short in the message
        QVERIFY(read.problems[2].startsWith("6 行目: "));
        // Exactly the longest a name may be is kept.
        QCOMPARE(ReadRoster(QString(kRosterNameMaxLength, u'い').toUtf8()).names.size(), 1);
    }

    void filesThatAreNoListAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << QByteArray() << "名前が見つかりませんでした。";
        QTest::newRow("only blank lines") << QByteArray("\r\n \r\n,,\r\n") << "名前が見つかりませんでした。";
        QTest::newRow("only a header") << QByteArray("名前\r\n") << "名前が見つかりませんでした。";
        QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("a picture") << png << "文字のファイルではないため、読み込みませんでした。";
        QByteArray noise;
        for (int i = 0; i < 4096; ++i)
            noise += char((i * 7919 + 13) % 256 == 0 ? 1 : (i * 7919 + 13) % 256);
        QTest::newRow("noise without NUL") << noise << "文字のファイルではないため、読み込みませんでした。";
        QTest::newRow("too big")
            << QByteArray(kRosterMaxBytes + 1, 'a')
            << "ファイルが大きすぎます（名簿は 1024 KB までです）。読み込みませんでした。";
    }
    void filesThatAreNoListAreRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const RosterImport read = ReadRoster(bytes);
        QCOMPARE(read.names, QStringList());
        QCOMPARE(read.problems, QStringList{problem});
    }

    void aHugeListIsBounded() {
        // Just under the size bound: every line a name, far more than a class.
        QByteArray bytes;
        for (int i = 0; bytes.size() < kRosterMaxBytes - 20; ++i)
            bytes += "child" + QByteArray::number(i) + "\n";
        QElapsedTimer timer;
        timer.start();
        const RosterImport read = ReadRoster(bytes);
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(read.names.size(), kRosterMaxNames);
        QCOMPARE(read.names.last(), QStringLiteral("child%1").arg(kRosterMaxNames - 1));
        QCOMPARE(read.problems.size(), 1);
        QVERIFY2(read.problems[0].startsWith(QStringLiteral("%1 人を超えた ").arg(kRosterMaxNames)),
                 qPrintable(read.problems[0]));

        // Many bad lines: the message stays readable.
        QByteArray dupes;
        for (int i = 0; i < 500; ++i)
            dupes += "同じ\n";
        const RosterImport same = ReadRoster(dupes);
        QCOMPARE(same.names, QStringList{"同じ"});
        QCOMPARE(same.problems.size(), 31);
        QCOMPARE(same.problems.last(), QStringLiteral("ほか 469 件"));
    }
};

QTEST_GUILESS_MAIN(TestRosterImport)
#include "tst_rosterimport.moc"
