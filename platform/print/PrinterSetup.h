// The printer setup dialog: the user chooses the printer or a PDF file, the
// paper and the orientation, for every later print.
#pragma once

class PrinterSetup {
public:
    virtual ~PrinterSetup() = default;
    // True when the user closed it with OK.
    virtual bool ShowPrinterSetup() = 0;
};
