// A test case on the real main window: every test function gets a fresh
// window with fake services, shown and active.
#pragma once

#include "tests/support/FormFixture.h"

#include <QTest>

class FormTestCase : public QObject {
    Q_OBJECT

protected:
    FormFixture* f = nullptr;

    // Keys as the child types them, to the window that has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(f->Window(), key, modifiers);
    }
    void type(const QString& text) {
        for (QChar ch : text)
            QTest::keyClick(f->Window(), ch.toLatin1());
    }

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
