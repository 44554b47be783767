// The progress window's services as test doubles, all but the history, which
// each test or benchmark chooses.
#pragma once

#include "print/NamePanelPrint.h"
#include "progress/ProgressWindow.h"

#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeServices.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedRandom.h"

// A control of the progress window, by its object name.
template <class T> T* ProgressControl(const QWidget& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}

struct FakeProgressServices {
    FakeClock clock;
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakePrinterSetup setup;
    RecordingPrinter printer;
    ScriptedRandom random;
    TVoskSGridPrinter namePanelPrinter{printer};
    GridNamePanelPrint namePanel{namePanelPrinter};

    ProgressServices With(HistoryReader& history) {
        return {history, clock, dialogs, messages, setup, printer, namePanel, random};
    }
};
