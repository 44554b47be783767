// A print job to a PDF file in a folder of its own (as on a computer with no
// printer), headed by a name panel, for tests that read the pages back.
#pragma once

#include "platform/print/PrinterQt.h"
#include "print/VoskGridP.h"
#include "print/WorksheetPrint.h"
#include "tests/support/WorksheetGrids.h"

#include <QTemporaryDir>

struct PdfPanelJob {
    // fileName: the PDF's base name; the job numbers it ("run.pdf" -> "run-1.pdf").
    // askName: the panel's first cell says "なまえ", as a teacher sets it up.
    explicit PdfPanelJob(const QString& fileName, bool askName = true) {
        PrinterChoice choice;
        choice.pdfBase = folder.filePath(fileName);
        pdf.SetChoice(choice);
        if (askName)
            names->SetCells(0, 0, QStringLiteral("なまえ"));
        SetUpNamePanelPrinter(namePrinter, names.get());
    }

    QTemporaryDir folder;
    QtPrinter pdf;
    std::unique_ptr<TStringGrid> names = MakeNamePanel();
    TVoskSGridPrinter namePrinter{pdf};
};
