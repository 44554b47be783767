// The progress history in the main window: recording every judged attempt,
// the progress window and the completion of the user name.
#include "app/Unit1.h"

#include "platform/desktop/Clock.h"
#include "print/NamePanelPrint.h"
#include "progress/AttemptRecording.h"
#include "progress/NameCompletion.h"
#include "progress/ProgressWindow.h"
#include "widgets/TStringGrid.h"

#include <QAction>
#include <QLineEdit>

void TForm1::wireProgress() {
    // Reads the names only when the edit gets the focus, never at start-up.
    UserNameCompletion = new NameCompletion(Edit7, services_.history);
    wire(ShowProgress1, &QAction::triggered, &TForm1::ShowProgress1Click);
}

void TForm1::recordAttempt(DrillKind kind) {
    // The marks first: recording adds nothing to the time until the child
    // sees them. The attempt is then made and committed on the history's
    // writer while the sounds start; judge waits for the commit before the
    // result shows. A failure is told by the store and keeps the attempt.
    GridOf(SheetOf(kind))->repaint();
    services_.history.RecordInBackground(
        [stopped = Session->Stopped(kind, userNameInForce_, services_.clock.Now())] {
            return stopped.Make();
        });
}

void TForm1::ShowProgress1Click() {
    if (ProgressWindow1) {
        ProgressWindow1->Refresh();
        ProgressWindow1->raise();
        ProgressWindow1->activateWindow();
        return;
    }
    const DrillSheet* sheet = ActiveSheet();
    if (!namePanelPrint_)
        namePanelPrint_ = std::make_shared<GridNamePanelPrint>(*VoskSGridPrinter4);
    ProgressWindow1 = new ProgressWindow(
        ProgressServices{services_.history, services_.clock, services_.dialogs, app_.Messages(),
                         services_.printerSetup, services_.printer, *namePanelPrint_, services_.random},
        userNameInForce_, sheet ? sheet->kind : DrillKind::Addition, this);
    ProgressWindow1->setAttribute(Qt::WA_DeleteOnClose);
    if (OnProgressWindowOpened)
        OnProgressWindowOpened(*ProgressWindow1);
    ProgressWindow1->show();
}
