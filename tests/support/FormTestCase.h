// A test case on the real main window: every test function gets a fresh
// window with fake services, shown and active.
#pragma once

#include "tests/support/FormFixture.h"

class FormTestCase : public QObject {
    Q_OBJECT

protected:
    FormFixture* f = nullptr;

    // Replaces the window by one that reads the given settings file.
    void reopen(const QString& settingsPath) {
        delete f;
        f = new FormFixture(settingsPath);
        QVERIFY(f->Open());
    }

private slots:
    void init() {
        f = new FormFixture;
        QVERIFY(f->Open());
    }
    void cleanup() {
        delete f;
        f = nullptr;
    }
};
