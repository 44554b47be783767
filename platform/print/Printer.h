// The printer every print goes to: one print job at a time, drawn page by
// page on its canvas. Sizes are in printer pixels; the origin of the canvas is
// the top-left corner of the printable area.
#pragma once

#include "platform/print/PrinterCanvas.h"

class TPrinter {
public:
    virtual ~TPrinter() = default;

    // Starts a job on the chosen printer; throws VantelError with the
    // platform's text when it cannot, and then nothing is printed.
    virtual void BeginDoc() = 0;
    // Ends the job and hands it to the printer (or finishes the file).
    virtual void EndDoc() = 0;
    virtual void NewPage() = 0;
    virtual bool Printing() const = 0;
    virtual PrinterCanvas& Canvas() = 0;

    // The printable area.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    // Pixels per inch, as the canvas draws them.
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
};
