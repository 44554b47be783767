// The system printer and its setup dialog, made the first time they are
// used: asking the print system for its printers costs time that start-up
// should not pay.
#pragma once

#include "platform/print/Printer.h"
#include "platform/print/PrinterSetup.h"

#include <memory>

class QWidget;
class QtPrinter;

class PrinterOnFirstUse : public TPrinter {
public:
    PrinterOnFirstUse();
    ~PrinterOnFirstUse() override;

    void BeginDoc() override;
    void EndDoc() override;
    void NewPage() override;
    bool Printing() const override;
    PrinterCanvas& Canvas() override;
    int PageWidth() const override;
    int PageHeight() const override;
    int DpiX() const override;
    int DpiY() const override;

    // The printer itself, made now if it was not yet; the setup dialog
    // changes its choice.
    QtPrinter& Real() const;

private:
    mutable std::unique_ptr<QtPrinter> printer_;
};

class PrinterSetupOnFirstUse : public PrinterSetup {
public:
    explicit PrinterSetupOnFirstUse(PrinterOnFirstUse& printer, QWidget* parent = nullptr)
        : printer_(printer), parent_(parent) {}
    ~PrinterSetupOnFirstUse() override;
    bool ShowPrinterSetup() override;

private:
    PrinterOnFirstUse& printer_;
    QWidget* parent_;
    std::unique_ptr<PrinterSetup> setup_;
};
