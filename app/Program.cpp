#include "app/Program.h"

#include "app/Unit1.h"
#include "platform/ClockSeededRandom.h"
#include "platform/DialogMessageBoxes.h"
#include "platform/Fonts.h"
#include "platform/HelpWindow.h"
#include "platform/HelpWindowViewer.h"
#include "platform/ProgramTicks.h"
#include "platform/ScreenInfoPrimary.h"
#include "platform/SystemClock.h"
#include "platform/TerminationSignals.h"

#include <QApplication>

int RunVantel(int argc, char* argv[], const std::function<void(QWidget*)>& afterShow) {
    ProgramTicks ticks; // counts from the program's start
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
    TForm1 form(app, FormServices{ticks, clock, random, screen, help});
    OnTerminationSignal([&form] { form.CloseByProgram(); });
    form.show();
    if (afterShow)
        afterShow(&form);
    return QApplication::exec();
}
