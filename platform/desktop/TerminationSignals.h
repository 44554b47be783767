// SIGTERM, SIGINT and SIGHUP close the program the way its window's close
// box does, so the settings are still saved when the session ends.
#pragma once

#include <functional>

void OnTerminationSignal(std::function<void()> handler);
