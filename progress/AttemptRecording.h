// Recording a judged attempt: the drill session makes it (StoppedAttempt), the
// history commits it on its writer while the window goes on.
#pragma once

#include "drill/DrillSession.h"
#include "progress/Attempt.h"

// How long the result message waits for the attempt's commit: longer than
// another copy of the program may hold the file (the busy timeout), so only a
// stuck disk lets the message come first; the writing goes on behind it.
constexpr int kRecordWaitMs = 5000;
