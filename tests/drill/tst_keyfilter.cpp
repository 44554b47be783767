#include "drill/KeyFilter.h"

#include <QTest>

Q_DECLARE_METATYPE(AnswerKeyAction)

class TestKeyFilter : public QObject {
    Q_OBJECT
private slots:
    void characters_data() {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("lastCell");
        QTest::addColumn<AnswerKeyAction>("action");
        for (char digit = '0'; digit <= '9'; ++digit)
            QTest::addRow("digit %c", digit) << QChar(digit) << false << AnswerKeyAction::Accept;
        QTest::newRow("full stop") << QChar('.') << false << AnswerKeyAction::Accept;
        QTest::newRow("backspace") << QChar('\b') << false << AnswerKeyAction::Accept;
        QTest::newRow("letter") << QChar('a') << false << AnswerKeyAction::Swallow;
        QTest::newRow("minus sign") << QChar('-') << false << AnswerKeyAction::Swallow;
        QTest::newRow("space") << QChar(' ') << false << AnswerKeyAction::Swallow;
        QTest::newRow("comma") << QChar(',') << false << AnswerKeyAction::Swallow;
        QTest::newRow("full-width digit") << QChar(0xFF11) << false << AnswerKeyAction::Swallow;
        QTest::newRow("Ctrl+V") << QChar(0x16) << false << AnswerKeyAction::Swallow;
        QTest::newRow("escape") << QChar(0x1B) << false << AnswerKeyAction::Swallow;
        QTest::newRow("Enter walks on") << QChar('\r') << false << AnswerKeyAction::NextCell;
        QTest::newRow("Enter on the last cell") << QChar('\r') << true << AnswerKeyAction::FocusStop;
        QTest::newRow("digit on the last cell") << QChar('7') << true << AnswerKeyAction::Accept;
    }
    void characters() {
        QFETCH(QChar, key);
        QFETCH(bool, lastCell);
        QFETCH(AnswerKeyAction, action);
        QCOMPARE(FilterAnswerKey(key, lastCell), action);
    }
};

QTEST_APPLESS_MAIN(TestKeyFilter)
#include "tst_keyfilter.moc"
