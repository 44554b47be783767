// Milliseconds since the program started, kept to their low 32 bits like the
// system's uptime counter, so a Stop before any Start reads the time since start.
#pragma once

#include "drill/TickCounter.h"

#include <QElapsedTimer>

class ProgramTicks : public TickCounter {
public:
    ProgramTicks() { timer_.start(); }
    std::uint32_t GetTickCount() override { return static_cast<std::uint32_t>(timer_.elapsed()); }

private:
    QElapsedTimer timer_;
};
