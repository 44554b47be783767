// The machine's local date and time.
#pragma once

#include "platform/desktop/Clock.h"

class SystemClock : public Clock {
public:
    QDateTime Now() override { return QDateTime::currentDateTime(); }
};
