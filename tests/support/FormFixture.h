// The real main window with fake platform services, shown offscreen.
#pragma once

#include "app/Unit1.h"
#include "platform/TApplication.h"

#include "tests/support/FakeServices.h"
#include "tests/support/ScriptedRandom.h"

#include <QTest>
#include <memory>

struct FormFixture {
    FakeMessageBoxes messages;
    TApplication app{&messages};
    FakeTicks ticks;
    FakeClock clock;
    ScriptedRandom random;
    std::unique_ptr<TForm1> form;

    FormFixture() { app.SetTitle(QStringLiteral("Vantel")); }

    // Creates and shows the window; true once it is active.
    bool Open() {
        form = std::make_unique<TForm1>(app, FormServices{ticks, clock, random});
        form->show();
        return QTest::qWaitForWindowActive(form.get());
    }
    QWindow* Window() const { return form->windowHandle(); }
};
