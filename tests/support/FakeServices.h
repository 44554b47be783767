// Test doubles of the platform services: they record what was asked of them
// and answer from a script, so handlers run without a display or a clock.
#pragma once

#include "drill/TickCounter.h"
#include "platform/desktop/Clock.h"
#include "platform/desktop/MessageBoxes.h"

#include <QStringList>

class FakeMessageBoxes : public MessageBoxes {
public:
    void ShowMessage(const QString& text) override {
        messages.append(text);
        shown.append(text);
    }
    void ShowError(const QString& text) override {
        errors.append(text);
        shown.append(kErrorMark + text);
    }
    void Clear() {
        messages.clear();
        errors.clear();
        shown.clear();
    }
    QStringList messages;
    QStringList errors;
    // Every box in the order shown; an error box's text follows kErrorMark.
    QStringList shown;
    static inline const QString kErrorMark = QStringLiteral("error: ");
};

class FakeTicks : public TickCounter {
public:
    std::uint32_t GetTickCount() override { return now; }
    std::uint32_t now = 0;
};

class FakeClock : public Clock {
public:
    QDateTime Now() override { return now; }
    QDateTime now = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
};
