// The printer setup dialog on Qt: a printer known to the system or a PDF
// file, the paper size and the orientation. OK hands the choice to the
// printer, Cancel leaves everything as it was.
#pragma once

#include "platform/print/PrinterChoice.h"
#include "platform/print/PrinterSetup.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QtPrinter;

class PrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    // printerNames are the printers to offer besides the PDF file.
    PrinterSetupDialog(const PrinterChoice& choice, const QStringList& printerNames,
                       QWidget* parent = nullptr);

    // What the controls say now.
    PrinterChoice Choice() const;

    QComboBox* PrinterBox;
    QLineEdit* FileEdit;
    QPushButton* BrowseButton;
    QLabel* NextFileLabel;
    QComboBox* PaperBox;
    QRadioButton* PortraitButton;
    QRadioButton* LandscapeButton;
    QDialogButtonBox* Buttons;

private:
    void destinationChanged();
    void fillPapers(const QPageSize& wanted);
    void updateNextFile();
    void browse();
    QString pdfBase() const;
};

// The dialog working on the process-wide printer.
class QtPrinterSetup : public PrinterSetup {
public:
    explicit QtPrinterSetup(QtPrinter& printer, QWidget* parent = nullptr)
        : printer_(printer), parent_(parent) {}
    bool ShowPrinterSetup() override;

private:
    QtPrinter& printer_;
    QWidget* parent_;
};
