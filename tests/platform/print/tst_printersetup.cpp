// The printer setup dialog: it shows the choice in force, gives back what the
// user set, and only OK changes the printer.
#include "platform/print/PrinterQt.h"
#include "platform/print/PrinterSetupDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
const QStringList kPrinters{"Office", "Lab"};

PrinterChoice b5LandscapePdf(const QString& folder) {
    PrinterChoice choice;
    choice.pdfBase = QDir(folder).filePath(QStringLiteral("sheet.pdf"));
    choice.pageSize = QPageSize(QPageSize::B5);
    choice.orientation = QPageLayout::Landscape;
    return choice;
}

// Runs the dialog the setup shows, as a user would: change it, then OK or Cancel.
bool runSetup(QtPrinter& printer, bool ok) {
    QtPrinterSetup setup(printer);
    QTimer::singleShot(0, [ok] {
        auto* dialog = qobject_cast<PrinterSetupDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->PortraitButton->setChecked(true);
        dialog->PaperBox->setCurrentIndex(dialog->PaperBox->findText(QPageSize(QPageSize::A3).name()));
        ok ? dialog->accept() : dialog->reject();
    });
    return setup.ShowPrinterSetup();
}
} // namespace

class TestPrinterSetup : public QObject {
    Q_OBJECT
private slots:
    void showsTheChoiceInForce() {
        QTemporaryDir folder;
        const PrinterChoice choice = b5LandscapePdf(folder.path());
        PrinterSetupDialog dialog(choice, kPrinters);
        QCOMPARE(dialog.PrinterBox->count(), 3);
        QCOMPARE(dialog.PrinterBox->currentText(), QStringLiteral("PDF ファイル"));
        QVERIFY(dialog.FileEdit->isEnabled());
        QVERIFY(dialog.NextFileLabel->text().contains(QStringLiteral("sheet-1.pdf")));
        QVERIFY(dialog.LandscapeButton->isChecked());
        const PrinterChoice shown = dialog.Choice();
        QVERIFY(shown.ToPdf());
        QCOMPARE(shown.pdfBase, choice.pdfBase);
        QCOMPARE(shown.pageSize.id(), QPageSize::B5);
        QCOMPARE(shown.orientation, QPageLayout::Landscape);
    }

    void choosingAPrinter() {
        QTemporaryDir folder;
        PrinterSetupDialog dialog(b5LandscapePdf(folder.path()), kPrinters);
        dialog.PrinterBox->setCurrentIndex(1);
        QVERIFY(!dialog.FileEdit->isEnabled());
        QVERIFY(!dialog.BrowseButton->isEnabled());
        const PrinterChoice chosen = dialog.Choice();
        QCOMPARE(chosen.printerName, QStringLiteral("Lab"));
        QCOMPARE(chosen.pageSize.id(), QPageSize::B5); // the paper stays when the printer offers it
    }

    void printerThatHasGoneFallsBackToPdf() {
        QTemporaryDir folder;
        PrinterChoice choice = b5LandscapePdf(folder.path());
        choice.printerName = QStringLiteral("Gone");
        PrinterSetupDialog dialog(choice, kPrinters);
        QVERIFY(dialog.Choice().ToPdf());
    }

    void fileNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("base");
        QTest::newRow("empty gives the default") << "" << DefaultPdfBase();
        QTest::newRow("suffix added") << "/tmp/プリント"
                                      << "/tmp/プリント.pdf";
        QTest::newRow("spaces trimmed") << "  /tmp/a.pdf "
                                        << "/tmp/a.pdf";
        QTest::newRow("relative") << "a.pdf" << QDir::current().absoluteFilePath("a.pdf");
    }
    void fileNames() {
        QFETCH(QString, typed);
        QFETCH(QString, base);
        PrinterSetupDialog dialog(PrinterChoice{}, {});
        dialog.FileEdit->setText(typed);
        QCOMPARE(dialog.Choice().pdfBase, base);
    }

    void nextFileSkipsFilesThatExist() {
        QTemporaryDir folder;
        QFile(folder.filePath(QStringLiteral("sheet-1.pdf"))).open(QIODevice::WriteOnly);
        PrinterSetupDialog dialog(b5LandscapePdf(folder.path()), {});
        QVERIFY(dialog.NextFileLabel->text().contains(QStringLiteral("sheet-2.pdf")));
        dialog.FileEdit->setText(folder.filePath(QStringLiteral("other.pdf")));
        QVERIFY(dialog.NextFileLabel->text().contains(QStringLiteral("other-1.pdf")));
    }

    void okChangesThePrinterAndCancelDoesNot_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void okChangesThePrinterAndCancelDoesNot() {
        QFETCH(bool, ok);
        QTemporaryDir folder;
        QtPrinter printer;
        printer.SetChoice(b5LandscapePdf(folder.path()));
        const int landscapeWidth = printer.PageWidth();
        QCOMPARE(runSetup(printer, ok), ok);
        QCOMPARE(printer.Choice().orientation, ok ? QPageLayout::Portrait : QPageLayout::Landscape);
        QCOMPARE(printer.Choice().pageSize.id(), ok ? QPageSize::A3 : QPageSize::B5);
        QCOMPARE(printer.PageWidth() != landscapeWidth, ok);
    }
};

QTEST_MAIN(TestPrinterSetup)
#include "tst_printersetup.moc"
