// What the user chose in the printer setup: a printer known to the system or
// a PDF file, the paper and the orientation. PDF files are numbered from a
// base name, so each print goes to a new file and none is ever overwritten.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

struct PrinterChoice {
    QString printerName; // empty: a PDF file
    QString pdfBase;     // "folder/name.pdf"; the prints are "folder/name-1.pdf", "-2", ...
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    bool ToPdf() const { return printerName.isEmpty(); }
};

// The system's default printer; with none, PDF files in the documents folder.
PrinterChoice DefaultPrinterChoice();
QString DefaultPdfBase();

// base "folder/name.pdf" and 3 give "folder/name-3.pdf".
QString NumberedPdfName(const QString& base, int number);
// The file the next print would write: the lowest number not taken.
QString NextPdfName(const QString& base);
// Creates that file empty, so that nobody else takes the name, and returns
// its path. Throws VantelError with the system's text when it cannot.
QString ReservePdfName(const QString& base);
