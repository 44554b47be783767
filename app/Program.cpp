#include "app/Program.h"

#include "about/VersionBox.h"
#include "app/Unit1.h"
#include "platform/ClockSeededRandom.h"
#include "platform/DesktopLinks.h"
#include "platform/DialogMessageBoxes.h"
#include "platform/Fonts.h"
#include "platform/HelpWindow.h"
#include "platform/HelpWindowViewer.h"
#include "platform/PrinterOnFirstUse.h"
#include "platform/ProgramTicks.h"
#include "platform/QtFileDialogs.h"
#include "platform/ScreenInfoPrimary.h"
#include "platform/SoundSdlEngine.h"
#include "platform/SpreadsheetCalc.h"
#include "platform/SystemClock.h"
#include "platform/TerminationSignals.h"

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
