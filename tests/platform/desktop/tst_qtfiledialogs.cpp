#include "platform/desktop/QtFileDialogs.h"
#include "platform/desktop/QtTranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
// Answers the dialog that comes up next: types name and presses its accept
// button. A warning Qt shows instead of accepting is recorded and closed,
// and the dialog is then cancelled.
struct TypedAnswer {
    explicit TypedAnswer(QString typed) : name(std::move(typed)) {}
    QString name;
    bool typed = false;
    bool warned = false;
    int tries = 0;
    QStringList labels; // the texts the dialog showed
    QTimer timer;       // stops with the answer

    void start() {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                    warned = true;
                    box->done(QMessageBox::Ok);
                    return;
                }
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (warned || tries == 50) {
                dialog->reject();
                return;
            }
            if (tries++ == 0) {
                for (QLabel* label : dialog->findChildren<QLabel*>())
                    labels << label->text();
                for (QAbstractButton* button :
                     dialog->findChildren<QDialogButtonBox*>().constFirst()->buttons())
                    labels << button->text();
            }
            typed = true;
            // Queued, so a warning Qt shows from accept does not block this
            // timer; again on the next tick if the dialog was still busy.
            QMetaObject::invokeMethod(
                dialog,
                [dialog, this] {
                    // Typed into the name field, as selectFile leaves a focused field alone.
                    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
                    static_cast<QDialog*>(dialog)->accept();
                },
                Qt::QueuedConnection);
        });
        timer.start(20);
    }
};

bool hasKana(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x3040 && c.unicode() <= 0x30FF)
            return true;
    return false;
}

// English words left in a caption, its mnemonic "(&N)" aside.
bool hasLatinWords(QString caption) {
    caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
    return caption.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}")));
}
} // namespace

class TestQtFileDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(InstallJapaneseQtTexts()); }

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

    // A typed name is returned as it stands, with no warning from Qt, whether
    // or not the file exists; the command that reads it reports a missing file.
    void typedNameIsTakenWithoutACheck_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("exists");
        QTest::newRow("open, missing file") << false << false;
        QTest::newRow("open, existing file") << false << true;
        QTest::newRow("save, missing file") << true << false;
        QTest::newRow("save, existing file, replaced without a question") << true << true;
    }
    void typedNameIsTakenWithoutACheck() {
        QFETCH(bool, save);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("名簿.txt"));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        TypedAnswer answer(path);
        answer.start();
        QtFileDialogs dialogs;
        const FileDialogOptions options{QStringLiteral("テキストファイル|*.txt|HTML|*.html"), QString(),
                                        QString()};
        const auto choice = save ? dialogs.SaveFile(options) : dialogs.OpenFile(options);
        QVERIFY(answer.typed);
        QVERIFY(!answer.warned);
        QVERIFY(choice.has_value());
        QCOMPARE(choice->path, path);
        QCOMPARE(choice->filterIndex, 1);
    }

    // Qt's own texts of the dialogs and message boxes are Japanese.
    void qtTextsAreJapanese() {
        TypedAnswer answer(QStringLiteral("/nonexistent/x.txt"));
        answer.start();
        QtFileDialogs dialogs;
        dialogs.OpenFile({QStringLiteral("テキストファイル|*.txt"), QString(), QString()});
        QVERIFY(answer.typed);
        // Look in, File name, Files of type, Open, Cancel.
        QStringList english;
        for (const QString& label : answer.labels)
            if (hasLatinWords(label))
                english << label;
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
        QVERIFY(answer.labels.size() >= 5);

        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vantel"), QStringLiteral("x"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(hasKana(box.button(QMessageBox::Cancel)->text()));
    }
};

QTEST_MAIN(TestQtFileDialogs)
#include "tst_qtfiledialogs.moc"
