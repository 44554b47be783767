#include "app/Program.h"

#include "app/MainWindowAssembly.h"
#include "classroom/Classroom.h"
#include "classroom/Outbox.h"
#include "platform/desktop/ClockSeededRandom.h"
#include "platform/desktop/DesktopLinks.h"
#include "platform/desktop/DialogMessageBoxes.h"
#include "platform/desktop/LanguageSwitch.h"
#include "platform/desktop/ProgramTicks.h"
#include "platform/desktop/QtFileDialogs.h"
#include "platform/desktop/QtTranslations.h"
#include "platform/desktop/ScreenInfoPrimary.h"
#include "platform/desktop/SystemClock.h"
#include "platform/desktop/TerminationSignals.h"
#include "platform/help/HelpWindow.h"
#include "platform/help/HelpWindowViewer.h"
#include "platform/print/PrinterOnFirstUse.h"
#include "platform/sound/SoundSdlEngine.h"
#include "platform/speech/EspeakSpeech.h"
#include "platform/spreadsheet/SpreadsheetCalc.h"
#include "progress/NameCompletion.h"
#include "progress/SqliteHistory.h"
#include "readaloud/ReadAloudSettings.h"
#include "settings/SettingsFile.h"
#include "widgets/Fonts.h"

#include <QApplication>
#include <QTimer>

int RunVantel(int argc, char* argv[], const std::function<void(QWidget*)>& afterShow) {
    ProgramTicks ticks;   // counts from the program's start
    SdlSoundEngine sound; // opens the audio device on first use
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantel"));
    InstallFontSubstitutions();
    // The saved language, else the desktop's; Japanese for a locale we do not speak.
    ProgramTranslations translations;
    LanguageSwitch languages(translations, LanguageFile());
    languages.ApplySaved();

    const QString title = QStringLiteral("Vantel");
    DialogMessageBoxes messages(title);
    TApplication app(title, messages);

    SystemClock clock;
    ClockSeededRandom random;
    PrimaryScreenInfo screen;
    HelpWindowViewer help(nullptr, DefaultHelpFolders(), [&languages] { return languages.Current(); });
    QtFileDialogs dialogs;
    CalcSpreadsheet spreadsheet;
    DesktopLinks links;
    PrinterOnFirstUse printer;
    PrinterSetupOnFirstUse printerSetup(printer);
    SettingsFile settings(DefaultSettingsPath());
    EspeakSpeech speech(sound);
    ReadAloudSettings readAloudSettings;
    SqliteHistory history(DefaultHistoryPath(), messages); // opens its file on the first attempt
    // A computer of a class also sends each attempt to the class server.
    std::unique_ptr<Classroom> classroom;
    if (const std::optional<ClassroomConfig> config = ReadClassroomConfig())
        classroom = std::make_unique<Classroom>(*config, history, DefaultOutboxPath());
    const std::unique_ptr<TForm1> window =
        MakeMainWindow(app, FormServices{ticks, clock, random, screen, help, dialogs, spreadsheet, sound,
                                         printer, printerSetup, links, settings, speech, readAloudSettings,
                                         classroom ? classroom->History() : history});
    TForm1& form = *window;
    form.AttachLanguages(languages);
    OnTerminationSignal([&form] { form.CloseByProgram(); });
    if (classroom) {
        // The class list's names complete the user name beside this computer's own.
        const auto offerRoster = [&form, &classroom] {
            form.UserNameCompletion->SetExtraNames(classroom->RosterNames());
        };
        offerRoster();
        QObject::connect(classroom.get(), &Classroom::RosterChanged, form.UserNameCompletion, offerRoster);
        form.OnProgressWindowOpened = [&classroom](ProgressWindow& progress) {
            classroom->AttachTo(progress);
        };
    }
    form.show();
    if (classroom) // off the path to the first paint
        QTimer::singleShot(0, classroom.get(), [&classroom] { classroom->Start(); });
    if (afterShow)
        afterShow(&form);
    const int exitCode = QApplication::exec();
    if (classroom)
        classroom->Shutdown(); // at most a moment for a send in flight; the rest stays queued
    return exitCode;
}
