// StopWatch: measures a drill attempt in milliseconds from the last Start to
// the last Stop. It has no running state; Elapsed always reflects the two
// latest marks.
#pragma once

#include "drill/TickCounter.h"

#include <QObject>
#include <cstdint>

class StopWatch : public QObject {
    Q_OBJECT
public:
    explicit StopWatch(TickCounter& ticks, QObject* owner = nullptr) : QObject(owner), ticks_(ticks) {}

    void Start() { StartTicks = ticks_.GetTickCount(); }
    void Stop() { StopTicks = ticks_.GetTickCount(); }
    // The caller keeps the low 32 bits, which stay right across one wrap of the counter.
    std::int64_t Elapsed() {
        ElapsedTicks = StopTicks - StartTicks;
        return ElapsedTicks;
    }

    std::int64_t StartTicks = 0;
    std::int64_t StopTicks = 0;
    std::int64_t ElapsedTicks = 0;

private:
    TickCounter& ticks_;
};
