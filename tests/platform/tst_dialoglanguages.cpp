// The windows, dialogs, error messages and printed words outside the main
// window speak through the catalogue: under a pseudo-translation that brackets
// every text it serves, the help window, the printer set-up, the print
// progress and the N-sheets dialog show no text unbracketed and none clipped,
// errors of the printer, the history and the grid files come bracketed, and a
// numbered sheet prints its words bracketed. Without it every text is back.
#include "app/NumberedSheetsDialog.h"
#include "core/VantelError.h"
#include "gridio/StrGrdIO.h"
#include "platform/help/HelpFiles.h"
#include "platform/help/HelpWindow.h"
#include "platform/print/PrinterQt.h"
#include "platform/print/PrinterSetupDialog.h"
#include "print/NumberedSheets.h"
#include "print/PrintProgressDialog.h"
#include "print/WorksheetPrint.h"
#include "progress/SqliteHistory.h"

#include "tests/support/BracketTranslator.h"
#include "tests/support/FakeServices.h"
#include "tests/support/FakeSpreadsheet.h"
#include "tests/support/PdfPanelJob.h"
#include "tests/support/PdfText.h"
#include "tests/support/SampleAttempts.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TextFit.h"
#include "tests/support/WorksheetGrids.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <functional>
#include <memory>

namespace {
// Every text of ours a window shows or speaks, in a fixed order: the title,
// then per control its caption, tool tip and accessible name. Combo box items
// may be data (printer names, paper names from Qt): the caller adds its own.
QStringList ShownTexts(QWidget* root) {
    QStringList texts{root->windowTitle()};
    for (QWidget* control : root->findChildren<QWidget*>()) {
        // Qt's own parts, and the tab bar's scroll buttons, which Qt names.
        if (control->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<QTabBar*>(control->parentWidget()))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            texts << label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(control))
            texts << box->title();
        else if (auto* field = qobject_cast<QLineEdit*>(control))
            texts << field->placeholderText();
        else if (auto* spin = qobject_cast<QSpinBox*>(control))
            texts << spin->prefix() << spin->suffix();
        else if (auto* tabs = qobject_cast<QTabWidget*>(control))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        texts << control->toolTip() << control->accessibleName();
    }
    texts.removeAll(QString());
    return texts;
}

QStringList Unbracketed(const QStringList& texts) {
    QStringList plain;
    for (const QString& text : texts)
        if (!BracketTranslator::Bracketed(text))
            plain << text;
    return plain;
}

// The message of the VantelError the call raises; empty when it raises none.
QString ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const VantelError& error) {
        return error.Message();
    }
    return {};
}

QString HelpCollection() {
    QDir folder(QCoreApplication::applicationDirPath());
    for (int up = 0; up < 4 && !folder.exists(kHelpCollectionName); ++up)
        folder.cdUp();
    return folder.exists(kHelpCollectionName) ? folder.filePath(kHelpCollectionName) : QString();
}

// ClippedTexts, less the labels that only seem too narrow: a label with a
// buddy shows its "&" as an underline, and needs no room for it.
QStringList Clipped(QWidget* root) {
    QStringList clipped = ClippedTexts(root);
    for (QLabel* label : root->findChildren<QLabel*>()) {
        const QString shown = textfit::Shown(label->text());
        if (label->buddy() && shown != label->text() &&
            label->fontMetrics().horizontalAdvance(shown) <= label->contentsRect().width())
            clipped.removeIf([&](const QString& entry) {
                return entry.startsWith(textfit::Name(label) + QStringLiteral(" \"") + label->text() + u'"');
            });
    }
    return clipped;
}

