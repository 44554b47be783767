#include "platform/print/PrinterOnFirstUse.h"

#include "platform/print/PrinterQt.h"
#include "platform/print/PrinterSetupDialog.h"

PrinterOnFirstUse::PrinterOnFirstUse() = default;
PrinterOnFirstUse::~PrinterOnFirstUse() = default;

QtPrinter& PrinterOnFirstUse::Real() const {
    if (!printer_)
        printer_ = std::make_unique<QtPrinter>();
    return *printer_;
}

void PrinterOnFirstUse::BeginDoc() { Real().BeginDoc(); }
void PrinterOnFirstUse::EndDoc() { Real().EndDoc(); }
void PrinterOnFirstUse::NewPage() { Real().NewPage(); }
bool PrinterOnFirstUse::Printing() const { return Real().Printing(); }
PrinterCanvas& PrinterOnFirstUse::Canvas() { return Real().Canvas(); }
int PrinterOnFirstUse::PageWidth() const { return Real().PageWidth(); }
int PrinterOnFirstUse::PageHeight() const { return Real().PageHeight(); }
int PrinterOnFirstUse::DpiX() const { return Real().DpiX(); }
int PrinterOnFirstUse::DpiY() const { return Real().DpiY(); }

PrinterSetupOnFirstUse::~PrinterSetupOnFirstUse() = default;

bool PrinterSetupOnFirstUse::ShowPrinterSetup() {
    if (!setup_)
        setup_ = std::make_unique<QtPrinterSetup>(printer_.Real(), parent_);
    return setup_->ShowPrinterSetup();
}
