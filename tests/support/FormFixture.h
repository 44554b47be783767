// The real main window with fake platform services, shown offscreen.
#pragma once

#include "about/VersionBox.h"
#include "app/MainWindowAssembly.h"
#include "platform/desktop/TApplication.h"
#include "readaloud/ReadAloudSettings.h"
#include "settings/SettingsFile.h"
#include "widgets/Fonts.h"

#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeHelp.h"
#include "tests/support/FakeHistory.h"
#include "tests/support/FakeLinks.h"
#include "tests/support/FakeScreen.h"
#include "tests/support/FakeServices.h"
#include "tests/support/FakeSound.h"
#include "tests/support/FakeSpeech.h"
#include "tests/support/FakeSpreadsheet.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedRandom.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct FormFixture {
    QTemporaryDir settingsDir;
    FakeMessageBoxes messages;
    TApplication app{QStringLiteral("Vantel"), messages};
    FakeTicks ticks;
    FakeClock clock;
    ScriptedRandom random;
    FakeScreen screen;
    FakeHelp help;
    FakeFileDialogs dialogs;
    FakeSpreadsheet spreadsheet;
    FakeLinks links;
    FakeSoundEngine sound;
    RecordingPrinter printer;
    FakePrinterSetup printerSetup;
    SettingsFile settings;
    FakeSpeech speech;
    Speech* voice = nullptr; // a real voice in place of the fake, set before Open
    ReadAloudSettings readAloudSettings{settingsDir.filePath(QStringLiteral("readaloud.conf"))};
    FakeHistory history;
    HistoryStore* historyStore = nullptr; // a real history in place of the fake, set before Open
    std::unique_ptr<TForm1> form;
    TVersionBox* versionBox = nullptr; // the form's

    // Settings go to a fresh folder unless the test chose a file itself.
    explicit FormFixture(const QString& settingsPath = {})
        : settings(settingsPath.isEmpty() ? settingsDir.filePath(QStringLiteral("vantel.ini"))
                                          : settingsPath) {
        InstallFontSubstitutions();
    }
    // A settings file in the folder that holds only a user name, so start-up
    // goes on to the caption, the system menu and "data.txt".
    static QString UserNameSettings(const QTemporaryDir& folder, const QString& name) {
        const QString path = folder.filePath(QStringLiteral("vantel.ini"));
        SettingsFile(path).WriteString(QStringLiteral("Text"), QStringLiteral("UserName"), name);
        return path;
    }

    ~FormFixture() { form.reset(); }

    // Creates the window as the program does, not shown yet.
    void Make() {
        form =
            MakeMainWindow(app, FormServices{ticks, clock, random, screen, help, dialogs, spreadsheet, sound,
                                             printer, printerSetup, links, settings, voice ? *voice : speech,
                                             readAloudSettings, historyStore ? *historyStore : history});
    }
    // Creates and shows the window; true once it is active (or only shown,
    // where no window manager activates it).
    bool Open(bool waitActive = true) {
        Make();
        versionBox = form->AboutBox(); // at once, so tests can reach it before the first paint
        form->show();
        return waitActive ? QTest::qWaitForWindowActive(form.get())
                          : QTest::qWaitForWindowExposed(form.get());
    }
    QWindow* Window() const { return form->windowHandle(); }
};
