// The rules of the delimited text format: numbers, quoting, records, splitting.
#include "gridio/DelimitedText.h"

#include <QTest>

using namespace DelimitedText;

class TestDelimitedText : public QObject {
    Q_OBJECT
private slots:
    void numeric_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("numeric");
        const QList<QPair<const char*, bool>> cases = {
            {"12", true},    {" 3", true},    {"   -3", true}, {"+1.5", true}, {".", true},
            {"3.", true},    {".5", true},    {"1e5", true},   {"e5", true},   {"E-5", true},
            {"1.e+7", true}, {"-.", true},    {"", false},     {"   ", false}, {"+", false},
            {"-", false},    {"1e", false},   {"1e+", false},  {"3 ", false},  {"1 2", false},
            {"1..2", false}, {"1e5.", false}, {"+-1", false},  {"\t3", false}, {"たし", false},
            {"１２", false}, {"1,5", false},
        };
        for (const auto& [value, numeric] : cases)
            QTest::newRow(QByteArray("'") + value + "'") << QString::fromUtf8(value) << numeric;
    }
    void numeric() {
        QFETCH(QString, value);
        QFETCH(bool, numeric);
        QCOMPARE(IsNumeric(value), numeric);
    }

    void quotedForm_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("form");
        QTest::newRow("number bare") << "1e5"
                                     << "1e5";
        QTest::newRow("text quoted") << "たしざん"
                                     << "\"たしざん\"";
        QTest::newRow("empty") << ""
                               << "\"\"";
        QTest::newRow("inner quote doubled") << "a\"b"
                                             << "\"a\"\"b\"";
        QTest::newRow("delimiter kept inside") << "a,b"
                                               << "\"a,b\"";
        QTest::newRow("only a quote") << "\""
                                      << "\"\"\"\"";
    }
    void quotedForm() {
        QFETCH(QString, value);
        QFETCH(QString, form);
        QCOMPARE(QuotedForm(value, u',', true), form);
        QCOMPARE(QuotedForm(value, u',', false), value);
    }

    void records_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("quoting");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("empty text") << "" << false << QStringList();
        QTest::newRow("mixed, last without end") << "a\r\rb\nc" << false << QStringList{"a", "", "b", "c"};
        QTest::newRow("one line break") << "\r\n" << false << QStringList{""};
        QTest::newRow("LF CR is two breaks") << "a\n\rb" << false << QStringList{"a", "", "b"};
        QTest::newRow("quotes ignored when off") << "\"a\r\nb\"" << false << QStringList{"\"a", "b\""};
        QTest::newRow("break inside quoted value")
            << "\"a\r\nb\",c\r\nd" << true << QStringList{"\"a\r\nb\",c", "d"};
        QTest::newRow("unclosed quote ends at the line") << "\"a\r\nb" << true << QStringList{"\"a", "b"};
        QTest::newRow("stray quote ends at the line")
            << "\"a\"x\r\nb\"" << true << QStringList{"\"a\"x", "b\""};
    }
    void records() {
        QFETCH(QString, text);
        QFETCH(bool, quoting);
        QFETCH(QStringList, records);
        QCOMPARE(SplitRecords(text, u',', quoting), records);
    }

    void splitQuoted_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("delimiters");
        QTest::newRow("plain file reads as before")
            << "\"one\",2,\"three\"" << QStringList{"one", "2", "", "three"} << 2;
        QTest::newRow("two quotes become empty") << "\"\",x,y,z" << QStringList{"", "x", "y", "z"} << 3;
        QTest::newRow("single quote stays") << "\",x,y,z" << QStringList{"\"", "x", "y", "z"} << 3;
        QTest::newRow("opening quote only stays") << "\"ab,x,y,z" << QStringList{"\"ab", "x", "y", "z"} << 3;
        QTest::newRow("delimiter inside a quoted value")
            << "\"a,b\",c,d,e" << QStringList{"a,b", "c", "d", "e"} << 3;
        QTest::newRow("doubled quote becomes one")
            << "\"say \"\"hi\"\"\",c,d,e" << QStringList{"say \"hi\"", "c", "d", "e"} << 3;
        QTest::newRow("undoubled inner quotes: outer pair dropped")
            << "\"say \"hi\"\",c,d,e" << QStringList{"say \"hi\"", "c", "d", "e"} << 3;
        QTest::newRow("quoted value goes last") << "\"a,b\"" << QStringList{"", "", "", "a,b"} << 0;
        QTest::newRow("too many: rest goes last, outer quotes dropped")
            << "1,2,3,\"x\",\"y\"" << QStringList{"1", "2", "3", "x\",\"y"} << 4;
    }
    void splitQuoted() {
        QFETCH(QString, record);
        QFETCH(QStringList, cells);
        QFETCH(int, delimiters);
        QCOMPARE(SplitRecord(record, u',', 4, true), cells);
        QCOMPARE(DelimiterCount(record, u',', true), delimiters);
    }

    void unquote_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        QTest::newRow("two quotes") << "\"\""
                                    << "";
        QTest::newRow("one quote") << "\""
                                   << "\"";
        QTest::newRow("begins only") << "\"ab"
                                     << "\"ab";
        QTest::newRow("ends only") << "ab\""
                                   << "ab\"";
        QTest::newRow("doubled") << "\"a\"\"b\""
                                 << "a\"b";
        QTest::newRow("four quotes") << "\"\"\"\""
                                     << "\"";
        QTest::newRow("three quotes") << "\"\"\""
                                      << "\"";
    }
    void unquote() {
        QFETCH(QString, value);
        QFETCH(QString, stored);
        QCOMPARE(Unquote(value), stored);
    }

    // Whatever a row holds, writing it with quoting and reading it back gives it again.
    void quotedRowRoundTrip() {
        const QStringList row{"",   "\"", "\"\"", "a,b", "\"a\",\"b\"", "x\r\ny",
                              "\r", ",",  " 3",   "3 ",  "e5",          "\t"};
        for (QChar delimiter : {QChar(u','), QChar(u'\t')}) {
            const QString text =
                JoinLine(row, delimiter, true) + "\r\n" + JoinLine(row, delimiter, true) + "\r\n";
            const QStringList records = SplitRecords(text, delimiter, true);
            QCOMPARE(records.size(), 2);
            for (const QString& record : records) {
                QCOMPARE(DelimiterCount(record, delimiter, true), row.size() - 1);
                QCOMPARE(SplitRecord(record, delimiter, int(row.size()), true), row);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestDelimitedText)
#include "tst_delimitedtext.moc"
