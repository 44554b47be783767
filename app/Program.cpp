#include "app/Program.h"

#include "about/VersionBox.h"
#include "app/Unit1.h"
#include "platform/desktop/ClockSeededRandom.h"
#include "platform/desktop/DesktopLinks.h"
#include "platform/desktop/DialogMessageBoxes.h"
#include "widgets/Fonts.h"
#include "platform/help/HelpWindow.h"
#include "platform/help/HelpWindowViewer.h"
#include "platform/print/PrinterOnFirstUse.h"
#include "platform/desktop/ProgramTicks.h"
#include "platform/desktop/QtFileDialogs.h"
#include "platform/desktop/ScreenInfoPrimary.h"
#include "platform/sound/SoundSdlEngine.h"
#include "platform/spreadsheet/SpreadsheetCalc.h"
#include "platform/desktop/SystemClock.h"
#include "platform/desktop/TerminationSignals.h"

#include <QApplication>

int RunVantel(int argc, char* argv[], const std::function<void(QWidget*)>& afterShow) {
    ProgramTicks ticks;   // counts from the program's start
    SdlSoundEngine sound; // opens the audio device on first use
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantel"));
    InstallFontSubstitutions();

    TApplication app;
    DialogMessageBoxes messages(app);
    app.SetMessages(&messages);
    app.SetTitle(QStringLiteral("Vantel"));

    SystemClock clock;
    ClockSeededRandom random;
    PrimaryScreenInfo screen;
    HelpWindowViewer help;
    QtFileDialogs dialogs;
    CalcSpreadsheet spreadsheet;
    DesktopLinks links;
    PrinterOnFirstUse printer;
    PrinterSetupOnFirstUse printerSetup;
    TForm1 form(app, FormServices{ticks, clock, random, screen, help, dialogs, spreadsheet, sound, printer,
                                  printerSetup});
    // Made hidden right after the main window; it may ask for its picture now.
    TVersionBox versionBox(VersionBoxServices{app, dialogs, links, screen}, &form);
    form.VersionBox = &versionBox;
    OnTerminationSignal([&form] { form.CloseByProgram(); });
    form.show();
    if (afterShow)
        afterShow(&form);
    return QApplication::exec();
}
