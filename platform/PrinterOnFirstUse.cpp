#include "platform/PrinterOnFirstUse.h"

#include "platform/PrinterQt.h"
#include "platform/PrinterSetupDialog.h"

PrinterSetupOnFirstUse::~PrinterSetupOnFirstUse() = default;

bool PrinterSetupOnFirstUse::ShowPrinterSetup() {
    if (!setup_)
        setup_ = std::make_unique<QtPrinterSetup>(SystemPrinter(), parent_);
    return setup_->ShowPrinterSetup();
}
