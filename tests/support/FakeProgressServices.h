// The progress window's services as test doubles, all but the history, which
// each test or benchmark chooses.
#pragma once

#include "print/VoskGridP.h"
#include "progress/ProgressWindow.h"

#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeServices.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedRandom.h"

struct FakeProgressServices {
    FakeClock clock;
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakePrinterSetup setup;
    RecordingPrinter printer;
    ScriptedRandom random;
    TVoskSGridPrinter namePanelPrinter{printer};

    ProgressServices With(HistoryStore& history) {
        return {history, clock, dialogs, messages, setup, printer, namePanelPrinter, random};
    }
};
