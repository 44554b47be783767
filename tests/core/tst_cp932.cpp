#include "core/Cp932.h"

#include <QTest>

class TestCp932 : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "abc 123" << QByteArray("abc 123");
        QTest::newRow("backslash and tilde stay ascii") << "C:\\Apps\\~x" << QByteArray("C:\\Apps\\~x");
        QTest::newRow("kana and kanji")
            << "たしざん九九" << QByteArray("\x82\xbd\x82\xb5\x82\xb4\x82\xf1\x8b\xe3\x8b\xe3");
        QTest::newRow("full-width plus") << "＋" << QByteArray("\x81\x7b");
        QTest::newRow("wave dash of code page 932") << "～" << QByteArray("\x81\x60");
        QTest::newRow("empty") << "" << QByteArray();
    }
    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ToCp932(text), bytes);
        QCOMPARE(FromCp932(bytes), text);
    }

    void invalidBytesBecomeReplacementCharacters() {
        QCOMPARE(FromCp932(QByteArray("a\xff"
                                      "b")),
                 QString("a\uFFFD"
                         "b"));
        // A lead byte with nothing after it, at the very end.
        QCOMPARE(FromCp932(QByteArray("ab\x82")), QString("ab\uFFFD"));
    }

    void missingCharactersAreWrittenAsQuestionMarks() {
        QCOMPARE(ToCp932(QString("a😀b")), QByteArray("a?b"));
    }
};

QTEST_APPLESS_MAIN(TestCp932)
#include "tst_cp932.moc"