// Lays a window out as it will be shown, so the room of each control is known.
void ShowLaidOut(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

PrinterChoice PdfChoiceIn(const QTemporaryDir& folder) {
    PrinterChoice choice;
    choice.pdfBase = folder.filePath(QStringLiteral("sheet.pdf"));
    return choice;
}

QStringList SetupDialogTexts(const QTemporaryDir& folder) {
    PrinterSetupDialog dialog(PdfChoiceIn(folder), {QStringLiteral("Office")});
    // The printer's own name is data; the PDF file is the last item, and ours.
    return ShownTexts(&dialog) << dialog.PrinterBox->itemText(dialog.PrinterBox->count() - 1);
}

QStringList NumberedDialogTexts() {
    NumberedSheetsDialog dialog(DrillKind::Kuku);
    QStringList texts = ShownTexts(&dialog);
    for (int i = 0; i < dialog.DrillBox->count(); ++i)
        texts << dialog.DrillBox->itemText(i);
    return texts;
}

// The dialog in both of its states, preparing and then printing.
QStringList ProgressDialogTexts() {
    PrintProgressDialog dialog;
    const PrintRunProgress progress = dialog.Progress();
    progress.Prepared(1, 3);
    QStringList texts = ShownTexts(&dialog);
    progress.Printed(1, 6);
    return texts << ShownTexts(&dialog);
}

// The page's words with the spaces pdftotext puts between them taken out, and
// the full-width space of the source with them.
QString PageWords(const QString& pdf, int page) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return PdfPageText(pdf, page).remove(space);
}
} // namespace

class TestDialogLanguages : public QObject {
    Q_OBJECT

    BracketTranslator brackets_;

    struct Bracketing {
        // The windows hear of the change through posted events.
        explicit Bracketing(BracketTranslator& translator) : translator_(translator) {
            QCoreApplication::installTranslator(&translator_);
            QCoreApplication::sendPostedEvents();
        }
        ~Bracketing() {
            QCoreApplication::removeTranslator(&translator_);
            QCoreApplication::sendPostedEvents();
        }
        BracketTranslator& translator_;
    };

private slots:
    void helpWindowFollowsTheLanguageWhileOpen() {
        const QString collection = HelpCollection();
        if (collection.isEmpty())
            QFAIL("Vantel.qhc was not built: build the vantel_help target first");
        HelpWindow window(collection);
        ShowLaidOut(window);
        const QStringList before = ShownTexts(&window);
        QVERIFY(before.contains(QStringLiteral("キーワード")));
        {
            Bracketing on(brackets_);
            const QStringList bracketed = ShownTexts(&window);
            QCOMPARE(bracketed.size(), before.size());
            QVERIFY2(Unbracketed(bracketed).isEmpty(), qPrintable(Unbracketed(bracketed).join(u'|')));
            // The layout takes the longer texts in once its posted requests are through.
            QTRY_VERIFY2(Clipped(&window).isEmpty(), qPrintable(Clipped(&window).join(u'\n')));
            window.ShowKeywordSearch();
            QTRY_VERIFY2(Clipped(&window).isEmpty(), qPrintable(Clipped(&window).join(u'\n')));
        }
        QCOMPARE(ShownTexts(&window), before);
    }

