// Program entry: the application object, the main window, the event loop.
#include "app/Unit1.h"
#include "platform/ClockSeededRandom.h"
#include "platform/DialogMessageBoxes.h"
#include "platform/Fonts.h"
#include "platform/ProgramTicks.h"
#include "platform/SystemClock.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    ProgramTicks ticks; // counts from the program's start
    QApplication qtApp(argc, argv);
    InstallFontSubstitutions();

    TApplication app;
    DialogMessageBoxes messages(app);
    app.SetMessages(&messages);
    app.SetTitle(QStringLiteral("Vantel"));
    QApplication::setApplicationName(QStringLiteral("Vantel"));

    SystemClock clock;
    ClockSeededRandom random;
    TForm1 form(app, FormServices{ticks, clock, random});
    form.show();
    return QApplication::exec();
}
