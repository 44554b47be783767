// The system printer and its setup dialog, made the first time they are
// used: asking the print system for its printers costs time that start-up
// should not pay.
#pragma once

#include "platform/print/Printer.h"
#include "platform/print/PrinterSetup.h"

#include <memory>

class QWidget;

class PrinterOnFirstUse : public TPrinter {
public:
    void BeginDoc() override { Printer().BeginDoc(); }
    void EndDoc() override { Printer().EndDoc(); }
    void NewPage() override { Printer().NewPage(); }
    bool Printing() const override { return Printer().Printing(); }
    PrinterCanvas& Canvas() override { return Printer().Canvas(); }
    int PageWidth() const override { return Printer().PageWidth(); }
    int PageHeight() const override { return Printer().PageHeight(); }
    int DpiX() const override { return Printer().DpiX(); }
    int DpiY() const override { return Printer().DpiY(); }
};

class PrinterSetupOnFirstUse : public PrinterSetup {
public:
    explicit PrinterSetupOnFirstUse(QWidget* parent = nullptr) : parent_(parent) {}
    ~PrinterSetupOnFirstUse() override;
    bool ShowPrinterSetup() override;

private:
    QWidget* parent_;
    std::unique_ptr<PrinterSetup> setup_;
};