    void dialogsMadeWhenNeededSpeakTheLanguage_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QString>("expected");
        QTest::newRow("printer set-up") << 0 << QStringLiteral("印刷の向き:");
        QTest::newRow("N sheets") << 1 << QStringLiteral("枚数(&N)");
        QTest::newRow("print progress") << 2 << QStringLiteral("印刷しています（1 / 6 ページ）");
    }
    void dialogsMadeWhenNeededSpeakTheLanguage() {
        QFETCH(int, dialog);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        const std::function<QStringList()> texts = std::array<std::function<QStringList()>, 3>{
            [&folder] { return SetupDialogTexts(folder); }, NumberedDialogTexts, ProgressDialogTexts}[dialog];
        const QStringList before = texts();
        QVERIFY2(before.contains(expected), qPrintable(before.join(u'|')));
        {
            Bracketing on(brackets_);
            const QStringList bracketed = texts();
            QCOMPARE(bracketed.size(), before.size());
            QVERIFY2(Unbracketed(bracketed).isEmpty(), qPrintable(Unbracketed(bracketed).join(u'|')));
        }
        QCOMPARE(texts(), before);
    }

    void bracketedDialogsFitTheirTexts() {
        Bracketing on(brackets_);
        QTemporaryDir folder;
        PrinterSetupDialog setup(PdfChoiceIn(folder), {QStringLiteral("Office")});
        NumberedSheetsDialog sheets(DrillKind::Multiplication);
        PrintProgressDialog progress;
        progress.Progress().Prepared(12, 20);
        for (QWidget* dialog : std::initializer_list<QWidget*>{&setup, &sheets, &progress}) {
            ShowLaidOut(*dialog);
            const QStringList clipped = Clipped(dialog);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
        }
    }

    // One or two representative messages per file: each goes through the catalogue.
    void errorMessagesSpeakTheLanguage() {
        Bracketing on(brackets_);
        QtPrinter printer;
        QVERIFY(BracketTranslator::Bracketed(ErrorOf([&] { printer.EndDoc(); })));

        FakeSpreadsheet spreadsheet;
        TStringGridIO io(spreadsheet);
        auto grid = MakeNamePanel();
        io.SetTargetGrid(grid.get());
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("none.csv"));
        const QString loadError = ErrorOf([&] { io.LoadFromText(missing, u',', true); });
        QVERIFY2(BracketTranslator::Bracketed(loadError) && loadError.contains(missing),
                 qPrintable(loadError));
        const QString saveError = ErrorOf(
            [&] { io.SaveToText(folder.filePath(QStringLiteral("no/such/folder.csv")), u',', true); });
        QVERIFY2(BracketTranslator::Bracketed(saveError), qPrintable(saveError));

        const QString helpError = ErrorOf([&] { FindHelpCollection({folder.path()}); });
        QVERIFY2(BracketTranslator::Bracketed(helpError) && helpError.contains(folder.path()),
                 qPrintable(helpError));
    }

    void historyToldInTheLanguage() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("history.sqlite"));
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray("not a database\n").repeated(400));
        damaged.close();

        Bracketing on(brackets_);
        FakeMessageBoxes messages;
        SqliteHistory history(path, messages);
        QVERIFY(history.Record(SampleAttempt("a", DrillKind::Addition, QDateTime::currentDateTime(), 1000)));
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY2(BracketTranslator::Bracketed(messages.errors[0]), qPrintable(messages.errors[0]));
        QVERIFY(messages.errors[0].contains(QStringLiteral("damaged")));
    }

    void numberedSheetPrintsItsWordsInTheLanguage() {
        if (!HavePdfToText())
            QSKIP("pdftotext is not installed");
        PdfPanelJob job(QStringLiteral("sheets.pdf"));
        auto layout = MakeAdditionSheet();
        ScriptedRandom random;
        {
            Bracketing on(brackets_);
            QVERIFY(PrintNumberedSheets(job.pdf, job.namePrinter, *layout, DrillKind::Addition, 1, random));
        }
        const QString pdf = job.pdf.LastOutputFile();
        QCOMPARE(PdfPageCount(pdf), 2);
        const QString notice = u'[' + QString(kWorksheetNotice).remove(u' ') + u']';
        const QString sheet = PageWords(pdf, 1);
        QVERIFY2(sheet.contains(QStringLiteral("[No.1]")), qPrintable(sheet));
        QVERIFY2(sheet.contains(notice), qPrintable(sheet));
        const QString key = PageWords(pdf, 2);
        QVERIFY2(key.contains(QStringLiteral("[No.1こたえ]")), qPrintable(key));
        QVERIFY2(key.contains(notice), qPrintable(key));
        // The words the teacher wrote in the name panel are hers, not ours.
        QVERIFY(sheet.contains(QStringLiteral("なまえ")) && !sheet.contains(QStringLiteral("[なまえ]")));
    }
};

QTEST_MAIN(TestDialogLanguages)
#include "tst_dialoglanguages.moc"
