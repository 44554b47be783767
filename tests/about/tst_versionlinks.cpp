// The About box's links as the desktop receives them: UTF-8, percent-encoded,
// read back by a mail program as the subject and the three body lines.
#include "about/VersionLinks.h"
#include "platform/desktop/DesktopLinks.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

class TestVersionLinks : public QObject {
    Q_OBJECT
private slots:
    void mailProgramReadsSubjectAndBody_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("picture author")
            << PictureAuthorMailLink() << kPictureAuthorMail << "「バージョン情報の画像は、如何ですか」";
        QTest::newRow("producer") << ProducerMailLink() << kProducerMail
                                  << "「Vantel の使い心地は、如何ですか」";
    }
    void mailProgramReadsSubjectAndBody() {
        QFETCH(QString, link);
        QFETCH(QString, address);
        QFETCH(QString, firstLine);
        const QByteArray encoded = EncodeLink(link);
        for (const char c : encoded)
            QVERIFY2(c > 0x20 && c < 0x7F, encoded.constData());
        const QUrl url = QUrl::fromEncoded(encoded, QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(url.scheme(), QString("mailto"));
        QCOMPARE(url.path(), address);
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded), QString("Vantelのバージョン情報から"));
        QCOMPARE(query.queryItemValue("body", QUrl::FullyDecoded),
                 firstLine + "\r\n「貴方の一言が私の勇気となります。」\r\n\u3000");
    }

    void encodingKeepsWhatIsAlreadyEscaped_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("web address unchanged")
            << MakerWebPageLink() << QByteArray("https://www.vantel.example/");
        QTest::newRow("escapes pass") << "a?b=c%0D%0A&d" << QByteArray("a?b=c%0D%0A&d");
        QTest::newRow("space and ideographic space") << "a b\u3000" << QByteArray("a%20b%E3%80%80");
        QTest::newRow("unsafe ascii") << "<\"|>" << QByteArray("%3C%22%7C%3E");
    }
    void encodingKeepsWhatIsAlreadyEscaped() {
        QFETCH(QString, link);
        QFETCH(QByteArray, encoded);
        QCOMPARE(EncodeLink(link), encoded);
    }
};

QTEST_APPLESS_MAIN(TestVersionLinks)
#include "tst_versionlinks.moc"
