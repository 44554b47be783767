// Printing worksheets and answer keys.
#include "app/NumberedSheetsDialog.h"
#include "app/Unit1.h"

#include "drill/DrillSession.h"
#include "platform/print/PrinterSetup.h"
#include "print/NumberedSheets.h"
#include "print/VoskGridP.h"
#include "print/WorksheetPrint.h"
#include "widgets/TButton.h"

#include <QAction>
#include <QMenuBar>

void TForm1::wirePrintHandlers() {
    VoskSGridPrinter1 = new TVoskSGridPrinter(services_.printer, this);
    VoskSGridPrinter2 = new TVoskSGridPrinter(services_.printer, this);
    VoskSGridPrinter3 = new TVoskSGridPrinter(services_.printer, this);
    VoskSGridPrinter4 = new TVoskSGridPrinter(services_.printer, this);
    VoskSGridPrinter1->setObjectName(QStringLiteral("VoskSGridPrinter1"));
    VoskSGridPrinter2->setObjectName(QStringLiteral("VoskSGridPrinter2"));
    VoskSGridPrinter3->setObjectName(QStringLiteral("VoskSGridPrinter3"));
    VoskSGridPrinter4->setObjectName(QStringLiteral("VoskSGridPrinter4"));
    SetUpSheetPrinter(*VoskSGridPrinter1, StringGrid1);
    SetUpSheetPrinter(*VoskSGridPrinter2, StringGrid2);
    SetUpSheetPrinter(*VoskSGridPrinter3, StringGrid3);
    SetUpNamePanelPrinter(*VoskSGridPrinter4, StringGrid4);

    const struct {
        TButton* button;
        QAction* item;
        void (TForm1::*handler)();
    } commands[] = {
        {BitBtn1, Print1, &TForm1::BitBtn1Click},       {BitBtn2, Print2, &TForm1::BitBtn2Click},
        {BitBtn3, Print3, &TForm1::BitBtn3Click},       {BitBtn24, PrintSetup1, &TForm1::PrintSetup1Click},
        {SpeedButton4, N6, &TForm1::SpeedButton4Click}, {SpeedButton3, N7, &TForm1::SpeedButton3Click},
        {SpeedButton5, N8, &TForm1::SpeedButton5Click}, {SpeedButton1, N991, &TForm1::SpeedButton1Click},
    };
    for (const auto& command : commands) {
        wire(command.button, &QPushButton::clicked, command.handler);
        wire(command.item, &QAction::triggered, command.handler);
    }
    DifferentSheets1 = menuBar()->findChild<QAction*>(QStringLiteral("DifferentSheets1"));
    wire(DifferentSheets1, &QAction::triggered, &TForm1::DifferentSheets1Click);
}

void TForm1::printWorksheet(TVoskSGridPrinter& sheetPrinter) {
    PrintWorksheetCommand(services_.printerSetup, services_.printer, *VoskSGridPrinter4, sheetPrinter);
}

void TForm1::BitBtn1Click() { PrintAdditionSheet(); }
void TForm1::BitBtn2Click() { PrintSubtractionSheet(); }
void TForm1::BitBtn3Click() { PrintMultiplicationSheet(); }

void TForm1::PrintAdditionSheet() { printWorksheet(*VoskSGridPrinter1); }
void TForm1::PrintSubtractionSheet() { printWorksheet(*VoskSGridPrinter2); }
void TForm1::PrintMultiplicationSheet() { printWorksheet(*VoskSGridPrinter3); }

void TForm1::PrintSetup1Click() { services_.printerSetup.ShowPrinterSetup(); }

void TForm1::SpeedButton4Click() { Session->FillAnswerKey(DrillKind::Addition); }
void TForm1::SpeedButton3Click() { Session->FillAnswerKey(DrillKind::Subtraction); }
void TForm1::SpeedButton5Click() { Session->FillAnswerKey(DrillKind::Multiplication); }
void TForm1::SpeedButton1Click() { Session->FillAnswerKey(DrillKind::Kuku); }

void TForm1::DifferentSheets1Click() {
    const DrillSheet* shown = ActiveSheet();
    NumberedSheetsDialog dialog(shown ? shown->kind : DrillKind::Addition, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintNumberedSheetsCommand(this, services_.printerSetup, services_.printer, *VoskSGridPrinter4,
                               *GridOf(SheetOf(dialog.Drill())), dialog.Drill(), dialog.Count(), services_.random);
}
