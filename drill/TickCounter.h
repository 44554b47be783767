// The 32-bit millisecond counter the stopwatch reads.
#pragma once

#include <cstdint>

class TickCounter {
public:
    virtual ~TickCounter() = default;
    virtual std::uint32_t GetTickCount() = 0;
};
