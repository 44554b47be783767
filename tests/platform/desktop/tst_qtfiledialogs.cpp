#include "platform/desktop/QtFileDialogs.h"

#include <QTest>

class TestQtFileDialogs : public QObject {
    Q_OBJECT
private slots:
    void filtersOfTheLayout_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one entry, patterns in both cases")
            << "音声ファイル( *.wav )|*.wav" << QStringList{"音声ファイル( *.wav ) (*.wav *.WAV)"};
        QTest::newRow("two entries") << "テキストファイル|*.txt|HTML|*.html"
                                     << QStringList{"テキストファイル (*.txt *.TXT)", "HTML (*.html *.HTML)"};
        QTest::newRow("pictures")
            << "画像ファイル (*.jpg;*.JPEG;*.JFIF)|*.jpg;*.JPEG;*.JFIF"
            << QStringList{"画像ファイル (*.jpg;*.JPEG;*.JFIF) (*.jpg *.JPG *.jpeg *.JPEG *.jfif *.JFIF)"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void filtersOfTheLayout() {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(QtNameFilters(filter), expected);
    }
};

QTEST_APPLESS_MAIN(TestQtFileDialogs)
#include "tst_qtfiledialogs.moc"
