#include "platform/print/PrinterOnFirstUse.h"

#include "platform/print/PrinterQt.h"
#include "platform/print/PrinterSetupDialog.h"

PrinterSetupOnFirstUse::~PrinterSetupOnFirstUse() = default;

bool PrinterSetupOnFirstUse::ShowPrinterSetup() {
    if (!setup_)
        setup_ = std::make_unique<QtPrinterSetup>(SystemPrinter(), parent_);
    return setup_->ShowPrinterSetup();
}
