// Work that can wait until a window is on screen: run once, in the event loop
// right after the first paint of the window or of any of its controls.
#pragma once

#include <functional>

class QWidget;

void RunAfterFirstPaint(QWidget* window, std::function<void()> work);
